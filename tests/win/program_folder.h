#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "monitor/core/settings_file.h"
#include "ui/program_environment.h"

namespace velmorant::test {

// The program run from a fresh folder of its own, so that its settings file is the test's,
// with the command line in `arguments`. In force while it lives; the folder goes with it.
class ProgramFolder : public ui::ProgramEnvironment {
public:
    explicit ProgramFolder(const std::string& name)
        : folder(std::filesystem::temp_directory_path() / name) {
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        ui::SetProgramEnvironment(this);
    }
    ~ProgramFolder() override {
        ui::SetProgramEnvironment(nullptr);
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    std::filesystem::path ExecutablePath() override { return folder / "Velmorant.exe"; }
    std::vector<std::wstring> Arguments() override { return arguments; }
    std::filesystem::path SettingsFile() { return SettingsPathOf(ExecutablePath()); }

    const std::filesystem::path folder;
    std::vector<std::wstring> arguments;
};

}  // namespace velmorant::test
