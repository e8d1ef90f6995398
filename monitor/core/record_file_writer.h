#pragma once

#include <filesystem>
#include <span>
#include <string>

#include "monitor/core/atomic_file.h"
#include "monitor/core/frame_record.h"
#include "monitor/core/record_file.h"
#include "monitor/core/time_text.h"

namespace velmorant {

// The bytes of a recorded data file of version 1.0.0.3 for frames 1..N (N = frames.size()),
// times of day in the locale's long time format where every reader reads it back
// (FileTimeLocale).
std::string FormatRecordFile(std::span<const RecordedFrame> frames,
                             const RecordFileSections& sections, const TimeLocale& locale);

// Writes it atomically: the file that was there stays whole unless the new one was written.
WriteOutcome WriteRecordFile(const std::filesystem::path& path,
                             std::span<const RecordedFrame> frames,
                             const RecordFileSections& sections, const TimeLocale& locale);

// Frames 1..n of the record as the writers take them.
inline std::span<const RecordedFrame> FramesOf(const FrameRecord& record, int n) {
    return std::span<const RecordedFrame>(record.Frames).subspan(1, static_cast<std::size_t>(n));
}

}  // namespace velmorant
