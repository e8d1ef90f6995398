#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "monitor/core/frame_record.h"
#include "monitor/core/record_file_writer.h"
#include "monitor/win/car_form.h"
#include "tests/win/activation_support.h"
#include "tests/win/clipboard.h"
#include "tests/win/main_window_fixture.h"
#include "tests/win/recording_support.h"
#include "tests/win/window_text.h"
#include "ui/application.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/status_bar.h"

using namespace velmorant;
using namespace velmorant::test;

namespace {

// The window that a typed character goes to: a combo box's own edit, or the control.
HWND TypingWindow(const ui::WinControl& control) {
    if (dynamic_cast<const ui::ComboBox*>(&control)) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        if (GetComboBoxInfo(control.Handle(), &info)) return info.hwndItem;
    }
    return control.Handle();
}

const ui::FormDesign kMainDesign{.name = "MainStandIn", .caption = "Main", .clientWidth = 200,
                                 .clientHeight = 100};

const ui::FormDesign kOtherDesign{.name = "OtherStandIn", .caption = "Other", .left = 300,
                                  .clientWidth = 200, .clientHeight = 100};

class CarFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        RecordUnsaved = false;
        form = std::make_unique<TForm6>();
        form->Create();
    }
    void TearDown() override {
        form.reset();
        RecordUnsaved = false;
    }
    template <class T>
    T& Get(const std::string& name) {
        return form->Get<T>(name);
    }
    ui::WinControl& Field(const std::string& name) { return Get<ui::WinControl>(name); }

    std::unique_ptr<TForm6> form;
};

struct FieldRow {
    const char* group;  // empty: on the form
    const char* groupCaption;
    const char* label;
    const char* field;
    std::vector<std::string> items;  // combo boxes only
};

const std::vector<FieldRow> kFields = {
    {"GroupBox1", "Car", "Model: ", "Edit1", {}},
    {"GroupBox1", "Car", "Year:", "ComboBox1",
     {"2001", "2000", "1999", "1998", "1997", "1996", "1995", "1994", "1993", "1992", "1991",
      "1990"}},
    {"GroupBox1", "Car", "Mileage:", "Edit4", {}},
    {"GroupBox2", "Engine", "Model: ", "Edit2", {}},
    {"GroupBox2", "Engine", "Engine type:", "ComboBox2", {"Inline", "V"}},
    {"GroupBox2", "Engine", "Cylinders num.:", "ComboBox3", {"4", "6", "8", "12"}},
    {"GroupBox3", "Transaxle", "Model:", "Edit3", {}},
    {"GroupBox3", "Transaxle", "Transmission:", "ComboBox4", {"Auto", "Manual"}},
    {"GroupBox3", "Transaxle", "Drive:", "ComboBox5", {"Front", "Rear", "4WD"}},
    {"", "", "Additional description:", "Memo1", {}},
    {"", "", "Reasons for diagnostics:", "Memo2", {}},
};

// The label on the same parent as the field, just left of it or just above it.
ui::Label* LabelOf(const TForm6& form, const ui::WinControl& field, const std::string& caption) {
    for (int n = 1; n <= 40; ++n) {
        auto* label = dynamic_cast<ui::Label*>(form.FindComponent("Label" + std::to_string(n)));
        if (!label || label->Caption() != caption) continue;
        if (GetParent(label->Handle()) != GetParent(field.Handle())) continue;
        const bool beside = label->Left() < field.Left() &&
                            std::abs(label->Top() - field.Top()) <= 8;
        const bool above = label->Top() < field.Top() && field.Top() - label->Top() <= 30 &&
                           std::abs(label->Left() - field.Left()) <= 10;
        if (beside || above) return label;
    }
    return nullptr;
}

