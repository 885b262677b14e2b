#include "tools/card/HistoryChange.h"

#include "core/cardjson/FileChange.h"
#include "core/history/Restore.h"
#include "core/text/HistoryTexts.h"
#include "tools/card/CardSource.h"

namespace cardtool {

std::optional<std::vector<std::string>> ChangeLines(const std::string& command, core::history::CardHistory& history,
                                                    const core::history::Entry& entry) {
    using Bytes = std::vector<std::uint8_t>;
    const auto file = core::history::CardFileOfEntry(entry);
    if (!file) {
        Complain(command, std::string(core::HistoryWord("error.damaged")) + entry.file);
        return std::nullopt;
    }
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
    const auto span = [](const std::optional<Bytes>& bytes) -> core::cardjson::FileVersion {
        if (!bytes) return std::nullopt;
        return std::span<const std::uint8_t>(*bytes);
    };
    std::vector<std::string> lines =
        core::cardjson::DescribeFileChange(*file, span(versions[0]), span(versions[1]), core::cardjson::ChangeWords());
    if (lines.empty()) lines.emplace_back(core::HistoryWord("change.none"));
    return lines;
}

}  // namespace cardtool
