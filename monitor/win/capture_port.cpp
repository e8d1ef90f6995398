#include "monitor/win/capture_port.h"

#include <algorithm>
#include <cstdlib>
#include <malloc.h>
#include <cstring>
#include <string>

#include "monitor/core/frame_record.h"
#include "monitor/core/hand_over.h"
#include "monitor/win/serial_api.h"

namespace velmorant {

std::atomic<bool> Adapter{false};
std::atomic<HWND> CaptureWindow{nullptr};

namespace {

BlockHandOver handOver;

// Posts one frame's records to the main window; a block that cannot be handed over or posted
// is freed here, since nobody else would.
void PostEdgeList(std::span<const TEdgeRecord> list) {
    const std::size_t size = list.size_bytes();
    // At least one byte, so an empty list still has a block of its own to hand over.
    void* block = std::malloc(size ? size : 1);
    if (!block) return;
    if (size) std::memcpy(block, list.data(), size);
    if (!handOver.Give(block)) {
        std::free(block);
        return;
    }
    if (!PostMessageW(CaptureWindow.load(), WM_EDGELIST, reinterpret_cast<WPARAM>(block),
                      static_cast<LPARAM>(size))) {
        if (handOver.Take(block)) std::free(block);
    }
}

}  // namespace

bool ProbeComPort(const char* name) {
    SerialApi& api = Serial();
    HANDLE h = api.CreateFileA((std::string("\\\\.\\") + name).c_str());
    if (h == INVALID_HANDLE_VALUE) return false;
    api.CloseHandle(h);
    return true;
}

bool OpenCapturePort(int portNumber, TComPortRec& rec) {
    SerialApi& api = Serial();
    // A previous thread on this record has been told to stop; it must be gone before a new
    // one uses the same edge slots.
    if (rec.Thread) {
        WaitForSingleObject(rec.Thread, 2000);
        CloseHandle(rec.Thread);
        rec.Thread = nullptr;
    }
    rec.Handle = api.CreateFileA(("\\\\.\\COM" + std::to_string(portNumber)).c_str());
    if (rec.Handle == INVALID_HANDLE_VALUE) return false;

    // Not read from the port: zero but for the line format, so DTR and RTS stay off.
    std::memset(&rec.Dcb, 0, sizeof rec.Dcb);
    rec.Dcb.BaudRate = 9600;
    rec.Dcb.ByteSize = 8;
    rec.Dcb.Parity = NOPARITY;
    rec.Dcb.StopBits = ONESTOPBIT;
    DCB dcb = rec.Dcb;
    if (!api.SetCommMask(rec.Handle, EV_DSR) || !api.SetupComm(rec.Handle, 0, 0) ||
        !api.PurgeComm(rec.Handle, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR |
                                       PURGE_RXCLEAR) ||
        !api.SetCommState(rec.Handle, &dcb)) {
        api.CloseHandle(rec.Handle);
        rec.Handle = INVALID_HANDLE_VALUE;
        return false;
    }
    COMMTIMEOUTS timeouts{MAXDWORD, 0, 0, 0, 0};
    api.SetCommTimeouts(rec.Handle, &timeouts);

    rec.Stop.store(0);
    rec.Thread = CreateThread(nullptr, 0, CaptureThread, &rec, 0, nullptr);
    if (!rec.Thread) {
        api.CloseHandle(rec.Handle);
        rec.Handle = INVALID_HANDLE_VALUE;
        return false;
    }
    SetThreadPriority(rec.Thread, THREAD_PRIORITY_TIME_CRITICAL);
    return true;
}

bool CloseCapturePort(TComPortRec& rec) {
    SerialApi& api = Serial();
    rec.Stop.store(1);
    // Clearing the mask completes the thread's pending wait, so it sees the stop at once.
    api.SetCommMask(rec.Handle, 0);
    Sleep(10);
    api.CloseHandle(rec.Handle);
    rec.Handle = INVALID_HANDLE_VALUE;
    return true;
}

bool CapturePortOpen(const TComPortRec& rec) {
    return rec.Stop.load() == 0 && rec.Handle && rec.Handle != INVALID_HANDLE_VALUE;
}

DWORD WINAPI CaptureThread(LPVOID param) {
    TComPortRec& rec = *static_cast<TComPortRec*>(param);
    SerialApi& api = Serial();
    FrameCutter cutter{std::span<TEdgeRecord, kEdgeSlots>(rec.Edges)};
    OVERLAPPED ov{};
    ov.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    bool counterReported = false;

    while (rec.Stop.load() == 0) {
        DWORD mask = 0;
        bool waited = false;
        if (api.WaitCommEvent(rec.Handle, &mask, &ov)) {
            waited = true;
        } else if (GetLastError() == ERROR_IO_PENDING) {
            if (WaitForSingleObject(ov.hEvent, INFINITE) == WAIT_OBJECT_0) {
                DWORD bytes = 0;
                waited = api.GetOverlappedResult(rec.Handle, &ov, &bytes, FALSE) != 0;
            }
        }
        // Read first: the timestamp is what matters, the rest can wait.
        DWORD status = 0;
        LARGE_INTEGER counter{}, frequency{};
        const bool dsrEvent = waited && (mask & EV_DSR);
        if (dsrEvent) {
            api.GetCommModemStatus(rec.Handle, &status);
            if (!api.QueryPerformanceFrequency(&frequency)) frequency.QuadPart = 0;
            api.QueryPerformanceCounter(&counter);
        }
        DWORD errors = 0;
        api.ClearCommError(rec.Handle, &errors, &rec.ComStat);
        if (rec.Stop.load() != 0) break;
        if (!dsrEvent) {
            // A port that fails every wait at once (a pulled adapter) must not starve the
            // message loop from a time-critical thread.
            Sleep(1);
            continue;
        }
        if (frequency.QuadPart == 0 && !counterReported) {
            counterReported = true;
            PostMessageW(CaptureWindow.load(), WM_COUNTERFAILED, 0, 0);
        }
        const CutResult cut = cutter.Feed((status & MS_DSR_ON) != 0, counter.QuadPart,
                                          frequency.QuadPart, Adapter.load(), FrameCount.load());
        if (cut.frameDone) {
            PostEdgeList(cut.list);
            if (cut.setUnsaved) RecordUnsaved.store(true);
        }
    }
    CloseHandle(ov.hEvent);
    return 0;
}

std::optional<std::vector<TEdgeRecord>> TakeEdgeList(WPARAM wParam, LPARAM lParam) {
    void* block = reinterpret_cast<void*>(wParam);
    if (!handOver.Take(block)) return std::nullopt;
    // Never read past the block, whatever the message says its size is.
    const std::size_t size = std::min(static_cast<std::size_t>(lParam), _msize(block));
    const std::size_t n = size / sizeof(TEdgeRecord);
    std::vector<TEdgeRecord> list(n);
    if (n) std::memcpy(list.data(), block, n * sizeof(TEdgeRecord));
    std::free(block);
    return list;
}

}  // namespace velmorant
