#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "monitor/core/atomic_file.h"
#include "monitor/core/ini_file.h"
#include "tests/native/file_test_support.h"

using namespace velmorant;
using namespace velmorant::test;

namespace {

const std::string kSample =
    "; written by hand\r\n"
    "[Main]\r\n"
    "Version=8000\r\n"
    "\r\n"
    "[ Param ]\n"
    "  Vozduh = 2  \n"
    "Quoted=\"a b\"\r"
    "Single=' c '\r\n"
    "Mixed=\"d'\r\n"
    "Empty=\r\n"
    "no equals sign\r\n"
    "[Koment]\r\n"
    "Marka=Моя машина\r\n"
    "[Раздел]\r\n"
    "Ключ=1\r\n"
    "[param]\r\n"
    "Vozduh=5\r\n"
    "KHH=3";

}  // namespace

TEST(IniFile, KeepsEveryByteOfWhatItRead) {
    EXPECT_EQ(IniFile::FromText(kSample).Text(), kSample);
    EXPECT_EQ(IniFile::FromText("\r\n\n\r[x\r\n=\r").Text(), "\r\n\n\r[x\r\n=\r");
}

TEST(IniFile, Reading) {
    IniFile ini = IniFile::FromText(kSample);
    struct Case {
        std::string section, key;
        std::optional<std::string> value;
    };
    const Case cases[] = {
        {"Main", "Version", "8000"},
        {"MAIN", "version", "8000"},
        {"Param", "Vozduh", "2"},       // the first matching section counts
        {"Param", "Quoted", "a b"},
        {"Param", "Single", " c "},
        {"Param", "Mixed", "\"d'"},     // quotes must match to be removed
        {"Param", "Empty", ""},         // present and empty
        {"Param", "Missing", std::nullopt},
        {"Param", "no equals sign", std::nullopt},
        {"Param", "KHH", std::nullopt},  // only in the second [param]
        {"Koment", "Marka", "Моя машина"},
        {"РАЗДЕЛ", "КЛЮЧ", "1"},
        {"Nowhere", "Version", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ini.ReadString(c.section, c.key), c.value) << c.section << "/" << c.key;
    EXPECT_EQ(ini.ReadString("Param", "Empty", "dflt"), "");
    EXPECT_EQ(ini.ReadString("Param", "Missing", "dflt"), "dflt");
    EXPECT_TRUE(ini.HasSection("koment"));
    EXPECT_FALSE(ini.HasSection("Start"));
}

TEST(IniFile, WritingChangesOnlyWhatItMust) {
    IniFile ini = IniFile::FromText(kSample);
    ini.WriteString("param", "VOZDUH", "3");      // in place, its blanks before '=' kept
    ini.WriteString("Param", "Quoted", "a b");     // unchanged value: the line stays quoted
    ini.WriteString("Main", "Added", "x");         // before the blank line ending [Main]
    ini.WriteString("Koment", "Year", "1997");     // at the end of [Koment]
    ini.WriteString("param", "KHH", "4");          // first [param] gets it, the second keeps its own
    ini.WriteString("Start", "ManyInstances", "1");  // new section at the end, after a line without end
    std::string expected =
        "; written by hand\r\n"
        "[Main]\r\n"
        "Version=8000\r\n"
        "Added=x\r\n"
        "\r\n"
        "[ Param ]\n"
        "  Vozduh =3\n"
        "Quoted=\"a b\"\r"
        "Single=' c '\r\n"
        "Mixed=\"d'\r\n"
        "Empty=\r\n"
        "no equals sign\r\n"
        "KHH=4\r\n"
        "[Koment]\r\n"
        "Marka=Моя машина\r\n"
        "Year=1997\r\n"
        "[Раздел]\r\n"
        "Ключ=1\r\n"
        "[param]\r\n"
        "Vozduh=5\r\n"
        "KHH=3\r\n"
        "[Start]\r\n"
        "ManyInstances=1\r\n";
    EXPECT_EQ(ini.Text(), expected);
}

TEST(IniFile, EraseSectionTakesEveryCopy) {
    IniFile ini = IniFile::FromText(kSample);
    EXPECT_TRUE(ini.EraseSection("PARAM"));
    EXPECT_FALSE(ini.EraseSection("Param"));
    EXPECT_EQ(ini.Text(),
              "; written by hand\r\n[Main]\r\nVersion=8000\r\n\r\n"
              "[Koment]\r\nMarka=Моя машина\r\n[Раздел]\r\nКлюч=1\r\n");
    EXPECT_EQ(ini.ReadString("Param", "Vozduh"), std::nullopt);
}

// A damaged file with a great many copies of a section is erased in one pass, not one copy
// at a time over the whole file.
TEST(IniFile, EraseSectionOfManyCopiesEndsPromptly) {
    std::string text;
    for (int i = 0; i < 100000; ++i) text += "[Param]\r\nVozduh=2\r\n[Keep]\r\nk=1\r\n";
    IniFile ini = IniFile::FromText(text);
    EXPECT_TRUE(ini.EraseSection("param"));
    std::string kept;
    for (int i = 0; i < 100000; ++i) kept += "[Keep]\r\nk=1\r\n";
    EXPECT_EQ(ini.Text(), kept);
}

TEST(IniFile, NewFileInTheOrderWritten) {
    IniFile ini;
    ini.WriteString("Main", "Version", "8000");
    ini.WriteString("Param", "Vozduh", "1");
    ini.WriteString("Param", "Temperature", "1");
    ini.WriteString("Koment", "Marka", "");
    EXPECT_EQ(ini.Text(), "[Main]\r\nVersion=8000\r\n[Param]\r\nVozduh=1\r\nTemperature=1\r\n[Koment]\r\nMarka=\r\n");
}

TEST(IniFile, SaveAndLoad) {
    TempFolder folder;
    auto path = folder / "Velmorant.ini";
    EXPECT_EQ(IniFile::Load(path).Text(), "");  // no file: empty
    IniFile ini = IniFile::FromText(kSample);
    ini.Save(path);
    EXPECT_EQ(ReadBytes(path), kSample);
    EXPECT_EQ(IniFile::Load(path).Text(), kSample);
    EXPECT_EQ(folder.FileNames().size(), 1u);

    auto unwritable = folder / "missing" / "Velmorant.ini";
    try {
        ini.Save(unwritable);
        FAIL() << "no error";
    } catch (const IniWriteError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + PathText(unwritable));
        EXPECT_EQ(e.Path(), unwritable);
    }
}
