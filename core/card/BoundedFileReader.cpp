#include "core/card/BoundedFileReader.h"

#include "core/fs/FileError.h"

namespace core {

BoundedFileReader::BoundedFileReader(FileSystem& fs, const std::string& path) {
    try {
        m_file = fs.Open(path, OpenMode::Read);
        m_length = m_file->Length();
    } catch (const FileError& error) {
        m_file.reset();
        m_failure = FileFailure{error.cause(), error.path()};
    }
}

bool BoundedFileReader::ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer) {
    if (!m_file) return false;
    try {
        if (offset != m_position) {
            m_file->Seek(offset);
            m_position = offset;
        }
        const std::size_t got = ReadFully(*m_file, buffer);
        m_position += got;
        // The file grew shorter since it was opened, or lied about its length.
        if (got != buffer.size()) throw FileError(FileErrorCause::EndOfFile, m_file->Path());
        return true;
    } catch (const FileError& error) {
        m_file.reset();
        m_failure = FileFailure{error.cause(), error.path()};
        return false;
    }
}

}  // namespace core
