// A write of several card files is all or nothing as the next command sees it: whichever call
// fails, or wherever the writer is killed, the next command finds the card wholly old or wholly
// new, and says which it made of it.
#include <gtest/gtest.h>

#include <functional>
#include <iostream>

#include "core/editing/DateListEditor.h"
#include "core/editing/ScheduleEditor.h"
#include "core/fs/AtomicReplace.h"
#include "core/fs/Path.h"
#include "core/history/MultiFileWrite.h"
#include "core/history/PendingPlan.h"
#include "support/FaultyFileSystem.h"
#include "support/MemoryFileSystem.h"

namespace historytest {
namespace {

using core::history::CardHistory;
using core::history::Command;
using core::history::PlanOutcome;
using core::history::WriteRecorder;
using testsupport::Bytes;
using testsupport::FaultyFileSystem;
using testsupport::MemoryFileSystem;

const std::string kCard = "/card";
const std::string kRoot = "/history";

struct CardFileChange {
    const char* name;
    Bytes before;
    Bytes after;
};
const CardFileChange kChanges[] = {
    {"SCH01.DAT", {1, 1, 1}, {2, 2}},
    {"SCH02.DAT", {3}, {4, 4, 4, 4}},
    {"SPSCH01.DAT", {5, 5}, {5, 5, 6}},
    {"SDATE01.DAT", {7}, {8}},
};

std::string PathOf(const char* name) { return core::JoinPath(kCard, name); }

void LayOldCard(MemoryFileSystem& memory) {
    for (const auto& change : kChanges) memory.SetFile(PathOf(change.name), change.before);
}

enum class CardState { Old, New, Mixed };

CardState StateOf(const MemoryFileSystem& memory) {
    bool old = true, made = true;
    for (const auto& change : kChanges) {
        const auto bytes = memory.FileBytes(PathOf(change.name));
        old = old && bytes == change.before;
        made = made && bytes == change.after;
    }
    return old ? CardState::Old : (made ? CardState::New : CardState::Mixed);
}

// Every file of kChanges to its new content, held first as the import holds them.
core::history::MultiWriteResult WriteNewCard(WriteRecorder& recorder, core::FileSystem& fs) {
    std::vector<core::history::FileWrite> writes;
    for (const auto& change : kChanges) {
        auto held = core::HoldIfExists(fs, PathOf(change.name));
        if (!held.ok()) {
            core::history::MultiWriteResult refused;
            refused.failure = held.failure();
            return refused;
        }
        writes.push_back({PathOf(change.name), change.after, std::move(*held)});
    }
    return core::history::WriteAllOrNothing(recorder, fs, kCard, Command::Import, std::move(writes));
}

bool PlanPending(core::FileSystem& fs) {
    CardHistory history(fs, kRoot, kCard);
    const auto plan = history.PendingPlan();
    return !plan.ok() || plan->has_value();
}

// The next command on the card: settles what it finds.
std::vector<core::history::PlanSettlement> NextCommand(core::FileSystem& fs) {
    WriteRecorder next(fs, kRoot, fs);
    next.SettlePending(kCard);
    return next.TakeSettlements();
}

// Each call of the write in turn fails once (the writer goes on and answers), or is where the
// writer is killed (no call after it reaches the disk).
enum class Cut { Fails, Killed };

class CutShortWrite : public testing::TestWithParam<Cut> {};

TEST_P(CutShortWrite, TheNextCommandFindsTheCardWhollyOldOrWhollyNew) {
    const bool killed = GetParam() == Cut::Killed;
    int finished = 0, rolledBack = 0;
    for (std::size_t n = 0;; ++n) {
        MemoryFileSystem memory;
        LayOldCard(memory);
        FaultyFileSystem fs(memory);
        WriteRecorder recorder(fs, kRoot, fs);
        killed ? fs.StopAt(n) : fs.FailCall(n, core::FileErrorCause::HardIO);
        const auto result = WriteNewCard(recorder, fs);
        const bool fired = fs.FaultFired();
        SCOPED_TRACE("call " + std::to_string(n) + ": " + fs.FiredCall());
        if (!killed) {
            // The writer itself answers: a failed write leaves the card as it was.
            EXPECT_EQ(StateOf(memory), result.failure ? CardState::Old : CardState::New);
            EXPECT_EQ(result.rolledBack, result.failure && result.written > 0);
            if (!result.planned && result.written > 0) {
                EXPECT_TRUE(recorder.TakeMissedCopy());
            }
        }
        fs.Reset();
        const CardState left = StateOf(memory);
        const auto settled = NextCommand(fs);
        const CardState now = StateOf(memory);
        ASSERT_NE(now, CardState::Mixed);
        EXPECT_FALSE(PlanPending(memory));
        if (left == CardState::Mixed) {
            ASSERT_EQ(settled.size(), 1u) << "a half-written card is always said";
        }
        for (const auto& settlement : settled) {
            EXPECT_TRUE(settlement.left.empty());
            EXPECT_EQ(settlement.outcome, now == CardState::New ? PlanOutcome::Finished : PlanOutcome::RolledBack);
            ++(settlement.outcome == PlanOutcome::Finished ? finished : rolledBack);
        }
        if (!fired) break;
    }
    if (killed) {
        EXPECT_GT(finished, 0) << "no kill fell between two files";
    }
    std::cout << "finished " << finished << ", rolled back " << rolledBack << "\n";
}

INSTANTIATE_TEST_SUITE_P(EveryCall, CutShortWrite, testing::Values(Cut::Fails, Cut::Killed),
                         [](const auto& info) { return info.param == Cut::Fails ? "Fails" : "Killed"; });

// A plan of kChanges as a writer killed half-way left it, with the card's files as `now` says.
struct LeftHalfWay {
    MemoryFileSystem memory;
    LeftHalfWay(const std::vector<Bytes>& now) {
        CardHistory history(memory, kRoot, kCard);
        core::history::CardPlan plan;
        for (const auto& change : kChanges) {
            core::history::Entry entry;
            entry.file = change.name;
            entry.command = Command::Import;
            entry.before = *history.KeepBytes(change.before);
            entry.after = *history.KeepBytes(change.after);
            plan.changes.push_back(entry);
        }
        EXPECT_TRUE(history.WritePlan(plan).ok());
        for (std::size_t k = 0; k < now.size(); ++k) memory.SetFile(PathOf(kChanges[k].name), now[k]);
    }
};

TEST(PendingPlan, AFileChangedByAnotherProgramIsLeftAndNamedAndTheOthersGoBack) {
    LeftHalfWay card({kChanges[0].after, kChanges[1].before, {9, 9, 9}, kChanges[3].before});
    const auto settled = NextCommand(card.memory);
    ASSERT_EQ(settled.size(), 1u);
    EXPECT_EQ(settled[0].outcome, PlanOutcome::RolledBack);
    EXPECT_EQ(settled[0].left, std::vector<std::string>{"SPSCH01.DAT"});
    EXPECT_EQ(card.memory.FileBytes(PathOf("SCH01.DAT")), kChanges[0].before);
    EXPECT_EQ(card.memory.FileBytes(PathOf("SPSCH01.DAT")), (Bytes{9, 9, 9}));
    EXPECT_FALSE(PlanPending(card.memory));
}

TEST(PendingPlan, ALiveWritersPlanIsNotTakenOver) {
    LeftHalfWay card({kChanges[0].after, kChanges[1].before, kChanges[2].before, kChanges[3].before});
    CardHistory history(card.memory, kRoot, kCard);
    {
        auto writer = history.HoldPlans();
        ASSERT_TRUE(writer.ok());
        EXPECT_TRUE(NextCommand(card.memory).empty());
        EXPECT_EQ(StateOf(card.memory), CardState::Mixed);
        EXPECT_TRUE(PlanPending(card.memory));
        // Nor does a second writer of several files start meanwhile.
        WriteRecorder second(card.memory, kRoot, card.memory);
        const auto refused = WriteNewCard(second, card.memory);
        ASSERT_TRUE(refused.failure);
        EXPECT_EQ(refused.failure->error->cause(), core::FileErrorCause::SharingViolation);
        EXPECT_EQ(refused.written, 0u);
    }
    const auto settled = NextCommand(card.memory);
    ASSERT_EQ(settled.size(), 1u);
    EXPECT_EQ(settled[0].outcome, PlanOutcome::Finished);
    EXPECT_EQ(StateOf(card.memory), CardState::New);
}

TEST(PendingPlan, ASingleFileWriteThroughTheRecorderSettlesItFirst) {
    LeftHalfWay card({kChanges[0].after, kChanges[1].before, kChanges[2].before, kChanges[3].before});
    WriteRecorder recorder(card.memory, kRoot, card.memory);
    const auto path = PathOf("SDATE02.DAT");
    ASSERT_TRUE(recorder.Record(path, Command::SaveDates, [&] {
        return core::ReplaceFileContents(card.memory, path, Bytes{1});
    }).ok());
    const auto settled = recorder.TakeSettlements();
    ASSERT_EQ(settled.size(), 1u);
    EXPECT_EQ(settled[0].outcome, PlanOutcome::Finished);
    EXPECT_EQ(StateOf(card.memory), CardState::New);
    // The files it finished are kept as writes of the import.
    CardHistory history(card.memory, kRoot, kCard);
    const auto entries = history.Entries();
    ASSERT_TRUE(entries.ok());
    ASSERT_EQ(entries->size(), 4u);
    EXPECT_EQ(entries->back().command, Command::Import);
}

// The pages' editors settle it when a folder is chosen, and their answer says so.
TEST(PendingPlan, ChoosingTheFolderInAnEditorSettlesItAndSaysSo) {
    const auto settledBy = [](const std::function<std::vector<core::history::PlanSettlement>(LeftHalfWay&)>& choose) {
        LeftHalfWay card({kChanges[0].after, kChanges[1].before, kChanges[2].before, kChanges[3].before});
        const auto settled = choose(card);
        EXPECT_EQ(StateOf(card.memory), CardState::New);
        return settled;
    };
    const auto schedule = settledBy([](LeftHalfWay& card) {
        core::ScheduleEditor editor(core::kGeneralSchedule, card.memory, WriteRecorder(card.memory, kRoot, card.memory));
        return editor.ChooseFolder(kCard).settled;
    });
    const auto dates = settledBy([](LeftHalfWay& card) {
        core::DateListEditor editor(card.memory, WriteRecorder(card.memory, kRoot, card.memory));
        return editor.ChooseFolder(kCard).settled;
    });
    for (const auto& settled : {schedule, dates}) {
        ASSERT_EQ(settled.size(), 1u);
        EXPECT_EQ(settled[0].outcome, PlanOutcome::Finished);
        EXPECT_EQ(settled[0].files.size(), std::size(kChanges));
    }
}

TEST(MultiFileWrite, WithoutAHistoryTheFilesAreWrittenOneByOneAndNoCopyIsSaid) {
    MemoryFileSystem memory;
    LayOldCard(memory);
    WriteRecorder recorder(memory, std::nullopt, memory);
    const auto result = WriteNewCard(recorder, memory);
    EXPECT_FALSE(result.failure);
    EXPECT_FALSE(result.planned);
    EXPECT_EQ(StateOf(memory), CardState::New);
    EXPECT_TRUE(recorder.TakeMissedCopy());
}

}  // namespace
}  // namespace historytest
