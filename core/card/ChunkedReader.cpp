#include "core/card/ChunkedReader.h"

#include <algorithm>

namespace core {

ChunkedReader::ChunkedReader(BoundedFileReader& file, std::span<std::uint8_t> buffer, std::uint64_t begin,
                             std::uint64_t readAheadEnd)
    : m_file(file), m_buffer(buffer), m_next(begin), m_readAheadEnd(readAheadEnd) {}

std::optional<std::span<const std::uint8_t>> ChunkedReader::Next(std::size_t size) {
    if (size > m_buffer.size()) return std::nullopt;
    if (m_filled - m_start < size) {
        // Move the bytes not handed out yet to the front, then fill up behind them.
        std::copy(m_buffer.begin() + static_cast<std::ptrdiff_t>(m_start),
                  m_buffer.begin() + static_cast<std::ptrdiff_t>(m_filled), m_buffer.begin());
        m_filled -= m_start;
        m_start = 0;
        const std::uint64_t ahead = m_readAheadEnd > m_next ? m_readAheadEnd - m_next : 0;
        const std::size_t free = m_buffer.size() - m_filled;
        const std::size_t wanted =
            std::max(size - m_filled, static_cast<std::size_t>(std::min<std::uint64_t>(free, ahead)));
        if (!m_file.ReadAt(m_next, m_buffer.subspan(m_filled, wanted))) return std::nullopt;
        m_filled += wanted;
        m_next += wanted;
    }
    const auto piece = m_buffer.subspan(m_start, size);
    m_start += size;
    return piece;
}

}  // namespace core
