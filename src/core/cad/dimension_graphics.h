#pragma once
// What a rotated linear dimension shows, worked out from its points and its
// dimension variables: extension lines, dimension line, arrowheads and the
// measured value as text. A CAD program keeps these in the dimension's own
// anonymous block; the DXF back end writes them there.

#include <string>
#include <vector>

#include "core/cad/cad.h"
#include "core/cad/dim_variables.h"

namespace korvel::cad {

struct RotatedDimension {
    Point extLine1, extLine2, dimLineLocation;
    double rotation = 0;  // radians
};

struct DimLine {
    Point start, end;
    int colour = kColourByBlock;
};
// A filled triangle: the tip on the extension line, the two back corners.
struct DimArrow {
    Point tip, back1, back2;
    int colour = kColourByBlock;
};
// Single-line text, centred on `middle`.
struct DimText {
    std::string text;  // UTF-8
    Point middle;
    double height = 0;
    double rotation = 0;  // radians
    int colour = kColourByBlock;
};

struct DimensionGraphics {
    double measurement = 0;  // distance between the extension points along the rotation
    Point definitionPoint;   // where the second extension line meets the dimension line
    std::vector<DimLine> lines;
    std::vector<DimArrow> arrows;
    DimText text;
};

// Extension lines (unless DIMSE1/DIMSE2) run from DIMEXO off the extension
// point to DIMEXE past the dimension line; each half of the dimension line
// (unless DIMSD1/DIMSD2) carries a DIMASZ arrowhead at its end; the text,
// DIMTXT high in colour DIMCLRT, stands at the middle of the dimension line,
// along it (DIMTIH 0, turned to read from the bottom or the left) or level
// (DIMTIH 1), DIMGAP above it (DIMTAD 1) or centred on it with the line broken
// (DIMTAD 0). Sizes are multiplied by DIMSCALE.
DimensionGraphics dimensionGraphics(const RotatedDimension& dimension, const DimSettings& settings);

// The value as a dimension writes it: DIMDEC decimals, halves to even,
// trailing zeros dropped when DIMZIN has 8, decimal separator DIMDSEP, then
// DIMPOST in place of its "<>" or appended when it has none.
std::string measurementText(double value, const DimSettings& settings);

// About how wide a single line of text of that height is: full-width
// characters one height, others six tenths of it.
double approximateTextWidth(const std::string& utf8, double height);

}  // namespace korvel::cad
