#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/fs/FileError.h"
#include "core/fs/FileSystem.h"

namespace core {

// One calendar day of a special program, stored as two bytes: month, then day. No year.
struct SpecialDate {
    std::uint8_t month = 0;
    std::uint8_t day = 0;

    bool operator==(const SpecialDate&) const = default;
};

inline constexpr std::size_t kMaxSpecialDates = 365;
using SpecialDateTable = std::array<SpecialDate, kMaxSpecialDates>;

// A special date file is nothing but its records, two bytes each, in list order.
struct DateFileResult {
    bool ok = true;
    std::optional<core::FileError> error;  // why not, when !ok
};

// Loads the file at path into table from entry 0 on and sets count to the number of records
// loaded (0 to 365; an odd last byte is ignored). A file that cannot be opened gives count 0
// and !ok with the cause (FileNotFound when it is simply missing).
DateFileResult ReadDateFile(core::FileSystem& fs, const std::string& path,
                            SpecialDateTable& table, std::uint32_t& count);

// Writes entries 0 to count-1 of table (count is at most 365) as the whole new content of the
// file, replaced in one step: on a failure the old file stays as it was.
DateFileResult WriteDateFile(core::FileSystem& fs, const std::string& path,
                             const SpecialDateTable& table, std::uint32_t count);

}  // namespace core
