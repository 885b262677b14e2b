#include "pages/dates/DateEntryText.h"

#include <cstdint>

namespace pages {

namespace {

QString TwoCharacters(std::uint8_t value) {
    const QChar digits[] = {QChar(u'0' + value / 10), QChar(u'0' + value % 10)};
    return QString(digits, 2);
}

}  // namespace

QString DateEntryText(const core::SpecialDate& date) {
    return TwoCharacters(date.month) + u'月' + TwoCharacters(date.day) + u'日';
}

}  // namespace pages
