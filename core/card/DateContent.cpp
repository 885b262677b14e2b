// A date file: at most 730 bytes, so it is checked by its length and read in one go.
#include <vector>

#include "core/card/ContentReaders.h"
#include "core/card/DamageRules.h"

namespace core {

void ReadDateContent(BoundedFileReader& file, std::span<std::uint8_t> buffer, CardFile& out) {
    const std::uint64_t length = file.Length();
    if (const auto damage = CheckDateFileLength(length)) return MarkDamaged(out, *damage);
    const auto bytes = buffer.first(static_cast<std::size_t>(length));
    if (!file.ReadAt(0, bytes)) return MarkUnreadable(out, file);

    std::vector<SpecialDate> dates;
    dates.reserve(bytes.size() / 2);
    for (std::size_t at = 0; at < bytes.size(); at += 2) dates.push_back({bytes[at], bytes[at + 1]});
    out.state = CardFileState::Read;
    out.dates = std::move(dates);
}

}  // namespace core
