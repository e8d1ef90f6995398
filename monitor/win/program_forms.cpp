#include "monitor/win/plain_forms.h"

#include "monitor/win/about_form.h"
#include "monitor/win/help_form.h"
#include "ui/application.h"

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

void CreateSecondaryForms() {
    auto make = [](const char* name, const char* caption, int left, int top, int w, int h) {
        return &ui::App().CreateForm<PlainForm>(name, caption, left, top, w, h);
    };
    Forms.Form3 = make("Form3", "Charts", 477, 95, 747, 344);
    Forms.Form4 = &ui::App().CreateForm<TForm4>();
    Forms.Form5 = &ui::App().CreateForm<TForm5>();
    Forms.Form6 = &ui::App().CreateForm<TForm6>();
    Forms.Form7 = make("Form7", "Large data display", 222, 91, 995, 499);
    Forms.Form8 = make("Form8", "Check the cable on the inversion", 300, 300, 300, 200);
    Forms.Form10 = make("Form10", "Driving parameters", 159, 5, 690, 652);
    Forms.Form9 = &ui::App().CreateForm<TForm9>();
}

}  // namespace velmorant
