// Draws the application icon into the folder given as the first argument, laid out as the
// hicolor theme wants it (16x16/apps/NAME.png ...), at each size given after the folder.
#include <QDir>
#include <QString>
#include <iostream>

#include "app/AppIcon.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::cerr << "usage: " << argv[0] << " FOLDER NAME SIZE...\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLatin1(argv[i]).toInt();
        const QString apps = QStringLiteral("%1x%1/apps").arg(size);
        if (size <= 0 || !folder.mkpath(apps) ||
            !AppIconImage(size).save(folder.filePath(apps + QLatin1Char('/') + name + QStringLiteral(".png")))) {
            std::cerr << "cannot draw the icon at " << argv[i] << " pixels into " << argv[1] << '\n';
            return 1;
        }
    }
    return 0;
}
