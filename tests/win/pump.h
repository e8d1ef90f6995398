#pragma once

#include <windows.h>

#include "ui/application.h"

namespace velmorant::test {

// Lets the windows' messages through for a while.
inline void PumpFor(int milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < static_cast<DWORD>(milliseconds)) {
        ui::ProcessMessages();
        Sleep(5);
    }
}

// Lets the windows' messages through until `done` holds or `ms` have passed.
template <class Done>
void PumpUntil(Done done, DWORD ms = 5000) {
    const DWORD start = GetTickCount();
    while (!done() && GetTickCount() - start < ms) {
        ui::ProcessMessages();
        Sleep(1);
    }
}

}  // namespace velmorant::test
