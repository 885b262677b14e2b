#include "app/Application.h"

#include "app/AppIcon.h"
#include "app/AppTexts.h"
#include "app/MainWindow.h"
#include "core/fs/FileSystem.h"
#include "ui/SystemDialogs.h"

Application::Application(char* programName) : m_argv{programName, nullptr}, m_app(m_argc, m_argv) {
    QApplication::setWindowIcon(AppIcon());
}

void Application::Run() {
    ui::SystemDialogs dialogs(ApplicationDialogTexts());
    MainWindow window(dialogs, core::SystemFileSystem());
    window.exec();  // how the window was closed does not matter
}
