// The history tab of the overview, through the real main window: a program copied over a full
// one on the general page comes back byte for byte with one click, and the restore is kept too.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <optional>

#include "OverviewFixture.h"
#include "QtPrinters.h"
#include "pages/overview/OverviewIds.h"
#include "pages/overview/OverviewPage.h"
#include "pages/schedule/ControlIds.h"
#include "support/ScopedEnvironment.h"
#include "ui/DialogBuilder.h"

namespace overviewtest {
namespace {

using namespace pages::overview_ids;

class HistoryViewTest : public OverviewTest {
protected:
    // Set before the window is made: its history view takes the place when it is built.
    void SetUp() override {
        environment.emplace("TAVREL_HISTORY", root.path());
        OverviewTest::SetUp();
    }

    // Copies program `source` over program `target` on the general page, as a person does.
    void CopyOnGeneralPage(int source, int target) {
        OpenCardOnGeneralPage();
        QWidget* page = window->Page(0);
        ui::RequireControl<QComboBox>(page, pages::ids::kCopySource).setCurrentIndex(source);
        ui::RequireControl<QComboBox>(page, pages::ids::kCopyTarget).setCurrentIndex(target);
        QTest::mouseClick(&ui::RequireControl<QPushButton>(page, pages::ids::kCopy), Qt::LeftButton);
    }

    QListWidget& Entries() { return Control<QListWidget>(kHistoryEntries); }

    testsupport::TempFolder root;
    std::optional<testsupport::ScopedEnvironment> environment;
};

TEST_F(HistoryViewTest, UndoesAProgramCopyByteForByteAndKeepsTheRestore) {
    const auto original = testsupport::ReadFileBytes(card / "SCH01.DAT");
    CopyOnGeneralPage(1, 0);
    ASSERT_NE(testsupport::ReadFileBytes(card / "SCH01.DAT"), original);
    EXPECT_TRUE(dialogs.Messages().isEmpty()) << "the copy says nothing, as always";

    ShowOverview();
    ASSERT_EQ(Entries().count(), 1);
    EXPECT_TRUE(Entries().item(0)->text().contains("SCH01.DAT")) << Entries().item(0)->text().toStdString();
    EXPECT_TRUE(Entries().item(0)->text().contains("复制程序")) << Entries().item(0)->text().toStdString();
    Entries().setCurrentRow(0);
    const QString change = Control<QPlainTextEdit>(kHistoryChange).toPlainText();
    EXPECT_GT(change.split('\n').size(), 1) << change.toStdString();

    auto& restore = Control<QPushButton>(kRestore);
    ASSERT_TRUE(restore.isEnabled());
    QTest::mouseClick(&restore, Qt::LeftButton);
    Overview().WaitForWork();
    EXPECT_EQ(testsupport::ReadFileBytes(card / "SCH01.DAT"), original);
    ASSERT_EQ(dialogs.Messages().size(), 1);
    EXPECT_TRUE(dialogs.Messages()[0].contains("SCH01.DAT")) << dialogs.Messages()[0].toStdString();

    ASSERT_EQ(Entries().count(), 2);
    EXPECT_TRUE(Entries().item(0)->text().contains("恢复")) << Entries().item(0)->text().toStdString();
}

TEST_F(HistoryViewTest, ACardWithoutHistorySaysSoAndOffersNoRestore) {
    OpenCardOnGeneralPage();
    ShowOverview();
    EXPECT_EQ(Entries().count(), 0);
    EXPECT_FALSE(Control<QPushButton>(kRestore).isEnabled());
    EXPECT_FALSE(Control<QPlainTextEdit>(kHistoryChange).toPlainText().isEmpty());
}

}  // namespace
}  // namespace overviewtest
