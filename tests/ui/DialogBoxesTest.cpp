#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "QtPrinters.h"

#include "ui/DialogBoxes.h"
#include "ui/ToolInfo.h"

using namespace ui;

namespace {

TEST(DialogBoxes, MessageBoxHasTheFixedCaptionOkAndNoIcon) {
    const auto box = MakeMessageBox(nullptr, "保存成功！");
    EXPECT_EQ(box->windowTitle(), "信息提示框");
    EXPECT_EQ(box->text(), "保存成功！");
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
}

TEST(DialogBoxes, FileErrorBoxNamesCauseAndFileUnderAStopIcon) {
    const core::FileError error(core::FileErrorCause::DiskFull, "/media/sd/SCH01.DAT");
    const auto box = MakeFileErrorBox(nullptr, error);
    EXPECT_EQ(box->text(), "在存取 /media/sd/SCH01.DAT 时磁盘已满。");
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box->windowTitle(), ToolName());
}

TEST(DialogBoxes, AboutBoxShowsNameAndVersion) {
    const auto box = MakeAboutBox(nullptr);
    EXPECT_TRUE(box->text().contains("时程播放器使用工具"));
    EXPECT_TRUE(box->text().contains(ToolVersion()));
    EXPECT_FALSE(ToolVersion().isEmpty());
}

TEST(DialogBoxes, FolderBrowserOffersFoldersOnly) {
    const auto dialog = MakeFolderDialog(nullptr);
    EXPECT_EQ(dialog->windowTitle(), "请选择文件夹：");
    EXPECT_EQ(dialog->fileMode(), QFileDialog::Directory);
    EXPECT_TRUE(dialog->testOption(QFileDialog::ShowDirsOnly));
}

TEST(DialogBoxes, MusicChooserTakesSeveralFilesUnderOneFilter) {
    const auto dialog = MakeMusicFileDialog(nullptr);
    EXPECT_EQ(dialog->windowTitle(), "选择音乐文件");
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFiles);
    EXPECT_EQ(dialog->nameFilters(), QStringList{"音乐文件 (*.MP3 *.WMA *.WAV *.AAC *.OGG *.APE *.FLA)"});
    EXPECT_FALSE(dialog->testOption(QFileDialog::ReadOnly));
}

// The names the music chooser lists in `folder`, once its directory reading has finished.
QStringList ListedNames(QFileDialog& dialog, const QString& folder, int expected) {
    dialog.setDirectory(folder);
    dialog.show();
    auto* view = dialog.findChild<QListView*>("listView");
    if (view == nullptr) return {"no list view"};
    QStringList names;
    (void)QTest::qWaitFor([&] {
        names.clear();
        const QModelIndex root = view->rootIndex();
        for (int row = 0; row < view->model()->rowCount(root); ++row) {
            const QModelIndex index = view->model()->index(row, 0, root);
            if (view->model()->flags(index) & Qt::ItemIsEnabled) names << index.data().toString();
        }
        return names.size() >= expected;
    });
    names.sort();
    return names;
}

TEST(DialogBoxes, MusicChooserMatchesNamesInAnyLetterCase) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const char* name : {"a.mp3", "B.Wav", "c.FLA", "d.ogg", "notes.txt", "e.mp4"}) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const auto dialog = MakeMusicFileDialog(nullptr);
    EXPECT_EQ(ListedNames(*dialog, folder.path(), 4),
              (QStringList{"B.Wav", "a.mp3", "c.FLA", "d.ogg"}));
}

}  // namespace
