#pragma once

#include <windows.h>

#include <atomic>

#include "monitor/win/worker_port.h"

namespace velmorant {

// From the cable-check thread to the cable check window: WParam 1 when DSR is on, else 0.
inline constexpr UINT WM_CABLELEVEL = WM_USER + 0x62;
// From the cable-check thread to the cable check window: the port has failed every wait for a
// while (a pulled adapter) and the thread has ended. WParam: the thread's id.
inline constexpr UINT WM_CABLEFAILED = WM_USER + 0x63;

// The cable-check port record.
extern TComPortRec CableRec;
// The window that receives the cable-check thread's levels (the cable check window).
extern std::atomic<HWND> CableCheckWindow;

bool OpenCablePort(int portNumber);
bool CloseCablePort();
// Reports the DSR level when it starts and at every change of the line, as it is: the
// inverse-adapter setting is for reading only, this check is there to find out whether the
// cable inverts. A port that keeps failing is reported once, and the thread ends.
DWORD WINAPI CableCheckThread(LPVOID rec);

}  // namespace velmorant
