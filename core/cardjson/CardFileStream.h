#pragma once

// One file of a card folder read as ReadFileImage reads it, but a program's timers one at a
// time: what is held is one timer, never a program (a valid program file reaches 4 GB).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/card/BoundedFileReader.h"
#include "core/card/ChunkedReader.h"
#include "core/cardjson/CardImage.h"

namespace core::cardjson {

class CardFileStream {
public:
    // Opens the file and checks it whole by the card reader's rules (a program's header, then
    // each timer's place and size, reading only the timers' records), so a damaged file is
    // known before any timer is handed out.
    CardFileStream(FileSystem& fs, const std::string& folder, CardFileId id);
    CardFileStream(const CardFileStream&) = delete;
    CardFileStream& operator=(const CardFileStream&) = delete;

    // The file as far as it is checked: its state, damage or failure, a program's header
    // fields and unused index slots without its timers, a date file's dates.
    const FileImage& Head() const { return m_head; }
    std::size_t TimerCount() const { return m_counts.size(); }

    // The next timer in file order; none after the last, or when the file fails (it ends
    // early, a read fails, or it changed since it was checked): Failure() then says why,
    // naming the file.
    std::optional<StoredTimer> Next();
    const std::optional<FileError>& Failure() const { return m_failure; }

private:
    void CheckProgram();
    void ReadDates();
    void Fail(const std::optional<FileError>& error);

    FileImage m_head;
    BoundedFileReader m_file;
    std::vector<std::uint8_t> m_buffer;
    std::optional<ChunkedReader> m_chunks;
    std::vector<std::uint16_t> m_counts;  // each timer's music count, as checked
    std::size_t m_next = 0;
    std::uint64_t m_end = 0;  // where the last timer ends; dead bytes after it are not read
    std::optional<FileError> m_failure;
};

// A file that could not be read after it was opened: Busy or Unreadable with the failure.
void MarkFailed(FileImage& file, const FileError& failure);

}  // namespace core::cardjson
