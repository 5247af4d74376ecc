#pragma once
// The text style record, written through dxflib's group writer: dxflib's own
// style writer leaves the font and the big font empty and keeps the font name
// only in extended data, so a CAD program would fall back to a font without
// Chinese characters.

#include <string>

class DL_WriterA;

namespace korvel::cad {

// Writes one STYLE record with its font and big font, owned by the style table
// dxflib's tableStyle writes (handle 3).
void writeTextStyle(DL_WriterA& writer, const std::string& name, const std::string& font, const std::string& bigFont);

}  // namespace korvel::cad
