// A test plug-in whose InitPlugin adds one command and then fails with a C++ exception.
#include <stdexcept>

#include "monitor/plugin_interface.h"

extern "C" __declspec(dllexport) void InitPlugin(TIPluginDemo* host) {
    host->Table->AddMenuItem(host, "Before the error", nullptr, nullptr);
    throw std::runtime_error("Plug-in failed");
}
