#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "monitor/core/settings_file.h"
#include "monitor/win/capture_port.h"
#include "monitor/win/program_state.h"
#include "monitor/win/settings_form.h"
#include "tests/win/activation_support.h"
#include "tests/win/program_folder.h"
#include "tests/win/window_text.h"
#include "ui/application.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/scripted_dialogs.h"
#include "ui/text.h"

using namespace velmorant;
using velmorant::test::PumpFor;
using velmorant::test::StillForeground;
using velmorant::test::Undisturbed;

namespace {

void ClickBox(ui::CheckBox& box, UINT down = WM_LBUTTONDOWN, UINT up = WM_LBUTTONUP) {
    SendMessageW(box.Handle(), down, 0, MAKELPARAM(4, 4));
    SendMessageW(box.Handle(), up, 0, MAKELPARAM(4, 4));
}

constexpr int kUnitBoxes[] = {1, 2, 3, 4, 5, 9, 10, 11, 12, 13, 18, 19, 20, 21};

class SettingsFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        ProgramSettings = Settings{};
        form = std::make_unique<TForm9>();
        form->OnSettingsRead = [this](bool carDefaults) { reads.push_back(carDefaults); };
        form->Create();
    }
    void TearDown() override {
        form.reset();
        ProgramSettings = Settings{};
        Adapter = false;
    }
    std::filesystem::path SettingsFile() { return env.SettingsFile(); }
    ui::CheckBox& Box(int n) { return form->Get<ui::CheckBox>("CheckBox" + std::to_string(n)); }
    ui::Edit& Edit(int n) { return form->Get<ui::Edit>("Edit" + std::to_string(n)); }
    std::set<int> Ticked() {
        std::set<int> ticked;
        for (int n = 1; n <= 22; ++n)
            if (Box(n).Checked()) ticked.insert(n);
        return ticked;
    }
    void ExpectUnitBoxesEnabled(bool enabled) {
        for (int n : kUnitBoxes) EXPECT_EQ(Box(n).Enabled(), enabled) << "CheckBox" << n;
    }

    test::ProgramFolder env{"velmorant_settings_form_test"};
    std::unique_ptr<TForm9> form;
    std::vector<bool> reads;
};

struct BoxRow {
    int box;
    const char* parent;
    const char* caption;
    bool enabled;
};

const BoxRow kBoxes[] = {
    {6, "Panel1", "(4,5,7)A-FE; (3,4,5)S-FE; 4A-GE", true},
    {7, "Panel1", "1G-GTE", true},
    {8, "Panel1", "1JZ-GTE", true},
    {17, "Panel1", "My settings", true},
    {9, "Panel2", "MAP, kPa", true},
    {10, "Panel2", "MAP, mm.merc.col.", true},
    {12, "Panel2", "MAP-Turbo, kPa", true},
    {2, "Panel2", "MAP-Turbo, mm.merc.col.", true},
    {11, "Panel2", "MAF, gr/sec", true},
    {13, "Panel2", "VAF, V", true},
    {1, "Panel3", "% from 255", true},
    {3, "Panel3", "Step", true},
    {18, "Panel4", "Degrees", true},
    {19, "Panel4", "Percentages (%)", true},
    {4, "Panel5", "Direct", true},
    {5, "Panel5", "Inverse", true},
    {20, "Panel6", "Volts (V)", true},
    {21, "Panel6", "Percentages (%)", true},
    {14, "GroupBox2", "Inverse adapter", true},
    {15, "GroupBox2", "Voltage log. 1 on the DTR-pin", false},
    {16, "GroupBox2", "Reduced CPU usage", false},
    {22, "GroupBox4", "Only one copy of the program at startup", true},
};

