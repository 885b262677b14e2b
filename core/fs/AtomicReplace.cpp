#include "core/fs/AtomicReplace.h"

namespace core {

namespace {

// The user knows the target, not our temporary file: every failure names the target.
FileError AtTarget(const Failure& failure, const std::string& target) {
    return FileError(failure.error ? failure.error->cause() : FileErrorCause::Generic, target);
}

// Writes the runs into the temporary file, pushes them to the medium and closes it.
Result<> WriteAll(File& file, std::span<const ByteRun> runs) {
    for (const ByteRun& run : runs) {
        if (auto written = file.Write(run); !written.ok()) return written;
    }
    if (auto synced = file.Sync(); !synced.ok()) return synced;
    return file.Close();
}

}  // namespace

std::string TemporaryPathFor(const std::string& target) { return target + ".tmp"; }

Result<std::unique_ptr<File>> HoldIfExists(FileSystem& fs, const std::string& target) {
    auto opened = fs.Open(target, OpenMode::Read);
    if (!opened.ok() && opened.error() && opened.error()->cause() == FileErrorCause::FileNotFound) {
        return std::unique_ptr<File>();
    }
    return opened;
}

Result<> ReplaceFileContents(FileSystem& fs, const std::string& target, std::span<const std::uint8_t> content,
                             std::unique_ptr<File> held) {
    const ByteRun whole[] = {content};
    return ReplaceFileContents(fs, target, whole, std::move(held));
}

Result<> ReplaceFileContents(FileSystem& fs, const std::string& target, std::span<const ByteRun> runs,
                             std::unique_ptr<File> held) {
    const std::string temporary = TemporaryPathFor(target);
    auto opened = fs.Open(temporary, OpenMode::Create);
    if (!opened.ok()) return OpenFailure(AtTarget(opened.failure(), target));
    std::unique_ptr<File> file = std::move(*opened);

    Result<> replaced = WriteAll(*file, runs);
    if (replaced.ok()) {
        held.reset();
        replaced = fs.Rename(temporary, target);
    }
    if (!replaced.ok()) {
        file.reset();
        fs.Remove(temporary);
        return IoFailure(AtTarget(replaced.failure(), target));
    }
    return {};
}

}  // namespace core
