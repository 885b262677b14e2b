#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/cardjson/ImportCard.h"
#include "tests/support/MemoryFileSystem.h"

// Card folders made by the store itself (every mode, a full program, copies, deletes, dates)
// and cards with odd stored values patched into them byte by byte.
namespace cardfixtures {

inline const std::string kFolder = "card";

// The file `name` ("SCH01.DAT") of the card folder.
std::string PathOf(const std::string& name);

// A timer of each mode in SCH01 and in SPSCH01, and a list in each of SDATE01 to SDATE06.
void LayEveryMode(testsupport::MemoryFileSystem& fs);

// SCH01 with `timers` music timers of `entries` names each: 65535 names make a timer of 40 MB.
void LayLargeProgram(testsupport::MemoryFileSystem& fs, std::size_t timers, std::uint16_t entries);

// Writes `bytes` over the file's bytes from `offset` on.
void Patch(testsupport::MemoryFileSystem& fs, const std::string& name, std::size_t offset,
           const std::vector<std::uint8_t>& bytes);

// Where the parts of the first timer of a program file lie.
inline constexpr std::size_t kFirstRecord = 4104;
inline constexpr std::size_t kFirstEntry = kFirstRecord + 32;

struct Fixture {
    const char* name;
    std::function<void(testsupport::MemoryFileSystem&)> lay;
};

// Cards whose files the tool itself wrote.
std::vector<Fixture> StoreFixtures();

// Imports `text` into the card folder on `fs`, keeping the card's history in memory of its own:
// a test never writes into the history of the person running it, and tests run side by side
// never share one (nor the hold on its plans).
core::cardjson::DocumentImport Import(core::FileSystem& fs, std::string_view text, bool dryRun = false);

}  // namespace cardfixtures
