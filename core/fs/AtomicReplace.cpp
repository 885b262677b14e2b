#include "core/fs/AtomicReplace.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <limits>

#ifdef _WIN32
#include <process.h>
#include <windows.h>
#else
#include <signal.h>
#include <unistd.h>
#endif

#include "core/fs/Path.h"
#include "core/fs/ReadBack.h"

namespace core {

namespace {

constexpr std::string_view kTemporarySuffix = ".tavrel-tmp";

// The user knows the target, not our temporary file: every failure names the target.
FileError AtTarget(const Failure& failure, const std::string& target) {
    return FileError(failure.error ? failure.error->cause() : FileErrorCause::Generic, target);
}

long ProcessId() {
#ifdef _WIN32
    return static_cast<long>(_getpid());
#else
    return static_cast<long>(::getpid());
#endif
}

std::string ProcessTag() { return "." + std::to_string(ProcessId()) + "-"; }

// Whether the process `id` runs on this computer now. A writer's temporary file carries its
// process id, so that one still at work is told from one that was killed.
bool ProcessRuns(long id) {
#ifdef _WIN32
    const HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(id));
    if (process == nullptr) return ::GetLastError() == ERROR_ACCESS_DENIED;
    const bool running = ::WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    ::CloseHandle(process);
    return running;
#else
    if (id <= 0 || id > std::numeric_limits<pid_t>::max()) return false;
    return ::kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM;
#endif
}

// The process id in the name of a temporary file (checked by IsTemporaryPathFor).
long WriterOf(std::string_view tag) {
    const auto dash = tag.find('-');
    long id = 0;
    for (char c : tag.substr(0, dash)) {
        if (id > 100000000) return -1;  // no process has such an id
        id = id * 10 + (c - '0');
    }
    return id;
}

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

// Writes the content into the temporary file, pushes it to the medium and closes it, then reads
// it back from the medium: only a file that holds what was written may take the target's place.
Result<> WriteAndCheck(FileSystem& fs, File& file, const ContentWriter& write) {
    const bool check = fs.ChecksWrites();
    ChecksummingFile checksumming(file);
    File& out = check ? static_cast<File&>(checksumming) : file;
    if (auto written = write(out); !written.ok()) return written;
    if (auto synced = file.Sync(); !synced.ok()) return synced;
    if (!check) return file.Close();
    const auto content = checksumming.Written();
    if (!content.ok()) return content.failure();
    if (auto closed = file.Close(); !closed.ok()) return closed;
    return CheckOnMedium(fs, file.Path(), *content);
}

}  // namespace

std::string NewTemporaryPathFor(const std::string& target) {
    static std::atomic<unsigned long> counter{0};
    return target + ProcessTag() + std::to_string(++counter) + std::string(kTemporarySuffix);
}

bool IsTemporaryPathFor(const std::string& target, const std::string& path) {
    const std::string_view name(path);
    if (name.size() <= target.size() + 1 + kTemporarySuffix.size()) return false;
    if (name.substr(0, target.size()) != target || name[target.size()] != '.') return false;
    if (!name.ends_with(kTemporarySuffix)) return false;
    const std::string_view middle =
        name.substr(target.size() + 1, name.size() - target.size() - 1 - kTemporarySuffix.size());
    const auto dash = middle.find('-');
    return dash != std::string_view::npos && AllDigits(middle.substr(0, dash)) &&
           AllDigits(middle.substr(dash + 1));
}

