#include "app/Application.h"

#include <QTimer>

#include "app/AppIcon.h"
#include "app/AppTexts.h"
#include "app/MainWindow.h"
#include "core/fs/FileSystem.h"
#include "ui/SystemDialogs.h"

Application::Application(char* programName, Language language)
    : m_argv{programName, nullptr}, m_app(m_argc, m_argv), m_language(language) {
    QApplication::setWindowIcon(AppIcon());
    if (!m_language.Ok()) qWarning("The English translation could not be loaded; the window speaks Chinese.");
}

void Application::Run(bool quitAfterStart) {
    ui::SystemDialogs dialogs(ApplicationDialogTexts());
    MainWindow window(dialogs, core::SystemFileSystem());
    if (quitAfterStart) QTimer::singleShot(0, &window, &QDialog::reject);
    window.exec();  // how the window was closed does not matter
}
