#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

#include "ui/Dialogs.h"

namespace testing_support {

// Dialogs for tests: shows nothing, records what a page showed and answers the folder browser
// and the music chooser from queues the test fills beforehand. A question with no answer queued
// fails the running test and is answered as cancelled.
class ScriptedDialogs : public ui::Dialogs {
public:
    // The next folder browser returns `path`.
    void AnswerFolder(const QString& path);
    // The next folder browser is cancelled.
    void CancelFolder();
    // The next music chooser returns `files` (an empty list is a cancel).
    void AnswerMusicFiles(const QStringList& files);
    // The next save-file question returns `path`; nothing is a cancel.
    void AnswerSaveFile(std::optional<QString> path);

    // Texts of the message boxes, in the order shown.
    const QStringList& Messages() const { return messages_; }
    // The file errors shown, in order.
    const std::vector<core::FileError>& FileErrors() const { return fileErrors_; }
    // Their texts as the error box shows them.
    QStringList FileErrorTexts() const;
    int FolderRequests() const { return folderRequests_; }
    int MusicRequests() const { return musicRequests_; }
    int AboutBoxesShown() const { return aboutBoxes_; }
    // The titles of the save-file questions asked, in order.
    const QStringList& SaveFileTitles() const { return saveFileTitles_; }
    // True when every queued answer has been asked for.
    bool AllAnswersUsed() const {
        return folderAnswers_.empty() && musicAnswers_.empty() && saveFileAnswers_.empty();
    }
    // Forgets what was shown (queued answers stay).
    void ClearShown();

    void ShowMessage(QWidget* owner, const QString& text) override;
    void ShowFileError(QWidget* owner, const core::FileError& error) override;
    std::optional<QString> BrowseForFolder(QWidget* owner) override;
    QStringList ChooseMusicFiles(QWidget* owner) override;
    void ShowAbout(QWidget* owner) override;
    std::optional<QString> AskSaveFile(QWidget* owner, const QString& title, const QString& filter) override;

private:
    QStringList messages_;
    std::vector<core::FileError> fileErrors_;
    std::deque<std::optional<QString>> folderAnswers_;
    std::deque<QStringList> musicAnswers_;
    std::deque<std::optional<QString>> saveFileAnswers_;
    QStringList saveFileTitles_;
    int folderRequests_ = 0;
    int musicRequests_ = 0;
    int aboutBoxes_ = 0;
};

}  // namespace testing_support
