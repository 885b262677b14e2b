// The file layer's answers: a failed open is OpenFailed, a failure after it IoFailed, and each
// carries the cause with the path the user knows. Run on the machine's file system and on the
// in-memory one the sweeps rely on, so the two cannot drift apart.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>

#include "core/fs/AtomicReplace.h"
#include "core/fs/FileSystem.h"
#include "tests/core/StoreFixture.h"
#include "tests/support/Bytes.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/TempFolder.h"

namespace {

using core::FileError;
using core::FileErrorCause;
using core::OpenMode;
using core::Status;
using testbytes::Bytes;
using testbytes::Hex;
using testsupport::FaultyFileSystem;
using testsupport::IoCall;

template <class R>
void ExpectFailure(const R& result, Status status, FileErrorCause cause, const std::string& path) {
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.status(), status);
    ASSERT_TRUE(result.error());
    EXPECT_EQ(*result.error(), FileError(cause, path));
}

// The answer of a call that gives a value, without the value.
template <class T>
core::Result<> WithoutValue(const core::Result<T>& result) {
    if (!result.ok()) return result.failure();
    return {};
}

enum class Backing { Disk, Memory };

class FileSystemContract : public ::testing::TestWithParam<Backing> {
protected:
    testsupport::TempFolder folder;
    testsupport::MemoryFileSystem memory;
    core::FileSystem& fs = GetParam() == Backing::Disk ? core::SystemFileSystem() : memory;
    const std::string path = folder / "SCH01.DAT";

    std::unique_ptr<core::File> OpenOrFail(OpenMode mode) {
        auto opened = fs.Open(path, mode);
        EXPECT_TRUE(opened.ok());
        return opened.ok() ? std::move(*opened) : nullptr;
    }
};

TEST_P(FileSystemContract, WritesReadsAndCuts) {
    auto file = OpenOrFail(OpenMode::Create);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->Path(), path);
    ASSERT_TRUE(file->Write(Hex("01 02 03 04 05")).ok());
    ASSERT_TRUE(file->Truncate(3).ok());
    ASSERT_TRUE(file->Sync().ok());
    ASSERT_TRUE(file->Seek(1).ok());
    Bytes buffer(8);
    const auto got = core::ReadFully(*file, buffer);
    ASSERT_TRUE(got.ok());
    EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(*got)), Hex("02 03"));
    const auto length = file->Length();
    ASSERT_TRUE(length.ok());
    EXPECT_EQ(*length, 3u);
    EXPECT_TRUE(file->Close().ok());
    EXPECT_TRUE(core::CanOpenForReading(fs, path));
}

TEST_P(FileSystemContract, MissingFileIsNotFound) {
    for (OpenMode mode : {OpenMode::Read, OpenMode::ReadWrite, OpenMode::ReadFromMedium}) {
        ExpectFailure(fs.Open(path, mode), Status::OpenFailed, FileErrorCause::FileNotFound, path);
    }
    EXPECT_FALSE(core::CanOpenForReading(fs, path));
}

TEST_P(FileSystemContract, HeldFileIsASharingViolation) {
    const auto holder = OpenOrFail(OpenMode::Create);
    for (OpenMode mode : {OpenMode::Read, OpenMode::ReadWrite, OpenMode::Create, OpenMode::ReadFromMedium}) {
        ExpectFailure(fs.Open(path, mode), Status::OpenFailed, FileErrorCause::SharingViolation, path);
    }
    EXPECT_FALSE(core::CanOpenForReading(fs, path));
}

// Every call but Close on a closed file fails, naming the file.
TEST_P(FileSystemContract, ClosedFileTakesNoCalls) {
    auto file = OpenOrFail(OpenMode::Create);
    ASSERT_TRUE(file);
    ASSERT_TRUE(file->Close().ok());
    Bytes buffer(4);
    const struct {
        const char* call;
        std::function<core::Result<>()> run;
    } calls[] = {
        {"Read", [&] { return WithoutValue(file->Read(buffer)); }},
        {"Write", [&] { return file->Write(Hex("01")); }},
        {"Seek", [&] { return file->Seek(0); }},
        {"Length", [&] { return WithoutValue(file->Length()); }},
        {"Truncate", [&] { return file->Truncate(0); }},
        {"Sync", [&] { return file->Sync(); }},
        {"DropCachedPages", [&] { return file->DropCachedPages(); }},
    };
    for (const auto& call : calls) {
        SCOPED_TRACE(call.call);
        ExpectFailure(call.run(), Status::IoFailed, FileErrorCause::InvalidFile, path);
    }
}

