#include "tests/support/ecu_stream.h"

#include <cmath>
#include <random>

namespace velmorant::test {

std::vector<std::uint8_t> FrameCellsOf(const EcuFrame& frame) {
    std::vector<std::uint8_t> cells;
    cells.push_back(0);
    for (std::uint8_t b : frame.identBits) cells.push_back(b ? 1 : 0);
    cells.insert(cells.end(), {1, 1});
    for (std::uint8_t byte : frame.bytes) {
        cells.push_back(0);
        for (int b = 0; b < 8; ++b) cells.push_back((byte >> b) & 1);
        cells.insert(cells.end(), {1, 1});
    }
    return cells;
}

std::vector<DsrEvent> SynthesizeStream(const std::vector<EcuFrame>& frames,
                                       const StreamOptions& o,
                                       std::vector<std::size_t>* headerEvents) {
    // The line as one level per bit time, from the first change on (which is to level 1).
    // Two idle bits up front stand for the stop bits of a frame before the start, so the
    // first gap qualifies as every later one does.
    std::vector<std::uint8_t> line(2, 1);
    std::vector<std::size_t> headerBits;
    for (const EcuFrame& f : frames) {
        line.insert(line.end(), static_cast<std::size_t>(o.gapBits), 1);
        headerBits.push_back(line.size());
        const auto cells = FrameCellsOf(f);
        line.insert(line.end(), cells.begin(), cells.end());
    }
    line.insert(line.end(), static_cast<std::size_t>(o.gapBits), 1);
    line.push_back(0);

    std::mt19937 rng(o.seed);
    std::uniform_real_distribution<double> jitter(-o.jitterMs, o.jitterMs);
    const double bitSeconds = 0.0082 * (1.0 + o.clockError);
    // A non-zero start: a reading of 0 would stand for "no time base yet".
    const double start = 12.345;

    std::vector<DsrEvent> events;
    auto emit = [&](std::size_t bit, std::uint8_t newLevel) {
        double t = start + static_cast<double>(bit) * bitSeconds;
        if (o.jitterMs > 0) t += jitter(rng) / 1000.0;
        const bool high = newLevel == 1;
        events.push_back({high != o.inverted, std::llround(t * static_cast<double>(o.frequency))});
    };
    emit(0, 1);
    std::size_t nextHeader = 0;
    for (std::size_t bit = 1; bit < line.size(); ++bit) {
        if (line[bit] == line[bit - 1]) continue;
        if (headerEvents && nextHeader < headerBits.size() && headerBits[nextHeader] == bit) {
            headerEvents->push_back(events.size());
            ++nextHeader;
        }
        emit(bit, line[bit]);
    }
    return events;
}

EcuFrame RandomFrame(std::uint32_t& state) {
    EcuFrame f;
    auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    for (auto& b : f.identBits) b = next() & 1;
    for (auto& b : f.bytes) b = static_cast<std::uint8_t>(next());
    return f;
}

EcuFrame FrameWithBytes(std::uint8_t fill, std::uint16_t ident) {
    EcuFrame f;
    for (int m = 0; m < 12; ++m) f.identBits[m] = (ident >> m) & 1;
    f.bytes.fill(fill);
    return f;
}

}  // namespace velmorant::test
