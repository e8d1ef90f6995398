#include "ui/program_environment.h"

#include <windows.h>
#include <shellapi.h>

namespace ui {

namespace {

class SystemEnvironment : public ProgramEnvironment {
public:
    std::filesystem::path ExecutablePath() override {
        std::wstring buffer(MAX_PATH, L'\0');
        for (;;) {
            DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
            if (n < buffer.size()) {
                buffer.resize(n);
                return buffer;
            }
            buffer.resize(buffer.size() * 2);
        }
    }

    std::vector<std::wstring> Arguments() override {
        std::vector<std::wstring> out;
        int count = 0;
        LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
        if (!argv) return out;
        for (int i = 1; i < count; ++i) out.emplace_back(argv[i]);
        LocalFree(argv);
        return out;
    }
};

ProgramEnvironment*& Installed() {
    static ProgramEnvironment* installed = nullptr;
    return installed;
}

ProgramEnvironment& Current() {
    static SystemEnvironment system;
    ProgramEnvironment* e = Installed();
    return e ? *e : system;
}

}  // namespace

std::filesystem::path ExecutablePath() { return Current().ExecutablePath(); }

std::filesystem::path ProgramFolder() { return ExecutablePath().parent_path(); }

std::vector<std::wstring> CommandLineArguments() { return Current().Arguments(); }

void SetProgramEnvironment(ProgramEnvironment* environment) { Installed() = environment; }

}  // namespace ui
