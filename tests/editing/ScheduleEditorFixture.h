#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/editing/ScheduleEditor.h"
#include "support/CorruptingFileSystem.h"
#include "support/FaultyFileSystem.h"
#include "support/MemoryFileSystem.h"

namespace scheduletest {

using core::EditorMessage;
using core::FileErrorCause;
using core::ScheduleEditor;
using testsupport::IoCall;

inline const std::string kFolder = "/card";
inline constexpr const char* kHistoryRoot = "/history";

using Command = core::ScheduleAnswer (core::ScheduleEditor::*)(const core::ScheduleInput&);

// A timer that starts at the given time on the given weekdays, all zones.
core::TimerRecord TimerStartingAt(int hour, int minute = 0, int second = 0,
                                  std::uint32_t weekdays = core::kMondayToFriday);
// What a new timer holds.
core::TimerRecord BlankTimer();
// The cause of the file-error box the answer gives, if any.
std::optional<FileErrorCause> ErrorCause(const core::ScheduleAnswer& answer);

// Another program writing the card while the editor works: runs an action on the file system
// beneath right before a chosen open goes through.
class OtherWriter final : public core::FileSystem {
public:
    explicit OtherWriter(core::FileSystem& inner) : m_inner(inner) {}

    // `action` runs once, before the open `n` opens from now (0: the next one).
    void Before(std::size_t n, std::function<void(core::FileSystem&)> action);
    std::size_t Opens() const { return m_opens; }

    core::Result<std::unique_ptr<core::File>> Open(const std::string& path, core::OpenMode mode) override;
    core::Result<> Rename(const std::string& from, const std::string& to) override {
        return m_inner.Rename(from, to);
    }
    core::Result<bool> RenameIfAbsent(const std::string& from, const std::string& to) override {
        return m_inner.RenameIfAbsent(from, to);
    }
    core::Result<> RenameOverHeld(const std::string& from, const std::string& to,
                                  core::File& held) override {
        return m_inner.RenameOverHeld(from, to, held);
    }
    core::Result<std::vector<std::string>> ListFolder(const std::string& folder) override {
        return m_inner.ListFolder(folder);
    }
    void Remove(const std::string& path) noexcept override { m_inner.Remove(path); }

private:
    core::FileSystem& m_inner;
    std::size_t m_opens = 0;
    std::size_t m_at = 0;
    std::function<void(core::FileSystem&)> m_action;
};

// A schedule editor over a card folder in memory, driven as its page drives it: each command
// gets what the controls show, and the parts of the answer are shown back into them.
class EditorHarness {
public:
    // The editor keeps its history in memory of its own, reading the card around each write
    // beneath the faults and the other writer, which stay the editor's own.
    explicit EditorHarness(const core::ScheduleKind& kind)
        : editor(kind, fs, core::history::WriteRecorder(memory, std::string(kHistoryRoot), historyFiles)) {}

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
    testsupport::CorruptingFileSystem card{memory, ""};  // alters no write until armed
    OtherWriter other{card};
    testsupport::FaultyFileSystem fs{other};
    testsupport::MemoryFileSystem historyFiles;
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
