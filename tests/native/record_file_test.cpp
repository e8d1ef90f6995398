#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "monitor/core/record_file_reader.h"
#include "monitor/core/record_file_text.h"
#include "monitor/core/record_file_writer.h"
#include "tests/native/file_test_support.h"

using namespace velmorant;
using namespace velmorant::test;

namespace {

const TimeLocale kLocale{"H:mm:ss", ":", "AM", "PM"};

RecordFileSections FullSections() {
    RecordFileSections s;
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 28; ++r)
            s.References[c].push_back("c" + std::to_string(c) + "r" + std::to_string(r));
    s.Bookmarks = std::array<std::string, 10>{"12", "0", "7", "0", "0", "0", "0", "0", "0", "2000"};
    s.AdditionalDescription = std::vector<std::string>{"Idle hunts", "", "Моя машина"};
    s.ReasonsForDiagnostics = std::vector<std::string>{"Check engine"};
    s.Car = CarDescription{"Моя машина", "5S-FE", "A140E-02A", "1997",    "117500",
                           "Рядный",     "4",     "АКПП",      "Передний"};
    return s;
}

// Line index (0-based) of line `j` (1..41) of frame `k`'s block.
std::size_t FrameLine(int k, int j) {
    return 2 + static_cast<std::size_t>(k - 1) * 41 + (j - 1);
}

std::size_t SectionsStart(int n) {
    return 2 + static_cast<std::size_t>(n) * 41;
}

RecordFileResult Parse(const std::vector<std::string>& lines) {
    return ParseRecordFile(JoinLines(lines), kLocale);
}

std::vector<std::string> BaseLines(int n, const RecordFileSections& sections = FullSections()) {
    return SplitLines(FormatRecordFile(SampleFrames(n), sections, kLocale));
}

void ExpectSameFrame(const RecordedFrame& read, const RecordedFrame& written, int k) {
    SCOPED_TRACE("frame " + std::to_string(k));
    EXPECT_EQ(read.DataBytes, written.DataBytes);
    EXPECT_EQ(read.IdentBits, written.IdentBits);
    EXPECT_EQ(read.Byte11Bits, written.Byte11Bits);
    EXPECT_EQ(read.Byte12Bits, written.Byte12Bits);
    EXPECT_EQ(read.Something, written.Something);
    EXPECT_EQ(FormatTimeOfDay(read.StoredAt, kLocale), FormatTimeOfDay(written.StoredAt, kLocale));
    EXPECT_LT(read.StoredAt, 1.0);  // a time of day without date
}

}  // namespace

TEST(RecordFile, RoundTripKeepsEveryField) {
    const RecordFileSections sections = FullSections();
    for (int n : {1, 2, 1999, 2000}) {
        SCOPED_TRACE("N = " + std::to_string(n));
        std::vector<RecordedFrame> frames = SampleFrames(n);
        RecordFileResult r = ParseRecordFile(FormatRecordFile(frames, sections, kLocale), kLocale);
        ASSERT_TRUE(r.Ok()) << r.ErrorText;
        ASSERT_EQ(r.Content.Frames.size(), frames.size());
        for (int k = 1; k <= n; ++k) ExpectSameFrame(r.Content.Frames[k - 1], frames[k - 1], k);

        const RecordFileSections& s = r.Content.Sections;
        for (int c = 0; c < 3; ++c) {
            std::vector<std::string> first25(sections.References[c].begin(),
                                             sections.References[c].begin() + 25);
            EXPECT_EQ(s.References[c], first25);
        }
        EXPECT_EQ(s.Bookmarks, sections.Bookmarks);
        EXPECT_EQ(s.AdditionalDescription, sections.AdditionalDescription);
        EXPECT_EQ(s.ReasonsForDiagnostics, sections.ReasonsForDiagnostics);
        EXPECT_EQ(s.Car, sections.Car);
    }
}

