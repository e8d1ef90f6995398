#include "gauges/core/dial_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "gauges/core/number_text.h"
#include "gauges/core/rounding.h"

namespace gauges {

DialGeometry::DialGeometry(int width, int height, int pinRadius)
    : radius_(std::min(width / 2 - 10, height - pinRadius - 20)),
      cx_(width / 2),
      cy_(height - pinRadius - 10) {}

DialPoint DialGeometry::PointAt(long double t, long double fraction) const {
    return {RoundHalfEven(cx_ + fraction * (-std::cos(t) * radius_)),
            RoundHalfEven(cy_ + fraction * (-std::sin(t) * radius_))};
}

long double PointerAngle(double position, double minValue, double maxValue) {
    constexpr long double kHalfDegree = std::numbers::pi_v<long double> / 360;
    if (maxValue == minValue) return kHalfDegree;
    long double a = (static_cast<long double>(position) - minValue) /
                    (static_cast<long double>(maxValue) - minValue) *
                    std::numbers::pi_v<long double>;
    if (a == 0 || !std::isfinite(a)) return kHalfDegree;
    return a;
}

LabelHorizontal LabelAlignment(int i, int n, bool outside) {
    if (i == n / 2 && n % 2 == 0) return LabelHorizontal::Centre;
    const bool leftHalf = i < n / 2;
    if (outside) return leftHalf ? LabelHorizontal::Right : LabelHorizontal::Left;
    return leftHalf ? LabelHorizontal::Left : LabelHorizontal::Right;
}

std::string ScaleLabel(int i, int n, double minValue, double maxValue, int decimals) {
    const double v = (maxValue - minValue) / n * i + minValue;
    return FormatReal(1, static_cast<std::uint16_t>(decimals), v);
}

}  // namespace gauges
