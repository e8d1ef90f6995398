#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/bitmap.h"
#include "ui/form.h"
#include "ui/image_list.h"
#include "ui/menu.h"
#include "ui/timer.h"
#include "tests/win/pump.h"

using velmorant::test::PumpFor;

namespace {

TEST(TimerTest, AOneShotSwitchesItselfOffAndARepeatingOneGoesOn) {
    int shots = 0;
    int repeats = 0;
    ui::Timer oneShot(nullptr, "Timer6", 20, false);
    ui::Timer repeating(nullptr, "Timer4", 20, false);
    oneShot.OnTimer = [&] {
        oneShot.SetEnabled(false);
        ++shots;
    };
    repeating.OnTimer = [&] { ++repeats; };
    oneShot.SetEnabled(true);
    repeating.SetEnabled(true);
    PumpFor(300);
    EXPECT_EQ(shots, 1);
    EXPECT_GE(repeats, 3);
    EXPECT_FALSE(oneShot.Enabled());

    // Switched on again, the one-shot fires once more.
    oneShot.SetEnabled(true);
    PumpFor(150);
    EXPECT_EQ(shots, 2);
}

TEST(TimerTest, ANewIntervalRestartsARunningTimer) {
    int ticks = 0;
    ui::Timer timer(nullptr, "Timer2", 60000, true);
    timer.OnTimer = [&] { ++ticks; };
    PumpFor(100);
    EXPECT_EQ(ticks, 0);
    timer.SetInterval(20);
    PumpFor(200);
    EXPECT_GT(ticks, 0);
}

// Ticks that are due when a timer is switched off or destroyed run no handler.
TEST(TimerTest, ADueTickOfAStoppedOrDestroyedTimerRunsNothing) {
    int first = 0;
    int second = 0;
    ui::Timer a(nullptr, "TimerA", 10, true);
    ui::Timer b(nullptr, "TimerB", 10, true);
    a.OnTimer = [&] {
        ++first;
        a.SetEnabled(false);
        b.SetEnabled(false);
    };
    b.OnTimer = [&] {
        ++second;
        a.SetEnabled(false);
        b.SetEnabled(false);
    };
    Sleep(60);  // both are due now
    PumpFor(100);
    EXPECT_EQ(first + second, 1);

    bool ran = false;
    auto doomed = std::make_unique<ui::Timer>(nullptr, "Timer7", 10, true);
    doomed->OnTimer = [&] { ran = true; };
    Sleep(60);
    doomed.reset();
    PumpFor(100);
    EXPECT_FALSE(ran);
}

const ui::FormDesign kDesign{.name = "MenuForm", .caption = "Menus", .clientWidth = 300,
                             .clientHeight = 100};

const ui::Design kComponents[] = {
    {.kind = ui::Kind::ImageList, .name = "ImageList1",
     .items = {"MENU0", "MENU1", "MENU2", "MENU3", "MENU4", "MENU5", "MENU6", "MENU7", "MENU8",
               "MENU9", "MENU10", "MENU11", "MENU12", "MENU13", "MENU14"}},
    {.kind = ui::Kind::MainMenu, .name = "MainMenu1", .images = "ImageList1"},
    {.kind = ui::Kind::MenuItem, .name = "N1", .parent = "MainMenu1", .caption = "File"},
    {.kind = ui::Kind::MenuItem, .name = "N14", .parent = "N1", .caption = "New", .imageIndex = 0},
    {.kind = ui::Kind::MenuItem, .name = "N7", .parent = "N1", .caption = "-"},
    {.kind = ui::Kind::MenuItem, .name = "N29", .parent = "N1", .caption = "-", .enabled = false},
    {.kind = ui::Kind::MenuItem, .name = "N4", .parent = "N1", .caption = "Выход", .imageIndex = 4},
    {.kind = ui::Kind::MenuItem, .name = "N5", .parent = "MainMenu1", .caption = "Type"},
    {.kind = ui::Kind::MenuItem, .name = "N13", .parent = "N5", .caption = "Three References"},
    {.kind = ui::Kind::MenuItem, .name = "N12", .parent = "N5", .caption = "Bytes Protocol",
     .checked = true},
};

UINT StateAt(HMENU menu, UINT position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_FTYPE | MIIM_BITMAP;
    GetMenuItemInfoW(menu, position, TRUE, &info);
    return info.fState;
}

std::wstring CaptionAt(HMENU menu, UINT position) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
    return text;
}

class MenuTest : public ::testing::Test {
protected:
    ui::Form form{kDesign, kComponents};
    ui::MainMenu& menu = *form.Menu();
    HMENU bar = GetMenu(form.Handle());
    HMENU file = GetSubMenu(bar, 0);
    HMENU type = GetSubMenu(bar, 1);
};

