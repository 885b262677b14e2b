#pragma once

#include <QString>

namespace ui {

// The tool's name, as its window title and about box show it: "时程播放器使用工具".
QString ToolName();
// The version of this build, from the project version ("1.0.0").
QString ToolVersion();

}  // namespace ui
