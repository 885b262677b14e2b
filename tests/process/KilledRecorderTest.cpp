// A writer killed at random moments while every write goes through the card's history: what it
// left always reads, every entry's contents are there and whole, and the next write is kept.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <set>
#include <thread>

#include "Child.h"
#include "Labelled.h"
#include "core/history/CardHistory.h"
#include "core/history/WriteRecorder.h"
#include "support/TempFolder.h"

namespace proctest {
namespace {

// Every entry of the history reads, with both its contents whole; the ids never repeat.
void ExpectWholeHistory(core::history::CardHistory& history) {
    const auto entries = history.Entries();
    ASSERT_TRUE(entries.ok());
    std::set<std::uint64_t> ids;
    for (const auto& entry : *entries) {
        EXPECT_TRUE(ids.insert(entry.id).second) << entry.id;
        for (const auto& version : {entry.before, entry.after}) {
            if (version) {
                EXPECT_TRUE(history.ReadVersion(*version).ok()) << "entry " << entry.id;
            }
        }
    }
}

TEST(KilledRecorder, LeavesAHistoryThatReadsAndKeepsTheNextWrite) {
    constexpr int kKills = 30;
    testsupport::TempFolder card, root;
    const std::string path = card / "SCH01.DAT";
    ASSERT_TRUE(LayProgram(core::SystemFileSystem(), path, 5).ok());
    core::history::CardHistory history(core::SystemFileSystem(), root.path(), card.path());
    std::mt19937_64 random(2027);

    for (int kill = 0; kill < kKills; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        Child writer({"recorded-churn", path, std::to_string(kill + 1), root.path()});
        ASSERT_EQ(writer.ReadLine(), "ready");
        // A recorded step takes some tens of milliseconds: kills fall before, in and after several.
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 80000));
        writer.Kill();
        ASSERT_EQ(writer.Wait(), Killed()) << writer.ReadAll();
        ExpectWholeHistory(history);
    }
    const auto before = history.Entries();
    ASSERT_TRUE(before.ok());
    EXPECT_GT(before->size(), 0u) << "no writer got as far as one entry";

    // The next write after all of that is kept as any other.
    core::history::WriteRecorder recorder(core::SystemFileSystem(), root.path());
    ASSERT_TRUE(recorder
                    .Record(path, core::history::Command::SaveTimer,
                            [&] { return RunChurnStep(core::SystemFileSystem(), path, 99, 0); })
                    .ok());
    EXPECT_FALSE(recorder.TakeMissedCopy());
    const auto after = history.Entries();
    ASSERT_TRUE(after.ok());
    ASSERT_FALSE(after->empty());
    EXPECT_GT(after->front().id, before->empty() ? 0 : before->front().id);
    EXPECT_EQ(after->front().after, recorder.Before(path).version);
}

}  // namespace
}  // namespace proctest
