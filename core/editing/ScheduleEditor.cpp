#include "core/editing/ScheduleEditor.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace core {

namespace {

constexpr std::size_t kMaxAddedNameLength = 255;

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// The path as the file system takes it, in UTF-8. Half a surrogate pair names no character and
// becomes '?'.
std::string Utf8Path(std::u16string_view path) {
    std::string utf8;
    for (std::size_t i = 0; i < path.size(); ++i) {
        char32_t c = path[i];
        if (IsHighSurrogate(path[i]) && i + 1 < path.size() && IsLowSurrogate(path[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (path[i + 1] - 0xDC00);
            ++i;
        } else if (IsHighSurrogate(path[i]) || IsLowSurrogate(path[i])) {
            c = U'?';
        }
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else if (c < 0x800) {
            utf8 += static_cast<char>(0xC0 | c >> 6);
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            utf8 += static_cast<char>(0xE0 | c >> 12);
            utf8 += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            utf8 += static_cast<char>(0xF0 | c >> 18);
            utf8 += static_cast<char>(0x80 | (c >> 12 & 0x3F));
            utf8 += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

// The file's name without its folder: after the last "\", "/" or ":", at most 255 units, never
// ending in half a surrogate pair.
std::u16string MusicFileName(std::u16string_view path) {
    const std::size_t separator = path.find_last_of(u"\\/:");
    const std::u16string_view name =
        separator == std::u16string_view::npos ? path : path.substr(separator + 1);
    std::u16string kept(name.substr(0, kMaxAddedNameLength));
    if (!kept.empty() && IsHighSurrogate(kept.back())) kept.pop_back();
    return kept;
}

// A new timer: music, Monday to Friday, all zones, everything else zero.
TimerRecord BlankTimer() {
    TimerRecord record;
    record.weekdays = kMondayToFriday;
    record.zones = kAllZones;
    return record;
}

// The selected music entry, -1 for none.
int MusicRow(const ScheduleInput& input, std::size_t entries) {
    return input.musicRow >= 0 && static_cast<std::size_t>(input.musicRow) < entries ? input.musicRow : -1;
}

}  // namespace

ScheduleEditor::ScheduleEditor(const ScheduleKind& kind, FileSystem& fs)
    : ScheduleEditor(kind, fs, history::WriteRecorder(SystemFileSystem())) {}

ScheduleEditor::ScheduleEditor(const ScheduleKind& kind, FileSystem& fs, history::WriteRecorder recorder)
    : m_kind(kind),
      m_fs(fs),
      m_recorder(std::move(recorder)),
      m_record(BlankTimer()),
      m_summaries(static_cast<std::size_t>(ProgramCount(kind.files))) {
    // Nothing is read from disk until a save folder is chosen.
    m_record.frequency = kLowestFrequency;
}

const TimerSummaryTable& ScheduleEditor::summary(int program) const {
    return m_summaries.at(static_cast<std::size_t>(program));
}

std::string ScheduleEditor::ProgramPath(int program) const {
    return CardFilePath(m_saveFolder, m_kind.files, program);
}

void ScheduleEditor::PullFields(const ScheduleInput& input) {
    m_saveFolder = input.saveFolder;
    m_timerNumber = input.timerNumber;
}

bool ScheduleEditor::FolderChosen(ScheduleAnswer& answer, EditorMessage missing) const {
    if (!m_saveFolder.empty()) return true;
    answer.message = missing;
    return false;
}

// --- Folder, program and mode ---

ScheduleAnswer ScheduleEditor::ChooseFolder(const std::string& folder) {
    if (folder.empty()) return {};
    // A write of several files cut short on this card is settled before the card is read.
    m_recorder.SettlePending(folder);
    ScheduleAnswer answer = OpenFolder(folder);
    answer.settled = m_recorder.TakeSettlements();
    return answer;
}

ScheduleAnswer ScheduleEditor::OpenFolder(const std::string& folder) {
    ScheduleAnswer answer;
    const std::string previousFolder = m_saveFolder;
    m_saveFolder = folder;
    for (int program = 0; program < programCount(); ++program) {
        const std::string path = ProgramPath(program);
        if (!CanOpenForReading(m_fs, path)) continue;
        // The first program with a file opens at its first timer.
        if (!Load(path, program, 0, TimerRecord{}, answer)) m_saveFolder = previousFolder;
        answer.show.fields = true;
        return answer;
    }
    OpenBlankProgram(0, answer);
    return answer;
}

ScheduleAnswer ScheduleEditor::ChooseProgram(const ScheduleInput& input) {
    ScheduleAnswer answer;
    PullFields(input);
    if (!FolderChosen(answer)) {
        m_program = input.program;
        return answer;
    }
    if (!HasProgram(input.program)) return answer;
    // A file that fails to read leaves the open program as it was, its list choice included.
    if (!ReloadProgram(ProgramPath(input.program), input.program, answer)) answer.show.program = true;
    answer.show.fields = true;
    return answer;
}

bool ScheduleEditor::ReloadProgram(const std::string& path, int program, ScheduleAnswer& answer) {
    if (CanOpenForReading(m_fs, path)) return Load(path, program, 0, TimerRecord{}, answer);
    OpenBlankProgram(program, answer);
    return true;
}

ScheduleAnswer ScheduleEditor::ChooseMode(const ScheduleInput& input) {
    ScheduleAnswer answer;
    PullFields(input);
    m_record.mode = input.record.mode;
    ApplyModeEnabling(answer);
    if (m_record.mode == kRadioTimer) answer.show.firstChannel = true;
    answer.show.fields = true;
    return answer;
}

// --- Save ---

ScheduleAnswer ScheduleEditor::Save(const ScheduleInput& input) {
    ScheduleAnswer answer;
    PullFields(input);
    if (!FolderChosen(answer, m_kind.saveWithoutFolder)) return answer;
    m_record = input.record;
    m_program = input.program;
    m_medium = input.medium;
    if (!HasProgram(m_program)) return answer;
    // The index and the summary table have 512 slots; a new timer past them has no place.
    if (m_timerIndex >= kMaxTimers) {
        answer.message = EditorMessage::ProgramFull;
        return answer;
    }
    if (RepeatsSavedStart()) {
        answer.message = EditorMessage::RepeatedStartTime;
        return answer;
    }
    const std::string path = ProgramPath(m_program);
    const Result<Stored> stored = m_recorder.Record(path, history::Command::SaveTimer, [&] {
        return WriteTimer(m_fs, path, static_cast<std::uint16_t>(m_timerIndex), m_timerCount,
                          static_cast<std::uint16_t>(m_program), TimerData{m_record, m_music, m_medium},
                          m_fingerprint);
    });
    answer.noHistoryCopy = m_recorder.TakeMissedCopy();
    answer.settled = m_recorder.TakeSettlements();
    if (!stored.ok()) {
        // The editor keeps the timer so the user can try again; the summary learns nothing.
        Report(stored.failure(), path, answer);
        return answer;
    }
    m_summaries[static_cast<std::size_t>(m_program)][m_timerIndex] = SummaryOf(m_record);
    if (stored->count) m_timerCount = *stored->count;
    answer.message = EditorMessage::Saved;
    StartNewTimer(answer);
    return answer;
}

// Only a new timer is checked, and only against what this editor saved into the same program
// since it was created: timers found in the files are not compared.
bool ScheduleEditor::RepeatsSavedStart() const {
    if (m_timerIndex != m_timerCount) return false;
    const TimerSummary edited = SummaryOf(m_record);
    for (const TimerSummary& slot : m_summaries[static_cast<std::size_t>(m_program)]) {
        const bool sameStart = slot.startHour == edited.startHour && slot.startMinute == edited.startMinute &&
                               slot.startSecond == edited.startSecond;
        const bool sameDays = !m_kind.weekdays || (slot.weekdays & edited.weekdays) != 0;
        if (sameStart && sameDays) return true;
    }
    return false;
}

void ScheduleEditor::Report(const Failure& failure, const std::string& path, ScheduleAnswer& answer) {
    switch (failure.status) {
    case Status::Done: return;
    case Status::ProgramFull: answer.message = EditorMessage::ProgramFull; return;
    case Status::TooManyMusicFiles: answer.message = EditorMessage::TooManyMusicFiles; return;
    case Status::MusicNameTooLong: answer.message = EditorMessage::MusicNameTooLong; return;
    case Status::TimerChanged:
        answer.message = EditorMessage::TimerChanged;
        ShowStoredTimer(path, answer);
        return;
    case Status::FileTooLarge:
    case Status::OpenFailed:
    case Status::IoFailed: break;
    }
    answer.fileError = failure.error.value_or(FileError(FileErrorCause::Generic, path));
}

// The timer at the editor's index as the file holds it now (or why it cannot be read); when the
// file has no timer there any more, or cannot be opened, the program opens afresh.
void ScheduleEditor::ShowStoredTimer(const std::string& path, ScheduleAnswer& answer) {
    const Result<TimerRead> read =
        ReadTimer(m_fs, path, static_cast<std::uint16_t>(m_timerIndex), TimerRecord{});
    if (read.ok() ? m_timerIndex < read->count : read.status() != Status::OpenFailed) {
        Take(read, m_program, m_timerIndex, answer);
    } else {
        ReloadProgram(path, m_program, answer);
    }
    answer.show.fields = true;
}

// --- The timers of the open program ---

std::optional<std::string> ScheduleEditor::StoredProgramPath(const ScheduleInput& input,
                                                             ScheduleAnswer& answer) {
    PullFields(input);
    m_program = input.program;
    if (!FolderChosen(answer) || !HasProgram(m_program)) return std::nullopt;
    std::string path = ProgramPath(m_program);
    if (!CanOpenForReading(m_fs, path)) return std::nullopt;
    return path;
}

ScheduleAnswer ScheduleEditor::Next(const ScheduleInput& input) { return Step(input, +1); }

ScheduleAnswer ScheduleEditor::Previous(const ScheduleInput& input) { return Step(input, -1); }

// From a new timer both directions go to the last stored timer. Neither wraps: at the last
// (or first) stored timer the same timer is read again, dropping the changes on screen.
ScheduleAnswer ScheduleEditor::Step(const ScheduleInput& input, int step) {
    ScheduleAnswer answer;
    const std::optional<std::string> path = StoredProgramPath(input, answer);
    if (!path || m_timerCount == 0) return answer;
    std::uint32_t index = m_timerCount - 1;
    if (m_timerIndex < m_timerCount) {
        const std::int64_t wanted = std::int64_t{m_timerIndex} + step;
        index = static_cast<std::uint32_t>(std::clamp<std::int64_t>(wanted, 0, m_timerCount - 1));
    }
    Load(*path, m_program, index, TimerRecord{}, answer);
    answer.show.fields = true;
    return answer;
}

ScheduleAnswer ScheduleEditor::New(const ScheduleInput& input) {
    ScheduleAnswer answer;
    PullFields(input);
    if (FolderChosen(answer)) StartNewTimer(answer);
    return answer;
}

ScheduleAnswer ScheduleEditor::Cancel(const ScheduleInput& input) {
    ScheduleAnswer answer;
    const std::optional<std::string> path = StoredProgramPath(input, answer);
    if (!path) return answer;
    if (m_timerIndex == m_timerCount) {
        StartNewTimer(answer);
    } else {
        Load(*path, m_program, m_timerIndex, m_record, answer);
    }
    return answer;
}

ScheduleAnswer ScheduleEditor::Delete(const ScheduleInput& input) {
    ScheduleAnswer answer;
    const std::optional<std::string> path = StoredProgramPath(input, answer);
    if (!path) return answer;
    if (m_timerIndex >= m_timerCount) {
        // A new timer is not in the file: blank it, as Cancel does, and leave the file alone.
        StartNewTimer(answer);
        return answer;
    }
    const Result<Stored> deleted = m_recorder.Record(*path, history::Command::DeleteTimer, [&] {
        return DeleteTimer(m_fs, *path, static_cast<std::uint16_t>(m_timerIndex), m_fingerprint);
    });
    answer.noHistoryCopy = m_recorder.TakeMissedCopy();
    answer.settled = m_recorder.TakeSettlements();
    if (!deleted.ok()) {
        Report(deleted.failure(), *path, answer);
        return answer;
    }
    if (deleted->count) m_timerCount = *deleted->count;
    if (m_timerCount == 0) {
        OpenBlankProgram(m_program, answer);
        return answer;
    }
    // The timer that followed now has the same index; after the last, show the new last.
    if (m_timerIndex >= m_timerCount) m_timerIndex = m_timerCount - 1;
    Load(*path, m_program, m_timerIndex, m_record, answer);
    return answer;
}

// --- The music list; nothing here touches the program files ---

ScheduleAnswer ScheduleEditor::AddMusic(const ScheduleInput& input, std::span<const std::u16string> paths) {
    ScheduleAnswer answer;
    PullFields(input);
    std::vector<std::u16string> names = m_music;
    for (const std::u16string& path : paths) {
        // A file that is gone or held by another program is left out without a word.
        if (!CanOpenForReading(m_fs, Utf8Path(path))) continue;
        names.push_back(MusicFileName(path));
    }
    // Also after a cancelled chooser: the last entry ends up selected.
    const int last = static_cast<int>(names.size()) - 1;
    SetMusic(std::move(names), last, answer);
    answer.show.fields = true;
    return answer;
}

ScheduleAnswer ScheduleEditor::RemoveMusic(const ScheduleInput& input) {
    ScheduleAnswer answer;
    m_musicRow = MusicRow(input, m_music.size());
    if (m_musicRow < 0) return answer;
    std::vector<std::u16string> names = m_music;
    names.erase(names.begin() + m_musicRow);
    const int row = std::min(m_musicRow, static_cast<int>(names.size()) - 1);
    SetMusic(std::move(names), row, answer);
    return answer;
}

ScheduleAnswer ScheduleEditor::MoveMusicUp(const ScheduleInput& input) { return MoveMusic(input, -1); }

ScheduleAnswer ScheduleEditor::MoveMusicDown(const ScheduleInput& input) { return MoveMusic(input, +1); }

// Swaps the selected entry with its neighbour; the selection goes along. At either end of the
// list nothing moves.
ScheduleAnswer ScheduleEditor::MoveMusic(const ScheduleInput& input, int step) {
    ScheduleAnswer answer;
    m_musicRow = MusicRow(input, m_music.size());
    const int to = m_musicRow + step;
    if (m_musicRow < 0 || to < 0 || static_cast<std::size_t>(to) >= m_music.size()) return answer;
    std::vector<std::u16string> names = m_music;
    std::swap(names[static_cast<std::size_t>(m_musicRow)], names[static_cast<std::size_t>(to)]);
    SetMusic(std::move(names), to, answer);
    return answer;
}

// --- Program copy ---

ScheduleAnswer ScheduleEditor::CopyProgram(const ScheduleInput& input) {
    ScheduleAnswer answer;
    PullFields(input);
    const int source = input.copySource;
    const int target = input.copyTarget;
    // The choices are checked before the save folder: without both, nothing is said.
    if (!HasProgram(source) || !HasProgram(target) || source == target) return answer;
    if (!FolderChosen(answer)) return answer;
    const std::string sourcePath = ProgramPath(source);
    // A program that was never saved has nothing to copy.
    if (!CanOpenForReading(m_fs, sourcePath)) return answer;
    const std::string targetPath = ProgramPath(target);
    const Result<Stored> copied = m_recorder.Record(
        targetPath, history::Command::CopyProgram, [&] { return CopyScheduleFile(m_fs, sourcePath, targetPath); });
    answer.noHistoryCopy = m_recorder.TakeMissedCopy();
    answer.settled = m_recorder.TakeSettlements();
    if (!copied.ok()) {
        Report(copied.failure(), targetPath, answer);
        return answer;
    }
    // The open program's file has changed under the editor: open it afresh, as choosing it does.
    if (target == m_program) {
        Load(targetPath, target, 0, TimerRecord{}, answer);
        answer.show.fields = true;
    }
    return answer;
}

// --- What every command shares ---

bool ScheduleEditor::Load(const std::string& path, int program, std::uint32_t index, const TimerRecord& start,
                          ScheduleAnswer& answer) {
    return Take(ReadTimer(m_fs, path, static_cast<std::uint16_t>(index), start), program, index, answer);
}

bool ScheduleEditor::Take(const Result<TimerRead>& result, int program, std::uint32_t index,
                          ScheduleAnswer& answer) {
    if (!result.ok()) {
        // A file that cannot be opened says nothing.
        if (result.status() != Status::OpenFailed && result.error()) answer.fileError = *result.error();
        return false;
    }
    const TimerRead& read = *result;
    m_program = program;
    m_timerIndex = index;
    m_timerCount = read.count;
    m_record = read.record;
    m_fingerprint = read.fingerprint;

    std::vector<std::u16string> names;
    for (const MusicEntryInfo& entry : read.music) names.push_back(entry.name);
    const int first = names.empty() ? -1 : 0;
    SetMusic(std::move(names), first, answer);
    m_medium = SourceOfEntries(read.music);
    answer.show.medium = true;
    // A stored timer keeps its mode.
    m_modeFixed = true;
    answer.show.modeLock = true;
    ShowTimer(answer);
    return true;
}

void ScheduleEditor::StartNewTimer(ScheduleAnswer& answer) {
    m_record = BlankTimer();
    m_timerIndex = m_timerCount;
    m_fingerprint.reset();
    SetMusic({}, -1, answer);
    ShowTimer(answer);
    // The medium stays as the page shows it.
    m_modeFixed = false;
    answer.show.modeLock = true;
}

void ScheduleEditor::OpenBlankProgram(int program, ScheduleAnswer& answer) {
    m_program = program;
    m_timerIndex = 0;
    m_timerCount = 0;
    StartNewTimer(answer);
}

void ScheduleEditor::ShowTimer(ScheduleAnswer& answer) {
    m_timerNumber = m_timerIndex + 1;
    answer.show.program = true;
    answer.show.record = true;
    answer.show.fields = true;
    ApplyModeEnabling(answer);
}

// Music timers use the music list, radio timers the channel, power timers neither. Leaving the
// music mode drops the music list for good.
void ScheduleEditor::ApplyModeEnabling(ScheduleAnswer& answer) {
    answer.show.enabling = true;
    if (m_record.mode != kMusicTimer) SetMusic({}, -1, answer);
}

void ScheduleEditor::SetMusic(std::vector<std::u16string> names, int row, ScheduleAnswer& answer) {
    m_music = std::move(names);
    m_musicRow = row;
    answer.show.music = true;
}

ScheduleAnswer ScheduleEditor::OpenTimer(const std::string& folder, int program, std::uint32_t index) {
    ScheduleAnswer answer = ChooseFolder(folder);
    if (m_saveFolder != folder || !HasProgram(program)) return answer;
    ScheduleInput input;
    input.saveFolder = folder;
    input.timerNumber = m_timerNumber;
    input.program = program;
    ScheduleAnswer opened = ChooseProgram(input);
    if (opened.message || opened.fileError || index == 0 || m_timerCount == 0) return opened;
    return Step(input, static_cast<int>(std::min(index, m_timerCount - 1)));
}

}  // namespace core
