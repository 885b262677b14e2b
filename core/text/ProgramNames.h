#pragma once

#include <string>

#include "core/text/Translate.h"

namespace core {

// The name of program `index` (0 to 5) as the program lists show it: "第一组程序"...
// "第六组程序". UTF-8.
inline const char* ProgramName(int index) {
    static const char* const names[] = {
        TAVREL_TRANSLATE_NOOP("Program", "第一组程序"), TAVREL_TRANSLATE_NOOP("Program", "第二组程序"),
        TAVREL_TRANSLATE_NOOP("Program", "第三组程序"), TAVREL_TRANSLATE_NOOP("Program", "第四组程序"),
        TAVREL_TRANSLATE_NOOP("Program", "第五组程序"), TAVREL_TRANSLATE_NOOP("Program", "第六组程序"),
    };
    return index >= 0 && index < 6 ? names[index] : "";
}

}  // namespace core
