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
    for (std::size_t at = kMusicPrefixSize; at + 1 < kMusicEntrySize; at += 2) {
        const char16_t unit = le::Get16(b, at);
        if (unit == 0) break;
        info.name.push_back(unit);
    }
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
