#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace core::cardjson {

// Music names are stored as UTF-16 and written in documents as UTF-8. Each gives none for text
// that is not valid in its own encoding (a lone surrogate, a broken byte sequence).
std::optional<std::string> Utf8Of(std::u16string_view text);
std::optional<std::u16string> Utf16Of(std::string_view text);

}  // namespace core::cardjson
