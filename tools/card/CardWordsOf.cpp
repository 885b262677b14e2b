#include "tools/card/CardWordsOf.h"

#include <cstdio>

#include "core/cardjson/CardImage.h"
#include "core/text/CardWords.h"
#include "core/text/ProgramNames.h"

namespace cardtool {

namespace {

std::string Word(const std::string& key) { return std::string(core::CardWord(key)); }

// The fields whose readable form is a list of names or numbers.
const char* ListGroup(const std::string& field) {
    if (field == "weekdays") return "weekday.";
    if (field == "power") return "power.";
    if (field == "zones") return "zone.";
    return nullptr;
}

std::string Raw(const Json& value) { return Word("word.raw") + " " + value.dump(); }

std::string ItemWords(const char* group, const Json& item) {
    if (item.is_number()) {
        char text[8];
        std::snprintf(text, sizeof text, "%02u", item.get<unsigned>() % 100u);
        return text;
    }
    return Word(group + item.get<std::string>());
}

std::string ValueWords(const std::string& field, const Json& value) {
    if (const char* group = ListGroup(field); group && value.is_array()) {
        if (value.empty()) return Word("word.none");
        std::string words;
        for (const Json& item : value) words += (words.empty() ? "" : " ") + ItemWords(group, item);
        return words;
    }
    if (!value.is_string()) return Raw(value);
    const std::string text = value.get<std::string>();
    const std::string key = field + "." + text;
    const std::string word = Word(key);
    return word == key ? text : word;
}

}  // namespace

std::string FieldWords(const std::string& field, const Json& value) {
    return Word("field." + field) + " " + ValueWords(field, value);
}

std::string MusicWords(const Json& entry) { return entry.is_string() ? entry.get<std::string>() : Raw(entry); }

std::vector<std::string> TimerLines(std::size_t index, const Json& timer) {
    std::string line = Word("field.timer") + " " + std::to_string(index + 1) + "：";
    bool first = true;
    for (const auto& [field, value] : timer.items()) {
        if (field == "music") continue;
        line += (first ? "" : "，") + FieldWords(field, value);
        first = false;
    }
    std::vector<std::string> lines{line};
    if (const auto music = timer.find("music"); music != timer.end()) {
        for (std::size_t k = 0; k < music->size(); ++k) {
            lines.push_back("  " + Word("field.music") + " " + std::to_string(k + 1) + "：" + MusicWords((*music)[k]));
        }
    }
    return lines;
}

std::string FileHeading(const std::string& stem) {
    const auto id = core::cardjson::FileOfStem(stem);
    return id ? stem + " " + core::ProgramName(id->program) : stem;
}

std::string FileSummary(const Json& value) {
    if (value.is_string()) return Word("state.absent");
    if (value.is_object() && value.contains("unreadable")) {
        return Word("state.unreadable") + value.value("message", value["unreadable"].dump());
    }
    if (value.is_object()) {
        std::string summary = std::to_string(value["timers"].size()) + Word("word.timers");
        for (const char* field : {"program", "reserved", "unused_index"}) {
            if (value.contains(field)) summary += "，" + FieldWords(field, value[field]);
        }
        return summary;
    }
    std::string summary = std::to_string(value.size()) + Word("word.dates");
    for (const Json& date : value) summary += " " + (date.is_string() ? date.get<std::string>() : Raw(date));
    return summary;
}

std::vector<std::string> FileLines(const std::string& stem, const Json& value) {
    std::vector<std::string> lines{FileHeading(stem) + "：" + FileSummary(value)};
    if (value.is_object() && value.contains("timers")) {
        for (std::size_t i = 0; i < value["timers"].size(); ++i) {
            for (const std::string& line : TimerLines(i, value["timers"][i])) lines.push_back("  " + line);
        }
    }
    return lines;
}

}  // namespace cardtool
