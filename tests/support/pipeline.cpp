#include "tests/support/pipeline.h"

#include "monitor/core/frame_cutter.h"
#include "monitor/core/frame_decoder.h"

namespace velmorant::test {

std::vector<CutFrame> RunPipeline(const std::vector<DsrEvent>& events, std::int64_t frequency,
                                  bool adapter, std::int32_t frameCount) {
    std::vector<CutFrame> out;
    std::array<TEdgeRecord, kEdgeSlots> ring{};
    FrameCutter cutter(ring);
    FrameCellBuffer cells;
    FrameBitBuffer bits{};
    for (std::size_t index = 0; index < events.size(); ++index) {
        const DsrEvent& e = events[index];
        const CutResult cut = cutter.Feed(e.dsrOn, e.counter, frequency, adapter, frameCount);
        if (!cut.frameDone) continue;
        CutFrame& f = out.emplace_back();
        f.list.assign(cut.list.begin(), cut.list.end());
        f.setUnsaved = cut.setUnsaved;
        f.firstEvent = index + 1 - f.list.size();
        f.good = DecodeEdgeList(f.list.data(), f.list.size() * sizeof(TEdgeRecord), cells,
                                bits) == DecodeResult::Good;
        if (!f.good) continue;
        for (int m = 0; m < 12; ++m) f.frame.identBits[m] = bits[kIdentBitBase + m];
        for (int c = 1; c <= 12; ++c) f.frame.bytes[c - 1] = BitsToByte(bits, c);
    }
    return out;
}

bool SameFrame(const EcuFrame& a, const EcuFrame& b) {
    return a.identBits == b.identBits && a.bytes == b.bytes;
}

}  // namespace velmorant::test
