#pragma once

#include <windows.h>

#include <atomic>
#include <optional>
#include <vector>

#include "monitor/core/edge_record.h"
#include "monitor/win/worker_port.h"

namespace velmorant {

// From the capture thread to the main window: WParam a block of edge records, LParam its size.
inline constexpr UINT WM_EDGELIST = WM_USER + 0x55;
// From the capture thread to the main window: the machine has no performance counter.
inline constexpr UINT WM_COUNTERFAILED = WM_USER + 0x56;
inline constexpr char kCounterFailedText[] = "Change PC, he is too old :)";
// From the capture thread to the main window: the port has failed every wait for a while (a
// pulled adapter) and the thread has ended. WParam: the thread's id.
inline constexpr UINT WM_CAPTUREFAILED = WM_USER + 0x57;

// The inverse-adapter setting, read by the capture thread at every edge.
extern std::atomic<bool> Adapter;
// The window that receives the capture thread's messages (the main window).
extern std::atomic<HWND> CaptureWindow;

bool OpenCapturePort(int portNumber, TComPortRec& rec);
bool CloseCapturePort(TComPortRec& rec);
// Whether the record's port is open and its thread not told to stop.
bool CapturePortOpen(const TComPortRec& rec);
bool ProbeComPort(const char* name);
DWORD WINAPI CaptureThread(LPVOID rec);

// Takes a WM_EDGELIST block the capture thread handed over: its records, freeing the block.
// Nothing for a block the thread did not hand over (a stray or forged message).
std::optional<std::vector<TEdgeRecord>> TakeEdgeList(WPARAM wParam, LPARAM lParam);

}  // namespace velmorant
