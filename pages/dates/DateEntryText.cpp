#include "pages/dates/DateEntryText.h"

namespace pages {

QString FormatTwoDigits(std::uint8_t value) {
    const QChar digits[] = {QChar(u'0' + value / 10), QChar(u'0' + value % 10)};
    return QString(digits, 2);
}

QString DateEntryText(const core::SpecialDate& date) {
    return FormatTwoDigits(date.month) + u'月' + FormatTwoDigits(date.day) + u'日';
}

}  // namespace pages
