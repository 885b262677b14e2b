#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/fs/FileError.h"
#include "core/fs/Result.h"

namespace core {

// How a file is opened. Every open is exclusive: while the tool holds a file, no other
// opener gets it.
enum class OpenMode {
    Read,       // an existing file, for reading
    ReadWrite,  // an existing file, for reading and writing
    Create,     // created when missing, emptied when present, for writing (and reading)
    CreateNew,  // created, for writing (and reading); fails when the path already exists
};

// An open file. Every call answers with its result; a failure is IoFailed with the cause and
// this file's path. The destructor closes the file quietly; call Close() to learn whether
// closing worked.
class File {
public:
    virtual ~File() = default;

    virtual const std::string& Path() const = 0;

    // Reads up to buffer.size() bytes at the current position and gives how many were read:
    // fewer only at the end of the file.
    virtual Result<std::size_t> Read(std::span<std::uint8_t> buffer) = 0;
    // Writes all of data at the current position.
    virtual Result<> Write(std::span<const std::uint8_t> data) = 0;
    virtual Result<> Seek(std::uint64_t offset) = 0;
    virtual Result<std::uint64_t> Length() = 0;
    // Cuts or extends the file to exactly length bytes.
    virtual Result<> Truncate(std::uint64_t length) = 0;
    // Pushes everything written so far to the medium.
    virtual Result<> Sync() = 0;
    virtual Result<> Close() = 0;
};

// The file system as the tool sees it. Everything that touches disk goes through this seam,
// so tests can make any single call fail.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Opens path with exclusive access. A failure is OpenFailed with the cause: FileNotFound
    // when a file that must exist is missing, SharingViolation when another opener holds it,
    // and so on. The file held is the one at the path once the hold is taken: a file that was
    // put in its place meanwhile is held instead.
    virtual Result<std::unique_ptr<File>> Open(const std::string& path, OpenMode mode) = 0;
    // Puts the file at `from` in the place of `to` in one step, replacing `to`, and makes the
    // change durable. Both lie in the same folder. A failure is IoFailed, naming `to`.
    virtual Result<> Rename(const std::string& from, const std::string& to) = 0;
    // The same, but only when nothing is at `to`: gives false, having done nothing, when
    // something is. For a first save, so that two writers creating one file never lose a save.
    virtual Result<bool> RenameIfAbsent(const std::string& from, const std::string& to) = 0;
    // Whether Rename may replace a file that this process holds open. Where it may, a writer
    // keeps its hold on the old file until the new one has taken its place.
    virtual bool RenamesOverHeldFiles() const { return true; }
    // The names of the entries of a folder (not "." and ".."), in no particular order. A
    // failure is IoFailed naming the folder.
    virtual Result<std::vector<std::string>> ListFolder(const std::string& folder) = 0;
    // Removes a file if it exists; never fails loudly (used to clean up).
    virtual void Remove(const std::string& path) noexcept = 0;
};

// The machine's own file system.
FileSystem& SystemFileSystem();

// True when path names a file that can be opened for reading right now (opened, then
// closed again at once).
bool CanOpenForReading(FileSystem& fs, const std::string& path);

// Reads exactly buffer.size() bytes, or as many as the file still has, and gives the count read.
Result<std::size_t> ReadFully(File& file, std::span<std::uint8_t> buffer);

}  // namespace core
