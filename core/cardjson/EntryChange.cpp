#include "core/cardjson/EntryChange.h"

#include <optional>

#include "core/cardjson/FileChange.h"
#include "core/history/Restore.h"

namespace core::cardjson {

Result<std::vector<std::string>> DescribeEntry(history::CardHistory& history, const history::Entry& entry,
                                               const WordLookup& words) {
    const auto file = history::CardFileOfEntry(entry);
    if (!file) return IoFailure(FileError(FileErrorCause::Generic, entry.file));
    using Bytes = std::vector<std::uint8_t>;
    std::optional<Bytes> before, after;
    for (auto [kept, bytes] : {std::pair{&entry.before, &before}, std::pair{&entry.after, &after}}) {
        if (!*kept) continue;
        auto read = history.ReadVersion(**kept);
        if (!read.ok()) return read.failure();
        *bytes = std::move(*read);
    }
    const auto version = [](const std::optional<Bytes>& bytes) -> FileVersion {
        if (!bytes) return std::nullopt;
        return std::span<const std::uint8_t>(*bytes);
    };
    return DescribeFileChange(*file, version(before), version(after), ChangeWords(words));
}

}  // namespace core::cardjson
