#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/card/CardFiles.h"
#include "core/editing/EditorMessage.h"
#include "core/fs/FileError.h"
#include "core/fs/FileSystem.h"
#include "core/fs/Result.h"
#include "core/history/WriteRecorder.h"
#include "core/schedule/MusicEntry.h"
#include "core/schedule/ScheduleFile.h"
#include "core/schedule/TimerRecord.h"
#include "core/schedule/TimerSummary.h"

namespace core {

// What tells the general schedule from the special one. Everything else is the same editor.
struct ScheduleKind {
    CardFileKind files;               // the program files in the save folder
    bool weekdays;                    // timers carry weekdays, and a repeated start time counts
                                      // only when the two timers share one
    EditorMessage saveWithoutFolder;  // what Save says before a save folder is chosen
};

inline constexpr ScheduleKind kGeneralSchedule{CardFileKind::GeneralSchedule, true,
                                               EditorMessage::NoProgramSaveFolder};
inline constexpr ScheduleKind kSpecialSchedule{CardFileKind::SpecialSchedule, false,
                                               EditorMessage::NoSaveFolder};

// What the page reads from its controls when a command runs. Each command takes only what it
// needs; the rest is ignored.
struct ScheduleInput {
    std::string saveFolder;         // the save-path field
    std::uint32_t timerNumber = 0;  // the timer-number field, read as a number
    int program = -1;               // the program list's choice, -1 for none
    TimerRecord record;             // the timer as the controls show it
    MusicSource medium = MusicSource::Internal;
    int musicRow = -1;    // the selected music entry, -1 for none
    int copySource = -1;  // the choices of the two copy lists, -1 for none
    int copyTarget = -1;
};

// The parts of the page that show the editor afresh after a command; the others stay as they
// are on screen.
struct ScheduleParts {
    bool fields = false;        // save folder and timer number
    bool program = false;       // the program list's choice
    bool record = false;        // the timer's fields
    bool enabling = false;      // the controls that the record's mode uses, enabled; the rest not
    bool modeLock = false;      // whether the mode can be changed
    bool music = false;         // the music list and its selected entry
    bool medium = false;        // internal memory or SD card
    bool firstChannel = false;  // the channel list goes to its first entry (not editor state)

    bool operator==(const ScheduleParts&) const = default;
};

// The editor's answer to a command: what to say first, then what to show.
struct ScheduleAnswer {
    std::optional<EditorMessage> message;
    std::optional<FileError> fileError;  // for the file-error box
    // The command changed a card file, but the history on this computer has no copy of it.
    bool noHistoryCopy = false;
    // A write of several files cut short on this card, finished or undone before this command.
    std::vector<history::PlanSettlement> settled{};
    ScheduleParts show;
};

// The editing rules of a schedule page: one timer of one program at a time, stored in the
// program files of the save folder. The page reads its controls into a ScheduleInput, runs a
// command and shows the answer; nothing here waits for a person.
//
// A stored timer is in the editor while timerIndex() < timerCount(); a new one, not stored
// yet, while timerIndex() == timerCount(). Stored timers are read from their file each time
// they are shown; the editor keeps only the start-time summaries of what it saved itself.
class ScheduleEditor {
public:
    // Every write goes through `recorder` into the card's history. Without one, the recorder of
    // the default history place reads the card from the computer's own file system, beneath
    // whatever `fs` adds: the history's readings never count among the editor's own calls.
    ScheduleEditor(const ScheduleKind& kind, FileSystem& fs);
    ScheduleEditor(const ScheduleKind& kind, FileSystem& fs, history::WriteRecorder recorder);

    // The save folder the browser gave; an empty one is no choice. Opens the first program
    // that has a file at its first timer, or a new timer of program 0 when none has. A write of
    // several files cut short on the card is settled first (`settled`).
    ScheduleAnswer ChooseFolder(const std::string& folder);
    ScheduleAnswer ChooseProgram(const ScheduleInput& input);
    ScheduleAnswer ChooseMode(const ScheduleInput& input);
    ScheduleAnswer Save(const ScheduleInput& input);
    ScheduleAnswer Next(const ScheduleInput& input);
    ScheduleAnswer Previous(const ScheduleInput& input);
    ScheduleAnswer New(const ScheduleInput& input);
    ScheduleAnswer Cancel(const ScheduleInput& input);
    ScheduleAnswer Delete(const ScheduleInput& input);
    // `paths` are the files the chooser gave, in its order; an empty list is a cancelled one.
    ScheduleAnswer AddMusic(const ScheduleInput& input, std::span<const std::u16string> paths);
    ScheduleAnswer RemoveMusic(const ScheduleInput& input);
    ScheduleAnswer MoveMusicUp(const ScheduleInput& input);
    ScheduleAnswer MoveMusicDown(const ScheduleInput& input);
    ScheduleAnswer CopyProgram(const ScheduleInput& input);
    // Opens `folder` as the save folder at timer `index` (from 0) of `program`, as another view
    // of the card asks. A program without a file opens at its new timer 1; an index past the
    // end opens the last timer.
    ScheduleAnswer OpenTimer(const std::string& folder, int program, std::uint32_t index);

