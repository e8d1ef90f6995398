#pragma once

#include <cstdint>
#include <span>

#include "monitor/core/edge_record.h"

namespace velmorant {

// Slots of a port record's edge array; the capture ring uses the first kRingSlots of them.
inline constexpr int kEdgeSlots = 330;
inline constexpr int kRingSlots = 328;
// A level-1 period this long ends a frame: two stop bits plus 16 idle bit times.
inline constexpr std::int64_t kGapBitTimes = 18;
// 16 gap + 15 header + 12 characters of 11 bit times.
inline constexpr std::int64_t kFrameBitTimes = 163;

// What one DSR change produced.
struct CutResult {
    bool frameDone = false;   // a frame was cut: `list` holds its records, closing gap last
    bool setUnsaved = false;  // the record becomes unsaved (a frame cut while FrameCount > 1)
    std::span<const TEdgeRecord> list;  // valid until the next Feed
};

// Cuts the capture thread's stream of DSR changes into frames at idle gaps. It times each
// change with the counter, keeps one record per change in the port record's ring and hands
// back a frame's records when a qualifying gap ends it.
class FrameCutter {
public:
    explicit FrameCutter(std::span<TEdgeRecord, kEdgeSlots> edges) : edges_(edges) {}

    // dsrOn: the modem status right after the change; counter: the counter reading taken then;
    // frequency: the counter frequency (0: no counter, durations of 0).
    CutResult Feed(bool dsrOn, std::int64_t counter, std::int64_t frequency, bool adapter,
                   std::int32_t frameCount);

    bool FrameOpen() const { return frameOpen_; }
    std::int64_t FrameSum() const { return frameSum_; }
    int Index() const { return i_; }

private:
    std::span<TEdgeRecord, kEdgeSlots> edges_;
    int i_ = 0;
    bool frameOpen_ = false;
    std::int64_t frameSum_ = 0;
    std::int64_t previous_ = 0;
};

}  // namespace velmorant
