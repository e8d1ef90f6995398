#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "monitor/core/atomic_file.h"
#include "tests/native/file_test_support.h"

using namespace velmorant;
using namespace velmorant::test;

TEST(AtomicFile, ReplacesOnlyWhenEverythingWasWritten) {
    TempFolder folder;
    auto target = folder / "data.vmr";
    WriteBytes(target, "the old file");

    // The stream fails half way, as on a full disk.
    WriteOutcome failed = WriteFileAtomically(target, [](std::ostream& out) {
        out << "half of the new";
        out.setstate(std::ios::badbit);
    });
    EXPECT_EQ(failed.Status, WriteStatus::WriteFailed);
    EXPECT_EQ(failed.ErrorText, "Unable to write to " + PathText(target));
    EXPECT_EQ(ReadBytes(target), "the old file");
    EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"data.vmr"});

    EXPECT_THROW(WriteFileAtomically(target, [](std::ostream& out) {
                     out << "partial";
                     throw std::runtime_error("stop");
                 }),
                 std::runtime_error);
    EXPECT_EQ(ReadBytes(target), "the old file");
    EXPECT_EQ(folder.FileNames().size(), 1u);

    ASSERT_TRUE(WriteFileAtomically(target, std::string_view("new\0bytes", 9)).Ok());
    EXPECT_EQ(ReadBytes(target), std::string("new\0bytes", 9));
    EXPECT_EQ(folder.FileNames().size(), 1u);
}

TEST(AtomicFile, CreatesNewFilesAndReportsCreateFailure) {
    TempFolder folder;
    ASSERT_TRUE(WriteFileAtomically(folder / "new.ini", "x").Ok());
    EXPECT_EQ(ReadBytes(folder / "new.ini"), "x");

    // A target in a missing folder, and one that exists but cannot be opened for writing:
    // neither could be created, nothing is produced and nothing is left beside it.
    std::filesystem::create_directory(folder / "taken.vmr");
    for (auto target : {folder / "missing" / "new.ini", folder / "taken.vmr"}) {
        SCOPED_TRACE(PathText(target));
        bool produced = false;
        WriteOutcome w = WriteFileAtomically(target, [&produced](std::ostream& out) {
            produced = true;
            out << "x";
        });
        EXPECT_EQ(w.Status, WriteStatus::CreateFailed);
        EXPECT_EQ(w.ErrorText, "File write error");
        EXPECT_FALSE(produced);
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder / "taken.vmr"));
    EXPECT_EQ(folder.FileNames().size(), 2u);  // new.ini and the folder
}

TEST(AtomicFile, PathTextIsCp1251) {
    std::filesystem::path p = std::filesystem::path(u8"Моя машина №1 €.vmr");
    EXPECT_EQ(PathText(p), "Моя машина №1 \x88.vmr");
    EXPECT_EQ(PathText(std::filesystem::path(u8"\u65E5\u672C.vmr")), "??.vmr");
}
