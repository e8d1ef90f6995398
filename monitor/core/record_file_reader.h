#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "monitor/core/frame_record.h"
#include "monitor/core/record_file.h"
#include "monitor/core/time_text.h"

namespace velmorant {

enum class ReadStatus {
    Ok,
    UnknownFormat,    // no magic line, or a frame count outside 1..2000
    ConversionError,  // a frame count, data byte, comment count or time that does not convert
    ReadError,        // the file could not be opened or read
    TooLong,          // a comment or a car field beyond its limit
};

inline constexpr std::string_view kUnknownFileFormat = "Unknown file format";
// The texts of the refusals of TooLong.
inline const std::string kCommentsTooLong =
    "Comments too long (more than " + std::to_string(kMaxCommentLength) + " characters)";
inline const std::string kCarFieldTooLong = "Car description too long (more than " +
                                            std::to_string(kMaxCarFieldLength) +
                                            " characters in a field)";

// A whole file's reading. Content is filled only when Ok, so a caller that commits only an Ok
// result never keeps half a file.
struct RecordFileResult {
    ReadStatus Status = ReadStatus::Ok;
    std::string ErrorText;  // the text to show: "Unknown file format", the conversion error...
    RecordFileContent Content;
    // How far the reading went: the lines taken from the file, the one it stopped at included.
    std::size_t LinesRead = 0;

    bool Ok() const { return Status == ReadStatus::Ok; }
};

// Lines end in CR LF, LF or a lone CR. `locale` supplies the time separator and designators
// accepted besides the usual ones. A text beyond its limit ends the reading at its line.
// Viewer's panes read through this too and keep only the frames, so both programs accept
// exactly the same files.
RecordFileResult ParseRecordFile(std::string_view bytes, const TimeLocale& locale);

// No record file is this large: 2000 frames with every section full stay well below 2 MB.
inline constexpr std::uintmax_t kMaxRecordFileBytes = 16u << 20;

// Looks at the first line before anything else, and takes a file larger than any record can
// be for a file of another kind without reading it.
RecordFileResult ReadRecordFile(const std::filesystem::path& path, const TimeLocale& locale);

// Puts frames 1..N into the record; frames above N keep what they held.
void CommitFrames(const RecordFileContent& content, FrameRecord& record);

}  // namespace velmorant
