#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "core/schedule/ScheduleFile.h"
#include "tests/core/Samples.h"
#include "tests/core/StoreCases.h"
#include "tests/core/StoreFixture.h"
#include "tests/support/Bytes.h"

namespace {

using namespace testbytes;
using namespace samples;
using namespace core;

using ScheduleFile = StoreFixture;

std::vector<Bytes> PowerTimers(int n) {
    std::vector<Bytes> timers;
    for (int i = 0; i < n; ++i) timers.push_back(PowerAt(static_cast<std::uint8_t>(i)).stored);
    return timers;
}

// A first music timer with two files, then a radio timer appended, then timer 0 replaced by
// one with three files: the file after each save, byte for byte.
TEST_F(ScheduleFile, GrowsAndRewritesAsSaved) {
    const auto music2 = WeekdayMusic();
    const auto radio = NoonRadio();
    const auto music3 = WeekdayMusic({u"1.mp3", u"2.mp3", u"3.mp3"});
    const struct {
        std::uint16_t index;
        std::uint32_t pageCount;
        const Sample& saved;
        std::vector<Bytes> timers;
        std::size_t size;
        std::vector<std::pair<std::size_t, std::uint32_t>> fields;  // 32-bit fields: at, value
    } steps[] = {
        {0, 0, music2, {music2.stored}, 5384, {{8, 4104}, {12, 1280}}},
        {1, 1, radio, {music2.stored, radio.stored}, 5416, {{16, 5384}, {20, 32}}},
        {0, 2, music3, {music3.stored, radio.stored}, 6040, {{12, 1904}, {16, 6008}}},
    };
    for (const auto& step : steps) {
        const auto result = WriteTimer(fs, path, step.index, step.pageCount, 2, step.saved.timer);
        ASSERT_TRUE(result.ok()) << static_cast<int>(result.status());
        EXPECT_EQ(result->count, step.timers.size());
        const Bytes file = Stored();
        ASSERT_EQ(file.size(), step.size);
        EXPECT_EQ(Bytes(file.begin(), file.begin() + 8),
                  Concat({Hex("AA 55 02 00"), {std::uint8_t(step.timers.size()), 0, 0, 0}}));
        for (const auto& [at, value] : step.fields) EXPECT_EQ(Get32(file, at), value) << "at " << at;
        EXPECT_EQ(file, ProgramImage(2, step.timers));
    }
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"SCH01.DAT"});  // no temporary file left
}

struct DeleteCase {
    const char* name;
    std::vector<Bytes> before;
    std::uint16_t k;
    std::vector<Bytes> after;
};

class DeleteTimers : public StoreFixture, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteTimers, LeavesTheOthersBackToBack) {
    const auto& c = GetParam();
    Lay(ProgramImage(3, c.before));
    const auto result = DeleteTimer(fs, path, c.k);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->count, c.after.size());
    EXPECT_EQ(Stored(), ProgramImage(3, c.after));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"SCH01.DAT"});
}

const auto kMusic = WeekdayMusic().stored;
const auto kRadio = NoonRadio().stored;
const auto kPower = PowerAt(4).stored;

