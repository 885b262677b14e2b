#include "core/history/HistoryEntry.h"

#include <array>
#include <cstdio>
#include <ctime>
#include <nlohmann/json.hpp>

namespace core::history {

namespace {

using Json = nlohmann::json;

struct CommandName {
    Command command;
    std::string_view key;
};
constexpr std::array<CommandName, 8> kCommands = {{
    {Command::SaveTimer, "save-timer"},
    {Command::DeleteTimer, "delete-timer"},
    {Command::CopyProgram, "copy-program"},
    {Command::SaveDates, "save-dates"},
    {Command::Import, "import"},
    {Command::Restore, "restore"},
    {Command::BulkEdit, "bulk-edit"},
    {Command::HolidayImport, "holiday-import"},
}};

nlohmann::ordered_json VersionJson(const std::optional<Version>& version) {
    if (!version) return nullptr;
    return {{"sha256", version->sha256}, {"size", version->size}};
}

// A version as stored; false when the value is neither null nor a version.
bool ReadVersion(const Json& value, std::optional<Version>& version) {
    if (value.is_null()) return true;
    if (!value.is_object() || !value.contains("sha256") || !value.contains("size")) return false;
    const Json& sha = value["sha256"];
    const Json& size = value["size"];
    if (!sha.is_string() || !IsContentName(sha.get<std::string>()) || !size.is_number_unsigned()) return false;
    version = Version{sha.get<std::string>(), size.get<std::uint64_t>()};
    return true;
}

std::tm LocalTime(std::time_t seconds) {
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    return local;
}

// Days from 1970-01-01 to the given date of the proleptic Gregorian calendar.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

// Seconds east of UTC that local time had at `seconds`.
std::int64_t LocalOffset(std::time_t seconds) {
    const std::tm local = LocalTime(seconds);
    const std::int64_t asUtc = DaysFromCivil(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                                             static_cast<unsigned>(local.tm_mday)) * 86400 +
                               local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
    return asUtc - static_cast<std::int64_t>(seconds);
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

bool ReadNumber(std::string_view text, std::size_t at, std::size_t digits, int& value) {
    if (at + digits > text.size()) return false;
    value = 0;
    for (std::size_t k = at; k < at + digits; ++k) {
        if (text[k] < '0' || text[k] > '9') return false;
        value = value * 10 + (text[k] - '0');
    }
    return true;
}

}  // namespace

bool IsContentName(std::string_view text) {
    return text.size() == 64 && text.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

std::string_view CommandKey(Command command) {
    for (const CommandName& name : kCommands) {
        if (name.command == command) return name.key;
    }
    return "unknown";
}

std::optional<Command> CommandOfKey(std::string_view key) {
    for (const CommandName& name : kCommands) {
        if (name.key == key) return name.command;
    }
    return std::nullopt;
}

std::string EncodeEntry(const Entry& entry) {
    const nlohmann::ordered_json json = {{"id", entry.id},
                       {"unix_ms", entry.unixMillis},
                       {"time", IsoLocalTime(entry.unixMillis)},
                       {"file", entry.file},
                       {"command", CommandKey(entry.command)},
                       {"before", VersionJson(entry.before)},
                       {"after", VersionJson(entry.after)}};
    return json.dump(2) + "\n";
}

std::optional<Entry> DecodeEntry(std::string_view text) {
    const Json json = Json::parse(text, nullptr, false);
    if (!json.is_object()) return std::nullopt;
    for (const char* key : {"id", "unix_ms", "file", "command", "before", "after"}) {
        if (!json.contains(key)) return std::nullopt;
    }
    if (!json["id"].is_number_unsigned() || !json["unix_ms"].is_number_integer() || !json["file"].is_string() ||
        !json["command"].is_string()) {
        return std::nullopt;
    }
    const auto command = CommandOfKey(json["command"].get<std::string>());
    if (!command) return std::nullopt;
    Entry entry;
    entry.id = json["id"].get<std::uint64_t>();
    entry.unixMillis = json["unix_ms"].get<std::int64_t>();
    entry.file = json["file"].get<std::string>();
    entry.command = *command;
    if (!ReadVersion(json["before"], entry.before) || !ReadVersion(json["after"], entry.after)) return std::nullopt;
    return entry;
}

std::string IsoLocalTime(std::int64_t unixMillis) {
    const std::time_t seconds = static_cast<std::time_t>(unixMillis >= 0 ? unixMillis / 1000 : (unixMillis - 999) / 1000);
    const std::tm local = LocalTime(seconds);
    const std::int64_t offset = LocalOffset(seconds);
    const std::int64_t minutes = (offset < 0 ? -offset : offset) / 60;
    char text[96];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, offset < 0 ? '-' : '+',
                  static_cast<int>(minutes / 60), static_cast<int>(minutes % 60));
    return text;
}

std::optional<std::int64_t> ParseIsoTime(std::string_view text) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!ReadNumber(text, 0, 4, year) || text.size() < 10 || text[4] != '-' || text[7] != '-' ||
        !ReadNumber(text, 5, 2, month) || !ReadNumber(text, 8, 2, day)) {
        return std::nullopt;
    }
    std::size_t at = 10;
    if (at < text.size() && (text[at] == 'T' || text[at] == ' ')) {
        if (!ReadNumber(text, at + 1, 2, hour) || at + 3 >= text.size() || text[at + 3] != ':' ||
            !ReadNumber(text, at + 4, 2, minute)) {
            return std::nullopt;
        }
        at += 6;
        if (at < text.size() && text[at] == ':') {
            if (!ReadNumber(text, at + 1, 2, second)) return std::nullopt;
            at += 3;
        }
    }
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) || hour > 23 || minute > 59 || second > 59) {
        return std::nullopt;
    }
    const std::int64_t wall = DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) * 86400 +
                              hour * 3600 + minute * 60 + second;
    std::int64_t utc = 0;
    const std::string_view zone = text.substr(at);
    if (zone == "Z") {
        utc = wall;
    } else if (zone.size() == 6 && (zone[0] == '+' || zone[0] == '-') && zone[3] == ':') {
        int zoneHours = 0, zoneMinutes = 0;
        if (!ReadNumber(zone, 1, 2, zoneHours) || !ReadNumber(zone, 4, 2, zoneMinutes)) return std::nullopt;
        const std::int64_t offset = (zoneHours * 3600 + zoneMinutes * 60) * (zone[0] == '-' ? -1 : 1);
        utc = wall - offset;
    } else if (zone.empty()) {
        // Local time: the offset that holds at that moment, found from a first guess.
        utc = wall - LocalOffset(static_cast<std::time_t>(wall));
        utc = wall - LocalOffset(static_cast<std::time_t>(utc));
    } else {
        return std::nullopt;
    }
    return utc * 1000;
}

}  // namespace core::history
