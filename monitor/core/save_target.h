#pragma once

#include <filesystem>

namespace velmorant {

enum class SaveFormat { RecordFile, TextExport };

struct SaveTarget {
    SaveFormat Format = SaveFormat::RecordFile;
    std::filesystem::path Path;
};

inline constexpr int kRecordFileFilter = 1;  // "Velmorant 1.0|*.vmr"
inline constexpr int kTextExportFilter = 2;  // "Excel|*.csv"

// What Save As writes for the name typed in its dialog: a ".vmr" or ".csv" extension (in any
// letter case) chooses the format and the name stays as typed; any other or no extension
// takes the format of the type chosen in the dialog and that format's extension.
SaveTarget ChooseSaveTarget(const std::filesystem::path& typed, int filterIndex);

// The name Save As offers for the file last read or written: an export's name without its
// ".csv", so that the type chosen in the dialog decides what the next save writes.
std::filesystem::path OfferedSaveName(const std::filesystem::path& last);

// The dialog's type for a format.
int FilterOf(SaveFormat format);

}  // namespace velmorant
