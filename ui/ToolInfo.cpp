#include "ui/ToolInfo.h"

namespace ui {

QString ToolName() { return QStringLiteral("时程播放器使用工具"); }

QString ToolVersion() { return QStringLiteral(TAVREL_VERSION); }

}  // namespace ui
