#pragma once

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "monitor/core/chart_math.h"
#include "monitor/core/frame_record.h"
#include "monitor/core/settings.h"
#include "ui/bitmap.h"

namespace velmorant::test {

// A frame on which the six curves of the default selections (engine speed, injection,
// ignition, intake pressure, valve duty, target air/fuel) lie on rows of their own, off the
// grid and the frame.
inline RecordedFrame DefaultCurvesFrame() {
    RecordedFrame f;
    f.DataBytes[0] = 100;  // injection: row 116
    f.DataBytes[1] = 100;  // ignition: row 82
    f.DataBytes[2] = 200;  // valve duty: row 43
    f.DataBytes[3] = 120;  // engine speed: row 139
    f.DataBytes[4] = 30;   // intake pressure: row 169
    f.DataBytes[8] = 50;   // target air/fuel: row 159
    return f;
}

// A chart drawn with the settings of a fresh start over frames that all are
// DefaultCurvesFrame(): the canvas is white, the frame black, each default line shows in its
// default colour at column x, and the marker at markerX is black dots on white gaps.
inline void ExpectDefaultChartColours(const ui::Bitmap& b, int x, int markerX) {
    const ParamSettings defaults;
    const RecordedFrame frame = DefaultCurvesFrame();
    std::set<int> rows;
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE("line " + std::to_string(i + 1));
        const int y = ChartY(defaults.Grafik[i], frame, ConversionSettings{});
        ASSERT_TRUE(rows.insert(y).second) << "curves on one row";
        EXPECT_EQ(b.Pixel(x, y), static_cast<ui::Colour>(defaults.col[i]));
        EXPECT_NE(b.Pixel(x, y), b.Pixel(x, 20)) << "the line does not show on the canvas";
    }
    EXPECT_EQ(b.Pixel(x, 20), 0xFFFFFFu);
    EXPECT_EQ(b.Pixel(x, 0), 0x000000u);
    EXPECT_EQ(b.Pixel(0, 100), 0x000000u);
    // The marker hides the curves beneath it over rows 0 to 198.
    int dots = 0, gaps = 0;
    for (int y = 0; y <= 198; ++y) {
        const ui::Colour c = b.Pixel(markerX, y);
        dots += c == 0x000000u;
        gaps += c == 0xFFFFFFu;
    }
    EXPECT_GT(dots, 0) << "marker dots";
    EXPECT_GT(gaps, 0) << "marker gaps";
    EXPECT_EQ(dots + gaps, 199) << "other colours in the marker column";
}

}  // namespace velmorant::test
