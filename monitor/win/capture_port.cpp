#include "monitor/win/capture_port.h"

#include <malloc.h>

#include <algorithm>
#include <cstdlib>
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
    return OpenWorkerPort(portNumber, rec, CaptureThread);
}

bool CloseCapturePort(TComPortRec& rec) {
    return CloseWorkerPort(rec);
}

bool CapturePortOpen(const TComPortRec& rec) {
    return WorkerPortOpen(rec);
}

DWORD WINAPI CaptureThread(LPVOID param) {
    TComPortRec& rec = *static_cast<TComPortRec*>(param);
    SerialApi& api = Serial();
    FrameCutter cutter{std::span<TEdgeRecord, kEdgeSlots>(rec.Edges)};
    CommEventWait wait(rec);
    bool counterReported = false;

    while (rec.Stop.load() == 0) {
        const bool dsrEvent = wait.Next();
        // Read first: the timestamp is what matters, the rest can wait.
        DWORD status = 0;
        LARGE_INTEGER counter{}, frequency{};
        if (dsrEvent) {
            api.GetCommModemStatus(wait.Port(), &status);
            if (!api.QueryPerformanceFrequency(&frequency)) frequency.QuadPart = 0;
            api.QueryPerformanceCounter(&counter);
        }
        const CommEventWait::Pass pass = wait.End(dsrEvent);
        if (pass == CommEventWait::Pass::Stop) break;
        if (pass == CommEventWait::Pass::Skip) continue;
        if (pass == CommEventWait::Pass::Failed) {
            // The main window ends the reading. The thread ends here rather than polling a
            // dead port until then.
            ReportPortFailed(CaptureWindow.load(), WM_CAPTUREFAILED);
            break;
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
