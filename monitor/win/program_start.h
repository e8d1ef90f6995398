#pragma once

namespace velmorant {

class TForm1;

// The program's start: its windows created in the program's order (with the plug-in scan and
// the settings), the main window shown and the blank first frame on its way. An error on the
// way is shown in the standard error box and the windows made so far are gone again: then
// there is no main window (nullptr).
TForm1* StartProgram();

// The whole run: the start, then the message loop until the main window closes. The exit
// code: 0, or 1 when the program could not start.
int RunProgram();

}  // namespace velmorant
