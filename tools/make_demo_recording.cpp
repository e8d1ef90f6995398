// Makes the demo recording that scripts/run opens: a cold start warming up to idle, sent
// through the stream synthesizer, cut, decoded and stored as a reading would store it.
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "monitor/core/date_time.h"
#include "monitor/core/frame_cutter.h"
#include "monitor/core/frame_decoder.h"
#include "monitor/core/frame_store.h"
#include "monitor/core/record_file_writer.h"
#include "tests/support/demo_frames.h"
#include "tests/support/ecu_stream.h"

using namespace velmorant;

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: make_demo_recording OUTPUT.vmr [FRAMES]\n");
        return 2;
    }
    const int kFrames = argc == 3 ? std::atoi(argv[2]) : 300;
    if (kFrames < 1 || kFrames > kMaxFrames) {
        std::fprintf(stderr, "FRAMES: 1 to %d\n", kMaxFrames);
        return 2;
    }
    test::StreamOptions options;
    options.jitterMs = 0.4;  // a real line is never quite punctual
    const auto events = test::SynthesizeStream(test::DemoFrames(kFrames), options);

    auto record = std::make_unique<FrameRecord>();
    std::atomic<std::int32_t> frameCount{1};
    std::array<TEdgeRecord, kEdgeSlots> ring{};
    FrameCutter cutter(ring);
    FrameCellBuffer cells;
    FrameBitBuffer bits{};
    const double start = EncodeDateTime(2026, 12, 10, 8, 15, 0, 0);
    for (const test::DsrEvent& e : events) {
        const CutResult cut = cutter.Feed(e.dsrOn, e.counter, options.frequency, false, 1);
        if (!cut.frameDone ||
            DecodeEdgeList(cut.list.data(), cut.list.size_bytes(), cells, bits) !=
                DecodeResult::Good)
            continue;
        // One frame every 1.34 s from the start of the recording.
        const double now = start + (frameCount.load() - 1) * 1.34 / 86400.0;
        StoreNextFrame(*record, frameCount, bits, now);
    }
    const int n = frameCount.load() - 1;

    RecordFileSections sections;
    sections.Bookmarks = std::array<std::string, kBookmarkCount>{"1", "120", "0", "0", "0",
                                                                 "0", "0", "0", "0", "0"};
    sections.AdditionalDescription = std::vector<std::string>{"Demo: cold start, warm-up to idle."};
    sections.ReasonsForDiagnostics = std::vector<std::string>{"Прогрев двигателя на холостом ходу."};
    sections.Car = CarDescription{"Моя машина", "4A-FE", "A245E", "1996", "182000",
                                  "Бензиновый", "4", "Automatic", "FWD"};
    const WriteOutcome out = WriteRecordFile(argv[1], FramesOf(*record, n), sections, {});
    if (!out.Ok()) {
        std::fprintf(stderr, "%s\n", out.ErrorText.c_str());
        return 1;
    }
    std::printf("%d frames written\n", n);
    return n == kFrames ? 0 : 1;
}
