// Times opening recorded data files with a long additional description under Wine, through
// the program's own windows and open path, up to the car description window painted; checks
// that an opened description comes back line for line, or that the file is refused with one
// box, and prints the process's peak memory.
// Arguments: the names of the cases to run (all when none).
#include <windows.h>
// After windows.h, whose types it uses.
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "monitor/core/record_file_reader.h"
#include "monitor/core/record_file_writer.h"
#include "monitor/win/car_form.h"
#include "monitor/win/main_form.h"
#include "monitor/win/program_forms.h"
#include "monitor/win/serial_api.h"
#include "tests/win/scripted_line.h"
#include "ui/application.h"
#include "ui/edit.h"
#include "ui/scripted_dialogs.h"

using namespace velmorant;
using Clock = std::chrono::steady_clock;

namespace {

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

double PeakMegabytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return -1;
    return static_cast<double>(counters.PeakWorkingSetSize) / (1 << 20);
}

// Words of a mechanic's note, Cyrillic and Latin, repeated up to the length.
std::string NoteText(std::size_t length) {
    static const std::string kWords = "Холостой ход неровный, 850 rpm, датчик O2 lean. ";
    std::string text;
    text.reserve(length + kWords.size());
    while (text.size() < length) text += kWords;
    text.resize(length);
    return text;
}

struct Case {
    const char* name;
    std::vector<std::string> lines;
};

std::vector<Case> Cases() {
    std::vector<std::string> shortLines;
    for (int i = 0; i < 200'000; ++i) shortLines.push_back("line " + std::to_string(i));
    // The most a memo holds: one line, and lines of one character.
    const std::vector<std::string> fullLines((ui::Memo::kMaxLength + 2) / 3, "x");
    return {
        {"line-8KB", {NoteText(ui::Memo::kMaxLength)}},
        {"lines-2731", fullLines},
        {"line-100KB", {NoteText(100 << 10)}},
        {"line-1MB", {NoteText(1 << 20)}},
        {"line-15MB", {NoteText(15 << 20)}},
        {"lines-200000", shortLines},
    };
}

}  // namespace

int main(int argc, char** argv) {
    test::ScriptedLine line;
    SetSerialApi(&line);
    ui::ScriptedDialogs dialogs;
    TForm1& main = CreateProgramForms();
    main.Show();
    ui::ProcessMessages();
    TForm6& car = *Forms.Form6;

    const auto dir = std::filesystem::temp_directory_path();
    int failures = 0;
    for (const Case& c : Cases()) {
        bool wanted = argc < 2;
        for (int i = 1; i < argc; ++i) wanted = wanted || std::strcmp(argv[i], c.name) == 0;
        if (!wanted) continue;

        RecordFileSections sections;
        sections.AdditionalDescription = c.lines;
        sections.ReasonsForDiagnostics = std::vector<std::string>{"timing"};
        const std::vector<RecordedFrame> frames(10);
        const auto path = dir / (std::string("velmorant_description_") + c.name + ".vmr");
        WriteRecordFile(path, frames, sections, {});
        const auto bytes = std::filesystem::file_size(path);

        car.Hide();
        car.Memo1().Clear();
        ui::ProcessMessages();
        dialogs.boxes.clear();
        const auto start = Clock::now();
        const bool read = main.LoadRecordFile(path);
        ui::ProcessMessages();
        UpdateWindow(car.Handle());
        const double seconds = Seconds(Clock::now() - start);

        const bool kept = car.Memo1().Lines() == c.lines;
        const bool shown = IsWindowVisible(car.Handle()) != 0;
        const bool refused = !read && dialogs.boxes.size() == 1;
        std::printf("%-13s file %9.1f KB: %s in %6.3f s, peak %.0f MB", c.name,
                    static_cast<double>(bytes) / 1024, read ? "opened" : "not opened", seconds,
                    PeakMegabytes());
        if (read) std::printf(", %s", kept && shown ? "lines kept and shown" : "LINES DIFFER");
        for (const auto& box : dialogs.boxes) std::printf(", box \"%s\"", box.text.c_str());
        std::printf("\n");
        std::fflush(stdout);
        if (read ? !kept || !shown : !refused) ++failures;
        std::filesystem::remove(path);
    }
    ui::App().DestroyForms();
    SetSerialApi(nullptr);
    return failures == 0 ? 0 : 1;
}
