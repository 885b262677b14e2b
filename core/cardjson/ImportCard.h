#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/cardjson/CardImage.h"
#include "core/cardjson/Problems.h"
#include "core/fs/FileSystem.h"
#include "core/fs/Result.h"
#include "core/history/WriteRecorder.h"

namespace core::cardjson {

enum class ImportOutcome {
    Written,     // replaced (or created) with the document's content
    WouldWrite,  // a dry run: it would have been written
    Unchanged,   // it already holds exactly the document's content
    LeftAbsent,      // the document says it was absent: the card's file, if any, stays as it is
    LeftUnreadable,  // the document says it could not be read: the card's file stays as it is
    RolledBack,      // written, then given its old content back when a later file failed
};

struct ImportedFile {
    CardFileId id{};
    ImportOutcome outcome = ImportOutcome::Unchanged;
};

// What an import did, file by file in card order, and the failure that stopped it, if any.
// Files written before a failure get their old contents back (RolledBack); each is listed.
struct ImportReport {
    std::vector<ImportedFile> files;
    std::optional<Failure> failure;
    // A file was written, but the history on this computer has no copy of what it held; then
    // the import is not all or nothing either.
    bool noHistoryCopy = false;
    // What the import found of an earlier write of several files cut short, and did with it.
    std::vector<history::PlanSettlement> settled{};
};

// Writes the files `card` names into `folder`. A write of several files left half-way on that
// card is settled first. Every file with content is held first; when one cannot be held (busy,
// denied) or is larger than any valid file of its kind, nothing at all is written. Then each
// whose bytes differ is replaced in one step, while the others stay held, all or nothing as the
// next command sees it (history::WriteAllOrNothing). Files the card does not name are not
// touched, and no file is ever deleted. A dry run holds and compares, and writes nothing.
// Each file written is recorded in the card's history through `recorder` (without one, a
// recorder of the default history place, reading the card from the computer's file system).
ImportReport ImportCard(FileSystem& fs, const std::string& folder, const CardImage& card, bool dryRun,
                        history::WriteRecorder* recorder = nullptr);

// The document's text checked whole, then imported: on any problem in it, nothing is touched.
struct DocumentImport {
    std::optional<DocumentError> error;
    ImportReport report;
};
DocumentImport ImportDocument(FileSystem& fs, const std::string& folder, std::string_view text, bool dryRun,
                              history::WriteRecorder* recorder = nullptr);

}  // namespace core::cardjson