TEST(RecordFile, GoldenBytesOfTwoFrames) {
    RecordedFrame a;
    a.DataBytes = {0, 1, 2, 3, 4, 5, 6, 7, 8, 255};
    a.IdentBits = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    a.Byte11Bits = {1, 0, 0, 0, 0, 0, 0, 0};
    a.Byte12Bits = {0, 0, 0, 0, 0, 0, 0, 1};
    a.Something = 1;
    a.StoredAt = 45000 + (13 * 3600 + 5 * 60 + 9) / 86400.0;
    RecordedFrame b;
    b.DataBytes = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
    b.StoredAt = (9 * 3600 + 0 * 60 + 59) / 86400.0;
    RecordFileSections s;
    s.References[0] = {"0000", "x"};
    s.Bookmarks = std::array<std::string, 10>{"2", "0", "0", "0", "0", "0", "0", "0", "0", "1"};
    s.AdditionalDescription = std::vector<std::string>{};
    s.ReasonsForDiagnostics = std::vector<std::string>{"a", "b"};
    s.Car = CarDescription{"M", "", "", "1997", "", "", "", "", "Передний"};

    std::string expected =
        "File for Velmorant 1.0.0.3\r\n2\r\n"
        // frame 1
        "0\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n255\r\n"
        "0\r\n"
        "1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n"
        "1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
        "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n"
        "1\r\n13:05:09\r\n"
        // frame 2: its identifier group opens with frame 1's bit 12
        "10\r\n20\r\n30\r\n40\r\n50\r\n60\r\n70\r\n80\r\n90\r\n100\r\n"
        "1\r\n"
        "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
        "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
        "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
        "0\r\n9:00:59\r\n"
        // references row by row; columns 2 and 3 were never filled
        "0000\r\n\r\n\r\nx\r\n\r\n\r\n";
    for (int r = 2; r < 25; ++r) expected += "\r\n\r\n\r\n";
    expected +=
        "2\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n"
        "-1\r\n"
        "1\r\na\r\nb\r\n"
        "M\r\n\r\n\r\n1997\r\n\r\n\r\n\r\n\r\n\xCF\xE5\xF0\xE5\xE4\xED\xE8\xE9\r\n";
    RecordedFrame frames[] = {a, b};
    EXPECT_EQ(FormatRecordFile(frames, s, kLocale), expected);
}

TEST(RecordFile, OneFrameWritesCountOneAnd41FrameLines) {
    std::vector<std::string> lines = BaseLines(1);
    EXPECT_EQ(lines[1], "1");
    EXPECT_EQ(lines[FrameLine(1, 11)], "0");
    // The 41st line is the time; the references follow it.
    EXPECT_EQ(lines[FrameLine(1, 41)], FormatTimeOfDay(SampleFrame(1).StoredAt, kLocale));
    EXPECT_EQ(lines[SectionsStart(1)], "c0r0");
}

TEST(RecordFile, IdentifierGroupFirstLineIsDropped) {
    // Frame 1's bit 12 comes from its own line even when frame 2's first group line says
    // otherwise, in both directions.
    for (std::string bit12 : {"0", "1"}) {
        std::vector<std::string> lines = BaseLines(2);
        lines[FrameLine(1, 23)] = bit12;
        lines[FrameLine(2, 11)] = bit12 == "1" ? "0" : "1";
        RecordFileResult r = Parse(lines);
        ASSERT_TRUE(r.Ok()) << r.ErrorText;
        EXPECT_EQ(r.Content.Frames[0].IdentBits[11], bit12 == "1" ? 1 : 0);
    }
}

TEST(RecordFile, OldVersionEndingAfterReferences) {
    std::vector<std::string> lines = BaseLines(3);
    lines[0] = "File for Velmorant 1.0.0.1";
    lines.resize(SectionsStart(3) + 75);
    RecordFileResult r = Parse(lines);
    ASSERT_TRUE(r.Ok()) << r.ErrorText;
    EXPECT_EQ(r.Content.Frames.size(), 3u);
    EXPECT_FALSE(r.Content.Sections.Bookmarks);
    EXPECT_FALSE(r.Content.Sections.AdditionalDescription);
    EXPECT_FALSE(r.Content.Sections.ReasonsForDiagnostics);
    EXPECT_FALSE(r.Content.Sections.Car);

    lines[0] = "File for Velmorant 1.0.0.2";
    EXPECT_TRUE(Parse(lines).Ok());
}

