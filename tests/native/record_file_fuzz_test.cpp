#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "monitor/core/record_file_reader.h"
#include "monitor/core/record_file_writer.h"
#include "tests/native/file_test_support.h"

using namespace velmorant;
using namespace velmorant::test;

namespace {

const TimeLocale kLocale{"h:mm:ss tt", ":", "AM", "PM"};

std::string BaseFile() {
    RecordFileSections s;
    for (auto& column : s.References) column.assign(28, "1.5");
    s.Bookmarks = std::array<std::string, 10>{"1", "2", "0", "0", "0", "0", "0", "0", "0", "0"};
    s.AdditionalDescription = std::vector<std::string>{"a", "b"};
    s.ReasonsForDiagnostics = std::vector<std::string>{"c"};
    s.Car = CarDescription{"M", "E", "T", "1997", "1", "x", "4", "\x1A", "y"};
    return FormatRecordFile(SampleFrames(4), s, kLocale);
}

class Mutator {
public:
    explicit Mutator(unsigned seed) : rng_(seed) {}

    std::string Mutate(std::string bytes) {
        switch (Pick(6)) {
            case 0: bytes.resize(Pick(bytes.size() + 1)); break;
            case 1:
                for (std::size_t i = 0, n = 1 + Pick(8); i < n && !bytes.empty(); ++i)
                    bytes[Pick(bytes.size())] = static_cast<char>(Pick(256));
                break;
            case 2: ReplaceLine(bytes, kNumbers[Pick(std::size(kNumbers))]); break;
            case 3: {  // no line ends at all, or other line ends
                std::string eol = Pick(2) ? "" : (Pick(2) ? "\r" : "\n");
                std::string out;
                for (std::size_t i = 0; i < bytes.size(); ++i) {
                    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                        out += eol;
                        ++i;
                    } else {
                        out += bytes[i];
                    }
                }
                bytes = out;
                break;
            }
            case 4: bytes.insert(Pick(bytes.size() + 1), std::string(1 + Pick(16), static_cast<char>(Pick(256)))); break;
            default:
                bytes.erase(Pick(bytes.size() + 1), Pick(200));
                ReplaceLine(bytes, kNumbers[Pick(std::size(kNumbers))]);
                break;
        }
        return bytes;
    }

private:
    static constexpr const char* kNumbers[] = {"2147483647", "-2147483648", "99999999999999999999", "2000",
                                               "0",          "-1",          "$FFFFFFFF",            "0x7FFFFFFF",
                                               "",           "\x1A",        "12:00:00 PM",          "1"};

    std::size_t Pick(std::size_t n) { return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }

    void ReplaceLine(std::string& bytes, const std::string& with) {
        std::vector<std::string> lines = SplitLines(bytes);
        if (lines.empty()) return;
        lines[Pick(lines.size())] = with;
        bytes = JoinLines(lines);
    }

    std::mt19937 rng_;
};

}  // namespace

// Damaged files of every kind give an outcome and never a crash (run under the sanitizers).
TEST(RecordFileFuzz, MutatedFilesGiveAnOutcome) {
    const std::string base = BaseFile();
    ASSERT_TRUE(ParseRecordFile(base, kLocale).Ok());
    Mutator mutator(20240611);
    int outcomes[static_cast<int>(ReadStatus::TooLong) + 1] = {};
    for (int i = 0; i < 4000; ++i) {
        std::string bytes = mutator.Mutate(base);
        if (i % 3 == 0) bytes = mutator.Mutate(bytes);
        RecordFileResult r = ParseRecordFile(bytes, kLocale);
        ASSERT_LE(static_cast<int>(r.Status), static_cast<int>(ReadStatus::TooLong));
        ++outcomes[static_cast<int>(r.Status)];
        if (r.Ok()) {
            ASSERT_GE(r.Content.Frames.size(), 1u);
            ASSERT_LE(r.Content.Frames.size(), 2000u);
            for (const auto& column : r.Content.Sections.References) ASSERT_EQ(column.size(), 25u);
            for (const RecordedFrame& f : r.Content.Frames) {
                for (auto bit : f.IdentBits) ASSERT_LE(bit, 1);
                ASSERT_GE(f.StoredAt, 0.0);
                ASSERT_LT(f.StoredAt, 1.0);
            }
        } else {
            ASSERT_FALSE(r.ErrorText.empty());
            ASSERT_TRUE(r.Content.Frames.empty());
        }
    }
    // The mutations reach every outcome a file can have.
    EXPECT_GT(outcomes[static_cast<int>(ReadStatus::Ok)], 0);
    EXPECT_GT(outcomes[static_cast<int>(ReadStatus::UnknownFormat)], 0);
    EXPECT_GT(outcomes[static_cast<int>(ReadStatus::ConversionError)], 0);
}
