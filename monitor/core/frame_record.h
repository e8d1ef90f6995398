#pragma once

#include <array>
#include <atomic>
#include <cstdint>

namespace velmorant {

inline constexpr int kMaxFrames = 2000;

// One frame of a record. Bytes 11 and 12 exist only as their bits.
struct RecordedFrame {
    std::array<std::uint8_t, 10> DataBytes{};  // data bytes 1..10 at [0..9]
    std::array<std::uint8_t, 12> IdentBits{};  // identifier bits 1..12 at [0..11], 0 or 1
    std::array<std::uint8_t, 8> Byte11Bits{};  // bits 0..7, 0 or 1
    std::array<std::uint8_t, 8> Byte12Bits{};
    std::uint8_t Something = 0;
    double StoredAt = 0;  // days since 30 December 1899; only the time of day is kept in files
};

// Frames 1..2000 (1-based); index 0 is unused so that frame numbers index directly.
struct FrameRecord {
    std::array<RecordedFrame, kMaxFrames + 1> Frames{};

    RecordedFrame& operator[](int n) { return Frames[static_cast<std::size_t>(n)]; }
    const RecordedFrame& operator[](int n) const { return Frames[static_cast<std::size_t>(n)]; }
};

// Shared with the capture thread without a lock: the index at which the next frame is stored,
// and whether the record holds data not yet saved.
extern std::atomic<std::int32_t> FrameCount;
extern std::atomic<bool> RecordUnsaved;

}  // namespace velmorant
