#include "core/check/Finding.h"

#include <cstdio>

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
    char text[sizeof "255-255"];
    std::snprintf(text, sizeof text, "%02u-%02u", unsigned{date.month}, unsigned{date.day});
    return text;
}

}  // namespace core
