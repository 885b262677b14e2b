#include "core/card/BoundedFileReader.h"

namespace core {

BoundedFileReader::BoundedFileReader(FileSystem& fs, const std::string& path) {
    auto opened = fs.Open(path, OpenMode::Read);
    if (!opened.ok()) {
        m_failure = opened.error();
        return;
    }
    auto length = (*opened)->Length();
    if (!length.ok()) {
        m_failure = length.error();
        return;
    }
    m_file = std::move(*opened);
    m_length = *length;
}

bool BoundedFileReader::ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer) {
    if (!m_file) return false;
    if (offset != m_position) {
        if (const auto sought = m_file->Seek(offset); !sought.ok()) return Fail(sought.error());
        m_position = offset;
    }
    const auto got = ReadFully(*m_file, buffer);
    if (!got.ok()) return Fail(got.error());
    m_position += *got;
    // The file grew shorter since it was opened, or lied about its length.
    if (*got != buffer.size()) return Fail(FileError(FileErrorCause::EndOfFile, m_file->Path()));
    return true;
}

bool BoundedFileReader::Fail(const std::optional<FileError>& error) {
    m_file.reset();
    m_failure = error.value_or(FileError(FileErrorCause::Generic, ""));
    return false;
}

}  // namespace core
