#include "core/cardjson/CompareWords.h"

namespace core::cardjson {

namespace {

class Lines {
public:
    Lines(std::string heading, const WordLookup& words) : m_heading(std::move(heading)), m_words(words) {}

    std::string Word(const char* key) const { return m_words.word(key); }
    const WordLookup& words() const { return m_words; }

    // "<heading><place>..."
    void Add(const std::string& place, const std::string& text) {
        m_lines.push_back(m_heading + place + text);
    }
    // "<heading><place> 第一个：<a> 第二个：<b>"
    void Both(const std::string& place, const std::string& a, const std::string& b) {
        Add(place, " " + Word("diff.first") + a + " " + Word("diff.second") + b);
    }
    void Indented(const std::string& line) { m_lines.push_back("  " + line); }

    std::vector<std::string> Take() { return std::move(m_lines); }

private:
    std::string m_heading;
    const WordLookup& m_words;
    std::vector<std::string> m_lines;
};

std::string TimerNumber(std::size_t place, const Lines& out) {
    return out.Word("field.timer") + " " + std::to_string(place + 1);
}

// " 节目序号 3", or " 节目序号 3（第二个中为 4）" when the timer stands elsewhere in the second.
std::string TimerPlace(const TimerChange& change, const Lines& out) {
    std::string place = " " + TimerNumber(*change.before, out);
    if (*change.after != *change.before)
        place += out.Word("punct.open") + out.Word("diff.second-number") + " " + std::to_string(*change.after + 1) +
                 out.Word("punct.close");
    return place;
}

void FieldLines(const std::string& place, const std::vector<FieldChange>& fields, Lines& out) {
    for (const FieldChange& f : fields) {
        if (f.entry) {
            const std::string entryPlace =
                place + " " + out.Word("field.music") + " " + std::to_string(*f.entry + 1);
            out.Both(entryPlace, MusicWords(f.before, out.words()), MusicWords(f.after, out.words()));
        } else {
            out.Both(place, FieldWords(f.field, f.before, out.words()),
                     FieldWords(f.field, f.after, out.words()));
        }
    }
}

// A timer on one side only, whole: its line, then its music files indented.
void WholeTimer(const char* side, std::size_t place, const Json& timer, Lines& out) {
    const auto lines = TimerLines(place, timer, out.words());
    out.Add(" " + out.Word(side), lines.front());
    for (std::size_t k = 1; k < lines.size(); ++k) out.Indented(lines[k]);
}

void TimerLinesOf(const TimerChange& change, Lines& out) {
    switch (change.kind) {
    case TimerChangeKind::Removed: return WholeTimer("diff.only-in-first", *change.before, change.timer, out);
    case TimerChangeKind::Added: return WholeTimer("diff.only-in-second", *change.after, change.timer, out);
    case TimerChangeKind::Changed: return FieldLines(TimerPlace(change, out), change.fields, out);
    case TimerChangeKind::Moved:
        return out.Add(" " + TimerNumber(*change.before, out),
                       " " + out.Word("diff.moved") + " " + TimerNumber(*change.after, out));
    }
}

void DateLines(const DateListComparison& dates, Lines& out) {
    if (!dates.removed.empty())
        out.Add(" " + out.Word("diff.only-in-first"), DatesWords(dates.removed, out.words()));
    if (!dates.added.empty())
        out.Add(" " + out.Word("diff.only-in-second"), DatesWords(dates.added, out.words()));
    if (dates.reordered) {
        out.Both(" " + out.Word("diff.reordered"), FileSummary(dates.before, out.words()),
                 FileSummary(dates.after, out.words()));
    }
}

}  // namespace

std::vector<std::string> ComparisonLines(CardFileId id, const FileComparison& comparison,
                                         const WordLookup& words) {
    if (comparison.same()) return {};
    Lines out(FileHeading(id, words), words);
    if (const auto* program = std::get_if<ProgramComparison>(&comparison.detail)) {
        FieldLines("", program->header, out);
        for (const TimerChange& change : program->timers) TimerLinesOf(change, out);
    } else if (const auto* dates = std::get_if<DateListComparison>(&comparison.detail)) {
        DateLines(*dates, out);
    } else {
        const auto& whole = std::get<WholeFileChange>(comparison.detail);
        out.Both("", FileSummary(whole.before, words), FileSummary(whole.after, words));
    }
    return out.Take();
}

}  // namespace core::cardjson
