#include "monitor/core/settings_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "monitor/core/atomic_file.h"
#include "tests/native/file_test_support.h"

#if defined(__linux__)
#include <sys/resource.h>

#include <csignal>
#endif

using namespace velmorant;
using namespace velmorant::test;

namespace {

const std::string kParamKeysInOrder =
    "Vozduh,Temperature,KHH,DZ,Korr,Standart,Adapter,DTR,LowCP,col1,col2,col3,col4,col5,col6,"
    "Grafik1,Grafik2,Grafik3,Grafik4,Grafik5,Grafik6,fon,axes,marker,PrFors,KolFors,ChastFors";

// "[Section]" and key names of a file in order, comma-separated.
std::string Outline(const std::string& text) {
    std::string out;
    for (const std::string& line : SplitLines(text)) {
        if (!out.empty()) out += ',';
        out += line.front() == '[' ? line : line.substr(0, line.find('='));
    }
    return out;
}

Settings Changed() {
    Settings s;
    s.Param.Vozduh = 6;
    s.Param.Standart = 2;
    s.Param.Adapter = true;
    s.Param.LowCP = false;
    s.Param.col = {1, 2, 3, 4, 5, 16777215};
    s.Param.Grafik = {22, 21, 0, 1, 2, 3};
    s.Param.fon = 255;
    s.Param.PrFors = 500;
    s.Param.ChastFors = 4;
    s.Koment.Marka = "";
    s.Koment.Weels = "Задний";
    for (int n : kFormPosWindows) s.FormPos[n] = {10 * n, 0};
    s.FormPos[1] = {-1200, 40};
    s.FormPos[9] = {300, 200};
    s.Graphs = true;
    s.ManyInstances = true;
    return s;
}

}  // namespace

TEST(SettingsFile, DefaultsWithoutAFile) {
    TempFolder folder;
    auto path = folder / "Velmorant.ini";
    Settings s = ReadSettings(path);
    EXPECT_EQ(s, Settings{});
    EXPECT_TRUE(folder.FileNames().empty());  // reading creates nothing

    EXPECT_EQ(s.Param.Vozduh, 1);
    EXPECT_TRUE(s.Param.LowCP);
    EXPECT_EQ(s.Param.col[5], 12615935);
    EXPECT_EQ(s.Param.Grafik, (std::array<std::int32_t, 6>{3, 0, 1, 4, 2, 8}));
    EXPECT_EQ(s.Param.marker, 0);
    EXPECT_EQ(s.FormPos[7], std::nullopt);  // no place stored, not a place at (0, 0)
    // The Russian defaults are CP1251 bytes.
    EXPECT_EQ(s.Koment.Marka, "\xCC\xEE\xFF \xEC\xE0\xF8\xE8\xED\xE0");
    EXPECT_EQ(s.Koment.TypeD, "\xD0\xFF\xE4\xED\xFB\xE9");
    EXPECT_EQ(s.Koment.TypeT, "\xC0\xCA\xCF\xCF");
    EXPECT_EQ(s.Koment.Weels, "\xCF\xE5\xF0\xE5\xE4\xED\xE8\xE9");
    EXPECT_EQ(ViewerSettings{}.col, s.Param.col);
}

