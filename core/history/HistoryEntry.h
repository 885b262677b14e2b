#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace core::history {

// The commands that change a card file, as the history names them. Their keys are stable: they
// are stored in the entries and printed by the command line's --json.
enum class Command { SaveTimer, DeleteTimer, CopyProgram, SaveDates, Import, Restore, BulkEdit, HolidayImport };

std::string_view CommandKey(Command command);  // "save-timer", "delete-timer", ...
std::optional<Command> CommandOfKey(std::string_view key);

// One content of a card file as kept: the name of its bytes in the history, and their size.
struct Version {
    std::string sha256;
    std::uint64_t size = 0;

    bool operator==(const Version&) const = default;
};

// Whether `text` can name a kept content: 64 lower-case hex digits, and so never a path.
bool IsContentName(std::string_view text);

// One write of one card file.
struct Entry {
    std::uint64_t id = 0;         // grows with every entry of the card; what restore takes
    std::int64_t unixMillis = 0;  // when, in milliseconds since 1970 (UTC)
    std::string file;             // the card file's name: "SCH01.DAT"
    Command command = Command::SaveTimer;
    std::optional<Version> before;  // none: the file did not exist
    std::optional<Version> after;   // none: the file is gone

    bool operator==(const Entry&) const = default;
};

// An entry as stored (one JSON object), and back; none when the text is not one.
std::string EncodeEntry(const Entry& entry);
std::optional<Entry> DecodeEntry(std::string_view text);

// "2026-12-11T14:40:12+08:00": a moment in local time, ISO 8601 with its offset.
std::string IsoLocalTime(std::int64_t unixMillis);
// The moment `text` names: "YYYY-MM-DD", "YYYY-MM-DDTHH:MM" or "...:SS" (a space for the T is
// fine), local time unless it ends in "Z" or an offset "+HH:MM". None when it names none.
std::optional<std::int64_t> ParseIsoTime(std::string_view text);

}  // namespace core::history
