#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/fs/FileSystem.h"
#include "core/fs/Result.h"

namespace core {

// One calendar day of a special program, stored as two bytes: month, then day. No year.
struct SpecialDate {
    std::uint8_t month = 0;
    std::uint8_t day = 0;

    bool operator==(const SpecialDate&) const = default;
};

inline constexpr std::size_t kMaxSpecialDates = 365;
// The largest valid special date file. A larger one was not written by this tool: reading takes
// its first 365 records, but no write replaces it.
inline constexpr std::uint64_t kMaxDateFileSize = 2 * kMaxSpecialDates;

// A special date file is nothing but its records, two bytes each, in list order.

// The records of the file at path: at most 365, an odd last byte ignored. A file that cannot be
// opened is OpenFailed with the cause (FileNotFound when it is simply missing); a failing read
// is IoFailed.
Result<std::vector<SpecialDate>> ReadDateFile(FileSystem& fs, const std::string& path);

// Writes the first 365 of `dates` (all of them when fewer) as the whole new content of the
// file, replaced in one step: on a failure the old file stays as it was. A file held by another
// opener or a replacement that cannot be created is OpenFailed, a file larger than
// kMaxDateFileSize FileTooLarge (left as it is), a later failure IoFailed.
Result<> WriteDateFile(FileSystem& fs, const std::string& path, std::span<const SpecialDate> dates);

}  // namespace core
