// Building the 28 parameter rows: the work behind every shown frame, playback step and move of
// the frame position. Per frame, and for all frames of a full record.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "monitor/core/frame_record.h"
#include "monitor/core/parameter_rows.h"

using namespace velmorant;

namespace {

std::unique_ptr<FrameRecord> RandomRecord() {
    auto record = std::make_unique<FrameRecord>();
    std::mt19937 random(2026);
    for (int n = 1; n <= kMaxFrames; ++n) {
        RecordedFrame& f = (*record)[n];
        for (auto& b : f.DataBytes) b = static_cast<std::uint8_t>(random());
        for (auto& b : f.IdentBits) b = random() & 1;
        for (auto& b : f.Byte11Bits) b = random() & 1;
        for (auto& b : f.Byte12Bits) b = random() & 1;
        f.StoredAt = 46000 + n / 86400.0;
    }
    return record;
}

const DisplayLocale kLocale{};

// One frame into a reused set of rows, as the list display does.
void BM_RowsOfOneFrame(benchmark::State& state) {
    const auto record = RandomRecord();
    ParameterRows rows;
    int n = 1;
    for (auto _ : state) {
        BuildParameterRows((*record)[n], n, kMaxFrames, ConversionSettings{}, kLocale,
                           RowsVariant::Monitor, rows);
        benchmark::DoNotOptimize(rows);
        n = n % kMaxFrames + 1;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RowsOfOneFrame);

// One frame into fresh rows: the cost including every string allocation.
void BM_RowsOfOneFrameFresh(benchmark::State& state) {
    const auto record = RandomRecord();
    int n = 1;
    for (auto _ : state) {
        ParameterRows rows =
            BuildParameterRows((*record)[n], n, kMaxFrames, ConversionSettings{}, kLocale);
        benchmark::DoNotOptimize(rows);
        n = n % kMaxFrames + 1;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RowsOfOneFrameFresh);

// All 2000 frames of a full record.
void BM_RowsOfFullRecord(benchmark::State& state) {
    const auto record = RandomRecord();
    ParameterRows rows;
    for (auto _ : state) {
        for (int n = 1; n <= kMaxFrames; ++n) {
            BuildParameterRows((*record)[n], n, kMaxFrames, ConversionSettings{}, kLocale,
                               RowsVariant::Monitor, rows);
            benchmark::DoNotOptimize(rows);
        }
    }
    state.SetItemsProcessed(state.iterations() * kMaxFrames);
}
BENCHMARK(BM_RowsOfFullRecord)->Unit(benchmark::kMicrosecond);

}  // namespace
