#include "core/cardjson/CardWordsOf.h"

#include <cstdio>

#include "core/cardjson/CardImage.h"

namespace core::cardjson {

namespace {

// The fields whose readable form is a list of names or numbers.
const char* ListGroup(const std::string& field) {
    if (field == "weekdays") return "weekday.";
    if (field == "power") return "power.";
    if (field == "zones") return "zone.";
    return nullptr;
}

// The words of each item, a space between each two.
template <class Items, class Say>
std::string Spaced(const Items& items, Say say) {
    std::string said;
    for (const auto& item : items) {
        if (!said.empty()) said += ' ';
        said += say(item);
    }
    return said;
}

std::string Raw(const Json& value, const WordLookup& words) {
    return words.word("word.raw") + " " + value.dump();
}

std::string ItemWords(const char* group, const Json& item, const WordLookup& words) {
    if (item.is_number()) {
        char text[8];
        std::snprintf(text, sizeof text, "%02u", item.get<unsigned>() % 100u);
        return text;
    }
    return words.word(group + item.get<std::string>());
}

std::string ValueWords(const std::string& field, const Json& value, const WordLookup& words) {
    if (value.is_null()) return words.word("word.none");
    if (const char* group = ListGroup(field); group && value.is_array()) {
        if (value.empty()) return words.word("word.none");
        return Spaced(value, [&](const Json& item) { return ItemWords(group, item, words); });
    }
    if (!value.is_string()) return Raw(value, words);
    const std::string text = value.get<std::string>();
    const std::string key = field + "." + text;
    const std::string word = words.word(key);
    return word == key ? text : word;
}

}  // namespace

std::string FieldWords(const std::string& field, const Json& value, const WordLookup& words) {
    return words.word("field." + field) + " " + ValueWords(field, value, words);
}

std::string MusicWords(const Json& entry, const WordLookup& words) {
    if (entry.is_null()) return words.word("word.none");
    return entry.is_string() ? entry.get<std::string>() : Raw(entry, words);
}

std::string DateWords(const Json& date, const WordLookup& words) {
    return date.is_string() ? date.get<std::string>() : Raw(date, words);
}

std::string DatesWords(std::span<const Json> dates, const WordLookup& words) {
    return Spaced(dates, [&](const Json& date) { return DateWords(date, words); });
}

std::vector<std::string> TimerLines(std::size_t index, const Json& timer, const WordLookup& words) {
    std::string line = words.word("field.timer") + " " + std::to_string(index + 1) + words.word("punct.colon");
    bool first = true;
    for (const auto& [field, value] : timer.items()) {
        if (field == "music") continue;
        line += (first ? "" : words.word("punct.comma")) + FieldWords(field, value, words);
        first = false;
    }
    std::vector<std::string> lines{line};
    if (const auto music = timer.find("music"); music != timer.end()) {
        for (std::size_t k = 0; k < music->size(); ++k) {
            lines.push_back("  " + words.word("field.music") + " " + std::to_string(k + 1) + words.word("punct.colon") +
                            MusicWords((*music)[k], words));
        }
    }
    return lines;
}

std::string FileHeading(CardFileId id, const WordLookup& words) {
    return FileStem(id) + " " + words.program(id.program);
}

std::string FileSummary(const Json& value, const WordLookup& words) {
    if (value.is_null()) return words.word("state.not-named");
    if (value.is_string()) return words.word("state.absent");
    if (value.is_object() && value.contains("unreadable")) {
        return words.word("state.unreadable") + value.value("message", value["unreadable"].dump());
    }
    if (value.is_object()) return ProgramSummary(value, value["timers"].size(), words);
    std::string summary = std::to_string(value.size()) + words.word("word.dates");
    if (!value.empty()) summary += " " + DatesWords(value.get_ref<const Json::array_t&>(), words);
    return summary;
}

std::string ProgramSummary(const Json& program, std::size_t timers, const WordLookup& words) {
    std::string summary = std::to_string(timers) + words.word("word.timers");
    for (const char* field : {"program", "reserved", "unused_index"}) {
        if (program.contains(field)) summary += words.word("punct.comma") + FieldWords(field, program[field], words);
    }
    return summary;
}

std::string FileHeadLine(CardFileId id, const std::string& summary, const WordLookup& words) {
    return FileHeading(id, words) + words.word("punct.colon") + summary;
}

std::vector<std::string> FileLines(CardFileId id, const Json& value, const WordLookup& words) {
    std::vector<std::string> lines{FileHeadLine(id, FileSummary(value, words), words)};
    if (value.is_object() && value.contains("timers")) {
        for (std::size_t i = 0; i < value["timers"].size(); ++i) {
            for (const std::string& line : TimerLines(i, value["timers"][i], words))
                lines.push_back("  " + line);
        }
    }
    return lines;
}

}  // namespace core::cardjson
