#pragma once

#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/dates/SpecialDateFile.h"
#include "core/fs/FileSystem.h"
#include "core/schedule/ScheduleFile.h"
#include "tests/support/Bytes.h"
#include "tests/support/TempFolder.h"

// The operations that write files, each with the folder it starts from, as a table that the
// failure tests (busy file, vanished folder, injected faults) walk through.
namespace storecases {

using testbytes::Bytes;

// What an operation reported, in one shape for the store and the date file routines.
struct Outcome {
    bool ok = false;
    core::Status status = core::Status::Done;
    std::optional<core::FileError> error;
    std::optional<std::uint16_t> count;  // none for the date file routines
};
Outcome From(const core::Result<core::Stored>& result);
Outcome From(const core::Result<>& result);
std::ostream& operator<<(std::ostream& out, const Outcome& outcome);
const char* StatusName(core::Status status);

// The files of a folder, by name.
using Snapshot = std::map<std::string, Bytes>;
Snapshot TakeSnapshot(const testsupport::TempFolder& folder);
void Lay(const testsupport::TempFolder& folder, const Snapshot& files);
// One line per file: name, size and a checksum, so a mismatch reads in a line, not in pages.
std::string Summary(const Snapshot& files);

struct StoreCase {
    std::string name;
    Snapshot before;     // the folder's files before the operation
    std::string target;  // the file the operation writes
    std::function<Outcome(core::FileSystem&, const testsupport::TempFolder&)> run;
};

// Every operation that writes a whole file or appends to one, on a typical starting folder.
std::vector<StoreCase> WritingOperations();

// For test names and failure messages.
std::string CaseName(const StoreCase& storeCase);
void PrintTo(const StoreCase& storeCase, std::ostream* out);

}  // namespace storecases
