#include "monitor/core/frame_decoder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <vector>

#include "tests/support/ecu_stream.h"

using namespace velmorant;
using namespace velmorant::test;

namespace {

// The run-length records of a frame's cells followed by a closing period of `gap` idle bits.
std::vector<TEdgeRecord> ListOf(const std::vector<std::uint8_t>& cells, std::int64_t gap) {
    std::vector<TEdgeRecord> list;
    for (std::uint8_t c : cells) {
        if (!list.empty() && list.back().Level == c)
            ++list.back().Duration;
        else
            list.push_back({c, 1});
    }
    list.back().Duration += gap;  // the last cells are stop bits: level 1
    return list;
}

struct Decoded {
    DecodeResult result;
    FrameBitBuffer bits{};
};

Decoded Decode(const std::vector<TEdgeRecord>& list, FrameCellBuffer& cells) {
    Decoded d;
    d.result = DecodeEdgeList(list.data(), list.size() * sizeof(TEdgeRecord), cells, d.bits);
    return d;
}

Decoded Decode(const std::vector<TEdgeRecord>& list) {
    FrameCellBuffer cells;
    return Decode(list, cells);
}

}  // namespace

TEST(FrameDecoder, ClosingPeriodsOf18And26DecodeCompletely) {
    EcuFrame zeroLast = FrameWithBytes(0x00, 0xABC);
    EcuFrame ffLast = FrameWithBytes(0xFF, 0x123);
    auto a = ListOf(FrameCellsOf(zeroLast), 16);
    auto b = ListOf(FrameCellsOf(ffLast), 16);
    EXPECT_EQ(std::int64_t{a.back().Duration}, 18);
    EXPECT_EQ(std::int64_t{b.back().Duration}, 26);
    for (auto [list, frame] : {std::pair{a, zeroLast}, std::pair{b, ffLast}}) {
        Decoded d = Decode(list);
        ASSERT_EQ(d.result, DecodeResult::Good);
        for (int c = 1; c <= 12; ++c) EXPECT_EQ(BitsToByte(d.bits, c), frame.bytes[c - 1]);
        for (int m = 0; m < 12; ++m) EXPECT_EQ(d.bits[kIdentBitBase + m], frame.identBits[m]);
        EXPECT_EQ(d.bits[96], 0);
    }
}

TEST(FrameDecoder, LongerIdleGapKeepsCharacter12) {
    // Up to a day of idle line after the last frame (the engine stopped for a while).
    for (std::int64_t gap : {17, 20, 40, 200, 10'536'585 - 8}) {
        EcuFrame f = FrameWithBytes(0x5A, 0x0F0);
        f.bytes[11] = 0x3F;  // six trailing ones after the data: closing = 6 + 2 + gap
        Decoded d = Decode(ListOf(FrameCellsOf(f), gap));
        ASSERT_EQ(d.result, DecodeResult::Good) << gap;
        EXPECT_EQ(BitsToByte(d.bits, 12), 0x3F) << gap;
    }
}

TEST(FrameDecoder, BitsToByteIsLeastSignificantFirst) {
    FrameBitBuffer bits{};
    bits[0] = 1;
    EXPECT_EQ(BitsToByte(bits, 1), 1);
    bits[0] = 0;
    bits[7] = 1;
    EXPECT_EQ(BitsToByte(bits, 1), 128);
    bits[88 + 3] = 1;
    EXPECT_EQ(BitsToByte(bits, 12), 8);
}

