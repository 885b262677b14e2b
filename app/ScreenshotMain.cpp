// Saves a picture of the main window for each tab into the folder given as the argument:
// general.png, special.png, dates.png. Run on a real display (scripts/screenshot starts it
// under Xvfb), so the pictures show the fonts as a person sees them.
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTabBar>
#include <QWindow>
#include <iostream>

#include "app/AppIcon.h"
#include "app/AppTexts.h"
#include "app/MainWindow.h"
#include "core/fs/FileSystem.h"
#include "ui/SystemDialogs.h"

namespace {

const char* const kPictureNames[] = {"general.png", "special.png", "dates.png"};

void WaitUntilExposed(QWidget& window) {
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    QApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " FOLDER\n";
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setWindowIcon(AppIcon());
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    ui::SystemDialogs dialogs(ApplicationDialogTexts());
    MainWindow dlg(dialogs, core::SystemFileSystem());
    dlg.show();
    WaitUntilExposed(dlg);

    const QSize screen = dlg.screen()->size();
    std::cout << "window " << dlg.frameGeometry().width() << "x" << dlg.frameGeometry().height()
              << " on a screen of " << screen.width() << "x" << screen.height() << " at " << dlg.logicalDpiY()
              << " dpi\n";

    for (int tab = 0; tab < dlg.Tabs().Bar().count(); ++tab) {
        dlg.Tabs().Bar().setCurrentIndex(tab);
        QApplication::processEvents();
        const QString path = folder.filePath(QString::fromUtf8(kPictureNames[tab]));
        if (!dlg.grab().save(path)) {
            std::cerr << "cannot write " << path.toStdString() << '\n';
            return 1;
        }
        std::cout << path.toStdString() << '\n';
    }
    return 0;
}
