#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/win/window_text.h"
#include "ui/application.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/list_view.h"
#include "ui/range_control.h"

using velmorant::test::WindowText;

namespace {

const ui::FormDesign kDesign{.name = "ControlsForm", .caption = "Controls", .clientWidth = 400,
                             .clientHeight = 300};

const ui::Design kComponents[] = {
    {.kind = ui::Kind::ScrollBar, .name = "ScrollBar1", .left = 10, .top = 10, .width = 200,
     .height = 17, .min = 1, .max = 10, .position = 5, .largeChange = 4},
    {.kind = ui::Kind::TrackBar, .name = "TrackBar1", .left = 10, .top = 30, .width = 200,
     .height = 30, .min = 1, .max = 10, .position = 5, .largeChange = 4},
    {.kind = ui::Kind::CheckBox, .name = "CheckBox1", .left = 10, .top = 70, .width = 150,
     .height = 20, .caption = "Inverse adapter"},
    {.kind = ui::Kind::Button, .name = "BitBtn1", .left = 170, .top = 70, .width = 60, .height = 24,
     .caption = "0"},
    {.kind = ui::Kind::ListView, .name = "ListView1", .left = 10, .top = 100, .width = 200,
     .height = 100, .gridLines = true, .columns = {{"Parameter", 120}, {"Value", 60}}},
    {.kind = ui::Kind::Edit, .name = "Edit1", .left = 220, .top = 10, .width = 150, .height = 21},
    {.kind = ui::Kind::Memo, .name = "Memo1", .left = 220, .top = 40, .width = 150, .height = 50,
     .scrollBars = ui::ScrollBars::Vertical},
    {.kind = ui::Kind::ComboBox, .name = "ComboBox1", .left = 220, .top = 100, .width = 97,
     .items = {"COM1", "COM2"}},
    {.kind = ui::Kind::ComboBox, .name = "ComboBox2", .left = 220, .top = 130, .width = 97,
     .dropDownList = true, .items = {"COM1", "COM2", "Рядный"}},
};

// One form for the whole suite: showing and hiding windows is slow under Wine without a
// window manager.
class ControlsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        form = new ui::Form(kDesign, kComponents);
        form->Show();
        ui::ProcessMessages();
    }
    static void TearDownTestSuite() {
        delete form;
        form = nullptr;
    }
    template <class T>
    static T& Get(const char* name) {
        return form->Get<T>(name);
    }
    static ui::Form* form;
};

ui::Form* ControlsTest::form = nullptr;

// Scroll bars and track bars keep their position in the range and report each real change
// once, whoever makes it: code, the user, or a range that moves past the position.
TEST_F(ControlsTest, PositionIsClampedAndChangesAreReportedOnce) {
    struct Step {
        const char* what;
        void (*act)(ui::RangeControl&);
        int position;
        int changes;
    };
    const Step steps[] = {
        {"set 7", [](ui::RangeControl& c) { c.SetPosition(7); }, 7, 1},
        {"set 7 again", [](ui::RangeControl& c) { c.SetPosition(7); }, 7, 0},
        {"set 0", [](ui::RangeControl& c) { c.SetPosition(0); }, 1, 1},
        {"set 0 again", [](ui::RangeControl& c) { c.SetPosition(0); }, 1, 0},
        {"set 99", [](ui::RangeControl& c) { c.SetPosition(99); }, 10, 1},
        {"max above", [](ui::RangeControl& c) { c.SetMax(12); }, 10, 0},
        {"max below", [](ui::RangeControl& c) { c.SetMax(6); }, 6, 1},
        {"min above", [](ui::RangeControl& c) { c.SetMin(6); }, 6, 0},
        {"max to min", [](ui::RangeControl& c) { c.SetMax(6); }, 6, 0},
        {"wider", [](ui::RangeControl& c) { c.SetMax(20); }, 6, 0},
        {"min past", [](ui::RangeControl& c) { c.SetMin(8); }, 8, 1},
    };
    for (ui::RangeControl* bar : {static_cast<ui::RangeControl*>(&Get<ui::ScrollBar>("ScrollBar1")),
                                  static_cast<ui::RangeControl*>(&Get<ui::TrackBar>("TrackBar1"))}) {
        SCOPED_TRACE(bar->Name());
        bar->SetMin(1);
        bar->SetMax(10);
        bar->SetPosition(5);
        int changes = 0;
        int seen = 0;
        bar->OnChange = [&] {
            ++changes;
            seen = bar->Position();
        };
        for (const Step& s : steps) {
            SCOPED_TRACE(s.what);
            changes = 0;
            s.act(*bar);
            EXPECT_EQ(bar->Position(), s.position);
            EXPECT_EQ(changes, s.changes);
            if (changes) {
                EXPECT_EQ(seen, s.position);
            }
        }
        EXPECT_THROW(bar->SetMax(3), std::out_of_range);
        EXPECT_EQ(bar->Max(), 20);
        EXPECT_EQ(bar->Position(), 8);
        bar->OnChange = nullptr;
    }
}

