#include <gtest/gtest.h>

#include "Bytes.h"
#include "core/dates/SpecialDateFile.h"
#include "core/fs/FileSystem.h"
#include "support/TempFolder.h"

namespace {

using namespace testbytes;
using core::SpecialDate;
using core::SpecialDateTable;

class SpecialDateFile : public ::testing::Test {
protected:
    core::FileSystem& fs = core::SystemFileSystem();
    testsupport::TempFolder folder;
    const std::string path = folder / "SDATE01.DAT";

    // Reads the file into a table whose entries all start as 7/7, so untouched ones show.
    std::vector<SpecialDate> Read(core::DateFileResult* result = nullptr) {
        SpecialDateTable table;
        table.fill({7, 7});
        std::uint32_t count = 99;
        const auto r = core::ReadDateFile(fs, path, table, count);
        if (result) *result = r;
        EXPECT_LE(count, table.size());
        return {table.begin(), table.begin() + std::min<std::size_t>(count, table.size())};
    }
};

TEST_F(SpecialDateFile, WritesMonthAndDayInListOrder) {
    SpecialDateTable table{};
    table[0] = {1, 1};
    table[1] = {10, 1};
    table[2] = {12, 25};
    table[3] = {4, 4};  // past the count: not written
    ASSERT_TRUE(core::WriteDateFile(fs, path, table, 3).ok);
    EXPECT_EQ(testsupport::ReadFileBytes(path), Hex("01 01 0A 01 0C 19"));
    EXPECT_EQ(Read(), (std::vector<SpecialDate>{{1, 1}, {10, 1}, {12, 25}}));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"SDATE01.DAT"});
}

TEST_F(SpecialDateFile, NoDatesGiveAnEmptyFile) {
    testsupport::WriteFileBytes(path, Hex("01 01 0A 01"));
    ASSERT_TRUE(core::WriteDateFile(fs, path, SpecialDateTable{}, 0).ok);
    EXPECT_EQ(testsupport::ReadFileBytes(path), Bytes{});
    core::DateFileResult result;
    EXPECT_TRUE(Read(&result).empty());
    EXPECT_TRUE(result.ok);
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
        core::DateFileResult result;
        const auto read = Read(&result);
        EXPECT_TRUE(result.ok);
        ASSERT_EQ(read.size(), c.count) << c.file.size() << " bytes";
        if (c.count) {
            EXPECT_EQ(read.back(), c.last);
        }
    }
}

TEST_F(SpecialDateFile, MissingFileGivesNoDates) {
    core::DateFileResult result;
    EXPECT_TRUE(Read(&result).empty());
    EXPECT_FALSE(result.ok);
    ASSERT_TRUE(result.error);
    EXPECT_EQ(result.error->cause(), core::FileErrorCause::FileNotFound);
}

TEST_F(SpecialDateFile, BusyFileGivesNoDates) {
    testsupport::WriteFileBytes(path, Hex("01 01"));
    const auto holder = fs.Open(path, core::OpenMode::Read);
    core::DateFileResult result;
    EXPECT_TRUE(Read(&result).empty());
    ASSERT_TRUE(result.error);
    EXPECT_EQ(result.error->cause(), core::FileErrorCause::SharingViolation);
}

// A count past the table's end never reads past it.
TEST_F(SpecialDateFile, CountPastTheTableWritesTheTable) {
    SpecialDateTable table;
    table.fill({2, 29});
    const auto result = core::WriteDateFile(fs, path, table, 1000);
    if (result.ok) {
        EXPECT_EQ(testsupport::ReadFileBytes(path)->size(), 730u);
    }
}

}  // namespace
