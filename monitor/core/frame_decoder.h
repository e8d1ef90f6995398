#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "monitor/core/edge_record.h"

namespace velmorant {

inline constexpr int kHeaderCells = 15;
inline constexpr int kCharacters = 12;
inline constexpr int kCharCells = 11;
// Largest edge list the decoder accepts, in bytes (330 records).
inline constexpr std::size_t kMaxEdgeListBytes = 2970;

// One byte per bit time of the last decoded list.
struct FrameCellBuffer {
    std::array<std::uint8_t, kHeaderCells> HeaderCells{};
    std::array<std::array<std::uint8_t, kCharCells>, kCharacters> CharCells{};
};

// 0..95: data bits of characters 1..12 (character c, bit b at 8(c-1)+b); 96 unused;
// 97..108: identifier bits 1..12.
inline constexpr int kFrameBitCount = 109;
inline constexpr int kIdentBitBase = 97;
using FrameBitBuffer = std::array<std::uint8_t, kFrameBitCount>;

enum class DecodeResult {
    Ignored,  // list too large: not decoded, nothing shown
    Bad,      // a duration no frame holds, or a sum or a start or stop cell failed
    Good,     // FrameBits holds the frame's 12 characters and identifier
};

void FillCells(std::span<std::uint8_t> cells, const TEdgeRecord& record, std::int64_t start);
void FillByteCells(FrameCellBuffer& cells, int k, const TEdgeRecord& record, std::int64_t start);

// Character i (1..12) of FrameBits as a byte; the first received data bit is bit 0.
std::uint8_t BitsToByte(const FrameBitBuffer& bits, int i);

// Decodes one frame's edge list as posted by the capture thread. `sizeBytes` is the posted
// size; records are its whole 9-byte units. `bits` is written only for a good frame.
DecodeResult DecodeEdgeList(const TEdgeRecord* records, std::size_t sizeBytes,
                            FrameCellBuffer& cells, FrameBitBuffer& bits);

}  // namespace velmorant