TEST(RecordFile, FileMayStopAfterAnySection) {
    const std::size_t refsEnd = SectionsStart(2) + 75;
    struct Case {
        std::size_t keep;
        bool bookmarks, comment1, comment2, car;
    };
    // Bookmarks 10 lines; comment 1 is "2" + 3 lines; comment 2 is "0" + 1 line; car 9.
    for (Case c :
         {Case{refsEnd + 10, true, false, false, false},
          Case{refsEnd + 14, true, true, false, false}, Case{refsEnd + 16, true, true, true, false},
          Case{refsEnd + 25, true, true, true, true}}) {
        std::vector<std::string> lines = BaseLines(2);
        ASSERT_EQ(lines.size(), refsEnd + 25);
        lines.resize(c.keep);
        RecordFileResult r = Parse(lines);
        ASSERT_TRUE(r.Ok()) << r.ErrorText;
        const RecordFileSections& s = r.Content.Sections;
        EXPECT_EQ(s.Bookmarks.has_value(), c.bookmarks);
        EXPECT_EQ(s.AdditionalDescription.has_value(), c.comment1);
        EXPECT_EQ(s.ReasonsForDiagnostics.has_value(), c.comment2);
        EXPECT_EQ(s.Car.has_value(), c.car);
    }
}

TEST(RecordFile, MissingLinesInsideSectionsReadEmpty) {
    std::vector<std::string> lines = BaseLines(1);
    std::size_t refs = SectionsStart(1);
    lines.resize(refs + 10);  // the file ends inside the references
    RecordFileResult r = Parse(lines);
    ASSERT_TRUE(r.Ok()) << r.ErrorText;
    for (const auto& column : r.Content.Sections.References) EXPECT_EQ(column.size(), 25u);
    EXPECT_EQ(r.Content.Sections.References[0][3], "c0r3");
    EXPECT_EQ(r.Content.Sections.References[0][4], "");

    lines = BaseLines(1);
    lines.resize(refs + 75 + 10 + 4 + 2 + 2);  // two car lines only
    r = Parse(lines);
    ASSERT_TRUE(r.Ok()) << r.ErrorText;
    EXPECT_EQ(*r.Content.Sections.Car,
              (CarDescription{"Моя машина", "5S-FE", "", "", "", "", "", "", ""}));
}

TEST(RecordFile, MagicLineMustMatchExactly) {
    for (std::string magic : {"File for Velmorant 1.0.0.3 ", "file for velmorant 1.0.0.3",
                              "File for Velmorant 1.0.0.4", " File for Velmorant 1.0.0.3", ""}) {
        std::vector<std::string> lines = BaseLines(1);
        lines[0] = magic;
        RecordFileResult r = Parse(lines);
        EXPECT_EQ(r.Status, ReadStatus::UnknownFormat) << magic;
        EXPECT_EQ(r.ErrorText, "Unknown file format");
        EXPECT_TRUE(r.Content.Frames.empty());
    }
    EXPECT_EQ(ParseRecordFile("", kLocale).Status, ReadStatus::UnknownFormat);
}

TEST(RecordFile, LineEndsOfAnyKind) {
    std::vector<std::string> lines = BaseLines(2);
    RecordFileResult crlf = Parse(lines);
    ASSERT_TRUE(crlf.Ok());
    for (std::string eol : {"\n", "\r"}) {
        RecordFileResult r = ParseRecordFile(JoinLines(lines, eol), kLocale);
        ASSERT_TRUE(r.Ok()) << r.ErrorText;
        EXPECT_EQ(r.Content.Frames[1].DataBytes, crlf.Content.Frames[1].DataBytes);
        EXPECT_EQ(r.Content.Sections.Car, crlf.Content.Sections.Car);
    }
    // No final line end: the last car line is still read.
    std::string bytes = JoinLines(lines);
    bytes.resize(bytes.size() - 2);
    RecordFileResult r = ParseRecordFile(bytes, kLocale);
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ((*r.Content.Sections.Car)[8], "Передний");
}

