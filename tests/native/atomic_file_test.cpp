#include "monitor/core/atomic_file.h"

#include <gtest/gtest.h>
#if defined(__linux__)
#include <sys/resource.h>
#endif

#include <csignal>
#include <stdexcept>
#include <string>

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

// Any name the file system takes can be replaced atomically, however little room it leaves
// for the temporary file's name.
TEST(AtomicFile, NamesUpToTheLongestAFileSystemTakesAreWritten) {
    struct Case {
        const char* what;
        std::size_t length;
    };
    const Case cases[] = {{"a short name", 8}, {"a long name", 239}, {"the longest name", 255}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        const std::string name = std::string(c.length - 4, 'n') + ".vmr";
        const auto target = folder / name;
        for (const std::string_view bytes : {"the first file", "the second, replacing it"}) {
            ASSERT_TRUE(WriteFileAtomically(target, bytes).Ok()) << bytes;
            EXPECT_EQ(ReadBytes(target), bytes);
            EXPECT_EQ(folder.FileNames(), std::vector<std::string>{name});
        }
    }
}

TEST(AtomicFile, PathTextIsCp1251) {
    std::filesystem::path p = std::filesystem::path(u8"Моя машина №1 €.vmr");
    EXPECT_EQ(PathText(p), "Моя машина №1 \x88.vmr");
    EXPECT_EQ(PathText(std::filesystem::path(u8"\u65E5\u672C.vmr")), "??.vmr");
}

// A folder where nothing new can be made (a program folder whose settings file alone may be
// written): a target that exists and may be written is written in place; anything else still
// fails to be created, and a failed write leaves the old bytes.
TEST(AtomicFile, WritesInPlaceWhereNoTemporaryFileCanBeMade) {
    struct Case {
        const char* how;
        TemporaryPathRule rule;
        std::string name;
    };
    const Case cases[] = {
        {"temporary files cannot be created", nullptr, "data.vmr"},
        // The file system itself refuses it: the name is longer than any it takes.
        {"a temporary name the file system refuses",
         [](const std::filesystem::path& target) {
             return target.parent_path() / std::string(300, 't');
         },
         std::string(250, 'n')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        TempFolder folder;
        NoTemporaryFiles noTemporary(c.rule);
        const auto target = folder / c.name;
        WriteBytes(target, "the old file, longer than the new");

        ASSERT_TRUE(WriteFileAtomically(target, "new").Ok());
        EXPECT_EQ(ReadBytes(target), "new");
        const std::string longer(5000, 'L');
        ASSERT_TRUE(WriteFileAtomically(target, longer).Ok());
        EXPECT_EQ(ReadBytes(target), longer);

        WriteOutcome failed = WriteFileAtomically(target, [](std::ostream& out) {
            out << "half of the new";
            out.setstate(std::ios::badbit);
        });
        EXPECT_EQ(failed.Status, WriteStatus::WriteFailed);
        EXPECT_EQ(failed.ErrorText, "Unable to write to " + PathText(target));
        EXPECT_EQ(ReadBytes(target), longer);

        // Nothing to write over: a missing target and a folder are not created.
        const auto missing = folder / (c.name.substr(1) + "x");
        std::filesystem::create_directory(folder / (c.name.substr(1) + "d"));
        for (const auto& other : {missing, folder / (c.name.substr(1) + "d")}) {
            WriteOutcome w = WriteFileAtomically(other, "x");
            EXPECT_EQ(w.Status, WriteStatus::CreateFailed);
            EXPECT_EQ(w.ErrorText, "File write error");
        }
        EXPECT_FALSE(std::filesystem::exists(missing));
        EXPECT_EQ(folder.FileNames().size(), 2u);  // the target and the folder
    }
}

#if defined(__linux__)
// Written in place on a disk that fills up half way: the old bytes are put back.
TEST(AtomicFile, InPlaceWriteThatDoesNotFitLeavesTheOldFile) {
    TempFolder folder;
    NoTemporaryFiles noTemporary;
    const auto target = folder / "Velmorant.ini";
    const std::string old = "[Main]\r\nVersion=8000\r\n";
    WriteBytes(target, old);

    // A file-size limit stands for the full disk: writes past it fail.
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const WriteOutcome w = WriteFileAtomically(target, std::string(4096, 'x'));
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousSignal);

    EXPECT_EQ(w.Status, WriteStatus::WriteFailed);
    EXPECT_EQ(w.ErrorText, "Unable to write to " + PathText(target));
    EXPECT_EQ(ReadBytes(target), old);
}
#endif
