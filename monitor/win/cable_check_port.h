#pragma once

#include <windows.h>

#include <atomic>

#include "monitor/win/worker_port.h"

namespace velmorant {

// From the cable-check thread to the cable check window: WParam 1 when DSR is on, else 0.
inline constexpr UINT WM_CABLELEVEL = WM_USER + 0x62;

// The cable-check port record.
extern TComPortRec CableRec;
// The window that receives the cable-check thread's levels (the cable check window).
extern std::atomic<HWND> CableCheckWindow;

bool OpenCablePort(int portNumber);
bool CloseCablePort();
// Reports the DSR level when it starts and at every change of the line, as it is: the
// inverse-adapter setting is for reading only, this check is there to find out whether the
// cable inverts.
DWORD WINAPI CableCheckThread(LPVOID rec);

}  // namespace velmorant
