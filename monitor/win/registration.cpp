#include "monitor/win/registration.h"

#include <windows.h>

#include <stdexcept>

#include "ui/text.h"

namespace velmorant {

namespace {

constexpr char kExtension[] = ".vmr";
constexpr char kTypeName[] = "velmorant_file";
constexpr char kTypeDescription[] = "Diagnostics file";

std::wstring Wide(std::string_view text) { return ui::Cp1251ToWide(text); }

std::wstring TypeKey(std::string_view below) {
    std::wstring key = Wide(kTypeName);
    if (!below.empty()) key += L'\\' + Wide(below);
    return key;
}

[[noreturn]] void FailSetData(const std::wstring& valueName) {
    throw std::runtime_error("Failed to set data for '" + ui::WideToCp1251(valueName) + "'");
}

void WriteEntry(const FileTypeEntry& entry) {
    const std::wstring path = std::wstring(kClassesRoot) + L'\\' + entry.key;
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        FailSetData(entry.valueName);
    }
    const auto bytes = static_cast<DWORD>((entry.value.size() + 1) * sizeof(wchar_t));
    const LONG written =
        RegSetValueExW(key, entry.valueName.empty() ? nullptr : entry.valueName.c_str(), 0,
                       REG_SZ, reinterpret_cast<const BYTE*>(entry.value.c_str()), bytes);
    RegCloseKey(key);
    if (written != ERROR_SUCCESS) FailSetData(entry.valueName);
}

}  // namespace

std::wstring ProgramPathText(std::wstring_view shortPath, const std::filesystem::path& fullPath) {
    // A volume without 8.3 names gives the long path back as the short one, blanks and all.
    const std::wstring path = shortPath.empty() ? fullPath.wstring() : std::wstring(shortPath);
    if (shortPath.empty() || path.find(L' ') != std::wstring::npos) return L"\"" + path + L"\"";
    return path;
}

std::wstring ShortPathOf(const std::filesystem::path& executable) {
    const std::wstring full = executable.wstring();
    DWORD size = GetShortPathNameW(full.c_str(), nullptr, 0);
    if (size == 0) return {};
    std::wstring out(size, L'\0');
    DWORD length = GetShortPathNameW(full.c_str(), out.data(), size);
    if (length == 0 || length >= size) return {};
    out.resize(length);
    return out;
}

std::vector<FileTypeEntry> FileTypeEntries(std::wstring_view programPathText) {
    const std::wstring p(programPathText);
    return {
        {Wide(kExtension), L"", Wide(kTypeName)},
        {TypeKey("DefaultIcon"), L"", p + L",0"},
        {TypeKey(""), L"", Wide(kTypeDescription)},
        {TypeKey("shell"), L"", L"open"},
        {TypeKey("shell\\open\\command"), L"", p + L" \"%1\""},
    };
}

void RegisterFileType(const std::filesystem::path& executable) {
    const std::wstring text = ProgramPathText(ShortPathOf(executable), executable);
    for (const FileTypeEntry& entry : FileTypeEntries(text)) WriteEntry(entry);
}

}  // namespace velmorant
