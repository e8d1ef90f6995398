#include <windows.h>

#include "monitor/win/main_form.h"
#include "monitor/win/program_forms.h"
#include "monitor/charts/user_locale.h"
#include "monitor/win/program_state.h"
#include "ui/application.h"
#include "ui/timer.h"

using namespace velmorant;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    ui::Application& app = ui::App();
    app.SetTitle("Velmorant");
    UserLocale = ReadUserLocale();
    TForm1& main = CreateProgramForms();
    main.Show();
    main.Get<ui::Timer>("Timer1").SetEnabled(true);
    app.Run();
    app.DestroyForms();
    return 0;
}
