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
// The style of every text with a character beyond ASCII. A CAD reader that
// draws texts from line fonts of its own looks the font up by the style's
// name; its stock fonts lack many simplified characters, so the name is that
// of the line font built with the program (korvel.lff). Other readers take
// the same fonts as Standard.
inline constexpr const char* kWideTextStyle = "korvel";

// The style a text is written in: kWideTextStyle when the text (UTF-8, as
// typed, before any escaping) has a character beyond ASCII, else kTextStyle.
const char* textStyleFor(const std::string& text);

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
