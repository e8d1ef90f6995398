#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include "tests/win/pump.h"
#include "ui/application.h"

namespace velmorant::test {

// Whether the foreground window is still one of this process's. The display is shared with
// the other test programs, whose windows may take the activation at any moment.
inline bool StillForeground() {
    DWORD pid = 0;
    GetWindowThreadProcessId(GetForegroundWindow(), &pid);
    return pid == GetCurrentProcessId();
}

// Runs a scenario about activation again while it says (by answering false) that another
// program disturbed it.
template <class Scenario>
void Undisturbed(Scenario scenario) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (scenario()) return;
        PumpFor(100 * (attempt + 1));
    }
    ADD_FAILURE() << "another program kept taking the activation";
}

// The same for a scenario that must also end with one of our windows in the foreground.
template <class Scenario>
void UndisturbedInForeground(Scenario scenario) {
    Undisturbed([&] { return scenario() && StillForeground(); });
}

}  // namespace velmorant::test