INSTANTIATE_TEST_SUITE_P(
    Table, DeleteTimers,
    ::testing::Values(DeleteCase{"FirstOfTwo", {kMusic, kRadio}, 0, {kRadio}},
                      DeleteCase{"LastOfTwo", {kMusic, kRadio}, 1, {kMusic}},
                      DeleteCase{"MiddleOfThree", {kRadio, kMusic, kPower}, 1, {kRadio, kPower}},
                      DeleteCase{"OnlyTimer", {kMusic}, 0, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScheduleFile, DeletingPastTheLastTimerWritesNothing) {
    const Bytes before = ProgramImage(3, {kMusic, kRadio});
    Lay(before);
    EXPECT_TRUE(DeleteTimer(fs, path, 2).ok());
    EXPECT_EQ(Stored(), before);
}

// The program left with no timers keeps a file of just its header, with entry 0 pointing at
// the end of the header.
TEST_F(ScheduleFile, DeletingTheOnlyTimerKeepsAnEmptyProgram) {
    Lay(ProgramImage(3, {kMusic}));
    ASSERT_TRUE(DeleteTimer(fs, path, 0).ok());
    const Bytes file = Stored();
    ASSERT_EQ(file.size(), 4104u);
    EXPECT_EQ(Get16(file, 4), 0);
    EXPECT_EQ(Get32(file, 8), 4104u);
    EXPECT_EQ(Get32(file, 12), 0u);
    EXPECT_TRUE(std::all_of(file.begin() + 16, file.end(), [](auto b) { return b == 0; }));
}

// A rewrite starts from the file's own header: the program index and the reserved field that
// were there stay.
TEST_F(ScheduleFile, RewritesKeepProgramAndReserved) {
    Bytes file = ProgramImage(3, {kMusic, kRadio});
    Put16(file, 6, 0x1234);
    Lay(file);
    ASSERT_TRUE(ReplaceTimer(fs, path, 1, PowerAt(1).timer).ok());
    ASSERT_TRUE(DeleteTimer(fs, path, 0).ok());
    EXPECT_EQ(Get16(Stored(), 2), 3);
    EXPECT_EQ(Get16(Stored(), 6), 0x1234);
}

struct SaveCase {
    const char* name;
    std::uint16_t index;
    std::uint32_t pageCount;
    int replaced;  // index of the timer replaced in the five stored ones, or -1 for an append
};

class SaveIntoFiveTimers : public StoreFixture, public ::testing::WithParamInterface<SaveCase> {};

// The page's count chooses between replacing and appending, but the store never trusts it over
// the file: a new timer always lands at the file's own count.
TEST_P(SaveIntoFiveTimers, ReplacesOrAppendsAtTheFilesCount) {
    const auto& c = GetParam();
    auto timers = PowerTimers(5);
    Lay(ProgramImage(0, timers));
    const auto saved = PowerAt(20);

    const auto result = WriteTimer(fs, path, c.index, c.pageCount, 0, saved.timer);
    ASSERT_TRUE(result.ok());
    if (c.replaced >= 0) {
        timers[static_cast<std::size_t>(c.replaced)] = saved.stored;
    } else {
        timers.push_back(saved.stored);
    }
    EXPECT_EQ(result->count, timers.size());
    EXPECT_EQ(Stored(), ProgramImage(0, timers));
}

INSTANTIATE_TEST_SUITE_P(Table, SaveIntoFiveTimers,
                         ::testing::Values(SaveCase{"StoredTimerIsReplaced", 2, 5, 2},
                                           SaveCase{"LastStoredTimerIsReplaced", 4, 5, 4},
                                           SaveCase{"NewTimerIsAppended", 5, 5, -1},
                                           SaveCase{"PageBelievesMoreTimers", 7, 8, -1},
                                           SaveCase{"PageBelievesNoTimers", 0, 0, -1},
                                           SaveCase{"PageBelievesFewerTimers", 3, 3, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

// Anything under the program's name that is not a program file is replaced by a file holding
// only the saved timer, as timer 0.
TEST_F(ScheduleFile, ForeignFileIsReplacedByOneTimer) {
    const Bytes foreign[] = {{}, Hex("AA"), Hex("AB 55 01 00"), Hex("55 AA 01 00 00 00"), Bytes(5000, 0x20)};
    for (const auto& before : foreign) {
        Lay(before);
        const auto result = WriteTimer(fs, path, 3, 7, 1, NoonRadio().timer);
        ASSERT_TRUE(result.ok());
        EXPECT_EQ(result->count, 1);
        EXPECT_EQ(Stored(), ProgramImage(1, {kRadio})) << before.size() << " bytes before";
    }
}

TEST_F(ScheduleFile, MissingFileIsCreated) {
    const auto result = WriteTimer(fs, path, 4, 4, 1, NoonRadio().timer);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->count, 1);
    EXPECT_EQ(Stored(), ProgramImage(1, {kRadio}));
}

// A program emptied by deleting gets the next timer appended as timer 0; its program index,
// written when the file was created, stays.
TEST_F(ScheduleFile, EmptiedProgramGetsTimerZero) {
    Lay(ProgramImage(1, {}));
    const auto result = WriteTimer(fs, path, 0, 0, 3, NoonRadio().timer);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->count, 1);
    EXPECT_EQ(Stored(), ProgramImage(1, {kRadio}));
}

TEST_F(ScheduleFile, ReadsEachModeBackAsSaved) {
    const Sample timers[] = {
        WeekdayMusic({u"早安.mp3", std::u16string(260, u'x'), u"c.wma"}),
        WeekdayMusic({u"01.mp3"}, MusicSource::External),
        NoonRadio(),
        PowerAt(23),
    };
    std::vector<Bytes> stored;
    for (std::uint16_t i = 0; i < std::size(timers); ++i) {
        ASSERT_TRUE(WriteTimer(fs, path, i, i, 0, timers[i].timer).ok());
        stored.push_back(timers[i].stored);
    }
    EXPECT_EQ(Stored(), ProgramImage(0, stored));

    for (std::uint16_t i = 0; i < std::size(timers); ++i) {
        const auto read = ReadTimer(fs, path, i, TimerRecord{});
        ASSERT_TRUE(read.ok());
        EXPECT_EQ(read->count, std::size(timers));
        EXPECT_EQ(read->record, timers[i].timer.record);
        ASSERT_EQ(read->music.size(), timers[i].timer.musicNames.size());
        for (std::size_t m = 0; m < read->music.size(); ++m) {
            EXPECT_EQ(read->music[m].name, timers[i].timer.musicNames[m]);
            EXPECT_EQ(read->music[m].source, timers[i].timer.source);
        }
    }
}

// Folder and program selection read timer 0 of an emptied program: entry 0 points at the end
// of the file, so nothing of the record is read.
TEST_F(ScheduleFile, ReadingTimerZeroOfEmptiedProgramLeavesTheRecord) {
    Lay(ProgramImage(0, {}));
    const auto read = ReadTimer(fs, path, 0, NoonRadio().timer.record);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read->count, 0);
    EXPECT_EQ(read->record, NoonRadio().timer.record);
    EXPECT_TRUE(read->music.empty());
}

TEST_F(ScheduleFile, ReadingMissingFileReportsNotFound) {
    const auto read = ReadTimer(fs, path, 0, NoonRadio().timer.record);
    EXPECT_EQ(read.status(), Status::OpenFailed);
    ASSERT_TRUE(read.error());
    EXPECT_EQ(read.error()->cause(), core::FileErrorCause::FileNotFound);
    EXPECT_EQ(read.error()->path(), path);
}

// Timers that do not fit their fields are refused before anything is written.
TEST_F(ScheduleFile, TimersThatDoNotFitAreRefused) {
    auto tooLongName = WeekdayMusic({u"a.mp3", std::u16string(261, u'x')}).timer;
    auto tooManyNames = WeekdayMusic({}).timer;
    tooManyNames.musicNames.assign(65536, u"a.mp3");
    tooManyNames.record.musicCount = 65535;
    auto namesMissing = WeekdayMusic().timer;
    namesMissing.record.musicCount = 3;
    const std::pair<TimerData, Status> refused[] = {
        {tooLongName, Status::MusicNameTooLong},
        {tooManyNames, Status::TooManyMusicFiles},
        {namesMissing, Status::TooManyMusicFiles},
    };
    const Bytes before = ProgramImage(0, {kRadio});
    for (const auto& [timer, status] : refused) {
        std::filesystem::remove(path);
        EXPECT_EQ(WriteTimer(fs, path, 0, 0, 0, timer).status(), status);
        EXPECT_EQ(CreateScheduleFile(fs, path, 0, timer).status(), status);
        EXPECT_TRUE(folder.Entries().empty());

        Lay(before);
        EXPECT_EQ(WriteTimer(fs, path, 0, 1, 0, timer).status(), status);
        EXPECT_EQ(WriteTimer(fs, path, 1, 1, 0, timer).status(), status);
        EXPECT_EQ(AppendTimer(fs, path, timer).status(), status);
        EXPECT_EQ(ReplaceTimer(fs, path, 0, timer).status(), status);
        EXPECT_EQ(Stored(), before);
    }
}

// Names past the record's musicCount are not stored, whatever their length.
TEST_F(ScheduleFile, OnlyTheFirstMusicCountNamesAreStored) {
    auto timer = WeekdayMusic({u"a.mp3", u"b.mp3"});
    timer.timer.musicNames.push_back(std::u16string(300, u'x'));
    ASSERT_TRUE(CreateScheduleFile(fs, path, 0, timer.timer).ok());
    EXPECT_EQ(Stored(), ProgramImage(0, {timer.stored}));
}

TEST_F(ScheduleFile, FullProgramTakesNoNewTimer) {
    const Bytes full = ProgramImage(0, PowerTimers(512));
    Lay(full);
    EXPECT_EQ(AppendTimer(fs, path, NoonRadio().timer).status(), Status::ProgramFull);
    EXPECT_EQ(WriteTimer(fs, path, 512, 512, 0, NoonRadio().timer).status(), Status::ProgramFull);
    EXPECT_EQ(ReplaceTimer(fs, path, 600, NoonRadio().timer).status(), Status::ProgramFull);
    EXPECT_EQ(Stored(), full);

    // A stored timer of a full program can still be changed.
    ASSERT_TRUE(WriteTimer(fs, path, 511, 512, 0, NoonRadio().timer).ok());
    auto timers = PowerTimers(512);
    timers[511] = kRadio;
    EXPECT_EQ(Stored(), ProgramImage(0, timers));
}

// A program copy takes the whole file byte for byte, whatever it holds.
TEST_F(ScheduleFile, CopyTakesTheWholeFile) {
    const std::string target = folder / "SCH02.DAT";
    const Bytes sources[] = {ProgramImage(3, {kMusic, kRadio}), Hex("01 02 03"), {}};
    for (const auto& source : sources) {
        Lay(source);
        testsupport::WriteFileBytes(target, ProgramImage(1, {kPower}));
        EXPECT_TRUE(CopyScheduleFile(fs, path, target).ok());
        EXPECT_EQ(testsupport::ReadFileBytes(target), source);
    }
    const auto foreign = CopyScheduleFile(fs, path, target);
    ASSERT_TRUE(foreign.ok());
    EXPECT_EQ(foreign->count, std::nullopt);  // not a program file
    Lay(ProgramImage(3, {kMusic, kRadio}));
    const auto program = CopyScheduleFile(fs, path, target);
    ASSERT_TRUE(program.ok());
    EXPECT_EQ(program->count, 2);
}

TEST_F(ScheduleFile, CopyOfMissingFileLeavesTheTarget) {
    const std::string target = folder / "SCH02.DAT";
    testsupport::WriteFileBytes(target, ProgramImage(1, {kPower}));
    const auto result = CopyScheduleFile(fs, folder / "SCH04.DAT", target);
    EXPECT_EQ(result.status(), Status::OpenFailed);
    ASSERT_TRUE(result.error());
    EXPECT_EQ(result.error()->cause(), core::FileErrorCause::FileNotFound);
    EXPECT_EQ(testsupport::ReadFileBytes(target), ProgramImage(1, {kPower}));
}

}  // namespace

namespace {

// Two windows on one program: the page read timer `index` with its fingerprint, then another
// writer did `meanwhile`; the page's replace or delete goes through only if the file still
// holds that timer at that index.
enum class PageAction { Replace, Delete, Write };

struct StaleCase {
    const char* name;
    std::function<void(core::FileSystem&, const std::string&)> meanwhile;
    PageAction action;
    std::uint16_t index;
    Status status;
    std::vector<Bytes> after;
};

class StalePage : public StoreFixture, public ::testing::WithParamInterface<StaleCase> {};

const auto kNewTimer = PowerAt(20);

auto Replacing(std::uint16_t index, const Sample& sample) {
    return [index, sample](core::FileSystem& fs, const std::string& path) {
        ASSERT_TRUE(ReplaceTimer(fs, path, index, sample.timer).ok());
    };
}
auto Deleting(std::vector<std::uint16_t> indices) {
    return [indices](core::FileSystem& fs, const std::string& path) {
        for (auto index : indices) ASSERT_TRUE(DeleteTimer(fs, path, index).ok());
    };
}
const auto kNothing = [](core::FileSystem&, const std::string&) {};

TEST_P(StalePage, WritesOnlyOverTheTimerItShowed) {
    const auto& c = GetParam();
    Lay(ProgramImage(3, {kMusic, kRadio, kPower}));
    const auto read = ReadTimer(fs, path, c.index, TimerRecord{});
    ASSERT_TRUE(read.ok());
    ASSERT_TRUE(read->fingerprint);
    c.meanwhile(fs, path);
    const Bytes before = Stored();

    Result<core::Stored> result = Refusal(Status::IoFailed);
    switch (c.action) {
    case PageAction::Replace:
        result = ReplaceTimer(fs, path, c.index, kNewTimer.timer, read->fingerprint);
        break;
    case PageAction::Delete: result = DeleteTimer(fs, path, c.index, read->fingerprint); break;
    case PageAction::Write:
        result = WriteTimer(fs, path, c.index, 3, 3, kNewTimer.timer, read->fingerprint);
        break;
    }
    EXPECT_STREQ(storecases::StatusName(result.status()), storecases::StatusName(c.status));
    EXPECT_FALSE(result.error());
    if (c.status != Status::Done) {
        EXPECT_EQ(Stored(), before);
    } else {
        EXPECT_EQ(result->count, c.after.size());
    }
    EXPECT_EQ(Stored(), ProgramImage(3, c.after));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"SCH01.DAT"});
}

