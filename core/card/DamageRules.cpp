#include "core/card/DamageRules.h"

#include "core/dates/SpecialDateFile.h"

namespace core {

namespace {

Damage TimerDamage(DamageRule rule, std::size_t timer) { return {rule, static_cast<int>(timer) + 1}; }

}  // namespace

std::optional<Damage> CheckProgramHeader(const ScheduleHeader& header, std::uint64_t length) {
    if (length < kScheduleHeaderSize) return Damage{DamageRule::HeaderTooShort, {}};
    if (header.magic != kScheduleMagic) return Damage{DamageRule::WrongMagic, {}};
    if (header.count > kMaxTimers) return Damage{DamageRule::CountTooLarge, {}};
    return std::nullopt;
}

std::optional<Damage> CheckTimerPlace(std::size_t timer, const TimerIndexEntry& entry,
                                      std::uint64_t expectedOffset, std::uint64_t length) {
    // Both fields are 32-bit, so their sum cannot overflow 64 bits.
    if (std::uint64_t{entry.offset} + entry.size > length) {
        return TimerDamage(DamageRule::IndexPastEnd, timer);
    }
    if (entry.offset != expectedOffset) return TimerDamage(DamageRule::TimersNotContiguous, timer);
    return std::nullopt;
}

std::optional<Damage> CheckTimerSize(std::size_t timer, std::uint32_t indexSize,
                                     std::optional<std::uint16_t> musicCount) {
    const bool fits = musicCount ? indexSize == StoredTimerSize(*musicCount) : indexSize >= kTimerRecordSize;
    if (fits) return std::nullopt;
    return TimerDamage(DamageRule::TimerSizeMismatch, timer);
}

std::optional<Damage> CheckDateFileLength(std::uint64_t length) {
    if (length > 2 * kMaxSpecialDates) return Damage{DamageRule::TooManyDates, {}};
    if (length % 2 != 0) return Damage{DamageRule::DatesOddLength, {}};
    return std::nullopt;
}

}  // namespace core