TEST_F(MenuTest, TheTableBecomesTheWindowsMenu) {
    EXPECT_EQ(bar, menu.Handle());
    EXPECT_EQ(GetMenuItemCount(bar), 2);
    EXPECT_EQ(CaptionAt(bar, 0), L"File");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file, form.Get<ui::MenuItem>("N1").Submenu());
    EXPECT_EQ(GetMenuItemCount(file), 4);
    EXPECT_EQ(CaptionAt(file, 3), L"Выход");
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_BITMAP;
    GetMenuItemInfoW(file, 1, TRUE, &info);
    EXPECT_TRUE(info.fType & MFT_SEPARATOR);
    EXPECT_TRUE(StateAt(file, 2) & MFS_DISABLED);
    GetMenuItemInfoW(file, 0, TRUE, &info);
    EXPECT_EQ(info.hbmpItem, HBMMENU_CALLBACK);
    GetMenuItemInfoW(type, 0, TRUE, &info);
    EXPECT_EQ(info.hbmpItem, nullptr);
    EXPECT_EQ(form.Get<ui::ImageList>("ImageList1").Count(), 15);
}

TEST_F(MenuTest, CheckMarksAndEnabledStateReachTheMenu) {
    auto& references = form.Get<ui::MenuItem>("N13");
    auto& bytes = form.Get<ui::MenuItem>("N12");
    EXPECT_FALSE(StateAt(type, 0) & MFS_CHECKED);
    EXPECT_TRUE(StateAt(type, 1) & MFS_CHECKED);
    references.SetChecked(!references.Checked());
    bytes.SetChecked(!bytes.Checked());
    EXPECT_TRUE(StateAt(type, 0) & MFS_CHECKED);
    EXPECT_FALSE(StateAt(type, 1) & MFS_CHECKED);

    // A whole drop-down menu is disabled on the bar.
    auto& fileItem = form.Get<ui::MenuItem>("N1");
    fileItem.SetEnabled(false);
    EXPECT_TRUE(StateAt(bar, 0) & MFS_DISABLED);
    fileItem.SetEnabled(true);
    EXPECT_FALSE(StateAt(bar, 0) & MFS_DISABLED);
    // Its items keep their own state.
    EXPECT_FALSE(StateAt(file, 0) & MFS_DISABLED);
}

// A command arrives as WM_COMMAND with its identifier and runs its item's handler.
TEST_F(MenuTest, ChoosingACommandRunsItsHandler) {
    std::vector<std::string> ran;
    for (const char* name : {"N14", "N4", "N13"}) {
        form.Get<ui::MenuItem>(name).OnClick = [&ran, name] { ran.push_back(name); };
    }
    for (const char* name : {"N4", "N13", "N14"})
        SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(form.Get<ui::MenuItem>(name).Command(), 0), 0);
    EXPECT_EQ(ran, (std::vector<std::string>{"N4", "N13", "N14"}));

    // Commands added at run time (the plug-ins' ones) go to the end of their menu.
    auto& added = static_cast<ui::MenuItem&>(form.AddComponent(
        {.kind = ui::Kind::MenuItem, .name = "Plugin1", .parent = "N5", .caption = "Viewer",
         .imageIndex = 13}));
    EXPECT_EQ(GetMenuItemCount(type), 3);
    EXPECT_EQ(CaptionAt(type, 2), L"Viewer");
    added.OnClick = [&] { ran.push_back("Plugin1"); };
    SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(added.Command(), 0), 0);
    EXPECT_EQ(ran.back(), "Plugin1");
}

// The form draws an item's picture when the menu asks, with the picture's background left
// out, so the menu's own colour shows there.
TEST_F(MenuTest, PicturesAreDrawnWithTheirBackgroundTransparent) {
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemID = form.Get<ui::MenuItem>("N14").Command();
    ASSERT_TRUE(SendMessageW(form.Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)));
    EXPECT_EQ(measure.itemHeight, 16u);
    EXPECT_GE(measure.itemWidth, 16u);

    ui::Bitmap surface(20, 16);  // white
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = measure.itemID;
    draw.hDC = surface.Dc();
    draw.rcItem = RECT{0, 0, 20, 16};
    ASSERT_TRUE(SendMessageW(form.Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)));
    // Picture 0 is a sheet outlined in black from (3, 1), on the transparent colour; it is
    // centred, 2 pixels from the left.
    EXPECT_EQ(surface.Pixel(2 + 3, 1), ui::kBlack);
    EXPECT_EQ(surface.Pixel(2 + 5, 5), ui::kWhite);
    EXPECT_EQ(surface.Pixel(2 + 0, 15), ui::kWhite);
    EXPECT_EQ(surface.Pixel(2 + 15, 0), ui::kWhite);
}

}  // namespace