// Creating the window reads the file with the car defaults and shows the defaults: the first
// preset ticked, its panels in their groups, one box above the other in each panel.
TEST_F(SettingsFormTest, CreatedWindowHasItsBoxesInTheirPanelsAndShowsTheDefaults) {
    wchar_t title[128] = {};
    GetWindowTextW(form->Handle(), title, 128);
    EXPECT_STREQ(title, L"Program settings");
    EXPECT_EQ(form->ClientWidth(), 470);
    EXPECT_EQ(form->ClientHeight(), 590);
    EXPECT_TRUE(form->KeyPreview());
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(form->GetFont().name, "Courier New");
    EXPECT_EQ(reads, std::vector<bool>{true});
    EXPECT_TRUE(form->LoadCarDefaults);

    const BoxRow* previous = nullptr;
    for (const BoxRow& r : kBoxes) {
        SCOPED_TRACE(r.caption);
        auto& box = Box(r.box);
        EXPECT_EQ(box.Caption(), r.caption);
        EXPECT_EQ(box.Enabled(), r.enabled);
        EXPECT_EQ(GetParent(box.Handle()), form->Get<ui::WinControl>(r.parent).Handle());
        if (previous && std::string(previous->parent) == r.parent) {
            EXPECT_GT(box.Top(), Box(previous->box).Top());
        }
        previous = &r;
    }
    EXPECT_EQ(GetParent(form->Get<ui::WinControl>("Panel2").Handle()),
              form->Get<ui::GroupBox>("GroupBox1").Handle());
    EXPECT_EQ(form->Get<ui::GroupBox>("GroupBox1").Caption(), "Settings measurement units");
    EXPECT_EQ(form->Get<ui::Button>("Button1").Caption(), "OK");
    EXPECT_TRUE(form->Get<ui::Button>("Button1").GetFont().bold);

    // The injector edits stand in the blanks of their labels, above them.
    HWND group = form->Get<ui::GroupBox>("GroupBox3").Handle();
    for (int n = 1; n <= 3; ++n) {
        const RECT r = Edit(n).Bounds();
        const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        HWND top = ChildWindowFromPointEx(group, centre, CWP_ALL);
        EXPECT_EQ(top, Edit(n).Handle()) << "Edit" << n;
    }
    EXPECT_EQ(Ticked(), (std::set<int>{6, 9, 1, 4, 18, 20, 16}));
    EXPECT_EQ(Edit(1).Text(), "55");
    EXPECT_EQ(Edit(2).Text(), "4");
    EXPECT_EQ(Edit(3).Text(), "1");
}

