#include "core/check/Finding.h"

namespace core {

const char* SeverityName(Severity severity) {
    switch (severity) {
    case Severity::Error: return "error";
    case Severity::Warning: return "warning";
    case Severity::Note: break;
    }
    return "note";
}

std::string DateText(SpecialDate date) {
    const auto twoDigits = [](unsigned value) {
        return value < 10 ? "0" + std::to_string(value) : std::to_string(value);
    };
    return twoDigits(date.month) + "-" + twoDigits(date.day);
}

}  // namespace core
