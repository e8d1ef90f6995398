#pragma once

#include <cstdint>
#include <vector>

#include "monitor/core/edge_record.h"
#include "tests/support/ecu_stream.h"

namespace velmorant::test {

// One frame cut from the stream and what the decoder made of it.
struct CutFrame {
    std::vector<TEdgeRecord> list;
    bool good = false;
    bool setUnsaved = false;
    std::size_t firstEvent = 0;  // index of the change that ends the list's first period
    EcuFrame frame;              // valid when good
};

// Runs DSR changes through the cutter and the decoder as the capture thread and the main
// window do.
std::vector<CutFrame> RunPipeline(const std::vector<DsrEvent>& events, std::int64_t frequency,
                                  bool adapter = false, std::int32_t frameCount = 1);

bool SameFrame(const EcuFrame& a, const EcuFrame& b);

}  // namespace velmorant::test