// Showing reads the file again without the car defaults and never re-applies a preset;
// the unit boxes are enabled only for "My settings". Values outside a group tick nothing.
TEST_F(SettingsFormTest, ShowingDisplaysTheFileAsItStands) {
    struct Case {
        const char* what;
        ParamSettings param;
        bool manyInstances;
        std::set<int> ticked;
        bool unitsEnabled;
        const char* edits[3];
    };
    const Case cases[] = {
        {"preset 2 with MAP",
         {.Vozduh = 1, .Standart = 2, .Adapter = true, .DTR = true, .LowCP = false,
          .PrFors = 77, .KolFors = 6, .ChastFors = 3},
         true, {7, 9, 1, 4, 18, 20, 14, 15, 22}, false, {"77", "6", "3"}},
        {"my settings, second of each",
         {.Vozduh = 4, .Temperature = 2, .KHH = 2, .DZ = 2, .Korr = 2, .Standart = 0},
         false, {17, 2, 3, 5, 19, 21, 16}, true, {"55", "4", "1"}},
        {"out of range",
         {.Vozduh = 9, .Temperature = 0, .KHH = 3, .DZ = -1, .Korr = 7, .Standart = 4,
          .LowCP = false},
         false, {}, false, {"55", "4", "1"}},
        {"negative preset",
         {.Vozduh = 6, .Standart = -1}, false, {13, 1, 4, 18, 20, 16}, true, {"55", "4", "1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Settings s;
        s.Param = c.param;
        s.ManyInstances = c.manyInstances;
        WriteSettings(SettingsFile(), s, false);
        ProgramSettings = Settings{};
        reads.clear();
        form->Show();
        EXPECT_EQ(reads, std::vector<bool>{false});
        EXPECT_FALSE(form->LoadCarDefaults);
        EXPECT_EQ(ProgramSettings.Param, c.param);
        EXPECT_EQ(Adapter.load(), c.param.Adapter);
        EXPECT_EQ(Ticked(), c.ticked);
        ExpectUnitBoxesEnabled(c.unitsEnabled);
        for (int n = 1; n <= 3; ++n) EXPECT_EQ(Edit(n).Text(), c.edits[n - 1]);
        form->Hide();
    }
}

// A choice sets its key at once and shows every box from memory: presets set all units
// and disable their boxes, "My settings" enables them and keeps the units, a ticked box
// clicked again stays ticked, any button counts, and untaken edits return to memory.
TEST_F(SettingsFormTest, ChoicesSetTheirKeysAndShowMemory) {
    struct Step {
        int box;
        UINT down;
        UINT up;
        std::set<int> ticked;
        bool unitsEnabled;
        int standart, vozduh, khh, temperature, dz, korr;
    };
    const Step steps[] = {
        {17, WM_LBUTTONDOWN, WM_LBUTTONUP, {17, 9, 1, 4, 18, 20, 16}, true, 0, 1, 1, 1, 1, 1},
        {2, WM_RBUTTONDOWN, WM_RBUTTONUP, {17, 2, 1, 4, 18, 20, 16}, true, 0, 4, 1, 1, 1, 1},
        {3, WM_LBUTTONDOWN, WM_LBUTTONUP, {17, 2, 3, 4, 18, 20, 16}, true, 0, 4, 2, 1, 1, 1},
        {5, WM_MBUTTONDOWN, WM_MBUTTONUP, {17, 2, 3, 5, 18, 20, 16}, true, 0, 4, 2, 2, 1, 1},
        {19, WM_LBUTTONDOWN, WM_LBUTTONUP, {17, 2, 3, 5, 19, 20, 16}, true, 0, 4, 2, 2, 2, 1},
        {21, WM_LBUTTONDOWN, WM_LBUTTONUP, {17, 2, 3, 5, 19, 21, 16}, true, 0, 4, 2, 2, 2, 2},
        {21, WM_LBUTTONDOWN, WM_LBUTTONUP, {17, 2, 3, 5, 19, 21, 16}, true, 0, 4, 2, 2, 2, 2},
        {11, WM_LBUTTONDOWN, WM_LBUTTONUP, {17, 11, 3, 5, 19, 21, 16}, true, 0, 5, 2, 2, 2, 2},
        {7, WM_LBUTTONDOWN, WM_LBUTTONUP, {7, 13, 1, 4, 18, 20, 16}, false, 2, 6, 1, 1, 1, 1},
        {17, WM_LBUTTONDOWN, WM_LBUTTONUP, {17, 13, 1, 4, 18, 20, 16}, true, 0, 6, 1, 1, 1, 1},
        {10, WM_LBUTTONDOWN, WM_LBUTTONUP, {17, 10, 1, 4, 18, 20, 16}, true, 0, 2, 1, 1, 1, 1},
        {8, WM_LBUTTONDOWN, WM_LBUTTONUP, {8, 13, 1, 4, 18, 20, 16}, false, 3, 6, 1, 1, 1, 1},
        {12, WM_LBUTTONDOWN, WM_LBUTTONUP, {8, 12, 1, 4, 18, 20, 16}, false, 3, 3, 1, 1, 1, 1},
        {6, WM_LBUTTONDOWN, WM_LBUTTONUP, {6, 9, 1, 4, 18, 20, 16}, false, 1, 1, 1, 1, 1, 1},
        {6, WM_LBUTTONDOWN, WM_LBUTTONUP, {6, 9, 1, 4, 18, 20, 16}, false, 1, 1, 1, 1, 1, 1},
    };
    form->EnableUnitChoices(true);
    for (const Step& s : steps) {
        SCOPED_TRACE("CheckBox" + std::to_string(s.box) + " after " +
                     std::to_string(&s - steps));
        Edit(1).SetText("77");
        Box(14).SetChecked(true);
        // A disabled box gets no click; the handler is what is under test here.
        if (!Box(s.box).Enabled()) Box(s.box).OnMouseUp(ui::MouseButton::Left, 4, 4);
        else ClickBox(Box(s.box), s.down, s.up);
        const ParamSettings& p = ProgramSettings.Param;
        EXPECT_EQ(p.Standart, s.standart);
        EXPECT_EQ(p.Vozduh, s.vozduh);
        EXPECT_EQ(p.KHH, s.khh);
        EXPECT_EQ(p.Temperature, s.temperature);
        EXPECT_EQ(p.DZ, s.dz);
        EXPECT_EQ(p.Korr, s.korr);
        EXPECT_EQ(Ticked(), s.ticked);
        ExpectUnitBoxesEnabled(s.unitsEnabled);
        EXPECT_EQ(Edit(1).Text(), "55");
        EXPECT_FALSE(p.Adapter);
    }

    // "Only one copy" takes the box's new tick; the keyboard only toggles a box.
    ClickBox(Box(22));
    EXPECT_TRUE(ProgramSettings.ManyInstances);
    EXPECT_TRUE(Box(22).Checked());
    ClickBox(Box(22));
    EXPECT_FALSE(ProgramSettings.ManyInstances);
    SendMessageW(Box(10).Handle(), WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(Box(10).Handle(), WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(ProgramSettings.Param.Vozduh, 1);
}

// Closing checks the three edits in order: one plain box per invalid entry, the number or
// its fallback written back, the window left open and memory untouched; valid entries are
// taken with the reception ticks. After start-up every close writes, valid or not.
TEST_F(SettingsFormTest, ClosingValidatesTheInjectorEntries) {
    struct Case {
        const char* edits[3];
        std::vector<std::string> messages;
        const char* shown[3];
    };
    const char* kPerformance = "Неверная производительность форсунок";
    const char* kCount = "Неверное количество форсунок";
    const char* kFrequency = "Неверная частота работы форсунок";
    const Case cases[] = {
        {{"0", "4", "1"}, {kPerformance}, {"0", "4", "1"}},
        {{"501", "4", "1"}, {kPerformance}, {"501", "4", "1"}},
        {{"abc", "4", "1"}, {kPerformance}, {"55", "4", "1"}},
        {{"55", "13", "1"}, {kCount}, {"55", "13", "1"}},
        {{"55", "", "1"}, {kCount}, {"55", "4", "1"}},
        {{"55", "4", "x"}, {kFrequency}, {"55", "4", "2"}},
        {{"55", "4", "5"}, {kFrequency}, {"55", "4", "5"}},
        {{"-3", "0", "0"}, {kPerformance, kCount, kFrequency}, {"-3", "0", "0"}},
        {{"z", "y", "x"}, {kPerformance, kCount, kFrequency}, {"55", "4", "2"}},
        {{"500", "12", "4"}, {}, {"500", "12", "4"}},
        {{"1", "1", "1"}, {}, {"1", "1", "1"}},
        {{"$1F", "0x0C", "04"}, {}, {"31", "12", "4"}},
    };
    for (bool started : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.edits[0]) + " " + c.edits[1] + " " + c.edits[2] +
                         (started ? " after start-up" : ""));
            int changes = 0;
            int writes = 0;
            form->OnSettingsChanged = [&] { ++changes; };
            form->StartupDone = [&] { return started; };
            form->SaveSettings = [&] {
                ++writes;
                EXPECT_EQ(changes, c.messages.empty() ? 1 : 0);  // the write comes last
            };
            form->Show();
            ui::ScriptedDialogs dialogs;
            const ParamSettings before = ProgramSettings.Param;
            for (int n = 1; n <= 3; ++n) Edit(n).SetText(c.edits[n - 1]);
            Box(14).SetChecked(true);
            Box(16).SetChecked(false);
            form->Get<ui::Button>("Button1").Click();

            std::vector<std::string> messages;
            for (const auto& b : dialogs.boxes) {
                messages.push_back(b.text);
                EXPECT_EQ(b.flags & MB_TYPEMASK, static_cast<UINT>(MB_OK));
            }
            EXPECT_EQ(messages, c.messages);
            for (int n = 1; n <= 3; ++n) EXPECT_EQ(Edit(n).Text(), c.shown[n - 1]);
            const bool valid = c.messages.empty();
            EXPECT_EQ(form->Visible(), !valid);
            EXPECT_EQ(changes, valid ? 1 : 0);
            EXPECT_EQ(writes, started ? 1 : 0);
            const ParamSettings& p = ProgramSettings.Param;
            if (valid) {
                EXPECT_EQ(p.PrFors, std::stoi(c.shown[0]));
                EXPECT_EQ(p.KolFors, std::stoi(c.shown[1]));
                EXPECT_EQ(p.ChastFors, std::stoi(c.shown[2]));
                EXPECT_TRUE(p.Adapter);
                EXPECT_TRUE(Adapter.load());
                EXPECT_FALSE(p.LowCP);
            } else {
                EXPECT_EQ(p, before);
            }
            form->Hide();
            ProgramSettings = Settings{};
            Adapter = false;
        }
    }
}

// Esc closes the shown window through the same closing, and so does losing activation.
TEST_F(SettingsFormTest, EscAndDeactivationClose) {
    ui::ScriptedDialogs dialogs;
    int changes = 0;
    form->OnSettingsChanged = [&] { ++changes; };
    form->Show();
    PumpFor(30);
    PostMessageW(Edit(2).Handle(), WM_CHAR, VK_ESCAPE, 1);
    PumpFor(50);
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_EQ(changes, 1);

    // A key other than Esc closes nothing.
    form->Show();
    PumpFor(30);
    Edit(2).SetText("1");
    PostMessageW(Edit(2).Handle(), WM_CHAR, L'0', 1);
    PumpFor(50);
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(changes, 1);

    form->OnDeactivate();
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(dialogs.boxes.empty());
}

// Losing the activation to another window closes the window; an invalid entry keeps it
// open, and once its box is answered it is in front again, active, with the corrected text.
TEST_F(SettingsFormTest, AnInvalidEntryOnLosingTheActivationBringsTheWindowBack) {
    const ui::FormDesign otherDesign{.name = "MainStandIn", .caption = "Main", .left = 300,
                                     .clientWidth = 200, .clientHeight = 100};
    ui::Form other(otherDesign, {});
    other.Create();
    struct Case {
        int edit;
        const char* typed;
        const char* shown;
        const char* message;
    };
    const Case cases[] = {
        {2, "0", "0", "Неверное количество форсунок"},
        {1, "abc", "55", "Неверная производительность форсунок"},
        {3, "x", "2", "Неверная частота работы форсунок"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Undisturbed([&] {
            ui::ScriptedDialogs dialogs;
            other.Show();
            form->Show();
            PumpFor(50);
            if (!StillForeground() || !form->Active()) return false;
            Edit(c.edit).SetText(c.typed);
            other.SetFocus();  // the user clicks the other window
            PumpFor(100);
            if (!StillForeground()) return false;
            EXPECT_EQ(dialogs.boxes.size(), 1u);
            if (!dialogs.boxes.empty()) {
                EXPECT_EQ(dialogs.boxes[0].text, c.message);
            }
            EXPECT_TRUE(form->Visible());
            EXPECT_TRUE(form->Active());
            EXPECT_FALSE(other.Active());
            EXPECT_EQ(GetForegroundWindow(), form->Handle());
            EXPECT_EQ(Edit(c.edit).Text(), c.shown);
            EXPECT_EQ(test::WindowText(Edit(c.edit).Handle()), ui::Cp1251ToWide(c.shown));

            // Mended, the next loss of the activation closes it.
            Edit(c.edit).SetText("1");
            other.SetFocus();
            PumpFor(100);
            if (!StillForeground()) return false;
            EXPECT_FALSE(form->Visible());
            EXPECT_TRUE(other.Active());
            EXPECT_EQ(dialogs.boxes.size(), 1u);
            return true;
        });
        other.Hide();
        form->Hide();
    }
}

}  // namespace
