#pragma once

#include "ui/form.h"
#include "ui/range_control.h"

namespace velmorant {

// What the large display and the driving-parameters window share as the windows that take
// the main window's place.

// Hides the charts and help windows, noting in Graphs and Metodika that the main window's
// delayed step is to reopen them, and hides the other display window.
void HideForDisplay(ui::Form* otherDisplay);

// Puts the window being shown in the other display window's place: the two share one.
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
