#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace core::history {

// SHA-256, fed in pieces: the name under which the history keeps a file's content.
class Sha256 {
public:
    Sha256();
    void Add(std::span<const std::uint8_t> bytes);
    // The digest as 64 lower-case hex digits. The object is spent afterwards.
    std::string HexDigest();

private:
    void Block(const std::uint8_t* block);

    std::array<std::uint32_t, 8> m_state;
    std::array<std::uint8_t, 64> m_pending{};
    std::size_t m_pendingSize = 0;
    std::uint64_t m_total = 0;
};

}  // namespace core::history
