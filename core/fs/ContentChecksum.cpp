#include "core/fs/ContentChecksum.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace core {

namespace {

constexpr std::uint64_t kPrime1 = 0x9E3779B185EBCA87ull;
constexpr std::uint64_t kPrime2 = 0xC2B2AE3D27D4EB4Full;

std::uint64_t Word(const std::uint8_t* at) {
    std::uint64_t word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

// Each step is one-to-one in the state, so a difference once made is never lost.
std::uint64_t Mix(std::uint64_t state, std::uint64_t word) {
    return std::rotl(state + word * kPrime2, 31) * kPrime1;
}

}  // namespace

void ContentChecksum::AddStripe(const std::uint8_t* stripe) {
    for (std::size_t lane = 0; lane < m_lanes.size(); ++lane) {
        m_lanes[lane] = Mix(m_lanes[lane], Word(stripe + 8 * lane));
    }
}

void ContentChecksum::Add(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) return;  // and no null pointer goes to memcpy
    m_length += bytes.size();
    if (m_pendingSize > 0) {
        const std::size_t n = std::min(kStripe - m_pendingSize, bytes.size());
        std::memcpy(m_pending.data() + m_pendingSize, bytes.data(), n);
        m_pendingSize += n;
        bytes = bytes.subspan(n);
        if (m_pendingSize < kStripe) return;
        AddStripe(m_pending.data());
        m_pendingSize = 0;
    }
    while (bytes.size() >= kStripe) {
        AddStripe(bytes.data());
        bytes = bytes.subspan(kStripe);
    }
    std::memcpy(m_pending.data(), bytes.data(), bytes.size());
    m_pendingSize = bytes.size();
}

std::uint64_t ContentChecksum::Value() const {
    // A sum of the lanes, each turned its own way: a change to one lane always changes it.
    std::uint64_t value = 0;
    for (std::size_t lane = 0; lane < m_lanes.size(); ++lane) {
        value += std::rotl(m_lanes[lane], static_cast<int>(7 * lane + 1));
    }
    value = Mix(value, m_length);
    for (std::size_t k = 0; k < m_pendingSize; ++k) value = Mix(value, m_pending[k]);
    return value;
}

}  // namespace core