TEST_F(CarFormTest, WindowHasEveryFieldWithItsLabelGroupListAndFont) {
    EXPECT_EQ(WindowText(form->Handle()), L"Car description and comments");
    EXPECT_EQ(form->ClientWidth(), 553);
    EXPECT_EQ(form->ClientHeight(), 628);
    EXPECT_TRUE(form->KeyPreview());
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(GetWindowLongW(form->Handle(), GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX));

    for (const FieldRow& r : kFields) {
        SCOPED_TRACE(r.field);
        auto& field = Field(r.field);
        EXPECT_TRUE(field.Visible());
        EXPECT_EQ(field.GetFont(), (ui::Font{.name = "Courier New", .height = 16, .bold = true,
                                             .colour = ui::kBlue}));
        const HWND parent = GetParent(field.Handle());
        if (*r.group) {
            auto& group = Get<ui::GroupBox>(r.group);
            EXPECT_EQ(parent, group.Handle());
            EXPECT_EQ(group.Caption(), r.groupCaption);
        } else {
            EXPECT_EQ(parent, form->Handle());
            auto& memo = Get<ui::Memo>(r.field);
            EXPECT_TRUE(GetWindowLongW(memo.Handle(), GWL_STYLE) & WS_VSCROLL);
            EXPECT_TRUE(GetWindowLongW(memo.Handle(), GWL_STYLE) & ES_MULTILINE);
        }
        ui::Label* label = LabelOf(*form, field, r.label);
        ASSERT_NE(label, nullptr) << r.label;
        EXPECT_EQ(label->GetFont().name, "Courier New");
        EXPECT_EQ(label->GetFont().height, 16);
        EXPECT_TRUE(label->GetFont().bold);
        if (auto* combo = dynamic_cast<ui::ComboBox*>(&field)) {
            EXPECT_FALSE(combo->IsDropDownList());
            EXPECT_EQ(combo->Items(), r.items);
        } else {
            EXPECT_TRUE(r.items.empty());
        }
    }
    // The groups come from top to bottom in table order, and the fields inside each too.
    EXPECT_LT(Get<ui::GroupBox>("GroupBox1").Top(), Get<ui::GroupBox>("GroupBox2").Top());
    EXPECT_LT(Get<ui::GroupBox>("GroupBox2").Top(), Get<ui::GroupBox>("GroupBox3").Top());
    for (std::size_t i = 1; i < kFields.size(); ++i) {
        if (std::string(kFields[i].group) == kFields[i - 1].group) {
            EXPECT_LT(Field(kFields[i - 1].field).Top(), Field(kFields[i].field).Top())
                << kFields[i].field;
        }
    }

    auto& ok = Get<ui::Button>("Button1");
    EXPECT_EQ(WindowText(ok.Handle()), L"OK");
    RECT client{};
    GetClientRect(form->Handle(), &client);
    EXPECT_LE(ok.Top() + ok.Height(), client.bottom);
    EXPECT_GT(ok.Top(), Get<ui::Memo>("Memo2").Top() + Get<ui::Memo>("Memo2").Height() - 1);
}

// Each of the nine file-order texts goes into its own control and comes back, Cyrillic and
// texts that are not among a combo box's items included; the defaults go the same way.
TEST_F(CarFormTest, CarDescriptionAndDefaultsReachTheirFields) {
    const CarDescription car = {"Моя машина", "5S-FE",  "A140E-02A", "Тыща",   "117500",
                                "Рядный",     "4",      "АКПП",      "Передний"};
    const char* const fileOrder[] = {"Edit1",     "Edit2",     "Edit3",     "ComboBox1", "Edit4",
                                     "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5"};
    form->SetCar(car);
    EXPECT_EQ(form->Car(), car);
    for (int i = 0; i < kCarFieldCount; ++i) EXPECT_EQ(Field(fileOrder[i]).Text(), car[i]) << i;
    EXPECT_EQ(WindowText(Field("Edit1").Handle()), L"Моя машина");
    EXPECT_EQ(WindowText(Field("ComboBox1").Handle()), L"Тыща");
    EXPECT_EQ(Get<ui::ComboBox>("ComboBox1").ItemIndex(), -1);
    EXPECT_EQ(WindowText(Field("ComboBox5").Handle()), L"Передний");

    // An item's text picks nothing but the text; empty texts clear the fields.
    CarDescription other{};
    other[3] = "1999";
    form->SetCar(other);
    EXPECT_EQ(form->Car(), other);
    EXPECT_EQ(WindowText(Field("Edit1").Handle()), L"");

    const KomentSettings koment{.Marka = "Марка", .Year = "1995", .Mileage = "1",
                                .DVS = "Двигатель", .TypeD = "V", .Cylinders = "12",
                                .Transm = "Коробка", .TypeT = "Manual", .Weels = "4WD"};
    form->ApplyKoment(koment);
    EXPECT_EQ(form->Koment(), koment);
    EXPECT_EQ(form->Car(), (CarDescription{"Марка", "Двигатель", "Коробка", "1995", "1", "V",
                                           "12", "Manual", "4WD"}));
    form->ApplyKoment(KomentSettings{});
    EXPECT_EQ(WindowText(Field("ComboBox4").Handle()), L"АКПП");
    EXPECT_EQ(form->Koment(), KomentSettings{});

    form->Memo1().SetLines({"первая", "second"});
    EXPECT_EQ(&form->Memo1(), &Get<ui::Memo>("Memo1"));
    EXPECT_EQ(Get<ui::Memo>("Memo1").Lines(), (std::vector<std::string>{"первая", "second"}));
    EXPECT_EQ(&form->Memo2(), &Get<ui::Memo>("Memo2"));
}

