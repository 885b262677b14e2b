// A program file far larger than any valid one (a sparse file of 64 GiB): every write refuses
// it and leaves it as it is, reads stay within one timer, and nothing ever holds the file in
// memory. Its own test program, so that the peak memory measured is its own.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "core/dates/SpecialDateFile.h"
#include "core/schedule/ScheduleFile.h"
#include "tests/core/Samples.h"
#include "tests/core/StoreCases.h"
#include "tests/core/StoreFixture.h"
#include "tests/support/PeakMemory.h"

namespace {

using namespace core;
using namespace samples;
using testbytes::Bytes;

constexpr std::uint64_t kHuge = 64ull << 30;

const Bytes kProgram = ProgramImage(4, {WeekdayMusic().stored, NoonRadio().stored});

struct HugeCase {
    const char* name;
    std::function<Result<Stored>(FileSystem&, const testsupport::TempFolder&)> run;
};

const auto kOther = PowerAt(3).timer;

const HugeCase kRefused[] = {
    {"Replace", [](FileSystem& fs, const auto& f) { return ReplaceTimer(fs, f / "SCH01.DAT", 0, kOther); }},
    {"ReplacePastTheCount",
     [](FileSystem& fs, const auto& f) { return ReplaceTimer(fs, f / "SCH01.DAT", 9, kOther); }},
    {"Delete", [](FileSystem& fs, const auto& f) { return DeleteTimer(fs, f / "SCH01.DAT", 1); }},
    {"Append", [](FileSystem& fs, const auto& f) { return AppendTimer(fs, f / "SCH01.DAT", kOther); }},
    {"SaveReplacing",
     [](FileSystem& fs, const auto& f) { return WriteTimer(fs, f / "SCH01.DAT", 0, 2, 4, kOther); }},
    {"SaveAppending",
     [](FileSystem& fs, const auto& f) { return WriteTimer(fs, f / "SCH01.DAT", 2, 2, 4, kOther); }},
    {"CopyFromIt",
     [](FileSystem& fs, const auto& f) { return CopyScheduleFile(fs, f / "SCH01.DAT", f / "SCH02.DAT"); }},
};

class HugeFile : public StoreFixture {
protected:
    void SetUp() override {
        Lay(kProgram);
        testsupport::WriteFileBytes(folder / "SCH02.DAT", ProgramImage(2, {PowerAt(1).stored}));
        if (!testsupport::StretchFile(path, kHuge)) GTEST_SKIP() << "the file system makes no sparse file of 64 GiB";
    }

    // The peak memory of the program so far (under ctest, of this test alone). Sanitizer
    // builds keep their own large shadow memory, which makes the figure meaningless there.
    void TearDown() override {
#if !defined(__SANITIZE_ADDRESS__)
        if (!IsSkipped()) {
            EXPECT_LT(testsupport::PeakMemoryBytes(), 64ull << 20);
        }
#endif
    }

    // The file still has its length and its first bytes, and the folder nothing new.
    void ExpectUntouched() {
        std::error_code error;
        EXPECT_EQ(std::filesystem::file_size(path, error), kHuge);
        Bytes start(kProgram.size());
        auto file = fs.Open(path, OpenMode::Read);
        ASSERT_TRUE(file.ok());
        ASSERT_TRUE(ReadFully(**file, start).ok());
        EXPECT_EQ(start, kProgram);
        EXPECT_EQ(testsupport::ReadFileBytes(folder / "SCH02.DAT"), ProgramImage(2, {PowerAt(1).stored}));
        EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"SCH01.DAT", "SCH02.DAT"}));
    }
};

TEST_F(HugeFile, EveryWriteRefusesItAndLeavesIt) {
    for (const auto& c : kRefused) {
        SCOPED_TRACE(c.name);
        const auto outcome = storecases::From(c.run(fs, folder));
        EXPECT_FALSE(outcome.ok) << outcome;
        EXPECT_STREQ(storecases::StatusName(outcome.status), storecases::StatusName(Status::FileTooLarge));
        ExpectUntouched();
    }
}

TEST_F(HugeFile, ReadsStayWithinATimer) {
    const auto read = ReadTimer(fs, path, 0, TimerRecord{});
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read->record, WeekdayMusic().timer.record);
    EXPECT_EQ(read->fingerprint, FingerprintOf(WeekdayMusic().stored));

    const auto dates = ReadDateFile(fs, path);
    ASSERT_TRUE(dates.ok());
    EXPECT_EQ(dates->size(), kMaxSpecialDates);
    ExpectUntouched();
}

// A file at the very limit is still a program file: it is rewritten from its timers, copied
// range by range, never read whole.
TEST_F(HugeFile, FileAtTheLimitIsRewritten) {
    ASSERT_TRUE(testsupport::StretchFile(path, kMaxScheduleFileSize));
    const auto replaced = ReplaceTimer(fs, path, 1, kOther);
    ASSERT_TRUE(replaced.ok()) << storecases::From(replaced);
    EXPECT_EQ(Stored(), ProgramImage(4, {WeekdayMusic().stored, PowerAt(3).stored}));
}

}  // namespace
