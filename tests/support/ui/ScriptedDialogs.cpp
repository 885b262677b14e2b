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
    m_folderRequests = m_musicRequests = m_aboutBoxes = 0;
}

void ScriptedDialogs::ShowMessage(QWidget*, const QString& text) { m_messages << text; }

void ScriptedDialogs::ShowFileError(QWidget*, const core::FileError& error) { m_fileErrors.push_back(error); }

std::optional<QString> ScriptedDialogs::BrowseForFolder(QWidget*) {
    ++m_folderRequests;
    if (m_folderAnswers.empty()) {
        ADD_FAILURE() << "folder browser opened with no answer queued";
        return std::nullopt;
    }
    // Built from the front's parts: g++ 12 warns falsely when an optional<QString> is copied.
    const bool cancelled = !m_folderAnswers.front().has_value();
    const QString path = m_folderAnswers.front().value_or(QString());
    m_folderAnswers.pop_front();
    if (cancelled) return std::nullopt;
    return path;
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
