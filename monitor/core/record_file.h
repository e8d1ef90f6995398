#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "monitor/core/frame_record.h"

namespace velmorant {

inline constexpr std::string_view kRecordFileMagic = "File for Velmorant 1.0.0.3";
// Every version reads alike; the writer always writes the newest.
inline constexpr std::array<std::string_view, 3> kRecordFileMagics = {
    "File for Velmorant 1.0.0.1", "File for Velmorant 1.0.0.2", kRecordFileMagic};

inline constexpr int kFrameBlockLines = 41;
inline constexpr int kReferenceColumns = 3;
inline constexpr int kReferenceRows = 25;  // rows 0..24 of the parameter list are stored
inline constexpr int kBookmarkCount = 10;
inline constexpr int kCarFieldCount = 9;

// The longest texts of a file that the windows show. Windows' text controls (Wine's above all)
// take time that grows with the length of what they hold, and no mechanic writes anything
// near these: a file beyond them is damaged or was made by other means, and is refused whole.
// A comment, counted as a memo holds it: its lines with CR LF between them.
inline constexpr std::size_t kMaxCommentLength = 8192;
// One car-description field: a model, year or mileage is a few dozen characters at most.
inline constexpr std::size_t kMaxCarFieldLength = 255;

// The nine car-description texts in file order: car model, engine model, transaxle model,
// year, mileage, engine type, cylinders, transmission, drive.
using CarDescription = std::array<std::string, kCarFieldCount>;

// Everything a recorded data file holds besides the frames. An absent section is one the
// file ended before; the writer writes an absent section as empty.
struct RecordFileSections {
    // The value texts of the three reference columns, row 0 first. The reader gives exactly
    // 25 rows each; the writer stores rows 0..24 and the text export rows 0..27, missing rows
    // as empty lines.
    std::array<std::vector<std::string>, kReferenceColumns> References;
    std::optional<std::array<std::string, kBookmarkCount>> Bookmarks;  // "0" = empty bookmark
    std::optional<std::vector<std::string>> AdditionalDescription;
    std::optional<std::vector<std::string>> ReasonsForDiagnostics;
    // Read with the Ctrl-Z rule applied: the year to drive fields are empty where the file
    // held only Ctrl-Z.
    std::optional<CarDescription> Car;
};

struct RecordFileContent {
    std::vector<RecordedFrame> Frames;  // frame k at [k - 1]; 1 to 2000 frames
    RecordFileSections Sections;
};

}  // namespace velmorant
