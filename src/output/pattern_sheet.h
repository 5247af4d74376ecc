#pragma once
// A fitting's true-size flat pattern laid out on one sheet, millimetres, as
// both the DXF file and the printed template show it: the pieces side by
// side, left to right in the pattern's order, their boxes (outline, marks,
// labels and name) a gap apart on the base line y = 0, and the title block
// below it from x = 0: the fitting, every input as typed, the rounding, the
// surface the pattern is developed on (on any surface but the sizes as typed
// with the diameters it used and, where they differ from the window's
// listing, the station table to mark, long lines cut after a comma), the
// pieces to cut, the pattern's checks, each piece's area and weight and the
// marking lines' legend.

#include <string>
#include <vector>

#include "core/flat_pattern.h"
#include "core/window_design.h"
#include "output/typed_text.h"

namespace korvel::cad {

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
    bool marking = false;  // on the marking layer (StationLabel::marking)
};

// The drawing as it goes into the file, millimetres.
struct PatternSheet {
    std::vector<Polyline> outlines;  // the pieces' outlines moved into place, each followed by its holes
    std::vector<MarkLine> marks;
    std::vector<SheetText> texts;    // labels and names first, then the title block
    size_t pieceTexts = 0;           // texts before the title block
    std::vector<Box> pieces;         // each piece's box with its labels and name, in place
    Box extents;                     // everything
    double textHeight = 0;           // of the names and the title block
};

// How the marking lines of one kind are drawn and named.
struct MarkStyle {
    MarkKind kind;
    int cadColour;                   // CAD colour number
    unsigned char red, green, blue;  // on paper
    const char* legend;              // in the title block: "绿色 素线"
};
// Generators green, triangulation lines cyan, bends red, seams magenta,
// quarter lines blue, the centre line orange.
const MarkStyle& markStyle(MarkKind kind);

// The width a text takes, as the boxes reckon it (the core's reckoning, by
// which the station labels are thinned as well).
using korvel::estimatedTextWidth;

// The points of `arc` strictly between its ends, `steps` equal steps apart.
std::vector<Point2> pointsWithin(const BulgeArc& arc, int steps);

// How the typed values in a title block are fitted to one file: each through
// shownText with `canShow`, and cut with "…" where the line does not `fit`
// (typed_text.h). Only typed values change; the program's own text is kept.
struct TitleFit {
    CanShow canShow;
    LineFits fits;
};

// A title block line in the DXF file holds at most this many characters.
inline constexpr std::size_t kTitleLineChars = 100;
// The DXF file's: every 16-bit character, lines of kTitleLineChars.
TitleFit dxfTitleFit();

// One line of the title block: the program's own text, and between `before`
// and `after` what the user typed, as typed (empty in a line of the program's
// alone).
struct TitleLine {
    std::string before, typed, after;
};

// The title block, top to bottom. `e` must not be rejected.
std::vector<TitleLine> titleBlock(const PatternExport& e);
// The line as `fit` shows it.
std::string fittedLine(const TitleLine& line, const TitleFit& fit);
// The title block's lines as `fit` shows them.
std::vector<std::string> titleBlockLines(const PatternExport& e, const TitleFit& fit = dxfTitleFit());

// Lays the pieces out and sets the title block under them. `e` must not be
// rejected.
PatternSheet layOutPattern(const PatternExport& e);

// The box round the pieces (outlines, marks, labels, names), without the title block.
Box piecesBox(const PatternSheet& sheet);
// The box round the cutting outlines alone, arcs included.
Box outlinesBox(const PatternSheet& sheet);

}  // namespace korvel::cad
