#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace ui {

// Where the program runs from and what it was started with; tests give their own.
class ProgramEnvironment {
public:
    virtual ~ProgramEnvironment() = default;
    virtual std::filesystem::path ExecutablePath() = 0;
    // The command-line arguments after the program's name.
    virtual std::vector<std::wstring> Arguments() = 0;
};

std::filesystem::path ExecutablePath();
std::filesystem::path ProgramFolder();
std::vector<std::wstring> CommandLineArguments();
// nullptr restores the real environment.
void SetProgramEnvironment(ProgramEnvironment* environment);

}  // namespace ui
