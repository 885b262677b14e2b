// Whole cards on the real disk, written by the store: every file read back as written, files
// that are missing reported absent, and the folder itself missing or empty.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "CardSamples.h"
#include "NamedCases.h"
#include "core/card/CardReader.h"
#include "support/TempFolder.h"

namespace {

using namespace core;
using namedcases::PrintTo;

std::vector<CardFileId> Files(std::initializer_list<CardFileId> ids) { return ids; }

std::vector<CardFileId> EveryFile() { return {AllCardFiles().begin(), AllCardFiles().end()}; }

struct CardCase {
    const char* name;
    std::vector<CardFileId> present;
};

class CardOnDisk : public ::testing::TestWithParam<CardCase> {
protected:
    FileSystem& fs = SystemFileSystem();
    testsupport::TempFolder folder;
};

// Each file on the card is read as written, in its own place; each other file is absent.
TEST_P(CardOnDisk, ReadsWhatIsThere) {
    const auto& present = GetParam().present;
    cardsamples::WriteCardFiles(fs, folder.path(), present);

    const Card card = ReadCard(fs, folder.path());

    for (std::size_t i = 0; i < kCardFileCount; ++i) {
        const CardFile& file = card.files[i];
        EXPECT_EQ(file.id, AllCardFiles()[i]);
        EXPECT_EQ(&card[file.id], &file);
        if (std::find(present.begin(), present.end(), file.id) != present.end()) {
            cardsamples::ExpectReadAs(file, cardsamples::ContentOf(file.id));
        } else {
            EXPECT_EQ(file.state, CardFileState::Absent) << CardFileName(file.id.kind, file.id.program);
            EXPECT_TRUE(file.timers.empty() && file.dates.empty());
        }
    }
}

const CardCase kCards[] = {
    {"Complete", EveryFile()},
    {"Partial", Files({{CardFileKind::GeneralSchedule, 1},
                       {CardFileKind::SpecialSchedule, 0},
                       {CardFileKind::SpecialSchedule, 5},
                       {CardFileKind::SpecialDates, 5}})},
    {"OnlyDates", Files({{CardFileKind::SpecialDates, 0}, {CardFileKind::SpecialDates, 2}})},
    {"EmptyFolder", {}},
};

INSTANTIATE_TEST_SUITE_P(Cards, CardOnDisk, ::testing::ValuesIn(kCards), namedcases::kCaseName);

// A folder that does not exist (an unplugged card) holds no files at all.
TEST(CardFolder, MissingFolderReadsAsAllAbsent) {
    testsupport::TempFolder parent;
    const Card card = ReadCard(SystemFileSystem(), parent / "unplugged");
    for (const CardFile& file : card.files) EXPECT_EQ(file.state, CardFileState::Absent);
}

// A plain file where the folder should be: no card file can be reached through it.
TEST(CardFolder, FileInThePlaceOfTheFolderMakesAllUnreadable) {
    testsupport::TempFolder parent;
    testsupport::WriteFileBytes(parent / "card", {1, 2, 3});
    const Card card = ReadCard(SystemFileSystem(), parent / "card");
    for (const CardFile& file : card.files) {
        EXPECT_EQ(file.state, CardFileState::Unreadable);
        const std::string path = CardFilePath(parent / "card", file.id.kind, file.id.program);
        EXPECT_EQ(file.failure, (FileError(FileErrorCause::BadPath, path)));
    }
}

// A folder in the place of a card file is not a file the reader could use.
TEST(CardFolder, FolderInThePlaceOfAFileIsUnreadable) {
    testsupport::TempFolder folder;
    std::filesystem::create_directory(folder / "SPSCH02.DAT");
    const Card card = ReadCard(SystemFileSystem(), folder.path());
    const CardFile& file = card[{CardFileKind::SpecialSchedule, 1}];
    EXPECT_EQ(file.state, CardFileState::Unreadable);
    ASSERT_TRUE(file.failure);
    EXPECT_EQ(*file.failure, FileError(FileErrorCause::NotRegularFile, folder / "SPSCH02.DAT"));
}

}  // namespace