// Canvas, axis and marker colours that are missing take the colours of "Loading default
// colors"; stored ones are used as they are, black on black too. The program and Viewer agree.
TEST(SettingsFile, MissingChartColoursAreTheLoadedDefaults) {
    struct Colours {
        std::int32_t fon, axes, marker;
    };
    constexpr Colours kLoaded = {0xFFFFFF, 0x000000, 0x000000};
    struct Case {
        const char* name;
        std::optional<std::string> file;  // none: no settings file at all
        Colours expected;
    };
    const std::string current = "[Main]\r\nVersion=8000\r\n[Param]\r\n";
    const Case cases[] = {
        {"no file", std::nullopt, kLoaded},
        {"no such keys", current + "col1=0\r\nGrafik1=3\r\n", kLoaded},
        {"empty section", "[Main]\r\nVersion=8000\r\n", kLoaded},
        {"not integers", current + "fon=white\r\naxes=\r\nmarker=0x\r\n", kLoaded},
        {"one stored", current + "axes=255\r\n", {0xFFFFFF, 255, 0x000000}},
        {"stored as they are",
         current + "fon=0\r\naxes=16777215\r\nmarker=8421504\r\n",
         {0x000000, 0xFFFFFF, 0x808080}},
        {"old file, erased", "[Main]\r\nVersion=7000\r\n[Param]\r\nfon=0\r\n", kLoaded},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        auto path = folder / "Velmorant.ini";
        if (c.file) WriteBytes(path, *c.file);
        const ParamSettings p = ReadSettings(path).Param;
        EXPECT_EQ(p.fon, c.expected.fon);
        EXPECT_EQ(p.axes, c.expected.axes);
        EXPECT_EQ(p.marker, c.expected.marker);
        const ViewerSettings v = ReadViewerSettings(path);
        EXPECT_EQ(v.fon, c.expected.fon);
        EXPECT_EQ(v.axes, c.expected.axes);
        EXPECT_EQ(v.marker, c.expected.marker);
    }
    // On the default canvas every default line colour shows.
    for (std::int32_t colour : ParamSettings{}.col)
        EXPECT_NE(colour, ParamSettings{}.fon) << colour;
}

TEST(SettingsFile, FirstWriteCreatesTheFileInTheWritersOrder) {
    TempFolder folder;
    auto path = folder / "Velmorant.ini";
    // As the program writes it: every window stands somewhere.
    Settings placed;
    for (int n : kFormPosWindows) placed.FormPos[n] = WindowPosition{};
    WriteSettings(path, placed, true);
    std::string text = ReadBytes(path);
    EXPECT_EQ(text.substr(0, 22), "[Main]\r\nVersion=8000\r\n");
    EXPECT_EQ(Outline(text),
              "[Main],Version,[Param]," + kParamKeysInOrder +
                  ",[Koment],Marka,Year,Mileage,DVS,TypeD,Cylinders,Transm,TypeT,Weels,"
                  "[FormPos],1X,1Y,3X,3Y,4X,4Y,5X,5Y,6X,6Y,7X,7Y,8X,8Y,9X,9Y,"
                  "[ActiveForms],Graphs,Metodika,[Start],ManyInstances");
    EXPECT_NE(text.find("Marka=\xCC\xEE\xFF \xEC\xE0\xF8\xE8\xED\xE0\r\n"), std::string::npos);
    EXPECT_NE(text.find("col6=12615935\r\n"), std::string::npos);
    EXPECT_EQ(ReadSettings(path), placed);

    // A write during the run leaves "ActiveForms" as it was.
    Settings s = Changed();
    WriteSettings(path, s, false);
    EXPECT_FALSE(ReadSettings(path).Graphs);
    s.Graphs = false;
    EXPECT_EQ(ReadSettings(path), s);
}

TEST(SettingsFile, RoundTripOfEveryValue) {
    TempFolder folder;
    auto path = folder / "Velmorant.ini";
    for (bool lowCp : {false, true}) {
        Settings s = Changed();
        s.Param.LowCP = lowCp;
        WriteSettings(path, s, true);
        EXPECT_NE(ReadBytes(path).find(std::string("LowCP=") + (lowCp ? "1" : "0") + "\r\n"),
                  std::string::npos);
        EXPECT_EQ(ReadSettings(path), s);
    }
}

