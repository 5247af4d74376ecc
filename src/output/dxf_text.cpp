#include "output/dxf_text.h"

#include <cstdint>
#include <cstdio>

namespace korvel::cad {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The next code point of `s` from `i`, advancing `i`; kReplacement for a byte
// that does not start a well-formed sequence (which is then skipped alone).
char32_t nextCodePoint(std::string_view s, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(s[k]); };
    const std::uint8_t b0 = byte(i);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int length = 0;
    char32_t cp = 0;
    char32_t least = 0;
    if ((b0 & 0xE0) == 0xC0) {
        length = 2, cp = b0 & 0x1F, least = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3, cp = b0 & 0x0F, least = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4, cp = b0 & 0x07, least = 0x10000;
    } else {
        ++i;
        return kReplacement;
    }
    if (i + length > s.size()) {
        ++i;
        return kReplacement;
    }
    for (int k = 1; k < length; ++k) {
        const std::uint8_t b = byte(i + k);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return kReplacement;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return kReplacement;
    }
    i += length;
    return cp;
}

bool isControl(char32_t cp) {
    return cp < 0x20 || (cp >= 0x7F && cp < 0xA0) || cp == 0x2028 || cp == 0x2029;
}

std::string escaped(char32_t cp) {
    if (cp > 0xFFFF) cp = kReplacement;
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\U+%04X", static_cast<unsigned>(cp));
    return buffer;
}

std::string piece(char32_t cp) {
    if (isControl(cp)) return " ";
    switch (cp) {
        case '%':
            return "%%%";
        case '^':
            return "^ ";
        case '\\':
            return escaped(cp);
        default:
            break;
    }
    if (cp < 0x80) return std::string(1, static_cast<char>(cp));
    return escaped(cp);
}

}  // namespace

std::string dxfText(std::string_view utf8, std::size_t maxBytes) {
    std::string out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::string next = piece(nextCodePoint(utf8, i));
        if (out.size() + next.size() > maxBytes) break;
        out += next;
    }
    return out;
}

}  // namespace korvel::cad
