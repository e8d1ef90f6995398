#include "monitor/win/program_forms.h"

#include <cstdint>
#include <map>

#include "monitor/core/window_place.h"
#include "monitor/win/about_form.h"
#include "monitor/win/display_windows.h"
#include "monitor/win/driving_form.h"
#include "monitor/win/help_form.h"
#include "monitor/win/large_display_form.h"
#include "monitor/win/main_form.h"
#include "monitor/win/program_state.h"
#include "ui/application.h"
#include "ui/screen.h"
#include "ui/status_bar.h"

namespace velmorant {

ProgramForms Forms;

namespace {

ScreenRect ScreenRectOf(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// The window's outer rectangle with its top left at (left, top), in 64 bits: a stored place
// may be any integer, and its right edge must not wrap round onto the screen.
ScreenRect OuterRectAt(const ui::Form& form, std::int64_t left, std::int64_t top) {
    return {left, top, left + form.Width(), top + form.Height()};
}

void MoveTo(ui::Form& form, const ScreenRect& place) {
    form.SetLeft(static_cast<int>(place.Left));
    form.SetTop(static_cast<int>(place.Top));
}

std::vector<ScreenRect> WorkAreas() {
    std::vector<ScreenRect> areas;
    for (const RECT& r : ui::MonitorWorkAreas()) areas.push_back(ScreenRectOf(r));
    return areas;
}

// The windows that open beside the main window when the settings store no place for them;
// the large display and the cable check take the main window's place instead.
bool OpensBesideMain(int n) {
    return n == 3 || n == 4 || n == 5 || n == 6 || n == 9;
}

// Where the program last put each window that opens beside the main window, while the
// settings store no place for it.
std::map<const ui::Form*, POINT> besideMain;

void PutBesideMain(ui::Form& form, const ui::Form& main) {
    MoveTo(form,
           PlaceBesideMain(ScreenRectOf(main.Bounds()), form.Width(), form.Height(), WorkAreas()));
    besideMain[&form] = POINT{form.Left(), form.Top()};
}

// A window without a stored place that the user has not moved since the program put it
// beside the main window goes beside it again as it opens: the main window may have moved.
void OpenBesideMain(int n, ui::Form& form, const ui::Form& main) {
    if (ProgramSettings.FormPos[n]) return;
    const auto placed = besideMain.find(&form);
    if (placed != besideMain.end() && placed->second.x == form.Left() &&
        placed->second.y == form.Top())
        PutBesideMain(form, main);
}

}  // namespace

TForm1& CreateProgramForms() {
    ui::Application& app = ui::App();
    besideMain.clear();
    TForm1& main = app.CreateForm<TForm1>();
    Forms.Form3 = &app.CreateForm<TForm3>();
    Forms.Form3->ConnectFramePosition(main.Get<ui::ScrollBar>("ScrollBar1"));
    Forms.Form3->DeleteFrame = [&main] { main.Button5Click(); };
    Forms.Form3->SaveSettings = [&main] { main.SaveSettings(); };
    Forms.Form4 = &app.CreateForm<TForm4>();
    Forms.Form5 = &app.CreateForm<TForm5>();
    Forms.Form6 = &app.CreateForm<TForm6>();
    Forms.Form7 = &app.CreateForm<TForm7>();
    Forms.Form8 = &app.CreateForm<TForm8>();
    Forms.Form8->MainWindow = &main;
    Forms.Form10 = &app.CreateForm<TForm10>();
    // Last: its creation reads the settings, which place and fill the windows above.
    Forms.Form9 = &app.CreateForm<TForm9>();

    TForm9& settings = *Forms.Form9;
    settings.OnSettingsRead = [&main](bool loadCarDefaults) {
        if (loadCarDefaults) Forms.Form6->ApplyKoment(ProgramSettings.Koment);
        PlaceWindows(main, ProgramSettings);
    };
    // The creation's own reading ran before anyone listened.
    settings.OnSettingsRead(true);
    settings.OnSettingsChanged = [&main] {
        if (IsWindowVisible(main.Handle())) main.ScrollBar1Change();
        // The unit settings change the charts' scales and the pickers' names.
        if (IsWindowVisible(Forms.Form3->Handle())) Forms.Form3->ScrollBar1Change();
        main.ComboADD();
    };
    settings.StartupDone = [&main] { return main.StartupDone(); };
    settings.SaveSettings = [&main] { main.SaveSettings(); };
    Forms.Form6->RecordHasFileName = [&main] {
        return !main.Get<ui::StatusBar>("StatusBar1").PanelText(0).empty();
    };
    for (const auto& [n, form] : NumberedWindows(main))
        if (OpensBesideMain(n))
            form->OnShow = [n, form, &main, shown = std::move(form->OnShow)] {
                OpenBesideMain(n, *form, main);
                if (shown) shown();
            };
    return main;
}

std::vector<std::pair<int, ui::Form*>> NumberedWindows(ui::Form& main) {
    const std::pair<int, ui::Form*> all[] = {{1, &main},       {3, Forms.Form3}, {4, Forms.Form4},
                                             {5, Forms.Form5}, {6, Forms.Form6}, {7, Forms.Form7},
                                             {8, Forms.Form8}, {9, Forms.Form9}};
    std::vector<std::pair<int, ui::Form*>> created;
    for (const auto& window : all)
        if (window.second) created.push_back(window);
    return created;
}

void PlaceWindow(ui::Form& form, int left, int top) {
    // Settings written with another monitor attached, or edited by hand, name places that
    // would leave the window out of sight; places on a screen are taken as they stand.
    MoveTo(form, PlaceOnWorkArea(OuterRectAt(form, left, top), WorkAreas()));
}

void KeepOnItsWorkArea(ui::Form& form, const RECT& before) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(MonitorFromRect(&before, MONITOR_DEFAULTTONEAREST), &info)) return;
    MoveTo(form,
           FitOnWorkArea(OuterRectAt(form, form.Left(), form.Top()), ScreenRectOf(info.rcWork)));
}

void PlaceWindows(ui::Form& main, const Settings& settings) {
    // The main window first: the windows without a stored place go by it.
    for (const auto& [n, form] : NumberedWindows(main)) {
        if (const std::optional<WindowPosition>& stored = settings.FormPos[n]) {
            PlaceWindow(*form, stored->X, stored->Y);
            besideMain.erase(form);
        } else if (OpensBesideMain(n)) {
            PutBesideMain(*form, main);
        } else if (n == 1) {
            PlaceWindow(*form, 0, 0);  // the top left of the work area
        } else {
            PlaceWindow(*form, main.Left(), main.Top());  // they take the main window's place
        }
    }
    const WindowPosition large =
        settings.FormPos[7].value_or(WindowPosition{main.Left(), main.Top()});
    PlaceDisplayWindows(large.X, large.Y);
}

}  // namespace velmorant
