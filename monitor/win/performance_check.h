#pragma once

#include <windows.h>

#include <string>

#include "monitor/win/worker_port.h"

namespace velmorant {

// From the performance-check thread to the main window: the result is in CheckResultText;
// start Timer3.
inline constexpr UINT WM_CHECKDONE = WM_USER + 0x60;
// From the performance-check thread to the main window: there is no performance counter.
inline constexpr UINT WM_CHECKFAILED = WM_USER + 0x61;
inline constexpr char kCheckFailedText[] = "Badly :)";

// The performance-check port record.
extern TComPortRec CheckRec;
// The result of the last performance check. Written by the check's thread before it posts
// WM_CHECKDONE, read by the main window only after that message.
extern std::string CheckResultText;

bool OpenCheckPort(int portNumber);
bool CloseCheckPort();
// Closes the check's port and waits for its thread, which ends without a report; for the
// program's exit, so that no worker outlives the program's globals.
void StopPerformanceCheck();
// Whether a check's port is open: from the start of a check until its result is shown.
bool CheckPortOpen();
// Polls the port's modem status at 1000 steps of 1 ms and measures how late each poll came.
// Reports to the main window (CaptureWindow).
DWORD WINAPI PerformanceCheckThread(LPVOID rec);
// Called by the main window on WM_CHECKDONE, before it reads CheckResultText: pairs with the
// thread's release of the text.
void AcquireCheckResult();

}  // namespace velmorant
