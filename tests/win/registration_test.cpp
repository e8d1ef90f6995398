#include <gtest/gtest.h>

#include <windows.h>

#include <cwctype>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "monitor/win/registration.h"

using namespace velmorant;

namespace {

const std::wstring kExtensionKey = L"Software\\Classes\\.vmr";
const std::wstring kTypeKey = L"Software\\Classes\\velmorant_file";

void DeleteWrittenKeys() {
    RegDeleteTreeW(HKEY_CURRENT_USER, kExtensionKey.c_str());
    RegDeleteTreeW(HKEY_CURRENT_USER, kTypeKey.c_str());
}

struct Stored {
    DWORD type = 0;
    std::wstring text;
};

// The default value of a key below HKEY_CURRENT_USER\Software\Classes; nothing when absent.
std::optional<Stored> ReadDefault(const std::wstring& key) {
    const std::wstring path = L"Software\\Classes\\" + key;
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &handle) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    Stored stored;
    DWORD bytes = 0;
    LONG rc = RegQueryValueExW(handle, nullptr, nullptr, &stored.type, nullptr, &bytes);
    if (rc != ERROR_SUCCESS) {
        RegCloseKey(handle);
        return std::nullopt;
    }
    std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
    rc = RegQueryValueExW(handle, nullptr, nullptr, &stored.type,
                          reinterpret_cast<BYTE*>(buffer.data()), &bytes);
    RegCloseKey(handle);
    if (rc != ERROR_SUCCESS) return std::nullopt;
    stored.text.assign(buffer.data());
    return stored;
}

void WriteDefault(const std::wstring& key, const std::wstring& value) {
    const std::wstring path = L"Software\\Classes\\" + key;
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, path.c_str(), nullptr, REG_SZ, value.c_str(),
                              static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
}

std::filesystem::path ThisExecutable() {
    std::wstring buffer(MAX_PATH, L'\0');
    DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    buffer.resize(n);
    return buffer;
}

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

// The five values the registry must hold for the program path text P.
struct Expected {
    const wchar_t* key;
    std::wstring value;
};
std::vector<Expected> ExpectedValues(const std::wstring& p) {
    return {
        {L".vmr", L"velmorant_file"},
        {L"velmorant_file\\DefaultIcon", p + L",0"},
        {L"velmorant_file", L"Diagnostics file"},
        {L"velmorant_file\\shell", L"open"},
        {L"velmorant_file\\shell\\open\\command", p + L" \"%1\""},
    };
}

void ExpectRegistered(const std::wstring& p) {
    for (const Expected& e : ExpectedValues(p)) {
        SCOPED_TRACE(e.key);
        const std::optional<Stored> stored = ReadDefault(e.key);
        ASSERT_TRUE(stored.has_value());
        EXPECT_EQ(stored->type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(stored->text, e.value);
    }
}

class Registration : public ::testing::Test {
protected:
    void SetUp() override { DeleteWrittenKeys(); }
    void TearDown() override {
        DeleteWrittenKeys();
        std::error_code ignored;
        if (!folder_.empty()) std::filesystem::remove_all(folder_, ignored);
    }

    // A program file with long names and blanks in its path, which therefore has a short
    // form different from it.
    std::filesystem::path LongNamedProgram() {
        folder_ = std::filesystem::temp_directory_path() / L"Velmorant registration folder";
        std::filesystem::create_directories(folder_);
        std::filesystem::path file = folder_ / L"long program name.exe";
        std::ofstream(file) << "x";
        return file;
    }

    std::filesystem::path folder_;
};

}  // namespace

TEST(FileTypeEntriesTest, FiveDefaultValuesInWritingOrder) {
    const std::vector<FileTypeEntry> entries = FileTypeEntries(L"C:\\PROGRA~1\\VELMOR~1.EXE");
    const std::vector<Expected> expected = ExpectedValues(L"C:\\PROGRA~1\\VELMOR~1.EXE");
    ASSERT_EQ(entries.size(), expected.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(entries[i].key, expected[i].key);
        EXPECT_EQ(entries[i].valueName, L"");
        EXPECT_EQ(entries[i].value, expected[i].value);
    }
    EXPECT_EQ(entries[4].value, L"C:\\PROGRA~1\\VELMOR~1.EXE \"%1\"");
    EXPECT_EQ(entries[1].value, L"C:\\PROGRA~1\\VELMOR~1.EXE,0");
}

TEST(ProgramPathTextTest, ShortPathStandsAsItIs) {
    EXPECT_EQ(ProgramPathText(L"C:\\VELMOR~1\\V.EXE", L"C:\\Velmorant files\\v.exe"),
              L"C:\\VELMOR~1\\V.EXE");
}

