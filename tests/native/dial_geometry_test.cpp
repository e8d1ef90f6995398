#include "gauges/core/dial_geometry.h"

#include <gtest/gtest.h>

#include <numbers>
#include <string>
#include <vector>

using gauges::DialGeometry;
using gauges::DialPoint;
using gauges::LabelHorizontal;

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

TEST(DialGeometryTest, RadiusPivotAndPoints) {
    const DialGeometry g(313, 160, 10);
    EXPECT_EQ(g.Radius(), 130);  // min(156 - 10, 160 - 10 - 20)
    EXPECT_EQ(g.Pivot(), (DialPoint{156, 140}));
    EXPECT_EQ(g.PointAt(kPi, 0.9L), (DialPoint{273, 140}));
    EXPECT_EQ(g.PointAt(kPi / 2, 1), (DialPoint{156, 10}));
    EXPECT_EQ(g.PointAt(kPi / 360, 0.9L), (DialPoint{39, 139}));  // half a degree up
    EXPECT_EQ(DialGeometry(250, 200, 10).Radius(), 115);          // the width decides

    // 0.9 of 125 is 112.5: both ends fall on halves and go to the even neighbour.
    const DialGeometry h(270, 300, 10);
    EXPECT_EQ(h.PointAt(0, 0.9L), (DialPoint{22, 280}));
    EXPECT_EQ(h.PointAt(kPi, 0.9L), (DialPoint{248, 280}));
}

TEST(DialGeometryTest, PointerAngle) {
    EXPECT_EQ(gauges::PointerAngle(10, 0, 10), kPi);
    EXPECT_EQ(gauges::PointerAngle(5, 0, 10), kPi / 2);
    EXPECT_EQ(gauges::PointerAngle(0, 0, 10), kPi / 360);
    EXPECT_EQ(gauges::PointerAngle(7, 7, 7), kPi / 360);  // equal ends: no division by zero
}

std::string Alignments(int n, bool outside) {
    std::string s;
    for (int i = 0; i <= n; ++i) {
        switch (gauges::LabelAlignment(i, n, outside)) {
            case LabelHorizontal::Left:
                s += 'L';
                break;
            case LabelHorizontal::Centre:
                s += 'C';
                break;
            case LabelHorizontal::Right:
                s += 'R';
                break;
        }
    }
    return s;
}

TEST(DialGeometryTest, LabelAlignment) {
    EXPECT_EQ(Alignments(10, true), "RRRRRCLLLLL");
    EXPECT_EQ(Alignments(9, true), "RRRRLLLLLL");
    EXPECT_EQ(Alignments(10, false), "LLLLLCRRRRR");
    EXPECT_EQ(Alignments(2, true), "RCL");
}

TEST(DialGeometryTest, ScaleLabels) {
    auto labels = [](int n, double lo, double hi, int decimals) {
        std::vector<std::string> v;
        for (int i = 0; i <= n; ++i) v.push_back(gauges::ScaleLabel(i, n, lo, hi, decimals));
        return v;
    };
    EXPECT_EQ(labels(8, 40, 120, 0),
              (std::vector<std::string>{"40", "50", "60", "70", "80", "90", "100", "110", "120"}));
    EXPECT_EQ(labels(6, -30, 60, 0),
              (std::vector<std::string>{"-30", "-15", "0", "15", "30", "45", "60"}));
    EXPECT_EQ(labels(2, 0, 1, 2), (std::vector<std::string>{"0.00", "0.50", "1.00"}));
}

}  // namespace
