#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>

#include "ProgramFiles.h"
#include "tests/support/ui/QtPrinters.h"
#include "tests/support/ui/ScriptedDialogs.h"
#include "pages/schedule/SchedulePage.h"
#include "support/CorruptingFileSystem.h"
#include "support/FaultyFileSystem.h"
#include "support/TempFolder.h"
#include "tests/support/Bytes.h"
#include "ui/DialogBuilder.h"

namespace pagetest {

enum class PageKind { General, Special };

std::unique_ptr<pages::SchedulePage> MakePage(PageKind kind, ui::Dialogs& dialogs, core::FileSystem& fs);
std::string PageKindName(const ::testing::TestParamInfo<PageKind>& info);
inline void PrintTo(PageKind kind, std::ostream* out) {
    *out << (kind == PageKind::General ? "general page" : "special page");
}

// One schedule page, shown, with scripted dialogs, a save folder on disk and a file system
// that can be told to fail. The helpers act as the user does: clicks, choices in combos,
// ticks in boxes.
class PageHarness {
public:
    explicit PageHarness(PageKind kind);
    virtual ~PageHarness();
    PageHarness(const PageHarness&) = delete;
    PageHarness& operator=(const PageHarness&) = delete;

    pages::SchedulePage& Page() { return *page_; }
    const core::ScheduleEditor& Editor() const { return page_->editor(); }
    const pages::ScheduleVariant& Variant() const { return page_->variant(); }
    PageKind Kind() const { return kind_; }
    bool IsGeneral() const { return kind_ == PageKind::General; }

    template <class W = QWidget>
    W& Control(int id) {
        return ui::RequireControl<W>(page_.get(), id);
    }

    // User actions.
    void Click(int buttonId);             // push, radio or check button
    void Choose(int comboId, int index);  // a choice in the opened list (activated)
    void Tick(int checkBoxId, bool on);
    void OpenFolder(const std::string& path);
    void OpenSaveFolder() { OpenFolder(folder.path()); }
    void EnterStart(int hour, int minute, int second);
    void EnterEnd(int hour, int minute, int second);
    void EnterWeekdays(std::uint32_t bits);  // only on the general page
    // Enters the start time and presses "保存".
    void SaveStartingAt(int hour, int minute = 0, int second = 0);

    // The screen.
    QString Number();           // the timer number box
    int Selected(int comboId);  // -1 without a selection
    QString SelectedText(int comboId);
    QStringList MusicEntries();
    int SelectedMusicRow();
    bool Checked(int boxId);
    bool Enabled(int controlId);

    // Files of the save folder.
    std::string FileName(int program) const;
    std::string ProgramPath(int program) const;
    std::optional<Bytes> FileBytes(int program) const;
    std::optional<ProgramFile> Program(int program) const;
    void LayProgram(int program, const std::vector<core::TimerRecord>& timers) const;
    // A readable file of that name in a folder of its own; its full path.
    QString MusicFile(const std::string& name);

    testing_support::ScriptedDialogs dialogs;
    testsupport::TempFolder folder;
    testsupport::TempFolder musicFolder;
    testsupport::CorruptingFileSystem card{core::SystemFileSystem(), ""};  // alters no write until armed
    testsupport::FaultyFileSystem fs{card};

private:
    PageKind kind_;
    std::unique_ptr<pages::SchedulePage> page_;
};

// The harness as a test fixture, for the page kind the test runs with.
class SchedulePageTest : public ::testing::TestWithParam<PageKind>, public PageHarness {
protected:
    SchedulePageTest() : PageHarness(GetParam()) {}
};

// Both pages run the tests written for behaviour they share.
#define INSTANTIATE_FOR_BOTH_PAGES(Suite)                                                              \
    INSTANTIATE_TEST_SUITE_P(                                                                          \
        Pages, Suite, ::testing::Values(::pagetest::PageKind::General, ::pagetest::PageKind::Special), \
        ::pagetest::PageKindName)

#define INSTANTIATE_FOR_PAGE(Suite, kind)                                                \
    INSTANTIATE_TEST_SUITE_P(Page, Suite, ::testing::Values(::pagetest::PageKind::kind), \
                             ::pagetest::PageKindName)

}  // namespace pagetest

namespace pagetest {

// Bytes written out by hand in tests: "3E 00 FF".
using testbytes::Concat;
using testbytes::Hex;
using testbytes::Zeros;

}  // namespace pagetest
