#pragma once

#include <cstdint>

namespace core::cardjson {

// The largest document import reads. Import parses a document whole: the text, its JSON tree
// (some five times the text) and the card it describes in stored form (twenty times the text:
// a music name of ~30 bytes in the document is 624 on the card) are all held at once, so a
// 64 MiB document costs about 2 GB. Export refuses a card whose document would be larger, so
// that every backup it writes can be restored; the largest valid program file (4 GB) has a
// document of over 1 GB.
inline constexpr std::uint64_t kLargestDocument = std::uint64_t{64} << 20;

}  // namespace core::cardjson