// Every field, typed into or set from code, marks the record unsaved exactly when the main
// window says the record has a file name.
TEST_F(CarFormTest, ChangesMarkTheRecordUnsavedOnlyWhenItHasAFileName) {
    struct Case {
        const char* name;
        bool hasName;  // what the main window answers
        bool typed;
        bool expected;
    };
    std::vector<Case> cases;
    for (const FieldRow& r : kFields)
        for (bool hasName : {false, true})
            for (bool typed : {false, true}) cases.push_back({r.field, hasName, typed, hasName});

    bool hasName = false;
    int asked = 0;
    form->RecordHasFileName = [&] {
        ++asked;
        return hasName;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + (c.hasName ? " named" : " unnamed") +
                     (c.typed ? " typed" : " set"));
        auto& field = Field(c.name);
        hasName = false;
        field.SetText("");
        hasName = c.hasName;
        RecordUnsaved = false;
        asked = 0;
        if (c.typed) {
            const HWND target = TypingWindow(field);
            SendMessageW(target, EM_SETSEL, 0, -1);
            SendMessageW(target, WM_CHAR, L'Ж', 1);
            EXPECT_EQ(WindowText(field.Handle()), L"Ж");
        } else {
            field.SetText("x");
        }
        EXPECT_GE(asked, 1);
        EXPECT_EQ(RecordUnsaved.load(), c.expected);
    }

    // A change never clears the flag, and an unchanged text is no change.
    RecordUnsaved = true;
    hasName = false;
    Field("Edit1").SetText("y");
    EXPECT_TRUE(RecordUnsaved.load());
    RecordUnsaved = false;
    hasName = true;
    Field("Edit1").SetText("y");
    EXPECT_FALSE(RecordUnsaved.load());

    // Without a main window to ask, the record counts as having no file name.
    form->RecordHasFileName = nullptr;
    Field("ComboBox3").SetText("6");
    form->SetCar(CarDescription{"a", "b", "c", "d", "e", "f", "g", "h", "i"});
    EXPECT_FALSE(RecordUnsaved.load());
}

