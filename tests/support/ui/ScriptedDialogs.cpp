#include "tests/support/ui/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include "core/text/FileErrorText.h"

namespace testing_support {

void ScriptedDialogs::AnswerFolder(const QString& path) { m_folderAnswers.emplace_back(path); }

void ScriptedDialogs::CancelFolder() { m_folderAnswers.emplace_back(std::nullopt); }

void ScriptedDialogs::AnswerMusicFiles(const QStringList& files) { m_musicAnswers.push_back(files); }

QStringList ScriptedDialogs::FileErrorTexts() const {
    QStringList texts;
    for (const auto& error : m_fileErrors) {
        texts << QString::fromStdString(core::FileErrorText(error));
    }
    return texts;
}

void ScriptedDialogs::ClearShown() {
    m_messages.clear();
    m_fileErrors.clear();
    m_saveFileTitles.clear();
    m_folderRequests = m_musicRequests = m_aboutBoxes = 0;
}

void ScriptedDialogs::ShowMessage(QWidget*, const QString& text) { m_messages << text; }

void ScriptedDialogs::ShowFileError(QWidget*, const core::FileError& error) { m_fileErrors.push_back(error); }

namespace {

// Takes the first of `answers`; none queued fails the running test and reads as a cancel.
std::optional<QString> TakePathAnswer(std::deque<std::optional<QString>>& answers, const char* question) {
    if (answers.empty()) {
        ADD_FAILURE() << question << " opened with no answer queued";
        return std::nullopt;
    }
    // Built from the front's parts: g++ 12 warns falsely when an optional<QString> is copied.
    const bool cancelled = !answers.front().has_value();
    const QString path = answers.front().value_or(QString());
    answers.pop_front();
    if (cancelled) return std::nullopt;
    return path;
}

}  // namespace

std::optional<QString> ScriptedDialogs::BrowseForFolder(QWidget*) {
    ++m_folderRequests;
    return TakePathAnswer(m_folderAnswers, "folder browser");
}

void ScriptedDialogs::AnswerSaveFile(std::optional<QString> path) {
    m_saveFileAnswers.push_back(std::move(path));
}

std::optional<QString> ScriptedDialogs::AskSaveFile(QWidget*, const QString& title, const QString&) {
    m_saveFileTitles << title;
    return TakePathAnswer(m_saveFileAnswers, "save-file question");
}

QStringList ScriptedDialogs::ChooseMusicFiles(QWidget*) {
    ++m_musicRequests;
    if (m_musicAnswers.empty()) {
        ADD_FAILURE() << "music chooser opened with no answer queued";
        return {};
    }
    QStringList answer = m_musicAnswers.front();
    m_musicAnswers.pop_front();
    return answer;
}

void ScriptedDialogs::ShowAbout(QWidget*) { ++m_aboutBoxes; }

}  // namespace testing_support
