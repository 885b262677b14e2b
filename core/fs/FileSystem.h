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
    // An existing file, for reading what the medium holds rather than what the system caches,
    // where the platform allows: to check what a writer put there after it flushed and closed
    // the file (docs/read-back.md says what each platform proves).
    ReadFromMedium,
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
    // Lets go of the system's cached copy of this file, so that the reads that follow come from
    // the medium: for checking writes made in place, after Sync(). Where the platform cannot do
    // that for an open file, does nothing and the reads come from the cache.
    virtual Result<> DropCachedPages() { return {}; }
    virtual Result<> Close() = 0;
    // Closes the file but keeps every other opener of this tool away from its path until this
    // object is gone: on a system that renames over no open file, that is how a writer keeps
    // its hold through the rename. Elsewhere the same as Close().
    virtual Result<> CloseKeepingPath() { return Close(); }
};

// The file system as the tool sees it. Everything that touches disk goes through this seam,
// so tests can make any single call fail.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Opens path with exclusive access. A failure is OpenFailed with the cause: FileNotFound
    // when a file that must exist is missing, SharingViolation when another opener holds it,
    // NotRegularFile when the path names a pipe, socket, device or folder (refused without
    // waiting on it), and so on. The file held is the one at the path once the hold is taken: a
    // file that was put in its place meanwhile is held instead.
    virtual Result<std::unique_ptr<File>> Open(const std::string& path, OpenMode mode) = 0;
    // Puts the file at `from` in the place of `to` in one step, replacing `to`, and makes the
    // change durable. Both lie in the same folder. A failure is IoFailed, naming `to`.
    virtual Result<> Rename(const std::string& from, const std::string& to) = 0;
    // The same, but only when nothing is at `to`: gives false, having done nothing, when
    // something is. For a first save, so that two writers creating one file never lose a save.
    virtual Result<bool> RenameIfAbsent(const std::string& from, const std::string& to) = 0;
    // Rename over `to`, which the caller holds open as `held`: the hold lasts until the new file
    // has taken the old one's place, so no other writer of this tool gets in between. The
    // caller closes `held` afterwards, whatever the outcome.
    virtual Result<> RenameOverHeld(const std::string& from, const std::string& to, File& held) {
        static_cast<void>(held);
        return Rename(from, to);
    }
    // The path a write of `path` lands on: where its chain of symbolic links ends, whether a file
    // is there or not, so that a rewrite puts its new file there and keeps the link. `path`
    // itself when it is no link, or on a file system without links. OpenFailed with BadPath,
    // naming path, when the chain does not end.
    virtual Result<std::string> WriteTargetOf(const std::string& path) { return path; }
    // Whether writes are read back from the medium and compared before they count as done.
    // Always, but for the benchmark that measures what the check costs.
    virtual bool ChecksWrites() const { return true; }
    // Removes a file if it exists; never fails loudly (used to clean up).
    virtual void Remove(const std::string& path) noexcept = 0;
    // The names of the entries in `folder`, files and folders alike, without "." and "..", in no
    // particular order. A failure is OpenFailed with the cause and the folder's path when the
    // folder cannot be opened (FileNotFound when it does not exist, BadPath when it is not a
    // folder), IoFailed when reading it fails.
    virtual Result<std::vector<std::string>> ListFolder(const std::string& folder) = 0;
    // Makes the folder `path` when it does not exist yet; its parent must exist. A file system
    // without folders (one held in memory) has nothing to make.
    virtual Result<> MakeFolder(const std::string& path) {
        static_cast<void>(path);
        return {};
    }
};

// The machine's own file system.
FileSystem& SystemFileSystem();

// True when path names a file that can be opened for reading right now (opened, then
// closed again at once).
bool CanOpenForReading(FileSystem& fs, const std::string& path);

// Makes the folder `path` and every missing folder above it.
Result<> MakeFolderPath(FileSystem& fs, const std::string& path);

// Reads exactly buffer.size() bytes, or as many as the file still has, and gives the count read.
Result<std::size_t> ReadFully(File& file, std::span<std::uint8_t> buffer);

}  // namespace core
