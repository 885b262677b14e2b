#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace core {

// Where the player finds a timer's music files; one per timer.
enum class MusicSource { Internal, External };  // written as 'D' and 'E'

inline constexpr std::size_t kMusicEntrySize = 624;
inline constexpr std::size_t kMusicPrefixSize = 102;
inline constexpr std::size_t kMusicNameMaxUnits = 260;  // UTF-16 units, without the terminator
inline constexpr std::size_t kMaxMusicFiles = 65535;    // musicCount is 16-bit

using MusicEntryBytes = std::array<std::uint8_t, kMusicEntrySize>;

// One stored music entry as read back: the name and, from its first byte, the source.
struct MusicEntryInfo {
    std::u16string name;
    std::optional<MusicSource> source;  // none when the first byte is not D, d, E or e

    bool operator==(const MusicEntryInfo&) const = default;
};

// Builds the 624 bytes of an entry: "D:\" or "E:\" and NUL, then the name as UTF-16LE and a
// NUL unit, zeros elsewhere. The caller makes sure name has at most kMusicNameMaxUnits units.
MusicEntryBytes EncodeMusicEntry(MusicSource source, std::u16string_view name);
MusicEntryInfo DecodeMusicEntry(std::span<const std::uint8_t, kMusicEntrySize> bytes);

// The medium of a timer read back from its entries: the last entry that names one decides; a
// timer without such entries plays from internal memory.
MusicSource SourceOfEntries(std::span<const MusicEntryInfo> entries);

}  // namespace core