TEST(FrameDecoder, BadFrames) {
    const EcuFrame f = FrameWithBytes(0x55, 0x555);
    const auto good = ListOf(FrameCellsOf(f), 16);
    ASSERT_EQ(Decode(good).result, DecodeResult::Good);

    auto withCell = [&](int cell, std::uint8_t value) {
        auto cells = FrameCellsOf(f);
        cells[static_cast<std::size_t>(cell)] = value;
        return ListOf(cells, 16);
    };
    struct Case {
        const char* what;
        std::vector<TEdgeRecord> list;
    };
    std::vector<Case> cases = {
        {"empty list", {}},
        {"header start 1", withCell(0, 1)},
        {"header stop 13", withCell(13, 0)},
        {"header stop 14", withCell(14, 0)},
        {"char 1 start", withCell(15, 1)},
        {"char 5 stop 9", withCell(15 + 4 * 11 + 9, 0)},
        {"char 12 stop 10", withCell(15 + 11 * 11 + 10, 0)},
        {"header 14 to 16", {{0, 1}, {1, 13}, {0, 2}}},
        {"runs out before char 12", std::vector<TEdgeRecord>(good.begin(), good.end() - 3)},
    };
    // A character whose periods pass 11 without making it exactly.
    auto longChar = good;
    longChar[5].Duration += 1;
    cases.push_back({"character of 12", longChar});
    // Durations no line produces, from a list that crossed the thread boundary as raw bytes:
    // a period made 3 longer and a following one of -3 keep every sum exact.
    auto negative = good;
    negative[0].Duration += 3;
    negative.insert(negative.begin() + 1, TEdgeRecord{negative[0].Level, -3});
    cases.push_back({"negative duration", negative});
    constexpr std::int64_t kHuge = std::int64_t{1} << 36;
    auto hugeClosing = good;
    hugeClosing.back().Duration = kHuge;
    cases.push_back({"closing period of 2^36", hugeClosing});
    cases.push_back({"-2^36 and 2^36 + 15 make the header", {{1, -kHuge}, {0, kHuge + 15}}});
    cases.push_back({"sums past the 64-bit limit", {{0, INT64_MAX}, {0, INT64_MAX}, {1, 20}}});
    // A good frame, then a low period longer than any frame before the closing gap.
    auto longInside = good;
    longInside.back().Duration -= 16;
    longInside.push_back({0, 164});
    longInside.push_back({1, 20});
    cases.push_back({"period longer than a frame inside the list", longInside});
    for (const Case& c : cases) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(Decode(c.list).result, DecodeResult::Bad) << c.what;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << c.what;
    }
}

TEST(FrameDecoder, BadFrameLeavesBitsAndNeverUsesOlderCells) {
    FrameCellBuffer cells;
    const EcuFrame first = FrameWithBytes(0xA5, 0x777);
    Decoded d = Decode(ListOf(FrameCellsOf(first), 16), cells);
    ASSERT_EQ(d.result, DecodeResult::Good);

    // A second frame cut short after character 11: the older character 12 must not pass.
    auto shortList = ListOf(FrameCellsOf(FrameWithBytes(0x11, 0x001)), 16);
    shortList.resize(shortList.size() - 2);
    FrameBitBuffer bits = d.bits;
    EXPECT_EQ(DecodeEdgeList(shortList.data(), shortList.size() * 9, cells, bits),
              DecodeResult::Bad);
    EXPECT_EQ(bits, d.bits);
}

TEST(FrameDecoder, ZeroDurationRecordsCountButFillNothing) {
    const EcuFrame f = FrameWithBytes(0x81, 0x801);
    auto list = ListOf(FrameCellsOf(f), 16);
    std::vector<TEdgeRecord> padded;
    for (const TEdgeRecord& r : list) {
        padded.push_back(r);
        padded.push_back({static_cast<std::uint8_t>(r.Level ^ 1), 0});
    }
    padded.pop_back();  // keep the closing period last
    Decoded d = Decode(padded);
    ASSERT_EQ(d.result, DecodeResult::Good);
    for (int c = 1; c <= 12; ++c) EXPECT_EQ(BitsToByte(d.bits, c), 0x81);
}

TEST(FrameDecoder, SizeLimit) {
    std::vector<TEdgeRecord> list(331, TEdgeRecord{0, 1});
    FrameCellBuffer cells;
    FrameBitBuffer bits{};
    EXPECT_EQ(DecodeEdgeList(list.data(), 2979, cells, bits), DecodeResult::Ignored);
    EXPECT_EQ(DecodeEdgeList(list.data(), 2970, cells, bits), DecodeResult::Bad);
}
