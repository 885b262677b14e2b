#pragma once

#include <cstdint>

namespace core::cardjson {

// The largest document import reads. Import parses a document whole and holds, at once, its
// text, its JSON tree and the card it describes in stored form (a music name of ~30 bytes in the
// document is 624 on the card), then each file's new bytes and its history copy: measured, a
// 9.8 MB document of a 204 MB program peaks at 455 MB, so one of 64 MiB costs about 3 GB, as
// much as a desktop can be asked for. Export refuses a card whose document would be larger, so
// that every backup it writes can be restored; the largest valid program file (4 GB) has a
// document of over 1 GB.
inline constexpr std::uint64_t kLargestDocument = std::uint64_t{64} << 20;

}  // namespace core::cardjson
