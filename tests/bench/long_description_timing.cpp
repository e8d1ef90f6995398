// Times opening recorded data files with long texts (the additional description, the car
// fields, the reference values) under Wine, through the program's own windows and open path,
// up to the windows painted, and the same files in a Viewer pane; times a start whose settings
// file holds long car-description defaults, up to the parameter list shown. Checks that what
// opens comes back as written, or that the file is refused with one box, and prints the
// process's peak memory (run one case alone for its own peak).
// Arguments: the names of the cases to run (all when none); "viewer:" before a file case's
// name runs it in the Viewer pane only.
#include <windows.h>
// After windows.h, whose types it uses.
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "monitor/core/record_file_reader.h"
#include "monitor/core/record_file_writer.h"
#include "monitor/core/settings_file.h"
#include "monitor/win/car_form.h"
#include "monitor/win/main_form.h"
#include "monitor/win/program_forms.h"
#include "monitor/win/program_state.h"
#include "monitor/win/serial_api.h"
#include "tests/win/scripted_line.h"
#include "ui/application.h"
#include "ui/edit.h"
#include "ui/list_view.h"
#include "ui/program_environment.h"
#include "ui/scripted_dialogs.h"
#include "viewer/pane.h"
#include "viewer/viewer_form.h"

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

// A recorded data file, as sections to write or as its bytes.
struct FileContent {
    RecordFileSections sections;
    std::string bytes;  // when not empty, the file as it stands, of one frame
};

// Made only when the case runs, so that a case run alone shows its own peak memory.
struct FileCase {
    const char* name;
    std::function<FileContent()> make;
};

constexpr int kFrames = 10;  // of a file written from sections

RecordFileSections WithDescription(std::vector<std::string> lines) {
    RecordFileSections s;
    s.AdditionalDescription = std::move(lines);
    s.ReasonsForDiagnostics = std::vector<std::string>{"timing"};
    return s;
}

RecordFileSections WithCarFields(std::size_t length) {
    RecordFileSections s = WithDescription({"car"});
    CarDescription car;
    for (int i = 0; i < kCarFieldCount; ++i)
        car[i] = std::string(length, static_cast<char>('a' + i));
    s.Car = car;
    return s;
}

RecordFileSections WithReferences(std::size_t length) {
    RecordFileSections s = WithDescription({});
    for (int c = 0; c < kReferenceColumns; ++c)
        s.References[c].assign(kReferenceRows, std::string(length, static_cast<char>('1' + c)));
    return s;
}

// At the read cap, after the bookmarks: the largest comment count and then nothing but line
// ends, each one a comment line.
FileContent LineEndsAtTheReadCap() {
    RecordFileSections s;
    s.Bookmarks.emplace();
    s.Bookmarks->fill("0");
    std::string bytes = FormatRecordFile(std::vector<RecordedFrame>(1), s, {});
    const int keptLines =
        2 + kFrameBlockLines + kReferenceColumns * kReferenceRows + kBookmarkCount;
    std::size_t end = 0;
    for (int i = 0; i < keptLines; ++i) end = bytes.find("\r\n", end) + 2;
    bytes.resize(end);
    bytes += "2147483647\r\n";
    bytes.resize(static_cast<std::size_t>(kMaxRecordFileBytes), '\n');
    return {{}, bytes};
}

