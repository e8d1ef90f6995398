#pragma once

#include <windows.h>

namespace ui {

// The common controls the layer uses, registered once per process.
void EnsureCommonControls();

// Window classes of the layer's own windows, registered on first use. Their procedure is
// the default one: the layer subclasses each window as it creates it, like any control.
const wchar_t* FormClassName();
const wchar_t* PanelClassName();

// The message loop's question to a form: wants it this key message first? lParam: the MSG.
// Registered, not WM_USER-based, so that forms of a plug-in library, which links its own
// copy of the layer, answer the host's loop.
UINT KeyPreviewMessage();

// Sent by a form that has become the application's active form to the thread's other forms
// (wParam: its window), so that the one that was active before runs its deactivation.
UINT FormActivatedMessage();

// Posted by a form to itself to come to the front once the message under way is handled.
UINT FormToFrontMessage();

// Whether the window is a form of this layer (in this module or another that links it).
bool IsFormWindow(HWND hwnd);

}  // namespace ui
