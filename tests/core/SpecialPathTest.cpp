// Paths that name no plain file: a pipe or a folder where a card file should be is refused by
// every reader and writer at once, never waited on; a symbolic link is written through, and
// stays a link.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/dates/SpecialDateFile.h"
#include "core/fs/AtomicReplace.h"
#include "core/fs/Path.h"
#include "core/schedule/ScheduleFile.h"
#include "tests/core/Samples.h"
#include "tests/core/StoreCases.h"
#include "tests/support/SpecialFiles.h"

// Pipes and links are made the POSIX way; Windows has its own answer in WindowsFileSystem.
#ifndef _WIN32

namespace {

using namespace storecases;
using core::FileError;
using core::FileErrorCause;
using core::SystemFileSystem;
namespace fs = std::filesystem;

// An operation on one file of a folder that already holds the files of `before`.
struct Operation {
    std::string name;
    Snapshot before;
    std::string target;
    std::function<Outcome(core::FileSystem&, const testsupport::TempFolder&)> run;
};

// A read's outcome in the shape of a write's.
template <class T>
Outcome OutcomeOfRead(const core::Result<T>& read) {
    return read.ok() ? From(core::Result<>()) : From(core::Result<>(read.failure()));
}

// Every writer of the store, a whole-file replacement as export writes its document, and the
// readers of the store's files.
std::vector<Operation> ReadersAndWriters() {
    std::vector<Operation> operations;
    for (auto& c : WritingOperations()) operations.push_back({c.name, c.before, c.target, c.run});
    operations.push_back({"ReplaceWholeFile", {}, "CARD.JSON", [](core::FileSystem& fs, const testsupport::TempFolder& f) {
                              return From(core::ReplaceFileContents(fs, f / "CARD.JSON", testbytes::Bytes{'{', '}'}));
                          }});
    operations.push_back({"ReadTimer", {}, "SCH01.DAT", [](core::FileSystem& fs, const testsupport::TempFolder& f) {
                              const auto read = core::ReadTimer(fs, f / "SCH01.DAT", 0, {});
                              return OutcomeOfRead(read);
                          }});
    operations.push_back({"ReadDates", {}, "SDATE01.DAT", [](core::FileSystem& fs, const testsupport::TempFolder& f) {
                              const auto read = core::ReadDateFile(fs, f / "SDATE01.DAT");
                              return OutcomeOfRead(read);
                          }});
    return operations;
}

enum class Stranger { Pipe, Folder };

struct StrangerCase {
    Stranger kind;
    Operation operation;
};

std::string StrangerName(const StrangerCase& c) {
    return std::string(c.kind == Stranger::Pipe ? "Pipe" : "Folder") + "_" + c.operation.name;
}
void PrintTo(const StrangerCase& c, std::ostream* out) { *out << StrangerName(c); }

std::vector<StrangerCase> StrangerCases() {
    std::vector<StrangerCase> cases;
    for (const Stranger kind : {Stranger::Pipe, Stranger::Folder}) {
        for (auto& operation : ReadersAndWriters()) cases.push_back({kind, operation});
    }
    return cases;
}

class NotRegularFile : public ::testing::TestWithParam<StrangerCase> {
protected:
    testsupport::TempFolder folder;
};

// Every reader and writer refuses a pipe or a folder at its file's path as what it is, at once,
// and leaves it there.
TEST_P(NotRegularFile, IsRefusedWithoutWaiting) {
    const auto& [kind, operation] = GetParam();
    auto before = operation.before;
    before.erase(operation.target);
    Lay(folder, before);
    const std::string path = folder / operation.target;
    if (kind == Stranger::Pipe) {
        ASSERT_TRUE(testsupport::MakePipe(path));
    } else {
        ASSERT_TRUE(fs::create_directory(path));
    }

    const auto outcome = testsupport::WithoutWaitingOn(path, [&] { return operation.run(SystemFileSystem(), folder); });
    ASSERT_TRUE(outcome) << "the operation waits on what is at " << path;
    EXPECT_FALSE(outcome->ok) << *outcome;
    ASSERT_TRUE(outcome->error) << *outcome;
    EXPECT_EQ(*outcome->error, FileError(FileErrorCause::NotRegularFile, path));
    const auto status = fs::symlink_status(testsupport::NativePath(path)).type();
    EXPECT_EQ(status, kind == Stranger::Pipe ? fs::file_type::fifo : fs::file_type::directory);
    EXPECT_EQ(folder.Entries().size(), before.size() + 1) << "no file beside it";
}

INSTANTIATE_TEST_SUITE_P(EveryReaderAndWriter, NotRegularFile, ::testing::ValuesIn(StrangerCases()),
                         [](const ::testing::TestParamInfo<StrangerCase>& info) { return StrangerName(info.param); });

class SymbolicLink : public ::testing::TestWithParam<StoreCase> {
protected:
    // What the operation makes of its target in a plain folder.
    static testbytes::Bytes PlainResult(const StoreCase& c) {
        testsupport::TempFolder plain;
        Lay(plain, c.before);
        EXPECT_TRUE(c.run(SystemFileSystem(), plain).ok);
        return testsupport::ReadFileBytes(plain / c.target).value_or(testbytes::Bytes{});
    }