std::vector<FileCase> FileCases() {
    const auto lines = [](std::vector<std::string> (*make)()) {
        return [make] { return FileContent{WithDescription(make()), {}}; };
    };
    const auto sections = [](RecordFileSections (*make)(std::size_t), std::size_t length) {
        return [make, length] { return FileContent{make(length), {}}; };
    };
    return {
        {"line-8KB",
         lines([] { return std::vector<std::string>{NoteText(ui::Memo::kMaxLength)}; })},
        // The most a memo holds in lines of one character.
        {"lines-2731",
         lines([] { return std::vector<std::string>((ui::Memo::kMaxLength + 2) / 3, "x"); })},
        {"line-100KB", lines([] { return std::vector<std::string>{NoteText(100 << 10)}; })},
        {"line-1MB", lines([] { return std::vector<std::string>{NoteText(1 << 20)}; })},
        {"line-15MB", lines([] { return std::vector<std::string>{NoteText(15 << 20)}; })},
        {"lines-200000", lines([] {
             std::vector<std::string> shortLines;
             for (int i = 0; i < 200'000; ++i) shortLines.push_back("line " + std::to_string(i));
             return shortLines;
         })},
        {"line-ends-16MiB", LineEndsAtTheReadCap},
        {"car-9x255", sections(WithCarFields, 255)},
        {"car-9x1K", sections(WithCarFields, 1 << 10)},
        {"car-9x10K", sections(WithCarFields, 10'000)},
        {"car-9x100K", sections(WithCarFields, 100'000)},
        {"car-9x1M", sections(WithCarFields, 1'000'000)},
        {"refs-75x255", sections(WithReferences, 255)},
        {"refs-75x10K", sections(WithReferences, 10'000)},
        {"refs-75x100K", sections(WithReferences, 100'000)},
        {"refs-75x200K", sections(WithReferences, 200'000)},
    };
}

// A settings file whose nine car-description defaults are this long.
struct StartCase {
    const char* name;
    std::size_t length;
};

const StartCase kStartCases[] = {
    {"start-koment-255", 255},
    {"start-koment-1K", 1 << 10},
    {"start-koment-100K", 100'000},
    {"start-koment-1M", 1'000'000},
};

bool Wanted(int argc, char** argv, const std::string& name) {
    if (argc < 2) return true;
    for (int i = 1; i < argc; ++i)
        if (name == argv[i]) return true;
    return false;
}

std::vector<std::string> ListItems(TForm1& main, int list) {
    const auto& view = main.Get<ui::ListView>("ListView" + std::to_string(list));
    std::vector<std::string> items;
    for (int i = 0; i < view.ItemCount(); ++i) items.push_back(view.ItemCaption(i));
    return items;
}

// What the main window shows of the file is what was written.
bool ShownAsWritten(TForm1& main, TForm6& car, const RecordFileSections& s) {
    if (s.AdditionalDescription && car.Memo1().Lines() != *s.AdditionalDescription) return false;
    if (s.Car && car.Car() != *s.Car) return false;
    for (int c = 0; c < kReferenceColumns; ++c) {
        std::vector<std::string> written = s.References[c];
        written.resize(kReferenceRows);
        if (ListItems(main, 3 + c) != written) return false;
    }
    return true;
}

int RunStartCase(const StartCase& c, ui::ScriptedDialogs& dialogs) {
    const auto ini = SettingsPathOf(ui::ExecutablePath());
    {
        std::ofstream out(ini, std::ios::binary);
        out << "[Main]\r\nVersion=8000\r\n[Koment]\r\n";
        for (const char* key :
             {"Marka", "Year", "Mileage", "DVS", "TypeD", "Cylinders", "Transm", "TypeT", "Weels"})
            out << key << "=" << std::string(c.length, 'k') << "\r\n";
    }
    const auto bytes = std::filesystem::file_size(ini);
    dialogs.boxes.clear();
    const auto start = Clock::now();
    TForm1& main = CreateProgramForms();
    main.Show();
    main.Timer1Timer();
    ui::ProcessMessages();
    UpdateWindow(main.Handle());
    const double seconds = Seconds(Clock::now() - start);
    const bool stored = Forms.Form6->Koment().Marka.size() == c.length;
    const bool defaults = Forms.Form6->Koment() == KomentSettings{};
    std::printf("%-17s settings %7.1f KB: list shown in %6.3f s, peak %.0f MB, car fields %s\n",
                c.name, static_cast<double>(bytes) / 1024, seconds, PeakMegabytes(),
                stored     ? "hold the stored texts"
                : defaults ? "hold the defaults"
                           : "DIFFER");
    std::fflush(stdout);
    ui::App().DestroyForms();
    Forms = {};
    std::filesystem::remove(ini);
    return stored || defaults ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    test::ScriptedLine line;
    SetSerialApi(&line);
    ui::ScriptedDialogs dialogs;
    int failures = 0;
    for (const StartCase& c : kStartCases)
        if (Wanted(argc, argv, c.name)) failures += RunStartCase(c, dialogs);

    TForm1& main = CreateProgramForms();
    main.Show();
    ui::ProcessMessages();
    TForm6& car = *Forms.Form6;
    viewer::TForm1 viewerWindow;
    viewerWindow.Create();
    viewer::Pane& pane = viewerWindow.PaneA();

    const auto dir = std::filesystem::temp_directory_path();
    for (const FileCase& c : FileCases()) {
        const bool inMain = Wanted(argc, argv, c.name);
        const bool inViewer = argc < 2 || Wanted(argc, argv, std::string("viewer:") + c.name);
        if (!inMain && !inViewer) continue;

        const FileContent file = c.make();
        const auto path = dir / (std::string("velmorant_long_text_") + c.name + ".vmr");
        if (file.bytes.empty())
            WriteRecordFile(path, std::vector<RecordedFrame>(kFrames), file.sections, {});
        else
            std::ofstream(path, std::ios::binary) << file.bytes;
        const auto bytes = std::filesystem::file_size(path);
        const auto report = [&](const char* where, bool read, double seconds, bool kept) {
            std::printf("%-17s %-6s file %9.1f KB: %s in %6.3f s, peak %.0f MB", c.name, where,
                        static_cast<double>(bytes) / 1024, read ? "opened" : "not opened", seconds,
                        PeakMegabytes());
            if (read) std::printf(", %s", kept ? "texts kept and shown" : "TEXTS DIFFER");
            for (const auto& box : dialogs.boxes) std::printf(", box \"%s\"", box.text.c_str());
            std::printf("\n");
            std::fflush(stdout);
            if (read ? !kept : dialogs.boxes.size() != 1) ++failures;
        };

        if (inMain) {
            car.Hide();
            car.Memo1().Clear();
            ui::ProcessMessages();
            dialogs.boxes.clear();
            const auto start = Clock::now();
            const bool read = main.LoadRecordFile(path);
            ui::ProcessMessages();
            UpdateWindow(main.Handle());
            UpdateWindow(car.Handle());
            const double seconds = Seconds(Clock::now() - start);
            const bool shown =
                file.sections.AdditionalDescription && !file.sections.AdditionalDescription->empty()
                    ? IsWindowVisible(car.Handle()) != 0
                    : true;
            report("main", read, seconds,
                   read && shown && ShownAsWritten(main, car, file.sections));
        }
        if (inViewer) {
            dialogs.boxes.clear();
            const auto start = Clock::now();
            bool read = false;
            // The pane's handlers show what it throws in the library's box.
            try {
                read = pane.LoadRecordFile(path);
            } catch (const std::exception& e) {
                dialogs.boxes.push_back({.text = e.what()});
            }
            ui::ProcessMessages();
            UpdateWindow(viewerWindow.Handle());
            const double seconds = Seconds(Clock::now() - start);
            report("viewer", read, seconds,
                   read && pane.FrameTotal() == (file.bytes.empty() ? kFrames : 1));
        }
        std::filesystem::remove(path);
    }
    ui::App().DestroyForms();
    SetSerialApi(nullptr);
    return failures == 0 ? 0 : 1;
}
