#include "tools/card/HistoryChange.h"

#include "core/cardjson/EntryChange.h"
#include "core/text/HistoryTexts.h"
#include "tools/card/CardSource.h"

namespace cardtool {

std::optional<std::vector<std::string>> ChangeLines(const std::string& command, core::history::CardHistory& history,
                                                    const core::history::Entry& entry) {
    auto lines = core::cardjson::DescribeEntry(history, entry);
    if (!lines.ok()) {
        Complain(command, std::string(core::HistoryWord("error.damaged")) + entry.file);
        return std::nullopt;
    }
    if (lines->empty()) lines->emplace_back(core::HistoryWord("change.none"));
    return std::move(*lines);
}

}  // namespace cardtool
