// Writers that meet on one file: each keeps its hold on the old file until its new one is in
// place, each has a temporary file of its own, and what a crashed writer left is cleared away by
// the next one. Two threads stand in for two processes: the exclusive hold of the file layer is
// per open file, not per process.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <thread>

#include "core/dates/SpecialDateFile.h"
#include "core/fs/AtomicReplace.h"
#include "core/schedule/ScheduleFile.h"
#include "tests/core/Samples.h"
#include "tests/core/StoreCases.h"
#include "tests/core/StoreFixture.h"
#include "tests/support/ProgramFileCheck.h"

namespace {

using namespace core;
using namespace samples;
using testbytes::Bytes;

// Runs `operation` until it is not refused for a busy file. Bounded, so a hold that is never
// let go fails the test instead of hanging it.
template <class Operation>
auto UntilNotBusy(Operation operation) {
    for (int attempt = 0;; ++attempt) {
        auto result = operation();
        const bool busy =
            !result.ok() && result.error() && result.error()->cause() == FileErrorCause::SharingViolation;
        if (!busy || attempt == 1000000) return result;
        std::this_thread::yield();
    }
}

// Whatever writers do at the same time, every save reported done is in the file.
TEST_F(StoreFixture, TwoWritersLoseNoSave) {
    constexpr int kRounds = 40;
    Lay(ProgramImage(0, {PowerAt(0).stored}));
    std::thread appender([&] {
        for (int n = 0; n < kRounds; ++n) {
            const auto saved = UntilNotBusy([&] { return AppendTimer(fs, path, NoonRadio().timer); });
            EXPECT_TRUE(saved.ok()) << storecases::From(saved);
        }
    });
    for (int n = 0; n < kRounds; ++n) {
        const auto saved = UntilNotBusy(
            [&] { return ReplaceTimer(fs, path, 0, PowerAt(static_cast<std::uint8_t>(n % 24)).timer); });
        EXPECT_TRUE(saved.ok()) << storecases::From(saved);
    }
    appender.join();

    const Bytes file = Stored();
    EXPECT_EQ(testsupport::ProgramIndexMismatch(file), "");
    std::vector<Bytes> expected(kRounds, NoonRadio().stored);
    expected.insert(expected.begin(), PowerAt((kRounds - 1) % 24).stored);
    EXPECT_EQ(file, ProgramImage(0, expected));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"SCH01.DAT"});
}

// Two first saves into a program that has no file yet: the second finds the first one's file and
// saves into it.
TEST_F(StoreFixture, TwoFirstSavesMakeOneFileWithBoth) {
    for (int round = 0; round < 25; ++round) {
        std::filesystem::remove(path);
        std::thread other([&] {
            EXPECT_TRUE(UntilNotBusy([&] { return WriteTimer(fs, path, 0, 0, 1, NoonRadio().timer); }).ok());
        });
        EXPECT_TRUE(UntilNotBusy([&] { return WriteTimer(fs, path, 0, 0, 1, PowerAt(5).timer); }).ok());
        other.join();
        const Bytes file = Stored();
        const bool radioFirst = file.size() > 4108 && file[4108] == 12;  // its start hour
        EXPECT_EQ(file, ProgramImage(1, radioFirst ? std::vector{NoonRadio().stored, PowerAt(5).stored}
                                                   : std::vector{PowerAt(5).stored, NoonRadio().stored}));
        EXPECT_EQ(folder.Entries(), std::vector<std::string>{"SCH01.DAT"});
        if (HasFailure()) return;
    }
}

// A file system that checks, at each rename, that the file being replaced is still held.
class RenameWatcher final : public FileSystem {
public:
    Result<std::unique_ptr<File>> Open(const std::string& path, OpenMode mode) override {
        return m_inner.Open(path, mode);
    }
    Result<> Rename(const std::string& from, const std::string& to) override {
        Watch(to);
        return m_inner.Rename(from, to);
    }
    Result<> RenameOverHeld(const std::string& from, const std::string& to, File& held) override {
        Watch(to);
        return m_inner.RenameOverHeld(from, to, held);
    }
    Result<bool> RenameIfAbsent(const std::string& from, const std::string& to) override {
        return m_inner.RenameIfAbsent(from, to);
    }
    Result<std::vector<std::string>> ListFolder(const std::string& folder) override {
        return m_inner.ListFolder(folder);
    }
    void Remove(const std::string& path) noexcept override { m_inner.Remove(path); }

