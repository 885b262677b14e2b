#pragma once

#include <QString>
#include <memory>

#include "core/fs/FileError.h"

class QFileDialog;
class QMessageBox;
class QWidget;

namespace ui {

// The words the application puts on the framework's dialogs; the framework has none of its own.
struct DialogTexts {
    QString messageCaption;  // caption of every message box
    QString errorCaption;    // caption of the file error box
    QString aboutCaption;
    QString aboutText;
    QString folderTitle;  // title of the folder browser
    QString filesTitle;   // title of the file chooser
    QString filesFilter;  // its one name filter, e.g. "Music (*.MP3 *.WAV)"
};

// The sentence for a failed file operation in the language of the window, naming the file.
QString FileErrorMessage(const core::FileError& error);

// The boxes behind SystemDialogs, built but not shown, so their set-up can be checked.

// The caption, the text, OK, no icon.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* owner, const QString& caption, const QString& text);
// Stop icon, OK, the cause and the file in the text (beneath it, for a sentence that does not
// name the file).
std::unique_ptr<QMessageBox> MakeFileErrorBox(QWidget* owner, const QString& caption,
                                              const core::FileError& error);
// Information icon, OK.
std::unique_ptr<QMessageBox> MakeAboutBox(QWidget* owner, const QString& caption, const QString& text);
// Folders only.
std::unique_ptr<QFileDialog> MakeFolderDialog(QWidget* owner, const QString& title);
// Several existing files, the filter's names matched in any letter case.
std::unique_ptr<QFileDialog> MakeFilesDialog(QWidget* owner, const QString& title, const QString& filter);

}  // namespace ui