TEST(SettingsFile, OldOrMissingVersionErasesParamAndFormPos) {
    const std::string rest =
        "[Koment]\r\nMarka=Old car\r\n[ActiveForms]\r\nGraphs=1\r\n[Start]\r\nManyInstances=1\r\n";
    const std::string old = "[Param]\r\nVozduh=2\r\n[FormPos]\r\n1X=100\r\n";
    for (std::string main : {"[Main]\r\nVersion=7000\r\n", "", "[Main]\r\nVersion=abc\r\n",
                             "[Main]\r\nVersion=7089\r\n"}) {
        SCOPED_TRACE(main);
        TempFolder folder;
        auto path = folder / "Velmorant.ini";
        WriteBytes(path, main + old + rest);
        Settings s = ReadSettings(path);
        EXPECT_EQ(s.Param, ParamSettings{});
        EXPECT_EQ(s.FormPos[1], std::nullopt);
        EXPECT_EQ(s.Koment.Marka, "Old car");
        EXPECT_EQ(s.Koment.Year, "1997");
        EXPECT_TRUE(s.Graphs);
        EXPECT_TRUE(s.ManyInstances);
        EXPECT_EQ(ReadBytes(path), main + rest);
    }
    TempFolder folder;
    auto path = folder / "Velmorant.ini";
    WriteBytes(path, "[Main]\r\nVersion=7090\r\n" + old);
    EXPECT_EQ(ReadSettings(path).Param.Vozduh, 2);
    EXPECT_EQ(ReadSettings(path).FormPos[1], (WindowPosition{100, 0}));
}

TEST(SettingsFile, ValueConversions) {
    TempFolder folder;
    auto path = folder / "Velmorant.ini";
    WriteBytes(
        path,
        "[Main]\r\nVersion=$1F90\r\n"  // 8080
        "[Param]\r\nVozduh=abc\r\nTemperature= 2 \r\nKHH=\r\nDZ=0x2\r\ncol2=0xFF00\r\ncol3=$FF\r\n"
        "Adapter=2\r\nLowCP=0\r\nDTR=x\r\nGrafik1=9\r\nPrFors=-5\r\nKolFors=1.5\r\n"
        "[Koment]\r\nMarka=\r\nYear=  2003 \r\n"
        "[FormPos]\r\n3X=-20\r\n3Y=0x10\r\n");
    Settings s = ReadSettings(path);
    EXPECT_EQ(s.Param.Vozduh, 1);
    EXPECT_EQ(s.Param.Temperature, 2);
    EXPECT_EQ(s.Param.KHH, 1);
    EXPECT_EQ(s.Param.DZ, 2);
    EXPECT_EQ(s.Param.col[1], 65280);
    EXPECT_EQ(s.Param.col[2], 255);
    EXPECT_TRUE(s.Param.Adapter);
    EXPECT_FALSE(s.Param.LowCP);
    EXPECT_FALSE(s.Param.DTR);
    EXPECT_EQ(s.Param.Grafik[0], 9);
    EXPECT_EQ(s.Param.PrFors, -5);  // the window checks the range, not the reader
    EXPECT_EQ(s.Param.KolFors, 4);
    EXPECT_EQ(s.Koment.Marka, "");  // present and empty stays empty
    EXPECT_EQ(s.Koment.Year, "2003");
    EXPECT_EQ(s.Koment.Mileage, "117500");
    EXPECT_EQ(s.FormPos[3], (WindowPosition{-20, 16}));
}

