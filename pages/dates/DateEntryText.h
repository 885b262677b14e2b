#pragma once

#include <QString>
#include <cstdint>

#include "core/dates/SpecialDateFile.h"

namespace pages {

// Two characters for a byte: '0' + value / 10, then '0' + value % 10. For 0 to 99 these are the
// decimal digits with a leading zero; larger values from a file written elsewhere give other
// characters (255 reads "I5") instead of being rejected.
QString FormatTwoDigits(std::uint8_t value);

// The list line of a date: 8 March reads "03月08日".
QString DateEntryText(const core::SpecialDate& date);

}  // namespace pages
