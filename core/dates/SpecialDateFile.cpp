#include "core/dates/SpecialDateFile.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "core/fs/AtomicReplace.h"

namespace core {

Result<std::vector<SpecialDate>> ReadDateFile(FileSystem& fs, const std::string& path) {
    std::unique_ptr<File> file;
    try {
        file = fs.Open(path, OpenMode::Read);
    } catch (const FileError& error) {
        return OpenFailure(error);
    }
    try {
        const std::uint64_t records = std::min<std::uint64_t>(file->Length() / 2, kMaxSpecialDates);
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(records * 2));
        const std::size_t got = ReadFully(*file, bytes);
        file->Close();
        std::vector<SpecialDate> dates(got / 2);
        for (std::size_t k = 0; k < dates.size(); ++k) dates[k] = {bytes[2 * k], bytes[2 * k + 1]};
        return dates;
    } catch (const FileError& error) {
        return IoFailure(error);
    }
}

Result<> WriteDateFile(FileSystem& fs, const std::string& path, std::span<const SpecialDate> dates) {
    dates = dates.first(std::min(dates.size(), kMaxSpecialDates));
    std::vector<std::uint8_t> bytes;
    bytes.reserve(2 * dates.size());
    for (const SpecialDate& date : dates) {
        bytes.push_back(date.month);
        bytes.push_back(date.day);
    }
    // Hold the old file, when there is one, until the new one has taken its place.
    std::unique_ptr<File> held;
    try {
        held = fs.Open(path, OpenMode::Read);
    } catch (const FileError& error) {
        if (error.cause() != FileErrorCause::FileNotFound) return OpenFailure(error);
    }
    try {
        ReplaceFileContents(fs, path, bytes, std::move(held));
        return {};
    } catch (const CreateFailed& error) {
        return OpenFailure(error);
    } catch (const FileError& error) {
        return IoFailure(error);
    }
}

}  // namespace core
