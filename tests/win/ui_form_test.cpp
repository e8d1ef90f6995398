#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/win/activation_support.h"
#include "tests/win/window_text.h"
#include "ui/application.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "ui/panel.h"
#include "ui/status_bar.h"

using velmorant::test::WindowText;

namespace {

LOGFONTW FontOf(HWND hwnd) {
    LOGFONTW lf{};
    auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
    GetObjectW(font, sizeof lf, &lf);
    return lf;
}

RECT PlaceOnParent(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

const ui::FormDesign kDesign{
    .name = "Form1",
    .caption = "Моя машина",
    .left = 40,
    .top = 30,
    .clientWidth = 330,
    .clientHeight = 240,
    .borderStyle = ui::BorderStyle::Single,
    .minimizeBox = false,
    .maximizeBox = false,
    .font = {.name = "Courier New", .height = 13},
    .keyPreview = true,
};

const ui::Design kComponents[] = {
    {.kind = ui::Kind::Panel, .name = "Panel1", .left = 10, .top = 10, .width = 120, .height = 50},
    {.kind = ui::Kind::Button,
     .name = "Button1",
     .parent = "Panel1",
     .left = 5,
     .top = 6,
     .width = 70,
     .height = 24,
     .caption = "Читать",
     .hint = "Начать чтение",
     .font = {.bold = true}},
    {.kind = ui::Kind::Edit,
     .name = "Edit1",
     .left = 10,
     .top = 70,
     .width = 150,
     .height = 21,
     .caption = "No Data"},
    {.kind = ui::Kind::Label,
     .name = "Label1",
     .left = 10,
     .top = 100,
     .caption = "Рядный",
     .font = {.height = 20}},
    {.kind = ui::Kind::ComboBox,
     .name = "ComboBox1",
     .left = 170,
     .top = 70,
     .width = 97,
     .hint = "Com port",
     .enabled = false,
     .items = {"COM1", "COM12"}},
    {.kind = ui::Kind::Button, .name = "Button2", .left = 170, .top = 100, .width = 60, .height = 24,
     .caption = "№2", .visible = false},
    {.kind = ui::Kind::StatusBar, .name = "StatusBar1", .columns = {{"Файл", 50}, {"", 50}}},
    {.kind = ui::Kind::MainMenu, .name = "MainMenu1"},
    {.kind = ui::Kind::MenuItem, .name = "N1", .parent = "MainMenu1", .caption = "File"},
    {.kind = ui::Kind::MenuItem, .name = "N14", .parent = "N1", .caption = "New"},
};

class FormTest : public ::testing::Test {
protected:
    std::unique_ptr<ui::Form> form = std::make_unique<ui::Form>(kDesign, kComponents);
};

TEST_F(FormTest, BuildsTheTableIntoRealWindowsFoundByName) {
    auto& button = form->Get<ui::Button>("Button1");
    auto& panel = form->Get<ui::Panel>("Panel1");
    EXPECT_EQ(button.Parent(), &panel);
    EXPECT_EQ(GetParent(button.Handle()), panel.Handle());
    EXPECT_EQ(form->FindComponent("Button3"), nullptr);
    EXPECT_THROW(form->Get<ui::Edit>("Button1"), std::logic_error);

    // CP1251 texts arrive as the right UTF-16 in the windows.
    EXPECT_EQ(WindowText(form->Handle()), L"Моя машина");
    EXPECT_EQ(form->Caption(), "Моя машина");
    // The form keeps its title beside the window: what it reads back is what the window shows.
    form->SetCaption("Графики  с 1 по 50 frame");
    EXPECT_EQ(WindowText(form->Handle()), L"Графики  с 1 по 50 frame");
    EXPECT_EQ(form->Caption(), "Графики  с 1 по 50 frame");
    form->SetCaption("Моя машина");
    EXPECT_EQ(WindowText(form->Handle()), L"Моя машина");
    EXPECT_EQ(WindowText(button.Handle()), L"Читать");
    EXPECT_EQ(button.Caption(), "Читать");
    EXPECT_EQ(WindowText(form->Get<ui::Label>("Label1").Handle()), L"Рядный");

    RECT r = PlaceOnParent(button.Handle());
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.top, 6);
    EXPECT_EQ(r.right - r.left, 70);
    EXPECT_EQ(r.bottom - r.top, 24);
    EXPECT_EQ(button.Left(), 5);
    EXPECT_EQ(button.Width(), 70);

    // The client area is the designed one, below the menu bar.
    RECT client;
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.right, 330);
    EXPECT_EQ(client.bottom, 240);
    EXPECT_NE(GetMenu(form->Handle()), nullptr);
    LONG_PTR style = GetWindowLongPtrW(form->Handle(), GWL_STYLE);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(style & WS_SYSMENU);

