#include "core/cardjson/MusicJson.h"

#include <algorithm>
#include <array>

#include "core/cardjson/Utf.h"
#include "core/schedule/LittleEndian.h"

namespace core::cardjson {

namespace {

constexpr std::size_t kPrefixBytes = 4;                                        // "D:\" and NUL
constexpr std::size_t kNameFieldUnits = (kMusicEntrySize - kMusicPrefixSize) / 2;  // 261

using Prefix = std::array<std::uint8_t, kPrefixBytes>;

Prefix PrefixOf(MusicSource source) {
    const MusicEntryBytes bytes = EncodeMusicEntry(source, u"");
    Prefix prefix{};
    std::copy_n(bytes.begin(), kPrefixBytes, prefix.begin());
    return prefix;
}

std::string_view MediumName(MusicSource source) { return source == MusicSource::External ? "E" : "D"; }

// Where stray bytes may lie: between the prefix and the name, and after the name's terminator.
bool IsStrayPlace(std::size_t at, std::size_t nameUnits) {
    const std::size_t nameEnd = std::min(kMusicEntrySize, kMusicPrefixSize + 2 * (nameUnits + 1));
    return (at >= kPrefixBytes && at < kMusicPrefixSize) || at >= nameEnd;
}

Json EntryToJson(const MusicEntryBytes& entry, MusicSource medium) {
    const MusicEntryInfo info = DecodeMusicEntry(entry);
    const auto name = Utf8Of(info.name);
    const bool readableName = name && info.name.size() <= kMusicNameMaxUnits;
    if (readableName && entry == EncodeMusicEntry(medium, info.name)) return *name;

    Json raw = Json::object();
    Prefix prefix{};
    std::copy_n(entry.begin(), kPrefixBytes, prefix.begin());
    if (prefix == PrefixOf(MusicSource::Internal) || prefix == PrefixOf(MusicSource::External)) {
        raw["drive"] = MediumName(prefix[0] == 'E' ? MusicSource::External : MusicSource::Internal);
    } else {
        raw["drive"] = prefix;
    }
    if (readableName) {
        raw["name"] = *name;
    } else {
        raw["units"] = Json(std::vector<std::uint16_t>(info.name.begin(), info.name.end()));
    }
    Json stray = Json::array();
    for (std::size_t at = 0; at < kMusicEntrySize; ++at) {
        if (entry[at] != 0 && IsStrayPlace(at, info.name.size())) stray.push_back({at, entry[at]});
    }
    if (!stray.empty()) raw["stray"] = std::move(stray);
    return raw;
}

std::u16string NameFromJson(const Json& value, const Place& at) {
    const auto name = Utf16Of(Text(value, at));
    if (!name || name->find(u'\0') != std::u16string::npos) Fail(at, "out-of-range");
    if (name->size() > kMusicNameMaxUnits) Fail(at, "name-too-long");
    return *name;
}

std::u16string UnitsFromJson(const Json& value, const Place& at) {
    std::u16string units;
    for (std::size_t k = 0; k < Array(value, at, kNameFieldUnits, "name-too-long").size(); ++k) {
        const auto unit = Number(value[k], at / k, 0xFFFF);
        if (unit == 0) Fail(at / k, "out-of-range");
        units += static_cast<char16_t>(unit);
    }
    return units;
}

MusicSource MediumFromJson(const Json& value, const Place& at) {
    const std::string& name = Text(value, at);
    if (name != "D" && name != "E") Fail(at, "out-of-range");
    return name == "E" ? MusicSource::External : MusicSource::Internal;
}

MusicEntryBytes RawEntryFromJson(const Json& value, const Place& at) {
    ObjectWith(value, at, {"drive", "name", "units", "stray"});
    MusicEntryBytes entry{};
    const Json& drive = Required(value, at, "drive");
    Prefix prefix{};
    if (drive.is_string()) {
        prefix = PrefixOf(MediumFromJson(drive, at / "drive"));
    } else {
        if (!drive.is_array() || drive.size() != kPrefixBytes) Fail(at / "drive", "wrong-type");
        for (std::size_t k = 0; k < kPrefixBytes; ++k) {
            prefix[k] = static_cast<std::uint8_t>(Number(drive[k], at / "drive" / k, 0xFF));
        }
    }
    std::copy(prefix.begin(), prefix.end(), entry.begin());

    if (value.contains("name") && value.contains("units")) Fail(at / "units", "unknown-field");
    const std::u16string name = value.contains("units") ? UnitsFromJson(value["units"], at / "units")
                                                        : NameFromJson(Required(value, at, "name"), at / "name");
    for (std::size_t k = 0; k < name.size(); ++k) le::Put16(entry, kMusicPrefixSize + 2 * k, name[k]);

    if (const auto stray = value.find("stray"); stray != value.end()) {
        const Place strayAt = at / "stray";
        for (std::size_t k = 0; k < Array(*stray, strayAt, kMusicEntrySize, "out-of-range").size(); ++k) {
            const Json& pair = (*stray)[k];
            if (!pair.is_array() || pair.size() != 2) Fail(strayAt / k, "wrong-type");
            const auto place = Number(pair[0], strayAt / k / 0, kMusicEntrySize - 1);
            if (!IsStrayPlace(place, name.size())) Fail(strayAt / k / 0, "out-of-range");
            entry[place] = static_cast<std::uint8_t>(Number(pair[1], strayAt / k / 1, 0xFF));
        }
    }
    return entry;
}

}  // namespace

void MusicToJson(std::span<const MusicEntryBytes> entries, Json& timer) {
    if (entries.empty()) return;
    std::vector<MusicEntryInfo> infos;
    infos.reserve(entries.size());
    for (const MusicEntryBytes& entry : entries) {
        MusicEntryInfo info;
        info.source = DecodeMusicEntry(entry).source;
        infos.push_back(std::move(info));
    }
    const MusicSource medium = SourceOfEntries(infos);
    timer["medium"] = MediumName(medium);
    Json music = Json::array();
    for (const MusicEntryBytes& entry : entries) music.push_back(EntryToJson(entry, medium));
    timer["music"] = std::move(music);
}

std::vector<MusicEntryBytes> MusicFromJson(const Json& timer, const Place& at) {
    const auto found = timer.find("music");
    if (found == timer.end()) return {};
    const Place musicAt = at / "music";
    const Json& music = Array(*found, musicAt, kMaxMusicFiles, "too-many-names");
    if (music.empty()) return {};
    const MusicSource medium = MediumFromJson(Required(timer, at, "medium"), at / "medium");
    std::vector<MusicEntryBytes> entries;
    entries.reserve(music.size());
    for (std::size_t k = 0; k < music.size(); ++k) {
        const Json& entry = music[k];
        entries.push_back(entry.is_object() ? RawEntryFromJson(entry, musicAt / k)
                                            : EncodeMusicEntry(medium, NameFromJson(entry, musicAt / k)));
    }
    return entries;
}

}  // namespace core::cardjson
