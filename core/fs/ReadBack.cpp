#include "core/fs/ReadBack.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace core {

namespace {

// The most a read-back holds in memory at once: a full program comes back in a handful of reads.
constexpr std::size_t kReadBackBuffer = 1 << 20;

// Reads from the file's current position until its end or `limit` bytes, through a buffer of at
// most kReadBackBuffer, handing each piece to `take`; gives how many bytes were read.
template <class Take>
Result<std::uint64_t> ReadThrough(File& file, std::uint64_t limit, Take take) {
    const std::size_t capacity =
        static_cast<std::size_t>(std::clamp<std::uint64_t>(limit, 1, kReadBackBuffer));
    // Left uninitialised: only the bytes read into it are looked at.
    const auto storage = std::make_unique_for_overwrite<std::uint8_t[]>(capacity);
    const std::span<std::uint8_t> buffer(storage.get(), capacity);
    std::uint64_t done = 0;
    while (done < limit) {
        const auto chunk =
            buffer.first(static_cast<std::size_t>(std::min<std::uint64_t>(limit - done, capacity)));
        const auto got = ReadFully(file, chunk);
        if (!got.ok()) return got.failure();
        if (*got == 0) break;
        if (!take(chunk.first(*got), done)) break;
        done += *got;
    }
    return done;
}

Result<WrittenContent> ChecksumOf(File& file) {
    ContentChecksum checksum;
    const auto read = ReadThrough(file, UINT64_MAX, [&](std::span<const std::uint8_t> piece, std::uint64_t) {
        checksum.Add(piece);
        return true;
    });
    if (!read.ok()) return read.failure();
    return WrittenContent{checksum.Length(), checksum.Value()};
}

}  // namespace

Failure ReadBackMismatch(const std::string& path) {
    return IoFailure(FileError(FileErrorCause::ReadBackMismatch, path));
}

Result<std::size_t> ChecksummingFile::Read(std::span<std::uint8_t> buffer) {
    auto got = m_file.Read(buffer);
    if (got.ok()) m_position += *got;
    return got;
}

Result<> ChecksummingFile::Write(std::span<const std::uint8_t> data) {
    if (m_position != m_checksum.Length()) m_inOrder = false;
    auto written = m_file.Write(data);
    if (!written.ok()) return written;
    if (m_inOrder) m_checksum.Add(data);
    m_position += data.size();
    return written;
}

Result<> ChecksummingFile::Seek(std::uint64_t offset) {
    auto moved = m_file.Seek(offset);
    if (moved.ok()) m_position = offset;
    return moved;
}

Result<> ChecksummingFile::Truncate(std::uint64_t length) {
    if (length != m_checksum.Length()) m_inOrder = false;
    return m_file.Truncate(length);
}

Result<WrittenContent> ChecksummingFile::Written() {
    if (m_inOrder) return WrittenContent{m_checksum.Length(), m_checksum.Value()};
    if (auto moved = m_file.Seek(0); !moved.ok()) return moved.failure();
    return ChecksumOf(m_file);
}

Result<> CheckOnMedium(FileSystem& fs, const std::string& path, const WrittenContent& written) {
    auto opened = fs.Open(path, OpenMode::ReadFromMedium);
    if (!opened.ok()) return IoFailure(opened.error().value_or(FileError(FileErrorCause::Generic, path)));
    File& file = **opened;
    const auto length = file.Length();
    if (!length.ok()) return length.failure();
    if (*length != written.length) return ReadBackMismatch(path);
    const auto read = ChecksumOf(file);
    if (!read.ok()) return read.failure();
    if (*read != written) return ReadBackMismatch(path);
    return file.Close();
}

Result<> CheckBytesAt(File& file, std::uint64_t at, std::span<const std::uint8_t> expected) {
    if (auto moved = file.Seek(at); !moved.ok()) return moved;
    bool same = true;
    const auto read =
        ReadThrough(file, expected.size(), [&](std::span<const std::uint8_t> piece, std::uint64_t done) {
            same = std::memcmp(piece.data(), expected.data() + done, piece.size()) == 0;
            return same;
        });
    if (!read.ok()) return read.failure();
    if (!same || *read != expected.size()) return ReadBackMismatch(file.Path());
    return {};
}

}  // namespace core
