// Checking a card folder as it lies on a file system: the listing supplies the music the card
// holds, the reader supplies the files, and only a folder that cannot be listed fails.
#include <gtest/gtest.h>

#include "core/card/CardFiles.h"
#include "core/check/CardCheck.h"
#include "core/fs/Path.h"
#include "tests/check/CardFixture.h"
#include "tests/core/Samples.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/TempFolder.h"

namespace {

using namespace core;
using checkfixture::Describe;

const std::string kFolder = "card";

std::string PathOf(CardFileKind kind, int program) { return CardFilePath(kFolder, kind, program); }

TEST(CheckCardFolder, MusicIsLookedUpInTheFolderListing) {
    testsupport::MemoryFileSystem fs;
    const auto timer = samples::WeekdayMusic({u"Bell.mp3", u"Gone.mp3"}, MusicSource::External);
    const auto present = samples::WeekdayMusic({u"bell.MP3"}, MusicSource::External);
    fs.SetFile(PathOf(CardFileKind::GeneralSchedule, 0), samples::ProgramImage(0, {timer.stored}));
    fs.SetFile(PathOf(CardFileKind::GeneralSchedule, 1), samples::ProgramImage(1, {present.stored}));
    fs.SetFile(JoinPath(kFolder, "BELL.MP3"), {});
    fs.SetFile(JoinPath("elsewhere", "Gone.mp3"), {});

    const auto findings = CheckCardFolder(fs, kFolder);

    ASSERT_TRUE(findings.ok());
    EXPECT_EQ(Describe(*findings), std::vector<std::string>{"SCH01.DAT #1 warning missing-music"});
}

TEST(CheckCardFolder, DeadBytesAfterTheLastTimerAreNoDamage) {
    testsupport::MemoryFileSystem fs;
    auto bytes = samples::ProgramImage(0, {samples::WeekdayMusic().stored});
    bytes.insert(bytes.end(), 5000, 0xEE);
    fs.SetFile(PathOf(CardFileKind::GeneralSchedule, 0), bytes);

    const auto findings = CheckCardFolder(fs, kFolder);

    ASSERT_TRUE(findings.ok());
    EXPECT_TRUE(findings->empty()) << testing::PrintToString(Describe(*findings));
}

TEST(CheckCardFolder, FolderThatCannotBeListedFailsBeforeAnyRead) {
    testsupport::MemoryFileSystem memory;
    testsupport::FaultyFileSystem fs(memory);
    fs.FailCall(0, FileErrorCause::AccessDenied, testsupport::IoCall::ListFolder);

    const auto findings = CheckCardFolder(fs, kFolder);

    ASSERT_FALSE(findings.ok());
    EXPECT_EQ(findings.status(), Status::OpenFailed);
    EXPECT_EQ(findings.error(), FileError(FileErrorCause::AccessDenied, kFolder));
    EXPECT_EQ(fs.Calls(testsupport::IoCall::Open), 0u);
}

TEST(CheckCardFolder, MissingFolderIsNotAnEmptyCard) {
    testsupport::TempFolder folder;
    const std::string missing = folder / "card";

    const auto findings = CheckCardFolder(SystemFileSystem(), missing);

    ASSERT_FALSE(findings.ok());
    EXPECT_EQ(findings.error(), FileError(FileErrorCause::FileNotFound, missing));
}

TEST(CheckCardFolder, EmptyFolderHasNoFindings) {
    testsupport::TempFolder folder;
    const auto findings = CheckCardFolder(SystemFileSystem(), folder.path());
    ASSERT_TRUE(findings.ok());
    EXPECT_TRUE(findings->empty());
}

}  // namespace
