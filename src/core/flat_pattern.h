#pragma once
// The true-size flat pattern of a fitting: the pieces a plater cuts, each with
// its closed cutting outline in millimetres, the holes cut inside it, its
// marking lines, its station labels and how many of it to cut. Pure C++: no Qt.

#include <optional>
#include <string>
#include <vector>

namespace korvel {

struct Point2 {
    double x = 0, y = 0;
    bool operator==(const Point2&) const = default;
};

// A polyline vertex. `bulge` describes the edge to the next vertex: 0 for a
// straight edge, tan(angle / 4) for a circular arc of that included angle,
// positive counter-clockwise (as DXF light-weight polylines keep arcs).
struct Vertex {
    double x = 0, y = 0;
    double bulge = 0;
    bool operator==(const Vertex&) const = default;
};

struct Polyline {
    std::vector<Vertex> vertices;
    bool closed = false;
};

enum class MarkKind { Generator, Triangulation, Bend, Seam, Quarter, CentreLine };

struct MarkLine {
    Point2 from, to;
    MarkKind kind = MarkKind::Generator;
};

// A station name ("L0", "m3", "h1", "D4") at the point it names. A label of
// a run of stations ("L0" ... "L16") has its station's number; the run is
// the text without that number.
struct StationLabel {
    Point2 at;
    std::string text;
    int station = -1;  // -1: a label of no run
    // The run's name where the text does not end in the station's number
    // (a cut named by the window's station while counted from a moved seam,
    // an angle written at each station); empty: the text less that number.
    std::string run{};
    // Written on the marking layer with the marking lines (a figure the
    // plater marks on the plate, such as a wall angle), not with the names.
    bool marking = false;
};

struct Piece {
    std::string name;  // "端节", "中节", ...
    int count = 1;     // how many of it to cut
    Polyline outline;  // closed
    // Closed outlines cut inside the outline after it (a flat ring's inner
    // circle), clockwise; none touches the outline or another hole.
    std::vector<Polyline> holes;
    std::vector<MarkLine> marks;
    std::vector<StationLabel> labels;
};

// One check shown with the pattern: what it compares, and the two numbers.
// `against` names the second number in the check's line: what the developed
// length should be ("应为"), or, for a figure shown for comparison only, what
// that figure is.
struct PatternCheck {
    std::string what;
    double expected = 0;
    double actual = 0;
    std::string against = "应为";
};

struct FlatPattern {
    std::string fitting;  // the fitting's name as the window's title has it
    std::vector<Piece> pieces;
    std::vector<PatternCheck> checks;
    // The pieces already stand where they are cut, nested in one strip of
    // plate a sheet's gap apart (an elbow's sections with alternating seams):
    // the sheet moves them together and names each on its left, instead of
    // laying them out side by side.
    bool nested = false;
};

// A fitting's pattern, or what keeps its geometry from being developed: the
// family's fault enumeration, whose None means a pattern.
template <class Fault>
struct DevelopedPattern {
    Fault fault = Fault::None;
    FlatPattern pattern;  // empty unless fault is None
};

// The circle of the arc from `a` to `b` that a's bulge describes: its centre,
// radius, the angle of `a` about the centre (radians, counter-clockwise from
// +x) and the signed angle swept to `b`. Nothing for a straight edge or two
// vertices at one point.
struct BulgeArc {
    Point2 centre;
    double radius = 0;
    double start = 0;
    double sweep = 0;
};
std::optional<BulgeArc> bulgeArc(const Vertex& a, const Vertex& b);

// Length of a polyline, arcs measured along the arc.
double polylineLength(const Polyline& line);
// Signed area enclosed by a closed polyline (counter-clockwise positive),
// arcs included.
double polylineArea(const Polyline& line);
// True when two edges of the closed polyline cross or touch other than at
// their shared vertex (straight edges; arcs are taken by their chords).
bool selfIntersects(const Polyline& line);
// The same for a piece's cut as a whole: its outline and its holes, where an
// edge of one that meets an edge of another overlaps as well.
bool selfIntersects(const Piece& piece);

// The plate a piece takes, mm²: the outline's area less its holes'.
double pieceArea(const Piece& piece);

// Every outline and hole vertex (its bulge included) and every mark's ends
// are finite numbers; labels are not looked at.
bool pieceFinite(const Piece& piece);

// The height of a pattern sheet's names and title block, mm, when its largest
// piece is `extent` mm wide or high: a hundredth of that in whole
// millimetres, so that a text reads at the zoom that shows the piece, and at
// least 2.5. Station labels are half as high.
double sheetTextHeight(double extent);

// The width a text takes, as the sheet's boxes reckon it: a Chinese character
// about as wide as the text is high, anything else about seven tenths of it.
double estimatedTextWidth(const std::string& text, double height);

// Marks the seam edge from `a` to `b`, an edge of the piece's outline (either
// way round; nothing is marked if it is none), with two seam ticks at a
// quarter and three quarters of its length: square to the edge, into the
// piece, from half the sheet's text height inside the edge to one and a half
// (sheetTextHeight of the outline's largest extent). A tick's length goes
// with the labels' size, so it reads wherever they do; it starts clear of
// the edge so that the marking pass never runs along a cut. Where the piece
// is narrower than three times that depth, the tick shrinks to stay within
// its first half.
void addSeamTicks(Piece& piece, Point2 a, Point2 b);

// The labels the sheet writes, `height` mm high: a run of station labels
// ("L0" ... "L100") keeps every k-th of its stations and its last, k the smallest of 1, 2, 5, 10, 20, 50, ... that
// leaves none of them overlapping another kept label (each reckoned as a box
// estimatedTextWidth wide and `height` high from its point). The piece's
// other labels stay, and then any station label that still overlaps a kept
// label is left out. Marks are not touched: every station keeps its line.
std::vector<StationLabel> legibleLabels(const std::vector<StationLabel>& labels, double height);

// Steel weight, kg, of a plate of `area` mm² and `thickness` mm (7.85 g/cm³).
double plateWeight(double area, double thickness);
// The same at `density`, g/cm³ (steel 7.85, aluminium 2.70).
double plateWeight(double area, double thickness, double density);

}  // namespace korvel