// Read from the medium, a file gives back every byte wherever a read starts and however long
// it is: on Windows the reads go through aligned blocks of 1 MiB, and the file's end lies inside one.
TEST_P(FileSystemContract, FromTheMediumEverySpanReadsBack) {
    Bytes bytes((2u << 20) + 4097);
    for (std::size_t k = 0; k < bytes.size(); ++k) bytes[k] = static_cast<std::uint8_t>(k ^ (k >> 9));
    {
        auto file = OpenOrFail(OpenMode::Create);
        ASSERT_TRUE(file);
        ASSERT_TRUE(file->Write(bytes).ok());
        ASSERT_TRUE(file->Sync().ok());
        ASSERT_TRUE(file->DropCachedPages().ok());
        ASSERT_TRUE(file->Close().ok());
    }
    auto file = OpenOrFail(OpenMode::ReadFromMedium);
    ASSERT_TRUE(file);
    const auto length = file->Length();
    ASSERT_TRUE(length.ok());
    EXPECT_EQ(*length, bytes.size());
    Bytes whole;
    for (std::size_t piece = 1;; piece = piece * 3 + 1) {  // pieces of growing, odd sizes
        Bytes buffer(piece);
        const auto got = file->Read(buffer);
        ASSERT_TRUE(got.ok());
        if (*got == 0) break;
        whole.insert(whole.end(), buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(*got));
    }
    EXPECT_TRUE(whole == bytes);
    const std::size_t starts[] = {(1u << 20) - 5, 4095, (2u << 20) + 4000, 7};
    for (std::size_t at : starts) {
        SCOPED_TRACE(at);
        ASSERT_TRUE(file->Seek(at).ok());
        Bytes span(200);
        const auto got = core::ReadFully(*file, span);
        ASSERT_TRUE(got.ok());
        const std::size_t expected = std::min<std::size_t>(span.size(), bytes.size() - at);
        ASSERT_EQ(*got, expected);
        EXPECT_TRUE(std::equal(span.begin(), span.begin() + static_cast<std::ptrdiff_t>(expected),
                               bytes.begin() + static_cast<std::ptrdiff_t>(at)));
    }
    ASSERT_TRUE(file->Seek(bytes.size() + 10).ok());
    Bytes past(4);
    EXPECT_EQ(*file->Read(past), 0u);
}

TEST_P(FileSystemContract, CreateEmptiesTheFile) {
    auto old = OpenOrFail(OpenMode::Create);
    ASSERT_TRUE(old);
    ASSERT_TRUE(old->Write(Hex("01 02")).ok());
    ASSERT_TRUE(old->Close().ok());
    auto file = OpenOrFail(OpenMode::Create);
    ASSERT_TRUE(file);
    const auto length = file->Length();
    ASSERT_TRUE(length.ok());
    EXPECT_EQ(*length, 0u);
}

TEST_P(FileSystemContract, RenameReplacesTheTarget) {
    const std::string other = folder / "SCH02.DAT";
    for (const auto& [name, bytes] : {std::pair{other, Hex("01 02 03")}, std::pair{path, Hex("0A 0B")}}) {
        auto file = fs.Open(name, OpenMode::Create);
        ASSERT_TRUE(file.ok());
        ASSERT_TRUE((*file)->Write(bytes).ok());
        ASSERT_TRUE((*file)->Close().ok());
    }
    ASSERT_TRUE(fs.Rename(path, other).ok());
    EXPECT_FALSE(core::CanOpenForReading(fs, path));
    auto moved = fs.Open(other, OpenMode::Read);
    ASSERT_TRUE(moved.ok());
    const auto length = (*moved)->Length();
    ASSERT_TRUE(length.ok());
    EXPECT_EQ(*length, 2u);
}

