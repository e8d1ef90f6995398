// The layer's pieces that the charts need: graphic controls that take the mouse, flat
// buttons with coloured captions, popup menus on images, owner-drawn fixed lists and track
// bars with a tick at every position.

#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/bitmap.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/menu.h"
#include "ui/range_control.h"
#include "ui/speed_button.h"

namespace {

const ui::FormDesign kDesign{.name = "ChartControlsForm",
                             .caption = "Chart controls",
                             .clientWidth = 400,
                             .clientHeight = 300};

const ui::Design kComponents[] = {
    {.kind = ui::Kind::PopupMenu, .name = "PopupMenu1"},
    {.kind = ui::Kind::MenuItem, .name = "N1", .parent = "PopupMenu1", .caption = "Canvas color"},
    {.kind = ui::Kind::MenuItem, .name = "N5", .parent = "PopupMenu1", .caption = "-"},
    {.kind = ui::Kind::MenuItem,
     .name = "N4",
     .parent = "PopupMenu1",
     .caption = "Loading default colors"},
    {.kind = ui::Kind::Image,
     .name = "Image1",
     .left = 50,
     .top = 100,
     .width = 100,
     .height = 50,
     .popupMenu = "PopupMenu1"},
    {.kind = ui::Kind::SpeedButton,
     .name = "SpeedButton1",
     .left = 4,
     .top = 4,
     .width = 25,
     .height = 17,
     .caption = "Col",
     .font = {.bold = true, .colour = 0x0080FF}},
    {.kind = ui::Kind::ComboBox,
     .name = "ComboBox1",
     .left = 32,
     .top = 4,
     .width = 241,
     .font = {.bold = true, .colour = 0x008000},
     .dropDownList = true,
     .items = {"1.  Injection", "2.  Ignition", ""},
     .itemHeight = 13},
    {.kind = ui::Kind::TrackBar,
     .name = "TrackBar1",
     .left = 52,
     .top = 40,
     .width = 300,
     .height = 25,
     .max = 4},
};

class ChartControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<ui::Form>(kDesign, kComponents);
        form->Show();
        ui::ProcessMessages();
    }
    template <class T>
    T& Get(const char* name) {
        return form->Get<T>(name);
    }
    void Mouse(UINT msg, int x, int y) { SendMessageW(form->Handle(), msg, 0, MAKELPARAM(x, y)); }
    std::unique_ptr<ui::Form> form;
};

struct Event {
    ui::MouseButton button;
    int x, y;
    bool operator==(const Event&) const = default;
};

TEST_F(ChartControlsTest, GraphicControlsTakeTheMouseInTheirOwnCoordinates) {
    auto& image = Get<ui::Image>("Image1");
    std::vector<Event> downs, ups;
    int formUps = 0;
    image.OnMouseDown = [&](ui::MouseButton b, int x, int y) { downs.push_back({b, x, y}); };
    image.OnMouseUp = [&](ui::MouseButton b, int x, int y) { ups.push_back({b, x, y}); };
    form->OnMouseUp = [&](ui::MouseButton, int, int) { ++formUps; };

    Mouse(WM_LBUTTONDOWN, 50, 100);
    Mouse(WM_LBUTTONUP, 149, 149);
    // Gone down on the image, released beyond it: the release is the image's still.
    Mouse(WM_LBUTTONDOWN, 60, 110);
    Mouse(WM_LBUTTONUP, 300, 120);
    // Outside the image, the form's own.
    Mouse(WM_LBUTTONDOWN, 10, 200);
    Mouse(WM_LBUTTONUP, 10, 200);
    EXPECT_EQ(downs,
              (std::vector<Event>{{ui::MouseButton::Left, 0, 0}, {ui::MouseButton::Left, 10, 10}}));
    EXPECT_EQ(ups, (std::vector<Event>{{ui::MouseButton::Left, 99, 49},
                                       {ui::MouseButton::Left, 250, 20}}));
    EXPECT_EQ(formUps, 1);
    EXPECT_NE(GetCapture(), form->Handle());
}

TEST_F(ChartControlsTest, SpeedButtonClicksWhenReleasedOverItself) {
    auto& button = Get<ui::SpeedButton>("SpeedButton1");
    int clicks = 0;
    button.OnClick = [&] { ++clicks; };
    Mouse(WM_LBUTTONDOWN, 10, 10);
    EXPECT_TRUE(button.Down());
    Mouse(WM_LBUTTONUP, 12, 12);
    EXPECT_FALSE(button.Down());
    EXPECT_EQ(clicks, 1);
    Mouse(WM_LBUTTONDOWN, 10, 10);
    Mouse(WM_LBUTTONUP, 200, 200);  // dragged off: no click
    Mouse(WM_RBUTTONDOWN, 10, 10);
    Mouse(WM_RBUTTONUP, 10, 10);
    EXPECT_EQ(clicks, 1);
    button.SetEnabled(false);
    Mouse(WM_LBUTTONDOWN, 10, 10);
    Mouse(WM_LBUTTONUP, 10, 10);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.GetFont().colour, 0x0080FFu);
    EXPECT_TRUE(button.GetFont().bold);
}

VOID CALLBACK EndTheMenu(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    EndMenu();
}

