#include "core/dates/SpecialDateFile.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "core/fs/AtomicReplace.h"

namespace core {

Result<std::vector<SpecialDate>> ReadDateFile(FileSystem& fs, const std::string& path) {
    const auto opened = fs.Open(path, OpenMode::Read);
    if (!opened.ok()) return opened.failure();
    File& file = **opened;
    // At most 365 records are read, whatever the file's size says.
    std::array<std::uint8_t, 2 * kMaxSpecialDates> bytes{};
    const auto got = ReadFully(file, bytes);
    if (!got.ok()) return got.failure();
    if (auto closed = file.Close(); !closed.ok()) return closed.failure();

    std::vector<SpecialDate> dates(*got / 2);
    for (std::size_t k = 0; k < dates.size(); ++k) dates[k] = {bytes[2 * k], bytes[2 * k + 1]};
    return dates;
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
    auto held = HoldToReplace(fs, path, kMaxDateFileSize);
    if (!held.ok()) return held.failure();
    return ReplaceFileContents(fs, path, bytes, std::move(*held));
}

}  // namespace core
