#include "monitor/win/cable_check_port.h"

#include "monitor/win/serial_api.h"

namespace velmorant {

TComPortRec CableRec{};
std::atomic<HWND> CableCheckWindow{nullptr};

bool OpenCablePort(int portNumber) {
    return OpenWorkerPort(portNumber, CableRec, CableCheckThread);
}

bool CloseCablePort() {
    return CloseWorkerPort(CableRec);
}

DWORD WINAPI CableCheckThread(LPVOID param) {
    TComPortRec& rec = *static_cast<TComPortRec*>(param);
    SerialApi& api = Serial();
    CommEventWait wait(rec);
    // The line may be on already when the check starts: its level is shown at once, and
    // from here on each change. Read here, before the first wait, so no change reported
    // later can be overtaken by it.
    DWORD initial = 0;
    if (api.GetCommModemStatus(wait.Port(), &initial))
        PostMessageW(CableCheckWindow.load(), WM_CABLELEVEL, (initial & MS_DSR_ON) ? 1 : 0, 0);
    while (rec.Stop.load() == 0) {
        const bool dsrEvent = wait.Next();
        DWORD status = 0;
        if (dsrEvent) api.GetCommModemStatus(wait.Port(), &status);
        const CommEventWait::Pass pass = wait.End(dsrEvent);
        if (pass == CommEventWait::Pass::Stop) break;
        if (pass == CommEventWait::Pass::Skip) continue;
        if (pass == CommEventWait::Pass::Failed) {
            // A level shown from here on would be a frozen one: the window ends the check.
            ReportPortFailed(CableCheckWindow.load(), WM_CABLEFAILED);
            break;
        }
        PostMessageW(CableCheckWindow.load(), WM_CABLELEVEL, (status & MS_DSR_ON) ? 1 : 0, 0);
    }
    return 0;
}

}  // namespace velmorant
