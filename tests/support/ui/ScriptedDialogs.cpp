#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

#include "core/text/FileErrorText.h"

namespace testing_support {

void ScriptedDialogs::AnswerFolder(const QString& path) { folderAnswers_.emplace_back(path); }

void ScriptedDialogs::CancelFolder() { folderAnswers_.emplace_back(std::nullopt); }

void ScriptedDialogs::AnswerMusicFiles(const QStringList& files) { musicAnswers_.push_back(files); }

QStringList ScriptedDialogs::FileErrorTexts() const {
    QStringList texts;
    for (const auto& error : fileErrors_) {
        texts << QString::fromStdString(core::FileErrorText(error));
    }
    return texts;
}

void ScriptedDialogs::ClearShown() {
    messages_.clear();
    fileErrors_.clear();
    saveFileTitles_.clear();
    folderRequests_ = musicRequests_ = aboutBoxes_ = 0;
}

void ScriptedDialogs::ShowMessage(QWidget*, const QString& text) { messages_ << text; }

void ScriptedDialogs::ShowFileError(QWidget*, const core::FileError& error) {
    fileErrors_.push_back(error);
}

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
    ++folderRequests_;
    return TakePathAnswer(folderAnswers_, "folder browser");
}

void ScriptedDialogs::AnswerSaveFile(std::optional<QString> path) {
    saveFileAnswers_.push_back(std::move(path));
}

std::optional<QString> ScriptedDialogs::AskSaveFile(QWidget*, const QString& title, const QString&) {
    saveFileTitles_ << title;
    return TakePathAnswer(saveFileAnswers_, "save-file question");
}

QStringList ScriptedDialogs::ChooseMusicFiles(QWidget*) {
    ++musicRequests_;
    if (musicAnswers_.empty()) {
        ADD_FAILURE() << "music chooser opened with no answer queued";
        return {};
    }
    QStringList answer = musicAnswers_.front();
    musicAnswers_.pop_front();
    return answer;
}

void ScriptedDialogs::ShowAbout(QWidget*) { ++aboutBoxes_; }

}  // namespace testing_support
