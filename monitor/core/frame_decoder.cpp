#include "monitor/core/frame_decoder.h"

#include <algorithm>

#include "monitor/core/frame_cutter.h"

namespace velmorant {

namespace {

constexpr int kListSlots = 330;
constexpr std::int64_t kBodyBitTimes = kHeaderCells + kCharacters * kCharCells;  // 147
constexpr std::int64_t kIdleBitTimes = 16;
// A frame spans kFrameBitTimes from the start of its gap: no period inside it is longer.
constexpr std::int64_t kLongestPeriod = kFrameBitTimes;
// The closing period also holds the idle line after the frame, which may last while the
// engine is off; a day of it is more than a session at the car.
constexpr std::int64_t kLongestClosingPeriod = 86'400'000 * 10 / 82;

// The list crosses a thread boundary as raw bytes: durations no line produces (negative,
// or near the 64-bit limit) would overflow the sums or run the cell loops for hours.
bool DurationsFit(std::span<const TEdgeRecord> list) {
    for (std::size_t r = 0; r < list.size(); ++r) {
        const std::int64_t d = list[r].Duration;
        const std::int64_t longest = r + 1 == list.size() ? kLongestClosingPeriod : kLongestPeriod;
        if (d < 0 || d > longest) return false;
    }
    return true;
}

// The closing period holds the last character's trailing 1 bits and the idle gap. The frame
// body is 147 bit times, so what it needs of the closing period is 147 minus what came
// before; that keeps character 12 whole whatever the gap length. Where the frame does not
// say so plainly, the fixed 16-bit gap is taken off.
void TrimClosingPeriod(std::span<TEdgeRecord> list) {
    if (list.empty()) return;
    TEdgeRecord& last = list.back();
    if (last.Level != 1) return;
    const std::int64_t d = last.Duration;
    if (d >= 18) {
        std::int64_t before = 0;
        for (std::size_t r = 0; r + 1 < list.size(); ++r) before += list[r].Duration;
        const std::int64_t trailing = kBodyBitTimes - before;
        if (trailing >= 2 && trailing <= 10 && d - trailing >= kIdleBitTimes) {
            last.Duration = trailing;
            return;
        }
    }
    if (d >= 18 && d <= 26) last.Duration = d - kIdleBitTimes;
}

// Adds durations from record `next` on until they reach `want`; true when the sum is exact.
// `end` is one past the last record used.
bool SumTo(std::span<const TEdgeRecord> list, std::size_t next, std::int64_t want,
           std::size_t& end) {
    std::int64_t sum = 0;
    std::size_t r = next;
    while (r < list.size() && sum < want) sum += list[r++].Duration;
    end = r;
    return sum == want;
}

}  // namespace

void FillCells(std::span<std::uint8_t> cells, const TEdgeRecord& record, std::int64_t start) {
    // Never beyond the buffer: the sums are checked before filling, this only guards.
    for (std::int64_t c = start; c < start + record.Duration; ++c)
        if (c >= 0 && c < static_cast<std::int64_t>(cells.size()))
            cells[static_cast<std::size_t>(c)] = record.Level;
}

void FillByteCells(FrameCellBuffer& cells, int k, const TEdgeRecord& record, std::int64_t start) {
    FillCells(cells.CharCells[static_cast<std::size_t>(k)], record, start);
}

std::uint8_t BitsToByte(const FrameBitBuffer& bits, int i) {
    std::uint8_t byte = 0;
    for (int b = 0; b < 8; ++b)
        if (bits[static_cast<std::size_t>(8 * (i - 1) + b)] != 0) byte |= std::uint8_t(1u << b);
    return byte;
}

DecodeResult DecodeEdgeList(const TEdgeRecord* records, std::size_t sizeBytes,
                            FrameCellBuffer& cells, FrameBitBuffer& bits) {
    if (sizeBytes > kMaxEdgeListBytes) return DecodeResult::Ignored;
    std::array<TEdgeRecord, kListSlots> copy;
    const std::size_t n = sizeBytes / sizeof(TEdgeRecord);
    std::copy_n(records, n, copy.begin());
    const std::span<TEdgeRecord> list(copy.data(), n);
    if (!DurationsFit(list)) return DecodeResult::Bad;
    TrimClosingPeriod(list);

    // Header: the records up to the one at which the sum reaches 15 must make exactly 15.
    std::size_t end = 0;
    if (!SumTo(list, 0, kHeaderCells, end)) return DecodeResult::Bad;
    std::int64_t at = 0;
    for (std::size_t r = 0; r < end; ++r) {
        FillCells(cells.HeaderCells, list[r], at);
        at += list[r].Duration;
    }

    // Every character must make exactly 11: a frame with one missing or misshapen is bad,
    // never stored with cells left over from an earlier list.
    for (int k = 0; k < kCharacters; ++k) {
        const std::size_t next = end;
        if (!SumTo(list, next, kCharCells, end)) return DecodeResult::Bad;
        at = 0;
        for (std::size_t r = next; r < end; ++r) {
            FillByteCells(cells, k, list[r], at);
            at += list[r].Duration;
        }
    }

    const auto& h = cells.HeaderCells;
    if (h[0] != 0 || h[13] != 1 || h[14] != 1) return DecodeResult::Bad;
    for (const auto& c : cells.CharCells)
        if (c[0] != 0 || c[9] != 1 || c[10] != 1) return DecodeResult::Bad;

    for (int k = 0; k < kCharacters; ++k)
        for (int j = 0; j < 8; ++j)
            bits[static_cast<std::size_t>(8 * k + j)] = cells.CharCells[k][1 + j];
    for (int m = 0; m < 12; ++m)
        bits[static_cast<std::size_t>(kIdentBitBase + m)] = cells.HeaderCells[1 + m];
    return DecodeResult::Good;
}

}  // namespace velmorant
