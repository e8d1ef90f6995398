#include "monitor/core/atomic_file.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>
#include <type_traits>

namespace velmorant {

namespace {

// Code points of CP1251 bytes 0x80..0xBF; 0x98 has none.
constexpr std::array<char32_t, 64> kCp1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  //
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  //
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  //
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  //
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  //
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  //
};

char Cp1251Of(char32_t c) {
    if (c < 0x80) return static_cast<char>(c);
    if (c >= 0x0410 && c <= 0x044F) return static_cast<char>(0xC0 + (c - 0x0410));
    for (std::size_t i = 0; i < kCp1251High.size(); ++i)
        if (kCp1251High[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

// The longest file name NTFS and ext4 take, in the path's own units (UTF-16 or bytes).
constexpr std::size_t kMaxNameLength = 255;

// The first `length` units of a name, backed off so that no character is cut in two.
std::filesystem::path::string_type NamePrefix(std::filesystem::path::string_type name,
                                              std::size_t length) {
    using Unit = std::filesystem::path::value_type;
    // A UTF-8 continuation byte or a UTF-16 low surrogate cannot start a character.
    auto continues = [](Unit u) {
        const auto v = static_cast<std::uint32_t>(static_cast<std::make_unsigned_t<Unit>>(u));
        return sizeof(Unit) == 1 ? (v & 0xC0) == 0x80 : (v >= 0xDC00 && v <= 0xDFFF);
    };
    while (length > 0 && length < name.size() && continues(name[length])) --length;
    name.resize(std::min(length, name.size()));
    return name;
}

// Unique enough among the saves of one machine: steady-clock ticks and a process counter.
std::filesystem::path DefaultTemporaryPath(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    const std::filesystem::path suffix =
        "." + std::to_string(ticks) + "-" + std::to_string(counter++) + ".tmp";
    std::filesystem::path::string_type name = target.filename().native();
    const std::size_t suffixLength = suffix.native().size();
    // A long name gives up as much of its end as the suffix takes, so the temporary name is
    // never longer than the target's: wherever the target's name fits, so does this one.
    if (name.size() + suffixLength > kMaxNameLength)
        name = NamePrefix(std::move(name), name.size() - suffixLength);
    return target.parent_path() / (name + suffix.native());
}

void RemoveQuietly(const std::filesystem::path& p) {
    std::error_code ec;
    std::filesystem::remove(p, ec);
}

// An existing target that cannot be opened for writing (read-only, held by another program, a
// folder) could not be created anew either: that is a failed creation, found before anything
// is written. Opening for appending changes nothing in the file.
bool TargetCanBeReplaced(const std::filesystem::path& target) {
    std::error_code ec;
    std::filesystem::file_type type = std::filesystem::status(target, ec).type();
    if (type == std::filesystem::file_type::directory) return false;
    if (type != std::filesystem::file_type::regular) return true;  // missing, or left to the rename
    std::ofstream probe(target, std::ios::binary | std::ios::app);
    return probe.is_open();
}

TemporaryPathRule& InstalledRule() {
    static TemporaryPathRule rule;
    return rule;
}

std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
    const TemporaryPathRule& rule = InstalledRule();
    return rule ? rule(target) : DefaultTemporaryPath(target);
}

bool IsRegularFile(const std::filesystem::path& p) {
    std::error_code ec;
    return std::filesystem::is_regular_file(p, ec);
}

bool WriteAt0(const std::filesystem::path& target, std::string_view bytes) {
    std::fstream file(target, std::ios::in | std::ios::out | std::ios::binary);
    if (!file.is_open()) return false;
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.flush();
    bool ok = file.good();
    file.close();
    ok = ok && !file.fail();
    std::error_code ec;
    if (ok) std::filesystem::resize_file(target, bytes.size(), ec);
    return ok && !ec;
}

// The target's own bytes replaced, where no file can be made beside it. Overwriting without
// truncating first keeps the old bytes' room, so when the new ones do not fit (a full disk)
// the old ones still do and are written back: a failure leaves the file as it was.
WriteOutcome WriteInPlace(const std::filesystem::path& target, std::string_view bytes) {
    std::ifstream in(target, std::ios::binary);
    if (!in.is_open()) return {WriteStatus::CreateFailed, std::string(kFileWriteError)};
    const std::string old{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const bool readAll = !in.bad();
    in.close();
    if (!readAll) return {WriteStatus::CreateFailed, std::string(kFileWriteError)};
    if (WriteAt0(target, bytes)) return {};
    WriteAt0(target, old);
    return {WriteStatus::WriteFailed, UnableToWriteText(target)};
}

}  // namespace

void SetTemporaryPathRule(TemporaryPathRule rule) {
    InstalledRule() = std::move(rule);
}

std::string PathText(const std::filesystem::path& path) {
    std::u32string wide;
    try {
        wide = path.u32string();
    } catch (...) {
        // Not valid in the native encoding: keep the ASCII part.
        for (auto c : path.native())
            wide += (static_cast<std::uint32_t>(c) < 0x80) ? static_cast<char32_t>(c) : U'?';
    }
    std::string text;
    for (char32_t c : wide) text += Cp1251Of(c);
    return text;
}

std::string UnableToWriteText(const std::filesystem::path& path) {
    return "Unable to write to " + PathText(path);
}

WriteOutcome WriteFileAtomically(const std::filesystem::path& target,
                                 const std::function<void(std::ostream&)>& produce) {
    if (!TargetCanBeReplaced(target)) return {WriteStatus::CreateFailed, std::string(kFileWriteError)};
    std::filesystem::path temp = TemporaryBeside(target);
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out.is_open()) {
        // A folder where nothing new can be made, holding a target that may be written (the
        // one settings file a program folder lets its users write): written in place, as
        // the profile functions would.
        if (!IsRegularFile(target))
            return {WriteStatus::CreateFailed, std::string(kFileWriteError)};
        std::ostringstream content;
        produce(content);
        if (!content) return {WriteStatus::WriteFailed, UnableToWriteText(target)};
        return WriteInPlace(target, content.view());
    }

    try {
        produce(out);
    } catch (...) {
        out.close();
        RemoveQuietly(temp);
        throw;
    }
    out.flush();
    bool written = out.good();
    out.close();
    written = written && !out.fail();

    std::error_code ec;
    if (written) std::filesystem::rename(temp, target, ec);
    if (!written || ec) {
        RemoveQuietly(temp);
        return {WriteStatus::WriteFailed, UnableToWriteText(target)};
    }
    return {};
}

WriteOutcome WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
    return WriteFileAtomically(target, [bytes](std::ostream& out) {
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    });
}

}  // namespace velmorant
