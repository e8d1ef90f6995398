#include "monitor/core/record_file_reader.h"

#include <algorithm>
#include <fstream>

#include "monitor/core/atomic_file.h"
#include "monitor/core/record_file_text.h"

namespace velmorant {

namespace {

constexpr char kCtrlZ = '\x1A';

class LineCursor {
public:
    explicit LineCursor(std::string_view bytes) : bytes_(bytes) {}

    bool AtEnd() const { return pos_ >= bytes_.size(); }
    std::size_t LinesTaken() const { return taken_; }

    // A line past the end of the file reads as empty.
    std::string_view Next() {
        if (AtEnd()) return {};
        ++taken_;
        std::size_t end = bytes_.find_first_of("\r\n", pos_);
        if (end == std::string_view::npos) end = bytes_.size();
        std::string_view line = bytes_.substr(pos_, end - pos_);
        pos_ = end;
        if (pos_ < bytes_.size()) {
            bool crlf = bytes_[pos_] == '\r' && pos_ + 1 < bytes_.size() && bytes_[pos_ + 1] == '\n';
            pos_ += crlf ? 2 : 1;
        }
        return line;
    }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
    std::size_t taken_ = 0;
};

struct Refusal {
    ReadStatus Status;
    std::string Text;
};

RecordFileResult Failure(ReadStatus status, std::string text) {
    RecordFileResult r;
    r.Status = status;
    r.ErrorText = std::move(text);
    return r;
}

bool IsMagicLine(std::string_view line) {
    return std::find(kRecordFileMagics.begin(), kRecordFileMagics.end(), line) !=
           kRecordFileMagics.end();
}

std::uint8_t BitOf(std::string_view line) { return line == "1" ? 1 : 0; }

// A comment: a count line c - 1 and then its lines. An empty count or one below 0 means no
// lines. The lines stop where the file ends: a damaged count must not make up millions of
// empty lines; and at the first one that takes the comment past its limit, so that neither a
// long line nor a run of empty ones is kept.
std::optional<Refusal> ReadComment(LineCursor& lines, std::vector<std::string>& comment) {
    std::string_view countLine = lines.Next();
    if (countLine.empty()) return std::nullopt;
    std::optional<std::int32_t> c = ParseInteger(countLine);
    if (!c) return Refusal{ReadStatus::ConversionError, NotAnIntegerText(countLine)};
    std::size_t length = 0;
    for (std::int64_t i = 0; i <= *c && !lines.AtEnd(); ++i) {
        std::string_view line = lines.Next();
        length += line.size() + (i > 0 ? 2 : 0);  // CR LF before every line but the first
        if (length > kMaxCommentLength) return Refusal{ReadStatus::TooLong, kCommentsTooLong};
        comment.emplace_back(line);
    }
    return std::nullopt;
}

RecordFileResult Parse(LineCursor& lines, const TimeLocale& locale) {
    if (!IsMagicLine(lines.Next()))
        return Failure(ReadStatus::UnknownFormat, std::string(kUnknownFileFormat));

    std::string_view countLine = lines.Next();
    std::optional<std::int32_t> n = ParseInteger(countLine);
    if (!n) return Failure(ReadStatus::ConversionError, NotAnIntegerText(countLine));
    if (*n < 1 || *n > kMaxFrames)
        return Failure(ReadStatus::UnknownFormat, std::string(kUnknownFileFormat));

    RecordFileResult result;
    RecordFileContent& content = result.Content;
    content.Frames.resize(static_cast<std::size_t>(*n));
    for (RecordedFrame& frame : content.Frames) {
        for (std::uint8_t& b : frame.DataBytes) {
            std::string_view line = lines.Next();
            std::optional<std::int32_t> v = ParseInteger(line);
            if (!v) return Failure(ReadStatus::ConversionError, NotAnIntegerText(line));
            b = static_cast<std::uint8_t>(static_cast<std::uint32_t>(*v) & 0xFFu);
        }
        lines.Next();  // the previous frame's bit 12 again: each frame keeps its own
        for (std::uint8_t& bit : frame.IdentBits) bit = BitOf(lines.Next());
        for (std::uint8_t& bit : frame.Byte11Bits) bit = BitOf(lines.Next());
        for (std::uint8_t& bit : frame.Byte12Bits) bit = BitOf(lines.Next());
        frame.Something = BitOf(lines.Next());
        std::string_view timeLine = lines.Next();
        std::optional<double> time = ParseTimeOfDay(timeLine, locale);
        if (!time) return Failure(ReadStatus::ConversionError, NotATimeText(timeLine));
        frame.StoredAt = *time;
    }

    RecordFileSections& sections = content.Sections;
    for (int r = 0; r < kReferenceRows; ++r)
        for (auto& column : sections.References) column.emplace_back(lines.Next());

    if (!lines.AtEnd()) {
        auto& bookmarks = sections.Bookmarks.emplace();
        for (std::string& b : bookmarks) {
            b = lines.Next();
            if (b.empty()) b = "0";
        }
    }
    for (auto* comment : {&sections.AdditionalDescription, &sections.ReasonsForDiagnostics}) {
        if (lines.AtEnd()) break;
        if (auto refusal = ReadComment(lines, comment->emplace()))
            return Failure(refusal->Status, std::move(refusal->Text));
    }
    if (!lines.AtEnd()) {
        CarDescription& car = sections.Car.emplace();
        for (int i = 0; i < kCarFieldCount; ++i) {
            std::string_view line = lines.Next();
            if (line.size() > kMaxCarFieldLength)
                return Failure(ReadStatus::TooLong, kCarFieldTooLong);
            car[i] = line;
            // The model fields take any text; the others treat a lone Ctrl-Z as nothing.
            if (i >= 3 && car[i] == std::string_view(&kCtrlZ, 1)) car[i].clear();
        }
    }
    return result;
}

}  // namespace

RecordFileResult ParseRecordFile(std::string_view bytes, const TimeLocale& locale) {
    LineCursor lines(bytes);
    RecordFileResult result = Parse(lines, locale);
    result.LinesRead = lines.LinesTaken();
    return result;
}

RecordFileResult ReadRecordFile(const std::filesystem::path& path, const TimeLocale& locale) {
    const auto unreadable = [&path] {
        return Failure(ReadStatus::ReadError, "Unable to read " + PathText(path));
    };
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) return unreadable();
    const auto unknown = [] {
        return Failure(ReadStatus::UnknownFormat, std::string(kUnknownFileFormat));
    };
    // The first line, and no more of it than a magic line and its line end: a longer line
    // is no magic line.
    std::string first(kRecordFileMagic.size() + 2, '\0');
    in.read(first.data(), static_cast<std::streamsize>(first.size()));
    if (in.bad()) return unreadable();
    first.resize(static_cast<std::size_t>(in.gcount()));
    if (!IsMagicLine(LineCursor(first).Next())) return unknown();

    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) return unreadable();
    if (size > kMaxRecordFileBytes) return unknown();

    std::string bytes = std::move(first);
    bytes.reserve(static_cast<std::size_t>(size));
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return unreadable();
    return ParseRecordFile(bytes, locale);
}

void CommitFrames(const RecordFileContent& content, FrameRecord& record) {
    int n = std::min(static_cast<int>(content.Frames.size()), kMaxFrames);
    for (int k = 1; k <= n; ++k) record[k] = content.Frames[static_cast<std::size_t>(k - 1)];
}

}  // namespace velmorant