TEST_F(ChartControlsTest, RightReleaseOnTheImageOpensItsPopupMenu) {
    auto& menu = Get<ui::PopupMenu>("PopupMenu1");
    auto& image = Get<ui::Image>("Image1");
    EXPECT_EQ(image.GetPopupMenu(), &menu);
    EXPECT_EQ(GetMenuItemCount(menu.Handle()), 3);
    // The menu is not the form's bar.
    EXPECT_EQ(GetMenu(form->Handle()), nullptr);
    EXPECT_EQ(form->Menu(), nullptr);

    int popups = 0;
    menu.OnPopup = [&] {
        ++popups;
        SetTimer(nullptr, 0, 100, EndTheMenu);
    };
    Mouse(WM_RBUTTONDOWN, 60, 110);
    Mouse(WM_RBUTTONUP, 60, 110);
    EXPECT_EQ(popups, 1);
    // A left release and a right release elsewhere open nothing.
    Mouse(WM_LBUTTONDOWN, 60, 110);
    Mouse(WM_LBUTTONUP, 60, 110);
    Mouse(WM_RBUTTONDOWN, 10, 200);
    Mouse(WM_RBUTTONUP, 10, 200);
    EXPECT_EQ(popups, 1);

    int loads = 0;
    Get<ui::MenuItem>("N4").OnClick = [&] { ++loads; };
    Get<ui::MenuItem>("N4").Click();
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(menu.FindCommand(Get<ui::MenuItem>("N4").Command()), &Get<ui::MenuItem>("N4"));
}

TEST_F(ChartControlsTest, OwnerDrawnFixedListDrawsItsItemsInTheFontColour) {
    auto& combo = Get<ui::ComboBox>("ComboBox1");
    const auto style = GetWindowLongPtrW(combo.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & CBS_OWNERDRAWFIXED);
    EXPECT_TRUE(style & CBS_HASSTRINGS);
    EXPECT_EQ(SendMessageW(combo.Handle(), CB_GETITEMHEIGHT, 0, 0), 13);
    // The selection field: Wine counts a border of its own into it.
    EXPECT_GE(SendMessageW(combo.Handle(), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), 13);
    EXPECT_EQ(combo.ItemCount(), 3);
    combo.SetItemIndex(1);
    EXPECT_EQ(combo.Text(), "2.  Ignition");

    // An item drawn onto a bitmap: the cell takes the box's colour, or the highlight when
    // selected; the text's colour is the font's.
    ui::Bitmap surface(100, 13);
    struct Case {
        UINT state;
        COLORREF background;
        COLORREF text;
    };
    const Case cases[] = {
        {0, GetSysColor(COLOR_WINDOW), 0x008000},
        {ODS_SELECTED, GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_HIGHLIGHTTEXT)},
    };
    for (const Case& c : cases) {
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_COMBOBOX;
        draw.itemID = 0;
        draw.itemAction = ODA_DRAWENTIRE;
        draw.itemState = c.state;
        draw.hwndItem = combo.Handle();
        draw.hDC = surface.Dc();
        draw.rcItem = RECT{0, 0, 100, 13};
        SendMessageW(form->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
        EXPECT_EQ(surface.Pixel(99, 0), c.background);
        EXPECT_EQ(GetTextColor(surface.Dc()), c.text);
    }
}

TEST_F(ChartControlsTest, TrackBarHasATickAtEveryPosition) {
    auto& bar = Get<ui::TrackBar>("TrackBar1");
    const auto style = GetWindowLongPtrW(bar.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & TBS_AUTOTICKS);
    EXPECT_FALSE(style & (TBS_TOP | TBS_NOTICKS));
    EXPECT_EQ(SendMessageW(bar.Handle(), TBM_GETNUMTICS, 0, 0), 5);
    bar.SetMax(49);
    EXPECT_EQ(SendMessageW(bar.Handle(), TBM_GETNUMTICS, 0, 0), 50);
    bar.SetMax(1);
    EXPECT_EQ(SendMessageW(bar.Handle(), TBM_GETNUMTICS, 0, 0), 2);
}

// A new range moves every tick and the thumb: the whole bar is painted again, also when the
// position stays (a range cut below it moves the thumb all the same). A move within the same
// range leaves the ticks alone.
TEST_F(ChartControlsTest, TrackBarPaintsItselfAgainForANewRange) {
    auto& bar = Get<ui::TrackBar>("TrackBar1");
    RECT client;
    GetClientRect(bar.Handle(), &client);
    auto pending = [&] {
        RECT r{};
        return GetUpdateRect(bar.Handle(), &r, FALSE) ? r : RECT{};
    };
    bar.SetPosition(2);
    for (int max : {299, 2, 20}) {
        UpdateWindow(bar.Handle());
        const RECT before = pending();
        ASSERT_TRUE(IsRectEmpty(&before));
        bar.SetMax(max);
        const RECT r = pending();
        EXPECT_TRUE(EqualRect(&r, &client)) << max;
    }
    UpdateWindow(bar.Handle());
    bar.SetPosition(10);
    const RECT r = pending();
    EXPECT_FALSE(IsRectEmpty(&r));
    EXPECT_FALSE(EqualRect(&r, &client));
}

}  // namespace
