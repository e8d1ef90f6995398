#pragma once

#include <span>

#include "monitor/core/display_values.h"
#include "ui/design.h"

namespace velmorant {

// The driving-parameters window's design without its gauge controls: its frame, the
// bevelled panels, captions, fuel labels and the bottom strip, in building order.
const ui::FormDesign& DrivingFormDesign();
std::span<const ui::Design> DrivingFormComponents();

// The gauge controls' places and settings, each on a panel of the design.
struct TachoPlace {
    const char* name;
    const char* parent;
    int left, top, width, height;
    GaugeRange range;  // the frame display clamps into the same range; the gauge starts at Min
    int intervals;
    int pinRadius;
    int scaleFontHeight;  // 0: the panel's font
};
struct DigitPlace {
    const char* name;
    const char* parent;
    int left, top;
    int digitCount;
};
struct LedPlace {
    const char* name;
    const char* parent;
    int left, top;
};
// In building order: a digit display comes after the gauge it lies on, so it paints over it.
std::span<const TachoPlace> DrivingTachos();
std::span<const DigitPlace> DrivingDigits();
std::span<const LedPlace> DrivingLeds();
// The strip of the window's own digit displays.
inline constexpr char kDrivingDigitStrip[] = "KroDigitBitmap2";

}  // namespace velmorant
