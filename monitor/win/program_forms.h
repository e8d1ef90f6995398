#pragma once

#include <string>
#include <utility>
#include <vector>

#include "monitor/core/settings.h"
#include "monitor/win/car_form.h"
#include "monitor/win/charts_form.h"
#include "monitor/win/settings_form.h"
#include "ui/form.h"

namespace velmorant {

// A secondary window whose contents are not built yet: its caption, client size and place,
// hidden until shown, closing (and Esc) only hides it.
class PlainForm : public ui::Form {
public:
    PlainForm(std::string name, std::string caption, int left, int top, int clientWidth,
              int clientHeight);
};

// The program's windows, created at start in this order after the main window.
struct ProgramForms {
    TForm3* Form3 = nullptr;     // charts
    ui::Form* Form4 = nullptr;   // help
    ui::Form* Form5 = nullptr;   // about
    TForm6* Form6 = nullptr;     // car description
    ui::Form* Form7 = nullptr;   // large data display
    ui::Form* Form8 = nullptr;   // cable check
    ui::Form* Form10 = nullptr;  // driving parameters
    TForm9* Form9 = nullptr;     // settings
};
extern ProgramForms Forms;

class TForm1;

// Creates the main window, then the secondary windows in the program's order, and connects
// the settings window to the others. Returns the main window, not yet shown.
TForm1& CreateProgramForms();

// The windows whose places the settings file keeps, by their number there, in that order;
// windows not created are left out.
std::vector<std::pair<int, ui::Form*>> NumberedWindows(ui::Form& main);

// Moves each numbered window to its stored place (left, then top), then the
// driving-parameters window to the large display's place: it has no keys of its own.
void PlaceWindows(ui::Form& main, const Settings& settings);

}  // namespace velmorant
