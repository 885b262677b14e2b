#pragma once

#include <QString>

#include "ui/DialogBoxes.h"

// The application's own words: its name, version, tab captions and the words on the
// framework's dialogs.

// The tool's name, as its window title and error boxes show it: "时程播放器使用工具".
QString ToolName();
// The version of this build, from the project version ("1.0.0").
QString ToolVersion();
// The four tabs: "一般时程设置", "特殊时程设置", "特殊日期设置", "全卡总览".
QString TabCaption(int tab);

// What the window says when something it did not expect stopped what it was doing: memory ran
// out (no `detail`), or an error with its own words.
QString StoppedText(const QString& detail);
// The words on message boxes, error boxes, the about box and the choosers.
ui::DialogTexts ApplicationDialogTexts();
