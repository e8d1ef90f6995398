#include "monitor/core/frame_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace velmorant;

namespace {

// FrameBits of a frame with these data bytes 1..12 and identifier bits.
FrameBitBuffer BitsOf(const std::array<std::uint8_t, 12>& bytes, std::uint16_t ident) {
    FrameBitBuffer bits{};
    for (int c = 0; c < 12; ++c)
        for (int b = 0; b < 8; ++b)
            bits[static_cast<std::size_t>(8 * c + b)] =
                (bytes[static_cast<std::size_t>(c)] >> b) & 1;
    for (int m = 0; m < 12; ++m)
        bits[static_cast<std::size_t>(kIdentBitBase + m)] = (ident >> m) & 1;
    return bits;
}

// A frame whose every field says which frame it is.
RecordedFrame Marked(int k) {
    RecordedFrame f;
    for (int i = 0; i < 10; ++i)
        f.DataBytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(10 * k + i);
    f.IdentBits.fill(0);
    f.IdentBits[11] = static_cast<std::uint8_t>(k & 1);
    f.Byte11Bits[0] = static_cast<std::uint8_t>(k & 1);
    f.Byte12Bits[0] = static_cast<std::uint8_t>(k & 1);
    f.Byte12Bits[1] = static_cast<std::uint8_t>((k >> 1) & 1);
    f.Byte12Bits[7] = 1;
    f.Something = static_cast<std::uint8_t>(k & 1);
    f.StoredAt = 46000.0 + k / 10.0;
    return f;
}

bool Same(const RecordedFrame& a, const RecordedFrame& b) {
    return a.DataBytes == b.DataBytes && a.IdentBits == b.IdentBits &&
           a.Byte11Bits == b.Byte11Bits && a.Byte12Bits == b.Byte12Bits &&
           a.Something == b.Something && a.StoredAt == b.StoredAt;
}

}  // namespace