// "OK" and Esc hide the window; both give the focus back to the main window only when it
// is visible. Another window shown after the main one would take the activation otherwise.
TEST_F(CarFormTest, OkAndEscHideTheWindowAndReturnTheFocusToAVisibleMainWindow) {
    ui::Form main(kMainDesign, {});
    main.Create();
    ui::Form other(kOtherDesign, {});
    other.Create();
    form->MainWindow = &main;
    struct Case {
        bool mainVisible;
        bool esc;
    };
    for (const Case c : {Case{true, false}, Case{true, true}, Case{false, false},
                         Case{false, true}}) {
        SCOPED_TRACE(std::string(c.mainVisible ? "main shown" : "main hidden") +
                     (c.esc ? " Esc" : " OK"));
        Undisturbed([&] {
            if (c.mainVisible) main.Show();
            else main.Hide();
            other.Show();
            other.SetFocus();
            PumpFor(20);
            form->Show();
            PumpFor(50);
            if (!StillForeground() || !form->Active()) return false;
            auto& edit = Get<ui::Edit>("Edit2");
            edit.SetText("keep");
            if (c.esc) PostMessageW(edit.Handle(), WM_CHAR, VK_ESCAPE, 1);
            else Get<ui::Button>("Button1").Click();
            PumpFor(50);
            // With the main window hidden no window of ours is left to be in the foreground.
            if (c.mainVisible && !StillForeground()) return false;
            EXPECT_FALSE(form->Visible());
            EXPECT_FALSE(IsWindowVisible(form->Handle()));
            EXPECT_EQ(main.Active(), c.mainVisible);
            // With the main window hidden, which window takes the activation is the window
            // system's choice (unmanaged windows under Wine leave none active).
            if (c.mainVisible) {
                EXPECT_FALSE(other.Active());
            }
            EXPECT_EQ(main.Visible(), c.mainVisible);
            EXPECT_EQ(edit.Text(), "keep");
            return true;
        });
    }
    form->MainWindow = nullptr;
}

// The car window's comments as files bring them: the main window opening them.
class CarCommentsFileTest : public MainWindowFilesFixture {
protected:
    CarCommentsFileTest() : MainWindowFilesFixture("velmorant_car_comments") {}
    std::string FileName() { return Get<ui::StatusBar>("StatusBar1").PanelText(0); }

    // Opens a file of five frames with these sections, up to the car window painted, at once:
    // a control filled with a text beyond its limit took seconds to minutes.
    bool OpenAtOnce(const char* name, const RecordFileSections& sections) {
        const auto path = File(name);
        EXPECT_TRUE(WriteRecordFile(path, std::vector<RecordedFrame>(5), sections, {}).Ok());
        dialogs.boxes.clear();
        const auto start = std::chrono::steady_clock::now();
        const bool opened = form->LoadRecordFile(path);
        ui::ProcessMessages();
        UpdateWindow(car->Handle());
        // Generous for a loaded machine.
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        return opened;
    }
};

// Texts of thousands of characters, compared without printing them whole.
::testing::AssertionResult SameText(const std::string& got, const std::string& wanted) {
    if (got == wanted) return ::testing::AssertionSuccess();
    const auto at = std::mismatch(got.begin(), got.end(), wanted.begin(), wanted.end()).first;
    return ::testing::AssertionFailure() << got.size() << " characters instead of " << wanted.size()
                                         << ", the first difference at " << (at - got.begin());
}

::testing::AssertionResult SameLines(const std::vector<std::string>& got,
                                     const std::vector<std::string>& wanted) {
    auto joined = [](const std::vector<std::string>& lines) {
        std::string text;
        for (const auto& line : lines) (text += line) += '|';
        return text;
    };
    if (got == wanted) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << got.size() << " lines instead of " << wanted.size()
           << "; joined: " << SameText(joined(got), joined(wanted)).message();
}

