#include "core/check/CardCheck.h"

#include <algorithm>
#include <tuple>

#include "core/card/CardReader.h"
#include "core/check/CheckSteps.h"
#include "core/text/FindingTexts.h"

namespace core {

namespace check {

namespace {

// Within a file: findings about the whole file first, then by timer or date, then by code.
using SortKeyOf = std::tuple<int, int, const std::string&, int, const std::optional<std::string>&>;

SortKeyOf SortKey(const Finding& f) {
    const int date = f.date ? f.date->month * 256 + f.date->day + 1 : 0;
    return {f.timer.value_or(0), date, f.code, f.other.value_or(0), f.otherFile};
}

std::string_view DamageCause(DamageRule rule) {
    switch (rule) {
    case DamageRule::HeaderTooShort: return "header-too-short";
    case DamageRule::WrongMagic: return "wrong-magic";
    case DamageRule::CountTooLarge: return "count-too-large";
    case DamageRule::IndexPastEnd: return "index-past-end";
    case DamageRule::TimerSizeMismatch: return "timer-size-mismatch";
    case DamageRule::TimersNotContiguous: return "timers-not-contiguous";
    case DamageRule::DatesOddLength: return "dates-odd-length";
    case DamageRule::TooManyDates: break;
    }
    return "too-many-dates";
}

}  // namespace

Finding& FindingList::Add(CardFileId file, Kind kind, std::string_view cause) {
    Finding& f = m_byFile[CardFileIndex(file)].emplace_back();
    f.code = kind.code;
    f.severity = kind.severity;
    f.file = CardFileName(file.kind, file.program);
    f.message = FindingSentence(kind.code, cause);
    return f;
}

std::vector<Finding> FindingList::Sorted() && {
    std::size_t total = 0;
    for (const std::vector<Finding>& file : m_byFile) total += file.size();
    std::vector<Finding> all;
    all.reserve(total);
    for (std::vector<Finding>& file : m_byFile) {
        std::sort(file.begin(), file.end(),
                  [](const Finding& a, const Finding& b) { return SortKey(a) < SortKey(b); });
        std::move(file.begin(), file.end(), std::back_inserter(all));
    }
    return all;
}

void CheckFileStates(const Card& card, FindingList& out) {
    for (const CardFile& file : card.files) {
        switch (file.state) {
        case CardFileState::Damaged:
            out.Add(file.id, kDamagedFile, DamageCause(file.damage.value_or(Damage{}).rule)).timer =
                file.damage ? file.damage->timer : std::nullopt;
            break;
        case CardFileState::Busy: out.Add(file.id, kUnreadableFile, "busy"); break;
        case CardFileState::Unreadable: out.Add(file.id, kUnreadableFile, "unreadable"); break;
        case CardFileState::Absent:
        case CardFileState::Read: break;
        }
    }
}

}  // namespace check

std::vector<Finding> CheckCard(const Card& card, const FolderNames& names) {
    check::FindingList out;
    check::CheckFileStates(card, out);
    for (const CardFile& file : card.files) {
        if (file.state != CardFileState::Read || !HoldsTimers(file.id.kind)) continue;
        check::CheckTimers(file, names, out);
        check::CheckTimerPairs(file, out);
    }
    check::CheckDates(card, out);
    return std::move(out).Sorted();
}

Result<std::vector<Finding>> CheckCardFolder(FileSystem& fs, const std::string& folder) {
    const auto names = fs.ListFolder(folder);
    if (!names.ok()) return names.failure();
    return CheckCard(ReadCard(fs, folder), FolderNames(*names));
}

}  // namespace core