const auto kNew = kNewTimer.stored;

INSTANTIATE_TEST_SUITE_P(
    Table, StalePage,
    ::testing::Values(
        StaleCase{"ReplaceUnchanged", kNothing, PageAction::Replace, 1, Status::Done, {kMusic, kNew, kPower}},
        StaleCase{"ReplaceAfterItWasReplaced",
                  Replacing(1, PowerAt(9)),
                  PageAction::Replace,
                  1,
                  Status::TimerChanged,
                  {kMusic, PowerAt(9).stored, kPower}},
        StaleCase{"ReplaceAfterItWasRewrittenTheSame",
                  Replacing(1, NoonRadio()),
                  PageAction::Replace,
                  1,
                  Status::Done,
                  {kMusic, kNew, kPower}},
        StaleCase{"ReplaceAfterAnEarlierOneWasDeleted",
                  Deleting({0}),
                  PageAction::Replace,
                  1,
                  Status::TimerChanged,
                  {kRadio, kPower}},
        StaleCase{"ReplacePastTheCountAppends",
                  Deleting({2, 1}),
                  PageAction::Replace,
                  1,
                  Status::Done,
                  {kMusic, kNew}},
        StaleCase{"DeleteUnchanged", kNothing, PageAction::Delete, 1, Status::Done, {kMusic, kPower}},
        StaleCase{"DeleteAfterItWasReplaced",
                  Replacing(1, PowerAt(9)),
                  PageAction::Delete,
                  1,
                  Status::TimerChanged,
                  {kMusic, PowerAt(9).stored, kPower}},
        StaleCase{"DeleteAfterAnEarlierOneWasDeleted",
                  Deleting({0}),
                  PageAction::Delete,
                  1,
                  Status::TimerChanged,
                  {kRadio, kPower}},
        StaleCase{"DeletePastTheCountWritesNothing",
                  Deleting({2}),
                  PageAction::Delete,
                  2,
                  Status::Done,
                  {kMusic, kRadio}},
        StaleCase{"SaveUnchanged", kNothing, PageAction::Write, 0, Status::Done, {kNew, kRadio, kPower}},
        StaleCase{"SaveAfterItWasReplaced",
                  Replacing(0, PowerAt(9)),
                  PageAction::Write,
                  0,
                  Status::TimerChanged,
                  {PowerAt(9).stored, kRadio, kPower}}),
    [](const auto& info) { return std::string(info.param.name); });

