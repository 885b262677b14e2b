#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <new>
#include <span>

#include "core/fs/Result.h"

namespace core {

// Reads a file opened past the system's cache (unbuffered on Windows, direct on Linux), which
// takes only whole aligned blocks at aligned offsets into memory aligned as well: blocks go into
// an aligned buffer of its own, and any span of the file, its end included, is handed out from
// there.
class AlignedBlocks {
public:
    // Reads block.size() bytes at `start` into `block` and gives how many were read: fewer only
    // at the end of the file. Both are multiples of the alignment, and so is block's address.
    using ReadBlock = std::function<Result<std::size_t>(std::uint64_t start, std::span<std::uint8_t> block)>;

    // `alignment`: a power of two, the largest sector size the medium may have or more.
    explicit AlignedBlocks(std::size_t alignment);

    // Reads up to buffer.size() bytes at the current position: fewer only at the end of the file.
    Result<std::size_t> Read(std::span<std::uint8_t> buffer, const ReadBlock& readBlock);
    void Seek(std::uint64_t offset) { m_position = offset; }

private:
    struct AlignedDelete {
        std::size_t alignment;
        void operator()(std::uint8_t* p) const { ::operator delete[](p, std::align_val_t{alignment}); }
    };

    bool InBlock(std::uint64_t position) const {
        return position >= m_blockStart && position - m_blockStart < m_blockLength;
    }

    std::size_t m_blockSize;
    std::unique_ptr<std::uint8_t[], AlignedDelete> m_block;
    std::uint64_t m_blockStart = 0;
    std::size_t m_blockLength = 0;  // bytes of the file in the block
    bool m_endLoaded = false;       // the block holds the end of the file
    std::uint64_t m_position = 0;
};

}  // namespace core