TEST(RecordFile, FrameCountOutsideTheRecordIsUnknownFormat) {
    for (std::string count : {"0", "-1", "2001", "2147483647"}) {
        std::vector<std::string> lines = BaseLines(1);
        lines[1] = count;
        RecordFileResult r = Parse(lines);
        EXPECT_EQ(r.Status, ReadStatus::UnknownFormat) << count;
        EXPECT_EQ(r.ErrorText, "Unknown file format");
    }
}

TEST(RecordFile, LinesThatDoNotConvert) {
    struct Case {
        std::size_t line;
        std::string text;
        std::string error;
    };
    std::size_t comment1 = SectionsStart(2) + 75 + 10;
    const Case cases[] = {
        {1, "abc", "'abc' is not a valid integer value"},
        {1, "99999999999", "'99999999999' is not a valid integer value"},
        {FrameLine(2, 3), "", "'' is not a valid integer value"},
        {FrameLine(2, 3), "12 ", "'12 ' is not a valid integer value"},
        {FrameLine(1, 41), "25:00:00", "'25:00:00' is not a valid time"},
        {FrameLine(2, 41), "", "'' is not a valid time"},
        {comment1, "two", "'two' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = BaseLines(2);
        lines[c.line] = c.text;
        RecordFileResult r = Parse(lines);
        EXPECT_EQ(r.Status, ReadStatus::ConversionError) << c.text;
        EXPECT_EQ(r.ErrorText, c.error);
        EXPECT_TRUE(r.Content.Frames.empty());
    }
    // A file cut inside the frames ends on an empty line that does not convert.
    std::vector<std::string> lines = BaseLines(2);
    lines.resize(FrameLine(2, 5));
    EXPECT_EQ(Parse(lines).ErrorText, "'' is not a valid integer value");
}

TEST(RecordFile, ValueLineRules) {
    std::vector<std::string> lines = BaseLines(1);
    lines[FrameLine(1, 1)] = "256";  // low 8 bits
    lines[FrameLine(1, 2)] = "-1";
    lines[FrameLine(1, 3)] = "$1F";
    lines[FrameLine(1, 4)] = " 7";
    lines[FrameLine(1, 12)] = "1";
    lines[FrameLine(1, 13)] = " 1";  // only the one character "1" is 1
    lines[FrameLine(1, 14)] = "2";
    lines[FrameLine(1, 15)] = "1 ";
    lines[FrameLine(1, 40)] = "yes";
    lines[FrameLine(1, 41)] = "1:02 PM";
    std::size_t bookmarks = SectionsStart(1) + 75;
    lines[bookmarks + 1] = "";
    lines[bookmarks + 2] = "abc";
    RecordFileResult r = Parse(lines);
    ASSERT_TRUE(r.Ok()) << r.ErrorText;
    const RecordedFrame& f = r.Content.Frames[0];
    EXPECT_EQ(f.DataBytes[0], 0);
    EXPECT_EQ(f.DataBytes[1], 255);
    EXPECT_EQ(f.DataBytes[2], 31);
    EXPECT_EQ(f.DataBytes[3], 7);
    EXPECT_EQ(f.IdentBits[0], 1);
    EXPECT_EQ(f.IdentBits[1], 0);
    EXPECT_EQ(f.IdentBits[2], 0);
    EXPECT_EQ(f.IdentBits[3], 0);
    EXPECT_EQ(f.Something, 0);
    EXPECT_EQ(FormatTimeOfDay(f.StoredAt, kLocale), "13:02:00");
    EXPECT_EQ((*r.Content.Sections.Bookmarks)[1], "0");
    EXPECT_EQ((*r.Content.Sections.Bookmarks)[2], "abc");
}

TEST(RecordFile, CommentCounts) {
    std::vector<std::string> empty = BaseLines(1);
    std::size_t comment1 = SectionsStart(1) + 75 + 10;
    struct Case {
        std::vector<std::string> section;  // replaces both comments
        std::vector<std::string> memo1, memo2;
    };
    const Case cases[] = {
        {{"-1", "-1"}, {}, {}},
        {{"", "0", "x"}, {}, {"x"}},  // an empty count line reads no lines
        {{"-7", "1", "a", "b"}, {}, {"a", "b"}},
        {{"0", "", "-1"}, {""}, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = empty;
        lines.erase(lines.begin() + comment1, lines.begin() + comment1 + 6);  // "2" a b c "0" d
        lines.insert(lines.begin() + comment1, c.section.begin(), c.section.end());
        RecordFileResult r = Parse(lines);
        ASSERT_TRUE(r.Ok()) << r.ErrorText;
        EXPECT_EQ(*r.Content.Sections.AdditionalDescription, c.memo1);
        EXPECT_EQ(*r.Content.Sections.ReasonsForDiagnostics, c.memo2);
        EXPECT_EQ((*r.Content.Sections.Car)[0], "Моя машина");
    }
}

TEST(RecordFile, EmptyCommentIsWrittenAsMinusOne) {
    RecordFileSections s = FullSections();
    s.AdditionalDescription = std::vector<std::string>{};
    s.ReasonsForDiagnostics.reset();
    std::vector<std::string> lines = SplitLines(FormatRecordFile(SampleFrames(1), s, kLocale));
    std::size_t comment1 = SectionsStart(1) + 75 + 10;
    EXPECT_EQ(lines[comment1], "-1");
    EXPECT_EQ(lines[comment1 + 1], "-1");
    RecordFileResult r = Parse(lines);
    ASSERT_TRUE(r.Ok());
    EXPECT_TRUE(r.Content.Sections.AdditionalDescription->empty());
    EXPECT_TRUE(r.Content.Sections.ReasonsForDiagnostics->empty());
}

TEST(RecordFile, HugeCommentCountTakesOnlyTheLinesThere) {
    std::vector<std::string> lines = BaseLines(1);
    std::size_t comment1 = SectionsStart(1) + 75 + 10;
    lines[comment1] = "2147483647";
    RecordFileResult r = Parse(lines);
    ASSERT_TRUE(r.Ok()) << r.ErrorText;
    EXPECT_EQ(r.Content.Sections.AdditionalDescription->size(), lines.size() - comment1 - 1);
    EXPECT_FALSE(r.Content.Sections.ReasonsForDiagnostics);
}

// Comments up to what a memo holds (their line breaks counted as CR LF) and car fields up to
// their limit open; one character more refuses the whole file, in whichever comment or field
// it is. Reference values are not bounded: a list row shows a long one as fast as a short one.
TEST(RecordFile, TextsBeyondTheirLimitsAreRefused) {
    using Lines = std::vector<std::string>;
    const std::string commentsTooLong = "Comments too long (more than 8192 characters)";
    const std::string carTooLong = "Car description too long (more than 255 characters in a field)";
    struct Case {
        std::string name;
        std::function<void(RecordFileSections&)> change;
        std::string refusal;  // empty: the file opens as written
    };
    std::vector<Case> cases = {
        {"one line at the limit",
         [](auto& s) { s.AdditionalDescription = Lines{std::string(8192, 'x')}; }, ""},
        {"two lines and a break at the limit",
         [](auto& s) {
             s.ReasonsForDiagnostics = Lines{std::string(4095, 'x'), std::string(4095, 'y')};
         },
         ""},
        {"empty lines at the limit", [](auto& s) { s.AdditionalDescription = Lines(4097); }, ""},
        {"one character over",
         [](auto& s) { s.AdditionalDescription = Lines{std::string(8193, 'x')}; }, commentsTooLong},
        {"one break over", [](auto& s) { s.AdditionalDescription = Lines(4098); }, commentsTooLong},
        {"reasons over by a break",
         [](auto& s) {
             s.ReasonsForDiagnostics = Lines{std::string(8192, 'x'), ""};
         },
         commentsTooLong},
        {"long reference values",
         [](auto& s) { s.References[2].assign(25, std::string(100'000, '7')); }, ""},
    };
    for (int i = 0; i < kCarFieldCount; ++i) {
        for (std::size_t length : {255, 256}) {
            cases.push_back({"car field " + std::to_string(i) + " of " + std::to_string(length),
                             [i, length](auto& s) { (*s.Car)[i] = std::string(length, 'c'); },
                             length > 255 ? carTooLong : ""});
        }
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordFileSections written = FullSections();
        c.change(written);
        const RecordFileResult r =
            ParseRecordFile(FormatRecordFile(SampleFrames(3), written, kLocale), kLocale);
        if (c.refusal.empty()) {
            ASSERT_TRUE(r.Ok()) << r.ErrorText;
            const RecordFileSections& read = r.Content.Sections;
            EXPECT_EQ(read.AdditionalDescription, written.AdditionalDescription);
            EXPECT_EQ(read.ReasonsForDiagnostics, written.ReasonsForDiagnostics);
            EXPECT_EQ(read.Car, written.Car);
            EXPECT_EQ(read.References[2][24], written.References[2][24]);
        } else {
            EXPECT_EQ(r.Status, ReadStatus::TooLong);
            EXPECT_EQ(r.ErrorText, c.refusal);
            EXPECT_TRUE(r.Content.Frames.empty());
        }
    }
}

// A file at the read cap made of line ends after the largest comment count: the reading stops
// at the line that takes the comment past its limit, instead of keeping millions of lines.
TEST(RecordFile, ACommentPastItsLimitStopsTheReadingAtThatLine) {
    std::vector<std::string> lines = BaseLines(1);
    const std::size_t comment1 = SectionsStart(1) + 75 + 10;
    lines.resize(comment1);
    lines.push_back("2147483647");
    std::string bytes = JoinLines(lines);
    bytes.resize(static_cast<std::size_t>(kMaxRecordFileBytes), '\n');
    const RecordFileResult r = ParseRecordFile(bytes, kLocale);
    EXPECT_EQ(r.Status, ReadStatus::TooLong);
    EXPECT_EQ(r.ErrorText, "Comments too long (more than 8192 characters)");
    // 4097 empty lines with the breaks between them are 8192 characters; the next is over.
    EXPECT_EQ(r.LinesRead, comment1 + 1 + 4098);
}

// A line break inside a value would shift every later line of the file: comment lines break
// where their text does, one-line values get a blank in its place.
TEST(RecordFile, LineBreaksInsideValuesNeverShiftTheFile) {
    RecordFileSections s = FullSections();
    s.AdditionalDescription = std::vector<std::string>{"first\nsecond", "a\rb", "c\r\nd", ""};
    s.ReasonsForDiagnostics = std::vector<std::string>{"x\n"};
    s.Car = CarDescription{"a\rb",   "5S-FE", "A140E", "1997",        "first\nsecond",
                           "Рядный", "4",     "АКПП",  "Передний\r\n"};
    s.References[1][3] = "1\n2";
    s.Bookmarks->at(4) = "3\r";
    const std::string bytes = FormatRecordFile(SampleFrames(2), s, kLocale);
    RecordFileResult r = ParseRecordFile(bytes, kLocale);
    ASSERT_TRUE(r.Ok()) << r.ErrorText;
    const RecordFileSections& read = r.Content.Sections;
    EXPECT_EQ(*read.AdditionalDescription,
              (std::vector<std::string>{"first", "second", "a", "b", "c", "d", ""}));
    EXPECT_EQ(*read.ReasonsForDiagnostics, (std::vector<std::string>{"x", ""}));
    EXPECT_EQ(*read.Car, (CarDescription{"a b", "5S-FE", "A140E", "1997", "first second", "Рядный",
                                         "4", "АКПП", "Передний "}));
    EXPECT_EQ(read.References[1][3], "1 2");
    EXPECT_EQ(read.References[2][3], "c2r3");
    EXPECT_EQ(read.Bookmarks->at(4), "3 ");
    EXPECT_EQ(read.Bookmarks->at(9), "2000");
    // Nothing but CR LF ends a line of the file.
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            ASSERT_EQ(bytes.compare(bytes[i] == '\r' ? i : i - 1, 2, "\r\n"), 0) << i;
        }
    }
}

TEST(RecordFile, LinesOfAndOnOneLine) {
    struct Case {
        const char* text;
        std::vector<std::string> lines;
        const char* oneLine;
    };
    const Case cases[] = {
        {"", {""}, ""},
        {"abc", {"abc"}, "abc"},
        {"a\r\nb", {"a", "b"}, "a b"},
        {"a\rb\nc", {"a", "b", "c"}, "a b c"},
        {"a\n\rb", {"a", "", "b"}, "a  b"},
        {"a\r\n", {"a", ""}, "a "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LinesOf(c.text), c.lines) << c.text;
        EXPECT_EQ(OnOneLine(c.text), c.oneLine) << c.text;
    }
}

TEST(RecordFile, CtrlZClearsOnlyTheFieldsAfterTheModels) {
    std::vector<std::string> lines = BaseLines(1);
    std::size_t car = lines.size() - 9;
    for (std::size_t i = car; i < lines.size(); ++i) lines[i] = "\x1A";
    lines[car + 4] = "\x1A\x1A";  // not the single character: text
    RecordFileResult r = Parse(lines);
    ASSERT_TRUE(r.Ok()) << r.ErrorText;
    EXPECT_EQ(*r.Content.Sections.Car,
              (CarDescription{"\x1A", "\x1A", "\x1A", "", "\x1A\x1A", "", "", "", ""}));
}

TEST(RecordFile, CommitFramesLeavesFramesAboveN) {
    FrameRecord record;
    record[3].DataBytes[0] = 99;
    record[3].Something = 1;
    RecordFileResult r = Parse(BaseLines(2));
    ASSERT_TRUE(r.Ok());
    CommitFrames(r.Content, record);
    EXPECT_EQ(record[2].DataBytes, SampleFrame(2).DataBytes);
    EXPECT_EQ(record[3].DataBytes[0], 99);
    EXPECT_EQ(record[3].Something, 1);
}

TEST(RecordFile, WriteReplacesAndReadsBack) {
    TempFolder folder;
    auto path = folder.Path() / std::filesystem::path(u8"Моя машина.vmr");
    WriteBytes(path, "old");
    std::vector<RecordedFrame> frames = SampleFrames(5);
    WriteOutcome w = WriteRecordFile(path, frames, FullSections(), kLocale);
    ASSERT_TRUE(w.Ok()) << w.ErrorText;
    EXPECT_EQ(folder.FileNames().size(), 1u);
    RecordFileResult r = ReadRecordFile(path, kLocale);
    ASSERT_TRUE(r.Ok()) << r.ErrorText;
    EXPECT_EQ(r.Content.Frames.size(), 5u);

    FrameRecord record;
    for (int k = 1; k <= 5; ++k) record[k] = frames[k - 1];
    EXPECT_EQ(FormatRecordFile(FramesOf(record, 5), FullSections(), kLocale), ReadBytes(path));
}

TEST(RecordFile, WriteAndReadFailures) {
    TempFolder folder;
    auto missingFolder = folder / "no such folder" / "a.vmr";
    WriteOutcome w = WriteRecordFile(missingFolder, SampleFrames(1), {}, kLocale);
    EXPECT_EQ(w.Status, WriteStatus::CreateFailed);
    EXPECT_EQ(w.ErrorText, "File write error");

    RecordFileResult r = ReadRecordFile(missingFolder, kLocale);
    EXPECT_EQ(r.Status, ReadStatus::ReadError);
    EXPECT_EQ(r.ErrorText.rfind("Unable to read ", 0), 0u);
}

// A file larger than any record is taken for another kind of file and never read whole; the
// first line decides before the size does.
TEST(RecordFile, FilesLargerThanAnyRecordAreUnknownFormat) {
    TempFolder folder;
    const std::string record = FormatRecordFile(SampleFrames(2), FullSections(), kLocale);
    struct Case {
        const char* name;
        std::string start;
        std::uintmax_t size;
        ReadStatus status;
    };
    const Case cases[] = {
        {"at the limit", record, kMaxRecordFileBytes, ReadStatus::Ok},
        {"one byte over", record, kMaxRecordFileBytes + 1, ReadStatus::UnknownFormat},
        {"gigabytes", record, std::uintmax_t{5} << 30, ReadStatus::UnknownFormat},
        {"gigabytes, other kind", "Some other file\r\n", std::uintmax_t{5} << 30,
         ReadStatus::UnknownFormat},
        {"magic line going on", std::string(kRecordFileMagic) + "X\r\n", 100,
         ReadStatus::UnknownFormat},
        {"magic line and nothing else", std::string(kRecordFileMagic), 0,
         ReadStatus::ConversionError},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = folder / "big.vmr";
        WriteBytes(path, c.start);
        // The rest is a hole in the file: no disk space, and nothing to read unless asked.
        if (c.size > c.start.size()) std::filesystem::resize_file(path, c.size);
        const RecordFileResult r = ReadRecordFile(path, kLocale);
        EXPECT_EQ(r.Status, c.status) << r.ErrorText;
        if (c.status == ReadStatus::UnknownFormat) {
            EXPECT_EQ(r.ErrorText, "Unknown file format");
        }
        if (c.status == ReadStatus::Ok) {
            EXPECT_EQ(r.Content.Frames.size(), 2u);
        }
    }
}

// A recording saved under any locale opens under the same and under every other one, each
// frame at the time of day it was stored. The locales are as the Windows side hands them in:
// designators without a place in the code page ("π.μ.", "上午") come in empty.
TEST(RecordFile, TimesReadBackUnderEveryLocale) {
    struct Locale {
        const char* name;
        TimeLocale time;
    };
    const Locale locales[] = {
        {"ru-RU", {"H:mm:ss", ":", "", ""}},
        {"en-US", {"h:mm:ss tt", ":", "AM", "PM"}},
        {"de-DE", {"HH:mm:ss", ":", "", ""}},
        {"bg-BG", {"H:mm:ss 'ч.'", ":", "", ""}},
        {"bg-BG under Wine", {"H:mm:ss 'ч'.", ":", "am", "pm"}},
        {"el-GR", {"h:mm:ss tt", ":", "", ""}},
        {"el-GR, markers as '?'", {"h:mm:ss tt", ":", "?.?.", "?.?."}},
        {"zh-TW", {"tth:mm:ss", ":", "", ""}},
        {"ko-KR", {"tt h:mm:ss", ":", "AM", "PM"}},
        {"es-MX", {"hh:mm:ss tt", ":", "a. m.", "p. m."}},
        {"sq-AL", {"h:mm:ss tt", ":", "PD", "MD"}},
        {"fi-FI", {"H.mm.ss", ".", "", ""}},
        {"24 hours with ДП/ПП", {"H:mm:ss tt", ":", "ДП", "ПП"}},
        {"literal with a designator's first letter", {"H:mm:ss 'ч.'", ":", "дп", "чп"}},
        {"line break", {"H:mm:ss\r\n", ":", "", ""}},
    };
    const int seconds[] = {14 * 3600,     13 * 3600 + 5 * 60 + 7,   5 * 60 + 6,
                           12 * 3600 + 1, 11 * 3600 + 59 * 60 + 59, 23 * 3600 + 59 * 60 + 59};
    std::vector<RecordedFrame> frames = SampleFrames(static_cast<int>(std::size(seconds)));
    for (std::size_t k = 0; k < frames.size(); ++k)
        frames[k].StoredAt = 45000 + seconds[k] / 86400.0;
    for (const Locale& writer : locales) {
        const std::string bytes = FormatRecordFile(frames, FullSections(), writer.time);
        for (const Locale& reader : locales) {
            SCOPED_TRACE(std::string("written under ") + writer.name + ", read under " +
                         reader.name);
            RecordFileResult r = ParseRecordFile(bytes, reader.time);
            ASSERT_TRUE(r.Ok()) << r.ErrorText;
            for (std::size_t k = 0; k < frames.size(); ++k)
                EXPECT_EQ(std::llround(r.Content.Frames[k].StoredAt * 86400), seconds[k]);
        }
    }
}
