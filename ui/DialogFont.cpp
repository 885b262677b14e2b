#include "ui/DialogFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace ui {

namespace {

// Noto Sans and Serif CJK have a line too tall for the template boxes at 9 point.
bool IsTallCjkFamily(const QString& family) {
    return family.startsWith(QLatin1String("Noto Sans CJK")) ||
           family.startsWith(QLatin1String("Noto Serif CJK"));
}

QString ChooseFamily() {
    const QStringList installed = QFontDatabase::families();
    for (const char* preferred : {"宋体", "SimSun", "WenQuanYi Micro Hei"}) {
        const QString family = QString::fromUtf8(preferred);
        if (installed.contains(family, Qt::CaseInsensitive)) return family;
    }
    QString tallFallback;
    for (const QString& family : QFontDatabase::families(QFontDatabase::SimplifiedChinese)) {
        if (!IsTallCjkFamily(family)) return family;
        if (tallFallback.isEmpty()) tallFallback = family;
    }
    return tallFallback;  // empty: no CJK font at all, Qt's default font then stands in
}

}  // namespace

QFont DialogFont() {
    static const QString family = ChooseFamily();
    QFont font;
    if (!family.isEmpty()) font.setFamily(family);
    font.setPointSize(kDialogFontPoints);
    return font;
}

}  // namespace ui
