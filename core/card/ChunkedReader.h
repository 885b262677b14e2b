#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "core/card/BoundedFileReader.h"

namespace core {

// The one buffer a card is read through: large enough for a program file's header, a date
// file and many music entries, so that a file of small pieces takes few reads.
inline constexpr std::size_t kCardReadBufferSize = 64 * 1024;

// Hands out the consecutive pieces of a file from `begin` on, refilling one fixed buffer
// with reads as large as the buffer allows but never past `readAheadEnd`.
class ChunkedReader {
public:
    ChunkedReader(BoundedFileReader& file, std::span<std::uint8_t> buffer, std::uint64_t begin,
                  std::uint64_t readAheadEnd);

    // The next `size` bytes (at most the buffer's size), valid until the next call. Nothing
    // when the file fails or ends first; the file's Failure() says why.
    std::optional<std::span<const std::uint8_t>> Next(std::size_t size);

private:
    BoundedFileReader& m_file;
    std::span<std::uint8_t> m_buffer;
    std::size_t m_start = 0;   // the first byte of the buffer not handed out yet
    std::size_t m_filled = 0;  // the bytes of the buffer that hold file data
    std::uint64_t m_next;      // the file position of the byte after the buffered ones
    std::uint64_t m_readAheadEnd;
};

}  // namespace core
