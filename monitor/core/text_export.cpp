#include "monitor/core/text_export.h"

#include "monitor/core/file_time_locale.h"
#include "monitor/core/record_file_text.h"

namespace velmorant {

namespace {

constexpr std::string_view kHeader =
    "Frame;1:A;2:A;3:A;4:A;5:A;6:A;7:A;8:A;9:A;10:A;ID;11:0;11:1;11:2;11:3;11:4;11:5;11:6;11:7;"
    "12:0;12:1;12:2;12:3;12:4;12:5;12:6;12:7;Something;Time";

char BitChar(std::uint8_t bit) {
    return bit != 0 ? '1' : '0';
}

// A text field as spreadsheets read it: one holding the separator or a double quote goes in
// double quotes, an inner double quote doubled; any other stays as it is.
std::string Field(std::string_view text) {
    if (text.find_first_of(";\"") == std::string_view::npos) return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

}  // namespace

std::string FormatTextExport(std::span<const RecordedFrame> frames,
                             const RecordFileSections& sections, const TimeLocale& locale) {
    std::string out;
    auto line = [&out](std::string_view text) {
        out += text;
        out += "\r\n";
    };
    line("Record from Velmorant;;;;;;" + std::to_string(frames.size()) + " frames");
    line(kHeader);

    const TimeLocale timeLocale = FileTimeLocale(locale);
    std::uint8_t previousBit12 = 0;
    int k = 0;
    for (const RecordedFrame& f : frames) {
        std::string row = std::to_string(++k) + ";";
        for (std::uint8_t b : f.DataBytes) row += std::to_string(b) + ";";
        // The same 13 identifier values as the recorded data file, as one field.
        row += BitChar(previousBit12);
        for (std::uint8_t bit : f.IdentBits) row += BitChar(bit);
        row += ';';
        for (std::uint8_t bit : f.Byte11Bits) (row += BitChar(bit)) += ';';
        for (std::uint8_t bit : f.Byte12Bits) (row += BitChar(bit)) += ';';
        (row += BitChar(f.Something)) += ';';
        row += Field(FormatTimeOfDay(f.StoredAt, timeLocale));
        line(row);
        previousBit12 = f.IdentBits[11];
    }
    line("");

    for (int r = 0; r < kReferenceColumns; ++r) {
        const auto& column = sections.References[static_cast<std::size_t>(r)];
        line("Report№" + std::to_string(r + 1));
        for (std::size_t i = 0; i < static_cast<std::size_t>(kReportRows); ++i)
            line(i < column.size() ? Field(OnOneLine(column[i])) : "");
        line("");
    }
    if (sections.AdditionalDescription)
        for (const std::string& text : *sections.AdditionalDescription)
            for (const std::string& part : LinesOf(text)) line(Field(part));
    return out;
}

WriteOutcome WriteTextExport(const std::filesystem::path& path,
                             std::span<const RecordedFrame> frames,
                             const RecordFileSections& sections, const TimeLocale& locale) {
    return WriteFileAtomically(path, FormatTextExport(frames, sections, locale));
}

}  // namespace velmorant
