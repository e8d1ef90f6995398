#include <windows.h>

#include "monitor/win/capture_port.h"
#include "monitor/win/main_form.h"
#include "monitor/win/plain_forms.h"
#include "monitor/win/program_state.h"
#include "ui/application.h"
#include "ui/error_box.h"
#include "ui/program_environment.h"
#include "ui/status_bar.h"
#include "ui/range_control.h"
#include "ui/timer.h"

using namespace velmorant;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    ui::Application& app = ui::App();
    app.SetTitle("Velmorant");
    UserLocale = ReadUserLocale();
    TForm1& main = app.CreateForm<TForm1>();
    CreateSecondaryForms();
    // What the settings window does when it is created (it is created last).
    // The settings window's creation has read the settings; from now on it tells the others.
    TForm9& settings = *Forms.Form9;
    settings.OnSettingsRead = [](bool loadCarDefaults) {
        if (loadCarDefaults) Forms.Form6->ApplyKoment(ProgramSettings.Koment);
    };
    settings.OnSettingsRead(true);
    settings.OnSettingsChanged = [&main] {
        if (IsWindowVisible(main.Handle()))
            main.MemoDraw(main.Get<ui::ScrollBar>("ScrollBar1").Position());
    };
    settings.StartupDone = [&main] { return main.StartupDone(); };
    settings.SaveSettings = [&main] { main.SaveSettings(); };
    Forms.Form6->RecordHasFileName = [&main] {
        return !main.Get<ui::StatusBar>("StatusBar1").PanelText(0).empty();
    };
    main.Show();
    main.Get<ui::Timer>("Timer1").SetEnabled(true);
    app.Run();
    app.DestroyForms();
    return 0;
}
