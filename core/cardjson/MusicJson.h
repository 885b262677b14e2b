#pragma once

// A timer's music entries: names as the window lists them when the entry holds nothing else,
// otherwise an object with the entry's parts as stored.

#include <span>

#include "core/cardjson/Problems.h"
#include "core/schedule/MusicEntry.h"

namespace core::cardjson {

// "medium" and "music" of a timer with entries; nothing for a timer without.
void MusicToJson(std::span<const MusicEntryBytes> entries, Json& timer);

// The entries that "medium" and "music" of `timer` describe.
std::vector<MusicEntryBytes> MusicFromJson(const Json& timer, const Place& at);

}  // namespace core::cardjson