// A timer read whole comes with the fingerprint of its stored bytes; a slot past the count or a
// timer cut short by the end of the file has none.
TEST_F(ScheduleFile, ReadGivesTheFingerprintOfTheStoredTimer) {
    const Bytes file = ProgramImage(3, {kMusic, kRadio});
    const struct {
        Bytes file;
        std::uint16_t index;
        std::optional<TimerFingerprint> fingerprint;
    } table[] = {
        {file, 0, FingerprintOf(kMusic)},
        {file, 1, FingerprintOf(kRadio)},
        {file, 2, std::nullopt},
        {Bytes(file.begin(), file.end() - 1), 1, std::nullopt},
        {ProgramImage(3, {}), 0, std::nullopt},
    };
    for (const auto& c : table) {
        SCOPED_TRACE(std::to_string(c.file.size()) + " bytes, timer " + std::to_string(c.index));
        Lay(c.file);
        const auto read = ReadTimer(fs, path, c.index, TimerRecord{});
        ASSERT_TRUE(read.ok());
        EXPECT_EQ(read->fingerprint, c.fingerprint);
    }
    EXPECT_NE(FingerprintOf(kMusic), FingerprintOf(kRadio));
    EXPECT_EQ(FingerprintOf(kRadio).size, kRadio.size());
}

}  // namespace

