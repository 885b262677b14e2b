#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace core {

// Timer modes, the values of TimerRecord::mode.
enum TimerMode : std::uint16_t { kMusicTimer = 0, kRadioTimer = 1, kPowerTimer = 2 };

// Bits of TimerRecord::power. Hold power is bit 15, not bit 4.
inline constexpr std::uint32_t kPower1 = 1u << 0;
inline constexpr std::uint32_t kPower2 = 1u << 1;
inline constexpr std::uint32_t kPower3 = 1u << 2;
inline constexpr std::uint32_t kExtensionPower = 1u << 3;
inline constexpr std::uint32_t kHoldPower = 1u << 15;

inline constexpr std::uint32_t kMondayToFriday = 0x3E;  // bit 0 is Sunday
inline constexpr std::uint32_t kAllZones = 0xFFFF;
inline constexpr std::uint16_t kLowestFrequency = 8750;  // 87.5 MHz, in units of 10 kHz

// The fixed 32-byte part of a timer, the same in the editor and in a program file.
// Stored little-endian: weekdays(4) start h,m,s end h,m,s (1 each) 0 0 power(4) zones(4)
// mode playMode loopMode frequency musicCount (2 each) 0 0.
struct TimerRecord {
    std::uint32_t weekdays = 0;  // bit 0 Sunday ... bit 6 Saturday
    std::uint8_t startHour = 0;
    std::uint8_t startMinute = 0;
    std::uint8_t startSecond = 0;
    std::uint8_t endHour = 0;
    std::uint8_t endMinute = 0;
    std::uint8_t endSecond = 0;
    std::uint32_t power = 0;
    std::uint32_t zones = 0;  // zone n (1..16) is bit n-1
    std::uint16_t mode = kMusicTimer;
    std::uint16_t playMode = 0;
    std::uint16_t loopMode = 0;
    std::uint16_t frequency = 0;  // units of 10 kHz
    std::uint16_t musicCount = 0;

    bool operator==(const TimerRecord&) const = default;
};

inline constexpr std::size_t kTimerRecordSize = 32;
using TimerRecordBytes = std::array<std::uint8_t, kTimerRecordSize>;

TimerRecordBytes EncodeTimerRecord(const TimerRecord& record);
TimerRecord DecodeTimerRecord(std::span<const std::uint8_t, kTimerRecordSize> bytes);

// Overlays the first bytes.size() (at most 32) bytes of a stored record onto `record`: the
// fields those bytes cover change, the rest keep their values. This is how a record cut
// short by the end of a file is read.
void OverlayTimerRecord(std::span<const std::uint8_t> bytes, TimerRecord& record);

// Size of a stored timer: its record and its music entries.
std::uint64_t StoredTimerSize(std::uint16_t musicCount);

}  // namespace core
