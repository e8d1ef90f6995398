#include "monitor/core/frame_cutter.h"

#include "monitor/core/bit_time.h"

namespace velmorant {

CutResult FrameCutter::Feed(bool dsrOn, std::int64_t counter, std::int64_t frequency,
                            bool adapter, std::int32_t frameCount) {
    // DSR on after the change means the period that has just ended was low.
    std::uint8_t level = dsrOn ? 0 : 1;
    if (adapter) level ^= 1;

    std::int64_t duration = 0;
    if (frequency > 0) {
        // The first change after the start only sets the time base.
        if (previous_ == 0) previous_ = counter;
        duration = TicksToBitTimes(counter - previous_, frequency);
        previous_ = counter;
    }

    CutResult result;
    TEdgeRecord& edge = edges_[i_];
    edge = {level, duration};
    if (frameOpen_) frameSum_ += duration;

    if (level == 1 && duration >= kGapBitTimes) {
        if (!frameOpen_) {
            edges_[0] = edge;
            frameOpen_ = true;
            i_ = 0;
            frameSum_ = 0;
        } else if (frameSum_ >= kFrameBitTimes) {
            // Slots 1..i, closing gap last; the closing gap then opens the next frame.
            result.frameDone = true;
            result.list = std::span<const TEdgeRecord>(edges_.data() + 1, i_);
            result.setUnsaved = frameCount > 1;
            edges_[0] = edge;
            i_ = 0;
            frameSum_ = 0;
        }
    }

    if (++i_ == kRingSlots) i_ = 0;
    return result;
}

}  // namespace velmorant
