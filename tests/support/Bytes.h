#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

// Byte helpers for writing expected file contents by hand, independent of the code under test.
// Shared by the core tests and the page tests.
namespace testbytes {

using Bytes = std::vector<std::uint8_t>;

// "3E 00 0A" -> {0x3E, 0x00, 0x0A}; spaces are ignored.
Bytes Hex(std::string_view text);
// `count` zero bytes.
Bytes Zeros(std::size_t count);
// The pieces one after the other.
Bytes Concat(std::initializer_list<Bytes> pieces);
std::uint16_t Get16(const Bytes& bytes, std::size_t at);
std::uint32_t Get32(const Bytes& bytes, std::size_t at);
void Put16(Bytes& bytes, std::size_t at, std::uint16_t value);
void Put32(Bytes& bytes, std::size_t at, std::uint32_t value);

}  // namespace testbytes
