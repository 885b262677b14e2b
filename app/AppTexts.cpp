#include "app/AppTexts.h"

#include <QCoreApplication>

QString ToolName() { return QCoreApplication::translate("App", "时程播放器使用工具"); }

QString ToolVersion() { return QStringLiteral(TAVREL_VERSION); }

QString TabCaption(int tab) {
    switch (tab) {
    case 0: return QCoreApplication::translate("App", "一般时程设置");
    case 1: return QCoreApplication::translate("App", "特殊时程设置");
    case 2: return QCoreApplication::translate("App", "特殊日期设置");
    case 3: return QCoreApplication::translate("App", "全卡总览");
    default: return {};
    }
}

QString StoppedText(const QString& detail) {
    if (detail.isEmpty()) return QCoreApplication::translate("App", "内存不足，这次操作没有完成。");
    return QCoreApplication::translate("App", "发生了意外的错误，这次操作没有完成：%1").arg(detail);
}

ui::DialogTexts ApplicationDialogTexts() {
    return {
        QCoreApplication::translate("App", "信息提示框"),
        ToolName(),
        QCoreApplication::translate("App", "关于 Tavrel"),
        QCoreApplication::translate(
            "App", "%1\n版本 %2\n\n编辑时程播放器从 SD 卡读取的一般时程、特殊时程和特殊日期。")
            .arg(ToolName(), ToolVersion()),
        QCoreApplication::translate("App", "请选择文件夹："),
        QCoreApplication::translate("App", "选择音乐文件"),
        QCoreApplication::translate("App", "音乐文件 (*.MP3 *.WMA *.WAV *.AAC *.OGG *.APE *.FLA)"),
    };
}