// Entries by name, in any order, and no more than the folder holds.
TEST_P(FileSystemContract, ListsTheFolderByName) {
    for (const std::string& name : {path, folder / "Song.MP3"}) {
        ASSERT_TRUE(fs.Open(name, OpenMode::Create).ok());
    }
    auto names = fs.ListFolder(folder.path());
    ASSERT_TRUE(names.ok());
    std::sort(names->begin(), names->end());
    EXPECT_EQ(*names, (std::vector<std::string>{"SCH01.DAT", "Song.MP3"}));
}

TEST_P(FileSystemContract, CreateNewTakesOnlyANewName) {
    auto made = OpenOrFail(OpenMode::CreateNew);
    ASSERT_TRUE(made);
    ASSERT_TRUE(made->Write(Hex("01 02")).ok());
    ASSERT_TRUE(made->Close().ok());
    const auto again = fs.Open(path, OpenMode::CreateNew);
    EXPECT_EQ(again.status(), Status::OpenFailed);
    auto file = OpenOrFail(OpenMode::Read);
    ASSERT_TRUE(file);
    const auto length = file->Length();
    ASSERT_TRUE(length.ok());
    EXPECT_EQ(*length, 2u);
}

// Renaming onto a name only while it is free; the folder lists what it holds.
TEST_P(FileSystemContract, RenameIfAbsentLeavesAnExistingTarget) {
    const std::string other = folder / "SCH02.DAT";
    for (const auto& [name, bytes] : {std::pair{other, Hex("01 02 03")}, std::pair{path, Hex("0A 0B")}}) {
        auto file = fs.Open(name, OpenMode::Create);
        ASSERT_TRUE(file.ok());
        ASSERT_TRUE((*file)->Write(bytes).ok());
    }
    const auto refused = fs.RenameIfAbsent(path, other);
    ASSERT_TRUE(refused.ok());
    EXPECT_FALSE(*refused);
    EXPECT_TRUE(core::CanOpenForReading(fs, path));

    const std::string fresh = folder / "SCH03.DAT";
    const auto moved = fs.RenameIfAbsent(path, fresh);
    ASSERT_TRUE(moved.ok());
    EXPECT_TRUE(*moved);
    EXPECT_FALSE(core::CanOpenForReading(fs, path));
    auto file = fs.Open(fresh, OpenMode::Read);
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(*(*file)->Length(), 2u);

    auto names = fs.ListFolder(folder.path());
    ASSERT_TRUE(names.ok());
    std::sort(names->begin(), names->end());
    EXPECT_EQ(*names, (std::vector<std::string>{"SCH02.DAT", "SCH03.DAT"}));
}

INSTANTIATE_TEST_SUITE_P(FileSystems, FileSystemContract, ::testing::Values(Backing::Disk, Backing::Memory),
                         [](const auto& info) {
                             return std::string(info.param == Backing::Disk ? "Disk" : "Memory");
                         });

using MachineFileSystem = StoreFixture;

TEST_F(MachineFileSystem, FolderIsNoFile) {
    std::filesystem::create_directory(path);
    for (OpenMode mode : {OpenMode::Read, OpenMode::ReadWrite, OpenMode::Create}) {
        SCOPED_TRACE(static_cast<int>(mode));
        const auto opened = fs.Open(path, mode);
        ASSERT_FALSE(opened.ok());
        EXPECT_EQ(opened.status(), Status::OpenFailed);
        ASSERT_TRUE(opened.error());
        EXPECT_EQ(opened.error()->path(), path);
    }
}

TEST_F(MachineFileSystem, ListingNamesFoldersAndNothingElse) {
    Lay(Hex("AA 55"));
    std::filesystem::create_directory(folder / "music");
    auto names = fs.ListFolder(folder.path());
    ASSERT_TRUE(names.ok());
    std::sort(names->begin(), names->end());
    EXPECT_EQ(*names, (std::vector<std::string>{"SCH01.DAT", "music"}));

    const auto empty = fs.ListFolder(folder / "music");
    ASSERT_TRUE(empty.ok());
    EXPECT_TRUE(empty->empty());
}

