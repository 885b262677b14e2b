#include "Tavrel.h"

#include "AppIcon.h"
#include "TavrelDlg.h"
#include "platform/FileSystem.h"
#include "ui/Dialogs.h"

CTavrelApp::CTavrelApp(char* programName) : m_argv{programName, nullptr}, m_app(m_argc, m_argv) {
    QApplication::setWindowIcon(AppIcon());
}

bool CTavrelApp::InitInstance() {
    CTavrelDlg dlg(ui::SystemDialogs(), platform::SystemFileSystem());
    dlg.exec();  // how the window was closed does not matter
    return false;
}
