#include "tools/card/HistorySource.h"

#include "core/fs/FileSystem.h"
#include "core/text/FileErrorText.h"
#include "core/text/HistoryTexts.h"
#include "tools/card/CardSource.h"
#include "tools/card/PendingWrite.h"

namespace cardtool {

std::optional<core::history::WriteRecorder> RecorderFor(const std::string& command, const std::string& folder) {
    core::FileSystem& fs = *Context().fs;
    if (auto listed = fs.ListFolder(folder); !listed.ok()) {
        Complain(command, core::FileErrorText(listed.error().value_or(core::FileError(core::FileErrorCause::Generic, folder))));
        return std::nullopt;
    }
    core::history::WriteRecorder recorder(fs);
    if (!recorder.Root()) {
        Complain(command, std::string(core::HistoryWord("error.no-place")));
        return std::nullopt;
    }
    recorder.SettlePending(folder);
    TellSettlements(command, recorder.TakeSettlements());
    return recorder;
}

std::optional<core::history::Entry> EntryOf(const std::string& command, core::history::CardHistory& history,
                                            std::uint64_t id) {
    auto entry = history.FindEntry(id);
    if (entry.ok()) return *entry;
    Complain(command, std::string(core::HistoryWord("error.no-entry")) + std::to_string(id));
    return std::nullopt;
}

std::string CommandWords(const core::history::Entry& entry) {
    return std::string(core::HistoryWord("command." + std::string(core::history::CommandKey(entry.command))));
}

std::string EntryLine(const core::history::Entry& entry) {
    return std::to_string(entry.id) + "  " + core::history::IsoLocalTime(entry.unixMillis) + "  " + entry.file + "  " +
           CommandWords(entry);
}

}  // namespace cardtool
