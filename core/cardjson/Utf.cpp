#include "core/cardjson/Utf.h"

#include <cstdint>

namespace core::cardjson {

namespace {

bool IsHigh(char32_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLow(char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

void PutUtf8(std::string& out, char32_t c) {
    const auto byte = [&out](std::uint32_t b) { out += static_cast<char>(b); };
    if (c < 0x80) {
        byte(c);
    } else if (c < 0x800) {
        byte(0xC0 | c >> 6);
        byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        byte(0xE0 | c >> 12);
        byte(0x80 | (c >> 6 & 0x3F));
        byte(0x80 | (c & 0x3F));
    } else {
        byte(0xF0 | c >> 18);
        byte(0x80 | (c >> 12 & 0x3F));
        byte(0x80 | (c >> 6 & 0x3F));
        byte(0x80 | (c & 0x3F));
    }
}

// The code point starting at text[at], moving `at` past it; none for a broken sequence.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80) return lead;
    std::size_t more = 0;
    char32_t c = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        more = 1, c = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        more = 2, c = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        more = 3, c = lead & 0x07, least = 0x10000;
    } else {
        return std::nullopt;
    }
    for (std::size_t k = 0; k < more; ++k) {
        if (at >= text.size()) return std::nullopt;
        const auto next = static_cast<unsigned char>(text[at++]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        c = c << 6 | (next & 0x3F);
    }
    if (c < least || c > 0x10FFFF || IsHigh(c) || IsLow(c)) return std::nullopt;
    return c;
}

}  // namespace

std::optional<std::string> Utf8Of(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (IsHigh(c) && i + 1 < text.size() && IsLow(text[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (IsHigh(c) || IsLow(c)) {
            return std::nullopt;
        }
        PutUtf8(out, c);
    }
    return out;
}

std::optional<std::u16string> Utf16Of(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto c = NextCodePoint(text, at);
        if (!c) return std::nullopt;
        if (*c < 0x10000) {
            out += static_cast<char16_t>(*c);
        } else {
            out += static_cast<char16_t>(0xD800 + ((*c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((*c - 0x10000) & 0x3FF));
        }
    }
    return out;
}

}  // namespace core::cardjson