// What the window shows is the layer's position, and the user's scrolling goes the same way.
TEST_F(ControlsTest, ScrollBarFollowsTheUserWithinItsRange) {
    auto& bar = Get<ui::ScrollBar>("ScrollBar1");
    bar.SetMin(1);
    bar.SetMax(10);
    bar.SetPosition(5);
    int changes = 0;
    bar.OnChange = [&] { ++changes; };
    struct Case {
        WORD code;
        int position;
        int changes;
    };
    const Case cases[] = {
        {SB_LINERIGHT, 6, 1}, {SB_PAGERIGHT, 10, 1}, {SB_PAGERIGHT, 10, 0}, {SB_LINERIGHT, 10, 0},
        {SB_PAGELEFT, 6, 1},  {SB_LEFT, 1, 1},       {SB_LINELEFT, 1, 0},   {SB_ENDSCROLL, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        changes = 0;
        SendMessageW(form->Handle(), WM_HSCROLL, c.code, reinterpret_cast<LPARAM>(bar.Handle()));
        EXPECT_EQ(bar.Position(), c.position);
        EXPECT_EQ(GetScrollPos(bar.Handle(), SB_CTL), c.position);
        EXPECT_EQ(changes, c.changes);
    }
    bar.OnChange = nullptr;

    auto& track = Get<ui::TrackBar>("TrackBar1");
    track.SetMin(1);
    track.SetMax(10);
    track.SetPosition(5);
    EXPECT_EQ(SendMessageW(track.Handle(), TBM_GETPOS, 0, 0), 5);
    changes = 0;
    track.OnChange = [&] { ++changes; };
    SendMessageW(track.Handle(), TBM_SETPOS, TRUE, 9);
    SendMessageW(form->Handle(), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 9),
                 reinterpret_cast<LPARAM>(track.Handle()));
    EXPECT_EQ(track.Position(), 9);
    EXPECT_EQ(changes, 1);
    track.OnChange = nullptr;
}

