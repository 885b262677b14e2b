#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/editing/ScheduleEditor.h"
#include "support/FaultyFileSystem.h"
#include "support/MemoryFileSystem.h"

namespace scheduletest {

using core::EditorMessage;
using core::FileErrorCause;
using core::ScheduleEditor;
using testsupport::IoCall;

inline const std::string kFolder = "/card";

using Command = core::ScheduleAnswer (core::ScheduleEditor::*)(const core::ScheduleInput&);

// A timer that starts at the given time on the given weekdays, all zones.
core::TimerRecord TimerStartingAt(int hour, int minute = 0, int second = 0,
                                  std::uint32_t weekdays = core::kMondayToFriday);
// What a new timer holds.
core::TimerRecord BlankTimer();
// The cause of the file-error box the answer gives, if any.
std::optional<FileErrorCause> ErrorCause(const core::ScheduleAnswer& answer);

// A schedule editor over a card folder in memory, driven as its page drives it: each command
// gets what the controls show, and the parts of the answer are shown back into them.
class EditorHarness {
public:
    explicit EditorHarness(const core::ScheduleKind& kind) : editor(kind, fs) {}

    core::ScheduleAnswer Do(Command command);
    core::ScheduleAnswer OpenFolder(const std::string& folder = kFolder);
    core::ScheduleAnswer ChooseProgram(int program);
    core::ScheduleAnswer AddMusic(const std::vector<std::u16string>& paths);
    // The next call of that kind fails with `cause`.
    void FailNext(IoCall call, FileErrorCause cause);
    // Enters the timer and saves it.
    core::ScheduleAnswer Save(const core::TimerRecord& timer);

    bool IsGeneral() const { return editor.kind().files == core::CardFileKind::GeneralSchedule; }
    std::string Path(int program) const;
    // A program file holding timers that start at the given hours, written by the store.
    void LayProgram(int program, const std::vector<int>& startHours);
    // The start hours of the program's stored timers; nothing when it has no file.
    std::optional<std::vector<int>> StoredHours(int program);
    std::optional<testsupport::Bytes> FileBytes(int program) const { return memory.FileBytes(Path(program)); }
    // A music file that can be opened, at an ASCII path; the path as the chooser gives it.
    std::u16string MusicFile(const std::string& path);

    testsupport::MemoryFileSystem memory;
    testsupport::FaultyFileSystem fs{memory};
    core::ScheduleEditor editor;
    core::ScheduleInput screen;  // what the page's controls show

private:
    void Show(const core::ScheduleAnswer& answer);
};

// The two kinds, for tests of what they share.
class ScheduleEditorTest : public ::testing::TestWithParam<const core::ScheduleKind*>, public EditorHarness {
protected:
    ScheduleEditorTest() : EditorHarness(*GetParam()) {}
};

std::string KindName(const ::testing::TestParamInfo<const core::ScheduleKind*>& info);

#define INSTANTIATE_FOR_BOTH_KINDS(Suite)                                                         \
    INSTANTIATE_TEST_SUITE_P(Kinds, Suite,                                                        \
                             ::testing::Values(&core::kGeneralSchedule, &core::kSpecialSchedule), \
                             ::scheduletest::KindName)

}  // namespace scheduletest

namespace core {
// Readable failures: "Saved", "RepeatedStartTime"...
void PrintTo(EditorMessage message, std::ostream* out);
void PrintTo(const ScheduleParts& parts, std::ostream* out);
}  // namespace core
