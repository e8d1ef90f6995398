#include "monitor/core/record_file_writer.h"

namespace velmorant {

namespace {

class LineWriter {
public:
    void Line(std::string_view text) {
        out_ += text;
        out_ += "\r\n";
    }
    void Bit(std::uint8_t bit) { Line(bit != 0 ? "1" : "0"); }
    void Number(long long n) { Line(std::to_string(n)); }

    std::string Take() { return std::move(out_); }

private:
    std::string out_;
};

void WriteComment(LineWriter& w, const std::optional<std::vector<std::string>>& comment) {
    std::size_t count = comment ? comment->size() : 0;
    w.Number(static_cast<long long>(count) - 1);
    if (comment)
        for (const std::string& line : *comment) w.Line(line);
}

}  // namespace

std::string FormatRecordFile(std::span<const RecordedFrame> frames, const RecordFileSections& sections,
                             const TimeLocale& locale) {
    LineWriter w;
    w.Line(kRecordFileMagic);
    w.Number(static_cast<long long>(frames.size()));
    std::uint8_t previousBit12 = 0;
    for (const RecordedFrame& f : frames) {
        for (std::uint8_t b : f.DataBytes) w.Number(b);
        // The identifier group has 13 lines: stored files and their readers expect the
        // previous frame's bit 12 first.
        w.Bit(previousBit12);
        for (std::uint8_t bit : f.IdentBits) w.Bit(bit);
        for (std::uint8_t bit : f.Byte11Bits) w.Bit(bit);
        for (std::uint8_t bit : f.Byte12Bits) w.Bit(bit);
        w.Bit(f.Something);
        w.Line(FormatTimeOfDay(f.StoredAt, locale));
        previousBit12 = f.IdentBits[11];
    }
    for (std::size_t r = 0; r < static_cast<std::size_t>(kReferenceRows); ++r)
        for (const auto& column : sections.References) w.Line(r < column.size() ? column[r] : "");
    for (int i = 0; i < kBookmarkCount; ++i)
        w.Line(sections.Bookmarks ? (*sections.Bookmarks)[static_cast<std::size_t>(i)] : "0");
    WriteComment(w, sections.AdditionalDescription);
    WriteComment(w, sections.ReasonsForDiagnostics);
    for (int i = 0; i < kCarFieldCount; ++i)
        w.Line(sections.Car ? (*sections.Car)[static_cast<std::size_t>(i)] : "");
    return w.Take();
}

WriteOutcome WriteRecordFile(const std::filesystem::path& path, std::span<const RecordedFrame> frames,
                             const RecordFileSections& sections, const TimeLocale& locale) {
    return WriteFileAtomically(path, FormatRecordFile(frames, sections, locale));
}

}  // namespace velmorant
