#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <string_view>

#include "monitor/core/edge_record.h"
#include "monitor/core/frame_cutter.h"

namespace velmorant {

// The port record of one worker thread.
#pragma pack(push, 1)
struct TComPortRec {
    std::uint8_t Active;
    HANDLE Handle;
    DCB Dcb;
    COMSTAT ComStat;
    HANDLE Thread;
    TEdgeRecord Edges[kEdgeSlots];
    std::int32_t Reserved;
    // Written by the opener and the close operation, read by the worker.
    std::atomic<std::uint8_t> Stop;
};
#pragma pack(pop)
static_assert(std::atomic<std::uint8_t>::is_always_lock_free);

// The open and close that the reading and both checks share; they differ only in their
// record and the worker started on it.
//
// Opens "\\.\COM" + the number (9600 baud, DSR events only, DTR and RTS off), clears Stop
// and starts the worker on the record at time-critical priority. False on any failure, with
// nothing left open.
bool OpenWorkerPort(int portNumber, TComPortRec& rec, LPTHREAD_START_ROUTINE worker);
// Tells the worker to stop, completes its pending wait and closes the port. Always true.
bool CloseWorkerPort(TComPortRec& rec);
// Whether the record's port is open and its worker not told to stop.
bool WorkerPortOpen(const TComPortRec& rec);
// Whether a worker's report that its port failed (WParam: the worker's thread id) comes from
// the worker now running on the record: one that arrives after a stop, or from the thread of
// an earlier run, is old news.
bool FromRunningWorker(const TComPortRec& rec, WPARAM threadId);
// The number of the port box's number text (PortNumberText); a text that is no number raises
// the conversion error, so the command ends in the error box with nothing opened.
int PortNumberOrThrow(std::string_view numberText);

// Tells `window` with `message` that the calling worker's port keeps failing; WParam is the
// worker's thread id, for FromRunningWorker.
void ReportPortFailed(HWND window, UINT message);

// The wait of a worker that follows the DSR line: one comm event per pass, the line errors
// cleared after it. A pass:
//     const bool dsr = wait.Next();
//     (read what must be read at once)
//     switch (wait.End(dsr)) ...
class CommEventWait {
public:
    explicit CommEventWait(TComPortRec& rec);
    ~CommEventWait();
    CommEventWait(const CommEventWait&) = delete;
    CommEventWait& operator=(const CommEventWait&) = delete;

    // Waits for the next comm event; true when it brought a DSR change.
    bool Next();
    // A port fails when its waits have failed at least kFailedWaits times in a row over
    // kFailingMs.
    static constexpr int kFailedWaits = 3;
    static constexpr ULONGLONG kFailingMs = 1000;

    enum class Pass { Stop, Skip, Go, Failed };
    // Clears the line errors; Stop when the worker is to end, Skip after a pass without a
    // DSR change, Go when the change is to be handled, Failed when the port has failed every
    // wait for a while: nothing more will come from it, so the worker reports that to its
    // window (ReportPortFailed) and ends.
    Pass End(bool dsrEvent);

    // The port as it was when the worker started: the closer rewrites the record's handle
    // while the worker may still be between two calls.
    HANDLE Port() const { return port_; }

private:
    // A pulled adapter or a driver gone, with no successful wait since the failures began. A
    // working line that fails a wait now and then never gets here.
    bool PortFailing() const;

    TComPortRec& rec_;
    const HANDLE port_;
    OVERLAPPED ov_{};
    int failedInRow_ = 0;
    ULONGLONG failingSince_ = 0;
};

}  // namespace velmorant
