#pragma once

// Reading the content of one open card file into its CardFile. Used by ReadCard only.

#include <cstdint>
#include <span>

#include "core/card/BoundedFileReader.h"
#include "core/card/Card.h"

namespace core {

// Each sets out.state to Read, Damaged or Unreadable and fills the matching fields. `buffer`
// is the reader's fixed buffer, kCardReadBufferSize bytes.
void ReadProgramContent(BoundedFileReader& file, std::span<std::uint8_t> buffer, CardFile& out);
void ReadDateContent(BoundedFileReader& file, std::span<std::uint8_t> buffer, CardFile& out);

inline void MarkDamaged(CardFile& out, const Damage& damage) {
    out.state = CardFileState::Damaged;
    out.damage = damage;
}

inline void MarkUnreadable(CardFile& out, const BoundedFileReader& file) {
    out.state = CardFileState::Unreadable;
    out.failure = file.Failure().value_or(FileError(FileErrorCause::Generic, ""));
}

}  // namespace core
