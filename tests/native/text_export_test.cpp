#include "monitor/core/text_export.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/native/file_test_support.h"

using namespace velmorant;
using namespace velmorant::test;

namespace {

const TimeLocale kLocale{"H:mm:ss", ":", "", ""};

std::size_t CountFields(const std::string& row) {
    return static_cast<std::size_t>(std::count(row.begin(), row.end(), ';')) + 1;
}

}  // namespace

TEST(TextExport, GoldenBytesOfOneFrame) {
    RecordedFrame f;
    f.DataBytes = {0, 1, 2, 3, 4, 5, 6, 7, 8, 255};
    f.IdentBits = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1};
    f.Byte11Bits = {1, 0, 0, 0, 0, 0, 0, 0};
    f.Byte12Bits = {0, 0, 0, 0, 0, 0, 0, 1};
    f.Something = 1;
    f.StoredAt = 45000 + (13 * 3600 + 5 * 60 + 9) / 86400.0;
    RecordFileSections s;
    s.References[1] = {"0001", "2.5"};
    s.AdditionalDescription = std::vector<std::string>{"first", "Моя"};

    std::string expected =
        "Record from Velmorant;;;;;;1 frames\r\n"
        "Frame;1:A;2:A;3:A;4:A;5:A;6:A;7:A;8:A;9:A;10:A;ID;11:0;11:1;11:2;11:3;11:4;11:5;11:6;11:7;"
        "12:0;12:1;12:2;12:3;12:4;12:5;12:6;12:7;Something;Time\r\n"
        "1;0;1;2;3;4;5;6;7;8;255;0100000000011;1;0;0;0;0;0;0;0;0;0;0;0;0;0;0;1;1;13:05:09\r\n"
        "\r\n";
    std::string report1 =
        "Report\xB9"
        "1\r\n";
    for (int i = 0; i < 29; ++i) report1 += "\r\n";
    std::string report2 =
        "Report\xB9"
        "2\r\n0001\r\n2.5\r\n";
    for (int i = 0; i < 27; ++i) report2 += "\r\n";
    std::string report3 =
        "Report\xB9"
        "3\r\n";
    for (int i = 0; i < 29; ++i) report3 += "\r\n";
    expected += report1 + report2 + report3 + "first\r\n\xCC\xEE\xFF\r\n";
    EXPECT_EQ(FormatTextExport(std::span(&f, 1), s, kLocale), expected);
}

TEST(TextExport, ShapeOfRowsAndReportBlocks) {
    for (int n : {1, 3, 2000}) {
        SCOPED_TRACE("N = " + std::to_string(n));
        std::vector<RecordedFrame> frames = SampleFrames(n);
        RecordFileSections s;
        for (int r = 0; r < 28; ++r) s.References[0].push_back("v" + std::to_string(r));
        for (int r = 0; r < 25; ++r)
            s.References[2].push_back("w" + std::to_string(r));  // as read from a file
        std::vector<std::string> lines = SplitLines(FormatTextExport(frames, s, kLocale));

        auto firstEmpty = std::find(lines.begin(), lines.end(), "");
        ASSERT_EQ(firstEmpty - lines.begin(), n + 2);
        EXPECT_EQ(lines[0], "Record from Velmorant;;;;;;" + std::to_string(n) + " frames");
        EXPECT_EQ(CountFields(lines[1]), 30u);
        for (int k = 1; k <= n; ++k) {
            const std::string& row = lines[static_cast<std::size_t>(k) + 1];
            ASSERT_EQ(CountFields(row), 30u) << row;
            EXPECT_EQ(row.substr(0, row.find(';')), std::to_string(k));
            // The identifier field opens with the previous frame's bit 12.
            std::string id = row;
            for (int i = 0; i < 11; ++i) id.erase(0, id.find(';') + 1);
            id.resize(id.find(';'));
            ASSERT_EQ(id.size(), 13u);
            EXPECT_EQ(id[0], k == 1 ? '0' : static_cast<char>('0' + frames[k - 2].IdentBits[11]));
        }
        // Three blocks of a title, 28 value lines and an empty line; nothing after them here.
        std::size_t block = static_cast<std::size_t>(n) + 3;
        ASSERT_EQ(lines.size(), block + 3 * 30);
        for (int r = 0; r < 3; ++r, block += 30) {
            EXPECT_EQ(lines[block], "Report\xB9" + std::to_string(r + 1));
            EXPECT_EQ(lines[block + 29], "");
        }
        EXPECT_EQ(lines[n + 3 + 28], "v27");
        EXPECT_EQ(lines[n + 3 + 60 + 25], "w24");
        EXPECT_EQ(lines[n + 3 + 60 + 26], "");
    }
}