    const ScheduleKind& kind() const { return m_kind; }
    int programCount() const { return ProgramCount(m_kind.files); }
    const std::string& saveFolder() const { return m_saveFolder; }
    int program() const { return m_program; }
    std::uint32_t timerNumber() const { return m_timerNumber; }
    std::uint32_t timerIndex() const { return m_timerIndex; }
    std::uint32_t timerCount() const { return m_timerCount; }
    const TimerRecord& record() const { return m_record; }
    const std::vector<std::u16string>& music() const { return m_music; }
    int musicRow() const { return m_musicRow; }
    MusicSource medium() const { return m_medium; }
    // A timer read from a file keeps its mode; a new one may change it.
    bool modeFixed() const { return m_modeFixed; }
    const TimerSummaryTable& summary(int program) const;

private:
    // ChooseFolder once what was cut short on the card is settled.
    ScheduleAnswer OpenFolder(const std::string& folder);
    bool HasProgram(int program) const { return program >= 0 && program < programCount(); }
    std::string ProgramPath(int program) const;
    // The fields the page shows and reads back: save folder and timer number.
    void PullFields(const ScheduleInput& input);
    // False, with the message that asks for one, when there is no save folder.
    bool FolderChosen(ScheduleAnswer& answer, EditorMessage missing = EditorMessage::NoSaveFolder) const;

    // Takes the open program from the input and finds its file: nothing when there is no save
    // folder (after the message) or the file cannot be opened.
    std::optional<std::string> StoredProgramPath(const ScheduleInput& input, ScheduleAnswer& answer);
    ScheduleAnswer Step(const ScheduleInput& input, int step);
    ScheduleAnswer MoveMusic(const ScheduleInput& input, int step);
    bool RepeatsSavedStart() const;
    // Says why the store did not do what was asked with the program file at `path`. A timer that
    // another writer changed meanwhile is shown as the file now holds it.
    void Report(const Failure& failure, const std::string& path, ScheduleAnswer& answer);
    void ShowStoredTimer(const std::string& path, ScheduleAnswer& answer);
    // Opens `program` afresh at its first timer, as choosing it does: a blank program when its
    // file cannot be opened. False when the file is there but fails to read.
    bool ReloadProgram(const std::string& path, int program, ScheduleAnswer& answer);

    // Reads timer `index` of `program` over `start` and shows it. False, with nothing changed,
    // when the file cannot be opened (silently) or read (the file error says why).
    bool Load(const std::string& path, int program, std::uint32_t index, const TimerRecord& start,
              ScheduleAnswer& answer);
    // Takes timer `index` of `program` as read and shows it; on a failed read, the same as Load.
    bool Take(const Result<TimerRead>& read, int program, std::uint32_t index, ScheduleAnswer& answer);
    // A blank new timer at index timerCount().
    void StartNewTimer(ScheduleAnswer& answer);
    // Program `program` without timers, at its new timer 1.
    void OpenBlankProgram(int program, ScheduleAnswer& answer);
    void ShowTimer(ScheduleAnswer& answer);
    void ApplyModeEnabling(ScheduleAnswer& answer);
    void SetMusic(std::vector<std::u16string> names, int row, ScheduleAnswer& answer);

    ScheduleKind m_kind;
    FileSystem& m_fs;
    history::WriteRecorder m_recorder;

    std::string m_saveFolder;
    std::uint32_t m_timerNumber = 0;
    std::uint32_t m_timerIndex = 0;
    std::uint32_t m_timerCount = 0;
    int m_program = 0;
    TimerRecord m_record;
    std::vector<std::u16string> m_music;
    int m_musicRow = -1;
    MusicSource m_medium = MusicSource::Internal;
    bool m_modeFixed = false;
    // What the store said the shown stored timer was when it was read; replace and delete hand it
    // back so that a timer another writer changed meanwhile is left alone. None for a new timer.
    std::optional<TimerFingerprint> m_fingerprint;
    std::vector<TimerSummaryTable> m_summaries;  // one per program
};

}  // namespace core
