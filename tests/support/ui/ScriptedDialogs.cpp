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
    folderRequests_ = musicRequests_ = aboutBoxes_ = 0;
}

void ScriptedDialogs::ShowMessage(QWidget*, const QString& text) { messages_ << text; }

void ScriptedDialogs::ShowFileError(QWidget*, const core::FileError& error) { fileErrors_.push_back(error); }

std::optional<QString> ScriptedDialogs::BrowseForFolder(QWidget*) {
    ++folderRequests_;
    if (folderAnswers_.empty()) {
        ADD_FAILURE() << "folder browser opened with no answer queued";
        return std::nullopt;
    }
    // Built from the front's parts: g++ 12 warns falsely when an optional<QString> is copied.
    const bool cancelled = !folderAnswers_.front().has_value();
    const QString path = folderAnswers_.front().value_or(QString());
    folderAnswers_.pop_front();
    if (cancelled) return std::nullopt;
    return path;
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
