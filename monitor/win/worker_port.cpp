#include "monitor/win/worker_port.h"

#include <cstring>
#include <stdexcept>
#include <string>

#include "monitor/core/record_file_text.h"
#include "monitor/win/serial_api.h"

namespace velmorant {

bool OpenWorkerPort(int portNumber, TComPortRec& rec, LPTHREAD_START_ROUTINE worker) {
    SerialApi& api = Serial();
    // A previous thread on this record has been told to stop (or, for the performance check,
    // ends by itself within a second); it must be gone before a new one uses the record.
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
        !api.PurgeComm(rec.Handle, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR) ||
        !api.SetCommState(rec.Handle, &dcb)) {
        api.CloseHandle(rec.Handle);
        rec.Handle = INVALID_HANDLE_VALUE;
        return false;
    }
    COMMTIMEOUTS timeouts{MAXDWORD, 0, 0, 0, 0};
    api.SetCommTimeouts(rec.Handle, &timeouts);

    rec.Stop.store(0);
    rec.Thread = CreateThread(nullptr, 0, worker, &rec, 0, nullptr);
    if (!rec.Thread) {
        api.CloseHandle(rec.Handle);
        rec.Handle = INVALID_HANDLE_VALUE;
        return false;
    }
    SetThreadPriority(rec.Thread, THREAD_PRIORITY_TIME_CRITICAL);
    return true;
}

bool CloseWorkerPort(TComPortRec& rec) {
    SerialApi& api = Serial();
    rec.Stop.store(1);
    // Clearing the mask completes the thread's pending wait, so it sees the stop at once.
    api.SetCommMask(rec.Handle, 0);
    Sleep(10);
    api.CloseHandle(rec.Handle);
    rec.Handle = INVALID_HANDLE_VALUE;
    return true;
}

bool WorkerPortOpen(const TComPortRec& rec) {
    return rec.Stop.load() == 0 && rec.Handle && rec.Handle != INVALID_HANDLE_VALUE;
}

bool FromRunningWorker(const TComPortRec& rec, WPARAM threadId) {
    return WorkerPortOpen(rec) && rec.Thread && GetThreadId(rec.Thread) == threadId;
}

void ReportPortFailed(HWND window, UINT message) {
    PostMessageW(window, message, GetCurrentThreadId(), 0);
}

int PortNumberOrThrow(std::string_view numberText) {
    const auto port = ParseInteger(numberText);
    if (!port) throw std::runtime_error(NotAnIntegerText(numberText));
    return *port;
}

CommEventWait::CommEventWait(TComPortRec& rec) : rec_(rec), port_(rec.Handle) {
    ov_.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
}

CommEventWait::~CommEventWait() {
    CloseHandle(ov_.hEvent);
}

bool CommEventWait::Next() {
    SerialApi& api = Serial();
    DWORD mask = 0;
    bool waited = false;
    if (api.WaitCommEvent(port_, &mask, &ov_)) {
        waited = true;
    } else if (GetLastError() == ERROR_IO_PENDING) {
        if (WaitForSingleObject(ov_.hEvent, INFINITE) == WAIT_OBJECT_0) {
            DWORD bytes = 0;
            waited = api.GetOverlappedResult(port_, &ov_, &bytes, FALSE) != 0;
        }
    }
    if (waited) {
        failedInRow_ = 0;
    } else if (failedInRow_++ == 0) {
        failingSince_ = GetTickCount64();
    }
    return waited && (mask & EV_DSR);
}

bool CommEventWait::PortFailing() const {
    return failedInRow_ >= kFailedWaits && GetTickCount64() - failingSince_ >= kFailingMs;
}

CommEventWait::Pass CommEventWait::End(bool dsrEvent) {
    DWORD errors = 0;
    Serial().ClearCommError(port_, &errors, &rec_.ComStat);
    if (rec_.Stop.load() != 0) return Pass::Stop;
    if (!dsrEvent) {
        // A port that fails every wait at once (a pulled adapter) must not starve the
        // message loop from a time-critical thread; once the failures run on, a slower pace
        // still notices a line that comes back.
        Sleep(failedInRow_ >= kFailedWaits ? 10 : 1);
        return PortFailing() ? Pass::Failed : Pass::Skip;
    }
    return Pass::Go;
}

}  // namespace velmorant
