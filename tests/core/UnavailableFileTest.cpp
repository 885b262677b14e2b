// Files that exist but cannot be had, and folders that have gone: every writing operation
// reports the cause and leaves the disk as it was.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/core/Samples.h"
#include "tests/core/StoreCases.h"
#include "tests/core/StoreFixture.h"

namespace {

using namespace storecases;
using core::FileErrorCause;

class UnavailableFile : public ::testing::TestWithParam<StoreCase> {
protected:
    testsupport::TempFolder folder;
};
using BusyTarget = UnavailableFile;
using VanishedFolder = UnavailableFile;

std::vector<StoreCase> OperationsOnExistingTargets() {
    auto cases = WritingOperations();
    std::erase_if(cases, [](const StoreCase& c) { return !c.before.count(c.target); });
    return cases;
}

void ExpectOpenFailed(const Outcome& outcome, FileErrorCause cause, const std::string& path) {
    EXPECT_FALSE(outcome.ok) << outcome;
    EXPECT_STREQ(StatusName(outcome.status), StatusName(core::Status::OpenFailed));
    ASSERT_TRUE(outcome.error) << outcome;
    EXPECT_EQ(outcome.error->cause(), cause) << outcome;
    EXPECT_EQ(outcome.error->path(), path);
}

// Another opener holds the target: nothing is written, not even a replacement for a file that
// only looks unreadable.
TEST_P(BusyTarget, IsLeftAlone) {
    const auto& c = GetParam();
    Lay(folder, c.before);
    {
        // Let go before the snapshot: on Windows the holder shuts out every other reader too.
        const auto holder = core::SystemFileSystem().Open(folder / c.target, core::OpenMode::Read);
        ASSERT_TRUE(holder.ok());
        const auto outcome = c.run(core::SystemFileSystem(), folder);
        ExpectOpenFailed(outcome, FileErrorCause::SharingViolation, folder / c.target);
    }
    EXPECT_EQ(TakeSnapshot(folder), c.before);
}

// What opening a file in a folder that has gone reports: Windows says the path is bad (and the
// error box says so, as it always has there), POSIX that the file is not found.
#ifdef _WIN32
constexpr FileErrorCause kCauseInVanishedFolder = FileErrorCause::BadPath;
#else
constexpr FileErrorCause kCauseInVanishedFolder = FileErrorCause::FileNotFound;
#endif

TEST_P(VanishedFolder, IsNotFound) {
    const auto& c = GetParam();
    std::filesystem::remove_all(folder.path());

    const auto outcome = c.run(core::SystemFileSystem(), folder);
    const bool readsFirst = c.name.rfind("Copy", 0) == 0;  // a copy fails on its source
    ExpectOpenFailed(outcome, kCauseInVanishedFolder,
                     folder / (readsFirst ? c.before.begin()->first : c.target));
    EXPECT_FALSE(std::filesystem::exists(folder.path()));
}

const auto kCaseName = [](const auto& info) { return CaseName(info.param); };
INSTANTIATE_TEST_SUITE_P(Writes, BusyTarget, ::testing::ValuesIn(OperationsOnExistingTargets()), kCaseName);
INSTANTIATE_TEST_SUITE_P(Writes, VanishedFolder, ::testing::ValuesIn(WritingOperations()), kCaseName);

using UnavailableProgram = StoreFixture;

TEST_F(UnavailableProgram, BusySourceIsNotCopied) {
    Lay(samples::ProgramImage(0, {samples::NoonRadio().stored}));
    const auto holder = fs.Open(path, core::OpenMode::Read);
    ASSERT_TRUE(holder.ok());
    const auto outcome = From(core::CopyScheduleFile(fs, path, folder / "SCH02.DAT"));
    ExpectOpenFailed(outcome, FileErrorCause::SharingViolation, path);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"SCH01.DAT"});
}

TEST_F(UnavailableProgram, BusyFileIsNotRead) {
    Lay(samples::ProgramImage(0, {samples::NoonRadio().stored}));
    const auto holder = fs.Open(path, core::OpenMode::Read);
    ASSERT_TRUE(holder.ok());
    const auto read = core::ReadTimer(fs, path, 0, core::TimerRecord{});
    EXPECT_EQ(read.status(), core::Status::OpenFailed);
    ASSERT_TRUE(read.error());
    EXPECT_EQ(read.error()->cause(), FileErrorCause::SharingViolation);
    EXPECT_EQ(read.error()->path(), path);
}

// A folder under the program's name exists but is no file: it is reported, not replaced.
TEST_F(UnavailableProgram, FolderInThePlaceOfTheFileStays) {
    std::filesystem::create_directory(path);
    const auto outcome = From(core::WriteTimer(fs, path, 0, 0, 0, samples::NoonRadio().timer));
    ExpectOpenFailed(outcome, FileErrorCause::NotRegularFile, path);
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

}  // namespace
