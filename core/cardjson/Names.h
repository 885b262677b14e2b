#pragma once

// The fixed identifiers of the JSON form: value names and causes. Never translated.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "core/card/Card.h"

namespace core::cardjson {

inline constexpr std::string_view kFormatName = "tavrel-card";
inline constexpr int kFormatVersion = 1;

// A name for one stored value (or one bit of a mask).
struct ValueName {
    std::uint32_t value;
    std::string_view name;
};

std::span<const ValueName> ModeNames();      // music, radio, power
std::span<const ValueName> PlayModeNames();  // in-order, shuffle
std::span<const ValueName> LoopModeNames();  // all-once, loop-all
std::span<const ValueName> WeekdayBits();    // sun ... sat
std::span<const ValueName> PowerBits();      // power1, power2, power3, extension, hold

std::optional<std::string_view> NameOf(std::span<const ValueName> names, std::uint32_t value);
std::optional<std::uint32_t> ValueOf(std::span<const ValueName> names, std::string_view name);

// Why a file could not be read, as a document names it: "busy", "damaged", or the file error's
// cause ("access-denied", "hard-io"...); with "damaged" the damage rule ("wrong-magic"...).
std::string_view UnreadableName(CardFileState state, const std::optional<FileError>& failure);
std::string_view DamageName(DamageRule rule);
std::optional<FileErrorCause> CauseOfName(std::string_view name);
std::optional<DamageRule> DamageOfName(std::string_view name);

}  // namespace core::cardjson
