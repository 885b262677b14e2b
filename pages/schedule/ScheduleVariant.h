#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace pages {

// What tells the general schedule page from the special one. Everything else about the two
// pages is the same code.
struct ScheduleVariant {
    int templateId;                      // 129 general, 130 special
    QStringList programNames;            // entries of the three program combos, index = program
    std::vector<std::string> fileNames;  // program files in the save folder, same order
    bool hasWeekdays;                    // weekday boxes exist; without them timers run on no weekday
    int lowerRowsShift;                  // dialog units by which the rows from the channel row down move
    int holdPowerX;                      // x of the "保持电源" box
    int programListHeight;               // opened list heights of the program, copy source
    int copySourceListHeight;            // and copy target combos
    int copyTargetListHeight;
    QString saveWithoutFolderMessage;    // what Save says when no save folder is chosen
    bool duplicateNeedsSharedWeekday;    // a repeated start time counts only on a shared weekday

    int programCount() const { return static_cast<int>(fileNames.size()); }
};

const ScheduleVariant& GeneralScheduleVariant();
const ScheduleVariant& SpecialScheduleVariant();

}  // namespace pages
