// How much line timing error the capture and the decoder survive: 2000 synthesized frames per
// setting of per-edge jitter and clock-rate error, and what became of them.
#include <cstdio>
#include <unordered_map>
#include <vector>

#include "tests/support/ecu_stream.h"
#include "tests/support/pipeline.h"

using namespace velmorant::test;

int main() {
    constexpr int kFrames = 2000;
    constexpr std::int64_t kFrequency = 10'000'000;
    std::uint32_t state = 7;
    std::vector<EcuFrame> sent;
    for (int i = 0; i < kFrames; ++i) sent.push_back(RandomFrame(state));

    std::printf("frames per setting: %d; correct = decoded with the bytes sent, wrong = passed "
                "the checks with other bytes\n",
                kFrames);
    std::printf("%-8s %-6s %8s %8s %6s %6s\n", "jitter", "clock", "correct", "share", "wrong",
                "lost");
    const double jitters[] = {0, 0.5, 1, 1.5, 2, 2.5, 3};
    const double clocks[] = {0, 0.01, -0.01, 0.02, -0.02, 0.03, -0.03};
    for (double j : jitters) {
        for (double c : clocks) {
            StreamOptions o;
            o.frequency = kFrequency;
            o.jitterMs = j;
            o.clockError = c;
            o.seed = static_cast<std::uint32_t>(1000 * j + 1000 * c + 3);
            std::vector<std::size_t> headers;
            const auto events = SynthesizeStream(sent, o, &headers);
            // A list belongs to the frame whose header its first period is.
            std::unordered_map<std::size_t, int> frameAt;
            for (int k = 0; k < kFrames; ++k) frameAt[headers[k] + 1] = k;
            int correct = 0, wrong = 0;
            for (const CutFrame& cut : RunPipeline(events, kFrequency)) {
                if (!cut.good) continue;
                auto it = frameAt.find(cut.firstEvent);
                (it != frameAt.end() && SameFrame(cut.frame, sent[it->second])) ? ++correct
                                                                                 : ++wrong;
            }
            std::printf("+-%3.1fms %+4.0f%% %8d %7.2f%% %6d %6d\n", j, c * 100, correct,
                        100.0 * correct / kFrames, wrong, kFrames - correct - wrong);
        }
    }
    return 0;
}
