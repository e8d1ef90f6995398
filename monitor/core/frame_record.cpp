#include "monitor/core/frame_record.h"

namespace velmorant {

std::atomic<std::int32_t> FrameCount{1};
std::atomic<bool> RecordUnsaved{false};

}  // namespace velmorant
