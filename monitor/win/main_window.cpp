#include "monitor/win/main_window.h"

#include "monitor/win/main_form.h"
#include "ui/application.h"

namespace velmorant {

TForm1* MainWindow() {
    return dynamic_cast<TForm1*>(ui::App().MainForm());
}

}  // namespace velmorant
