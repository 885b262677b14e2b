#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace core {

// A fast 64-bit checksum of a stream of bytes fed in pieces of any size, for telling whether
// what a medium gives back is what was written to it. Not cryptographic: a changed word always
// changes the value, any other change does so but for a chance of one in 2^64. Eight lanes of
// 8-byte words, so that it runs near the speed of memory rather than of one multiplication.
class ContentChecksum {
public:
    void Add(std::span<const std::uint8_t> bytes);
    // The checksum of everything added so far, its length included.
    std::uint64_t Value() const;
    std::uint64_t Length() const { return m_length; }

private:
    static constexpr std::size_t kLanes = 8;
    static constexpr std::size_t kStripe = 8 * kLanes;
    void AddStripe(const std::uint8_t* stripe);

    std::array<std::uint64_t, kLanes> m_lanes{
        0x9E3779B185EBCA87ull, 0xC2B2AE3D27D4EB4Full, 0x165667B19E3779F9ull, 0x85EBCA77C2B2AE63ull,
        0x27D4EB2F165667C5ull, 0x94D049BB133111EBull, 0xBF58476D1CE4E5B9ull, 0xD6E8FEB86659FD93ull};
    std::array<std::uint8_t, kStripe> m_pending{};  // the start of a stripe not yet whole
    std::size_t m_pendingSize = 0;
    std::uint64_t m_length = 0;
};

}  // namespace core