// A check box toggles on the left button's release; its mouse-up handler runs afterwards
// and reads the new state. Other buttons, the keyboard and code do not mix the two up.
TEST_F(ControlsTest, CheckBoxMouseUpRunsAfterTheToggle) {
    auto& box = Get<ui::CheckBox>("CheckBox1");
    struct Case {
        const char* what;
        UINT down;
        UINT up;
        bool checkedAfter;
        int mouseUps;
        ui::MouseButton button;
    };
    const Case cases[] = {
        {"left", WM_LBUTTONDOWN, WM_LBUTTONUP, true, 1, ui::MouseButton::Left},
        {"left again", WM_LBUTTONDOWN, WM_LBUTTONUP, false, 1, ui::MouseButton::Left},
        {"right", WM_RBUTTONDOWN, WM_RBUTTONUP, false, 1, ui::MouseButton::Right},
        {"middle", WM_MBUTTONDOWN, WM_MBUTTONUP, false, 1, ui::MouseButton::Middle},
    };
    box.SetChecked(false);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        int ups = 0;
        bool sawChecked = !c.checkedAfter;
        ui::MouseButton sawButton{};
        box.OnMouseUp = [&](ui::MouseButton b, int, int) {
            ++ups;
            sawChecked = box.Checked();
            sawButton = b;
        };
        SendMessageW(box.Handle(), c.down, 0, MAKELPARAM(5, 5));
        SendMessageW(box.Handle(), c.up, 0, MAKELPARAM(5, 5));
        EXPECT_EQ(box.Checked(), c.checkedAfter);
        EXPECT_EQ(ups, c.mouseUps);
        EXPECT_EQ(sawChecked, c.checkedAfter);
        EXPECT_EQ(sawButton, c.button);
    }

    // The keyboard toggles the box without a mouse-up; code sets the tick and runs nothing.
    int ups = 0;
    int clicks = 0;
    box.OnMouseUp = [&](ui::MouseButton, int, int) { ++ups; };
    box.OnClick = [&] { ++clicks; };
    SendMessageW(box.Handle(), WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(box.Handle(), WM_KEYUP, VK_SPACE, 0);
    EXPECT_TRUE(box.Checked());
    EXPECT_EQ(ups, 0);
    EXPECT_EQ(clicks, 1);
    box.SetChecked(false);
    EXPECT_EQ(SendMessageW(box.Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(clicks, 1);
    box.OnMouseUp = nullptr;
    box.OnClick = nullptr;
}

// A button tells its mouse-down handler which button went down; a click needs the left one.
TEST_F(ControlsTest, ButtonMouseDownTellsTheButton) {
    auto& button = Get<ui::Button>("BitBtn1");
    struct Case {
        UINT down;
        UINT up;
        ui::MouseButton button;
        int clicks;
    };
    const Case cases[] = {
        {WM_LBUTTONDOWN, WM_LBUTTONUP, ui::MouseButton::Left, 1},
        {WM_RBUTTONDOWN, WM_RBUTTONUP, ui::MouseButton::Right, 0},
        {WM_MBUTTONDOWN, WM_MBUTTONUP, ui::MouseButton::Middle, 0},
        // A quick second click arrives as a double click; it is a mouse-down all the same.
        {WM_LBUTTONDBLCLK, WM_LBUTTONUP, ui::MouseButton::Left, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.down);
        std::vector<ui::MouseButton> downs;
        int clicks = 0;
        button.OnMouseDown = [&](ui::MouseButton b, int x, int y) {
            downs.push_back(b);
            EXPECT_EQ(x, 7);
            EXPECT_EQ(y, 3);
        };
        button.OnClick = [&] { ++clicks; };
        SendMessageW(button.Handle(), c.down, 0, MAKELPARAM(7, 3));
        SendMessageW(button.Handle(), c.up, 0, MAKELPARAM(7, 3));
        EXPECT_EQ(downs, std::vector<ui::MouseButton>{c.button});
        EXPECT_EQ(clicks, c.clicks);
    }
    button.OnMouseDown = nullptr;
    button.OnClick = nullptr;
}

std::wstring ItemText(HWND list, int item, int column) {
    wchar_t buffer[128] = {};
    LVITEMW lv{};
    lv.iSubItem = column;
    lv.pszText = buffer;
    lv.cchTextMax = 128;
    SendMessageW(list, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&lv));
    return buffer;
}

TEST_F(ControlsTest, ListViewItemsAndSubItems) {
    auto& list = Get<ui::ListView>("ListView1");
    list.Clear();
    list.BeginUpdate();
    list.BeginUpdate();
    list.AddItem("Обороты", {"750", "об/мин"});
    list.AddItem("Температура");
    list.SetSubItem(1, 0, "90");
    list.EndUpdate();
    list.AddItem("Identifier:", {"010101010101"});
    list.EndUpdate();
    list.EndUpdate();  // one too many is harmless

    ASSERT_EQ(list.ItemCount(), 3);
    EXPECT_EQ(SendMessageW(list.Handle(), LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(ItemText(list.Handle(), 0, 0), L"Обороты");
    EXPECT_EQ(ItemText(list.Handle(), 0, 1), L"750");
    EXPECT_EQ(ItemText(list.Handle(), 1, 1), L"90");
    EXPECT_EQ(list.ItemCaption(2), "Identifier:");
    EXPECT_EQ(list.SubItem(1, 0), "90");
    EXPECT_EQ(list.SubItem(1, 5), "");
    // A sub-item beyond the columns is kept, and shown once its column exists.
    EXPECT_EQ(list.SubItem(0, 1), "об/мин");
    list.AddColumn("Unit", 40);
    EXPECT_EQ(ItemText(list.Handle(), 0, 2), L"об/мин");
    EXPECT_THROW(list.ItemCaption(3), std::out_of_range);
    EXPECT_TRUE(SendMessageW(list.Handle(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_GRIDLINES);

    list.Clear();
    EXPECT_EQ(list.ItemCount(), 0);
    EXPECT_EQ(SendMessageW(list.Handle(), LVM_GETITEMCOUNT, 0, 0), 0);
}

// Edits report every change of their text once, typed or set, and none for the same text.
TEST_F(ControlsTest, EditChangeRunsOncePerChange) {
    auto& edit = Get<ui::Edit>("Edit1");
    edit.SetText("");
    int changes = 0;
    std::string seen;
    edit.OnChange = [&] {
        ++changes;
        seen = edit.Text();
    };
    edit.SetText("Reading...");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(seen, "Reading...");
    edit.SetText("Reading...");
    EXPECT_EQ(changes, 1);
    SendMessageW(edit.Handle(), EM_SETSEL, 0, -1);
    SendMessageW(edit.Handle(), WM_CHAR, L'Ж', 1);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(seen, "Ж");
    EXPECT_EQ(WindowText(edit.Handle()), L"Ж");

    edit.SetReadOnly(true);
    EXPECT_TRUE(edit.ReadOnly());
    SendMessageW(edit.Handle(), WM_CHAR, L'a', 1);
    EXPECT_EQ(changes, 2);
    edit.SetReadOnly(false);
    edit.OnChange = nullptr;
}

TEST_F(ControlsTest, MemoLinesEndWithABreak) {
    auto& memo = Get<ui::Memo>("Memo1");
    int changes = 0;
    memo.OnChange = [&] { ++changes; };
    memo.Clear();
    EXPECT_EQ(memo.LineCount(), 0);
    memo.AddLine("Первая");
    memo.AddLine("");
    memo.AddLine("third");
    EXPECT_EQ(memo.Text(), "Первая\r\n\r\nthird\r\n");
    EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"Первая", "", "third"}));
    memo.SetText("a\r\nb");
    EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(changes, 4 + 0);
    memo.OnChange = nullptr;
}

TEST_F(ControlsTest, FixedComboTextSelectsTheExactItem) {
    auto& combo = Get<ui::ComboBox>("ComboBox2");
    combo.SetItemIndex(-1);
    int changes = 0;
    combo.OnChange = [&] { ++changes; };
    struct Case {
        const char* text;
        int index;
        const char* textAfter;
        int changes;
    };
    const Case cases[] = {
        {"COM2", 1, "COM2", 1},  {"COM2", 1, "COM2", 0}, {"Рядный", 2, "Рядный", 1},
        {"com1", -1, "", 1},     {"", -1, "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        changes = 0;
        combo.SetText(c.text);
        EXPECT_EQ(combo.ItemIndex(), c.index);
        EXPECT_EQ(combo.Text(), c.textAfter);
        EXPECT_EQ(changes, c.changes);
    }
    // The item index from code runs no handler.
    changes = 0;
    combo.SetItemIndex(0);
    EXPECT_EQ(combo.Text(), "COM1");
    EXPECT_EQ(changes, 0);
    EXPECT_THROW(combo.SetItemIndex(3), std::out_of_range);
    combo.OnChange = nullptr;
}

TEST_F(ControlsTest, EditableComboTakesAnyTextAndPicks) {
    auto& combo = Get<ui::ComboBox>("ComboBox1");
    combo.SetText("");
    int changes = 0;
    std::string seen;
    combo.OnChange = [&] {
        ++changes;
        seen = combo.Text();
    };
    combo.SetText("COM12");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_EQ(WindowText(combo.Handle()), L"COM12");

    // The user picks the second item: the handler sees its text, not the old one.
    SendMessageW(combo.Handle(), CB_SETCURSEL, 1, 0);
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo.Handle()));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(seen, "COM2");

    // Typing into the box's edit.
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(combo.Handle(), &info));
    SendMessageW(info.hwndItem, EM_SETSEL, 0, -1);
    SendMessageW(info.hwndItem, WM_CHAR, L'7', 1);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(seen, "7");

    combo.ClearItems();
    EXPECT_EQ(combo.ItemCount(), 0);
    combo.OnChange = nullptr;
}

}  // namespace
