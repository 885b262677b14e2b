#pragma once

#include <QString>

// Message texts that more than one page shows.
namespace ui::messages {

inline const QString kNoSaveFolder = QStringLiteral("请先设置定时程序保存路径！！");
inline const QString kSaved = QStringLiteral("保存成功！");

}  // namespace ui::messages
