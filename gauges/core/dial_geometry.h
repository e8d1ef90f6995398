#pragma once

#include <string>

namespace gauges {

struct DialPoint {
    int x = 0;
    int y = 0;
    bool operator==(const DialPoint&) const = default;
};

// Where the half dial of a gauge of width x height pixels lies: the radius R and the pivot,
// raised by the pin. Angle 0 points left, pi/2 up, pi right.
class DialGeometry {
public:
    DialGeometry(int width, int height, int pinRadius);

    long double Radius() const { return radius_; }
    DialPoint Pivot() const { return {cx_, cy_}; }
    // The point at `fraction` of the radius from the pivot towards angle t, each coordinate
    // rounded to the nearest integer with halves to even.
    DialPoint PointAt(long double t, long double fraction) const;

private:
    long double radius_;
    int cx_;
    int cy_;
};

// The pointer's angle for a position: 0 at the minimum, pi at the maximum, and half a degree
// instead of 0 so the pointer never lies flat on the left end. Equal ends, and undefined
// values, also give half a degree.
long double PointerAngle(double position, double minValue, double maxValue);

// How a scale label sits at its anchor point.
enum class LabelHorizontal { Left, Centre, Right };
// Label i of n intervals (labels outside the dial) takes its right edge at the anchor on the
// left half, its left edge on the right half, and its centre at the top when n is even.
// Inside the dial it is the other way round.
LabelHorizontal LabelAlignment(int i, int n, bool outside);

// The text of label i of n intervals from minValue to maxValue, with `decimals` decimals.
std::string ScaleLabel(int i, int n, double minValue, double maxValue, int decimals);

}  // namespace gauges
