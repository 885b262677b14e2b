#pragma once

#include <span>
#include <string_view>

namespace core {

// A text a person reads, under the key the code names it by.
struct KeyedText {
    std::string_view key;
    const char* text;
};

// The text of `key` in `table`; the key itself when it is not there, so nothing is ever lost
// from a line.
inline std::string_view LookUpText(std::span<const KeyedText> table, std::string_view key) {
    for (const KeyedText& entry : table) {
        if (entry.key == key) return entry.text;
    }
    return key;
}

}  // namespace core