// A window's place is stored when the file holds an integer under either of its keys; a
// place stored at (0, 0) is one, a missing one is none. Written back, each stays what it was.
TEST(SettingsFile, AStoredPlaceIsToldFromNone) {
    struct Case {
        const char* formPos;  // the lines of "FormPos"
        std::optional<WindowPosition> charts;
    };
    const Case cases[] = {
        {"", std::nullopt},
        {"1X=5\r\n1Y=6\r\n", std::nullopt},
        {"3X=0\r\n3Y=0\r\n", WindowPosition{0, 0}},
        {"3X=40\r\n", WindowPosition{40, 0}},
        {"3Y=0x10\r\n", WindowPosition{0, 16}},
        {"3X=abc\r\n3Y=\r\n", std::nullopt},
        {"3X=abc\r\n3Y=7\r\n", WindowPosition{0, 7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.formPos);
        TempFolder folder;
        auto path = folder / "Velmorant.ini";
        WriteBytes(path, std::string("[Main]\r\nVersion=8000\r\n[FormPos]\r\n") + c.formPos);
        const Settings read = ReadSettings(path);
        EXPECT_EQ(read.FormPos[3], c.charts);
        WriteSettings(folder / "again.ini", read, false);
        EXPECT_EQ(ReadSettings(folder / "again.ini").FormPos, read.FormPos);
    }
}

// A car-description default longer than a car field holds is passed over: the field keeps its
// default, so that one bad file never slows every start; at the limit it is read. The writer
// never stores a text that reading would pass over.
TEST(SettingsFile, CarDefaultsBeyondAFieldsLimitAreIgnored) {
    TempFolder folder;
    auto path = folder / "Velmorant.ini";
    const std::string atLimit(255, 'a');
    const std::string over(256, 'b');
    const std::string huge(100'000, 'c');
    WriteBytes(path, "[Main]\r\nVersion=8000\r\n[Koment]\r\nMarka=" + over + "\r\nYear=" + atLimit +
                         "\r\nMileage=" + huge + "\r\nWeels=" + huge + "\r\nTransm=Коробка\r\n");
    Settings s = ReadSettings(path);
    EXPECT_EQ(s.Koment.Marka, KomentSettings{}.Marka);
    EXPECT_EQ(s.Koment.Year, atLimit);
    EXPECT_EQ(s.Koment.Mileage, KomentSettings{}.Mileage);
    EXPECT_EQ(s.Koment.Weels, KomentSettings{}.Weels);
    EXPECT_EQ(s.Koment.Transm, "Коробка");

    s.Koment.DVS = huge;
    s.Koment.TypeT = over;
    WriteSettings(path, s, false);
    EXPECT_LT(ReadBytes(path).size(), 2048u);
    Settings read = ReadSettings(path);
    EXPECT_EQ(read.Koment.DVS, KomentSettings{}.DVS);
    EXPECT_EQ(read.Koment.TypeT, KomentSettings{}.TypeT);
    EXPECT_EQ(read.Koment.Year, atLimit);
}

TEST(SettingsFile, WritingKeepsTheRestOfTheFile) {
    TempFolder folder;
    auto path = folder / "Velmorant.ini";
    WriteBytes(
        path,
        "; notes\r\n[Main]\r\nVersion=8000\r\n[Other]\r\nKeep=this\r\n[Param]\r\n  Vozduh = 3\r\n");
    WriteSettings(path, Settings{}, false);
    std::string text = ReadBytes(path);
    const std::string kept =
        "; notes\r\n[Main]\r\nVersion=8000\r\n[Other]\r\nKeep=this\r\n[Param]\r\n";
    EXPECT_EQ(text.substr(0, kept.size()), kept);
    EXPECT_NE(text.find("  Vozduh =1\r\nTemperature=1\r\n"), std::string::npos);
    EXPECT_EQ(text.find("[ActiveForms]"), std::string::npos);
}

TEST(SettingsFile, ViewerReadsItsKeysAndWritesOnlyTheErasure) {
    TempFolder folder;
    auto path = folder / "Velmorant.ini";
    Settings s = Changed();
    s.Param.Vozduh = 2;
    s.Param.KHH = 2;
    s.Param.ChastFors = 3;
    WriteSettings(path, s, true);
    const std::string written = ReadBytes(path);
    ViewerSettings v = ReadViewerSettings(path);
    EXPECT_EQ(v.Vozduh, 2);
    EXPECT_EQ(v.KHH, 2);
    EXPECT_EQ(v.col, s.Param.col);
    EXPECT_EQ(v.Grafik, s.Param.Grafik);
    EXPECT_EQ(v.fon, 255);
    EXPECT_EQ(v.ChastFors, 3);
    EXPECT_EQ(ReadBytes(path), written);

    WriteBytes(path, "[Main]\r\nVersion=7000\r\n[Param]\r\nVozduh=2\r\n[Koment]\r\nMarka=x\r\n");
    EXPECT_EQ(ReadViewerSettings(path), ViewerSettings{});
    EXPECT_EQ(ReadBytes(path), "[Main]\r\nVersion=7000\r\n[Koment]\r\nMarka=x\r\n");
}

TEST(SettingsFile, UnwritableFileRaisesUnableToWrite) {
    TempFolder folder;
    // A file inside a folder that is a file: nothing can be created there.
    WriteBytes(folder / "blocker", "");
    auto path = folder / "blocker" / "Velmorant.ini";
    try {
        WriteSettings(path, Settings{}, true);
        FAIL() << "no error";
    } catch (const IniWriteError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + PathText(path));
    }
    // Reading such a file needs no write while there is nothing to erase.
    EXPECT_EQ(ReadSettings(path), Settings{});
    EXPECT_EQ(ReadViewerSettings(path), ViewerSettings{});

    // A target that cannot be replaced: the erasure of an old file fails and the reading with it.
    auto dir = folder / "Velmorant.ini";
    std::filesystem::create_directory(dir);
    IniFile old = IniFile::FromText("[Param]\r\nVozduh=2\r\n");
    EXPECT_THROW(ApplyVersionRule(old, dir), IniWriteError);
    EXPECT_TRUE(std::filesystem::is_directory(dir));
}

#if defined(__linux__)
// A write that fails half way, as on a full disk, leaves the old file as it was.
TEST(SettingsFile, WriteFailingHalfWayKeepsTheOldFile) {
    TempFolder folder;
    auto path = folder / "Velmorant.ini";
    Settings old = Changed();
    WriteSettings(path, old, true);
    const std::string before = ReadBytes(path);
    ASSERT_GT(before.size(), 300u);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);  // the write fails with EFBIG instead
    rlimit small = saved;
    small.rlim_cur = 200;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool raised = false;
    try {
        WriteSettings(path, Settings{}, true);
    } catch (const IniWriteError&) {
        raised = true;
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_TRUE(raised);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(ReadSettings(path), old);
    EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"Velmorant.ini"});
}
#endif

