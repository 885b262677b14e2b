#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "tests/support/ui/QtPrinters.h"

#include "tests/support/ui/ScriptedDialogs.h"

namespace {

TEST(ScriptedDialogs, RecordsWhatWasShownAndAnswersInQueueOrder) {
    testing_support::ScriptedDialogs dialogs;
    dialogs.AnswerFolder("/media/sd");
    dialogs.CancelFolder();
    dialogs.AnswerMusicFiles({"/music/a.mp3", "/music/b.wav"});

    dialogs.ShowMessage(nullptr, "保存成功！");
    dialogs.ShowFileError(nullptr, core::FileError(core::FileErrorCause::FileNotFound, ""));
    EXPECT_EQ(dialogs.BrowseForFolder(nullptr), std::optional<QString>("/media/sd"));
    EXPECT_EQ(dialogs.BrowseForFolder(nullptr), std::nullopt);
    EXPECT_EQ(dialogs.ChooseMusicFiles(nullptr), (QStringList{"/music/a.mp3", "/music/b.wav"}));
    dialogs.ShowAbout(nullptr);

    EXPECT_EQ(dialogs.Messages(), QStringList{"保存成功！"});
    EXPECT_EQ(dialogs.FileErrorTexts(), QStringList{"没有找到 一未命名文件。"});
    EXPECT_EQ(dialogs.FolderRequests(), 2);
    EXPECT_EQ(dialogs.MusicRequests(), 1);
    EXPECT_EQ(dialogs.AboutBoxesShown(), 1);
    EXPECT_TRUE(dialogs.AllAnswersUsed());
}

TEST(ScriptedDialogs, AQuestionWithoutAnAnswerFailsTheTestAndCancels) {
    testing_support::ScriptedDialogs dialogs;
    std::optional<QString> folder = QString("unset");
    EXPECT_NONFATAL_FAILURE(folder = dialogs.BrowseForFolder(nullptr), "no answer queued");
    EXPECT_EQ(folder, std::nullopt);
    QStringList files{"unset"};
    EXPECT_NONFATAL_FAILURE(files = dialogs.ChooseMusicFiles(nullptr), "no answer queued");
    EXPECT_TRUE(files.isEmpty());
}

}  // namespace