TEST(TextExport, WritesAtomically) {
    TempFolder folder;
    auto path = folder / "record.csv";
    WriteBytes(path, "previous");
    WriteOutcome w = WriteTextExport(path, SampleFrames(2), {}, kLocale);
    ASSERT_TRUE(w.Ok()) << w.ErrorText;
    EXPECT_EQ(ReadBytes(path), FormatTextExport(SampleFrames(2), {}, kLocale));
    EXPECT_EQ(folder.FileNames().size(), 1u);
    EXPECT_EQ(WriteTextExport(folder / "none" / "x.csv", SampleFrames(1), {}, kLocale).ErrorText,
              "File write error");
}

// A spreadsheet splits a row at every ";" outside double quotes: texts holding ";" or a double
// quote are quoted, an inner quote doubled, so each stays one field; other texts are as typed.
TEST(TextExport, TextsWithSeparatorsOrQuotesStayOneField) {
    struct Case {
        std::string text;
        std::string exported;
    };
    const Case cases[] = {
        {"a;b", "\"a;b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"\"", "\"\"\"\""},
        {";", "\";\""},
        {"Моя; машина", "\"Моя; машина\""},
        {"plain text, with commas", "plain text, with commas"},
        {" blanks ", " blanks "},
        {"", ""},
    };
    RecordFileSections s;
    s.AdditionalDescription.emplace();
    for (const Case& c : cases) {
        s.References[0].push_back(c.text);
        s.AdditionalDescription->push_back(c.text);
    }
    const std::vector<std::string> lines =
        SplitLines(FormatTextExport(SampleFrames(1), s, kLocale));
    const std::size_t report1 = 4, description = lines.size() - std::size(cases);
    ASSERT_EQ(lines[report1],
              "Report\xB9"
              "1");
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].text);
        EXPECT_EQ(lines[report1 + 1 + i], cases[i].exported);
        EXPECT_EQ(lines[description + i], cases[i].exported);
    }

    // A time whose format holds a ";" keeps the row at 30 fields too.
    const TimeLocale semicolon{"H:mm:ss';'", ":", "", ""};
    const std::string row = SplitLines(FormatTextExport(SampleFrames(1), {}, semicolon))[2];
    const std::string time = FormatTimeOfDay(SampleFrame(1).StoredAt, semicolon);
    ASSERT_EQ(time.back(), ';');
    EXPECT_EQ(row.substr(row.size() - time.size() - 3), ";\"" + time + "\"");

    // A time format with a line break leaves none in the row: the time goes in 24 hours.
    const std::string broken =
        FormatTextExport(SampleFrames(1), {}, TimeLocale{"H:mm:ss\r", ":", "", ""});
    const std::string brokenRow = SplitLines(broken)[2];
    EXPECT_EQ(brokenRow.substr(brokenRow.rfind(';') + 1),
              FormatTimeOfDay(SampleFrame(1).StoredAt, {}));
    for (std::size_t i = broken.find('\r'); i != std::string::npos; i = broken.find('\r', i + 1))
        EXPECT_EQ(broken[i + 1], '\n') << "bare CR at " << i;
}