// Comments up to what a memo holds (8192 characters, the breaks between lines included) open
// at once and come back line for line; a file with a longer one is refused with a box at once
// and nothing of it is shown: the previous file's name, comments and frame count stay. Filling
// the control with more froze the window for minutes.
TEST_F(CarCommentsFileTest, CommentsUpToWhatAMemoHoldsOpenExactlyLongerOnesAreRefused) {
    using Lines = std::vector<std::string>;
    const std::string note = "Холостой ход неровный, 850 rpm, датчик O2 lean. ";
    auto text = [&](std::size_t length) {
        std::string t;
        while (t.size() < length) t += note;
        t.resize(length);
        return t;
    };
    Lines twoThousand(2730, "x");
    twoThousand.push_back("xx");
    Lines shortLines;
    for (int i = 0; i < 200'000; ++i) shortLines.push_back("line " + std::to_string(i));
    struct Case {
        const char* name;
        Lines description;
        Lines reasons;
        bool opens;
    };
    const std::vector<Case> cases = {
        {"one line at the limit", {text(8192)}, {"Проверка"}, true},
        {"short lines up to the limit", twoThousand, {"Проверка"}, true},
        {"empty lines up to the limit", Lines(4097), {"Проверка"}, true},
        {"both comments at the limit", {text(8190), ""}, {"", text(8190)}, true},
        {"one character over", {text(8193)}, {"Проверка"}, false},
        {"reasons one character over", {"a"}, {text(4000), text(4191)}, false},
        {"a line of 1 MB", {text(1 << 20)}, {"Проверка"}, false},
        {"200000 short lines", shortLines, {"Проверка"}, false},
    };
    const auto good = File("good.vmr");
    WriteTestRecording(good, 3);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(form->LoadRecordFile(good));
        const Lines goodDescription = car->Memo1().Lines();
        car->Hide();
        RecordFileSections sections;
        sections.AdditionalDescription = c.description;
        sections.ReasonsForDiagnostics = c.reasons;
        EXPECT_EQ(OpenAtOnce("comments.vmr", sections), c.opens);
        if (c.opens) {
            EXPECT_TRUE(dialogs.boxes.empty());
            EXPECT_TRUE(SameLines(car->Memo1().Lines(), c.description));
            EXPECT_TRUE(SameLines(car->Memo2().Lines(), c.reasons));
            EXPECT_TRUE(IsWindowVisible(car->Handle()));
            EXPECT_EQ(FileName(), "comments.vmr");
            EXPECT_EQ(Get<ui::ScrollBar>("ScrollBar1").Max(), 5);
        } else {
            ASSERT_EQ(dialogs.boxes.size(), 1u);
            EXPECT_EQ(dialogs.boxes[0].text, "Comments too long (more than 8192 characters)");
            EXPECT_TRUE(SameLines(car->Memo1().Lines(), goodDescription));
            EXPECT_TRUE(SameLines(car->Memo2().Lines(), Lines{"Проверка"}));
            EXPECT_FALSE(IsWindowVisible(car->Handle()));
            EXPECT_EQ(FileName(), "good.vmr");
            EXPECT_EQ(Get<ui::ScrollBar>("ScrollBar1").Max(), 3);
        }
    }
}

// Whatever the user pastes or types stops at what a memo holds, so every file the program
// saves opens again with its comments as they were.
TEST_F(CarCommentsFileTest, TypedAndPastedCommentsStopAtTheLimitAndReopen) {
    ASSERT_TRUE(form->LoadRecordFile([&] {
        const auto path = File("source.vmr");
        WriteTestRecording(path, 3);
        return path;
    }()));
    struct Case {
        ui::Memo* memo;
        std::wstring pasted;
        std::string kept;
    };
    const std::vector<Case> cases = {
        {&car->Memo1(), std::wstring(9000, L'ж'), std::string(8192, '\xE6')},
        {&car->Memo2(), L"first\n" + std::wstring(9000, L'a'),
         "first\r\n" + std::string(8192 - 7, 'a')},
    };
    for (const Case& c : cases) {
        c.memo->Clear();
        PutOnClipboard(car->Handle(), c.pasted);
        SendMessageW(c.memo->Handle(), WM_PASTE, 0, 0);
        EXPECT_TRUE(SameText(c.memo->Text(), c.kept));
        SendMessageW(c.memo->Handle(), WM_CHAR, L'z', 1);
        EXPECT_TRUE(SameText(c.memo->Text(), c.kept));
    }
    const auto saved = File("saved.vmr");
    dialogs.fileAnswers = {ui::FileDialogAnswer{saved, 1}};
    form->SaveRecordAs();
    ASSERT_FALSE(RecordUnsaved.load());
    car->Memo1().Clear();
    car->Memo2().Clear();
    dialogs.boxes.clear();
    ASSERT_TRUE(form->LoadRecordFile(saved));
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_TRUE(SameText(car->Memo1().Text(), cases[0].kept + "\r\n"));
    EXPECT_TRUE(SameText(car->Memo2().Text(), cases[1].kept + "\r\n"));
}

// The car fields in file order.
const char* const kCarFieldsInFileOrder[] = {"Edit1",     "Edit2",     "Edit3",
                                             "ComboBox1", "Edit4",     "ComboBox2",
                                             "ComboBox3", "ComboBox4", "ComboBox5"};

