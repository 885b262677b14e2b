#pragma once

#include <cstdint>
#include <span>

namespace core {

// What a page remembers of the timer it shows, so that a later replace or delete can tell
// whether the file still holds that timer at that index: FNV-1a 64 of the timer's stored bytes
// (record and music entries, as the index names them in the file) and their count. The offset
// is left out on purpose: a timer that only moved is still the same timer.
struct TimerFingerprint {
    std::uint64_t hash = 0;
    std::uint32_t size = 0;

    bool operator==(const TimerFingerprint&) const = default;
};

// Builds a fingerprint from the timer's bytes fed in order, in pieces of any size.
class FingerprintBuilder {
public:
    void Add(std::span<const std::uint8_t> bytes) {
        for (const std::uint8_t b : bytes) m_hash = (m_hash ^ b) * kPrime;
        m_size += static_cast<std::uint32_t>(bytes.size());
    }
    TimerFingerprint Finish() const { return {m_hash, m_size}; }

private:
    static constexpr std::uint64_t kOffsetBasis = 14695981039346656037ull;
    static constexpr std::uint64_t kPrime = 1099511628211ull;
    std::uint64_t m_hash = kOffsetBasis;
    std::uint32_t m_size = 0;
};

inline TimerFingerprint FingerprintOf(std::span<const std::uint8_t> stored) {
    FingerprintBuilder builder;
    builder.Add(stored);
    return builder.Finish();
}

}  // namespace core
