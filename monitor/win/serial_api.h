#pragma once

#include <windows.h>

namespace velmorant {

// The serial, counter and handle calls of the port workers, behind one small interface so a
// test can run the real worker loop on a scripted line. The default calls Windows.
class SerialApi {
public:
    virtual ~SerialApi() = default;
    virtual HANDLE CreateFileA(const char* name) = 0;  // read/write, exclusive, overlapped
    virtual BOOL CloseHandle(HANDLE h) = 0;
    virtual BOOL SetCommMask(HANDLE h, DWORD mask) = 0;
    virtual BOOL SetupComm(HANDLE h, DWORD in, DWORD out) = 0;
    virtual BOOL PurgeComm(HANDLE h, DWORD flags) = 0;
    virtual BOOL SetCommState(HANDLE h, DCB* dcb) = 0;
    virtual BOOL SetCommTimeouts(HANDLE h, COMMTIMEOUTS* timeouts) = 0;
    virtual BOOL WaitCommEvent(HANDLE h, DWORD* mask, OVERLAPPED* ov) = 0;
    virtual BOOL GetOverlappedResult(HANDLE h, OVERLAPPED* ov, DWORD* bytes, BOOL wait) = 0;
    virtual BOOL ClearCommError(HANDLE h, DWORD* errors, COMSTAT* stat) = 0;
    virtual BOOL GetCommModemStatus(HANDLE h, DWORD* status) = 0;
    virtual BOOL QueryPerformanceFrequency(LARGE_INTEGER* f) = 0;
    virtual BOOL QueryPerformanceCounter(LARGE_INTEGER* c) = 0;
};

// The interface in force; tests put their own in place and restore the default with nullptr.
SerialApi& Serial();
void SetSerialApi(SerialApi* api);

}  // namespace velmorant
