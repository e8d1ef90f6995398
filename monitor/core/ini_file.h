#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace velmorant {

// A settings file that cannot be written: "Unable to write to " and its path.
class IniWriteError : public std::runtime_error {
public:
    explicit IniWriteError(const std::filesystem::path& path);
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// An INI file kept byte for byte: texts are CP1251 and never pass through a code-page
// conversion, and lines not touched by a write come out exactly as they went in.
// Sections and keys match without regard to letter case; blanks around keys and values are
// ignored and a value in matching single or double quotes reads without them. The first
// matching section and key count.
class IniFile {
public:
    IniFile() = default;
    static IniFile FromText(std::string_view bytes);
    // A missing or unreadable file reads as empty, as the profile functions do.
    static IniFile Load(const std::filesystem::path& path);

    // Nothing when the key is missing; an empty text when it is present and empty.
    std::optional<std::string> ReadString(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    bool HasSection(std::string_view section) const;

    // Replaces the key's value in place, or adds the key at the end of its section, or adds
    // the section at the end of the file. New lines end in CR LF.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    // Removes every section of that name with its lines; true when there was one.
    bool EraseSection(std::string_view section);

    std::string Text() const;
    // Replaces the file atomically; throws IniWriteError when it cannot.
    void Save(const std::filesystem::path& path) const;

private:
    struct Line {
        std::string Text;
        std::string End;  // "\r\n", "\n", "\r", or empty for a last line without one
    };

    std::optional<std::size_t> FindSection(std::string_view section) const;
    std::size_t SectionEnd(std::size_t header) const;
    std::optional<std::size_t> FindKey(std::size_t header, std::string_view key) const;

    std::vector<Line> lines_;
};

}  // namespace velmorant
