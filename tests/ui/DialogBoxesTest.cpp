#include <gtest/gtest.h>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include "tests/support/ui/QtPrinters.h"

#include "ui/DialogBoxes.h"

using namespace ui;

namespace {

const QString kMusicFilter = "音乐文件 (*.MP3 *.WMA *.WAV *.AAC *.OGG *.APE *.FLA)";

TEST(DialogBoxes, MessageBoxHasTheCaptionOkAndNoIcon) {
    const auto box = MakeMessageBox(nullptr, "信息提示框", "保存成功！");
    EXPECT_EQ(box->windowTitle(), "信息提示框");
    EXPECT_EQ(box->text(), "保存成功！");
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
}

TEST(DialogBoxes, FileErrorBoxNamesCauseAndFileUnderAStopIcon) {
    const core::FileError error(core::FileErrorCause::DiskFull, "/media/sd/SCH01.DAT");
    const auto box = MakeFileErrorBox(nullptr, "时程播放器使用工具", error);
    EXPECT_EQ(box->text(), "在存取 /media/sd/SCH01.DAT 时磁盘已满。");
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box->windowTitle(), "时程播放器使用工具");
}

// The write check's sentence is about the card and does not name the file: the file goes beneath.
TEST(DialogBoxes, FileErrorBoxPutsTheFileBeneathASentenceThatDoesNotNameIt) {
    const core::FileError error(core::FileErrorCause::ReadBackMismatch, "/media/sd/SCH01.DAT");
    const auto box = MakeFileErrorBox(nullptr, "时程播放器使用工具", error);
    EXPECT_EQ(box->text(), "写入校验失败：卡上读回的内容与写入的不同，这张卡可能已损坏。");
    EXPECT_EQ(box->informativeText(), "/media/sd/SCH01.DAT");
    const auto named =
        MakeFileErrorBox(nullptr, "时程播放器使用工具",
                         core::FileError(core::FileErrorCause::DiskFull, "/media/sd/SCH01.DAT"));
    EXPECT_TRUE(named->informativeText().isEmpty()) << "a sentence that names the file says it once";
}

TEST(DialogBoxes, AboutBoxShowsItsCaptionAndText) {
    const auto box = MakeAboutBox(nullptr, "关于 Tavrel", "时程播放器使用工具\n版本 1.0.0");
    EXPECT_EQ(box->windowTitle(), "关于 Tavrel");
    EXPECT_EQ(box->text(), "时程播放器使用工具\n版本 1.0.0");
    EXPECT_EQ(box->icon(), QMessageBox::Information);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
}

TEST(DialogBoxes, FolderBrowserOffersFoldersOnly) {
    const auto dialog = MakeFolderDialog(nullptr, "请选择文件夹：");
    EXPECT_EQ(dialog->windowTitle(), "请选择文件夹：");
    EXPECT_EQ(dialog->fileMode(), QFileDialog::Directory);
    EXPECT_TRUE(dialog->testOption(QFileDialog::ShowDirsOnly));
}

TEST(DialogBoxes, FileChooserTakesSeveralFilesUnderOneFilter) {
    const auto dialog = MakeFilesDialog(nullptr, "选择音乐文件", kMusicFilter);
    EXPECT_EQ(dialog->windowTitle(), "选择音乐文件");
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFiles);
    EXPECT_EQ(dialog->nameFilters(), QStringList{kMusicFilter});
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

TEST(DialogBoxes, FileChooserMatchesNamesInAnyLetterCase) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const char* name : {"a.mp3", "B.Wav", "c.FLA", "d.ogg", "notes.txt", "e.mp4"}) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const auto dialog = MakeFilesDialog(nullptr, "选择音乐文件", kMusicFilter);
    EXPECT_EQ(ListedNames(*dialog, folder.path(), 4), (QStringList{"B.Wav", "a.mp3", "c.FLA", "d.ogg"}));
}

}  // namespace
