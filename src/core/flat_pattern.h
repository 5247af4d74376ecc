#pragma once
// The true-size flat pattern of a fitting: the pieces a plater cuts, each with
// its closed cutting outline in millimetres, its marking lines, its station
// labels and how many of it to cut. Pure C++: no Qt.

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

// A station name ("L0", "m3", "h1", "D4") at the point it names.
struct StationLabel {
    Point2 at;
    std::string text;
};

struct Piece {
    std::string name;  // "端节", "中节", ...
    int count = 1;     // how many of it to cut
    Polyline outline;  // closed
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

// Every outline vertex (its bulge included) and every mark's ends are finite
// numbers; labels are not looked at.
bool pieceFinite(const Piece& piece);

// Steel weight, kg, of a plate of `area` mm² and `thickness` mm (7.85 g/cm³).
double plateWeight(double area, double thickness);

}  // namespace korvel
