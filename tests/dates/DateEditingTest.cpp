#include <QLineEdit>
#include <QTest>
#include <functional>

#include "DatePageFixture.h"

using namespace pages;
using namespace pages::date_ids;
using namespace core;

namespace {

using DateEditing = DatePageTest;

TEST_F(DateEditing, AddedDatesGoToTheEndInTheOrderAddedAndTheNewOneIsSelected) {
    AddDate(12, 25);
    EXPECT_EQ(Entries(), QStringList({"12月25日"}));
    EXPECT_EQ(SelectedRow(), 0);
    AddDate(1, 1);
    EXPECT_EQ(Entries(), QStringList({"12月25日", "01月01日"}));
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_TRUE(dialogs.Messages().isEmpty());
    EXPECT_EQ(fs.TotalCalls(), 0u) << "adding touches no file";
}

TEST_F(DateEditing, ADateAlreadyListedIsNotAddedAgain) {
    AddDate(1, 1);
    AddDate(5, 5);
    AddDate(1, 1);
    AddDate(5, 5);
    EXPECT_EQ(Entries(), QStringList({"01月01日", "05月05日"}));
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

TEST_F(DateEditing, AFullTableTakesNoMoreDates) {
    // 365 different dates, January 1st on, leaving December 25th to 31st out.
    Bytes year;
    for (int k = 0; k < 365; ++k) {
        year.push_back(static_cast<std::uint8_t>(k / 31 + 1));
        year.push_back(static_cast<std::uint8_t>(k % 31 + 1));
    }
    PutFile("SDATE01.DAT", year);
    OpenFolder();
    ASSERT_EQ(List().count(), 365);
    AddDate(12, 31);
    EXPECT_EQ(page->Editor().Dates().size(), 365u);
    EXPECT_EQ(List().count(), 365);
    EXPECT_EQ(Entries().last(), "12月24日");
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

struct DeleteCase {
    const char* name;
    int dates;         // 01月01日, 02月01日, ... added before
    int row;           // the entry selected and deleted
    QStringList left;  // the list afterwards
    int selected;      // the entry selected afterwards, -1 for none
};

void PrintTo(const DeleteCase& c, std::ostream* out) { *out << c.name; }

class DeletingDates : public DatePageTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeletingDates, RemovesTheSelectedEntryAndSelectsTheOneInItsPlace) {
    const DeleteCase& c = GetParam();
    for (int month = 1; month <= c.dates; ++month) AddDate(month, 1);
    ClickEntry(c.row);
    Click(kDeleteDate);
    EXPECT_EQ(Entries(), c.left);
    EXPECT_EQ(SelectedRow(), c.selected);
    EXPECT_EQ(page->Editor().Dates().size(), static_cast<std::size_t>(c.left.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeletingDates,
    ::testing::Values(
        DeleteCase{"TheEntryBelowMovesUp", 5, 1, {"01月01日", "03月01日", "04月01日", "05月01日"}, 1},
        DeleteCase{"TheFirst", 5, 0, {"02月01日", "03月01日", "04月01日", "05月01日"}, 0},
        DeleteCase{"TheLastSelectsTheNewLast", 5, 4, {"01月01日", "02月01日", "03月01日", "04月01日"}, 3},
        DeleteCase{"TheOnlyOneLeavesNothingSelected", 1, 0, {}, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DateEditing, DeletingFromAnEmptyListDoesNothing) {
    Click(kDeleteDate);
    EXPECT_EQ(page->Editor().Dates().size(), 0u);
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

TEST_F(DateEditing, AfterDeletingTheRemainingDatesAreStillThereForAddAndSave) {
    AddDate(3, 3);
    AddDate(4, 4);
    ClickEntry(0);
    Click(kDeleteDate);
    AddDate(4, 4);  // still listed: a duplicate
    AddDate(3, 3);  // deleted: comes back at the end
    EXPECT_EQ(Entries(), QStringList({"04月04日", "03月03日"}));
}

struct TypedCase {
    const char* name;
    QString month;
    QString day;
    QString added;       // the new entry, empty when the texts name no date
    QString monthShown;  // the month field after Add
};

void PrintTo(const TypedCase& c, std::ostream* out) { *out << c.name; }

class TypingDates : public DatePageTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypingDates, AddTakesTheTypedMonthAndDayOrNothing) {
    const TypedCase& c = GetParam();
    AddDate(6, 6);  // the month and day lists now select 06
    Type(kMonth, c.month);
    Type(kDay, c.day);
    Click(kAddDate);
    QStringList expected = {"06月06日"};
    if (!c.added.isEmpty()) expected << c.added;
    EXPECT_EQ(Entries(), expected);
    EXPECT_EQ(Combo(kMonth).currentText(), c.monthShown);
    if (!c.added.isEmpty()) {
        EXPECT_EQ(Combo(kMonth).currentIndex(), c.added.left(2).toInt() - 1);
        EXPECT_EQ(Combo(kDay).currentIndex(), c.added.mid(3, 2).toInt() - 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TypingDates,
    ::testing::Values(
        TypedCase{"OneDigit", "3", "8", "03月08日", "03"},
        TypedCase{"TwoDigits", "03", "08", "03月08日", "03"},
        TypedCase{"BlanksAround", " 7 ", "31", "07月31日", "07"},
        // "1" must not grow into "10" by completing the text as it is typed.
        TypedCase{"OneIsJanuary", "1", "1", "01月01日", "01"},
        TypedCase{"NoLengthOfMonthCheck", "2", "30", "02月30日", "02"},
        TypedCase{"MonthThirteen", "13", "01", "", "13"}, TypedCase{"MonthZero", "0", "01", "", "0"},
        TypedCase{"MonthNotANumber", "abc", "01", "", "abc"}, TypedCase{"MonthEmpty", "", "01", "", ""},
        TypedCase{"DayThirtyTwo", "12", "32", "", "12"}, TypedCase{"DayNegative", "12", "-1", "", "12"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DateEditing, LeavingTheFieldShowsTheItemTheTypedNumberNames) {
    page->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
    Type(kMonth, "4");
    QTest::keyClick(Combo(kMonth).lineEdit(), Qt::Key_Return);  // moves on like Tab
    EXPECT_EQ(Combo(kMonth).currentText(), "04");
    EXPECT_EQ(Combo(kMonth).currentIndex(), 3);
    EXPECT_TRUE(Entries().isEmpty()) << "Enter pressed Add";
}

// Ways a single-selection list lets a person clear its selection.
struct UnselectCase {
    const char* name;
    std::function<void(DatePageTest&)> gesture;
};

void PrintTo(const UnselectCase& c, std::ostream* out) { *out << c.name; }

class KeepingTheSelection : public DatePageTest, public ::testing::WithParamInterface<UnselectCase> {
public:
    void ClickEntryWithCtrl(int row) { ClickEntry(row, Qt::ControlModifier); }
    void ClickBelowTheEntries() {
        QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, QPoint(5, List().viewport()->height() - 3));
    }
    void PressCtrlSpace() { QTest::keyClick(&List(), Qt::Key_Space, Qt::ControlModifier); }
};

TEST_P(KeepingTheSelection, OneEntryStaysSelected) {
    AddDate(1, 1);
    AddDate(2, 2);
    AddDate(3, 3);
    ClickEntry(1);
    GetParam().gesture(*this);
    EXPECT_EQ(SelectedRow(), 1);
    Click(kDeleteDate);
    EXPECT_EQ(Entries(), QStringList({"01月01日", "03月03日"}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeepingTheSelection,
    ::testing::Values(
        UnselectCase{"CtrlClickOnTheSelectedEntry",
                     [](DatePageTest& t) { static_cast<KeepingTheSelection&>(t).ClickEntryWithCtrl(1); }},
        UnselectCase{"ClickBelowTheEntries",
                     [](DatePageTest& t) { static_cast<KeepingTheSelection&>(t).ClickBelowTheEntries(); }},
        UnselectCase{"CtrlSpace",
                     [](DatePageTest& t) { static_cast<KeepingTheSelection&>(t).PressCtrlSpace(); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
