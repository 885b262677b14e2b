#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/card/Card.h"
#include "core/fs/FileSystem.h"

// Cards written by the real store, so the reader is checked against what the tool itself writes.
namespace cardsamples {

// What one file of the sample card holds. Every file differs from every other (its program,
// its timers, their names and medium, its dates), so a file read into the wrong place shows.
struct FileContent {
    std::uint16_t program = 0;
    std::vector<core::TimerData> timers;
    std::vector<core::SpecialDate> dates;
};

FileContent ContentOf(core::CardFileId id);

// Writes the sample content of each of `ids` into `folder` with the store and the date file
// routines.
void WriteCardFiles(core::FileSystem& fs, const std::string& folder, std::span<const core::CardFileId> ids);

// Expects `file` to have been read whole and to hold exactly `content`.
void ExpectReadAs(const core::CardFile& file, const FileContent& content);

}  // namespace cardsamples
