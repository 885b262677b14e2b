#include "core/cardjson/Names.h"

#include <array>

namespace core::cardjson {

namespace {

constexpr ValueName kModes[] = {{0, "music"}, {1, "radio"}, {2, "power"}};
constexpr ValueName kPlayModes[] = {{0, "in-order"}, {1, "shuffle"}};
constexpr ValueName kLoopModes[] = {{0, "all-once"}, {1, "loop-all"}};
constexpr ValueName kWeekdays[] = {{1u << 0, "sun"}, {1u << 1, "mon"}, {1u << 2, "tue"}, {1u << 3, "wed"},
                                   {1u << 4, "thu"}, {1u << 5, "fri"}, {1u << 6, "sat"}};
constexpr ValueName kPower[] = {{1u << 0, "power1"}, {1u << 1, "power2"}, {1u << 2, "power3"},
                                {1u << 3, "extension"}, {1u << 15, "hold"}};

// FileNotFound is never a cause here: such a file is absent.
constexpr std::pair<FileErrorCause, std::string_view> kCauses[] = {
    {FileErrorCause::Generic, "generic"},
    {FileErrorCause::BadPath, "bad-path"},
    {FileErrorCause::TooManyOpenFiles, "too-many-open-files"},
    {FileErrorCause::AccessDenied, "access-denied"},
    {FileErrorCause::InvalidFile, "invalid-file"},
    {FileErrorCause::DirectoryFull, "directory-full"},
    {FileErrorCause::BadSeek, "bad-seek"},
    {FileErrorCause::HardIO, "hard-io"},
    {FileErrorCause::SharingViolation, "busy"},
    {FileErrorCause::LockViolation, "lock-violation"},
    {FileErrorCause::DiskFull, "disk-full"},
    {FileErrorCause::EndOfFile, "end-of-file"},
};

// The same names as the card check's causes of "damaged-file".
constexpr std::pair<DamageRule, std::string_view> kDamages[] = {
    {DamageRule::HeaderTooShort, "header-too-short"},
    {DamageRule::WrongMagic, "wrong-magic"},
    {DamageRule::CountTooLarge, "count-too-large"},
    {DamageRule::IndexPastEnd, "index-past-end"},
    {DamageRule::TimerSizeMismatch, "timer-size-mismatch"},
    {DamageRule::TimersNotContiguous, "timers-not-contiguous"},
    {DamageRule::DatesOddLength, "dates-odd-length"},
    {DamageRule::TooManyDates, "too-many-dates"},
};

template <class Key, std::size_t N>
std::optional<Key> KeyOf(const std::pair<Key, std::string_view> (&table)[N], std::string_view name) {
    for (const auto& [key, text] : table) {
        if (text == name) return key;
    }
    return std::nullopt;
}

template <class Key, std::size_t N>
std::string_view NameIn(const std::pair<Key, std::string_view> (&table)[N], Key key) {
    for (const auto& [k, text] : table) {
        if (k == key) return text;
    }
    return table[0].second;
}

}  // namespace

std::span<const ValueName> ModeNames() { return kModes; }
std::span<const ValueName> PlayModeNames() { return kPlayModes; }
std::span<const ValueName> LoopModeNames() { return kLoopModes; }
std::span<const ValueName> WeekdayBits() { return kWeekdays; }
std::span<const ValueName> PowerBits() { return kPower; }

std::optional<std::string_view> NameOf(std::span<const ValueName> names, std::uint32_t value) {
    for (const ValueName& n : names) {
        if (n.value == value) return n.name;
    }
    return std::nullopt;
}

std::optional<std::uint32_t> ValueOf(std::span<const ValueName> names, std::string_view name) {
    for (const ValueName& n : names) {
        if (n.name == name) return n.value;
    }
    return std::nullopt;
}

std::string_view UnreadableName(CardFileState state, const std::optional<FileError>& failure) {
    if (state == CardFileState::Damaged) return "damaged";
    return NameIn(kCauses, failure ? failure->cause() : FileErrorCause::Generic);
}

std::string_view DamageName(DamageRule rule) { return NameIn(kDamages, rule); }

std::optional<FileErrorCause> CauseOfName(std::string_view name) { return KeyOf(kCauses, name); }
std::optional<DamageRule> DamageOfName(std::string_view name) { return KeyOf(kDamages, name); }

}  // namespace core::cardjson
