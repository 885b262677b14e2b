// Saves a picture of the main window for each tab into the folder given as the last argument
// (with --lang en, in English):
// general.png, special.png, dates.png and overview.png, the last with a sample card written
// into a temporary folder, and history.png: the overview's history after a program copy, kept in
// a temporary history folder. Run on a real display (scripts/screenshot starts it
// under Xvfb), so the pictures show the fonts as a person sees them.
#include <QApplication>
#include <QListWidget>
#include <QTabWidget>
#include <QDir>
#include <QScreen>
#include <QTabBar>
#include <QTemporaryDir>
#include <QWindow>
#include <iostream>

#include "app/AppIcon.h"
#include "app/AppTexts.h"
#include "app/MainWindow.h"
#include "app/Translation.h"
#include "core/card/CardFiles.h"
#include "core/dates/SpecialDateFile.h"
#include "core/editing/ScheduleEditor.h"
#include "core/fs/FileSystem.h"
#include "core/schedule/ScheduleFile.h"
#include "pages/overview/OverviewIds.h"
#include "pages/overview/OverviewPage.h"
#include "ui/SystemDialogs.h"

namespace {

const char* const kPictureNames[] = {"general.png", "special.png", "dates.png", "overview.png"};

core::TimerData SampleTimer(std::uint16_t mode, int from, int to, std::uint32_t weekdays) {
    core::TimerData timer;
    timer.record.mode = mode;
    timer.record.startHour = static_cast<std::uint8_t>(from);
    timer.record.endHour = static_cast<std::uint8_t>(to);
    timer.record.weekdays = weekdays;
    timer.record.power = core::kPower1;
    timer.record.zones = core::kAllZones;
    timer.record.frequency = mode == core::kRadioTimer ? 9010 : 0;
    if (mode == core::kMusicTimer) {
        timer.musicNames = {u"morning.mp3", u"bell.mp3"};
        timer.record.musicCount = 2;
    }
    return timer;
}

// A small card for the overview's picture: two general programs, one special program and two
// date lists sharing a day, so the findings list has something to say.
bool WriteSampleCard(const std::string& folder) {
    core::FileSystem& fs = core::SystemFileSystem();
    using core::CardFileKind;
    const std::string sch01 = core::CardFilePath(folder, CardFileKind::GeneralSchedule, 0);
    const core::SpecialDate first[] = {{1, 1}, {5, 1}, {10, 1}};
    const core::SpecialDate second[] = {{10, 1}};
    return core::CreateScheduleFile(fs, sch01, 0, SampleTimer(core::kMusicTimer, 7, 8, core::kMondayToFriday))
               .ok() &&
           core::AppendTimer(fs, sch01, SampleTimer(core::kRadioTimer, 12, 13, core::kMondayToFriday)).ok() &&
           core::AppendTimer(fs, sch01, SampleTimer(core::kPowerTimer, 12, 14, 0x7F)).ok() &&
           core::AppendTimer(fs, sch01, SampleTimer(core::kMusicTimer, 17, 19, 1u << 0 | 1u << 6)).ok() &&
           core::CreateScheduleFile(fs, core::CardFilePath(folder, CardFileKind::GeneralSchedule, 1), 1,
                                    SampleTimer(core::kPowerTimer, 6, 22, 0x7F))
               .ok() &&
           core::CreateScheduleFile(fs, core::CardFilePath(folder, CardFileKind::SpecialSchedule, 0), 0,
                                    SampleTimer(core::kMusicTimer, 9, 11, 0))
               .ok() &&
           core::WriteDateFile(fs, core::CardFilePath(folder, CardFileKind::SpecialDates, 0), first).ok() &&
           core::WriteDateFile(fs, core::CardFilePath(folder, CardFileKind::SpecialDates, 1), second).ok();
}

// Copies the second general program over the first, as the general page's 复制 does, so that
// the card's history has an entry to show.
bool CopySecondProgramOverFirst(const std::string& folder) {
    core::ScheduleEditor editor(core::kGeneralSchedule, core::SystemFileSystem());
    editor.ChooseFolder(folder);
    core::ScheduleInput input;
    input.saveFolder = folder;
    input.copySource = 1;
    input.copyTarget = 0;
    return !editor.CopyProgram(input).fileError;
}

template <class W>
W* ControlOf(QWidget& page, int id) {
    for (W* control : page.findChildren<W*>()) {
        if (control->property("controlId").toInt() == id) return control;
    }
    return nullptr;
}

void WaitUntilExposed(QWidget& window) {
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    QApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Language> language = argc == 2 ? Language::Chinese
                                             : argc == 4 && argv[1] == std::string_view("--lang")
                                                 ? LanguageNamed(argv[2])
                                                 : std::nullopt;
    if (!language) {
        std::cerr << "usage: " << argv[0] << " [--lang zh|en] FOLDER\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[argc - 1]));
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    const LanguageScope scope(*language);
    if (!scope.Ok()) {
        std::cerr << "cannot load the translation\n";
        return 1;
    }
    QApplication::setWindowIcon(AppIcon());

    // The history of the sample card goes to a folder of its own, not the user's.
    QTemporaryDir historyFolder;
    qputenv("TAVREL_HISTORY", historyFolder.path().toUtf8());
    ui::SystemDialogs dialogs(ApplicationDialogTexts());
    MainWindow dlg(dialogs, core::SystemFileSystem());
    dlg.show();
    WaitUntilExposed(dlg);

    const QSize screen = dlg.screen()->size();
    std::cout << "window " << dlg.frameGeometry().width() << "x" << dlg.frameGeometry().height()
              << " on a screen of " << screen.width() << "x" << screen.height() << " at " << dlg.logicalDpiY()
              << " dpi\n";

    QTemporaryDir cardFolder;
    if (!WriteSampleCard(cardFolder.path().toStdString())) {
        std::cerr << "cannot write the sample card into " << cardFolder.path().toStdString() << '\n';
        return 1;
    }
    auto& overview = *static_cast<pages::OverviewPage*>(dlg.Page(3));
    for (int tab = 0; tab < dlg.Tabs().Bar().count(); ++tab) {
        dlg.Tabs().Bar().setCurrentIndex(tab);
        if (tab == 3) {
            overview.OpenFolder(cardFolder.path().toStdString());
            overview.WaitForWork();
        }
        QApplication::processEvents();
        const QString path = folder.filePath(QString::fromUtf8(kPictureNames[tab]));
        if (!dlg.grab().save(path)) {
            std::cerr << "cannot write " << path.toStdString() << '\n';
            return 1;
        }
        std::cout << path.toStdString() << '\n';
    }

    dlg.Tabs().Bar().setCurrentIndex(3);
    auto* views = ControlOf<QTabWidget>(overview, pages::overview_ids::kViews);
    if (!CopySecondProgramOverFirst(cardFolder.path().toStdString()) || !views) {
        std::cerr << "cannot make a history to show\n";
        return 1;
    }
    overview.Refresh();
    overview.WaitForWork();
    views->setCurrentIndex(views->count() - 1);
    if (auto* entries = ControlOf<QListWidget>(overview, pages::overview_ids::kHistoryEntries)) entries->setCurrentRow(0);
    QApplication::processEvents();
    const QString path = folder.filePath("history.png");
    if (!dlg.grab().save(path)) {
        std::cerr << "cannot write " << path.toStdString() << '\n';
        return 1;
    }
    std::cout << path.toStdString() << '\n';
    return 0;
}
