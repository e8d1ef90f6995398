#include <gtest/gtest.h>

#include <vector>

#include "monitor/core/frame_cutter.h"

using namespace velmorant;

namespace {

// Feeds whole periods: with a 1 MHz counter a bit time is exactly 8200 ticks.
constexpr std::int64_t kFreq = 1'000'000;  // 1 tick = 1 us, a bit time = 8200 ticks
constexpr std::int64_t kBit = 8200;

struct Feeder {
    std::array<TEdgeRecord, kEdgeSlots> ring{};
    FrameCutter cutter{ring};
    std::int64_t now = 5'000'000;
    bool adapter = false;
    std::int32_t frameCount = 1;
    std::vector<std::vector<TEdgeRecord>> posted;
    std::vector<bool> unsaved;

    // A period of `level` lasting `bits` ends now: DSR shows the level that follows.
    void Period(std::uint8_t level, std::int64_t bits) {
        now += bits * kBit;
        Edge(level == 0);
    }
    void Edge(bool dsrOn) {
        CutResult r = cutter.Feed(dsrOn, now, kFreq, adapter, frameCount);
        if (r.frameDone) {
            posted.emplace_back(r.list.begin(), r.list.end());
            unsaved.push_back(r.setUnsaved);
        }
    }
    void Start() { Edge(true); }  // first change: duration 0, only the time base
};

}  // namespace

TEST(FrameCutter, FirstEdgeOnlyStartsTimeBaseAndFirstGapOnlyOpens) {
    Feeder f;
    f.now = 1;
    f.Start();
    EXPECT_EQ(std::int64_t{f.ring[0].Duration}, 0);
    EXPECT_FALSE(f.cutter.FrameOpen());
    f.Period(1, 200);  // a long idle period: qualifies, but only opens a frame
    EXPECT_TRUE(f.cutter.FrameOpen());
    EXPECT_TRUE(f.posted.empty());
    EXPECT_EQ(std::int64_t{f.ring[0].Duration}, 200);
}

TEST(FrameCutter, GapThresholdAndLevel) {
    struct Case { std::uint8_t level; std::int64_t bits; bool opens; };
    const Case cases[] = {{1, 18, true}, {1, 17, false}, {0, 18, false}, {0, 500, false}};
    for (const Case& c : cases) {
        Feeder f;
        f.Start();
        f.Period(c.level, c.bits);
        EXPECT_EQ(f.cutter.FrameOpen(), c.opens) << int(c.level) << "/" << c.bits;
    }
}

TEST(FrameCutter, PostsAtSum163NotAt162) {
    for (std::int64_t body : {145, 144}) {  // + an 18-bit closing gap = 163 / 162
        Feeder f;
        f.Start();
        f.Period(1, 16 + 2);  // opening gap
        f.Period(0, body);
        f.Period(1, 18);  // closing gap
        if (body == 145) {
            ASSERT_EQ(f.posted.size(), 1u);
            ASSERT_EQ(f.posted[0].size(), 2u);
            EXPECT_EQ(f.posted[0][0], (TEdgeRecord{0, 145}));
            // The closing gap is last, the opening gap never in the list, and it opens the next.
            EXPECT_EQ(f.posted[0][1], (TEdgeRecord{1, 18}));
            EXPECT_EQ(f.ring[0], (TEdgeRecord{1, 18}));
            EXPECT_EQ(f.cutter.FrameSum(), 0);
        } else {
            EXPECT_TRUE(f.posted.empty());
            EXPECT_EQ(f.cutter.FrameSum(), 162);
            f.Period(0, 1);
            f.Period(1, 20);  // the next qualifying gap brings it to 183
            ASSERT_EQ(f.posted.size(), 1u);
            EXPECT_EQ(f.posted[0].size(), 4u);
        }
    }
}

TEST(FrameCutter, AdapterInvertsEveryLevel) {
    Feeder plain, inverted;
    inverted.adapter = true;
    for (Feeder* f : {&plain, &inverted}) {
        f->Start();
        for (int k = 0; k < 10; ++k) f->Edge(k % 2 == 0);
    }
    for (int s = 0; s < 11; ++s) EXPECT_EQ(plain.ring[s].Level ^ 1, inverted.ring[s].Level) << s;
}

TEST(FrameCutter, RingWrapKeepsOnlyEdgesAfterWrap) {
    Feeder f;
    f.Start();
    f.Period(1, 20);  // opens, slot 0
    // 327 short periods fill slots 1..327, the next one wraps to slot 0.
    for (int k = 0; k < 327; ++k) f.Period(k % 2, 1);
    EXPECT_EQ(f.cutter.Index(), 0);
    f.Period(0, 1);   // slot 0: overwrites the opening gap
    f.Period(1, 1);   // slot 1
    f.Period(0, 1);   // slot 2
    f.Period(1, 20);  // slot 3: closing
    ASSERT_EQ(f.posted.size(), 1u);
    ASSERT_EQ(f.posted[0].size(), 3u);
    EXPECT_EQ(f.posted[0].back(), (TEdgeRecord{1, 20}));

    // When the closing gap itself lands in slot 0, the list is empty.
    Feeder g;
    g.Start();
    g.Period(1, 20);
    for (int k = 0; k < 327; ++k) g.Period(k % 2, 1);
    g.Period(1, 20);
    ASSERT_EQ(g.posted.size(), 1u);
    EXPECT_TRUE(g.posted[0].empty());
}

TEST(FrameCutter, UnsavedOnlyAboveFirstFrame) {
    for (std::int32_t count : {1, 2, 2000}) {
        Feeder f;
        f.frameCount = count;
        f.Start();
        f.Period(1, 20);
        f.Period(0, 150);
        f.Period(1, 20);
        ASSERT_EQ(f.unsaved.size(), 1u);
        EXPECT_EQ(f.unsaved[0], count > 1) << count;
    }
}

TEST(FrameCutter, NoCounterGivesZeroDurations) {
    std::array<TEdgeRecord, kEdgeSlots> ring{};
    FrameCutter cutter(ring);
    for (int k = 0; k < 50; ++k) {
        CutResult r = cutter.Feed(k % 2 == 0, 1000 * k + 1, 0, false, 1);
        EXPECT_FALSE(r.frameDone);
    }
    EXPECT_FALSE(cutter.FrameOpen());
}