    auto& hidden = form->Get<ui::Button>("Button2");
    EXPECT_FALSE(hidden.Visible());
    EXPECT_FALSE(GetWindowLongPtrW(hidden.Handle(), GWL_STYLE) & WS_VISIBLE);
    auto& combo = form->Get<ui::ComboBox>("ComboBox1");
    EXPECT_FALSE(IsWindowEnabled(combo.Handle()));
    EXPECT_EQ(combo.Items(), (std::vector<std::string>{"COM1", "COM12"}));
}

TEST_F(FormTest, FontsComeFromTheDesignAndTheParent) {
    LOGFONTW button = FontOf(form->Get<ui::Button>("Button1").Handle());
    EXPECT_STREQ(button.lfFaceName, L"Courier New");
    EXPECT_EQ(button.lfHeight, -13);
    EXPECT_EQ(button.lfWeight, FW_BOLD);

    LOGFONTW edit = FontOf(form->Get<ui::Edit>("Edit1").Handle());
    EXPECT_STREQ(edit.lfFaceName, L"Courier New");
    EXPECT_EQ(edit.lfWeight, FW_NORMAL);

    // A label designed without a size fits its caption in its own font.
    auto& label = form->Get<ui::Label>("Label1");
    EXPECT_EQ(FontOf(label.Handle()).lfHeight, -20);
    EXPECT_GE(label.Height(), 20);
    int oneWord = label.Width();
    EXPECT_GT(oneWord, 0);
    label.SetCaption("Рядный Рядный");
    EXPECT_GT(label.Width(), oneWord);
}

TEST_F(FormTest, HintsShowAsToolTipsInUtf16) {
    // The form's tooltip window is the one it owns.
    HWND tooltip = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM p) -> BOOL {
            wchar_t cls[64] = {};
            GetClassNameW(w, cls, 64);
            if (std::wstring(cls) == TOOLTIPS_CLASSW) *reinterpret_cast<HWND*>(p) = w;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tooltip));
    ASSERT_NE(tooltip, nullptr);
    wchar_t text[80] = {};
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.hwnd = form->Handle();
    info.uId = reinterpret_cast<UINT_PTR>(form->Get<ui::Button>("Button1").Handle());
    info.lpszText = text;
    SendMessageW(tooltip, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(text, L"Начать чтение");
}

TEST_F(FormTest, StatusBarPanelsReadBackThroughWin32) {
    auto& bar = form->Get<ui::StatusBar>("StatusBar1");
    EXPECT_EQ(bar.PanelCount(), 2);
    EXPECT_EQ(bar.PanelText(0), "Файл");
    bar.SetPanelText(1, "Данные.vmr");
    wchar_t text[64] = {};
    SendMessageW(bar.Handle(), SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"Данные.vmr");
    EXPECT_THROW(bar.PanelText(2), std::out_of_range);
    // Along the bottom of the client area.
    RECT client, r;
    GetClientRect(form->Handle(), &client);
    r = PlaceOnParent(bar.Handle());
    EXPECT_EQ(r.bottom, client.bottom);

    // A wider window repaints the whole bar, not only what it uncovers: the last panel's old
    // right edge must not stay drawn.
    form->Show();
    ui::ProcessMessages();
    form->SetWidth(form->Width() + 100);
    RECT invalid{};
    ASSERT_TRUE(GetUpdateRect(bar.Handle(), &invalid, FALSE));
    EXPECT_EQ(invalid.left, 0);
}

// A width set from code is the outer width, and the resize handler runs at once, with the
// new size in place (the bookmark buttons are laid out from it).
TEST_F(FormTest, WidthFromCodeIsTheOuterWidthAndRunsOnResize) {
    std::vector<int> seen;
    form->OnResize = [&] { seen.push_back(form->Width()); };
    form->SetWidth(435);
    RECT outer;
    GetWindowRect(form->Handle(), &outer);
    EXPECT_EQ(outer.right - outer.left, 435);
    EXPECT_EQ(seen, std::vector<int>{435});
    EXPECT_LT(form->ClientWidth(), 435);
    form->SetWidth(435);
    EXPECT_EQ(seen.size(), 1u);
}

