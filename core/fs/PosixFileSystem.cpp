// The file system on POSIX systems: open(2) with an exclusive, non-blocking flock(2) stands in
// for an exclusive open.
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/fs/FileError.h"
#include "core/fs/FileSystem.h"

namespace core {

namespace {

[[noreturn]] void ThrowErrno(const std::string& path, int errorNumber = errno) {
    throw FileError(CauseFromErrno(errorNumber), path);
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

class PosixFile final : public File {
public:
    PosixFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    ~PosixFile() override {
        if (fd_ >= 0) ::close(fd_);
    }

    const std::string& Path() const override { return path_; }

    std::size_t Read(std::span<std::uint8_t> buffer) override {
        for (;;) {
            const ssize_t got = ::read(Fd(), buffer.data(), buffer.size());
            if (got >= 0) return static_cast<std::size_t>(got);
            if (errno != EINTR) ThrowErrno(path_);
        }
    }

    void Write(std::span<const std::uint8_t> data) override {
        while (!data.empty()) {
            const ssize_t put = ::write(Fd(), data.data(), data.size());
            if (put < 0) {
                if (errno == EINTR) continue;
                ThrowErrno(path_);
            }
            if (put == 0) throw FileError(FileErrorCause::DiskFull, path_);
            data = data.subspan(static_cast<std::size_t>(put));
        }
    }

    void Seek(std::uint64_t offset) override {
        if (::lseek(Fd(), static_cast<off_t>(offset), SEEK_SET) < 0) {
            throw FileError(FileErrorCause::BadSeek, path_);
        }
    }

    std::uint64_t Length() override {
        struct stat info {};
        if (::fstat(Fd(), &info) != 0) ThrowErrno(path_);
        return static_cast<std::uint64_t>(info.st_size);
    }

    void Truncate(std::uint64_t length) override {
        if (::ftruncate(Fd(), static_cast<off_t>(length)) != 0) ThrowErrno(path_);
    }

    void Sync() override {
        if (::fsync(Fd()) != 0) ThrowErrno(path_);
    }

    void Close() override {
        const int fd = fd_;
        fd_ = -1;
        if (fd >= 0 && ::close(fd) != 0 && errno != EINTR) ThrowErrno(path_);
    }

private:
    int Fd() const {
        if (fd_ < 0) throw FileError(FileErrorCause::InvalidFile, path_);
        return fd_;
    }

    int fd_;
    std::string path_;
};

class PosixFileSystem final : public FileSystem {
public:
    std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override {
        int flags = O_CLOEXEC;
        switch (mode) {
        case OpenMode::Read: flags |= O_RDONLY; break;
        case OpenMode::ReadWrite: flags |= O_RDWR; break;
        case OpenMode::Create: flags |= O_RDWR | O_CREAT; break;
        }
        int fd;
        do {
            fd = ::open(path.c_str(), flags, 0666);
        } while (fd < 0 && errno == EINTR);
        if (fd < 0) ThrowErrno(path);
        auto file = std::make_unique<PosixFile>(fd, path);

        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
            throw FileError(FileErrorCause::AccessDenied, path);
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            throw FileError(errno == EWOULDBLOCK ? FileErrorCause::SharingViolation
                                                 : CauseFromErrno(errno),
                            path);
        }
        // Emptying waits for the lock, so a file held by someone else is never cut short.
        if (mode == OpenMode::Create) file->Truncate(0);
        return file;
    }

    void Rename(const std::string& from, const std::string& to) override {
        if (::rename(from.c_str(), to.c_str()) != 0) ThrowErrno(to);
        // Make the new directory entry itself durable.
        const int dir = ::open(FolderOf(to).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0) {
            ::fsync(dir);
            ::close(dir);
        }
    }

    void Remove(const std::string& path) noexcept override { ::unlink(path.c_str()); }
};

}  // namespace

FileSystem& SystemFileSystem() {
    static PosixFileSystem instance;
    return instance;
}

}  // namespace core
