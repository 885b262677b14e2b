#include "ScheduleEditorFixture.h"

#include <utility>

#include "core/card/CardFiles.h"
#include "core/schedule/ScheduleFile.h"

namespace scheduletest {

core::TimerRecord TimerStartingAt(int hour, int minute, int second, std::uint32_t weekdays) {
    core::TimerRecord timer = BlankTimer();
    timer.weekdays = weekdays;
    timer.startHour = static_cast<std::uint8_t>(hour);
    timer.startMinute = static_cast<std::uint8_t>(minute);
    timer.startSecond = static_cast<std::uint8_t>(second);
    return timer;
}

core::TimerRecord BlankTimer() {
    core::TimerRecord timer;
    timer.weekdays = core::kMondayToFriday;
    timer.zones = core::kAllZones;
    return timer;
}

std::optional<FileErrorCause> ErrorCause(const core::ScheduleAnswer& answer) {
    if (!answer.fileError) return std::nullopt;
    return answer.fileError->cause();
}

void OtherWriter::Before(std::size_t n, std::function<void(core::FileSystem&)> action) {
    m_at = m_opens + n;
    m_action = std::move(action);
}

core::Result<std::unique_ptr<core::File>> OtherWriter::Open(const std::string& path, core::OpenMode mode) {
    if (m_action && m_opens == m_at) std::exchange(m_action, nullptr)(m_inner);
    ++m_opens;
    return m_inner.Open(path, mode);
}

void EditorHarness::FailNext(IoCall call, FileErrorCause cause) {
    fs.Reset();
    fs.FailCall(0, cause, call);
}

core::ScheduleAnswer EditorHarness::Do(Command command) {
    const core::ScheduleAnswer answer = (editor.*command)(screen);
    Show(answer);
    return answer;
}

core::ScheduleAnswer EditorHarness::OpenFolder(const std::string& folder) {
    const core::ScheduleAnswer answer = editor.ChooseFolder(folder);
    Show(answer);
    return answer;
}

core::ScheduleAnswer EditorHarness::ChooseProgram(int program) {
    screen.program = program;
    return Do(&core::ScheduleEditor::ChooseProgram);
}

core::ScheduleAnswer EditorHarness::AddMusic(const std::vector<std::u16string>& paths) {
    const core::ScheduleAnswer answer = editor.AddMusic(screen, paths);
    Show(answer);
    return answer;
}

core::ScheduleAnswer EditorHarness::Save(const core::TimerRecord& timer) {
    screen.record = timer;
    return Do(&core::ScheduleEditor::Save);
}

void EditorHarness::Show(const core::ScheduleAnswer& answer) {
    const core::ScheduleParts& shown = answer.show;
    if (shown.fields) {
        screen.saveFolder = editor.saveFolder();
        screen.timerNumber = editor.timerNumber();
    }
    if (shown.program) screen.program = editor.program();
    if (shown.record) screen.record = editor.record();
    if (shown.music) screen.musicRow = editor.musicRow();
    if (shown.medium) screen.medium = editor.medium();
    if (shown.firstChannel) screen.record.frequency = core::kLowestFrequency;
    // The controls count the music list into the record they give.
    if (shown.record || shown.music) {
        const bool music = screen.record.mode == core::kMusicTimer;
        screen.record.musicCount = music ? static_cast<std::uint16_t>(editor.music().size()) : 0;
    }
}

std::string EditorHarness::Path(int program) const {
    return core::CardFilePath(kFolder, editor.kind().files, program);
}

void EditorHarness::LayProgram(int program, const std::vector<int>& startHours) {
    const std::string path = Path(program);
    memory.SetFile(path, {});
    for (std::size_t i = 0; i < startHours.size(); ++i) {
        const core::TimerData timer{TimerStartingAt(startHours[i]), {}, core::MusicSource::Internal};
        ASSERT_TRUE(core::WriteTimer(memory, path, static_cast<std::uint16_t>(i),
                                     static_cast<std::uint32_t>(i), static_cast<std::uint16_t>(program),
                                     timer)
                        .ok());
    }
    if (startHours.empty()) {
        ASSERT_TRUE(core::WriteTimer(memory, path, 0, 0, static_cast<std::uint16_t>(program), {}).ok());
        ASSERT_TRUE(core::DeleteTimer(memory, path, 0).ok());
    }
}

std::optional<std::vector<int>> EditorHarness::StoredHours(int program) {
    const std::string path = Path(program);
    if (!memory.Exists(path)) return std::nullopt;
    std::vector<int> hours;
    for (std::uint16_t index = 0;; ++index) {
        const core::Result<core::TimerRead> read = core::ReadTimer(memory, path, index, core::TimerRecord{});
        if (!read.ok() || index >= read->count) break;
        hours.push_back(read->record.startHour);
    }
    return hours;
}

std::u16string EditorHarness::MusicFile(const std::string& path) {
    memory.SetFile(path, {0x49, 0x44, 0x33});
    return std::u16string(path.begin(), path.end());
}

std::string KindName(const ::testing::TestParamInfo<const core::ScheduleKind*>& info) {
    return info.param->files == core::CardFileKind::GeneralSchedule ? "General" : "Special";
}

}  // namespace scheduletest

namespace core {

void PrintTo(EditorMessage message, std::ostream* out) {
    static const char* const names[] = {"NoSaveFolder",      "NoProgramSaveFolder", "Saved",
                                        "RepeatedStartTime", "ProgramFull",         "TooManyMusicFiles",
                                        "MusicNameTooLong",  "TimerChanged"};
    *out << names[static_cast<int>(message)];
}

void PrintTo(const ScheduleParts& parts, std::ostream* out) {
    const std::pair<bool, const char*> named[] = {
        {parts.fields, "fields"},     {parts.program, "program"},           {parts.record, "record"},
        {parts.enabling, "enabling"}, {parts.modeLock, "modeLock"},         {parts.music, "music"},
        {parts.medium, "medium"},     {parts.firstChannel, "firstChannel"},
    };
    *out << "{";
    for (const auto& [shown, name] : named) {
        if (shown) *out << " " << name;
    }
    *out << " }";
}

}  // namespace core
