#include "app/AppTexts.h"

QString ToolName() { return QStringLiteral("时程播放器使用工具"); }

QString ToolVersion() { return QStringLiteral(TAVREL_VERSION); }

QString TabCaption(int tab) {
    switch (tab) {
    case 0: return QStringLiteral("一般时程设置");
    case 1: return QStringLiteral("特殊时程设置");
    case 2: return QStringLiteral("特殊日期设置");
    case 3: return QStringLiteral("全卡总览");
    default: return {};
    }
}

ui::DialogTexts ApplicationDialogTexts() {
    return {
        QStringLiteral("信息提示框"),
        ToolName(),
        QStringLiteral("关于 Tavrel"),
        QStringLiteral("%1\n版本 %2\n\n编辑时程播放器从 SD 卡读取的一般时程、特殊时程和特殊日期。")
            .arg(ToolName(), ToolVersion()),
        QStringLiteral("请选择文件夹："),
        QStringLiteral("选择音乐文件"),
        QStringLiteral("音乐文件 (*.MP3 *.WMA *.WAV *.AAC *.OGG *.APE *.FLA)"),
    };
}
