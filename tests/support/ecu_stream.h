#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace velmorant::test {

// One frame as the unit sends it.
struct EcuFrame {
    std::array<std::uint8_t, 12> identBits{};  // identifier bits 1..12 in order of sending
    std::array<std::uint8_t, 12> bytes{};      // characters 1..12
};

// One DSR change as the capture thread sees it: the modem status after the change and the
// counter reading taken at once.
struct DsrEvent {
    bool dsrOn;
    std::int64_t counter;
};

struct StreamOptions {
    std::int64_t frequency = 10'000'000;  // counter ticks per second
    int gapBits = 16;                     // idle bit times between frames
    double jitterMs = 0;                  // each edge moved by uniform(-jitter, +jitter)
    double clockError = 0;                // the unit's bit time is 8.2 ms * (1 + clockError)
    std::uint32_t seed = 1;
    bool inverted = false;                // an inverting adapter: DSR shows the other level
};

// The DSR changes of the unit sending `frames`: a first change that only starts the time
// base, the idle gap before each frame, and after the last frame a gap and the change that
// ends it, so every frame is closed. `headerEvents`, when given, receives for each frame the
// index of the change that starts its header.
std::vector<DsrEvent> SynthesizeStream(const std::vector<EcuFrame>& frames,
                                       const StreamOptions& options = {},
                                       std::vector<std::size_t>* headerEvents = nullptr);

// The frame's line levels, one per bit time, gap excluded (147 cells).
std::vector<std::uint8_t> FrameCellsOf(const EcuFrame& frame);

EcuFrame RandomFrame(std::uint32_t& state);
EcuFrame FrameWithBytes(std::uint8_t fill, std::uint16_t ident = 0);

}  // namespace velmorant::test
