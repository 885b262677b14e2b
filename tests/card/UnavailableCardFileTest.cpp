// Card files that cannot be had: held by another program (busy), or failing to open or read
// for another reason (unreadable). Only the file concerned is affected, it carries none of its
// content, and it says why and which file.
#include <gtest/gtest.h>

#include "CardSamples.h"
#include "NamedCases.h"
#include "core/card/CardReader.h"
#include "support/FaultyFileSystem.h"
#include "support/MemoryFileSystem.h"
#include "support/TempFolder.h"

namespace {

using namespace core;
using namedcases::PrintTo;
using testsupport::IoCall;

const std::string kFolder = "card";

class UnavailableCardFile : public ::testing::Test {
protected:
    UnavailableCardFile() { cardsamples::WriteCardFiles(memory, kFolder, AllCardFiles()); }

    // Every file but `skipped` reads as written.
    static void ExpectOthersRead(const Card& card, CardFileId skipped) {
        for (const CardFile& file : card.files) {
            if (file.id != skipped) cardsamples::ExpectReadAs(file, cardsamples::ContentOf(file.id));
        }
    }

    testsupport::MemoryFileSystem memory;
    testsupport::FaultyFileSystem fs{memory};
};

struct OpenCase {
    const char* name;
    std::size_t file;  // position in AllCardFiles(), which is also the open call's number
    FileErrorCause cause;
    CardFileState state;
};

const OpenCase kOpenCases[] = {
    {"BusyProgram", 0, FileErrorCause::SharingViolation, CardFileState::Busy},
    {"BusyDates", 12, FileErrorCause::SharingViolation, CardFileState::Busy},
    {"DeniedProgram", 5, FileErrorCause::AccessDenied, CardFileState::Unreadable},
    {"TooManyOpenFiles", 15, FileErrorCause::TooManyOpenFiles, CardFileState::Unreadable},
    {"MediumFails", 9, FileErrorCause::HardIO, CardFileState::Unreadable},
};

class FailedOpen : public UnavailableCardFile, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(FailedOpen, MarksOnlyThatFile) {
    const OpenCase& c = GetParam();
    const CardFileId id = AllCardFiles()[c.file];
    fs.FailCall(c.file, c.cause, IoCall::Open);

    const Card card = ReadCard(fs, kFolder);

    const CardFile& file = card[id];
    EXPECT_EQ(file.state, c.state);
    EXPECT_EQ(file.failure, (FileError(c.cause, CardFilePath(kFolder, id.kind, id.program))));
    EXPECT_FALSE(file.damage);
    EXPECT_TRUE(file.timers.empty() && file.dates.empty());
    ExpectOthersRead(card, id);
}

INSTANTIATE_TEST_SUITE_P(Causes, FailedOpen, ::testing::ValuesIn(kOpenCases), namedcases::kCaseName);

// Each call the reader makes, failing in turn: the file it concerned is unreadable and keeps
// nothing it had read so far (the last special program needs several reads), and the rest of
// the card is untouched.
TEST_F(UnavailableCardFile, EachFailingCallMarksOnlyItsFile) {
    for (std::size_t k = 0;; ++k) {
        fs.Reset();
        fs.FailCall(k, FileErrorCause::HardIO);
        const Card card = ReadCard(fs, kFolder);
        if (!fs.FaultFired()) break;
        SCOPED_TRACE(fs.FiredCall());

        const auto failed = std::find_if(card.files.begin(), card.files.end(), [](const CardFile& file) {
            return file.state != CardFileState::Read;
        });
        ASSERT_NE(failed, card.files.end());
        EXPECT_EQ(failed->state, CardFileState::Unreadable);
        ASSERT_TRUE(failed->failure);
        EXPECT_EQ(failed->failure->cause(), FileErrorCause::HardIO);
        EXPECT_EQ(fs.FiredCall().substr(fs.FiredCall().find(' ') + 1), failed->failure->path());
        EXPECT_TRUE(failed->timers.empty() && failed->dates.empty());
        ExpectOthersRead(card, failed->id);
    }
    EXPECT_GT(fs.Calls(IoCall::Read), kCardFileCount);  // some file took more than one read
}

// On the real disk: a file another opener holds is busy, and readable again once let go.
TEST(HeldCardFile, IsBusyWhileHeld) {
    FileSystem& disk = SystemFileSystem();
    testsupport::TempFolder folder;
    const CardFileId id{CardFileKind::SpecialSchedule, 2};
    const CardFileId ids[] = {id};
    cardsamples::WriteCardFiles(disk, folder.path(), ids);
    auto held = disk.Open(CardFilePath(folder.path(), id.kind, id.program), OpenMode::Read);
    ASSERT_TRUE(held.ok());

    EXPECT_EQ(ReadCard(disk, folder.path())[id].state, CardFileState::Busy);
    held->reset();
    cardsamples::ExpectReadAs(ReadCard(disk, folder.path())[id], cardsamples::ContentOf(id));
}

}  // namespace
