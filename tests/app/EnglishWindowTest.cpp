// The window in English: every caption translated, and the files it writes the same bytes as in
// Chinese.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <map>

#include "app/MainWindow.h"
#include "app/Translation.h"
#include "pages/dates/DateControlIds.h"
#include "pages/schedule/ControlIds.h"
#include "support/MemoryFileSystem.h"
#include "tests/support/ui/QtPrinters.h"
#include "tests/support/ui/ScriptedDialogs.h"
#include "ui/DialogBoxes.h"
#include "ui/DialogBuilder.h"

namespace {

using testsupport::Bytes;

// The window with its own dialogs and files, in one language for as long as it lives.
struct Window {
    explicit Window(Language language) : scope(language) {}

    template <class W = QWidget>
    W& Control(int tab, int id) {
        return ui::RequireControl<W>(window.Page(tab), id);
    }
    void Choose(int tab, int comboId, int index) {
        auto& combo = Control<QComboBox>(tab, comboId);
        combo.setCurrentIndex(index);
        emit combo.activated(index);
    }
    void Click(int tab, int id) { Control<QAbstractButton>(tab, id).click(); }
    void OpenFolder(int tab, int id) {
        dialogs.AnswerFolder(QStringLiteral("/card"));
        Click(tab, id);
    }

    LanguageScope scope;
    testing_support::ScriptedDialogs dialogs;
    testsupport::MemoryFileSystem files;
    MainWindow window{dialogs, files};
};

// The same clicks in either language: a music timer and a copy of its program on the general
// page, a radio timer on the special page, two dates on the date page. The files afterwards.
std::map<std::string, Bytes> CardAfterEditing(Language language) {
    namespace ids = pages::ids;
    namespace date_ids = pages::date_ids;
    Window w(language);
    EXPECT_TRUE(w.scope.Ok());
    w.OpenFolder(0, ids::kOpenFolder);
    w.Choose(0, ids::kMode, 0);
    w.Choose(0, ids::kStartHour, 7);
    w.Choose(0, ids::kEndHour, 8);
    w.Click(0, ids::kWeekdays[1]);
    w.Click(0, ids::kPower1);
    w.Click(0, ids::kZones[2]);
    w.Click(0, ids::kExternalCard);
    w.Choose(0, ids::kPlayMode, 1);
    w.Choose(0, ids::kLoopMode, 1);
    w.dialogs.AnswerMusicFiles({QStringLiteral("/music/morning.mp3"), QStringLiteral("/music/bell.wav")});
    w.Click(0, ids::kAddMusic);
    w.Click(0, ids::kSave);
    w.Choose(0, ids::kCopySource, 0);
    w.Choose(0, ids::kCopyTarget, 2);
    w.Click(0, ids::kCopy);

    w.OpenFolder(1, ids::kOpenFolder);
    w.Choose(1, ids::kProgram, 3);
    w.Choose(1, ids::kMode, 1);
    w.Choose(1, ids::kStartHour, 12);
    w.Choose(1, ids::kChannel, 25);
    w.Click(1, ids::kSave);

    w.OpenFolder(2, date_ids::kOpenFolder);
    w.Choose(2, date_ids::kProgram, 1);
    for (int day : {0, 9}) {
        w.Choose(2, date_ids::kDay, day);
        w.Click(2, date_ids::kAddDate);
    }
    w.Click(2, date_ids::kSave);
    EXPECT_TRUE(w.dialogs.AllAnswersUsed());
    EXPECT_TRUE(w.dialogs.FileErrors().empty());

    std::map<std::string, Bytes> card;
    for (const std::string& path : w.files.Paths()) card[path] = w.files.FileBytes(path).value();
    return card;
}

TEST(EnglishWindow, WritesTheSameBytesAsTheChineseOne) {
    const auto chinese = CardAfterEditing(Language::Chinese);
    // SCH01 and its copy SCH03, SPSCH04, SDATE02.
    ASSERT_EQ(chinese.size(), 4u);
    EXPECT_EQ(CardAfterEditing(Language::English), chinese);
}

bool HasChinese(const QString& text) {
    static const QRegularExpression han(QStringLiteral("\\p{Han}"));
    return text.contains(han);
}

// The text a person reads on a control, if it has one.
QString CaptionOf(const QWidget* control) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(control)) return frame->title();
    return {};
}

TEST(EnglishWindow, ShowsNoChineseCaptionAnywhere) {
    Window w(Language::English);
    ASSERT_TRUE(w.scope.Ok());
    EXPECT_EQ(w.window.windowTitle(), QStringLiteral("Schedule Player Tool"));
    EXPECT_EQ(w.window.Tabs().Bar().tabText(0), QStringLiteral("General Schedule"));
    EXPECT_EQ(w.Control<QPushButton>(0, pages::ids::kSave).text(), QStringLiteral("Save"));
    for (QWidget* control : w.window.findChildren<QWidget*>()) {
        SCOPED_TRACE(control->metaObject()->className() + std::string(" ") +
                     std::to_string(ui::ControlId(control)));
        EXPECT_FALSE(HasChinese(CaptionOf(control))) << CaptionOf(control).toStdString();
        if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
            for (int i = 0; i < combo->count(); ++i) EXPECT_FALSE(HasChinese(combo->itemText(i)));
        }
    }
    for (int tab = 0; tab < w.window.Tabs().Bar().count(); ++tab) {
        EXPECT_FALSE(HasChinese(w.window.Tabs().Bar().tabText(tab)));
    }
}

TEST(EnglishWindow, MessagesAndFileErrorsAreEnglish) {
    Window w(Language::English);
    w.Click(0, pages::ids::kSave);  // no save folder yet
    EXPECT_EQ(w.dialogs.Messages(),
              QStringList{QStringLiteral("Please set the save path of the programs first!")});
    EXPECT_EQ(ui::FileErrorMessage(core::FileError(core::FileErrorCause::DiskFull, "/card/SCH01.DAT")),
              QStringLiteral("The disk was full while accessing /card/SCH01.DAT."));
    EXPECT_EQ(ui::FileErrorMessage(core::FileError(core::FileErrorCause::FileNotFound, "")),
              QStringLiteral("an unnamed file was not found."));
    EXPECT_EQ(
        ui::FileErrorMessage(core::FileError(core::FileErrorCause::ReadBackMismatch, "/card/SCH01.DAT")),
        QStringLiteral("Write check failed: what was read back from the card differs from what was "
                       "written. This card may be damaged."));
}

TEST(EnglishWindow, ChineseNeedsNoTranslationAndStaysChinese) {
    Window w(Language::Chinese);
    EXPECT_TRUE(w.scope.Ok());
    EXPECT_EQ(w.window.windowTitle(), QStringLiteral("时程播放器使用工具"));
    EXPECT_EQ(ui::FileErrorMessage(core::FileError(core::FileErrorCause::DiskFull, "/card/SCH01.DAT")),
              QStringLiteral("在存取 /card/SCH01.DAT 时磁盘已满。"));
}

}  // namespace
