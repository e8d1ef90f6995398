#pragma once

#include <string>
#include <utility>
#include <vector>

#include "monitor/core/settings.h"
#include "monitor/win/cable_check_form.h"
#include "monitor/win/car_form.h"
#include "monitor/win/charts_form.h"
#include "monitor/win/settings_form.h"
#include "ui/form.h"

namespace velmorant {

class TForm7;
class TForm10;

// The program's windows, created at start in this order after the main window.
struct ProgramForms {
    TForm3* Form3 = nullptr;    // charts
    ui::Form* Form4 = nullptr;  // help
    ui::Form* Form5 = nullptr;  // about
    TForm6* Form6 = nullptr;    // car description
    TForm7* Form7 = nullptr;    // large data display
    TForm8* Form8 = nullptr;    // cable check
    TForm10* Form10 = nullptr;  // driving parameters
    TForm9* Form9 = nullptr;    // settings
};
extern ProgramForms Forms;

class TForm1;

// Creates the main window, then the secondary windows in the program's order, and connects
// the settings window to the others. Returns the main window, not yet shown.
TForm1& CreateProgramForms();

// The windows whose places the settings file keeps, by their number there, in that order;
// windows not created are left out.
std::vector<std::pair<int, ui::Form*>> NumberedWindows(ui::Form& main);

// Moves the window to (left, top), or, when it would not lie wholly on a monitor's work area
// there, wholly onto the nearest one (PlaceOnWorkArea).
void PlaceWindow(ui::Form& form, int left, int top);

// Moves a window that has changed its size, wholly onto the work area of the monitor that it
// was on before (`before`, its outer rectangle then), as little as it takes.
void KeepOnItsWorkArea(ui::Form& form, const RECT& before);

// Moves each numbered window to its stored place, each through PlaceWindow; the
// driving-parameters window, which has no keys of its own, shares the large display's.
// Without a stored place the main window goes to the top left of the work area, the large
// display and the cable check to the main window's place, and the others beside the main
// window (PlaceBesideMain); these go beside it again as they open, where the user has not
// moved them since.
void PlaceWindows(ui::Form& main, const Settings& settings);

}  // namespace velmorant
