#include "tests/support/Bytes.h"

#include <stdexcept>
#include <string>

namespace testbytes {

namespace {

int Nibble(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    throw std::invalid_argument(std::string("not a hex digit: ") + c);
}

}  // namespace

Bytes Hex(std::string_view text) {
    Bytes bytes;
    int high = -1;
    for (char c : text) {
        if (c == ' ' || c == '\n') continue;
        const int n = Nibble(c);
        if (high < 0) {
            high = n;
        } else {
            bytes.push_back(static_cast<std::uint8_t>(high * 16 + n));
            high = -1;
        }
    }
    if (high >= 0) throw std::invalid_argument("odd number of hex digits");
    return bytes;
}

Bytes Zeros(std::size_t count) { return Bytes(count, 0); }

Bytes Concat(std::initializer_list<Bytes> pieces) {
    Bytes all;
    for (const Bytes& piece : pieces) all.insert(all.end(), piece.begin(), piece.end());
    return all;
}

std::uint16_t Get16(const Bytes& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes.at(at) | bytes.at(at + 1) << 8);
}

std::uint32_t Get32(const Bytes& bytes, std::size_t at) {
    return Get16(bytes, at) | static_cast<std::uint32_t>(Get16(bytes, at + 2)) << 16;
}

void Put16(Bytes& bytes, std::size_t at, std::uint16_t value) {
    bytes.at(at) = static_cast<std::uint8_t>(value);
    bytes.at(at + 1) = static_cast<std::uint8_t>(value >> 8);
}

void Put32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    Put16(bytes, at, static_cast<std::uint16_t>(value));
    Put16(bytes, at + 2, static_cast<std::uint16_t>(value >> 16));
}

}  // namespace testbytes
