#pragma once

#include <filesystem>
#include <span>
#include <string>

#include "monitor/core/atomic_file.h"
#include "monitor/core/frame_record.h"
#include "monitor/core/record_file.h"
#include "monitor/core/time_text.h"

namespace velmorant {

inline constexpr int kReportRows = 28;  // rows 0..27 of the parameter list

// The semicolon-separated export of frames 1..N: title, header, one row per frame, the three
// report blocks from `sections.References` (rows 0..27, missing rows empty) and the lines of
// `sections.AdditionalDescription`. Nothing else of `sections` is used. A text field holding
// ";" or a double quote is quoted as spreadsheets read it.
std::string FormatTextExport(std::span<const RecordedFrame> frames,
                             const RecordFileSections& sections, const TimeLocale& locale);

WriteOutcome WriteTextExport(const std::filesystem::path& path,
                             std::span<const RecordedFrame> frames,
                             const RecordFileSections& sections, const TimeLocale& locale);

}  // namespace velmorant
