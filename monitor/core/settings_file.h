#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "monitor/core/ini_file.h"
#include "monitor/core/settings.h"

namespace velmorant {

// The settings file: the program's path with the extension ".ini".
std::filesystem::path SettingsPathOf(const std::filesystem::path& executable);

// A decimal or hexadecimal ("0x", "$") integer; the default for a missing key or any other
// text. Booleans are integers other than 0.
std::int32_t ReadSettingsInteger(const IniFile& ini, std::string_view section, std::string_view key,
                                 std::int32_t defaultValue);
bool ReadSettingsBool(const IniFile& ini, std::string_view section, std::string_view key, bool defaultValue);

// A file whose "Version" is missing or below 7090 loses "Param" and "FormPos", written back
// at once, so that no old value is ever read. Throws IniWriteError when that write fails.
void ApplyVersionRule(IniFile& ini, const std::filesystem::path& path);

// Every setting, after the version rule. A missing file gives the defaults. An IniWriteError
// leaves the caller's values as they were, since nothing is returned.
Settings ReadSettings(const std::filesystem::path& path);

// Viewer's keys of "Param" after the same version rule; nothing else is read or written.
ViewerSettings ReadViewerSettings(const std::filesystem::path& path);

// Writes "Version" 8000 and every setting in the order of a new file (of the window places,
// those that are known); "ActiveForms" only when `includeActiveForms` (the exit-time write).
// Other content of the file stays. The file is replaced atomically: an IniWriteError leaves
// it as it was.
void WriteSettings(const std::filesystem::path& path, const Settings& settings, bool includeActiveForms);

}  // namespace velmorant
