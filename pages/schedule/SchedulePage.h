#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

#include "pages/schedule/ScheduleControls.h"
#include "pages/schedule/ScheduleVariant.h"
#include "core/fs/FileSystem.h"
#include "core/schedule/ScheduleFile.h"
#include "core/schedule/TimerRecord.h"
#include "core/schedule/TimerSummary.h"
#include "ui/Dialogs.h"

namespace pages {

// A schedule page: edits the timers of the programs of one kind, one timer at a time, and
// stores them in the program files of the save folder. The general and the special page are
// this class with different variants.
//
// A stored timer is in the editor while m_timerIndex < m_timerCount; a new one, not stored yet,
// while m_timerIndex == m_timerCount. Stored timers are read from their file each time they are
// shown; the page keeps only the start-time summaries of what it saved itself.
class SchedulePage : public QWidget {
    Q_OBJECT

public:
    SchedulePage(const ScheduleVariant& variant, ui::Dialogs& dialogs, core::FileSystem& fs,
                 QWidget* parent = nullptr);

    const ScheduleVariant& variant() const { return m_variant; }

    // Commands, each run by its button or, for the program and mode combos, by a choice the
    // user makes in the list.
    void OnSave();
    void OnOpenFolder();
    void OnSelchangeProgram();
    void OnSelchangeMode();
    void OnNextTimer();
    void OnPrevTimer();
    void OnNewTimer();
    void OnCancelTimer();
    void OnDeleteTimer();
    void OnExit();
    void OnAddMusic();
    void OnDeleteMusic();
    void OnMusicUp();
    void OnMusicDown();
    void OnCopyProgram();

    // The editing state, for whoever needs to look at it (the tests do).
    const QString& savePath() const { return m_savePath; }
    std::uint32_t timerNumber() const { return m_timerNumber; }
    std::uint32_t timerIndex() const { return m_timerIndex; }
    std::uint32_t timerCount() const { return m_timerCount; }
    int currentProgram() const { return m_currentProgram; }
    const core::TimerRecord& editTimer() const { return m_editTimer; }
    const core::TimerSummaryTable& timerSummary(int program) const;

protected:
    // Puts `timer`, the open program and the timer number on screen, enabling by its mode.
    void ShowTimer(const core::TimerRecord& timer);
    // Reads the controls back into `timer` and takes the open program from the program combo.
    void CollectTimer(core::TimerRecord& timer);
    // Makes the editor a blank new timer at index m_timerCount.
    void StartNewTimer();
    // Reads timer `index` of program `program` from the file at `path` and shows it; from then on
    // that timer is in the editor. `start` is what the record holds where the file has nothing.
    // False, with nothing changed, when the file cannot be opened (silently) or read (the
    // file-error box tells why).
    bool LoadTimer(const std::string& path, int program, std::uint32_t index, core::TimerRecord start);

private:
    void InitialiseEditor();
    void ConnectCommands();

    // The bound fields: the save folder and the timer number, moved between members and edits.
    void PullBoundFields();
    void PushBoundFields();

    bool HasProgram(int program) const { return program >= 0 && program < m_variant.programCount(); }
    std::string ProgramPath(int program) const;
    // Pull, take the open program from the combo, and find its file. Nothing when there is no
    // save folder (after the message) or the file cannot be opened.
    bool BeginOnStoredProgram(std::string& path);
    // Next (+1) and Previous (-1).
    void StepThroughStored(int step);
    void ApplyModeEnabling(std::uint16_t mode);
    void ClearMusicList();
    core::TimerData TimerToStore() const;
    bool RepeatsSavedStartTime() const;
    void ReportStoreFailure(const core::Failure& failure);

    const ScheduleVariant& m_variant;
    ui::Dialogs& m_dialogs;
    core::FileSystem& m_fs;
    ScheduleControls m_controls;

    QString m_savePath;
    std::uint32_t m_timerNumber = 0;
    std::uint32_t m_timerIndex = 0;
    std::uint32_t m_timerCount = 0;
    int m_currentProgram = 0;
    core::TimerRecord m_editTimer;
    std::vector<core::TimerSummaryTable> m_timerSummary;  // one per program
};

}  // namespace pages
