#pragma once

#include <QDialog>
#include <array>
#include <optional>
#include <string>

#include "app/TabStrip.h"
#include "pages/dates/SpecialDatePage.h"
#include "pages/overview/OverviewPage.h"
#include "pages/schedule/SchedulePage.h"

namespace core {
class FileSystem;
}
namespace ui {
class Dialogs;
}

// The main window: a tab strip with one tab per page. The four pages live as long as the
// window and are only shown and hidden on a tab change, so each keeps its controls, save folder
// and loaded data. Enter moves the focus like Tab, Esc does nothing, F1 and the about entry open
// the about box; the close button, Alt+F4 and every page's "退出" end the modal run at once.
class MainWindow : public QDialog {
    Q_OBJECT

public:
    // The dialogs and the file system are handed on to the pages.
    MainWindow(ui::Dialogs& dialogs, core::FileSystem& fileSystem);

    TabStrip& Tabs() { return m_tab; }
    // The page of tab 0 to 3; nullptr for any other tab.
    QWidget* Page(int tab);

protected:
    // Takes the about entry from the system menu where the platform has one.
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void SetUpWindow();
    void ShowCurrentPage();
    void ShowAbout();
    // The folder opened last on an editing page, as the overview starts with it.
    std::string LastOpenedFolder();
    // Shows a file of the card on its editing page, at a timer when there is one.
    void OpenOnPage(const std::string& folder, core::CardFileId file, std::optional<int> timer);

    ui::Dialogs& m_dialogs;
    // Declared in the order of construction; destroyed in reverse, the pages before the strip
    // that holds them.
    TabStrip m_tab;
    pages::SchedulePage m_generalPage;
    pages::SchedulePage m_specialPage;
    pages::SpecialDatePage m_datePage;
    pages::OverviewPage m_overviewPage;
    // The save folders of the three editing pages when last looked at, and the last that changed.
    std::array<std::string, 3> m_seenFolders;
    std::string m_lastFolder;
};
