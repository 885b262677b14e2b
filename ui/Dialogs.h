#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "core/fs/FileError.h"

class QWidget;

namespace ui {

// The dialogs that wait for a person. Pages reach them only through this interface, so tests
// can script the answers.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Message box captioned "信息提示框", OK only, no icon.
    virtual void ShowMessage(QWidget* owner, const QString& text) = 0;
    // Error box with a stop icon and OK, whose text names the cause and the file.
    virtual void ShowFileError(QWidget* owner, const core::FileError& error) = 0;
    // Folder browser titled "请选择文件夹：", file-system folders only. Nothing when cancelled.
    virtual std::optional<QString> BrowseForFolder(QWidget* owner) = 0;
    // Music file chooser titled "选择音乐文件", several files at once. The chosen files as full
    // paths in the order the chooser gives them; empty when cancelled.
    virtual QStringList ChooseMusicFiles(QWidget* owner) = 0;
    // The modal about box.
    virtual void ShowAbout(QWidget* owner) = 0;
    // Save-file question titled `title`, offering the files `filter` names ("PDF 文件 (*.pdf)").
    // The chosen path; nothing when cancelled.
    virtual std::optional<QString> AskSaveFile(QWidget* owner, const QString& title,
                                               const QString& filter) = 0;
};

}  // namespace ui
