#pragma once
// Texts as a DXF file holds them: one line of printable ASCII whatever the
// user typed or pasted.

#include <string>
#include <string_view>

namespace korvel::cad {

// Longest text value written, in bytes of the file; longer texts are cut at a
// whole character.
inline constexpr std::size_t kMaxDxfTextBytes = 2000;

// A UTF-8 text as the value of a DXF text group, shown by a CAD program as the
// same characters: every character beyond ASCII as \U+XXXX (a character
// beyond the 16-bit range, or a byte that is not UTF-8, as U+FFFD); line
// breaks, tabs and other control characters as one blank each; a backslash as
// \U+005C, a caret as "^ " and a percent sign as "%%%", so that nothing the
// user typed reads as a control code or a special-character code.
std::string dxfText(std::string_view utf8, std::size_t maxBytes = kMaxDxfTextBytes);

}  // namespace korvel::cad
