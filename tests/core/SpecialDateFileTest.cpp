#include <gtest/gtest.h>

#include "core/dates/SpecialDateFile.h"
#include "core/fs/FileSystem.h"
#include "tests/support/Bytes.h"
#include "tests/support/TempFolder.h"

namespace {

using namespace testbytes;
using core::SpecialDate;
using Dates = std::vector<SpecialDate>;

class SpecialDateFile : public ::testing::Test {
protected:
    core::FileSystem& fs = core::SystemFileSystem();
    testsupport::TempFolder folder;
    const std::string path = folder / "SDATE01.DAT";
};

TEST_F(SpecialDateFile, WritesMonthAndDayInListOrder) {
    const Dates dates = {{1, 1}, {10, 1}, {12, 25}, {4, 4}};
    // The last one is left out: only the first three are written.
    ASSERT_TRUE(core::WriteDateFile(fs, path, std::span(dates).first(3)).ok());
    EXPECT_EQ(testsupport::ReadFileBytes(path), Hex("01 01 0A 01 0C 19"));
    const auto read = core::ReadDateFile(fs, path);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(*read, (Dates{{1, 1}, {10, 1}, {12, 25}}));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"SDATE01.DAT"});
}

TEST_F(SpecialDateFile, NoDatesGiveAnEmptyFile) {
    testsupport::WriteFileBytes(path, Hex("01 01 0A 01"));
    ASSERT_TRUE(core::WriteDateFile(fs, path, Dates{}).ok());
    EXPECT_EQ(testsupport::ReadFileBytes(path), Bytes{});
    const auto read = core::ReadDateFile(fs, path);
    ASSERT_TRUE(read.ok());
    EXPECT_TRUE(read->empty());
}

// Whatever the file holds is loaded as it is: an odd last byte and records past the 365th are
// ignored, nonsense values are kept.
TEST_F(SpecialDateFile, ReadsWhatTheFileHolds) {
    Bytes eightHundred(800);
    for (std::size_t i = 0; i < eightHundred.size(); ++i) eightHundred[i] = static_cast<std::uint8_t>(i / 2);
    const struct {
        Bytes file;
        std::size_t count;
        SpecialDate last;
    } table[] = {
        {Hex("01 02 03 04 05 06 07"), 3, {5, 6}},
        {eightHundred, 365, {364 % 256, 364 % 256}},
        {Hex("00 FF"), 1, {0, 255}},
        {Hex("0C"), 0, {}},
    };
    for (const auto& c : table) {
        testsupport::WriteFileBytes(path, c.file);
        const auto read = core::ReadDateFile(fs, path);
        ASSERT_TRUE(read.ok());
        ASSERT_EQ(read->size(), c.count) << c.file.size() << " bytes";
        if (c.count) {
            EXPECT_EQ(read->back(), c.last);
        }
    }
}

TEST_F(SpecialDateFile, MissingFileGivesNoDates) {
    const auto read = core::ReadDateFile(fs, path);
    EXPECT_EQ(read.status(), core::Status::OpenFailed);
    ASSERT_TRUE(read.error());
    EXPECT_EQ(read.error()->cause(), core::FileErrorCause::FileNotFound);
    EXPECT_EQ(read.error()->path(), path);
}

TEST_F(SpecialDateFile, BusyFileGivesNoDates) {
    testsupport::WriteFileBytes(path, Hex("01 01"));
    const auto holder = fs.Open(path, core::OpenMode::Read);
    ASSERT_TRUE(holder.ok());
    const auto read = core::ReadDateFile(fs, path);
    EXPECT_EQ(read.status(), core::Status::OpenFailed);
    ASSERT_TRUE(read.error());
    EXPECT_EQ(read.error()->cause(), core::FileErrorCause::SharingViolation);
}

// More dates than a file holds: only the first 365 are written.
TEST_F(SpecialDateFile, DatesPastTheLimitAreNotWritten) {
    const Dates dates(1000, {2, 29});
    ASSERT_TRUE(core::WriteDateFile(fs, path, dates).ok());
    EXPECT_EQ(testsupport::ReadFileBytes(path)->size(), 730u);
}

}  // namespace
