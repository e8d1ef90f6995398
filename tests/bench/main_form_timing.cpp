// Times the main window under Wine: a decoded frame from its message to the list shown, and
// loading, showing and saving a full 2000-frame recording.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "monitor/core/record_file_writer.h"
#include "monitor/win/car_form.h"
#include "monitor/win/main_form.h"
#include "monitor/win/program_forms.h"
#include "monitor/win/program_state.h"
#include "tests/support/ecu_stream.h"
#include "tests/win/scripted_line.h"
#include "ui/application.h"
#include "ui/scripted_dialogs.h"

using namespace velmorant;
using Clock = std::chrono::steady_clock;

namespace {

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// The main window with its frame message timed up to the list painted.
class TimedForm : public TForm1 {
public:
    std::vector<double> frameMs;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg != WM_EDGELIST) return TForm1::WindowProc(msg, wParam, lParam);
        const auto start = Clock::now();
        const LRESULT result = TForm1::WindowProc(msg, wParam, lParam);
        UpdateWindow(Get<ui::ListView>("ListView2").Handle());
        UpdateWindow(Get<ui::ListView>("ListView1").Handle());
        frameMs.push_back(Ms(Clock::now() - start));
        return result;
    }
};

}  // namespace

int main() {
    test::ScriptedLine line;
    SetSerialApi(&line);
    ui::ScriptedDialogs dialogs;
    TimedForm form;
    form.Create();
    // The save needs the car window, which holds the reasons for diagnostics.
    TForm6 car;
    car.Create();
    Forms.Form6 = &car;
    form.Show();
    form.Timer1Timer();

    constexpr int kFrames = 200;
    std::uint32_t state = 5;
    std::vector<test::EcuFrame> frames;
    for (int k = 0; k < kFrames; ++k) frames.push_back(test::RandomFrame(state));
    line.events = test::SynthesizeStream(frames, {});
    form.Get<ui::ComboBox>("ComboBox1").SetText("COM7");
    form.Get<ui::Button>("Button1").Click();
    const auto deadline = Clock::now() + std::chrono::seconds(30);
    while (form.frameMs.size() < kFrames && Clock::now() < deadline) {
        ui::ProcessMessages();
        Sleep(1);
    }
    form.Get<ui::Button>("Button1").Click();
    auto times = form.frameMs;
    std::sort(times.begin(), times.end());
    if (times.empty()) return 1;
    std::printf("frame message to list shown: median %.2f ms, max %.2f ms over %zu frames\n",
                times[times.size() / 2], times.back(), times.size());

    std::vector<RecordedFrame> big(kMaxFrames);
    for (int k = 0; k < kMaxFrames; ++k) big[k].DataBytes[3] = static_cast<std::uint8_t>(k);
    RecordFileSections sections;
    sections.ReasonsForDiagnostics = std::vector<std::string>{"timing"};
    const auto dir = std::filesystem::temp_directory_path();
    const auto source = dir / "velmorant_timing_2000.vmr";
    WriteRecordFile(source, big, sections, {});

    auto start = Clock::now();
    form.LoadRecordFile(source);
    ui::ProcessMessages();
    std::printf("load and show a 2000-frame file: %.1f ms\n", Ms(Clock::now() - start));

    dialogs.fileAnswers = {ui::FileDialogAnswer{dir / "velmorant_timing_saved.vmr", 1}};
    start = Clock::now();
    form.SaveRecordAs();
    const double saveMs = Ms(Clock::now() - start);
    Forms.Form6 = nullptr;
    SetSerialApi(nullptr);
    if (RecordUnsaved.load() || !std::filesystem::exists(dir / "velmorant_timing_saved.vmr")) {
        std::printf("save a 2000-frame file: not saved\n");
        return 1;
    }
    // Save As waits 100 ms for the frame-store timer before it asks for the file.
    std::printf("save a 2000-frame file: %.1f ms (of which 100 ms is the wait for the frame "
                "store)\n", saveMs);
    return 0;
}
