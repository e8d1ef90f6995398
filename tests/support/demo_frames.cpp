#include "tests/support/demo_frames.h"

#include <algorithm>
#include <cmath>

namespace velmorant::test {

namespace {

std::uint8_t Byte(double v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

}  // namespace

std::vector<EcuFrame> DemoFrames(int count) {
    std::vector<EcuFrame> frames;
    std::uint32_t noise = 12345;
    auto wobble = [&noise](double amplitude) {
        noise = noise * 1664525u + 1013904223u;
        return amplitude * ((noise >> 8) / double(1u << 24) * 2 - 1);
    };
    for (int k = 0; k < count; ++k) {
        const double warm = std::min(1.0, k / (0.8 * count));  // 0 cold .. 1 warm
        const bool cranking = k < 2;
        EcuFrame f;
        // An identifier the unit repeats in every frame.
        const std::uint16_t ident = 0x0A3;
        for (int m = 0; m < 12; ++m) f.identBits[m] = (ident >> m) & 1;
        auto& b = f.bytes;
        const double rpm = cranking ? 250 : 750 + 450 * (1 - warm) + wobble(25);
        b[0] = Byte((3.4 - 1.3 * warm + wobble(0.1)) / 0.125);  // injection time, ms
        b[1] = Byte((10 + 4 * (1 - warm) + wobble(1) + 30) / 0.47);  // ignition, degrees
        b[2] = Byte((38 + 25 * (1 - warm) + wobble(1)) * 255 / 100);  // idle valve, %
        b[3] = Byte(rpm / 25);
        b[4] = Byte((33 + 6 * (1 - warm) + wobble(1)) / 0.6515);  // intake pressure, kPa
        // Coolant, direct sensor: 135 is 20 degrees, 231 about 86.
        b[5] = Byte(135 + 96 * warm);
        b[6] = Byte(14 + wobble(0.6));  // throttle closed
        b[7] = 0;                       // standing
        const bool feedback = warm > 0.35;
        const double o2 = feedback ? (k % 3 == 0 ? 0.75 : 0.15) + wobble(0.05) : 0.45;
        b[8] = Byte(o2 * 256 / 5);
        b[9] = Byte((1.05 - o2 * 0.8) * 256 / 5);
        std::uint8_t flags11 = 0, flags12 = 0;
        if (k < 15) flags11 |= 1u << 0;      // enrichment after start
        if (warm < 0.6) flags11 |= 1u << 1;  // warming enrichment
        if (feedback) flags11 |= 1u << 5;
        if (cranking) flags12 |= 1u << 0;    // starter
        flags12 |= 1u << 1;                  // idle switch
        flags12 |= 1u << 3;                  // park/neutral
        if (feedback && o2 > 0.45) flags12 |= 1u << 4;
        if (feedback && o2 <= 0.45) flags12 |= 1u << 5;
        b[10] = flags11;
        b[11] = flags12;
        frames.push_back(f);
    }
    return frames;
}

}  // namespace velmorant::test
