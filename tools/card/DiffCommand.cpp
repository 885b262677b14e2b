// diff A B: two cards, each a folder or a document, compared through their JSON form: file by
// file, then timer by timer and field by field, in the same words as show.
#include <algorithm>
#include <iostream>
#include <memory>

#include "core/cardjson/CardJson.h"
#include "core/text/CardWords.h"
#include "tools/card/CardSource.h"
#include "tools/card/CardWordsOf.h"
#include "tools/card/Commands.h"

namespace cardtool {

namespace {

std::string Word(const char* key) { return std::string(core::CardWord(key)); }

class Differences {
public:
    void Add(const std::string& line) { m_lines.push_back(line); }
    // "<place> 第一个：<a> 第二个：<b>"
    void Both(const std::string& place, const std::string& a, const std::string& b) {
        Add(place + " " + Word("diff.first") + a + " " + Word("diff.second") + b);
    }
    const std::vector<std::string>& lines() const { return m_lines; }

private:
    std::vector<std::string> m_lines;
};

bool IsProgram(const Json& value) { return value.is_object() && value.contains("timers"); }

// Music lists name by name; a name on one side only is said as none on the other.
void DiffMusic(const std::string& place, const Json& a, const Json& b, Differences& out) {
    const auto name = [](const Json& list, std::size_t k) {
        return k < list.size() ? MusicWords(list[k]) : Word("word.none");
    };
    for (std::size_t k = 0; k < std::max(a.size(), b.size()); ++k) {
        if (k < a.size() && k < b.size() && a[k] == b[k]) continue;
        out.Both(place + " " + Word("field.music") + " " + std::to_string(k + 1), name(a, k), name(b, k));
    }
}

// Timers of two programs, one by one: those on one side only whole, the others field by field.
void DiffTimers(const std::string& place, const Json& a, const Json& b, Differences& out) {
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const std::string timerPlace = place + " " + Word("field.timer") + " " + std::to_string(i + 1);
        if (i >= a.size() || i >= b.size()) {
            const bool inFirst = i < a.size();
            const auto lines = TimerLines(i, inFirst ? a[i] : b[i]);
            out.Add(place + " " + Word(inFirst ? "diff.only-in-first" : "diff.only-in-second") + lines.front());
            for (std::size_t k = 1; k < lines.size(); ++k) out.Add("  " + lines[k]);
            continue;
        }
        if (a[i] == b[i]) continue;
        std::vector<std::string> fields;
        for (const auto& [field, value] : a[i].items()) fields.push_back(field);
        for (const auto& [field, value] : b[i].items()) {
            if (!a[i].contains(field)) fields.push_back(field);
        }
        for (const std::string& field : fields) {
            const Json none = Word("word.none");
            const Json& x = a[i].contains(field) ? a[i][field] : none;
            const Json& y = b[i].contains(field) ? b[i][field] : none;
            if (x == y) continue;
            if (field == "music" && x.is_array() && y.is_array()) {
                DiffMusic(timerPlace, x, y, out);
            } else {
                out.Both(timerPlace, FieldWords(field, x), FieldWords(field, y));
            }
        }
    }
}

void DiffDates(const std::string& place, const Json& a, const Json& b, Differences& out) {
    const auto missing = [](const Json& from, const Json& in) {
        std::string dates;
        for (const Json& date : from) {
            if (std::find(in.begin(), in.end(), date) == in.end()) dates += " " + (date.is_string() ? date.get<std::string>() : date.dump());
        }
        return dates;
    };
    const std::string onlyA = missing(a, b), onlyB = missing(b, a);
    if (!onlyA.empty()) out.Add(place + " " + Word("diff.only-in-first") + onlyA.substr(1));
    if (!onlyB.empty()) out.Add(place + " " + Word("diff.only-in-second") + onlyB.substr(1));
    if (onlyA.empty() && onlyB.empty()) out.Both(place, FileSummary(a), FileSummary(b));  // the order differs
}

void DiffFile(const std::string& stem, const Json& a, const Json& b, Differences& out) {
    if (a == b) return;
    const std::string place = FileHeading(stem);
    const Json notNamed = Word("state.not-named");
    const auto summary = [&](const Json& value) { return value.is_null() ? notNamed.get<std::string>() : FileSummary(value); };
    if (IsProgram(a) && IsProgram(b)) {
        for (const char* field : {"program", "reserved", "unused_index"}) {
            const Json none = Word("word.none");
            const Json& x = a.contains(field) ? a[field] : none;
            const Json& y = b.contains(field) ? b[field] : none;
            if (x != y) out.Both(place, FieldWords(field, x), FieldWords(field, y));
        }
        DiffTimers(place, a["timers"], b["timers"], out);
    } else if (a.is_array() && b.is_array()) {
        DiffDates(place, a, b, out);
    } else {
        out.Both(place, summary(a), summary(b));
    }
}

}  // namespace

void AddDiffCommand(CLI::App& app, int& exitCode) {
    struct Options {
        std::string first;
        std::string second;
    };
    auto options = std::make_shared<Options>();
    CLI::App* command = app.add_subcommand("diff", "Say what differs between two cards, each a folder or an exported document.");
    command->add_option("A", options->first, "The first card: a folder or a JSON document.")->required();
    command->add_option("B", options->second, "The second card: a folder or a JSON document.")->required();
    command->callback([options, &exitCode] {
        const auto a = CardOfPath("diff", options->first);
        const auto b = a ? CardOfPath("diff", options->second) : std::nullopt;
        if (!a || !b) {
            exitCode = kExitFailed;
            return;
        }
        const Json first = core::cardjson::CardToJson(*a), second = core::cardjson::CardToJson(*b);
        Differences out;
        for (const core::CardFileId id : core::AllCardFiles()) {
            const std::string stem = core::cardjson::FileStem(id);
            const char* group = core::HoldsTimers(id.kind) ? "programs" : "dates";
            const auto at = [&](const Json& document) { return document[group].contains(stem) ? document[group][stem] : Json(); };
            DiffFile(stem, at(first), at(second), out);
        }
        for (const std::string& line : out.lines()) std::cout << line << '\n';
        exitCode = out.lines().empty() ? kExitClean : kExitFindings;
    });
}

}  // namespace cardtool
