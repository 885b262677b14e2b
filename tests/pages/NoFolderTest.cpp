// Every command before a save folder is chosen.
#include "PageFixture.h"
#include "pages/schedule/ControlIds.h"

namespace pagetest {
namespace {

using namespace pages::ids;

const QString kNoFolder = QStringLiteral("请先设置定时程序保存路径！！");

using NoFolderTest = SchedulePageTest;

TEST_P(NoFolderTest, EveryTimerCommandAsksForTheFolderAndDoesNothingElse) {
    for (int button : {kNextTimer, kPrevTimer, kNewTimer, kCancelTimer, kDeleteTimer}) {
        SCOPED_TRACE(button);
        dialogs.ClearShown();
        Click(button);
        EXPECT_EQ(dialogs.Messages(), QStringList{kNoFolder});
        EXPECT_EQ(Number(), "0");
        EXPECT_EQ(Selected(kMode), -1);
        EXPECT_EQ(Selected(kStartHour), -1);
        EXPECT_TRUE(Enabled(kMode));
    }
    EXPECT_TRUE(folder.Entries().empty());
}

TEST_P(NoFolderTest, CopyAsksForTheFolderOnlyOnceBothProgramsAreChosen) {
    Click(kCopy);
    EXPECT_TRUE(dialogs.Messages().isEmpty());
    Choose(kCopySource, 0);
    Click(kCopy);
    EXPECT_TRUE(dialogs.Messages().isEmpty());
    Choose(kCopyTarget, 0);
    Click(kCopy);
    EXPECT_TRUE(dialogs.Messages().isEmpty());
    Choose(kCopyTarget, 1);
    Click(kCopy);
    EXPECT_EQ(dialogs.Messages(), QStringList{kNoFolder});
}

TEST_P(NoFolderTest, ExitSaysNothing) {
    Click(kExit);
    EXPECT_TRUE(dialogs.Messages().isEmpty());
    EXPECT_FALSE(Page().isVisible());
}

INSTANTIATE_FOR_BOTH_PAGES(NoFolderTest);

}  // namespace
}  // namespace pagetest
