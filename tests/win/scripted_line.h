#pragma once

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "monitor/win/serial_api.h"
#include "tests/support/ecu_stream.h"

namespace velmorant::test {

inline HANDLE const kFakePort = reinterpret_cast<HANDLE>(0x7777);

// A serial line that plays a list of DSR changes, then either keeps a wait pending until the
// mask is cleared (as a quiet line does) or is gone (a pulled adapter): from its first failed
// wait on, every call on the port fails at once.
class ScriptedLine : public SerialApi {
public:
    std::vector<DsrEvent> events;
    bool failWaits = false;
    // A working line's hiccup: before event `failAt` is played, its waits fail for
    // `failForMs` (0: one wait fails), then the line goes on.
    std::size_t failAt = SIZE_MAX;
    DWORD failForMs = 0;
    // The DSR line as it is when the port opens, and a modem status that cannot be read.
    bool dsrAtOpen = false;
    bool failStatus = false;
    bool failSetCommState = false;
    std::int64_t frequency = 10'000'000;
    // The counter a poller reads: the script's readings, unless each reading is to advance
    // it by a step or the machine's own counter is wanted.
    std::int64_t counterStep = 0;
    bool realCounter = false;
    std::atomic<int> waits{0};
    std::atomic<int> failedWaits{0};
    std::atomic<int> statusReads{0};
    std::atomic<int> openHandles{0};
    std::vector<std::string> opened;
    // The script plays up to this event (exclusive), then the line is quiet until PlayOn.
    std::atomic<std::size_t> holdAt{SIZE_MAX};

    HANDLE CreateFileA(const char* name) override {
        opened.push_back(name);
        if (std::string(name) != "\\\\.\\COM7") return INVALID_HANDLE_VALUE;
        // Every opening plays the script from its start on a line that waits again.
        next_ = 0;
        current_ = {dsrAtOpen, 0};
        gone_ = false;
        bursting_ = false;
        burstDone_ = false;
        pending_ = nullptr;
        pendingMask_ = nullptr;
        maskCleared_ = false;
        ++openHandles;
        return kFakePort;
    }
    BOOL CloseHandle(HANDLE h) override {
        if (h == kFakePort) --openHandles;
        return TRUE;
    }
    BOOL SetCommMask(HANDLE, DWORD mask) override {
        if (gone_) return Fail();
        if (mask == 0) {
            maskCleared_ = true;
            if (pending_) SetEvent(pending_);
        }
        return TRUE;
    }
    BOOL SetupComm(HANDLE, DWORD, DWORD) override { return TRUE; }
    BOOL PurgeComm(HANDLE, DWORD) override { return TRUE; }
    BOOL SetCommState(HANDLE, DCB* dcb) override {
        lastDcb = *dcb;
        return !failSetCommState;
    }
    BOOL SetCommTimeouts(HANDLE, COMMTIMEOUTS*) override { return TRUE; }
    BOOL WaitCommEvent(HANDLE, DWORD* mask, OVERLAPPED* ov) override {
        ++waits;
        if (gone_) {
            ++failedWaits;
            return Fail();
        }
        if (next_ == failAt && !burstDone_) {
            const DWORD now = GetTickCount();
            const bool first = !bursting_;
            if (first) {
                bursting_ = true;
                burstStart_ = now;
            }
            if (first || now - burstStart_ < failForMs) {
                ++failedWaits;
                return Fail();
            }
            burstDone_ = true;
        }
        if (next_ < std::min(events.size(), holdAt.load())) {
            current_ = events[next_++];
            *mask = EV_DSR;
            return TRUE;
        }
        if (failWaits) {
            gone_ = true;
            ++failedWaits;
            return Fail();
        }
        *mask = 0;
        // As Windows does when an overlapped operation starts.
        ResetEvent(ov->hEvent);
        pendingMask_ = mask;
        pending_ = ov->hEvent;
        if (maskCleared_) SetEvent(pending_);
        SetLastError(ERROR_IO_PENDING);
        return FALSE;
    }
    BOOL GetOverlappedResult(HANDLE, OVERLAPPED*, DWORD*, BOOL) override { return TRUE; }
    BOOL ClearCommError(HANDLE, DWORD* e, COMSTAT*) override {
        *e = 0;
        return gone_ ? Fail() : TRUE;
    }
    BOOL GetCommModemStatus(HANDLE, DWORD* status) override {
        ++statusReads;
        if (gone_ || failStatus) return Fail();
        *status = current_.dsrOn ? MS_DSR_ON : 0;
        return TRUE;
    }
    BOOL QueryPerformanceFrequency(LARGE_INTEGER* f) override {
        if (realCounter) return ::QueryPerformanceFrequency(f);
        f->QuadPart = frequency;
        return frequency != 0;
    }
    BOOL QueryPerformanceCounter(LARGE_INTEGER* c) override {
        if (realCounter) return ::QueryPerformanceCounter(c);
        c->QuadPart = counterStep ? (clock_ += counterStep) : current_.counter;
        return TRUE;
    }
    DCB lastDcb{};

    // Once the script has played: completes the wait the worker has pending with one more
    // DSR change. False when no wait became pending within a second.
    bool Change(bool dsrOn) {
        DWORD* mask = PendingWait();
        if (!mask) return false;
        current_ = {dsrOn, current_.counter + 1};
        Complete(mask);
        return true;
    }
    // At the hold: lets the script play on up to event `to` (exclusive). False when no wait
    // became pending within a second.
    bool PlayOn(std::size_t to) {
        DWORD* mask = PendingWait();
        if (!mask) return false;
        holdAt = to;
        current_ = events[next_++];
        Complete(mask);
        return true;
    }

private:
    // What Windows says about a port whose device has gone.
    static BOOL Fail() {
        SetLastError(ERROR_BAD_COMMAND);
        return FALSE;
    }
    // The worker is blocked in its wait while the caller holds the mask, so the script's
    // state may be changed until Complete.
    DWORD* PendingWait() {
        const DWORD start = GetTickCount();
        DWORD* mask = nullptr;
        while (!(mask = pendingMask_.exchange(nullptr)) && GetTickCount() - start < 1000) Sleep(1);
        return mask;
    }
    void Complete(DWORD* mask) {
        *mask = EV_DSR;
        SetEvent(pending_);
    }

    std::size_t next_ = 0;
    DsrEvent current_{false, 0};
    std::atomic<HANDLE> pending_{nullptr};
    std::atomic<DWORD*> pendingMask_{nullptr};
    std::atomic<bool> maskCleared_{false};
    std::int64_t clock_ = 0;
    std::atomic<bool> gone_{false};
    DWORD burstStart_ = 0;
    bool bursting_ = false;
    bool burstDone_ = false;
};

}  // namespace velmorant::test
