#include "core/check/FolderNames.h"

namespace core {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The small letter for a capital one in the scripts music names use besides Chinese; other
// characters stay as they are.
char32_t Fold(char32_t c) {
    const auto in = [c](char32_t first, char32_t last) { return c >= first && c <= last; };
    if (in(U'A', U'Z') || (in(0xC0, 0xDE) && c != 0xD7)) return c + 0x20;  // ASCII, Latin-1
    if (in(0x391, 0x3AB) && c != 0x3A2) return c + 0x20;                   // Greek
    if (in(0x410, 0x42F)) return c + 0x20;                                 // Cyrillic
    if (in(0x400, 0x40F)) return c + 0x50;
    if (in(0xFF21, 0xFF3A)) return c + 0x20;  // full-width Latin
    return c;
}

// UTF-8 as the file system lists names; a broken sequence reads as U+FFFD.
std::u32string FoldUtf8(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x6  ? 2
                                   : (lead >> 4) == 0xE  ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        if (length == 0 || i + length > text.size()) {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        bool whole = true;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            whole = whole && (next & 0xC0) == 0x80;
            c = c << 6 | (next & 0x3F);
        }
        out.push_back(whole ? Fold(c) : kReplacement);
        i += whole ? length : 1;
    }
    return out;
}

// UTF-16 as a music entry holds the name; a lone surrogate stays a code point of its own.
std::u32string FoldUtf16(std::u16string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t unit = text[i];
        const bool pair = unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                          text[i + 1] <= 0xDFFF;
        if (!pair) {
            out.push_back(Fold(unit));
            continue;
        }
        out.push_back(0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00));
        ++i;
    }
    return out;
}

}  // namespace

FolderNames::FolderNames(std::span<const std::string> names) {
    for (const std::string& name : names) Add(name);
}

void FolderNames::Add(std::string_view name) { m_folded.insert(FoldUtf8(name)); }

bool FolderNames::Contains(std::u16string_view name) const { return m_folded.count(FoldUtf16(name)) != 0; }

}  // namespace core
