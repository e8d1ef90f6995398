#include "monitor/win/program_start.h"

#include "monitor/charts/user_locale.h"
#include "monitor/win/main_form.h"
#include "monitor/win/program_forms.h"
#include "monitor/win/program_state.h"
#include "ui/application.h"
#include "ui/error_box.h"
#include "ui/timer.h"

namespace velmorant {

TForm1* StartProgram() {
    ui::Application& app = ui::App();
    TForm1* main = nullptr;
    // Nothing of the start may end the program through std::terminate, without a word.
    const bool started = ui::Guarded([&] {
        app.SetTitle("Velmorant");
        UserLocale = ReadUserLocale();
        main = &CreateProgramForms();
        main->Show();
        main->Get<ui::Timer>("Timer1").SetEnabled(true);
    });
    if (started) return main;
    app.DestroyForms();
    Forms = {};
    return nullptr;
}

int RunProgram() {
    if (!StartProgram()) return 1;
    ui::App().Run();
    ui::App().DestroyForms();
    return 0;
}

}  // namespace velmorant
