// Times the charts window under Wine: a full redraw of six curves over 2000 and over 50
// frames, a marker move, and the follow-up step after a stored frame while reading.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "monitor/win/charts_form.h"
#include "monitor/win/main_form.h"
#include "monitor/win/program_forms.h"
#include "monitor/win/program_state.h"
#include "tests/win/scripted_line.h"
#include "ui/application.h"
#include "ui/menu.h"
#include "ui/scripted_dialogs.h"

using namespace velmorant;
using Clock = std::chrono::steady_clock;

namespace {

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

void Report(const char* what, const std::function<void(int)>& step, int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        step(i);
        GdiFlush();
        times.push_back(Ms(Clock::now() - start));
    }
    std::sort(times.begin(), times.end());
    std::printf("%-44s median %7.3f ms, max %7.3f ms over %d runs\n", what, times[times.size() / 2],
                times.back(), runs);
}

}  // namespace

int main() {
    test::ScriptedLine line;
    SetSerialApi(&line);
    ui::ScriptedDialogs dialogs;
    TForm1& main = CreateProgramForms();
    // Six curves that move at every frame.
    for (int k = 1; k <= kMaxFrames; ++k) {
        RecordedFrame& f = Record[k];
        for (int b = 0; b < 10; ++b)
            f.DataBytes[b] = static_cast<std::uint8_t>((k * (b + 7)) % 256);
        f.Byte11Bits[0] = k % 2;
    }
    ProgramSettings.Param.Grafik = {3, 0, 1, 4, 2, 10};
    auto& position = main.Get<ui::ScrollBar>("ScrollBar1");
    position.SetMax(kMaxFrames);
    position.SetPosition(1000);
    main.Get<ui::MenuItem>("N8").Click();
    TForm3& charts = *Forms.Form3;
    ui::ProcessMessages();

    // The parts of a full redraw over 2000 frames.
    Chart& c = charts.Charts();
    Report(
        "  background and its labels", [&](int) { c.DrawChartBackground(); }, 50);
    Report(
        "  six curves",
        [&](int) {
            for (int i = 1; i <= 6; ++i) c.DrawChartCurve(1, i);
        },
        50);
    Report(
        "  six values",
        [&](int) {
            for (int i = 1; i <= 6; ++i) c.ShowChartValue(999 + i, i);
        },
        50);
    Report(
        "  copy to the image", [&](int) { c.CopyToImage(); }, 50);
    Report(
        "  marker restored and drawn",
        [&](int) {
            c.RestoreMarkerColumn();
            c.DrawChartMarker();
        },
        50);
    Report(
        "full redraw, six curves, N = 2000", [&](int) { charts.FormRefresh(1); }, 50);
    charts.Get<ui::ComboBox>("ComboBox8").SetText("50");
    const int start = charts.Charts().Start();
    Report(
        "full redraw, six curves, N = 50", [&](int) { charts.FormRefresh(start); }, 200);
    auto& marker = charts.Get<ui::TrackBar>("TrackBar1");
    Report(
        "marker move (N = 50), main window's step included",
        [&](int i) { marker.SetPosition((i * 17) % 50); }, 500);
    charts.Charts().CurrentFrame = nullptr;
    Report(
        "marker move (N = 50), the chart's own part",
        [&](int i) { marker.SetPosition((i * 17) % 50); }, 500);
    charts.ConnectFramePosition(position);
    // Reading: each stored frame becomes the current one, then the follow-up step runs.
    main.EnableIdleControls(false);
    Report(
        "follow-up after a stored frame (Timer5)",
        [&](int i) {
            position.SetPosition(51 + i);
            main.Timer5Timer();
        },
        500);
    main.EnableIdleControls(true);
    ui::App().DestroyForms();
    SetSerialApi(nullptr);
    return 0;
}
