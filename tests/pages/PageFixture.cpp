#include "PageFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "core/card/CardFiles.h"
#include "pages/schedule/ControlIds.h"

namespace pagetest {

using namespace pages::ids;

std::unique_ptr<pages::SchedulePage> MakePage(PageKind kind, ui::Dialogs& dialogs, core::FileSystem& fs) {
    const auto& variant =
        kind == PageKind::General ? pages::GeneralScheduleVariant() : pages::SpecialScheduleVariant();
    return std::make_unique<pages::SchedulePage>(variant, dialogs, fs);
}

std::string PageKindName(const ::testing::TestParamInfo<PageKind>& info) {
    return info.param == PageKind::General ? "General" : "Special";
}

PageHarness::PageHarness(PageKind kind) : kind_(kind), page_(MakePage(kind, dialogs, fs)) { page_->show(); }

PageHarness::~PageHarness() {
    EXPECT_TRUE(dialogs.AllAnswersUsed()) << "a scripted answer was never asked for";
}

void PageHarness::Click(int buttonId) {
    auto& button = Control<QAbstractButton>(buttonId);
    ASSERT_TRUE(button.isEnabled()) << "button " << buttonId << " is disabled";
    QTest::mouseClick(&button, Qt::LeftButton);
}

void PageHarness::Choose(int comboId, int index) {
    auto& combo = Control<QComboBox>(comboId);
    ASSERT_TRUE(combo.isEnabled()) << "combo " << comboId << " is disabled";
    ASSERT_TRUE(index >= 0 && index < combo.count());
    combo.setCurrentIndex(index);
    emit combo.activated(index);
}

void PageHarness::Tick(int checkBoxId, bool on) {
    auto& box = Control<QCheckBox>(checkBoxId);
    if (box.isChecked() != on) QTest::mouseClick(&box, Qt::LeftButton);
    ASSERT_EQ(box.isChecked(), on);
}

void PageHarness::OpenFolder(const std::string& path) {
    dialogs.AnswerFolder(QString::fromStdString(path));
    Click(kOpenFolder);
}

void PageHarness::EnterStart(int hour, int minute, int second) {
    Choose(kStartHour, hour);
    Choose(kStartMinute, minute);
    Choose(kStartSecond, second);
}

void PageHarness::EnterEnd(int hour, int minute, int second) {
    Choose(kEndHour, hour);
    Choose(kEndMinute, minute);
    Choose(kEndSecond, second);
}

void PageHarness::EnterWeekdays(std::uint32_t bits) {
    for (std::size_t day = 0; day < kWeekdays.size(); ++day) Tick(kWeekdays[day], (bits >> day & 1u) != 0);
}

void PageHarness::SaveStartingAt(int hour, int minute, int second) {
    EnterStart(hour, minute, second);
    Click(kSave);
}

QString PageHarness::Number() { return Control<QLineEdit>(kTimerNumber).text(); }

int PageHarness::Selected(int comboId) { return Control<QComboBox>(comboId).currentIndex(); }

QString PageHarness::SelectedText(int comboId) { return Control<QComboBox>(comboId).currentText(); }

QStringList PageHarness::MusicEntries() {
    auto& list = Control<QListWidget>(kMusicList);
    QStringList entries;
    for (int row = 0; row < list.count(); ++row) entries << list.item(row)->text();
    return entries;
}

int PageHarness::SelectedMusicRow() {
    const QList<QListWidgetItem*> selected = Control<QListWidget>(kMusicList).selectedItems();
    EXPECT_LE(selected.size(), 1);
    return selected.isEmpty() ? -1 : Control<QListWidget>(kMusicList).row(selected.first());
}

bool PageHarness::Checked(int boxId) { return Control<QAbstractButton>(boxId).isChecked(); }

bool PageHarness::Enabled(int controlId) { return Control(controlId).isEnabled(); }

std::string PageHarness::FileName(int program) const {
    return core::CardFileName(Variant().kind.files, program);
}

std::string PageHarness::ProgramPath(int program) const { return folder / FileName(program); }

std::optional<Bytes> PageHarness::FileBytes(int program) const {
    return testsupport::ReadFileBytes(ProgramPath(program));
}

std::optional<ProgramFile> PageHarness::Program(int program) const {
    return ReadProgramFile(ProgramPath(program));
}

void PageHarness::LayProgram(int program, const std::vector<core::TimerRecord>& timers) const {
    testsupport::WriteFileBytes(ProgramPath(program), ProgramFileBytes(timers));
}

QString PageHarness::MusicFile(const std::string& name) {
    const std::string path = musicFolder / name;
    testsupport::WriteFileBytes(path, {0x49, 0x44, 0x33});
    return QString::fromStdString(path);
}

}  // namespace pagetest
