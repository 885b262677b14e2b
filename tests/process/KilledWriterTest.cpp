// A writer killed (SIGKILL; TerminateProcess on Windows) at random moments of its appends and
// rewrites: the file is always exactly the old one, the new one, or one of them with a dead tail
// after the last timer, and the next append leaves no gap.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include "Child.h"
#include "Labelled.h"
#include "ProcessChecks.h"
#include "support/MemoryFileSystem.h"
#include "support/ProgramFileCheck.h"
#include "support/TempFolder.h"
#include "tests/support/Bytes.h"

namespace proctest {
namespace {

using testbytes::Bytes;

// Where the timers of a program file end, by its header.
std::size_t LogicalEnd(const Bytes& file) {
    const auto count = testbytes::Get16(file, 4);
    std::size_t end = core::kScheduleHeaderSize;
    for (std::size_t slot = 0; slot < count; ++slot) {
        end = std::max<std::size_t>(
            end, testbytes::Get32(file, 8 + 8 * slot) + testbytes::Get32(file, 12 + 8 * slot));
    }
    return end;
}

// `actual` is `reference` up to its last timer, followed by any bytes. An append writes the index
// slot of its timer before the count that makes it count: `slot` may already hold what `next`
// has there.
bool WithDeadTail(const Bytes& reference, const Bytes& actual, const Bytes& next, std::size_t slot) {
    const std::size_t end = LogicalEnd(reference);
    if (actual.size() < end || reference.size() < end) return false;
    for (std::size_t at = 0; at < end; ++at) {
        const bool inSlot = at >= 8 + 8 * slot && at < 16 + 8 * slot;
        if (actual[at] != reference[at] && !(inSlot && at < next.size() && actual[at] == next[at]))
            return false;
    }
    return true;
}

struct Outcomes {
    int kills = 0;
    int old = 0;
    int made = 0;
    int deadTails = 0;
    int appends = 0;  // kills that fell into an append
    int rewrites = 0;
};

TEST(KilledWriter, LeavesTheOldFileOrTheNewOneAndTheNextAppendLeavesNoGap) {
    constexpr int kKills = 200;
    testsupport::TempFolder folder;
    const std::string path = folder / "SCH01.DAT";
    ASSERT_TRUE(LayProgram(core::SystemFileSystem(), path, 5).ok());
    std::mt19937_64 random(2026);
    Outcomes seen;

    for (std::uint64_t seed = 1; seen.kills < kKills && seed <= 4 * kKills; ++seed) {
        SCOPED_TRACE("writer seed " + std::to_string(seed));
        const Bytes before = *testsupport::ReadFileBytes(path);
        std::string output;
        {
            Child writer({"churn", path, std::to_string(seed)});
            ASSERT_EQ(writer.ReadLine(), "ready");
            // Anywhere in the first few steps: each takes a few fsyncs.
            std::this_thread::sleep_for(std::chrono::microseconds(random() % 4000));
            writer.Kill();
            const Ending ending = writer.Wait();
            output = writer.ReadAll();
            ASSERT_EQ(ending, Killed()) << "the writer ended by itself";
        }
        ++seen.kills;

        // Replay what it finished, then the step it was in, on a copy in memory.
        std::uint64_t steps = 0;
        for (std::size_t at = output.find("step "); at != std::string::npos;
             at = output.find("step ", at + 1)) {
            steps = std::stoull(output.substr(at + 5)) + 1;
        }
        testsupport::MemoryFileSystem memory;
        memory.SetFile(path, before);
        for (std::uint64_t step = 0; step + 1 < steps; ++step) {
            ASSERT_TRUE(RunChurnStep(memory, path, seed, step).ok());
        }
        const Bytes old = *memory.FileBytes(path);
        bool append = false;
        if (steps > 0) {
            const auto last = RunChurnStep(memory, path, seed, steps - 1);
            ASSERT_TRUE(last.ok());
            append = last->kind == ChurnStep::Append;
            ++(append ? seen.appends : seen.rewrites);
        }
        const Bytes made = *memory.FileBytes(path);

        const Bytes actual = *testsupport::ReadFileBytes(path);
        const std::size_t slot = testbytes::Get16(old, 4);
        if (actual == old) {
            ++seen.old;
        } else if (actual == made) {
            ++seen.made;
        } else if (append &&
                   (WithDeadTail(old, actual, made, slot) || WithDeadTail(made, actual, made, slot))) {
            ++seen.deadTails;
        } else {
            FAIL() << "the file is neither the old one nor the new one (" << actual.size() << " bytes, old "
                   << old.size() << ", new " << made.size() << ", " << (append ? "an append" : "a rewrite")
                   << " was under way)";
        }
        const core::CardFile file = ReadProgramFile(folder.path());
        ASSERT_EQ(file.state, core::CardFileState::Read) << "timers not back to back";
        EXPECT_EQ(LabelsIn(file).count("?"), 0u);
    }
    EXPECT_GE(seen.kills, kKills);
    std::cout << "kills " << seen.kills << " (appends " << seen.appends << ", rewrites " << seen.rewrites
              << "): old " << seen.old << ", new " << seen.made << ", dead tail " << seen.deadTails << "\n";

    // The next append starts where the last timer ends, and the file ends with it.
    ASSERT_TRUE(core::AppendTimer(core::SystemFileSystem(), path, LabelledTimer({"last", 0, 0}, 2)).ok());
    EXPECT_EQ(testsupport::ProgramIndexMismatch(*testsupport::ReadFileBytes(path)), "");
    // The temporary files of killed writers are gone once the file is written again.
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"SCH01.DAT"});
}

}  // namespace
}  // namespace proctest