Result<> RemoveLeftovers(FileSystem& fs, const std::string& target, OtherWriters others) {
    const auto real = fs.WriteTargetOf(target);
    if (!real.ok()) return IoFailure(AtTarget(real.failure(), target));
    const auto names = fs.ListFolder(FolderOf(*real));
    if (!names.ok()) return IoFailure(AtTarget(names.failure(), target));
    const std::string targetName = NameOf(*real);
    for (const std::string& name : *names) {
        if (!IsTemporaryPathFor(targetName, name)) continue;
        // A writer creating target lets go of its temporary file for an instant while it reads it
        // back: when nothing keeps such writers out, only a dead writer's file is a leftover.
        if (others == OtherWriters::MayBeAtWork &&
            ProcessRuns(WriterOf(std::string_view(name).substr(targetName.size() + 1))))
            continue;
        const std::string leftover = *real + name.substr(targetName.size());
        auto opened = fs.Open(leftover, OpenMode::Read);
        if (!opened.ok()) continue;  // a writer at work holds it, or it is gone already
        fs.Remove(leftover);  // while held, so that no writer takes it up in between
    }
    return {};
}

Result<std::unique_ptr<File>> HoldIfExists(FileSystem& fs, const std::string& target) {
    auto opened = fs.Open(target, OpenMode::Read);
    if (!opened.ok() && opened.error() && opened.error()->cause() == FileErrorCause::FileNotFound) {
        return std::unique_ptr<File>();
    }
    return opened;
}

Result<std::unique_ptr<File>> HoldToReplace(FileSystem& fs, const std::string& target, std::uint64_t largest) {
    auto held = HoldIfExists(fs, target);
    if (!held.ok() || !*held) return held;
    const auto length = (*held)->Length();
    if (!length.ok()) return length.failure();
    if (*length > largest) return TooLargeFailure(target);
    return held;
}

Result<Placement> ReplaceFileContents(FileSystem& fs, const std::string& target, const ContentWriter& write,
                                      std::unique_ptr<File> held, IfCreatedMeanwhile ifCreated) {
    // The new file goes where the write lands, beside it, so that a link at target stays one.
    const auto landing = fs.WriteTargetOf(target);
    if (!landing.ok()) return OpenFailure(AtTarget(landing.failure(), target));
    const std::string& real = *landing;
    const OtherWriters others = held ? OtherWriters::KeptOut : OtherWriters::MayBeAtWork;
    // Without a target, a folder that cannot be listed is left to the creation of the new file
    // to report.
    if (auto cleared = RemoveLeftovers(fs, real, others); !cleared.ok() && held) {
        return IoFailure(AtTarget(cleared.failure(), target));
    }
    const std::string temporary = NewTemporaryPathFor(real);
    auto opened = fs.Open(temporary, OpenMode::CreateNew);
    if (!opened.ok()) return OpenFailure(AtTarget(opened.failure(), target));
    std::unique_ptr<File> file = std::move(*opened);
    const auto dropTemporary = [&] {
        file.reset();
        fs.Remove(temporary);
    };

    Result<> done = WriteAndCheck(fs, *file, write);
    if (done.ok() && held) {
        done = fs.RenameOverHeld(temporary, real, *held);
    } else if (done.ok()) {
        // There was no target: the new file goes there only if it is still absent.
        const auto placed = fs.RenameIfAbsent(temporary, real);
        if (!placed.ok()) {
            done = placed.failure();
        } else if (*placed) {
            return Placement::Placed;
        } else if (ifCreated == IfCreatedMeanwhile::GiveWay) {
            dropTemporary();
            return Placement::GaveWay;
        } else {
            auto other = fs.Open(target, OpenMode::Read);
            if (!other.ok()) {
                dropTemporary();
                return OpenFailure(AtTarget(other.failure(), target));
            }
            held = std::move(*other);
            done = fs.RenameOverHeld(temporary, real, *held);
        }
    }
    if (!done.ok()) {
        dropTemporary();
        return IoFailure(AtTarget(done.failure(), target));
    }
    return Placement::Placed;
}

Result<> ReplaceFileContents(FileSystem& fs, const std::string& target, std::span<const std::uint8_t> content,
                             std::unique_ptr<File> held) {
    const auto written = ReplaceFileContents(
        fs, target, [content](File& out) { return out.Write(content); }, std::move(held));
    if (!written.ok()) return written.failure();
    return {};
}

}  // namespace core
