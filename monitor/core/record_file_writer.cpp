#include "monitor/core/record_file_writer.h"

#include "monitor/core/file_time_locale.h"
#include "monitor/core/record_file_text.h"

namespace velmorant {

namespace {

class LineWriter {
public:
    void Line(std::string_view text) {
        out_ += text;
        out_ += "\r\n";
    }
    // A value the file keeps on one line: a break inside it would shift every later line.
    void Value(std::string_view text) { Line(OnOneLine(text)); }
    void Bit(std::uint8_t bit) { Line(bit != 0 ? "1" : "0"); }
    void Number(long long n) { Line(std::to_string(n)); }

    std::string Take() { return std::move(out_); }

private:
    std::string out_;
};

void WriteComment(LineWriter& w, const std::optional<std::vector<std::string>>& comment) {
    // A break inside a line makes it lines of its own, so that the count matches them.
    std::vector<std::string> lines;
    if (comment)
        for (const std::string& text : *comment)
            for (std::string& line : LinesOf(text)) lines.push_back(std::move(line));
    w.Number(static_cast<long long>(lines.size()) - 1);
    for (const std::string& line : lines) w.Line(line);
}

}  // namespace

std::string FormatRecordFile(std::span<const RecordedFrame> frames,
                             const RecordFileSections& sections, const TimeLocale& locale) {
    LineWriter w;
    w.Line(kRecordFileMagic);
    w.Number(static_cast<long long>(frames.size()));
    const TimeLocale timeLocale = FileTimeLocale(locale);
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
        w.Line(FormatTimeOfDay(f.StoredAt, timeLocale));
        previousBit12 = f.IdentBits[11];
    }
    for (std::size_t r = 0; r < static_cast<std::size_t>(kReferenceRows); ++r)
        for (const auto& column : sections.References) w.Value(r < column.size() ? column[r] : "");
    for (int i = 0; i < kBookmarkCount; ++i)
        w.Value(sections.Bookmarks ? (*sections.Bookmarks)[static_cast<std::size_t>(i)] : "0");
    WriteComment(w, sections.AdditionalDescription);
    WriteComment(w, sections.ReasonsForDiagnostics);
    for (int i = 0; i < kCarFieldCount; ++i)
        w.Value(sections.Car ? (*sections.Car)[static_cast<std::size_t>(i)] : "");
    return w.Take();
}

WriteOutcome WriteRecordFile(const std::filesystem::path& path,
                             std::span<const RecordedFrame> frames,
                             const RecordFileSections& sections, const TimeLocale& locale) {
    return WriteFileAtomically(path, FormatRecordFile(frames, sections, locale));
}

}  // namespace velmorant
