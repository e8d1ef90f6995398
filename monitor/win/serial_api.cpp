#include "monitor/win/serial_api.h"

#include <atomic>

namespace velmorant {

namespace {

class WindowsSerialApi final : public SerialApi {
public:
    HANDLE CreateFileA(const char* name) override {
        return ::CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                             FILE_FLAG_OVERLAPPED, nullptr);
    }
    BOOL CloseHandle(HANDLE h) override { return ::CloseHandle(h); }
    BOOL SetCommMask(HANDLE h, DWORD mask) override { return ::SetCommMask(h, mask); }
    BOOL SetupComm(HANDLE h, DWORD in, DWORD out) override { return ::SetupComm(h, in, out); }
    BOOL PurgeComm(HANDLE h, DWORD flags) override { return ::PurgeComm(h, flags); }
    BOOL SetCommState(HANDLE h, DCB* dcb) override { return ::SetCommState(h, dcb); }
    BOOL SetCommTimeouts(HANDLE h, COMMTIMEOUTS* t) override { return ::SetCommTimeouts(h, t); }
    BOOL WaitCommEvent(HANDLE h, DWORD* mask, OVERLAPPED* ov) override {
        return ::WaitCommEvent(h, mask, ov);
    }
    BOOL GetOverlappedResult(HANDLE h, OVERLAPPED* ov, DWORD* bytes, BOOL wait) override {
        return ::GetOverlappedResult(h, ov, bytes, wait);
    }
    BOOL ClearCommError(HANDLE h, DWORD* errors, COMSTAT* stat) override {
        return ::ClearCommError(h, errors, stat);
    }
    BOOL GetCommModemStatus(HANDLE h, DWORD* status) override {
        return ::GetCommModemStatus(h, status);
    }
    BOOL QueryPerformanceFrequency(LARGE_INTEGER* f) override {
        return ::QueryPerformanceFrequency(f);
    }
    BOOL QueryPerformanceCounter(LARGE_INTEGER* c) override { return ::QueryPerformanceCounter(c); }
};

WindowsSerialApi windowsApi;
std::atomic<SerialApi*> current{&windowsApi};

}  // namespace

SerialApi& Serial() { return *current.load(std::memory_order_acquire); }

void SetSerialApi(SerialApi* api) {
    current.store(api ? api : &windowsApi, std::memory_order_release);
}

}  // namespace velmorant
