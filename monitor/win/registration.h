#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velmorant {

// One registry value of the recorded-data file type: a key below the per-user classes root
// (HKEY_CURRENT_USER\Software\Classes), a value name (empty: the key's default value) and
// the string written there.
struct FileTypeEntry {
    std::wstring key;
    std::wstring valueName;
    std::wstring value;
};

// The per-user classes root below HKEY_CURRENT_USER.
inline constexpr wchar_t kClassesRoot[] = L"Software\\Classes";

// The text that stands for the program in the registered values: its short (8.3) path, or,
// when it has no short form (empty), the full path; in double quotes when it holds a blank.
std::wstring ProgramPathText(std::wstring_view shortPath, const std::filesystem::path& fullPath);

// The short form of the executable's path as the system gives it; empty when there is none.
std::wstring ShortPathOf(const std::filesystem::path& executable);

// The five values, in the order they are written, for the program path text P:
// ".vmr" = "velmorant_file", "velmorant_file\DefaultIcon" = P ",0",
// "velmorant_file" = "Diagnostics file", "velmorant_file\shell" = "open",
// "velmorant_file\shell\open\command" = P " \"%1\"".
std::vector<FileTypeEntry> FileTypeEntries(std::wstring_view programPathText);

// Registers the recorded-data file type for the executable with the shell, for the current
// user; overwrites what stood there. Throws std::runtime_error when a key cannot be opened or
// a value cannot be written.
void RegisterFileType(const std::filesystem::path& executable);

}  // namespace velmorant
