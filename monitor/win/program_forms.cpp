#include "monitor/win/program_forms.h"

#include "monitor/win/about_form.h"
#include "monitor/win/help_form.h"
#include "monitor/win/main_form.h"
#include "monitor/win/program_state.h"
#include "ui/application.h"
#include "ui/status_bar.h"

namespace velmorant {

ProgramForms Forms;

PlainForm::PlainForm(std::string name, std::string caption, int left, int top, int clientWidth,
                     int clientHeight)
    : ui::Form(ui::FormDesign{.name = std::move(name),
                              .caption = std::move(caption),
                              .left = left,
                              .top = top,
                              .clientWidth = clientWidth,
                              .clientHeight = clientHeight,
                              .borderStyle = ui::BorderStyle::Dialog,
                              .keyPreview = true},
               {}) {
    OnKeyPress = [this](char& key) {
        if (key == 27) Close();
    };
}

TForm1& CreateProgramForms() {
    ui::Application& app = ui::App();
    TForm1& main = app.CreateForm<TForm1>();
    auto make = [&app](const char* name, const char* caption, int left, int top, int w, int h) {
        return &app.CreateForm<PlainForm>(name, caption, left, top, w, h);
    };
    Forms.Form3 = &app.CreateForm<TForm3>();
    Forms.Form3->ConnectFramePosition(main.Get<ui::ScrollBar>("ScrollBar1"));
    Forms.Form3->DeleteFrame = [&main] { main.Button5Click(); };
    Forms.Form3->SaveSettings = [&main] { main.SaveSettings(); };
    Forms.Form4 = &app.CreateForm<TForm4>();
    Forms.Form5 = &app.CreateForm<TForm5>();
    Forms.Form6 = &app.CreateForm<TForm6>();
    Forms.Form7 = make("Form7", "Large data display", 222, 91, 995, 499);
    Forms.Form8 = make("Form8", "Check the cable on the inversion", 300, 300, 300, 200);
    Forms.Form10 = make("Form10", "Driving parameters", 159, 5, 690, 652);
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

void PlaceWindows(ui::Form& main, const Settings& settings) {
    for (const auto& [n, form] : NumberedWindows(main)) {
        form->SetLeft(settings.FormPos[n].X);
        form->SetTop(settings.FormPos[n].Y);
    }
    if (Forms.Form10 && Forms.Form7) {
        Forms.Form10->SetLeft(Forms.Form7->Left());
        Forms.Form10->SetTop(Forms.Form7->Top());
    }
}

}  // namespace velmorant
