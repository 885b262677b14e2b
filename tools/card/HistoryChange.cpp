#include "tools/card/HistoryChange.h"

#include "core/history/Restore.h"
#include "core/text/HistoryTexts.h"
#include "tools/card/CardSource.h"

namespace cardtool {

std::optional<std::vector<std::string>> ChangeLines(const std::string& command, core::history::CardHistory& history,
                                                    const core::history::Entry& entry) {
    using Bytes = std::vector<std::uint8_t>;
    std::optional<Bytes> versions[2];
    const std::optional<core::history::Version>* kept[2] = {&entry.before, &entry.after};
    for (int k = 0; k < 2; ++k) {
        if (!*kept[k]) continue;
        auto bytes = history.ReadVersion(**kept[k]);
        if (!bytes.ok()) {
            Complain(command, std::string(core::HistoryWord("error.damaged")) + (*kept[k])->sha256);
            return std::nullopt;
        }
        versions[k] = std::move(*bytes);
    }
    std::vector<std::string> lines;
    lines.push_back(std::to_string(versions[0] ? versions[0]->size() : 0) + " -> " +
                    std::to_string(versions[1] ? versions[1]->size() : 0));
    return lines;
}

}  // namespace cardtool