// A car field of up to 255 characters opens; a longer one, in any of the nine fields, refuses
// the file with a box at once, before anything of it is shown: the record, its name and its
// car description stay as they were.
TEST_F(CarCommentsFileTest, CarFieldsBeyondTheirLimitRefuseTheFileAndKeepTheShownRecord) {
    struct Case {
        std::string name;
        int field;  // -1: all nine
        std::size_t length;
        bool opens;
    };
    std::vector<Case> cases;
    for (int i = 0; i < kCarFieldCount; ++i) {
        cases.push_back({std::string(kCarFieldsInFileOrder[i]) + " at the limit", i, 255, true});
        cases.push_back({std::string(kCarFieldsInFileOrder[i]) + " one over", i, 256, false});
    }
    cases.push_back({"all nine of 100000", -1, 100'000, false});
    const auto good = File("good.vmr");
    WriteTestRecording(good, 3);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(form->LoadRecordFile(good));
        const CarDescription goodCar = car->Car();
        car->Hide();
        CarDescription written = goodCar;
        for (int i = 0; i < kCarFieldCount; ++i)
            if (c.field < 0 || c.field == i)
                written[i] = std::string(c.length, static_cast<char>('a' + i));
        RecordFileSections sections;
        sections.AdditionalDescription = std::vector<std::string>{"Холостой ход"};
        sections.ReasonsForDiagnostics = std::vector<std::string>{"Проверка"};
        sections.Car = written;
        EXPECT_EQ(OpenAtOnce("car.vmr", sections), c.opens);
        if (c.opens) {
            EXPECT_TRUE(dialogs.boxes.empty());
            EXPECT_EQ(car->Car(), written);
            EXPECT_EQ(FileName(), "car.vmr");
            EXPECT_EQ(Get<ui::ScrollBar>("ScrollBar1").Max(), 5);
        } else {
            ASSERT_EQ(dialogs.boxes.size(), 1u);
            EXPECT_EQ(dialogs.boxes[0].text,
                      "Car description too long (more than 255 characters in a field)");
            EXPECT_EQ(car->Car(), goodCar);
            EXPECT_FALSE(IsWindowVisible(car->Handle()));
            EXPECT_EQ(FileName(), "good.vmr");
            EXPECT_EQ(Get<ui::ScrollBar>("ScrollBar1").Max(), 3);
            EXPECT_EQ(Status(), "Data from: good.vmr");
        }
    }
}

// Whatever the user pastes or types into a car field stops at 255 characters, so every file
// the program saves opens again with the description as it was.
TEST_F(CarCommentsFileTest, TypedAndPastedCarFieldsStopAtTheLimitAndReopen) {
    ASSERT_TRUE(form->LoadRecordFile([&] {
        const auto path = File("source.vmr");
        WriteTestRecording(path, 3);
        return path;
    }()));
    CarDescription kept;
    for (int i = 0; i < kCarFieldCount; ++i) {
        SCOPED_TRACE(kCarFieldsInFileOrder[i]);
        auto& field = car->Get<ui::WinControl>(kCarFieldsInFileOrder[i]);
        field.SetText("");
        const HWND target = TypingWindow(field);
        PutOnClipboard(car->Handle(), std::wstring(300, L'ж'));
        SendMessageW(target, WM_PASTE, 0, 0);
        EXPECT_TRUE(SameText(field.Text(), std::string(255, '\xE6')));
        SendMessageW(target, WM_CHAR, L'z', 1);
        EXPECT_TRUE(SameText(field.Text(), std::string(255, '\xE6')));
        // A typed character goes in once there is room.
        SendMessageW(target, EM_SETSEL, 0, 1);
        SendMessageW(target, WM_CHAR, L'z', 1);
        kept[i] = "z" + std::string(254, '\xE6');
        EXPECT_TRUE(SameText(field.Text(), kept[i]));
    }
    const auto saved = File("saved.vmr");
    dialogs.fileAnswers = {ui::FileDialogAnswer{saved, 1}};
    form->SaveRecordAs();
    ASSERT_FALSE(RecordUnsaved.load());
    car->SetCar({});
    dialogs.boxes.clear();
    ASSERT_TRUE(form->LoadRecordFile(saved));
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(car->Car(), kept);
}

}  // namespace
