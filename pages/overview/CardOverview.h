#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "core/card/Card.h"
#include "core/check/Finding.h"
#include "core/fs/FileError.h"
#include "core/fs/FileSystem.h"

namespace pages {

// One card as the overview shows it: read whole and checked, never written.
struct CardOverview {
    std::string folder;
    core::Card card;
    std::vector<core::Finding> findings;
    std::optional<core::FileError> listFailure;  // the folder could not be listed
};

// Reads and checks the card in `folder`. Runs on a worker thread: touches no widget.
CardOverview LoadCardOverview(core::FileSystem& fs, const std::string& folder);

// One timer of a card: which file, its position from 0, and the timer itself.
struct TimerRef {
    core::CardFileId file;
    int index = 0;
    const core::TimerData* timer = nullptr;
};

// Every timer of every program file that was read, general programs first, in file order.
std::vector<TimerRef> AllTimers(const core::Card& card);
// The timers of one program file, in file order.
std::vector<TimerRef> ProgramTimers(const core::Card& card, core::CardFileId file);

// The texts of a timer's fields, as the table and the report write them.
QString ProgramFileName(core::CardFileId file);
QString ModeText(std::uint16_t mode);
QString TimeText(int hour, int minute, int second);
QString WeekdaysText(const core::TimerRecord& record, bool weekdays);
QString PowerText(std::uint32_t power);
QString ZonesText(std::uint32_t zones);
QString ChannelText(const core::TimerRecord& record);
QString MediumText(const core::TimerData& timer);
// The timer in one line, for tool tips: "SCH01.DAT 定时 3 音乐定时 08:00:00-09:00:00".
QString TimerLine(const TimerRef& ref);

}  // namespace pages

namespace pages {

// Where a finding is and what it says, in one line: "SCH01.DAT 定时 2、3：……".
QString FindingText(const core::Finding& finding);
// "错误", "警告" or "提示".
QString SeverityText(core::Severity severity);
// The card file with that name, if it is one.
std::optional<core::CardFileId> CardFileNamed(const std::string& name);
// The programs a file list offers: "SCH01.DAT 第一组程序"..., one per program file, card order.
QStringList ProgramFileItems();
// The program files in the order of ProgramFileItems().
std::vector<core::CardFileId> ProgramFiles();

}  // namespace pages
