// Every command that opens a card folder first settles a write of several files that was cut
// short there, and says on stderr what it did.
#include <gtest/gtest.h>

#include "core/history/CardHistory.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/tools/ToolRun.h"

namespace {

using testbytes::Bytes;
using namespace toolrun;

struct CommandCase {
    const char* name;
    std::vector<std::string> arguments;  // "F" stands for the card's folder, "D" for a document
};

class PendingWriteCommand : public testing::TestWithParam<CommandCase> {};

TEST_P(PendingWriteCommand, FinishesAWriteCutShortAndSaysSo) {
    testsupport::TempFolder root, scratch;
    testsupport::ScopedEnvironment history("TAVREL_HISTORY", root.path());
    CardFolder card, other;
    const Bytes oldDates{3, 8}, newDates{4, 9}, oldProgram{1}, newProgram{2, 2};
    // Written: SCH01.DAT; not yet: SDATE01.DAT.
    card.File("SCH01.DAT", newProgram).File("SDATE01.DAT", oldDates);
    core::history::CardHistory kept(core::SystemFileSystem(), root.path(), card.path());
    core::history::CardPlan plan;
    for (const auto& [name, before, after] : {std::tuple{"SCH01.DAT", oldProgram, newProgram},
                                              std::tuple{"SDATE01.DAT", oldDates, newDates}}) {
        core::history::Entry change;
        change.file = name;
        change.command = core::history::Command::Import;
        change.before = *kept.KeepBytes(before);
        change.after = *kept.KeepBytes(after);
        plan.changes.push_back(change);
    }
    ASSERT_TRUE(kept.WritePlan(plan).ok());
    other.File("SDATE01.DAT", newDates);
    const std::string document = scratch / "other.json";
    ASSERT_EQ(RunTool({"export", other.path(), "-o", document}).exitCode, 0);

    std::vector<std::string> arguments;
    for (const std::string& argument : GetParam().arguments) {
        arguments.push_back(argument == "F" ? card.path() : argument == "D" ? document : argument);
    }
    const Outcome run = RunTool(arguments);
    EXPECT_NE(run.err.find("上次被中断的多文件写入已补写完成，这些文件现在都是新的内容：SCH01.DAT、SDATE01.DAT"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(testsupport::ReadFileBytes(card / "SDATE01.DAT"), newDates);
    const auto pending = kept.PendingPlan();
    ASSERT_TRUE(pending.ok());
    EXPECT_FALSE(*pending);
}

const CommandCase kCommands[] = {
    {"Check", {"check", "F"}},
    {"Show", {"show", "F"}},
    {"Export", {"export", "F"}},
    {"Diff", {"diff", "F", "D"}},
    {"History", {"history", "F"}},
    {"Restore", {"restore", "F", "--all-before", "2020-01-01", "--dry-run"}},
    {"Import", {"import", "D", "F", "--dry-run"}},
};

INSTANTIATE_TEST_SUITE_P(EveryCommand, PendingWriteCommand, testing::ValuesIn(kCommands),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
