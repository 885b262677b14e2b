#include "app/MainWindow.h"

#include <QShortcut>
#include <QTabBar>

#include "app/AboutEntry.h"
#include "app/AppIcon.h"
#include "app/AppTexts.h"
#include "ui/DialogBuilder.h"
#include "ui/DialogFont.h"
#include "ui/DialogUnits.h"
#include "ui/EnterAsTab.h"

namespace {

// The window's client area and the tab strip (control 1000) on it, in dialog units.
constexpr int kClientWidth = 440;
constexpr int kClientHeight = 408;
constexpr ui::DialogBox kTabStripBox{7, 7, 418, 394};
constexpr int kTabStripId = 1000;

constexpr int kTabCount = 4;
constexpr int kOverviewTab = 3;

}  // namespace

MainWindow::MainWindow(ui::Dialogs& dialogs, core::FileSystem& fileSystem)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      m_dialogs(dialogs),
      m_tab(this),
      m_generalPage(pages::GeneralScheduleVariant(), dialogs, fileSystem, &m_tab),
      m_specialPage(pages::SpecialScheduleVariant(), dialogs, fileSystem, &m_tab),
      m_datePage(dialogs, fileSystem, &m_tab),
      m_overviewPage(dialogs, fileSystem, &m_tab) {
    SetUpWindow();
}

QWidget* MainWindow::Page(int tab) {
    switch (tab) {
    case 0: return &m_generalPage;
    case 1: return &m_specialPage;
    case 2: return &m_datePage;
    case kOverviewTab: return &m_overviewPage;
    default: return nullptr;
    }
}

void MainWindow::SetUpWindow() {
    setFont(ui::DialogFont());
    const int dpi = ui::DialogDpi(this);
    setFixedSize(ui::DialogSizeToPixels(kClientWidth, kClientHeight, dpi));
    m_tab.setGeometry(ui::DialogBoxToPixels(kTabStripBox, dpi));
    m_tab.setProperty(ui::kControlIdProperty, kTabStripId);

    AddAboutEntry(this, &m_tab, [this] { ShowAbout(); });
    // There is no help content: F1 opens the about box.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, &MainWindow::ShowAbout);
    setWindowIcon(AppIcon());
    setWindowTitle(ToolName());

    for (int tab = 0; tab < kTabCount; ++tab) m_tab.Bar().addTab(TabCaption(tab));
    m_overviewPage.SetFolderSource([this] { return LastOpenedFolder(); });
    m_overviewPage.SetOpener([this](const std::string& folder, core::CardFileId file,
                                    std::optional<int> timer) { OpenOnPage(folder, file, timer); });
    m_tab.Bar().setCurrentIndex(0);
    connect(&m_tab.Bar(), &QTabBar::currentChanged, this, &MainWindow::ShowCurrentPage);

    // Every page gets the same rectangle, whatever its template's size.
    for (int tab = 0; tab < m_tab.Bar().count(); ++tab) Page(tab)->setGeometry(m_tab.PageRect());
    ShowCurrentPage();

    ui::InstallEnterAsTab(this);
}

void MainWindow::ShowCurrentPage() {
    QWidget* current = Page(m_tab.Bar().currentIndex());
    if (current == nullptr) return;
    // Show the new page before hiding the old one, so the focus can move over to it.
    current->show();
    for (int tab = 0; tab < m_tab.Bar().count(); ++tab) {
        if (Page(tab) != current) Page(tab)->hide();
    }
}

void MainWindow::ShowAbout() { m_dialogs.ShowAbout(this); }

std::string MainWindow::LastOpenedFolder() {
    // Only the page on screen takes input, so at most one folder changed since the last look;
    // the overview asks on every tab change to it.
    const std::array<std::string, 3> folders = {m_generalPage.editor().saveFolder(),
                                                m_specialPage.editor().saveFolder(),
                                                m_datePage.Editor().SaveFolder()};
    for (std::size_t page = 0; page < folders.size(); ++page) {
        if (folders[page] != m_seenFolders[page] && !folders[page].empty()) m_lastFolder = folders[page];
    }
    m_seenFolders = folders;
    return m_lastFolder;
}

void MainWindow::OpenOnPage(const std::string& folder, core::CardFileId file, std::optional<int> timer) {
    switch (file.kind) {
    case core::CardFileKind::GeneralSchedule:
        m_generalPage.OpenTimer(folder, file.program, timer.value_or(0));
        m_tab.Bar().setCurrentIndex(0);
        break;
    case core::CardFileKind::SpecialSchedule:
        m_specialPage.OpenTimer(folder, file.program, timer.value_or(0));
        m_tab.Bar().setCurrentIndex(1);
        break;
    case core::CardFileKind::SpecialDates:
        m_datePage.OpenProgram(folder, file.program);
        m_tab.Bar().setCurrentIndex(2);
        break;
    }
    // The pages' own folders changed on the overview's word: that is no new folder to follow.
    LastOpenedFolder();
}

bool MainWindow::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    if (IsAboutCommand(message)) {
        ShowAbout();
        *result = 0;
        return true;
    }
    return QDialog::nativeEvent(eventType, message, result);
}
