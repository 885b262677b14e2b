#pragma once

#include "ui/DialogBoxes.h"
#include "ui/Dialogs.h"

namespace ui {

// The real dialogs, run modally on screen with the application's words.
class SystemDialogs final : public Dialogs {
public:
    explicit SystemDialogs(DialogTexts texts) : m_texts(std::move(texts)) {}

    void ShowMessage(QWidget* owner, const QString& text) override;
    void ShowFileError(QWidget* owner, const core::FileError& error) override;
    std::optional<QString> BrowseForFolder(QWidget* owner) override;
    QStringList ChooseMusicFiles(QWidget* owner) override;
    void ShowAbout(QWidget* owner) override;
    std::optional<QString> AskSaveFile(QWidget* owner, const QString& title, const QString& filter) override;

private:
    DialogTexts m_texts;
};

}  // namespace ui
