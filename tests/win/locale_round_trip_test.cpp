#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "monitor/charts/user_locale.h"
#include "monitor/core/record_file_reader.h"
#include "monitor/core/record_file_writer.h"
#include "monitor/win/program_state.h"
#include "tests/win/main_window_fixture.h"
#include "tests/win/program_folder.h"
#include "ui/list_view.h"
#include "ui/menu.h"
#include "ui/status_bar.h"
#include "ui/text.h"
#include "viewer/viewer_form.h"
#include "viewer/viewer_locale.h"

using namespace velmorant;
using namespace velmorant::test;

namespace {

// Frames stored in both halves of the day, at midnight's and noon's first minutes.
constexpr int kSeconds[] = {14 * 3600, 13 * 3600 + 5 * 60 + 7, 5 * 60 + 6, 12 * 3600 + 1};
constexpr int kFrames = static_cast<int>(std::size(kSeconds));

int SecondsOf(double storedAt) {
    return static_cast<int>(std::llround(storedAt * 86400));
}

// An item's text as the list view control holds it.
std::string ItemText(HWND list, int item) {
    wchar_t buffer[256] = {};
    LVITEMW lv{};
    lv.iSubItem = 0;
    lv.pszText = buffer;
    lv.cchTextMax = 256;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lv));
    return ui::WideToCp1251(buffer);
}

// The program under the user's locale, which Wine takes from LANG: the start reads it as the
// program's own start does.
class LocaleRoundTripTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        UserLocale = ReadUserLocale();
        std::filesystem::create_directories(folder);
    }
    void TearDown() override {
        UserLocale = DisplayLocale{};
        MainWindowFixture::TearDown();
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    void SaveAndReopen();

    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "velmorant_locale_round_trip";
};

// The user's own time picture and designators in his regional settings for one test, the
// earlier ones put back after it.
class UserTimeSettings {
public:
    UserTimeSettings(const wchar_t* picture, const wchar_t* am, const wchar_t* pm) {
        for (std::size_t i = 0; i < std::size(kTypes); ++i) {
            wchar_t buffer[80] = {};
            GetLocaleInfoW(LOCALE_USER_DEFAULT, kTypes[i], buffer, 80);
            earlier_[i] = buffer;
        }
        Set({picture, am, pm});
    }
    ~UserTimeSettings() { Set(earlier_); }

private:
    static constexpr LCTYPE kTypes[] = {LOCALE_STIMEFORMAT, LOCALE_S1159, LOCALE_S2359};

    static void Set(const std::array<std::wstring, 3>& values) {
        for (std::size_t i = 0; i < std::size(kTypes); ++i)
            EXPECT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, kTypes[i], values[i].c_str()));
    }

    std::array<std::wstring, 3> earlier_;
};

}  // namespace

