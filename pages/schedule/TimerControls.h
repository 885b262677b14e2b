#pragma once

#include "core/schedule/TimerRecord.h"
#include "pages/schedule/ScheduleControls.h"

class QComboBox;

namespace pages {

// Selects entry `index` of a combo; an index outside its list leaves it without a selection.
void SelectIndex(QComboBox* combo, int index);

// Puts the fields of `record` into the controls: mode, times, weekdays (where the page has
// them), power, zones, channel, play and loop mode. A value outside a list shows as no selection.
void ShowRecord(const ScheduleControls& controls, const core::TimerRecord& record);

// Reads a whole record back from the controls, starting from 32 zero bytes. A combo without a
// selection reads as index -1 (a time field 255, a 16-bit field 65535, the frequency 8740).
// A music timer keeps no frequency and counts its music list; other modes keep no music.
core::TimerRecord CollectRecord(const ScheduleControls& controls);

}  // namespace pages
