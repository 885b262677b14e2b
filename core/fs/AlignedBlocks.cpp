#include "core/fs/AlignedBlocks.h"

#include <algorithm>
#include <cstring>

namespace core {

namespace {

// How much one read of the medium brings in: a full program in a handful of reads.
constexpr std::size_t kBlockBytes = 1 << 20;

}  // namespace

AlignedBlocks::AlignedBlocks(std::size_t alignment)
    : m_blockSize((kBlockBytes + alignment - 1) / alignment * alignment),
      m_block(static_cast<std::uint8_t*>(::operator new[](m_blockSize, std::align_val_t{alignment})),
              AlignedDelete{alignment}) {}

Result<std::size_t> AlignedBlocks::Read(std::span<std::uint8_t> buffer, const ReadBlock& readBlock) {
    std::size_t done = 0;
    while (done < buffer.size()) {
        if (!InBlock(m_position)) {
            const std::uint64_t start = m_position / m_blockSize * m_blockSize;
            // The block that holds the end of the file is not read again to learn that.
            if (m_endLoaded && start == m_blockStart) break;
            m_blockLength = 0;
            m_endLoaded = false;
            const auto got = readBlock(start, std::span(m_block.get(), m_blockSize));
            if (!got.ok()) return got.failure();
            m_blockStart = start;
            m_blockLength = *got;
            m_endLoaded = m_blockLength < m_blockSize;
            if (!InBlock(m_position)) break;  // the end of the file
        }
        const std::size_t from = static_cast<std::size_t>(m_position - m_blockStart);
        const std::size_t n = std::min(buffer.size() - done, m_blockLength - from);
        std::memcpy(buffer.data() + done, m_block.get() + from, n);
        done += n;
        m_position += n;
    }
    return done;
}

}  // namespace core