    std::optional<bool> heldAtRename;

private:
    void Watch(const std::string& target) {
        const auto other = m_inner.Open(target, OpenMode::Read);
        heldAtRename = !other.ok() && other.error()->cause() == FileErrorCause::SharingViolation;
    }

    FileSystem& m_inner = SystemFileSystem();
};

TEST(AtomicReplace, OldFileStaysHeldUntilTheNewOneIsInPlace) {
    for (const auto& c : storecases::WritingOperations()) {
        if (!c.before.count(c.target) || c.name.rfind("Append", 0) == 0) continue;
        SCOPED_TRACE(c.name);
        testsupport::TempFolder folder;
        storecases::Lay(folder, c.before);
        RenameWatcher fs;
        EXPECT_TRUE(c.run(fs, folder).ok);
        EXPECT_EQ(fs.heldAtRename, true);
    }
}

TEST(AtomicReplace, TemporaryNamesAreOursAndUnique) {
    const std::string target = "/card/SCH01.DAT";
    const std::string first = NewTemporaryPathFor(target);
    EXPECT_NE(first, NewTemporaryPathFor(target));
    EXPECT_TRUE(IsTemporaryPathFor(target, first));
    const struct {
        const char* path;
        bool ours;
    } table[] = {
        {"/card/SCH01.DAT.12-3.tavrel-tmp", true},
        {"/card/SCH01.DAT.tmp", false},
        {"/card/SCH01.DAT", false},
        {"/card/SCH01.DAT..tavrel-tmp", false},
        {"/card/SCH01.DAT.12.tavrel-tmp", false},
        {"/card/SCH01.DAT.1a-3.tavrel-tmp", false},
        {"/card/SCH01.DAT.12-.tavrel-tmp", false},
        {"/card/SCH02.DAT.12-3.tavrel-tmp", false},
        {"/card/SCH01.DATA.12-3.tavrel-tmp", false},
        {"/card/SCH01.DAT.12-3.tavrel-tmp.bak", false},
    };
    for (const auto& c : table) EXPECT_EQ(IsTemporaryPathFor(target, c.path), c.ours) << c.path;
}

// A temporary file of ours for the target, left by a writer that crashed, goes with the next
// write of that target, also the one that creates it; anything else in the folder, and a
// temporary file a writer at work holds, stays.
TEST(AtomicReplace, NextWriteClearsLeftoversOfItsTarget) {
    for (const auto& c : storecases::WritingOperations()) {
        SCOPED_TRACE(c.name);
        testsupport::TempFolder folder;
        storecases::Lay(folder, c.before);
        const std::string crashed = c.target + ".99999999-1.tavrel-tmp";
        const std::string atWork = c.target + ".99999999-2.tavrel-tmp";
        const std::vector<std::string> others = {c.target + ".tmp", "OTHER.DAT.99999999-1.tavrel-tmp",
                                                 c.target + ".x-1.tavrel-tmp"};
        for (const auto& name : others) testsupport::WriteFileBytes(folder / name, {1});
        testsupport::WriteFileBytes(folder / crashed, {1, 2});
        testsupport::WriteFileBytes(folder / atWork, {3});
        const auto writer = SystemFileSystem().Open(folder / atWork, OpenMode::ReadWrite);
        ASSERT_TRUE(writer.ok());

        EXPECT_TRUE(c.run(SystemFileSystem(), folder).ok);
        const auto entries = folder.Entries();
        EXPECT_EQ(std::count(entries.begin(), entries.end(), crashed), 0);
        EXPECT_EQ(std::count(entries.begin(), entries.end(), atWork), 1);
        for (const auto& name : others)
            EXPECT_EQ(std::count(entries.begin(), entries.end(), name), 1) << name;
    }
}

}  // namespace
