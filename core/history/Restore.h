#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/card/CardFiles.h"
#include "core/fs/Result.h"
#include "core/history/CardHistory.h"
#include "core/history/HistoryEntry.h"
#include "core/history/MultiFileWrite.h"
#include "core/history/WriteRecorder.h"

namespace core::history {

// The card file an entry names, when it names one of the card's 16 files: a history is read
// from a folder anyone can write, and nothing else may ever be written onto a card.
std::optional<CardFileId> CardFileOfEntry(const Entry& entry);

// One card file to put back: the content it is to get (none: the file did not exist then) and
// what it holds now.
struct RestoreStep {
    CardFileId file{};
    std::string name;                // "SCH01.DAT"
    std::optional<Version> content;  // what it is to hold
    bool unchanged = false;          // it already holds that
};

// Undoing `entry`: its file back to what it held before that write.
RestoreStep StepUndoing(const Entry& entry);

// The whole card as it was at `moment` (milliseconds since 1970): for each file the history
// knows, what its entries say it held then. Files without entries are left out.
std::vector<RestoreStep> StepsToMoment(const std::vector<Entry>& entries, std::int64_t moment);

// Marks the steps whose file already holds their content (read through the recorder's card
// file system).
void MarkUnchanged(WriteRecorder& recorder, const std::string& cardFolder, std::vector<RestoreStep>& steps);

// Puts a step's content back into its file in `cardFolder`, replaced in one step through the
// store and recorded as a restore, so that it can be undone in turn. The kept content is
// checked against its name while it is copied: a damaged history writes nothing. A step whose
// content is "did not exist" is refused with FileNotFound naming the file: the card's files are
// never deleted.
Result<> RestoreStepTo(WriteRecorder& recorder, CardHistory& history, const std::string& cardFolder,
                       const RestoreStep& step);

// Puts every step that changes its file back at once, all or nothing as the next command sees it
// (WriteAllOrNothing), recorded as restores. Steps unchanged or whose content is "did not exist"
// are left out: `written` counts the others, in order. A damaged kept content writes nothing.
MultiWriteResult RestoreStepsTo(WriteRecorder& recorder, CardHistory& history, const std::string& cardFolder,
                                const std::vector<RestoreStep>& steps);

}  // namespace core::history
