// The pages say nothing new while the history works, and say once that a save has no copy when
// it cannot be written; the save itself goes on either way.
#include <optional>

#include "PageFixture.h"
#include "core/fs/Path.h"
#include "core/history/CardHistory.h"
#include "pages/schedule/ControlIds.h"
#include "support/ScopedEnvironment.h"

namespace pagetest {
namespace {

using namespace pages::ids;

const QString kSaved = QStringLiteral("保存成功！");
const QString kNoCopy = QStringLiteral("这次写入没有在电脑上留下副本：无法写入历史记录。");

// Points the history at a folder of its own, or, when `writable` is false, at a place under a
// file where no folder can be made; set before the page is made.
class HistoryPlace {
public:
    explicit HistoryPlace(bool writable) {
        testsupport::WriteFileBytes(place / "a-file", {1});
        if (!writable) root = core::JoinPath(place / "a-file", "history");
        environment.emplace("TAVREL_HISTORY", root);
    }

    testsupport::TempFolder place;
    std::string root = place / "history";
    std::optional<testsupport::ScopedEnvironment> environment;
};

class WorkingHistoryTest : public HistoryPlace, public SchedulePageTest {
protected:
    WorkingHistoryTest() : HistoryPlace(true) {}
};

class UnwritableHistoryTest : public HistoryPlace, public SchedulePageTest {
protected:
    UnwritableHistoryTest() : HistoryPlace(false) {}
};

TEST_P(WorkingHistoryTest, ASaveSaysWhatItAlwaysSaidAndIsKept) {
    OpenSaveFolder();
    Click(kSave);
    EXPECT_EQ(dialogs.Messages(), QStringList{kSaved});
    core::history::CardHistory history(core::SystemFileSystem(), root, folder.path());
    const auto entries = history.Entries();
    ASSERT_TRUE(entries.ok());
    EXPECT_EQ(entries->size(), 1u);
    EXPECT_EQ(folder.Entries().size(), 1u) << "nothing but the program file on the card";
}

TEST_P(UnwritableHistoryTest, ASaveGoesOnAndSaysOnceThatItHasNoCopy) {
    OpenSaveFolder();
    Click(kSave);
    EXPECT_EQ(dialogs.Messages(), (QStringList{kSaved, kNoCopy}));
    const auto program = Program(0);
    ASSERT_TRUE(program);
    EXPECT_EQ(program->header.count, 1);
}

// A write of several files cut short on the card: choosing the folder finishes it and says so.
TEST_P(WorkingHistoryTest, ChoosingTheFolderFinishesAWriteCutShortAndSaysSo) {
    core::history::CardHistory history(core::SystemFileSystem(), root, folder.path());
    core::history::CardPlan plan;
    for (const char* name : {"SDATE01.DAT", "SDATE02.DAT"}) {
        core::history::Entry change;
        change.file = name;
        change.command = core::history::Command::Import;
        change.before = *history.KeepBytes(std::vector<std::uint8_t>{1, 1});
        change.after = *history.KeepBytes(std::vector<std::uint8_t>{2, 2});
        plan.changes.push_back(change);
        testsupport::WriteFileBytes(folder / name, {1, 1});
    }
    testsupport::WriteFileBytes(folder / "SDATE01.DAT", {2, 2});
    ASSERT_TRUE(history.WritePlan(plan).ok());

    OpenSaveFolder();
    EXPECT_EQ(dialogs.Messages(),
              QStringList{QStringLiteral("上次被中断的多文件写入已补写完成，这些文件现在都是新的内容：SDATE01.DAT、SDATE02.DAT")});
    EXPECT_EQ(testsupport::ReadFileBytes(folder / "SDATE02.DAT"), (std::vector<std::uint8_t>{2, 2}));
}

INSTANTIATE_FOR_BOTH_PAGES(WorkingHistoryTest);
INSTANTIATE_FOR_BOTH_PAGES(UnwritableHistoryTest);

}  // namespace
}  // namespace pagetest
