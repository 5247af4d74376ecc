#pragma once
// The text style record, written through dxflib's group writer: dxflib's own
// style writer leaves the font and the big font empty and keeps the font name
// only in extended data, so a CAD program would fall back to a font without
// Chinese characters.

#include <string>

class DL_WriterA;

namespace korvel::cad {

// The name of the text style every text uses, and its fonts: a plain font
// with a big font for Chinese characters.
inline constexpr const char* kTextStyle = "Standard";
inline constexpr const char* kTextFont = "txt";
inline constexpr const char* kBigFont = "gbcbig.shx";

// Writes one STYLE record with its font and big font, owned by the style table
// dxflib's tableStyle writes (handle 3). Returns the record's handle. Without
// `handles` (a Release 12 file) the record has no handle, owner or subclass,
// and 0 is returned.
unsigned long writeTextStyle(DL_WriterA& writer, const std::string& name, const std::string& font,
                             const std::string& bigFont, bool handles = true);

// Writes the DIMSTYLE table with its one record, Standard, whose text style is
// the record `textStyle`. (dxflib's own writer names the handle of a style only
// its own style writer records; with ours it wrote whatever the memory held.)
void writeStandardDimStyle(DL_WriterA& writer, unsigned long textStyle);

}  // namespace korvel::cad
