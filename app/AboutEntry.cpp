#include "app/AboutEntry.h"

#include <QAction>
#include <QCoreApplication>
#include <QWidget>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

QString AboutEntryText() { return QCoreApplication::translate("App", "关于 Tavrel(&A)..."); }

#ifdef Q_OS_WIN

void AddAboutEntry(QWidget* window, QWidget*, std::function<void()>) {
    HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(window->winId()), FALSE);
    const QString text = AboutEntryText();
    if (menu == nullptr || text.isEmpty()) return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kAboutCommandId, reinterpret_cast<LPCWSTR>(text.utf16()));
}

bool IsAboutCommand(const void* nativeMessage) {
    const auto* message = static_cast<const MSG*>(nativeMessage);
    // The low four bits of a system command are the system's own.
    return message->message == WM_SYSCOMMAND && (message->wParam & 0xFFF0) == kAboutCommandId;
}

#else

void AddAboutEntry(QWidget*, QWidget* strip, std::function<void()> showAbout) {
    auto* about = new QAction(AboutEntryText(), strip);
    QObject::connect(about, &QAction::triggered, strip, std::move(showAbout));
    strip->addAction(about);
    strip->setContextMenuPolicy(Qt::ActionsContextMenu);
}

bool IsAboutCommand(const void*) { return false; }

#endif
