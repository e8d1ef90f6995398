#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "monitor/core/frame_decoder.h"
#include "monitor/core/frame_record.h"

namespace velmorant {

// Frame n (1..2000) from the bits of a decoded frame, stored at `storedAt`. Nothing is
// written, and the result is false, for any other n.
bool StoreFrame(FrameRecord& record, int n, const FrameBitBuffer& bits, double storedAt);

struct FrameStoreResult {
    bool Stored = false;      // false: the record was already full and the frame is dropped
    int Index = 0;            // the frame number it was stored at
    bool RecordFull = false;  // frame 2000 was stored: reading stops, the record is offered
};

// The frame store: stores at `frameCount` and advances it. Frames that still arrive after
// frame 2000 (lists queued when reading stopped) are dropped.
FrameStoreResult StoreNextFrame(FrameRecord& record, std::atomic<std::int32_t>& frameCount,
                                const FrameBitBuffer& bits, double now);

// Every field of every frame 0, then frame 1's time `now`.
void ClearFrames(FrameRecord& record, double now);

inline constexpr std::string_view kNothingToDeleteText = "There is nothing to delete ;)";

struct FrameDeletion {
    bool Deleted = false;  // false for a record of one frame: show kNothingToDeleteText
    int Maximum = 0;       // the new number of frames
    int Position = 0;      // the new current frame
};

// Deletes frame `position` of `maximum`: every later frame moves down by one, all fields;
// the old last slot keeps its contents.
FrameDeletion DeleteFrame(FrameRecord& record, int position, int maximum);

// The charts window's zoom box after a deletion that left `count` frames: its text (the old
// count becomes the new one) and its list.
std::string ZoomTextAfterDeletion(std::string_view text, int count);
std::vector<std::string> ZoomItemsAfterDeletion(int count);

}  // namespace velmorant
