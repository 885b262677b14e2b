#include "core/schedule/MusicEntry.h"

#include <algorithm>

#include "core/schedule/LittleEndian.h"

namespace core {

MusicEntryBytes EncodeMusicEntry(MusicSource source, std::u16string_view name) {
    MusicEntryBytes b{};
    b[0] = source == MusicSource::External ? 'E' : 'D';
    b[1] = ':';
    b[2] = '\\';
    // The name field holds 260 units and a terminator; never write past it.
    const std::size_t units = std::min(name.size(), kMusicNameMaxUnits);
    for (std::size_t i = 0; i < units; ++i) le::Put16(b, kMusicPrefixSize + 2 * i, name[i]);
    return b;
}

MusicEntryInfo DecodeMusicEntry(std::span<const std::uint8_t, kMusicEntrySize> b) {
    MusicEntryInfo info;
    // Measure the name up to its terminator first, so that it is allocated once, at its size:
    // a card holds tens of thousands of names.
    constexpr std::size_t kNameFieldUnits = (kMusicEntrySize - kMusicPrefixSize) / 2;
    const auto unitAt = [&b](std::size_t i) {
        return static_cast<char16_t>(le::Get16(b, kMusicPrefixSize + 2 * i));
    };
    std::size_t units = 0;
    while (units < kNameFieldUnits && unitAt(units) != 0) ++units;
    info.name.resize(units);
    for (std::size_t i = 0; i < units; ++i) info.name[i] = unitAt(i);
    switch (b[0]) {
    case 'D':
    case 'd': info.source = MusicSource::Internal; break;
    case 'E':
    case 'e': info.source = MusicSource::External; break;
    default: break;
    }
    return info;
}

MusicSource SourceOfEntries(std::span<const MusicEntryInfo> entries) {
    MusicSource source = MusicSource::Internal;
    for (const MusicEntryInfo& entry : entries) {
        if (entry.source) source = *entry.source;
    }
    return source;
}

}  // namespace core
