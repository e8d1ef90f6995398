#pragma once

#include "ui/form.h"
#include "ui/range_control.h"

namespace velmorant {

// What the large display and the driving-parameters window share as the windows that take
// the main window's place.

// The charts and help windows that the display windows hid.
struct HiddenWindows {
    bool Charts = false;
    bool Help = false;
};

// Hides the charts and help windows, noting them for the main window's delayed step to
// reopen, and hides the other display window.
void HideForDisplay(ui::Form* otherDisplay);

// The windows hidden since the last call, which forgets them: a window the user closed in
// the meantime, or that no display hid, is not reopened.
HiddenWindows TakeHiddenWindows();

// After the large display has been put at its stored place (`left`, `top`) through
// PlaceWindow: that is the place the two share, and the driving window is put there, moved
// only as far as its own size needs.
void PlaceDisplayWindows(int left, int top);

// Puts the window being shown at the place the two share, moved only as far as its own size
// needs. The place follows the user's moves of either window, but not the program's: where
// one window had to be moved to fit, the other still gets the place itself.
void TakePlaceOf(ui::Form& shown, const ui::Form* otherDisplay);

// Draws the current frame into the window being shown. The main window's change handler
// draws nothing during a reading; the window then gets the newest frame here, so that it
// never shows a frame of a record that Read has cleared.
void DrawCurrentFrameOnShow();

// Gives the frame position of `source` (the main window's bar or one of the two display
// windows' bars) to the other two bars of the three, main window first. Whichever of position
// and maximum goes first keeps the position from being clamped on the way (a record that grew
// or shrank), so each bar's change handler runs at most once, with the final position.
void MirrorFramePositionFrom(const ui::ScrollBar& source);

}  // namespace velmorant
