#include "pages/dates/DateEntryText.h"

#include <QCoreApplication>
#include <cstdint>

namespace pages {

namespace {

QString TwoCharacters(std::uint8_t value) {
    const QChar digits[] = {QChar(u'0' + value / 10), QChar(u'0' + value % 10)};
    return QString(digits, 2);
}

}  // namespace

QString DateEntryText(const core::SpecialDate& date) {
    return QCoreApplication::translate("DatePage", "%1月%2日")
        .arg(TwoCharacters(date.month), TwoCharacters(date.day));
}

}  // namespace pages