// A program folder where nothing new can be made but the settings file may be written: the
// program's and Viewer's erasure of an old file and the program's write go into the file.
TEST(SettingsFile, WrittenInPlaceWhereNoTemporaryFileCanBeMade) {
    const std::string old =
        "[Main]\r\nVersion=7000\r\n[Param]\r\nVozduh=2\r\n[Koment]\r\nMarka=x\r\n";
    const std::string erased = "[Main]\r\nVersion=7000\r\n[Koment]\r\nMarka=x\r\n";
    TempFolder folder;
    NoTemporaryFiles noTemporary;
    const auto path = folder / "Velmorant.ini";
    WriteBytes(path, old);
    Settings defaults;
    defaults.Koment.Marka = "x";
    EXPECT_EQ(ReadSettings(path), defaults);
    EXPECT_EQ(ReadBytes(path), erased);
    WriteBytes(path, old);
    EXPECT_EQ(ReadViewerSettings(path), ViewerSettings{});
    EXPECT_EQ(ReadBytes(path), erased);

    WriteSettings(path, Changed(), true);
    EXPECT_EQ(ReadSettings(path), Changed());
    EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"Velmorant.ini"});
}

TEST(SettingsFile, PathBesideTheProgram) {
    EXPECT_EQ(SettingsPathOf("/opt/velmorant/Velmorant.exe"),
              std::filesystem::path("/opt/velmorant/Velmorant.ini"));
    EXPECT_EQ(SettingsPathOf("prog"), std::filesystem::path("prog.ini"));
}
