#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "monitor/core/atomic_file.h"
#include "monitor/core/frame_record.h"
#include "monitor/core/record_file.h"

namespace velmorant::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        static std::atomic<unsigned> counter{0};
        auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
        path_ = std::filesystem::temp_directory_path() /
                ("velmorant-test-" + std::to_string(ticks) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

    // Names of the files in the folder, to see that no temporary file was left behind.
    std::vector<std::string> FileNames() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.push_back(PathText(entry.path().filename()));
        return names;
    }

private:
    std::filesystem::path path_;
};

// While it lives, the temporary file of every write goes where none can be made, as in a
// folder that lets nothing new be created: by default into a folder that does not exist,
// or wherever `rule` says.
struct NoTemporaryFiles {
    explicit NoTemporaryFiles(TemporaryPathRule rule = nullptr) {
        if (!rule) {
            rule = [](const std::filesystem::path& target) {
                return target.parent_path() / "no such folder" / "x.tmp";
            };
        }
        SetTemporaryPathRule(std::move(rule));
    }
    ~NoTemporaryFiles() { SetTemporaryPathRule(nullptr); }
    NoTemporaryFiles(const NoTemporaryFiles&) = delete;
    NoTemporaryFiles& operator=(const NoTemporaryFiles&) = delete;
};

inline std::string ReadBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::filesystem::path& p, std::string_view bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A frame whose every field depends on `k`, so that a shifted or mixed-up field shows.
inline RecordedFrame SampleFrame(int k) {
    RecordedFrame f;
    for (int b = 0; b < 10; ++b) f.DataBytes[b] = static_cast<std::uint8_t>((k * 37 + b * 11) & 0xFF);
    for (int m = 0; m < 12; ++m) f.IdentBits[m] = static_cast<std::uint8_t>(((k >> (m % 5)) ^ m) & 1);
    for (int b = 0; b < 8; ++b) {
        f.Byte11Bits[b] = static_cast<std::uint8_t>(((k + b) / 3) & 1);
        f.Byte12Bits[b] = static_cast<std::uint8_t>(((k * 5 + b) / 2) & 1);
    }
    f.Something = static_cast<std::uint8_t>(k % 3 == 0);
    // A date and a time of day in whole seconds: only the time survives a file.
    f.StoredAt = 45000.0 + ((k * 7919) % 86400) / 86400.0;
    return f;
}

inline std::vector<RecordedFrame> SampleFrames(int n) {
    std::vector<RecordedFrame> frames;
    for (int k = 1; k <= n; ++k) frames.push_back(SampleFrame(k));
    return frames;
}

// Splits on CR LF only, as the writer ends lines; a final CR LF opens no extra line.
inline std::vector<std::string> SplitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find("\r\n", pos);
        if (end == std::string_view::npos) end = bytes.size();
        lines.emplace_back(bytes.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

inline std::string JoinLines(const std::vector<std::string>& lines, std::string_view eol = "\r\n") {
    std::string out;
    for (const std::string& l : lines) (out += l) += eol;
    return out;
}

}  // namespace velmorant::test
