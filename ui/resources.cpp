#include "ui/resources.h"

namespace ui {

namespace {
HINSTANCE& Installed() {
    static HINSTANCE installed = nullptr;
    return installed;
}
}  // namespace

HINSTANCE CodeModule() {
    static HINSTANCE module = [] {
        HMODULE m = nullptr;
        GetModuleHandleExW(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            reinterpret_cast<LPCWSTR>(&CodeModule), &m);
        return m;
    }();
    return module;
}

HINSTANCE ResourceModule() { return Installed() ? Installed() : CodeModule(); }

void SetResourceModule(HINSTANCE module) { Installed() = module; }

}  // namespace ui
