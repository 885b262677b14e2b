// Two writer processes append, replace and delete on one program file while a third process
// reads it through the store: every write reported done is in the file, no read sees the file
// torn, and no temporary file is left behind.
#include <gtest/gtest.h>

#include <sstream>

#include "Child.h"
#include "Labelled.h"
#include "ProcessChecks.h"
#include "support/TempFolder.h"

namespace proctest {
namespace {

// Folds a writer's log ("put A3 1", "drop A3") into what it was told the file holds.
void Apply(const std::string& log, std::map<std::string, int>& expected) {
    std::istringstream lines(log);
    std::string verb, name;
    while (lines >> verb >> name) {
        if (verb == "put") {
            lines >> expected[name];
        } else {
            ASSERT_EQ(verb, "drop");
            ASSERT_EQ(expected.erase(name), 1u) << name << " dropped but never put";
        }
    }
}

TEST(TwoWriterProcesses, EveryWriteReportedDoneIsInTheFileAndNoReadSeesItTorn) {
    constexpr int kBaseTimers = 3;
    constexpr int kOperations = 150;  // each writer's
    testsupport::TempFolder folder;
    const std::string path = folder / "SCH01.DAT";
    ASSERT_TRUE(LayProgram(core::SystemFileSystem(), path, kBaseTimers).ok());

    Child reader({"reader", folder.path(), path});
    Child first({"writer", path, "A", "11", std::to_string(kOperations)});
    Child second({"writer", path, "B", "22", std::to_string(kOperations)});
    const std::string firstLog = first.ReadAll();
    const std::string secondLog = second.ReadAll();
    EXPECT_EQ(first.Wait(), Exited(0)) << "writer A failed; it logged:\n" << firstLog;
    EXPECT_EQ(second.Wait(), Exited(0)) << "writer B failed; it logged:\n" << secondLog;
    reader.CloseInput();
    const std::string seen = reader.ReadAll();
    EXPECT_EQ(reader.Wait(), Exited(0));

    std::map<std::string, int> expected;
    for (int id = 0; id < kBaseTimers; ++id) expected[Label{"base", id, 0}.Name()] = 0;
    Apply(firstLog, expected);
    Apply(secondLog, expected);
    const core::CardFile file = ReadProgramFile(folder.path());
    ASSERT_EQ(file.state, core::CardFileState::Read);
    EXPECT_EQ(LabelsIn(file), expected);

    EXPECT_NE(seen.find(" torn 0\n"), std::string::npos) << seen;
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"SCH01.DAT"});
}

}  // namespace
}  // namespace proctest
