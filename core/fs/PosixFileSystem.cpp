// The file system on POSIX systems: open(2) with an exclusive, non-blocking flock(2) stands in
// for an exclusive open.
#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <string>
#include <vector>

#include "core/fs/FileError.h"
#include "core/fs/FileSystem.h"
#include "core/fs/Path.h"

namespace core {

namespace {

// A failure after the open, from errno as the failing call left it.
Failure ErrnoFailure(const std::string& path, int errorNumber = errno) {
    return IoFailure(FileError(CauseFromErrno(errorNumber), path));
}

// Makes a new directory entry in the folder of `path` durable.
void SyncFolderOf(const std::string& path) {
    const int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

// Whether the open file fd is the one at path right now.
enum class AtPath { Same, Replaced, Gone };
AtPath CompareWithPath(int fd, const std::string& path) {
    struct stat held {};
    struct stat now {};
    if (::fstat(fd, &held) != 0) return AtPath::Replaced;
    if (::stat(path.c_str(), &now) != 0) return errno == ENOENT ? AtPath::Gone : AtPath::Replaced;
    return held.st_dev == now.st_dev && held.st_ino == now.st_ino ? AtPath::Same : AtPath::Replaced;
}

// Moves from to to only when nothing is there, in one step where the file system can.
// 0, or an errno value.
int RenameNoReplace(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return errno;
    // A file system without the one-step form: a hard link fails on an existing name just as well.
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return 0;
    }
    if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP) return errno;
    // Nor links (FAT): look, then rename. Only a writer creating the same file in the same
    // instant can slip in between.
    struct stat info {};
    if (::stat(to.c_str(), &info) == 0) return EEXIST;
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

class PosixFile final : public File {
public:
    PosixFile(int fd, std::string path) : m_fd(fd), m_path(std::move(path)) {}
    ~PosixFile() override {
        if (m_fd >= 0) ::close(m_fd);
    }

    const std::string& Path() const override { return m_path; }
    int Descriptor() const { return m_fd; }

    Result<std::size_t> Read(std::span<std::uint8_t> buffer) override {
        if (m_fd < 0) return Closed();
        for (;;) {
            const ssize_t got = ::read(m_fd, buffer.data(), buffer.size());
            if (got >= 0) return static_cast<std::size_t>(got);
            if (errno != EINTR) return ErrnoFailure(m_path);
        }
    }

    Result<> Write(std::span<const std::uint8_t> data) override {
        if (m_fd < 0) return Closed();
        while (!data.empty()) {
            const ssize_t put = ::write(m_fd, data.data(), data.size());
            if (put < 0) {
                if (errno == EINTR) continue;
                return ErrnoFailure(m_path);
            }
            if (put == 0) return IoFailure(FileError(FileErrorCause::DiskFull, m_path));
            data = data.subspan(static_cast<std::size_t>(put));
        }
        return {};
    }

    Result<> Seek(std::uint64_t offset) override {
        if (m_fd < 0) return Closed();
        if (::lseek(m_fd, static_cast<off_t>(offset), SEEK_SET) < 0) {
            return IoFailure(FileError(FileErrorCause::BadSeek, m_path));
        }
        return {};
    }

    Result<std::uint64_t> Length() override {
        if (m_fd < 0) return Closed();
        struct stat info {};
        if (::fstat(m_fd, &info) != 0) return ErrnoFailure(m_path);
        return static_cast<std::uint64_t>(info.st_size);
    }

    Result<> Truncate(std::uint64_t length) override {
        if (m_fd < 0) return Closed();
        if (::ftruncate(m_fd, static_cast<off_t>(length)) != 0) return ErrnoFailure(m_path);
        return {};
    }

    Result<> Sync() override {
        if (m_fd < 0) return Closed();
        if (::fsync(m_fd) != 0) return ErrnoFailure(m_path);
        return {};
    }

    // Clean pages only: the caller has pushed the writes to the medium first.
    Result<> DropCachedPages() override {
        if (m_fd < 0) return Closed();
#ifdef POSIX_FADV_DONTNEED
        if (const int error = ::posix_fadvise(m_fd, 0, 0, POSIX_FADV_DONTNEED); error != 0) {
            return ErrnoFailure(m_path, error);
        }
#endif
        return {};
    }

    Result<> Close() override {
        const int fd = m_fd;
        m_fd = -1;
        if (fd >= 0 && ::close(fd) != 0 && errno != EINTR) return ErrnoFailure(m_path);
        return {};
    }

private:
    // Any call but Close on a file already closed.
    Failure Closed() const { return IoFailure(FileError(FileErrorCause::InvalidFile, m_path)); }

    int m_fd;
    std::string m_path;
};

class PosixFileSystem final : public FileSystem {
    static constexpr int kOpenRounds = 8;

    // As many links as the system itself follows before it gives up with ELOOP.
    static constexpr int kMaxLinks = 40;

    // Why an open of path failed: a path that names no regular file is refused as such.
    static FileErrorCause OpenFailureCause(const std::string& path, int errorNumber) {
        struct stat info {};
        if (errorNumber != ENOENT && ::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
            return FileErrorCause::NotRegularFile;
        }
        return CauseFromErrno(errorNumber);
    }

