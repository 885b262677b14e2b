#include "core/editing/DateListEditor.h"

#include <algorithm>
#include <utility>

#include "core/card/CardFiles.h"
#include "core/fs/Result.h"

namespace core {

namespace {

constexpr CardFileKind kKind = CardFileKind::SpecialDates;

}  // namespace

DateListEditor::DateListEditor(FileSystem& fs) : DateListEditor(fs, history::WriteRecorder(SystemFileSystem())) {}

DateListEditor::DateListEditor(FileSystem& fs, history::WriteRecorder recorder)
    : m_fs(fs), m_recorder(std::move(recorder)) {}

DateListAnswer DateListEditor::ChooseFolder(const std::string& folder) {
    if (folder.empty()) return Answer(DateListChange::None, -1);
    // A write of several files cut short on this card is settled before the card is read.
    m_recorder.SettlePending(folder);
    DateListAnswer answer = OpenFolder(folder);
    answer.settled = m_recorder.TakeSettlements();
    return answer;
}

DateListAnswer DateListEditor::OpenFolder(const std::string& folder) {
    m_saveFolder = folder;
    for (int program = 0; program < ProgramCount(kKind); ++program) {
        if (CanOpenForReading(m_fs, FilePath(program))) return Load(program);
    }
    m_dates.clear();
    return Answer(DateListChange::Reloaded, -1);
}

DateListAnswer DateListEditor::ChooseProgram(int program) {
    if (m_saveFolder.empty()) return Message(EditorMessage::NoSaveFolder);
    if (program == m_program || program < 0 || program >= ProgramCount(kKind)) {
        return Answer(DateListChange::None, -1);
    }
    return Load(program);
}

DateListAnswer DateListEditor::AddDate(int month, int day) {
    if (month < 1 || month > 12 || day < 1 || day > 31) return Answer(DateListChange::None, -1);
    const SpecialDate date{static_cast<std::uint8_t>(month), static_cast<std::uint8_t>(day)};
    if (m_dates.size() >= kMaxSpecialDates || std::ranges::find(m_dates, date) != m_dates.end()) {
        return Answer(DateListChange::None, -1);
    }
    m_dates.push_back(date);
    return Answer(DateListChange::Appended, LastRow());
}

DateListAnswer DateListEditor::DeleteEntry(int row) {
    if (row < 0 || row > LastRow()) return Answer(DateListChange::None, -1);
    m_dates.erase(m_dates.begin() + row);
    DateListAnswer answer = Answer(DateListChange::Removed, std::min(row, LastRow()));
    answer.removedRow = row;
    return answer;
}

DateListAnswer DateListEditor::Save() {
    if (m_saveFolder.empty()) return Message(EditorMessage::NoSaveFolder);
    const std::string path = FilePath(m_program);
    const Result<> written =
        m_recorder.Record(path, history::Command::SaveDates, [&] { return WriteDateFile(m_fs, path, m_dates); });
    DateListAnswer answer = written.ok() ? Message(EditorMessage::Saved) : Answer(DateListChange::None, -1);
    if (!written.ok()) answer.fileError = written.error().value_or(FileError(FileErrorCause::Generic, path));
    answer.noHistoryCopy = m_recorder.TakeMissedCopy();
    answer.settled = m_recorder.TakeSettlements();
    return answer;
}

DateListAnswer DateListEditor::Load(int program) {
    m_program = program;
    Result<std::vector<SpecialDate>> read = ReadDateFile(m_fs, FilePath(program));
    m_dates = read.ok() ? std::move(*read) : std::vector<SpecialDate>();
    return Answer(DateListChange::Reloaded, LastRow());
}

DateListAnswer DateListEditor::Answer(DateListChange change, int selectedRow) const {
    DateListAnswer answer;
    answer.change = change;
    answer.selectedRow = selectedRow;
    answer.dates = m_dates;
    answer.program = m_program;
    answer.saveFolder = m_saveFolder;
    return answer;
}

DateListAnswer DateListEditor::Message(EditorMessage message) const {
    DateListAnswer answer = Answer(DateListChange::None, -1);
    answer.message = message;
    return answer;
}

std::string DateListEditor::FilePath(int program) const { return CardFilePath(m_saveFolder, kKind, program); }

}  // namespace core