TEST(ProgramPathTextTest, WithoutShortFormTheFullPathIsQuoted) {
    EXPECT_EQ(ProgramPathText(L"", L"C:\\Velmorant files\\v.exe"),
              L"\"C:\\Velmorant files\\v.exe\"");
}

// On a volume without 8.3 names the short form is the long path itself: a blank in it must
// not split the open command.
TEST(ProgramPathTextTest, ShortFormWithABlankIsQuoted) {
    EXPECT_EQ(ProgramPathText(L"D:\\Velmorant files\\v.exe", L"D:\\Velmorant files\\v.exe"),
              L"\"D:\\Velmorant files\\v.exe\"");
    const std::vector<FileTypeEntry> entries =
        FileTypeEntries(ProgramPathText(L"D:\\A B\\v.exe", L"D:\\A B\\v.exe"));
    EXPECT_EQ(entries[4].value, L"\"D:\\A B\\v.exe\" \"%1\"");
}

TEST(ShortPathOfTest, MissingFileHasNoShortForm) {
    const std::filesystem::path missing =
        std::filesystem::temp_directory_path() / L"no such folder 4711" / L"missing.exe";
    EXPECT_EQ(ShortPathOf(missing), L"");
}

TEST_F(Registration, ShortPathOfNamesTheSameFileWithoutBlanks) {
    const std::filesystem::path program = LongNamedProgram();
    const std::wstring shortPath = ShortPathOf(program);
    ASSERT_FALSE(shortPath.empty());
    EXPECT_EQ(shortPath.find(L' '), std::wstring::npos) << shortPath;
    EXPECT_NE(Lower(shortPath), Lower(program.wstring()));
    std::wstring longPath(MAX_PATH * 2, L'\0');
    DWORD n = GetLongPathNameW(shortPath.c_str(), longPath.data(),
                               static_cast<DWORD>(longPath.size()));
    longPath.resize(n);
    EXPECT_EQ(Lower(longPath), Lower(program.wstring()));
}

TEST_F(Registration, WritesTheFiveValuesWithTheShortPath) {
    const std::filesystem::path program = ThisExecutable();
    const std::wstring shortPath = ShortPathOf(program);
    ASSERT_FALSE(shortPath.empty());
    RegisterFileType(program);
    ExpectRegistered(shortPath);
}

TEST_F(Registration, LongNamedProgramIsRegisteredByItsShortPath) {
    const std::filesystem::path program = LongNamedProgram();
    const std::wstring shortPath = ShortPathOf(program);
    ASSERT_FALSE(shortPath.empty());
    ASSERT_EQ(shortPath.find(L' '), std::wstring::npos);
    RegisterFileType(program);
    ExpectRegistered(shortPath);
}

TEST_F(Registration, ProgramWithoutShortFormIsRegisteredByItsQuotedPath) {
    const std::filesystem::path missing =
        std::filesystem::temp_directory_path() / L"no such folder 4711" / L"velmorant.exe";
    RegisterFileType(missing);
    ExpectRegistered(L"\"" + missing.wstring() + L"\"");
}

TEST_F(Registration, RegisteringAgainOverwritesAndChangesNothingElse) {
    WriteDefault(L".vmr", L"other_file");
    WriteDefault(L"velmorant_file\\shell\\open\\command", L"C:\\OTHER.EXE \"%1\"");
    const std::filesystem::path program = ThisExecutable();
    const std::wstring shortPath = ShortPathOf(program);
    RegisterFileType(program);
    RegisterFileType(program);
    ExpectRegistered(shortPath);

    // Nothing but the five keys: no extra subkeys or named values.
    HKEY handle = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kTypeKey.c_str(), 0, KEY_READ, &handle),
              ERROR_SUCCESS);
    DWORD subkeys = 0, values = 0;
    RegQueryInfoKeyW(handle, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                     nullptr, nullptr, nullptr, nullptr);
    RegCloseKey(handle);
    EXPECT_EQ(subkeys, 2u);  // DefaultIcon, shell
    EXPECT_EQ(values, 1u);   // the default value
}

TEST_F(Registration, KeyThatCannotBeCreatedRaisesTheSetDataError) {
    // A volatile type key cannot hold the lasting subkey "DefaultIcon".
    HKEY volatileKey = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kTypeKey.c_str(), 0, nullptr,
                              REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &volatileKey,
                              nullptr),
              ERROR_SUCCESS);
    RegCloseKey(volatileKey);
    std::string message;
    try {
        RegisterFileType(ThisExecutable());
    } catch (const std::runtime_error& e) {
        message = e.what();
    }
    EXPECT_EQ(message, "Failed to set data for ''");
    // The registration stopped there: the extension was written, the type's name was not.
    ASSERT_TRUE(ReadDefault(L".vmr").has_value());
    EXPECT_EQ(ReadDefault(L".vmr")->text, L"velmorant_file");
    EXPECT_FALSE(ReadDefault(L"velmorant_file").has_value());
}
