#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "monitor/core/record_file_reader.h"
#include "monitor/core/record_file_writer.h"
#include "monitor/win/program_state.h"

namespace velmorant::test {

// A recorded data file of `n` frames whose engine-speed byte is the frame number, with a car
// description, an additional description (so loading it shows the car window) and reasons
// for diagnostics (so it can be saved again).
inline void WriteTestRecording(const std::filesystem::path& path, int n) {
    std::vector<RecordedFrame> frames(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) frames[k].DataBytes[3] = static_cast<std::uint8_t>(k + 1);
    frames[0].IdentBits[11] = 1;
    RecordFileSections sections;
    sections.ReasonsForDiagnostics = std::vector<std::string>{"Проверка"};
    sections.AdditionalDescription = std::vector<std::string>{"Холостой ход", ""};
    sections.Car = CarDescription{"Моя машина", "5S-FE", "A140E", "1997",    "117500",
                                  "Рядный",     "4",     "АКПП",  "Передний"};
    EXPECT_TRUE(WriteRecordFile(path, frames, sections, {}).Ok());
}

// Frames of a recorded data file on disk, -1 when it is none.
inline int FramesIn(const std::filesystem::path& path) {
    const RecordFileResult read = ReadRecordFile(path, UserLocale.Time);
    return read.Status == ReadStatus::Ok ? static_cast<int>(read.Content.Frames.size()) : -1;
}

}  // namespace velmorant::test