TEST(FrameStore, StoresEveryFieldFromFrameBits) {
    auto record = std::make_unique<FrameRecord>();
    FrameBitBuffer bits = BitsOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 250, 0x81, 0x7E}, 0x801);
    bits[80] = 2;  // any non-zero cell is a set bit
    bits[96] = 1;  // the unused cell
    ASSERT_TRUE(StoreFrame(*record, 7, bits, 46000.5));
    const RecordedFrame& f = (*record)[7];
    EXPECT_EQ(f.DataBytes, (std::array<std::uint8_t, 10>{1, 2, 3, 4, 5, 6, 7, 8, 9, 250}));
    EXPECT_EQ(f.IdentBits, (std::array<std::uint8_t, 12>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(f.Byte11Bits, (std::array<std::uint8_t, 8>{1, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(f.Byte12Bits, (std::array<std::uint8_t, 8>{0, 1, 1, 1, 1, 1, 1, 0}));
    EXPECT_EQ(f.Something, 0);
    EXPECT_EQ(f.StoredAt, 46000.5);
    for (int n : {0, -1, 2001}) EXPECT_FALSE(StoreFrame(*record, n, bits, 1.0)) << n;
}

TEST(FrameStore, Frame2000FillsTheRecordAndNothingGoesAbove) {
    auto record = std::make_unique<FrameRecord>();
    std::atomic<std::int32_t> count{1999};
    const FrameBitBuffer bits = BitsOf({9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 0, 0}, 0);

    FrameStoreResult r = StoreNextFrame(*record, count, bits, 1.0);
    EXPECT_TRUE(r.Stored);
    EXPECT_EQ(r.Index, 1999);
    EXPECT_FALSE(r.RecordFull);

    r = StoreNextFrame(*record, count, bits, 2.0);
    EXPECT_TRUE(r.Stored);
    EXPECT_EQ(r.Index, 2000);
    EXPECT_TRUE(r.RecordFull);
    EXPECT_EQ(count.load(), 2001);

    // A list still queued when reading stopped.
    const FrameBitBuffer late = BitsOf({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0}, 0);
    r = StoreNextFrame(*record, count, late, 3.0);
    EXPECT_FALSE(r.Stored);
    EXPECT_EQ(count.load(), 2001);
    EXPECT_EQ((*record)[2000].DataBytes[0], 9);
    EXPECT_EQ((*record)[2000].StoredAt, 2.0);
}

TEST(FrameStore, ClearLeavesOnlyFrame1sTime) {
    auto record = std::make_unique<FrameRecord>();
    for (int k = 1; k <= kMaxFrames; ++k) (*record)[k] = Marked(k);
    ClearFrames(*record, 46001.25);
    RecordedFrame first;
    first.StoredAt = 46001.25;
    EXPECT_TRUE(Same((*record)[1], first));
    for (int k = 2; k <= kMaxFrames; ++k) ASSERT_TRUE(Same((*record)[k], RecordedFrame{})) << k;
}

TEST(FrameStore, DeletingTheMiddleOfThreeKeepsEveryField) {
    auto record = std::make_unique<FrameRecord>();
    for (int k = 1; k <= 3; ++k) (*record)[k] = Marked(k);
    const FrameDeletion d = DeleteFrame(*record, 2, 3);
    EXPECT_TRUE(d.Deleted);
    EXPECT_EQ(d.Maximum, 2);
    EXPECT_EQ(d.Position, 2);
    EXPECT_TRUE(Same((*record)[1], Marked(1)));
    EXPECT_TRUE(Same((*record)[2], Marked(3)));
    EXPECT_EQ((*record)[2].IdentBits[11], 1);
    EXPECT_EQ((*record)[2].Byte11Bits[0], 1);
    EXPECT_EQ((*record)[2].Byte12Bits[0], 1);
    EXPECT_TRUE(Same((*record)[3], Marked(3)));  // the old last slot is left as it was
}

TEST(FrameStore, DeletingTheLastFrameOnlyLowersTheMaximum) {
    auto record = std::make_unique<FrameRecord>();
    for (int k = 1; k <= 3; ++k) (*record)[k] = Marked(k);
    const FrameDeletion d = DeleteFrame(*record, 3, 3);
    EXPECT_EQ(d.Maximum, 2);
    EXPECT_EQ(d.Position, 2);
    for (int k = 1; k <= 3; ++k) EXPECT_TRUE(Same((*record)[k], Marked(k))) << k;
}

TEST(FrameStore, DeletionAtTheEdgesOfTheRecord) {
    auto record = std::make_unique<FrameRecord>();
    (*record)[1] = Marked(1);
    const FrameDeletion one = DeleteFrame(*record, 1, 1);
    EXPECT_FALSE(one.Deleted);
    EXPECT_EQ(one.Maximum, 1);
    EXPECT_TRUE(Same((*record)[1], Marked(1)));

    for (int k = 1; k <= kMaxFrames; ++k) (*record)[k] = Marked(k);
    const FrameDeletion full = DeleteFrame(*record, 1, kMaxFrames);
    EXPECT_EQ(full.Maximum, 1999);
    EXPECT_EQ(full.Position, 1);
    EXPECT_TRUE(Same((*record)[1], Marked(2)));
    EXPECT_TRUE(Same((*record)[1999], Marked(2000)));
    EXPECT_TRUE(Same((*record)[2000], Marked(2000)));

    // A maximum beyond the record is taken as the record's end.
    const FrameDeletion beyond = DeleteFrame(*record, 2100, 2100);
    EXPECT_EQ(beyond.Maximum, 1999);
}

TEST(FrameStore, ZoomBoxAfterDeletion) {
    EXPECT_EQ(ZoomTextAfterDeletion("30", 29), "29");
    EXPECT_EQ(ZoomTextAfterDeletion("50", 29), "50");
    using Items = std::vector<std::string>;
    EXPECT_EQ(ZoomItemsAfterDeletion(1), Items{"5"});
    EXPECT_EQ(ZoomItemsAfterDeletion(9), (Items{"5", "9"}));
    EXPECT_EQ(ZoomItemsAfterDeletion(10), (Items{"5", "10", "10"}));
    EXPECT_EQ(ZoomItemsAfterDeletion(29), (Items{"5", "10", "20", "29"}));
    EXPECT_EQ(ZoomItemsAfterDeletion(1999),
              (Items{"5", "10", "20", "50", "100", "200", "500", "1000", "1999"}));
}
