#pragma once

#include <QString>
#include <memory>

#include "core/fs/FileError.h"

class QFileDialog;
class QMessageBox;
class QWidget;

namespace ui {

// The boxes behind SystemDialogs, built but not shown, so their set-up can be checked.

// "信息提示框", the text, OK, no icon.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* owner, const QString& text);
// Stop icon, OK, the cause and the file in the text, the tool's name as caption.
std::unique_ptr<QMessageBox> MakeFileErrorBox(QWidget* owner, const core::FileError& error);
// The tool's name, version and purpose.
std::unique_ptr<QMessageBox> MakeAboutBox(QWidget* owner);
// "请选择文件夹：", folders only.
std::unique_ptr<QFileDialog> MakeFolderDialog(QWidget* owner);
// "选择音乐文件", several existing files, music names in any letter case.
std::unique_ptr<QFileDialog> MakeMusicFileDialog(QWidget* owner);

// The one filter of the music chooser.
inline constexpr char kMusicFileFilter[] = "音乐文件 (*.MP3 *.WMA *.WAV *.AAC *.OGG *.APE *.FLA)";

}  // namespace ui
