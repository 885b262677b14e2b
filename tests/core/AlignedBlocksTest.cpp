// Reads past the system's cache take only whole aligned blocks at aligned offsets into aligned
// memory (Windows refuses anything else; wine does not, so this is where it is checked): any span
// of the file, from any position, its end included, comes from such reads.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <initializer_list>

#include "core/fs/AlignedBlocks.h"
#include "tests/support/Bytes.h"

namespace {

using testbytes::Bytes;

constexpr std::size_t kAlignment = 4096;

// A medium as strict as an unbuffered handle, over `file`.
struct StrictMedium {
    const Bytes& file;
    std::size_t reads = 0;

    core::Result<std::size_t> operator()(std::uint64_t start, std::span<std::uint8_t> block) {
        ++reads;
        EXPECT_EQ(start % kAlignment, 0u);
        EXPECT_EQ(block.size() % kAlignment, 0u);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block.data()) % kAlignment, 0u);
        if (start >= file.size()) return std::size_t{0};
        const std::size_t n =
            std::min<std::size_t>(block.size(), file.size() - static_cast<std::size_t>(start));
        std::memcpy(block.data(), file.data() + start, n);
        return n;
    }
};

Bytes Pattern(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t k = 0; k < size; ++k) bytes[k] = static_cast<std::uint8_t>(k ^ (k >> 11));
    return bytes;
}

TEST(AlignedBlocks, HandsOutAnySpanFromAlignedReads) {
    for (std::size_t size :
         std::initializer_list<std::size_t>{0, 1, kAlignment, (1u << 20) + 1, (3u << 20) - 7}) {
        SCOPED_TRACE(size);
        const Bytes file = Pattern(size);
        StrictMedium medium{file};
        core::AlignedBlocks blocks(kAlignment);
        const struct {
            std::uint64_t at;
            std::size_t length;
        } spans[] = {{0, size + 10},      {1, 3},
                     {(1u << 20) - 2, 5}, {size - std::min<std::size_t>(size, 3), 100},
                     {size, 4},           {size + 5000, 1}};
        for (const auto& span : spans) {
            SCOPED_TRACE(span.at);
            blocks.Seek(span.at);
            Bytes got(span.length);
            const auto read = blocks.Read(got, std::ref(medium));
            ASSERT_TRUE(read.ok());
            const std::size_t expected =
                span.at >= size
                    ? 0
                    : std::min<std::size_t>(span.length, size - static_cast<std::size_t>(span.at));
            ASSERT_EQ(*read, expected);
            EXPECT_TRUE(std::equal(
                got.begin(), got.begin() + static_cast<std::ptrdiff_t>(expected),
                file.begin() + static_cast<std::ptrdiff_t>(std::min<std::uint64_t>(span.at, size))));
        }
    }
}

// Reading a file whole in small pieces reads each block once, and the end only once.
TEST(AlignedBlocks, ReadsEachBlockOnce) {
    const Bytes file = Pattern((2u << 20) + 100);
    StrictMedium medium{file};
    core::AlignedBlocks blocks(kAlignment);
    Bytes piece(1000);
    std::size_t total = 0;
    for (int k = 0; k < 3;) {
        const auto read = blocks.Read(piece, std::ref(medium));
        ASSERT_TRUE(read.ok());
        total += *read;
        if (*read == 0) ++k;  // asked again past the end
    }
    EXPECT_EQ(total, file.size());
    EXPECT_EQ(medium.reads, 3u);
}

// A failing read of the medium is the answer, and the next read tries again.
TEST(AlignedBlocks, AFailedReadIsTheAnswer) {
    const Bytes file = Pattern(5000);
    core::AlignedBlocks blocks(kAlignment);
    bool fail = true;
    const auto flaky = [&](std::uint64_t start, std::span<std::uint8_t> block) -> core::Result<std::size_t> {
        if (fail) return core::IoFailure(core::FileError(core::FileErrorCause::HardIO, "/card/SCH01.DAT"));
        return StrictMedium{file}(start, block);
    };
    Bytes got(10);
    EXPECT_EQ(blocks.Read(got, flaky).error()->cause(), core::FileErrorCause::HardIO);
    fail = false;
    const auto read = blocks.Read(got, flaky);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(*read, 10u);
    EXPECT_TRUE(std::equal(got.begin(), got.end(), file.begin()));
}

}  // namespace
