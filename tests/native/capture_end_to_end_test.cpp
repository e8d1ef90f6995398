#include <gtest/gtest.h>

#include <vector>

#include "tests/support/ecu_stream.h"
#include "tests/support/pipeline.h"

using namespace velmorant::test;

namespace {

std::vector<EcuFrame> SampleFrames() {
    std::vector<EcuFrame> frames = {FrameWithBytes(0x00, 0x000), FrameWithBytes(0xFF, 0xFFF),
                                    FrameWithBytes(0x55, 0xAAA), FrameWithBytes(0xAA, 0x555)};
    std::uint32_t state = 42;
    for (int k = 0; k < 60; ++k) frames.push_back(RandomFrame(state));
    return frames;
}

void ExpectAllDecoded(const std::vector<EcuFrame>& sent, const std::vector<CutFrame>& cut,
                      const char* what) {
    ASSERT_EQ(cut.size(), sent.size()) << what;
    for (std::size_t k = 0; k < sent.size(); ++k) {
        ASSERT_TRUE(cut[k].good) << what << " frame " << k;
        EXPECT_TRUE(SameFrame(cut[k].frame, sent[k])) << what << " frame " << k;
    }
}

}  // namespace

TEST(CaptureEndToEnd, EveryFrameBackForEveryGap) {
    const auto frames = SampleFrames();
    for (int gap : {16, 17, 20, 40}) {
        for (std::int64_t freq : {3'579'545LL, 10'000'000LL, 2'500'000'000LL}) {
            StreamOptions o;
            o.gapBits = gap;
            o.frequency = freq;
            ExpectAllDecoded(frames, RunPipeline(SynthesizeStream(frames, o), freq),
                             ("gap " + std::to_string(gap)).c_str());
        }
    }
}

TEST(CaptureEndToEnd, InvertingAdapterWithTheSettingOn) {
    const auto frames = SampleFrames();
    StreamOptions o;
    o.inverted = true;
    ExpectAllDecoded(frames, RunPipeline(SynthesizeStream(frames, o), o.frequency, true),
                     "inverted");
    // Without the setting the inverted line yields nothing good.
    for (const CutFrame& c : RunPipeline(SynthesizeStream(frames, o), o.frequency, false))
        EXPECT_FALSE(c.good);
}

TEST(CaptureEndToEnd, JitterWithinTwoMillisecondsLosesNothing) {
    const auto frames = SampleFrames();
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        StreamOptions o;
        o.jitterMs = 2.0;
        o.seed = seed;
        o.gapBits = 16 + static_cast<int>(seed);
        ExpectAllDecoded(frames, RunPipeline(SynthesizeStream(frames, o), o.frequency),
                         "jitter 2 ms");
    }
}
