#include "DatePageFixture.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "pages/dates/DateEntryText.h"

void DatePageTest::SetUp() {
    page = std::make_unique<pages::SpecialDatePage>(dialogs, fs);
    page->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
}

void DatePageTest::TearDown() {
    EXPECT_TRUE(dialogs.AllAnswersUsed());
    QStringList table;
    for (const core::SpecialDate& date : page->Editor().Dates()) {
        table << pages::DateEntryText(date);
    }
    EXPECT_EQ(Entries(), table) << "the list and the table disagree";
    EXPECT_EQ(List().selectedItems().size(), Entries().isEmpty() ? 0 : 1);
}

void DatePageTest::Click(int buttonId) { QTest::mouseClick(&Control<QPushButton>(buttonId), Qt::LeftButton); }

void DatePageTest::Choose(int comboId, int index) {
    QComboBox& combo = Combo(comboId);
    combo.showPopup();
    QAbstractItemView* view = combo.view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    view->setCurrentIndex(combo.model()->index(index, 0));
    QTest::keyClick(view, Qt::Key_Return);
    ASSERT_FALSE(view->isVisible()) << "the list did not close";
}

void DatePageTest::Type(int comboId, const QString& text) {
    QLineEdit* field = Combo(comboId).lineEdit();
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

void DatePageTest::AddDate(int month, int day) {
    Choose(pages::date_ids::kMonth, month - 1);
    Choose(pages::date_ids::kDay, day - 1);
    Click(pages::date_ids::kAddDate);
}

void DatePageTest::ClickEntry(int row, Qt::KeyboardModifiers modifiers) {
    QListWidget& list = List();
    const QRect entry = list.visualItemRect(list.item(row));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, entry.center());
}

void DatePageTest::OpenFolder(const std::string& path) {
    dialogs.AnswerFolder(QString::fromStdString(path));
    Click(pages::date_ids::kOpenFolder);
}

QStringList DatePageTest::Entries() const {
    QStringList texts;
    for (int row = 0; row < List().count(); ++row) texts << List().item(row)->text();
    return texts;
}

int DatePageTest::SelectedRow() const {
    const QList<QListWidgetItem*> selected = List().selectedItems();
    return selected.isEmpty() ? -1 : List().row(selected.first());
}

QString DatePageTest::SavePathShown() const { return Control<QLineEdit>(pages::date_ids::kSavePath).text(); }

void DatePageTest::PutFile(const std::string& name, const Bytes& bytes) const {
    testsupport::WriteFileBytes(folder / name, bytes);
}

std::optional<Bytes> DatePageTest::FileBytes(const std::string& name) const {
    return testsupport::ReadFileBytes(folder / name);
}
