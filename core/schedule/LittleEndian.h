#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Little-endian reads and writes of fixed-size fields, byte by byte, so the stored form is the
// same whatever the compiler or the machine.
namespace core::le {

inline void Put16(std::span<std::uint8_t> out, std::size_t at, std::uint16_t value) {
    out[at] = static_cast<std::uint8_t>(value);
    out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void Put32(std::span<std::uint8_t> out, std::size_t at, std::uint32_t value) {
    Put16(out, at, static_cast<std::uint16_t>(value));
    Put16(out, at + 2, static_cast<std::uint16_t>(value >> 16));
}

inline std::uint16_t Get16(std::span<const std::uint8_t> in, std::size_t at) {
    return static_cast<std::uint16_t>(in[at] | (in[at + 1] << 8));
}

inline std::uint32_t Get32(std::span<const std::uint8_t> in, std::size_t at) {
    return Get16(in, at) | (static_cast<std::uint32_t>(Get16(in, at + 2)) << 16);
}

}  // namespace core::le
