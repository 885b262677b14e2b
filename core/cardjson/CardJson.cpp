#include "core/cardjson/CardJson.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <limits>

#include "core/cardjson/Names.h"
#include "core/cardjson/ParseDocument.h"
#include "core/cardjson/TimerJson.h"
#include "core/text/CardWords.h"
#include "core/text/FileErrorText.h"
#include "core/text/FindingTexts.h"

namespace core::cardjson {

namespace {

constexpr std::string_view kAbsent = "absent";

bool IsCalendarDay(SpecialDate date) {
    constexpr std::array<int, 13> kDaysIn = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= kDaysIn[date.month];
}

// --- Writing ---

Json UnreadableToJson(const FileImage& file) {
    Json out = Json::object();
    out["unreadable"] = UnreadableName(file.state, file.failure);
    if (file.damage) out["damage"] = DamageName(file.damage->rule);
    out["message"] = UnreadableSentence(file);
    return out;
}

Json ProgramToJson(const FileImage& file) {
    const StoredProgram& p = file.program;
    Json out = Json::object();
    if (p.program != file.id.program) out["program"] = p.program;
    if (p.reserved != 0) out["reserved"] = p.reserved;
    Json unused = Json::array();
    for (std::size_t slot = p.timers.size(); slot < kMaxTimers; ++slot) {
        if (p.index[slot] == UsualUnusedSlot(p.timers.size(), slot)) continue;
        unused.push_back(Json{{"slot", slot}, {"offset", p.index[slot].offset}, {"size", p.index[slot].size}});
    }
    if (!unused.empty()) out["unused_index"] = std::move(unused);
    Json timers = Json::array();
    for (const StoredTimer& timer : p.timers) timers.push_back(TimerToJson(timer, file.id.kind));
    out["timers"] = std::move(timers);
    return out;
}

Json DatesToJson(const FileImage& file) {
    Json out = Json::array();
    for (const SpecialDate& date : file.dates) {
        if (!IsCalendarDay(date)) {
            out.push_back(Json::array({date.month, date.day}));
            continue;
        }
        char text[8];
        std::snprintf(text, sizeof text, "%02u-%02u", unsigned{date.month}, unsigned{date.day});
        out.push_back(std::string(text));
    }
    return out;
}

// --- Reading ---

void UnreadableFromJson(const Json& value, const Place& at, FileImage& file) {
    ObjectWith(value, at, {"unreadable", "damage", "message"});
    const std::string& name = Text(Required(value, at, "unreadable"), at / "unreadable");
    if (const auto message = value.find("message"); message != value.end()) Text(*message, at / "message");
    if (name == "damaged") {
        const auto rule = DamageOfName(Text(Required(value, at, "damage"), at / "damage"));
        if (!rule) Fail(at / "damage", "out-of-range");
        file.state = CardFileState::Damaged;
        file.damage = Damage{*rule, std::nullopt};
        return;
    }
    if (value.contains("damage")) Fail(at / "damage", "unknown-field");
    const auto cause = CauseOfName(name);
    if (!cause) Fail(at / "unreadable", "out-of-range");
    file.state = *cause == FileErrorCause::SharingViolation ? CardFileState::Busy : CardFileState::Unreadable;
    file.failure = FileError(*cause, CardFileName(file.id.kind, file.id.program));
}

void UnusedIndexFromJson(const Json& value, const Place& at, StoredProgram& p) {
    std::array<bool, kMaxTimers> given{};
    for (std::size_t k = 0; k < Array(value, at, kMaxTimers, "out-of-range").size(); ++k) {
        const Place slotAt = at / k;
        ObjectWith(value[k], slotAt, {"slot", "offset", "size"});
        const auto slot = Number(Required(value[k], slotAt, "slot"), slotAt / "slot", kMaxTimers - 1);
        if (slot < p.timers.size()) Fail(slotAt / "slot", "out-of-range");
        if (given[slot]) Fail(slotAt / "slot", "repeated-value");
        given[slot] = true;
        p.index[slot].offset =
            static_cast<std::uint32_t>(Number(Required(value[k], slotAt, "offset"), slotAt / "offset", 0xFFFFFFFF));
        p.index[slot].size =
            static_cast<std::uint32_t>(Number(Required(value[k], slotAt, "size"), slotAt / "size", 0xFFFFFFFF));
    }
}

void ProgramFromJson(const Json& value, const Place& at, FileImage& file) {
    ObjectWith(value, at, {"program", "reserved", "unused_index", "timers"});
    StoredProgram& p = file.program;
    p.program = static_cast<std::uint16_t>(file.id.program);
    if (value.contains("program")) p.program = static_cast<std::uint16_t>(Number(value["program"], at / "program", 0xFFFF));
    if (value.contains("reserved")) p.reserved = static_cast<std::uint16_t>(Number(value["reserved"], at / "reserved", 0xFFFF));
    const Place timersAt = at / "timers";
    const Json& timers = Array(Required(value, at, "timers"), timersAt, kMaxTimers, "too-many-timers");
    p.timers.reserve(timers.size());
    for (std::size_t i = 0; i < timers.size(); ++i) p.timers.push_back(TimerFromJson(timers[i], timersAt / i, file.id.kind));
    // The index holds 32-bit offsets: a card file never holds more, and a larger one would be
    // written with offsets that wrap.
    if (EncodedProgramSize(p) > std::numeric_limits<std::uint32_t>::max()) Fail(timersAt, "program-too-large");
    for (std::size_t slot = p.timers.size(); slot < kMaxTimers; ++slot) p.index[slot] = UsualUnusedSlot(p.timers.size(), slot);
    if (value.contains("unused_index")) UnusedIndexFromJson(value["unused_index"], at / "unused_index", p);
    file.state = CardFileState::Read;
}

SpecialDate DateFromJson(const Json& value, const Place& at) {
    if (value.is_array()) {
        if (value.size() != 2) Fail(at, "wrong-type");
        return {static_cast<std::uint8_t>(Number(value[0], at / 0, 0xFF)),
                static_cast<std::uint8_t>(Number(value[1], at / 1, 0xFF))};
    }
    const std::string& text = Text(value, at);
    unsigned month = 0, day = 0;
    int used = 0;
    const bool shaped = text.size() == 5 && text[2] == '-' &&
                        std::all_of(text.begin(), text.end(), [](char c) { return c == '-' || (c >= '0' && c <= '9'); });
    if (!shaped || std::sscanf(text.c_str(), "%2u-%2u%n", &month, &day, &used) != 2 || used != 5) Fail(at, "out-of-range");
    const SpecialDate date{static_cast<std::uint8_t>(month), static_cast<std::uint8_t>(day)};
    if (!IsCalendarDay(date)) Fail(at, "out-of-range");
    return date;
}

// Dates in the order given, a date twice included: the card may hold that (check warns), and
// import writes back whatever export read.
void DatesFromJson(const Json& value, const Place& at, FileImage& file) {
    for (std::size_t k = 0; k < Array(value, at, kMaxSpecialDates, "too-many-dates").size(); ++k) {
        file.dates.push_back(DateFromJson(value[k], at / k));
    }
    file.state = CardFileState::Read;
}

FileImage FileFromJson(const Json& value, const Place& at, CardFileId id) {
    FileImage file;
    file.id = id;
    if (value.is_string()) {
        if (value.get_ref<const std::string&>() != kAbsent) Fail(at, "out-of-range");
    } else if (value.is_object() && value.contains("unreadable")) {
        UnreadableFromJson(value, at, file);
    } else if (HoldsTimers(id.kind)) {
        ProgramFromJson(value, at, file);
    } else {
        DatesFromJson(value, at, file);
    }
    return file;
}

// The files under "programs" or "dates": stems of the kinds that belong there.
void FilesFromJson(const Json& document, std::string_view group, bool timers, CardImage& card) {
    const auto found = document.find(group);
    if (found == document.end()) return;
    const Place at = Place() / group;
    if (!found->is_object()) Fail(at, "wrong-type");
    for (const auto& [stem, value] : found->items()) {
        const auto id = FileOfStem(stem);
        if (!id || HoldsTimers(id->kind) != timers) Fail(at / stem, "unknown-field");
        card.files[CardFileIndex(*id)] = FileFromJson(value, at / stem, *id);
    }
}

// The group of a document that holds the files of this kind.
const char* GroupOf(CardFileKind kind) { return HoldsTimers(kind) ? "programs" : "dates"; }

}  // namespace

Json FileToJson(const FileImage& file) {
    switch (file.state) {
    case CardFileState::Absent: return kAbsent;
    case CardFileState::Read: return HoldsTimers(file.id.kind) ? ProgramToJson(file) : DatesToJson(file);
    default: return UnreadableToJson(file);
    }
}

Json FileOfDocument(const Json& document, CardFileId id) {
    const auto group = document.find(GroupOf(id.kind));
    if (group == document.end()) return nullptr;
    const auto file = group->find(FileStem(id));
    return file == group->end() ? Json() : *file;
}

Json CardToJson(const CardImage& card) {
    Json programs = Json::object();
    Json dates = Json::object();
    for (const auto& file : card.files) {
        if (!file) continue;
        (HoldsTimers(file->id.kind) ? programs : dates)[FileStem(file->id)] = FileToJson(*file);
    }
    Json out = Json::object();
    out["format"] = kFormatName;
    out["version"] = kFormatVersion;
    out["programs"] = std::move(programs);
    out["dates"] = std::move(dates);
    return out;
}

std::string CardToText(const CardImage& card) { return CardToJson(card).dump(2) + "\n"; }

DecodedCard CardFromJson(const Json& document) {
    DecodedCard decoded;
    try {
        const Place top;
        ObjectWith(document, top, {"format", "version", "programs", "dates"});
        const Json& format = Required(document, top, "format");
        if (!format.is_string() || format.get_ref<const std::string&>() != kFormatName) Fail(top / "format", "not-this-format");
        const Json& version = Required(document, top, "version");
        if (!version.is_number_unsigned() || version.get<std::uint64_t>() != kFormatVersion) {
            Fail(top / "version", "not-this-format");
        }
        FilesFromJson(document, "programs", true, decoded.card);
        FilesFromJson(document, "dates", false, decoded.card);
    } catch (const DocumentProblem& problem) {
        decoded.card = {};
        decoded.error = problem.error;
    }
    return decoded;
}

DecodedCard CardFromText(std::string_view text) {
    const ParsedDocument parsed = ParseDocument(text);
    if (parsed.error) return {{}, parsed.error};
    return CardFromJson(parsed.json);
}

std::string PlaceWords(const std::string& pointer) {
    std::vector<std::string> parts;
    for (std::size_t at = 0; at < pointer.size();) {
        const std::size_t next = std::min(pointer.find('/', at + 1), pointer.size());
        parts.push_back(pointer.substr(at + 1, next - at - 1));
        at = next;
    }
    if (parts.size() < 2 || !FileOfStem(parts[1])) return {};
    // Timers and dates are counted from 1, as the window counts them.
    std::string words = parts[1];
    const auto add = [&words](std::string_view word) {
        words += ' ';
        words += word;
    };
    const auto addNumber = [&add](const std::string& part) { add(std::to_string(std::strtoul(part.c_str(), nullptr, 10) + 1)); };
    if (parts[0] == "dates" && parts.size() > 2) {
        add(CardWord("field.date"));
        addNumber(parts[2]);
    } else if (parts.size() > 3 && parts[2] == "timers") {
        add(CardWord("field.timer"));
        addNumber(parts[3]);
        if (parts.size() > 4) add(CardWord("field." + parts[4]));
    } else if (parts.size() > 2 && parts[2] != "timers") {
        add(CardWord("field." + parts[2]));
    }
    return words;
}

std::string UnreadableSentence(const FileImage& file) {
    if (file.damage) return FindingSentence("damaged-file", DamageName(file.damage->rule));
    return FileErrorText(file.failure.value_or(FileError(FileErrorCause::Generic, CardFileName(file.id.kind, file.id.program))));
}

}  // namespace core::cardjson