// Saved and reopened under the user's locale, in the program and in Viewer, a recording keeps
// every frame at the time of day it was stored; PCs under other locales read the file alike.
void LocaleRoundTripTest::SaveAndReopen() {
    SCOPED_TRACE("long time format \"" + UserLocale.Time.LongTimeFormat + "\", designators \"" +
                 UserLocale.Time.TimeAMString + "\" \"" + UserLocale.Time.TimePMString + "\"");

    // A recording as an earlier version wrote it, in 24 hours.
    std::vector<RecordedFrame> frames(kFrames);
    for (int k = 0; k < kFrames; ++k) {
        frames[k].DataBytes[3] = static_cast<std::uint8_t>(k + 1);
        frames[k].StoredAt = 45000 + kSeconds[k] / 86400.0;
    }
    RecordFileSections sections;
    sections.ReasonsForDiagnostics = std::vector<std::string>{"Проверка"};
    const auto source = folder / "source.vmr";
    ASSERT_TRUE(WriteRecordFile(source, frames, sections, {}).Ok());
    ASSERT_TRUE(form->LoadRecordFile(source));

    const auto saved = folder / "saved.vmr";
    std::filesystem::remove(saved);
    dialogs.fileAnswers = {ui::FileDialogAnswer{saved, 1}};
    form->SaveRecordAs();
    ASSERT_FALSE(RecordUnsaved.load());
    ASSERT_TRUE(std::filesystem::exists(saved));

    // Reopened in the program: no error box, every frame at its time.
    ASSERT_TRUE(form->LoadRecordFile(source));
    dialogs.boxes.clear();
    EXPECT_TRUE(form->LoadRecordFile(saved));
    for (const auto& box : dialogs.boxes) ADD_FAILURE() << "box: " << box.text;
    EXPECT_EQ(Status(), "Data from: saved.vmr");
    for (int k = 1; k <= kFrames; ++k) EXPECT_EQ(SecondsOf(Record[k].StoredAt), kSeconds[k - 1]);
    // The list shows frame N div 2 and its time as the user's locale writes it.
    const std::string shownTime = ItemText(Get<ui::ListView>("ListView2").Handle(), 27);
    EXPECT_EQ(shownTime, FormatTimeOfDay(frames[kFrames / 2 - 1].StoredAt, UserLocale.Time));
    EXPECT_EQ(shownTime.find('?'), std::string::npos) << shownTime;

    // The same file under another locale.
    for (const TimeLocale& other : {TimeLocale{}, TimeLocale{"h:mm:ss tt", ":", "AM", "PM"},
                                    TimeLocale{"tt h:mm:ss", ":", "", ""}}) {
        const RecordFileResult read = ReadRecordFile(saved, other);
        ASSERT_TRUE(read.Ok()) << read.ErrorText;
        for (int k = 0; k < kFrames; ++k)
            EXPECT_EQ(SecondsOf(read.Content.Frames[k].StoredAt), kSeconds[k]);
    }

    // Opened in Viewer, which reads the user's locale when its window is made.
    ProgramFolder env{"velmorant_locale_round_trip_viewer"};
    auto viewerForm = std::make_unique<viewer::TForm1>();
    viewerForm->Create();
    dialogs.boxes.clear();
    dialogs.fileAnswers = {ui::FileDialogAnswer{saved}};
    viewerForm->Get<ui::MenuItem>("N2").Click();
    for (const auto& box : dialogs.boxes) ADD_FAILURE() << "Viewer box: " << box.text;
    EXPECT_EQ(viewerForm->Get<ui::StatusBar>("StatusBar1").PanelText(0), "saved.vmr");
    // Its list shows frame 1.
    EXPECT_EQ(viewerForm->Get<ui::ListView>("ListView1").SubItem(27, 0),
              FormatTimeOfDay(frames[0].StoredAt, viewer::Locale.Time));
}

// Under the locale the run was given.
TEST_F(LocaleRoundTripTest, SavedRecordingReopensInTheProgramAndInViewer) {
    // Set where the locale is chosen for the test, so that missing locale data fails it.
    if (const char* wanted = std::getenv("VELMORANT_TEST_LOCALE")) {
        wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
        GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH);
        ASSERT_EQ(ui::WideToCp1251(name), wanted);
    }
    SaveAndReopen();
}

// Time settings a user set up himself: a 24-hour clock that still shows its designators, and
// a literal word that begins with the PM designator's letter.
TEST_F(LocaleRoundTripTest, SavedRecordingReopensUnderTheUsersOwnTimeSettings) {
    const struct {
        const wchar_t* picture;
        const wchar_t* am;
        const wchar_t* pm;
    } settings[] = {
        {L"H:mm:ss tt", L"ДП", L"ПП"},
        {L"H:mm:ss 'ч.'", L"дп", L"чп"},
    };
    for (const auto& s : settings) {
        UserTimeSettings user{s.picture, s.am, s.pm};
        UserLocale = ReadUserLocale();
        ASSERT_EQ(UserLocale.Time.LongTimeFormat, ui::WideToCp1251(s.picture));
        ASSERT_EQ(UserLocale.Time.TimePMString, ui::WideToCp1251(s.pm));
        SaveAndReopen();
    }
}