TEST(FormDesignTest, NamesAreUniqueAndParentsExist) {
    const ui::Design twice[] = {
        {.kind = ui::Kind::Button, .name = "Button1"},
        {.kind = ui::Kind::Button, .name = "Button1"},
    };
    EXPECT_THROW(ui::Form(kDesign, twice), std::logic_error);
    const ui::Design orphan[] = {{.kind = ui::Kind::Button, .name = "Button1", .parent = "Panel9"}};
    EXPECT_THROW(ui::Form(kDesign, orphan), std::logic_error);
    const ui::Design imageOnButton[] = {
        {.kind = ui::Kind::Button, .name = "Button1"},
        {.kind = ui::Kind::Image, .name = "Image1", .parent = "Button1"},
    };
    EXPECT_THROW(ui::Form(kDesign, imageOnButton), std::logic_error);
}

// Closing asks the close query, then the close handler, and only then hides the form.
TEST_F(FormTest, CloseFollowsTheQueryAndTheAction) {
    struct Case {
        bool canClose;
        ui::CloseAction action;
        bool visibleAfter;
        int hides;
    };
    const Case cases[] = {
        {false, ui::CloseAction::Hide, true, 0},
        {true, ui::CloseAction::None, true, 0},
        {true, ui::CloseAction::Hide, false, 1},
    };
    for (const Case& c : cases) {
        int closes = 0;
        int hides = 0;
        form->OnCloseQuery = [&](bool& canClose) { canClose = c.canClose; };
        form->OnClose = [&](ui::CloseAction& action) {
            ++closes;
            action = c.action;
        };
        form->OnHide = [&] { ++hides; };
        form->Show();
        // The system's way: WM_CLOSE, as the system menu and Alt+F4 send it.
        SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
        EXPECT_EQ(form->Visible(), c.visibleAfter);
        EXPECT_EQ(IsWindowVisible(form->Handle()) != FALSE, c.visibleAfter);
        EXPECT_EQ(closes, c.canClose ? 1 : 0);
        EXPECT_EQ(hides, c.hides);
        EXPECT_TRUE(IsWindow(form->Handle()));
        form->OnHide = nullptr;
        form->Hide();
    }
}

// The key preview: the form sees characters before the focused control and may swallow
// them; Esc closes it.
TEST_F(FormTest, KeyPreviewSeesKeysFirst) {
    struct Case {
        bool preview;
        wchar_t key;
        std::string formSaw;
        std::wstring editGot;
        bool visibleAfter;
    };
    const Case cases[] = {
        {true, L'y', "y", L"y", true},
        {true, L'x', "x", L"", true},             // swallowed by the form
        {true, L'\x1B', "\x1B", L"", false},      // Esc closes
        {true, L'ж', "ж", L"ж", true},            // the form gets it in CP1251
        {false, L'\x1B', "", L"", true},
        {false, L'y', "", L"y", true},
    };
    auto& edit = form->Get<ui::Edit>("Edit1");
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.key));
        std::string saw;
        form->SetKeyPreview(c.preview);
        form->OnKeyPress = [&](char& key) {
            saw += key;
            if (key == 'x') key = 0;
            if (key == 27) form->Close();
        };
        form->Show();
        edit.SetText("");
        PostMessageW(edit.Handle(), WM_CHAR, c.key, 1);
        ui::ProcessMessages();
        EXPECT_EQ(saw, c.formSaw);
        EXPECT_EQ(WindowText(edit.Handle()), c.editGot);
        EXPECT_EQ(form->Visible(), c.visibleAfter);
    }
}

// A key the form's key-down handler clears never reaches the control: Delete, which an
// edit acts on at key-down, leaves the text whole.
TEST_F(FormTest, KeyDownPreviewCanSwallowAKey) {
    auto& edit = form->Get<ui::Edit>("Edit1");
    form->Show();
    for (bool swallow : {false, true}) {
        SCOPED_TRACE(swallow);
        std::vector<WORD> seen;
        form->OnKeyDown = [&](WORD& key) {
            seen.push_back(key);
            if (swallow) key = 0;
        };
        edit.SetText("ab");
        SendMessageW(edit.Handle(), EM_SETSEL, 0, 0);
        PostMessageW(edit.Handle(), WM_KEYDOWN, VK_DELETE, 1);
        ui::ProcessMessages();
        EXPECT_EQ(seen, std::vector<WORD>{VK_DELETE});
        EXPECT_EQ(WindowText(edit.Handle()), swallow ? L"ab" : L"b");
    }
}

