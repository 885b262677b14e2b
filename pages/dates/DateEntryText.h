#pragma once

#include <QString>

#include "core/dates/SpecialDateFile.h"

namespace pages {

// The list line of a date: 8 March reads "03月08日". Month and day take two characters each,
// '0' + value / 10, then '0' + value % 10: for 0 to 99 the decimal digits with a leading zero;
// larger values from a file written elsewhere give other characters (255 reads "I5") instead
// of being rejected.
QString DateEntryText(const core::SpecialDate& date);

}  // namespace pages