TEST_F(MachineFileSystem, ListingWhatIsNoFolderFails) {
    Lay(Hex("AA 55"));
    const std::string missing = folder / "GONE";
    ExpectFailure(fs.ListFolder(missing), Status::OpenFailed, FileErrorCause::FileNotFound, missing);
    ExpectFailure(fs.ListFolder(path), Status::OpenFailed, FileErrorCause::BadPath, path);
}

TEST(FaultyListing, FailsOnItsTurnAndForwardsOtherwise) {
    testsupport::TempFolder folder;
    FaultyFileSystem fs;
    fs.FailCall(0, FileErrorCause::HardIO, IoCall::ListFolder);
    ExpectFailure(fs.ListFolder(folder.path()), Status::OpenFailed, FileErrorCause::HardIO, folder.path());
    EXPECT_EQ(fs.FiredCall(), "ListFolder " + folder.path());
    const auto names = fs.ListFolder(folder.path());
    ASSERT_TRUE(names.ok());
    EXPECT_TRUE(names->empty());
    EXPECT_EQ(fs.Calls(IoCall::ListFolder), 2u);
}

TEST_F(MachineFileSystem, RenamingAMissingFileNamesTheTarget) {
    ExpectFailure(fs.Rename(folder / "GONE.DAT", path), Status::IoFailed, FileErrorCause::FileNotFound, path);
}

// Replacing a file: whatever call fails, the failure names the target, never the temporary
// file, and says whether anything was started.
struct ReplaceFailure {
    const char* name;
    IoCall call;
    std::size_t n;  // among the calls of that kind
    Status status;
};

class ReplacingAFile : public ::testing::TestWithParam<ReplaceFailure> {
protected:
    testsupport::TempFolder folder;
    const std::string target = folder / "SDATE01.DAT";
};

TEST_P(ReplacingAFile, FailureNamesTheTarget) {
    const auto& c = GetParam();
    testsupport::WriteFileBytes(target, Hex("01 01"));
    FaultyFileSystem fs;
    fs.FailCall(c.n, FileErrorCause::HardIO, c.call);
    auto held = core::HoldIfExists(fs, target);
    ASSERT_TRUE(held.ok());
    ExpectFailure(core::ReplaceFileContents(fs, target, Hex("0C 19"), std::move(*held)), c.status,
                  FileErrorCause::HardIO, target);
    EXPECT_TRUE(fs.FaultFired());
    EXPECT_EQ(testsupport::ReadFileBytes(target), Hex("01 01"));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"SDATE01.DAT"});
}

INSTANTIATE_TEST_SUITE_P(Calls, ReplacingAFile,
                         ::testing::Values(ReplaceFailure{"CreatingTheTemporaryFile", IoCall::Open, 1,
                                                          Status::OpenFailed},
                                           ReplaceFailure{"Writing", IoCall::Write, 0, Status::IoFailed},
                                           ReplaceFailure{"Flushing", IoCall::Sync, 0, Status::IoFailed},
                                           ReplaceFailure{"Closing", IoCall::Close, 0, Status::IoFailed},
                                           ReplaceFailure{"Renaming", IoCall::Rename, 0, Status::IoFailed}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HoldIfExists, HoldsAFileThatIsThereAndNothingElse) {
    testsupport::TempFolder folder;
    auto& fs = core::SystemFileSystem();
    const std::string path = folder / "SCH01.DAT";

    const auto none = core::HoldIfExists(fs, path);
    ASSERT_TRUE(none.ok());
    EXPECT_EQ(*none, nullptr);

    testsupport::WriteFileBytes(path, Hex("AA 55"));
    const auto held = core::HoldIfExists(fs, path);
    ASSERT_TRUE(held.ok());
    ASSERT_NE(*held, nullptr);
    ExpectFailure(core::HoldIfExists(fs, path), Status::OpenFailed, FileErrorCause::SharingViolation, path);
}

}  // namespace
