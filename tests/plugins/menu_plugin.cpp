// A test plug-in that adds a separator and one command named after its own file, and
// records what the host hands it, for the plug-in host's tests to read back.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "monitor/plugin_interface.h"

namespace {

TIPluginDemo* hostObject = nullptr;
void* application = nullptr;
int handlerData = 0;
void* clickedData = nullptr;
void* clickedSender = nullptr;
int clicks = 0;
char caption[MAX_PATH + 16];

void Clicked(void* data, void* sender) {
    clickedData = data;
    clickedSender = sender;
    ++clicks;
}

// The file name without its extension: copies of this library under other names tell
// their commands apart.
void OwnName(char* out, std::size_t size) {
    HMODULE self = nullptr;
    GetModuleHandleExA(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCSTR>(&Clicked), &self);
    char path[MAX_PATH] = {};
    GetModuleFileNameA(self, path, MAX_PATH);
    const char* name = std::strrchr(path, '\\');
    name = name ? name + 1 : path;
    std::snprintf(out, size, "%s", name);
    if (char* dot = std::strrchr(out, '.')) *dot = '\0';
}

}  // namespace

extern "C" __declspec(dllexport) void InitPlugin(TIPluginDemo* host) {
    hostObject = host;
    application = host->Table->GetApplication(host);
    host->Table->ReceiveText(host, "ignored");
    host->Table->AddMenuItem(host, "-", nullptr, nullptr);
    char name[MAX_PATH];
    OwnName(name, sizeof name);
    std::snprintf(caption, sizeof caption, "Command of %s", name);
    host->Table->AddMenuItem(host, caption, Clicked, &handlerData);
    // The host has its own copy of the caption by now.
    std::strcpy(caption, "Changed");
}

extern "C" __declspec(dllexport) TIPluginDemo* TestHostObject() {
    return hostObject;
}
extern "C" __declspec(dllexport) void* TestApplication() {
    return application;
}
extern "C" __declspec(dllexport) void* TestHandlerData() {
    return &handlerData;
}
extern "C" __declspec(dllexport) int TestClicks(void** data, void** sender) {
    *data = clickedData;
    *sender = clickedSender;
    return clicks;
}
