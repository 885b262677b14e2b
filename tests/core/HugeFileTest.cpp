// A program file far larger than any valid one (a sparse file of 64 GiB): every write refuses
// it and leaves it as it is, reads stay within one timer, and nothing ever holds the file in
// memory. Its own test program, so that the peak memory measured is its own.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "core/cardjson/ImportCard.h"
#include "core/dates/SpecialDateFile.h"
#include "core/history/Restore.h"
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

// Huge files whatever their first bytes: a program file of zeros and a date list, each of
// 64 GiB, are not this tool's files, and no writer of a card replaces them.
class HugeFileOfAnyContent : public StoreFixture {
protected:
    const std::string dates = folder / "SDATE01.DAT";
    testsupport::TempFolder historyRoot;
    history::WriteRecorder recorder{fs, historyRoot.path()};

    void SetUp() override {
        Lay(Bytes(64, 0));
        testsupport::WriteFileBytes(dates, Bytes{1, 1, 10, 1});
        testsupport::WriteFileBytes(folder / "SCH02.DAT", ProgramImage(2, {PowerAt(1).stored}));
        if (!testsupport::StretchFile(path, kHuge) || !testsupport::StretchFile(dates, kHuge)) {
            GTEST_SKIP() << "the file system makes no sparse file of 64 GiB";
        }
    }

    Result<> ImportOne(CardFileId id, const cardjson::FileImage& image) {
        cardjson::CardImage card;
        card.files[CardFileIndex(id)] = image;
        const auto report = cardjson::ImportCard(fs, folder.path(), card, false, &recorder);
        if (report.failure) return *report.failure;
        return {};
    }

    Result<> RestoreOne(CardFileId id) {
        auto history = recorder.HistoryOf(folder.path());
        auto source = fs.Open(folder / "SCH02.DAT", OpenMode::Read);
        if (!source.ok()) return source.failure();
        const auto kept = history.Keep(**source);
        if (!kept.ok()) return kept.failure();
        history::RestoreStep step{id, CardFileName(id.kind, id.program), *kept, false};
        return history::RestoreStepTo(recorder, history, folder.path(), step);
    }
};

TEST_F(HugeFileOfAnyContent, EveryWriterRefusesItNamingIt) {
    const CardFileId program{CardFileKind::GeneralSchedule, 0};
    const CardFileId dateList{CardFileKind::SpecialDates, 0};
    cardjson::FileImage programImage{program, CardFileState::Read, {}, {}, {}, {}};
    cardjson::FileImage datesImage{dateList, CardFileState::Read, {}, {}, {}, {{3, 8}}};
    const auto asResult = [](auto result) -> Result<> {
        if (!result.ok()) return result.failure();
        return {};
    };
    const struct {
        const char* name;
        std::string target;
        std::function<Result<>()> run;
    } writers[] = {
        {"PageSave", path, [&] { return asResult(WriteTimer(fs, path, 0, 0, 0, kOther)); }},
        {"CreateProgram", path, [&] { return asResult(CreateScheduleFile(fs, path, 0, kOther)); }},
        {"CopyOntoIt", path, [&] { return asResult(CopyScheduleFile(fs, folder / "SCH02.DAT", path)); }},
        {"DateSave", dates, [&] { return WriteDateFile(fs, dates, std::vector<SpecialDate>{{5, 1}}); }},
        {"ImportProgram", path, [&] { return ImportOne(program, programImage); }},
        {"ImportDates", dates, [&] { return ImportOne(dateList, datesImage); }},
        {"Restore", path, [&] { return RestoreOne(program); }},
        {"RestoreDates", dates, [&] { return RestoreOne(dateList); }},
    };
    for (const auto& writer : writers) {
        SCOPED_TRACE(writer.name);
        const Result<> outcome = writer.run();
        ASSERT_FALSE(outcome.ok());
        EXPECT_STREQ(storecases::StatusName(outcome.status()), storecases::StatusName(Status::FileTooLarge));
        EXPECT_EQ(outcome.error(), FileError(FileErrorCause::TooLarge, writer.target));
        std::error_code error;
        EXPECT_EQ(std::filesystem::file_size(path, error), kHuge);
        EXPECT_EQ(std::filesystem::file_size(dates, error), kHuge);
        EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"SCH01.DAT", "SCH02.DAT", "SDATE01.DAT"}));
    }
}

// A date list one record longer than the longest valid one is refused as well; the longest is
// rewritten.
TEST(DateFileSize, OnlyTheLongestValidListIsRewritten) {
    testsupport::TempFolder folder;
    const std::string dates = folder / "SDATE01.DAT";
    const std::vector<SpecialDate> one{{5, 1}};
    testsupport::WriteFileBytes(dates, Bytes(kMaxDateFileSize + 2, 1));
    EXPECT_EQ(WriteDateFile(SystemFileSystem(), dates, one).status(), Status::FileTooLarge);
    EXPECT_EQ(testsupport::ReadFileBytes(dates)->size(), kMaxDateFileSize + 2);
    testsupport::WriteFileBytes(dates, Bytes(kMaxDateFileSize, 1));
    EXPECT_TRUE(WriteDateFile(SystemFileSystem(), dates, one).ok());
    EXPECT_EQ(testsupport::ReadFileBytes(dates), (Bytes{5, 1}));
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
