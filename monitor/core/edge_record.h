#pragma once

#include <cstdint>

namespace velmorant {

// One timed period of the DSR line: the level that has just ended and its length in bit
// times. Lists of these cross threads as raw 9-byte records, so the layout is fixed.
#pragma pack(push, 1)
struct TEdgeRecord {
    std::uint8_t Level;
    std::int64_t Duration;
};
#pragma pack(pop)
static_assert(sizeof(TEdgeRecord) == 9, "edge records are stored and posted as 9-byte records");

inline bool operator==(const TEdgeRecord& a, const TEdgeRecord& b) {
    return a.Level == b.Level && a.Duration == b.Duration;
}

}  // namespace velmorant
