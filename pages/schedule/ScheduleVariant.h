#pragma once

#include "core/editing/ScheduleEditor.h"

namespace pages {

// What tells the general schedule page from the special one: the editor's kind, and where the
// two templates differ. Everything else about the two pages is the same code.
struct ScheduleVariant {
    core::ScheduleKind kind;
    int lowerRowsShift;        // dialog units by which the rows from the channel row down move
    int holdPowerX;            // x of the "保持电源" box
    int programListHeight;     // opened list heights of the program, copy source
    int copySourceListHeight;  // and copy target combos
    int copyTargetListHeight;

    int programCount() const { return core::ProgramCount(kind.files); }
};

const ScheduleVariant& GeneralScheduleVariant();
const ScheduleVariant& SpecialScheduleVariant();

}  // namespace pages
