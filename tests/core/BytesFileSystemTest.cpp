// The read-only file system over bytes in memory that versions of a file are read through: it
// serves what it was given, in pieces as a reader asks, and never writes anything.
#include <gtest/gtest.h>

#include "core/fs/AtomicReplace.h"
#include "core/fs/BytesFileSystem.h"
#include "tests/support/Bytes.h"

namespace {

using core::FileError;
using core::FileErrorCause;
using core::OpenMode;
using testbytes::Bytes;

TEST(BytesFileSystem, ServesTheGivenBytes) {
    const Bytes content = {1, 2, 3, 4, 5};
    core::BytesFileSystem fs;
    fs.Serve("card/SDATE01.DAT", content);
    auto opened = fs.Open("card/SDATE01.DAT", OpenMode::Read);
    ASSERT_TRUE(opened.ok());
    core::File& file = **opened;
    EXPECT_EQ(*file.Length(), 5u);
    ASSERT_TRUE(file.Seek(3).ok());
    Bytes tail(4);
    EXPECT_EQ(*core::ReadFully(file, tail), 2u);
    EXPECT_EQ(Bytes(tail.begin(), tail.begin() + 2), (Bytes{4, 5}));
    ASSERT_TRUE(file.Seek(9).ok());
    EXPECT_EQ(*file.Read(tail), 0u);  // past the end: nothing, as on disk
    EXPECT_EQ(*fs.ListFolder("card"), std::vector<std::string>{"SDATE01.DAT"});
    EXPECT_TRUE(fs.ListFolder("elsewhere")->empty());
}

TEST(BytesFileSystem, AnyOtherPathIsNotFound) {
    core::BytesFileSystem fs;
    const auto opened = fs.Open("card/SCH01.DAT", OpenMode::Read);
    ASSERT_FALSE(opened.ok());
    EXPECT_EQ(opened.status(), core::Status::OpenFailed);
    EXPECT_EQ(*opened.error(), FileError(FileErrorCause::FileNotFound, "card/SCH01.DAT"));
}

TEST(BytesFileSystem, RefusesEveryWriteAndKeepsTheBytes) {
    const Bytes content = {1, 2, 3};
    core::BytesFileSystem fs;
    fs.Serve("card/SDATE01.DAT", content);
    for (const OpenMode mode : {OpenMode::ReadWrite, OpenMode::Create, OpenMode::CreateNew}) {
        const auto opened = fs.Open("card/SDATE01.DAT", mode);
        ASSERT_FALSE(opened.ok());
        EXPECT_EQ(*opened.error(), FileError(FileErrorCause::AccessDenied, "card/SDATE01.DAT"));
    }
    auto opened = fs.Open("card/SDATE01.DAT", OpenMode::Read);
    ASSERT_TRUE(opened.ok());
    const Bytes other = {9};
    EXPECT_EQ((*opened)->Write(other).status(), core::Status::IoFailed);
    EXPECT_EQ((*opened)->Truncate(0).status(), core::Status::IoFailed);
    EXPECT_FALSE(core::ReplaceFileContents(fs, "card/SDATE01.DAT", other).ok());
    EXPECT_EQ(*(*opened)->Length(), 3u);
}

}  // namespace
