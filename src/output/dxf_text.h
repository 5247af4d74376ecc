#pragma once
// Texts as a DXF file holds them: one line of printable ASCII whatever the
// user typed or pasted.

#include <string>
#include <string_view>

namespace korvel::cad {

// Longest text value written, in bytes of the file; longer texts are cut at a
// whole character and end in "…".
inline constexpr std::size_t kMaxDxfTextBytes = 2000;

// True for a character a DXF text can hold: \U+XXXX reaches only the 16-bit
// range.
bool dxfCanShow(char32_t c);

// A UTF-8 text as the value of a DXF text group, shown by a CAD program as the
// same characters: what shownText (typed_text.h) leaves of it with dxfCanShow,
// so a byte that is not UTF-8, a control, format or other hidden character
// and a character beyond the 16-bit range each as one "□"; every character
// beyond ASCII, and the percent sign, caret and backslash, as \U+XXXX, so
// that nothing the user typed reads as a control code or a special-character
// code (see dxf_text.cpp for how the readers take them).
std::string dxfText(std::string_view utf8, std::size_t maxBytes = kMaxDxfTextBytes);

}  // namespace korvel::cad
