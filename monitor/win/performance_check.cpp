#include "monitor/win/performance_check.h"

#include <array>
#include <atomic>

#include "monitor/core/check_result.h"
#include "monitor/win/capture_port.h"
#include "monitor/win/program_state.h"
#include "monitor/win/serial_api.h"

namespace velmorant {

TComPortRec CheckRec{};
std::string CheckResultText;

namespace {

// Orders the thread's writes of CheckResultText before the main window's read of it.
std::atomic<int> resultsPublished{0};

std::int64_t Counter(SerialApi& api) {
    LARGE_INTEGER now{};
    api.QueryPerformanceCounter(&now);
    return now.QuadPart;
}

}  // namespace

bool OpenCheckPort(int portNumber) {
    return OpenWorkerPort(portNumber, CheckRec, PerformanceCheckThread);
}

bool CloseCheckPort() {
    return CloseWorkerPort(CheckRec);
}

void StopPerformanceCheck() {
    CloseCheckPort();
    if (CheckRec.Thread) WaitForSingleObject(CheckRec.Thread, 2000);
}

bool CheckPortOpen() {
    return WorkerPortOpen(CheckRec);
}

void AcquireCheckResult() {
    resultsPublished.load(std::memory_order_acquire);
}

DWORD WINAPI PerformanceCheckThread(LPVOID param) {
    TComPortRec& rec = *static_cast<TComPortRec*>(param);
    SerialApi& api = Serial();
    // The opener set it before the thread started; the close operation may rewrite the
    // record's copy while this thread still polls.
    const HANDLE port = rec.Handle;
    LARGE_INTEGER frequency{};
    if (!api.QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0) {
        PostMessageW(CaptureWindow.load(), WM_CHECKFAILED, 0, 0);
        return 0;
    }
    const std::int64_t f = frequency.QuadPart;
    std::array<std::int64_t, kCheckSteps> late{};
    const std::int64_t start = Counter(api);
    for (int i = 1; i <= kCheckSteps; ++i) {
        const std::int64_t target = CheckStepTarget(start, f, i);
        std::int64_t now;
        do {
            // A thread that never looks at its queue would keep Windows' messages for it
            // (and its callers' SendMessage) waiting for the whole second.
            MSG msg;
            PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);
            // Only the program's exit stops a check before its second is up.
            if (rec.Stop.load() != 0) return 0;
            now = Counter(api);
        } while (now <= target);
        DWORD status = 0;
        api.GetCommModemStatus(port, &status);
        late[i - 1] = CheckStepLateness(now, start, f, i);
    }
    CheckResultText = CheckResultTextOf(late, f, UserLocale.DecimalSeparator);
    resultsPublished.fetch_add(1, std::memory_order_release);
    PostMessageW(CaptureWindow.load(), WM_CHECKDONE, 0, 0);
    return 0;
}

}  // namespace velmorant
