#pragma once

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>

namespace velmorant {

enum class WriteStatus {
    Ok,
    CreateFailed,  // the target could not be created: nothing was written
    WriteFailed,   // writing, closing or the final rename failed: the target is untouched
};

struct WriteOutcome {
    WriteStatus Status = WriteStatus::Ok;
    std::string ErrorText;  // CP1251, empty when Ok

    bool Ok() const { return Status == WriteStatus::Ok; }
};

inline constexpr std::string_view kFileWriteError = "File write error";

// Writes what `produce` puts into the stream to a temporary file beside `target` and renames
// it over the target only when all of it was written, so a failed save never destroys the
// file that was there. Where no temporary file can be made but the target exists and may be
// written, the target is written in place, its old bytes put back when the new ones fail.
// CreateFailed (nothing could be made or opened for writing) carries "File write error",
// WriteFailed "Unable to write to " and the path. An exception from `produce` removes the
// temporary file and passes on.
WriteOutcome WriteFileAtomically(const std::filesystem::path& target,
                                 const std::function<void(std::ostream&)>& produce);
WriteOutcome WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// Where the temporary file for a target is made: beside it, unless a test puts it where
// none can be made. An empty rule restores the default.
using TemporaryPathRule = std::function<std::filesystem::path(const std::filesystem::path&)>;
void SetTemporaryPathRule(TemporaryPathRule rule);

// A path as CP1251 text for messages; characters without a CP1251 form become '?'.
std::string PathText(const std::filesystem::path& path);

std::string UnableToWriteText(const std::filesystem::path& path);

}  // namespace velmorant
