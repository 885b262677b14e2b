#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/card/Card.h"
#include "core/check/Finding.h"

// Small cards built as values, so each case shows the one thing it is about.
namespace checkfixture {

inline constexpr std::uint32_t kMonday = 1u << 1;
inline constexpr std::uint32_t kTuesday = 1u << 2;

// A time written as "08:30:00".
struct Time {
    std::uint8_t hour = 0, minute = 0, second = 0;
    Time(const char* text);
};

// A music timer with one file in player memory, on Monday to Friday, in all zones.
core::TimerData Music(Time start, Time end);
core::TimerData Radio(Time start, Time end);
core::TimerData Power(Time start, Time end);

// The same timer with one field changed.
core::TimerData WithDays(core::TimerData timer, std::uint32_t weekdays);
core::TimerData WithZones(core::TimerData timer, std::uint32_t zones);
core::TimerData WithMusic(core::TimerData timer, core::MusicSource source, std::vector<std::u16string> names);

// A card whose files are all absent until a case fills some in.
class TestCard {
public:
    TestCard();

    TestCard& Program(core::CardFileKind kind, int program, std::vector<core::TimerData> timers);
    TestCard& General(int program, std::vector<core::TimerData> timers);
    TestCard& Special(int program, std::vector<core::TimerData> timers);
    TestCard& Dates(int list, std::vector<core::SpecialDate> dates);
    TestCard& Damaged(core::CardFileId id, core::Damage damage);
    TestCard& Unavailable(core::CardFileId id, core::CardFileState state);

    const core::Card& card() const { return m_card; }

private:
    core::CardFile& File(core::CardFileId id) { return m_card.files[core::CardFileIndex(id)]; }
    core::Card m_card;
};

// A finding in one line, e.g. "SCH01.DAT #1 #2 error same-start" or
// "SDATE01.DAT 03-08 SDATE02.DAT warning date-in-two-lists".
std::string Describe(const core::Finding& finding);
std::vector<std::string> Describe(const std::vector<core::Finding>& findings);

}  // namespace checkfixture
