#pragma once

#include "core/card/CardFiles.h"
#include "core/cardjson/Problems.h"
#include "core/cardjson/StoredFiles.h"

namespace core::cardjson {

// A timer as a JSON object: each field readable when writing it back gives the stored bytes,
// raw (the numbers as stored) otherwise. A special timer has no weekdays unless stored ones.
Json TimerToJson(const StoredTimer& timer, CardFileKind kind);
StoredTimer TimerFromJson(const Json& value, const Place& at, CardFileKind kind);

// "87.5MHz" ... "108.0MHz", as the window lists the channels; none for a frequency off the list.
std::optional<std::string> ChannelName(std::uint16_t frequency);

}  // namespace core::cardjson
