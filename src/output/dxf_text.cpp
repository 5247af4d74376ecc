#include "output/dxf_text.h"

#include <cstdio>

#include "output/typed_text.h"

namespace korvel::cad {
namespace {

// How readers take a TEXT value, tried on R2000 files as these writers make
// them (LibreCAD 2.2 drawing it, ezdxf 0.18's plain_text):
// - LibreCAD decodes \U+XXXX as it reads the file and only then looks for
//   codes: %%c, %%d, %%p (either case) become Ø, °, ±, "^I" a tab and "\P" a
//   line break, whether the file held them as such or as \U+XXXX; "%%%",
//   "^ ", "^J", %%u, %%k, %%o and %%nnn stay as they are, letter for letter;
// - ezdxf keeps \U+XXXX as it is until the caller decodes it and reads codes
//   in what is left: %%c, %%d, %%p as symbols, %%k, %%o, %%u dropped, "^X" a
//   control character and "^ " a caret, but "%%%" stays "%%%" (only at the
//   very end of a text does it read as one "%").
// So the old "%%%" for a percent sign showed three of them in both, and "^ "
// for a caret a caret and a blank in LibreCAD. \U+0025 and \U+005E read as
// "%" and "^" in both and never as part of a code in ezdxf; in LibreCAD a
// typed "%%c", "^I" or "\P" still reads as its code, and no bytes keep it
// from that.
std::string piece(char32_t c) {
    if (c >= 0x20 && c < 0x7F && c != '%' && c != '^' && c != '\\') return std::string(1, static_cast<char>(c));
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "\\U+%04X", static_cast<unsigned>(c));
    return buffer;
}

// `shown` (valid UTF-8, nothing hidden, nothing beyond 16 bits) as the file holds it.
std::string escaped(std::string_view shown) {
    std::string out;
    out.reserve(shown.size());
    std::size_t i = 0;
    while (i < shown.size()) out += piece(nextCodePoint(shown, i));
    return out;
}

}  // namespace

bool dxfCanShow(char32_t c) { return c <= 0xFFFF; }

std::string dxfText(std::string_view utf8, std::size_t maxBytes) {
    const std::string shown = shownText(utf8, dxfCanShow);
    std::string out = escaped(shown);
    if (out.size() <= maxBytes) return out;
    out = escaped(fittedTyped("", shown, "", [&](const std::string& s) { return escaped(s).size() <= maxBytes; }));
    return out.size() <= maxBytes ? out : std::string();
}

}  // namespace korvel::cad
