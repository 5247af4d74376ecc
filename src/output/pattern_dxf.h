#pragma once
// A fitting's true-size flat pattern as a DXF file for the cutting table:
// AutoCAD 2000, millimetres ($INSUNITS 4), three layers:
//   CUT   each piece's closed cutting outline, one light-weight polyline with
//         its arcs as bulges (never a spline);
//   MARK  the marking lines, coloured by kind (see markColour);
//   TEXT  the station labels, each piece's name and count above it, and the
//         title block below the pieces: the fitting, every input as typed, the
//         rounding, the surface the pattern is developed on, the pieces to
//         cut, the pattern's checks and each piece's area and weight.
// The pieces stand side by side, left to right in the pattern's order, their
// boxes (outline, marks, labels and name) a gap apart on the base line y = 0;
// the title block starts below it at x = 0. Texts go through dxfText, so any
// character the user typed reads back as typed.

#include <string>
#include <vector>

#include "core/flat_pattern.h"
#include "core/window_design.h"

namespace korvel::cad {

inline constexpr const char* kCutLayer = "CUT";
inline constexpr const char* kMarkLayer = "MARK";
inline constexpr const char* kTextLayer = "TEXT";

struct Box {
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    double width() const { return maxX - minX; }
    double height() const { return maxY - minY; }
    // True when the two boxes share more than an edge.
    bool overlaps(const Box& other) const;
};

struct SheetText {
    std::string text;  // UTF-8, as it reads
    Point2 at;         // left end of the base line
    double height = 0;
};

// The drawing as it goes into the file, millimetres.
struct PatternSheet {
    std::vector<Polyline> outlines;  // CUT, the pieces' outlines moved into place
    std::vector<MarkLine> marks;     // MARK
    std::vector<SheetText> texts;    // TEXT, labels and names first, then the title block
    std::vector<Box> pieces;         // each piece's box with its labels and name, in place
    Box extents;                     // everything
    double textHeight = 0;           // of the names and the title block
};

// The CAD colour a marking line of this kind is drawn in: generators green,
// triangulation lines cyan, bends red, seams magenta, quarter lines blue, the
// centre line orange.
int markColour(MarkKind kind);

// The title block's lines, top to bottom. `e` must not be rejected.
std::vector<std::string> titleBlockLines(const PatternExport& e);

// Lays the pieces out and sets the title block under them. `e` must not be
// rejected.
PatternSheet layOutPattern(const PatternExport& e);

// Writes the sheet of `e` to `path` through a temporary file renamed into
// place (saveDxfFile): throws SaveError and leaves `path` as it was on
// failure. `e` must not be rejected.
void savePatternDxf(const PatternExport& e, const std::string& path);

// What the windows say when the pattern could not be saved at `path`.
std::string patternSaveFailureText(const std::string& path, int code, const std::string& error);

}  // namespace korvel::cad
