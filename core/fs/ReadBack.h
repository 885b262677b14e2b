#pragma once

// Reading what was written back from the medium and comparing it with what was written: a
// failing or counterfeit card takes writes and keeps other bytes, and says nothing.
// docs/read-back.md says what each platform proves.

#include <cstdint>
#include <span>
#include <string>

#include "core/fs/ContentChecksum.h"
#include "core/fs/FileSystem.h"
#include "core/fs/Result.h"

namespace core {

// What a file was given: its length and the checksum of its bytes.
struct WrittenContent {
    std::uint64_t length = 0;
    std::uint64_t checksum = 0;

    bool operator==(const WrittenContent&) const = default;
};

// IoFailed with ReadBackMismatch, naming path.
Failure ReadBackMismatch(const std::string& path);

// Passes every call on to `file` and keeps the checksum of what is written through it. Writers
// write in order from the start; one that seeks elsewhere than its end and writes, or cuts the
// file, can no longer be followed by a running checksum, and Written() then reads the file
// through its own handle, as the system holds what this process wrote.
class ChecksummingFile final : public File {
public:
    explicit ChecksummingFile(File& file) : m_file(file) {}

    // What the file was given, once the writer is done.
    Result<WrittenContent> Written();

    const std::string& Path() const override { return m_file.Path(); }
    Result<std::size_t> Read(std::span<std::uint8_t> buffer) override;
    Result<> Write(std::span<const std::uint8_t> data) override;
    Result<> Seek(std::uint64_t offset) override;
    Result<std::uint64_t> Length() override { return m_file.Length(); }
    Result<> Truncate(std::uint64_t length) override;
    Result<> Sync() override { return m_file.Sync(); }
    Result<> DropCachedPages() override { return m_file.DropCachedPages(); }
    Result<> Close() override { return m_file.Close(); }
    Result<> CloseKeepingPath() override { return m_file.CloseKeepingPath(); }

private:
    File& m_file;
    ContentChecksum m_checksum;
    std::uint64_t m_position = 0;
    bool m_inOrder = true;  // every byte so far written right after the one before
};

// Opens the file at path from the medium (OpenMode::ReadFromMedium), after its writer flushed
// and closed it, reads it whole through a fixed buffer and compares it with `written`.
// ReadBackMismatch when they differ; a failing open or read is IoFailed with its own cause.
Result<> CheckOnMedium(FileSystem& fs, const std::string& path, const WrittenContent& written);

// Reads expected.size() bytes at `at` of an open file and compares them with `expected`: for
// writes made in place, once the caller has pushed them to the medium and dropped the file's
// cached pages. ReadBackMismatch when they differ or the file ends before them.
Result<> CheckBytesAt(File& file, std::uint64_t at, std::span<const std::uint8_t> expected);

}  // namespace core
