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
    const QStringList& Messages() const { return m_messages; }
    // The file errors shown, in order.
    const std::vector<core::FileError>& FileErrors() const { return m_fileErrors; }
    // Their texts as the error box shows them.
    QStringList FileErrorTexts() const;
    int FolderRequests() const { return m_folderRequests; }
    int MusicRequests() const { return m_musicRequests; }
    int AboutBoxesShown() const { return m_aboutBoxes; }
    // The titles of the save-file questions asked, in order.
    const QStringList& SaveFileTitles() const { return m_saveFileTitles; }
    // True when every queued answer has been asked for.
    bool AllAnswersUsed() const {
        return m_folderAnswers.empty() && m_musicAnswers.empty() && m_saveFileAnswers.empty();
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
    QStringList m_messages;
    std::vector<core::FileError> m_fileErrors;
    std::deque<std::optional<QString>> m_folderAnswers;
    std::deque<QStringList> m_musicAnswers;
    std::deque<std::optional<QString>> m_saveFileAnswers;
    QStringList m_saveFileTitles;
    int m_folderRequests = 0;
    int m_musicRequests = 0;
    int m_aboutBoxes = 0;
};

}  // namespace testing_support