    // The target is a link to a link (absolute) to kept/FILE (relative to the second link's
    // folder), where the target's bytes lie when it has any.
    void LinkTarget(const StoreCase& c) {
        auto before = c.before;
        before.erase(c.target);
        Lay(folder, before);
        fs::create_directory(testsupport::NativePath(folder / "kept"));
        if (c.before.count(c.target)) testsupport::WriteFileBytes(Kept(), c.before.at(c.target));
        fs::create_symlink("kept/FILE", testsupport::NativePath(folder / "HOP"));
        fs::create_symlink(testsupport::NativePath(folder / "HOP"), testsupport::NativePath(folder / c.target));
    }

    std::string Kept() const { return core::JoinPath(folder / "kept", "FILE"); }

    testsupport::TempFolder folder;
};

// Every writer writes the file the link leads to, whether it is there or not, and the link stays
// a link; nothing is left beside either.
TEST_P(SymbolicLink, IsWrittenThroughAndStays) {
    const StoreCase& c = GetParam();
    const testbytes::Bytes expected = PlainResult(c);
    LinkTarget(c);

    const Outcome outcome = c.run(SystemFileSystem(), folder);
    EXPECT_TRUE(outcome.ok) << outcome;
    EXPECT_TRUE(fs::is_symlink(testsupport::NativePath(folder / c.target)));
    EXPECT_EQ(testsupport::ReadFileBytes(Kept()), expected);
    const auto kept = SystemFileSystem().ListFolder(folder / "kept");
    ASSERT_TRUE(kept.ok());
    EXPECT_EQ(*kept, std::vector<std::string>{"FILE"});
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, SymbolicLink, ::testing::ValuesIn(WritingOperations()),
                         [](const ::testing::TestParamInfo<StoreCase>& info) { return info.param.name; });

// A link that leads nowhere is a file that is not there, to readers too.
TEST(SymbolicLinkNowhere, IsAnAbsentFileToReaders) {
    testsupport::TempFolder folder;
    for (const auto& name : {"SCH01.DAT", "SDATE01.DAT"}) {
        fs::create_symlink("GONE", testsupport::NativePath(folder / name));
    }
    const auto timer = core::ReadTimer(SystemFileSystem(), folder / "SCH01.DAT", 0, {});
    ASSERT_FALSE(timer.ok());
    EXPECT_EQ(*timer.error(), FileError(FileErrorCause::FileNotFound, folder / "SCH01.DAT"));
    const auto dates = core::ReadDateFile(SystemFileSystem(), folder / "SDATE01.DAT");
    ASSERT_FALSE(dates.ok());
    EXPECT_EQ(*dates.error(), FileError(FileErrorCause::FileNotFound, folder / "SDATE01.DAT"));
}

// A chain of links that never ends is a bad path, named as the user gave it.
TEST(SymbolicLinkLoop, IsABadPath) {
    testsupport::TempFolder folder;
    fs::create_symlink("SCH01.DAT", testsupport::NativePath(folder / "SCH01.DAT"));
    const auto written = core::ReplaceFileContents(SystemFileSystem(), folder / "SCH01.DAT", testbytes::Bytes{1});
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(*written.error(), FileError(FileErrorCause::BadPath, folder / "SCH01.DAT"));
}

}  // namespace

#endif  // !_WIN32
