#pragma once

namespace velmorant {

class TForm1;

// The program's main window, when it has been created as the application's main form;
// the windows that take its place call back into it.
TForm1* MainWindow();

}  // namespace velmorant
