#pragma once

#include <QString>

#include "ui/Messages.h"

// Texts of the message boxes of the schedule pages.
namespace pages::messages {

using ui::messages::kNoSaveFolder;
inline const QString kNoProgramSaveFolder = QStringLiteral("请先设置程序保存路径！！");
inline const QString kRepeatedStartTime = QStringLiteral("开始时间有重复！！");
using ui::messages::kSaved;
inline const QString kProgramFull = QStringLiteral("每组程序最多只能保存512个定时！");
inline const QString kTooManyMusicFiles = QStringLiteral("每个定时最多只能有65535个音乐文件！");
inline const QString kMusicNameTooLong = QStringLiteral("音乐文件名太长，最多只能有260个字符！");

}  // namespace pages::messages