    // One open with its exclusive lock. Opened without blocking, so that a pipe or a device
    // without a partner never holds the tool up; only regular files are kept.
    static Result<std::unique_ptr<PosixFile>> OpenOnce(const std::string& path, int flags) {
        int fd;
        do {
            fd = ::open(path.c_str(), flags | O_NONBLOCK, 0666);
        } while (fd < 0 && errno == EINTR);
        if (fd < 0) return OpenFailure(FileError(OpenFailureCause(path, errno), path));
        auto file = std::make_unique<PosixFile>(fd, path);

        struct stat info {};
        if (::fstat(fd, &info) != 0) return OpenFailure(FileError(CauseFromErrno(errno), path));
        if (!S_ISREG(info.st_mode)) return OpenFailure(FileError(FileErrorCause::NotRegularFile, path));
        if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
            return OpenFailure(FileError(CauseFromErrno(errno), path));
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            return OpenFailure(FileError(
                error == EWOULDBLOCK ? FileErrorCause::SharingViolation : CauseFromErrno(error), path));
        }
        return file;
    }

public:
    Result<std::unique_ptr<File>> Open(const std::string& path, OpenMode mode) override {
        int flags = O_CLOEXEC;
        switch (mode) {
        case OpenMode::Read:
        case OpenMode::ReadFromMedium: flags |= O_RDONLY; break;
        case OpenMode::ReadWrite: flags |= O_RDWR; break;
        case OpenMode::Create: flags |= O_RDWR | O_CREAT; break;
        case OpenMode::CreateNew: flags |= O_RDWR | O_CREAT | O_EXCL; break;
        }
        // A writer renames its new file over the old one while holding the old one, so the file
        // opened here may no longer be the one at the path once its lock is had: then the new
        // one is opened and held instead. A few rounds at most, however busy the file.
        for (int round = 0; round < kOpenRounds; ++round) {
            auto opened = OpenOnce(path, flags);
            if (!opened.ok()) return opened.failure();
            PosixFile& file = **opened;
            const AtPath at = CompareWithPath(file.Descriptor(), path);
            if (at == AtPath::Gone && mode != OpenMode::Create) {
                return OpenFailure(FileError(FileErrorCause::FileNotFound, path));
            }
            if (at != AtPath::Same) continue;
            // Emptying waits for the lock, so a file held by someone else is never cut short.
            if (mode == OpenMode::Create) {
                if (auto emptied = file.Truncate(0); !emptied.ok()) return OpenFailure(*emptied.error());
            }
            // The writer flushed before this open, so every cached page is clean and can go; the
            // file is then read once from start to end, so the system may read far ahead.
            if (mode == OpenMode::ReadFromMedium) {
#ifdef POSIX_FADV_SEQUENTIAL
                ::posix_fadvise(file.Descriptor(), 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
                if (auto dropped = file.DropCachedPages(); !dropped.ok())
                    return OpenFailure(*dropped.error());
            }
            return std::unique_ptr<File>(std::move(*opened));
        }
        return OpenFailure(FileError(FileErrorCause::SharingViolation, path));
    }

    Result<> Rename(const std::string& from, const std::string& to) override {
        if (::rename(from.c_str(), to.c_str()) != 0) return ErrnoFailure(to);
        SyncFolderOf(to);
        return {};
    }

    Result<bool> RenameIfAbsent(const std::string& from, const std::string& to) override {
        const int error = RenameNoReplace(from, to);
        if (error == EEXIST) return false;
        if (error != 0) return ErrnoFailure(to, error);
        SyncFolderOf(to);
        return true;
    }

    Result<std::string> WriteTargetOf(const std::string& path) override {
        std::string at = path;
        std::vector<char> buffer(PATH_MAX);
        for (int links = 0; links < kMaxLinks; ++links) {
            const ssize_t size = ::readlink(at.c_str(), buffer.data(), buffer.size());
            // No link (EINVAL), or nothing there: the write lands here.
            if (size < 0) return at;
            if (static_cast<std::size_t>(size) >= buffer.size()) break;
            const std::string next(buffer.data(), static_cast<std::size_t>(size));
            at = next.starts_with('/') ? next : JoinPath(FolderOf(at), next);
        }
        return OpenFailure(FileError(FileErrorCause::BadPath, path));
    }

    void Remove(const std::string& path) noexcept override { ::unlink(path.c_str()); }

    Result<std::vector<std::string>> ListFolder(const std::string& folder) override {
        DIR* dir = ::opendir(folder.c_str());
        if (dir == nullptr) return OpenFailure(FileError(CauseFromErrno(errno), folder));
        std::vector<std::string> names;
        for (;;) {
            errno = 0;  // readdir tells the end from a failure only through errno
            const dirent* entry = ::readdir(dir);
            if (entry == nullptr) break;
            const std::string_view name = entry->d_name;
            if (name != "." && name != "..") names.emplace_back(name);
        }
        const int error = errno;
        ::closedir(dir);
        if (error != 0) return ErrnoFailure(folder, error);
        return names;
    }

    Result<> MakeFolder(const std::string& path) override {
        if (::mkdir(path.c_str(), 0777) == 0) {
            SyncFolderOf(path);
            return {};
        }
        struct stat info {};
        if (errno == EEXIST && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return {};
        return OpenFailure(FileError(errno == EEXIST ? FileErrorCause::BadPath : CauseFromErrno(errno), path));
    }
};

}  // namespace

FileSystem& SystemFileSystem() {
    static PosixFileSystem instance;
    return instance;
}

}  // namespace core