// Enter presses the focused push button, as in a dialog, without its mouse handler and
// without a character for the form; in an edit it presses nothing.
TEST_F(FormTest, EnterPressesTheFocusedButton) {
    auto& button = form->Get<ui::Button>("Button1");
    auto& edit = form->Get<ui::Edit>("Edit1");
    int clicks = 0;
    int mouseDowns = 0;
    std::string saw;
    button.OnClick = [&] { ++clicks; };
    button.OnMouseDown = [&](ui::MouseButton, int, int) { ++mouseDowns; };
    form->OnKeyPress = [&](char& key) { saw += key; };
    struct Case {
        ui::WinControl* focused;
        int clicks;
    };
    for (const Case c : {Case{&button, 1}, Case{&edit, 0}}) {
        SCOPED_TRACE(c.focused->Name());
        velmorant::test::UndisturbedInForeground([&] {
            form->Show();
            c.focused->SetFocus();
            velmorant::test::PumpFor(20);
            clicks = mouseDowns = 0;
            saw.clear();
            PostMessageW(c.focused->Handle(), WM_KEYDOWN, VK_RETURN, 0x001C0001);
            velmorant::test::PumpFor(20);
            return GetFocus() == c.focused->Handle();
        });
        EXPECT_EQ(clicks, c.clicks);
        EXPECT_EQ(mouseDowns, 0);
        if (c.clicks) {
            EXPECT_EQ(saw, "");
        }
    }
}

// Esc in an open drop-down list closes only the list, for an editable box and a fixed list
// alike, whether the key comes as a key-down (with the character it brings) or as the
// character alone; with the list closed Esc is the form's again.
TEST(FormComboTest, EscInAnOpenListClosesOnlyTheList) {
    const ui::Design components[] = {
        {.kind = ui::Kind::ComboBox, .name = "ComboBox1", .left = 10, .top = 10, .width = 100,
         .items = {"COM1", "COM2"}},
        {.kind = ui::Kind::ComboBox, .name = "ComboBox2", .left = 10, .top = 40, .width = 100,
         .dropDownList = true, .items = {"1", "2"}},
    };
    ui::FormDesign design = kDesign;
    design.name = "Form2";
    ui::Form form(design, components);
    int escapes = 0;
    form.OnKeyPress = [&](char& key) {
        if (key == 27) ++escapes;
    };
    for (const char* name : {"ComboBox1", "ComboBox2"}) {
        for (bool keyDown : {true, false}) {
            SCOPED_TRACE(std::string(name) + (keyDown ? " key-down" : " character"));
            auto& combo = form.Get<ui::ComboBox>(name);
            // The window that has the keyboard in the box: its edit, or the box itself.
            COMBOBOXINFO info{};
            info.cbSize = sizeof info;
            ASSERT_TRUE(GetComboBoxInfo(combo.Handle(), &info));
            const HWND typedInto = info.hwndItem ? info.hwndItem : combo.Handle();
            auto esc = [&] {
                PostMessageW(typedInto, keyDown ? WM_KEYDOWN : WM_CHAR, VK_ESCAPE, 0x00010001);
                ui::ProcessMessages();
            };
            bool dropped = false, stillDropped = true;
            int escapesInList = -1, escapesAfter = -1;
            // Another test program's window taking the activation closes the list: try again.
            velmorant::test::UndisturbedInForeground([&] {
                form.Show();
                combo.SetFocus();
                velmorant::test::PumpFor(20);
                SendMessageW(combo.Handle(), CB_SHOWDROPDOWN, TRUE, 0);
                dropped = SendMessageW(combo.Handle(), CB_GETDROPPEDSTATE, 0, 0);
                escapes = 0;
                esc();
                stillDropped = SendMessageW(combo.Handle(), CB_GETDROPPEDSTATE, 0, 0);
                escapesInList = escapes;
                esc();
                escapesAfter = escapes;
                return dropped && velmorant::test::StillForeground();
            });
            EXPECT_TRUE(dropped);
            EXPECT_FALSE(stillDropped);
            EXPECT_EQ(escapesInList, 0);
            EXPECT_EQ(escapesAfter, 1);
        }
    }
}

}  // namespace