namespace {

// An append that was cut short (a crash after its data, before its header) leaves dead bytes
// past the last timer. The next append writes over them and cuts the file to its new end: no
// gap, no dead bytes left.
TEST_F(ScheduleFile, AppendOverwritesDeadBytesLeftByACutShortAppend) {
    const Bytes deadTimer = WeekdayMusic({u"lost.mp3"}).stored;
    const struct {
        const char* name;
        std::vector<Bytes> timers;
        Bytes dead;
    } table[] = {
        {"FewDeadBytes", {kMusic, kRadio}, Bytes(100, 0xEE)},
        {"WholeDeadTimer", {kMusic, kRadio}, deadTimer},
        {"DeadTailLongerThanTheNewTimer", {kRadio}, Concat({deadTimer, deadTimer})},
        {"EmptiedProgram", {}, deadTimer},
    };
    for (const auto& c : table) {
        SCOPED_TRACE(c.name);
        Lay(Concat({ProgramImage(2, c.timers), c.dead}));
        const auto result = AppendTimer(fs, path, kNewTimer.timer);
        ASSERT_TRUE(result.ok());
        auto timers = c.timers;
        timers.push_back(kNew);
        EXPECT_EQ(result->count, timers.size());
        EXPECT_EQ(Stored(), ProgramImage(2, timers));
    }
}

}  // namespace
