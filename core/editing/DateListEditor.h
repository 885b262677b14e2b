#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/dates/SpecialDateFile.h"
#include "core/editing/EditorMessage.h"
#include "core/fs/FileError.h"
#include "core/fs/FileSystem.h"
#include "core/history/WriteRecorder.h"

namespace core {

// How a command changed the list of dates. A page redraws only what changed: a list rebuilt
// after every command would lose its scroll position.
enum class DateListChange {
    None,      // the list and its selection stay as they are
    Appended,  // one date added at the end
    Removed,   // the entry at removedRow is gone
    Reloaded,  // a new list: the dates of the program now chosen, or none
};

// What the page shows after a command, and what it tells the person.
struct DateListAnswer {
    DateListChange change = DateListChange::None;
    int removedRow = -1;   // Removed: the row that is gone
    int selectedRow = -1;  // after a change: the row to select, -1 for none
    // The dates held now, in list order; valid until the editor's next command.
    std::span<const SpecialDate> dates;
    int program = 0;         // 0 to 5: the program the dates belong to
    std::string saveFolder;  // empty until a folder is chosen
    std::optional<EditorMessage> message;
    std::optional<FileError> fileError;  // a failed save: why, with the file's path
    // The save changed the file, but the history on this computer has no copy of it.
    bool noHistoryCopy = false;
    // A write of several files cut short on this card, finished or undone before this command.
    std::vector<history::PlanSettlement> settled{};
};

// The rules of the special date page without its widgets: a save folder, one of the six
// special programs and that program's list of calendar days. Every command edits the list
// in memory; only Save writes a file, and only the folder and program choices read one.
class DateListEditor {
public:
    // Every write goes through `recorder` into the card's history. Without one, the recorder of
    // the default history place reads the card from the computer's own file system, beneath
    // whatever `fs` adds: the history's readings never count among the editor's own calls.
    explicit DateListEditor(FileSystem& fs);
    DateListEditor(FileSystem& fs, history::WriteRecorder recorder);

    // Takes `folder` as the save folder and loads the lowest numbered program whose file can be
    // read. Without any, the list empties and the program stays. An empty folder names none:
    // nothing changes. A write of several files cut short on the card is settled first (`settled`).
    DateListAnswer ChooseFolder(const std::string& folder);
    // Loads the dates of `program` (0 to 5), dropping unsaved ones. Without a save folder it
    // says NoSaveFolder; the program already chosen loads nothing.
    DateListAnswer ChooseProgram(int program);
    // Adds month (1 to 12) and day (1 to 31) at the end. No length-of-month check, as the lists
    // offer every day for every month. A date already listed, a 366th date or values out of
    // range are ignored without a word.
    DateListAnswer AddDate(int month, int day);
    // Removes the entry at `row` (-1 for none selected); the one that takes its place, or the
    // new last one, becomes selected.
    DateListAnswer DeleteEntry(int row);
    // Writes the list as the current program's file. On a failure the old file and the dates in
    // memory stay, so Save can be tried again.
    DateListAnswer Save();

    const std::string& SaveFolder() const { return m_saveFolder; }
    int Program() const { return m_program; }
    std::span<const SpecialDate> Dates() const { return m_dates; }

private:
    // ChooseFolder once what was cut short on the card is settled.
    DateListAnswer OpenFolder(const std::string& folder);
    // Replaces the dates by those of program's file; a missing or unreadable file gives none.
    DateListAnswer Load(int program);
    DateListAnswer Answer(DateListChange change, int selectedRow) const;
    DateListAnswer Message(EditorMessage message) const;
    int LastRow() const { return static_cast<int>(m_dates.size()) - 1; }
    std::string FilePath(int program) const;

    FileSystem& m_fs;
    history::WriteRecorder m_recorder;
    std::string m_saveFolder;
    int m_program = 0;
    std::vector<SpecialDate> m_dates;  // at most kMaxSpecialDates
};

}  // namespace core
