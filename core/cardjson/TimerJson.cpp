#include "core/cardjson/TimerJson.h"

#include <array>
#include <cstdio>

#include "core/cardjson/MusicJson.h"
#include "core/cardjson/Names.h"
#include "core/schedule/LittleEndian.h"

namespace core::cardjson {

namespace {

constexpr int kChannels = 206;  // 87.5 MHz to 108.0 MHz in steps of 0.1 MHz
// What the window stores as the frequency of a power timer: no channel chosen.
constexpr std::uint16_t kNoChannel = kLowestFrequency - 10;
// The bytes of a record that no field uses.
constexpr std::array<std::size_t, 4> kReservedBytes = {10, 11, 30, 31};

// A field of the record by its name: a list of value names, or of bits.
Json ChoiceToJson(std::span<const ValueName> names, std::uint16_t value) {
    if (const auto name = NameOf(names, value)) return *name;
    return value;
}

std::uint16_t ChoiceFromJson(std::span<const ValueName> names, const Json& value, const Place& at) {
    if (!value.is_string()) return static_cast<std::uint16_t>(Number(value, at, 0xFFFF));
    const auto known = ValueOf(names, Text(value, at));
    if (!known) Fail(at, "out-of-range");
    return static_cast<std::uint16_t>(*known);
}

// Zones are numbered 1 to 16 for bits 0 to 15; other masks have named bits.
struct Mask {
    std::span<const ValueName> bits;
    bool numbered = false;
};

const Mask& ZoneMask() {
    static const auto zones = [] {
        std::array<ValueName, 16> bits{};
        for (std::uint32_t z = 0; z < bits.size(); ++z) bits[z] = {1u << z, ""};
        return bits;
    }();
    static const Mask mask{zones, true};
    return mask;
}

Json MaskToJson(const Mask& mask, std::uint32_t value) {
    std::uint32_t known = 0;
    for (const ValueName& bit : mask.bits) known |= bit.value;
    if ((value & ~known) != 0) return value;
    Json items = Json::array();
    for (std::size_t i = 0; i < mask.bits.size(); ++i) {
        if ((value & mask.bits[i].value) == 0) continue;
        if (mask.numbered) items.push_back(i + 1);
        else items.push_back(mask.bits[i].name);
    }
    return items;
}

std::uint32_t MaskFromJson(const Mask& mask, const Json& value, const Place& at) {
    if (!value.is_array()) return static_cast<std::uint32_t>(Number(value, at, 0xFFFFFFFF));
    std::uint32_t bits = 0;
    for (std::size_t k = 0; k < value.size(); ++k) {
        std::uint32_t bit = 0;
        if (mask.numbered) {
            const auto zone = Number(value[k], at / k, mask.bits.size());
            if (zone == 0) Fail(at / k, "out-of-range");
            bit = mask.bits[zone - 1].value;
        } else {
            const auto known = ValueOf(mask.bits, Text(value[k], at / k));
            if (!known) Fail(at / k, "out-of-range");
            bit = *known;
        }
        if ((bits & bit) != 0) Fail(at / k, "repeated-value");
        bits |= bit;
    }
    return bits;
}

// Times are three bytes: hour, minute, second.
Json TimeToJson(std::span<const std::uint8_t> hms) {
    if (hms[0] >= 24 || hms[1] >= 60 || hms[2] >= 60) return Json::array({hms[0], hms[1], hms[2]});
    char text[12];
    std::snprintf(text, sizeof text, "%02u:%02u:%02u", unsigned{hms[0]}, unsigned{hms[1]}, unsigned{hms[2]});
    return std::string(text);
}

void TimeFromJson(const Json& value, const Place& at, std::span<std::uint8_t> hms) {
    if (value.is_array()) {
        if (value.size() != 3) Fail(at, "wrong-type");
        for (std::size_t k = 0; k < 3; ++k) hms[k] = static_cast<std::uint8_t>(Number(value[k], at / k, 0xFF));
        return;
    }
    const std::string& text = Text(value, at);
    unsigned h = 0, m = 0, s = 0;
    int used = 0;
    const bool digitsAt = text.size() == 8 && text[2] == ':' && text[5] == ':';
    if (!digitsAt || std::sscanf(text.c_str(), "%2u:%2u:%2u%n", &h, &m, &s, &used) != 3 || used != 8 ||
        h >= 24 || m >= 60 || s >= 60) {
        Fail(at, "out-of-range");
    }
    for (const std::size_t k : {0, 1, 3, 4, 6, 7}) {
        if (text[k] < '0' || text[k] > '9') Fail(at, "out-of-range");
    }
    hms[0] = static_cast<std::uint8_t>(h);
    hms[1] = static_cast<std::uint8_t>(m);
    hms[2] = static_cast<std::uint8_t>(s);
}

// The frequency the window stores for a mode that has no channel.
std::optional<std::uint16_t> UsualFrequency(std::uint16_t mode) {
    if (mode == kMusicTimer) return 0;
    if (mode == kPowerTimer) return kNoChannel;
    return std::nullopt;
}

void ChannelToJson(std::uint16_t mode, std::uint16_t frequency, Json& timer) {
    const auto name = ChannelName(frequency);
    if (mode == kRadioTimer && name) timer["channel"] = *name;
    else if (UsualFrequency(mode) != frequency) timer["channel"] = frequency;
}

std::uint16_t ChannelFromJson(std::uint16_t mode, const Json& timer, const Place& at) {
    const auto found = timer.find("channel");
    if (found == timer.end()) {
        const auto usual = UsualFrequency(mode);
        if (!usual) Fail(at / "channel", "missing-field");
        return *usual;
    }
    if (!found->is_string()) return static_cast<std::uint16_t>(Number(*found, at / "channel", 0xFFFF));
    const std::string& text = Text(*found, at / "channel");
    for (int i = 0; i < kChannels; ++i) {
        const auto frequency = static_cast<std::uint16_t>(kLowestFrequency + 10 * i);
        if (ChannelName(frequency) == text) return frequency;
    }
    Fail(at / "channel", "out-of-range");
}

}  // namespace

std::optional<std::string> ChannelName(std::uint16_t frequency) {
    const int i = (int{frequency} - kLowestFrequency) / 10;
    if (frequency < kLowestFrequency || (frequency - kLowestFrequency) % 10 != 0 || i >= kChannels) {
        return std::nullopt;
    }
    return std::to_string(frequency / 100) + "." + std::to_string(frequency / 10 % 10) + "MHz";
}

Json TimerToJson(const StoredTimer& timer, CardFileKind kind) {
    const TimerRecord r = DecodeTimerRecord(timer.record);
    const std::span<const std::uint8_t> bytes(timer.record);
    Json out = Json::object();
    out["mode"] = ChoiceToJson(ModeNames(), r.mode);
    out["start"] = TimeToJson(bytes.subspan(4, 3));
    out["end"] = TimeToJson(bytes.subspan(7, 3));
    if (kind == CardFileKind::GeneralSchedule) {
        out["weekdays"] = MaskToJson({WeekdayBits()}, r.weekdays);
    } else if (r.weekdays != 0) {
        out["weekdays"] = r.weekdays;  // the special page offers none
    }
    out["power"] = MaskToJson({PowerBits()}, r.power);
    out["zones"] = MaskToJson(ZoneMask(), r.zones);
    ChannelToJson(r.mode, r.frequency, out);
    out["play"] = ChoiceToJson(PlayModeNames(), r.playMode);
    out["loop"] = ChoiceToJson(LoopModeNames(), r.loopMode);
    MusicToJson(timer.entries, out);
    Json reserved = Json::array();
    bool used = false;
    for (const std::size_t at : kReservedBytes) {
        reserved.push_back(timer.record[at]);
        used = used || timer.record[at] != 0;
    }
    if (used) out["reserved"] = std::move(reserved);
    return out;
}

StoredTimer TimerFromJson(const Json& value, const Place& at, CardFileKind kind) {
    ObjectWith(value, at, {"mode", "start", "end", "weekdays", "power", "zones", "channel", "play", "loop",
                           "medium", "music", "reserved"});
    TimerRecord r;
    r.mode = ChoiceFromJson(ModeNames(), Required(value, at, "mode"), at / "mode");
    std::array<std::uint8_t, 3> start{}, end{};
    TimeFromJson(Required(value, at, "start"), at / "start", start);
    TimeFromJson(Required(value, at, "end"), at / "end", end);
    std::tie(r.startHour, r.startMinute, r.startSecond) = std::tuple(start[0], start[1], start[2]);
    std::tie(r.endHour, r.endMinute, r.endSecond) = std::tuple(end[0], end[1], end[2]);
    if (kind == CardFileKind::GeneralSchedule) {
        r.weekdays = MaskFromJson({WeekdayBits()}, Required(value, at, "weekdays"), at / "weekdays");
    } else if (value.contains("weekdays")) {
        r.weekdays = static_cast<std::uint32_t>(Number(value["weekdays"], at / "weekdays", 0xFFFFFFFF));
    }
    r.power = MaskFromJson({PowerBits()}, Required(value, at, "power"), at / "power");
    r.zones = MaskFromJson(ZoneMask(), Required(value, at, "zones"), at / "zones");
    r.frequency = ChannelFromJson(r.mode, value, at);
    r.playMode = ChoiceFromJson(PlayModeNames(), Required(value, at, "play"), at / "play");
    r.loopMode = ChoiceFromJson(LoopModeNames(), Required(value, at, "loop"), at / "loop");

    StoredTimer timer;
    timer.entries = MusicFromJson(value, at);
    r.musicCount = static_cast<std::uint16_t>(timer.entries.size());
    timer.record = EncodeTimerRecord(r);
    if (const auto reserved = value.find("reserved"); reserved != value.end()) {
        const Place reservedAt = at / "reserved";
        if (!reserved->is_array() || reserved->size() != kReservedBytes.size()) Fail(reservedAt, "wrong-type");
        for (std::size_t k = 0; k < kReservedBytes.size(); ++k) {
            timer.record[kReservedBytes[k]] = static_cast<std::uint8_t>(Number((*reserved)[k], reservedAt / k, 0xFF));
        }
    }
    return timer;
}

}  // namespace core::cardjson
