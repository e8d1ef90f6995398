#include <gtest/gtest.h>

#include "monitor/core/save_target.h"

using namespace velmorant;

TEST(SaveTarget, TypedExtensionChoosesTheFormatOthersTakeTheChosenType) {
    constexpr SaveFormat kRecord = SaveFormat::RecordFile, kText = SaveFormat::TextExport;
    struct Case {
        const char* typed;
        int filter;
        const char* path;
        SaveFormat format;
    };
    const Case cases[] = {
        {"dir/a.vmr", 2, "dir/a.vmr", kRecord},
        {"dir/a.csv", 1, "dir/a.csv", kText},
        {"a.VMR", 2, "a.VMR", kRecord},
        {"a.Csv", 1, "a.Csv", kText},
        {"a", 1, "a.vmr", kRecord},
        {"a", 2, "a.csv", kText},
        {"a.txt", 1, "a.vmr", kRecord},
        {"a.txt", 2, "a.csv", kText},
        // Only the last extension of the name counts, not an earlier one nor the folder's.
        {"a.csv.txt", 1, "a.csv.vmr", kRecord},
        {"a.vmrx", 2, "a.csv", kText},
        {"d.csv/a", 1, "d.csv/a.vmr", kRecord},
        // A filter the dialog did not report is the record file's.
        {"a", 0, "a.vmr", kRecord},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " with type " + std::to_string(c.filter));
        const SaveTarget target = ChooseSaveTarget(c.typed, c.filter);
        EXPECT_EQ(target.Path, std::filesystem::path(c.path));
        EXPECT_EQ(target.Format, c.format);
    }
}

// An export's name is offered without its ".csv": the type chosen then decides, a record
// file's name is offered as it is.
TEST(SaveTarget, OfferedNameDropsOnlyAnExportsExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"dir/carA.vmr", "dir/carA.vmr"},
        {"dir/carA.csv", "dir/carA"},
        {"dir/carA.CSV", "dir/carA"},
        {"carA.csv.vmr", "carA.csv.vmr"},
        {"dir.csv/carA", "dir.csv/carA"},
        {"a.b.csv", "a.b"},
        {"", ""},
    };
    for (const auto& [last, offered] : cases) {
        SCOPED_TRACE(last);
        EXPECT_EQ(OfferedSaveName(last), std::filesystem::path(offered));
    }
}
