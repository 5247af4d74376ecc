#include "core/fittings/transition/transition_pattern.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "core/numbers.h"

namespace korvel {
namespace {

double radians(double degrees) { return degrees * kTransitionPi / 180; }

Point2 operator+(Point2 p, Point2 q) { return {p.x + q.x, p.y + q.y}; }
Point2 operator-(Point2 p, Point2 q) { return {p.x - q.x, p.y - q.y}; }
Point2 operator*(Point2 p, double k) { return {p.x * k, p.y * k}; }
double distance(Point2 p, Point2 q) { return std::hypot(q.x - p.x, q.y - p.y); }
double cross(Point2 u, Point2 v) { return u.x * v.y - u.y * v.x; }

struct FanLine {
    double length = 0, rate = 0;
};

// The fitting in space, x east, y north, z up, millimetres: the rectangle's
// corners and the circle's centre and radius in plan, and the height between
// the two openings. Only the plan positions and H enter a true length.
struct Model {
    Point2 nw, ne, sw, se;
    Point2 centre;
    double radius = 0;
    double H = 0;

    // Point of the quarter on the east or west and the north or south side,
    // at angle theta (degrees) from its east or west point.
    Point2 circlePoint(bool east, bool north, double theta) const {
        const double dx = radius * std::cos(radians(theta)), dy = radius * std::sin(radians(theta));
        return {east ? centre.x + dx : centre.x - dx, north ? centre.y + dy : centre.y - dy};
    }
    // The corner line from the corner at `plan` to the quarter's point at
    // theta: its true length, and how fast that changes per radian of theta.
    FanLine fanLine(Point2 plan, bool east, bool north, double theta) const {
        const Point2 c = circlePoint(east, north, theta);
        const double sine = std::sin(radians(theta)), cosine = std::cos(radians(theta));
        const Point2 tangent{east ? -radius * sine : radius * sine, north ? radius * cosine : -radius * cosine};
        const Point2 plain = c - plan;
        const double length = std::sqrt(plain.x * plain.x + plain.y * plain.y + H * H);
        return {length, (plain.x * tangent.x + plain.y * tangent.y) / length};
    }
};

// Round top: the rectangle about the origin, the circle's centre ew west and
// en north of it. Rect top: the circle about the origin, the rectangle's
// centre ew west and en north of it, its east-west side a + 0.001.
Model model(const TransitionGeometry& g, bool rectTop) {
    const TransitionInputs& in = g.in;
    const double en = in.south ? -in.e : in.e;
    const Point2 rectCentre = rectTop ? Point2{-in.ew, en} : Point2{0, 0};
    const double a2 = g.exact.a / 2, b2 = in.b / 2;
    Model m;
    m.nw = rectCentre + Point2{-a2, b2};
    m.ne = rectCentre + Point2{a2, b2};
    m.sw = rectCentre + Point2{-a2, -b2};
    m.se = rectCentre + Point2{a2, -b2};
    m.centre = rectTop ? Point2{0, 0} : Point2{-in.ew, en};
    m.radius = in.D / 2;
    m.H = in.H;
    return m;
}

// A point of the developed round edge and the point halfway along the edge
// from the point before it: the three give the arc the cutting table follows.
struct EdgePoint {
    Point2 p, mid;
};

// A length laid out on the pattern and the length it stands for.
struct Measure {
    Point2 from, to;
    double stands = 0;
};

// Lays the triangles out one by one, each on the far side of an edge already
// placed, and keeps every side it lays with the length it stands for.
class Layout {
public:
    Layout(const TransitionGeometry& g, const Model& m) : g_(g), m_(m) {}

    bool failed() const { return failed_; }
    const std::vector<Measure>& measures() const { return measures_; }
    void measure(Point2 from, Point2 to, double stands) { measures_.push_back({from, to, stands}); }

    // The third vertex of the triangle on the placed edge p-q with |xp| = dp
    // and |xq| = dq, on the far side of that edge from `away`.
    Point2 apex(Point2 p, Point2 q, double dp, double dq, Point2 away) {
        const double c = distance(p, q);
        if (!(c > 0)) {
            failed_ = true;
            return p;
        }
        const double along = (dp * dp - dq * dq + c * c) / (2 * c);
        const double h2 = dp * dp - along * along;
        // Sides that close a triangle only to rounding give a flat one.
        if (!(h2 >= -1e-9 * c * c)) failed_ = true;
        const double h = std::sqrt(std::max(0.0, h2));
        const Point2 u = (q - p) * (1 / c);
        const Point2 normal{-u.y, u.x};
        const double side = cross(u, away - p) > 0 ? -1 : 1;
        const Point2 x = p + u * along + normal * (side * h);
        measure(p, x, dp);
        measure(q, x, dq);
        return x;
    }

    // One fan about its corner (developed at `corner`, in plan at `plan`,
    // reaching the quarter on the `east` and `north` sides), from station
    // `from`, placed at `start`, to station `to`; `away` is the vertex across
    // the corner line of `from`. Appends the round edge's points after
    // `start` to `edge`, returns the stations' positions by index and leaves
    // in `away` the vertex across the corner line of `to`.
    //
    // A fan is a cone with its apex at the corner: it is developed as one,
    // each point of the round edge at its corner line's true length from the
    // corner, and the corner line turning as the edge runs along the mean
    // circle (an edge element ds = (D + t)/2 dtheta turns the line by
    // sqrt(ds^2 - drho^2) / rho). So the round edge develops to the mean
    // circle's length, and the stations lie a little more than the straight
    // chord yn apart: yn cuts across the rolled plate.
    std::vector<Point2> fan(Point2 corner, Point2 plan, bool east, bool north, const std::vector<double>& lines,
                            int from, int to, Point2 start, Point2& away, std::vector<EdgePoint>& edge) {
        std::vector<Point2> stations(static_cast<size_t>(g_.quarter) + 1);
        stations[static_cast<size_t>(from)] = start;
        const int step = to > from ? 1 : -1;
        const double meanRadius = g_.in.edgeDiameter() / 2;
        const Point2 first = start - corner;
        const double firstLength = std::hypot(first.x, first.y);
        if (!(firstLength > 0)) {
            failed_ = true;
            return stations;
        }
        const Point2 u = first * (1 / firstLength);
        // Turn away from the triangle already laid on the first corner line.
        const double turn = cross(u, away - corner) > 0 ? -1 : 1;
        auto at = [&](double phi, double length) {
            const double c = std::cos(phi), s = std::sin(turn * phi);
            return corner + Point2{u.x * c - u.y * s, u.x * s + u.y * c} * length;
        };
        // The corner line's turning rate at theta (degrees), per radian of the circle.
        auto rate = [&](double theta) {
            const FanLine line = m_.fanLine(plan, east, north, theta);
            const double square = meanRadius * meanRadius - line.rate * line.rate;
            if (square < -1e-9 * meanRadius * meanRadius) failed_ = true;
            return std::sqrt(std::max(0.0, square)) / line.length;
        };
        // Five-point Gauss-Legendre over [t0, t1] degrees.
        auto turning = [&](double t0, double t1) {
            static constexpr double x[] = {0, 0.5384693101056831, -0.5384693101056831, 0.9061798459386640,
                                           -0.9061798459386640};
            static constexpr double w[] = {0.5688888888888889, 0.4786286704993665, 0.4786286704993665,
                                           0.2369268850561891, 0.2369268850561891};
            const double half = (t1 - t0) / 2, middle = (t0 + t1) / 2;
            double sum = 0;
            for (int k = 0; k < 5; ++k) sum += w[k] * rate(middle + half * x[k]);
            return sum * std::fabs(radians(half));
        };
        double phi = 0;
        for (int i = from; i != to; i += step) {
            const Point2 here = stations[static_cast<size_t>(i)];
            const int next = i + step;
            for (int j = 1; j <= kTransitionCurvePoints; ++j) {
                const double t0 = (i + step * (j - 1.0) / kTransitionCurvePoints) * g_.alpha;
                const double t1 = (i + step * double(j) / kTransitionCurvePoints) * g_.alpha;
                const double tm = (t0 + t1) / 2;
                const double phiMid = phi + turning(t0, tm);
                phi = phiMid + turning(tm, t1);
                const Point2 mid = at(phiMid, m_.fanLine(plan, east, north, tm).length);
                const double length = j == kTransitionCurvePoints ? lines[static_cast<size_t>(next)]
                                                                  : m_.fanLine(plan, east, north, t1).length;
                const Point2 p = at(phi, length);
                measure(corner, p, length);
                edge.push_back({p, mid});
            }
            stations[static_cast<size_t>(next)] = edge.back().p;
            away = here;
        }
        return stations;
    }

private:
    const TransitionGeometry& g_;
    const Model& m_;
    bool failed_ = false;
    std::vector<Measure> measures_;
};

Point2 along(Point2 p, Point2 q, double fraction) { return p + (q - p) * fraction; }

// The corner lines of one fan, stations `first` to `last`, as marks, with
// their names two thirds of the way from the corner.
void markFan(Piece& piece, Point2 corner, const std::vector<Point2>& stations, const char* letter, int first,
             int last) {
    const int q = static_cast<int>(stations.size()) - 1;
    for (int i = first; i <= last; ++i) {
        const Point2 station = stations[static_cast<size_t>(i)];
        piece.marks.push_back({corner, station, i == 0 || i == q ? MarkKind::Bend : MarkKind::Triangulation});
        piece.labels.push_back({along(corner, station, 2.0 / 3), letter + numberText(i), i});
    }
}

// A side triangle's height line from its apex to the foot on its base p-q,
// `foot` from p, marked where the foot lies on the side.
void markHeight(Piece& piece, Layout& layout, Point2 apex, Point2 p, Point2 q, double foot, double height,
                const char* name) {
    const double base = distance(p, q);
    if (foot < 0 || foot > base) return;
    const Point2 f = along(p, q, foot / base);
    layout.measure(apex, f, height);
    piece.marks.push_back({apex, f, MarkKind::Triangulation});
    piece.labels.push_back({along(apex, f, 0.5), name});
}

void flipUpDown(Piece& piece) {
    for (Vertex& v : piece.outline.vertices) v.y = -v.y, v.bulge = -v.bulge;
    for (MarkLine& mark : piece.marks) mark.from.y = -mark.from.y, mark.to.y = -mark.to.y;
    for (StationLabel& label : piece.labels) label.at.y = -label.at.y;
}

// The same closed outline run the other way: each arc now starts at the
// vertex that ended it and turns the other way.
void reverse(Polyline& line) {
    std::vector<Vertex>& v = line.vertices;
    const size_t n = v.size();
    std::vector<Vertex> turned(n);
    for (size_t k = 0; k < n; ++k) {
        const Vertex& to = v[(k + 1) % n];
        turned[n - 1 - k] = {to.x, to.y, -v[k].bulge};
    }
    v = std::move(turned);
}

// The bulge of the arc from p0 through `mid` to p1: tan of a quarter of its
// included angle, positive counter-clockwise.
double bulge(Point2 p0, Point2 mid, Point2 p1) {
    const Point2 u = p0 - mid, v = p1 - mid;
    const double inscribed = std::atan2(std::fabs(cross(u, v)), u.x * v.x + u.y * v.y);
    const double b = std::tan((std::numbers::pi - inscribed) / 2);
    return cross(p1 - p0, mid - p0) < 0 ? b : -b;
}

TransitionPatternFault checkInputs(const TransitionGeometry& g) {
    if (g.fault != TransitionFault::None) return TransitionPatternFault::Geometry;
    const TransitionInputs& in = g.in;
    if (in.n < 4 || std::fmod(in.n, 4) != 0) return TransitionPatternFault::Divisions;
    if (!(in.a > 0 && in.b > 0 && in.D > 0 && in.H > 0 && in.edgeDiameter() > 0))
        return TransitionPatternFault::Dimensions;
    return TransitionPatternFault::None;
}

// A laid-out development before its outline is made: the piece's marks and
// labels, the straight edge from the pattern's left end to its right end, the
// round edge back from the right end to the left end (mids[k] the developed
// point halfway between round[k] and round[k + 1]), both seam edges (the end
// on the straight edge first) and every fan's stations in runs of
// neighbours.
struct Laid {
    Piece piece;
    std::vector<Point2> straight, round, mids;
    std::array<std::pair<Point2, Point2>, 2> seams;
    std::vector<std::vector<Point2>> stations;
};

TransitionPattern finish(const TransitionGeometry& g, bool rectTop, const Layout& layout, Laid laid);

// One side of the development, from the south triangle out to the seam.
struct Side {
    std::vector<EdgePoint> edge;             // the round edge's points, outwards from the south triangle's apex
    std::vector<Point2> southFan, northFan;  // the fans' stations by index
    Point2 middle;                           // the side triangle's apex: station 0 of both fans
    Point2 north;                            // the north corner
    Point2 northEnd;                         // station n/4 of the northern fan
    Point2 seamFoot;                         // the seam's end on the north side
};

TransitionPattern develop(const TransitionGeometry& g, bool rectTop) {
    TransitionPattern result;
    result.fault = checkInputs(g);
    if (result.fault != TransitionPatternFault::None) return result;

    const Model m = model(g, rectTop);
    const TransitionGeometry::Exact& x = g.exact;
    const int q = g.quarter;
    const size_t qi = static_cast<size_t>(q);
    const double a = x.a, b = g.in.b;
    // The circle's axis points in plan, and where the triangles' height lines
    // meet their sides, measured from the corner the layout starts each side at.
    const Point2 north = m.centre + Point2{0, m.radius}, south = m.centre - Point2{0, m.radius};
    const Point2 east = m.centre + Point2{m.radius, 0}, west = m.centre - Point2{m.radius, 0};
    const double seamWest = north.x - m.nw.x, seamEast = m.ne.x - north.x;
    if (!(seamWest > 0 && seamEast > 0)) {
        result.fault = TransitionPatternFault::SeamOffSide;
        return result;
    }

    Layout layout(g, m);
    // The south triangle, its base on the x axis, its apex above it.
    const Point2 sw{0, 0}, se{a, 0};
    layout.measure(sw, se, a);
    const Point2 s = layout.apex(sw, se, x.sw[qi], x.se[qi], Point2{a / 2, -1});

    // West of it the south-west fan, the west triangle, the north-west fan and
    // the north triangle's west half; east of it the same, mirrored.
    const auto layOutSide = [&](bool eastward, Point2 corner, Point2 across, Point2 southPlan, Point2 northPlan,
                                const std::vector<double>& southLines, const std::vector<double>& northLines,
                                double seamHalf) {
        Side side;
        Point2 away = across;
        side.southFan = layout.fan(corner, southPlan, eastward, false, southLines, q, 0, s, away, side.edge);
        side.middle = side.southFan[0];
        side.north = layout.apex(corner, side.middle, b, northLines[0], away);
        away = corner;
        side.northFan =
            layout.fan(side.north, northPlan, eastward, true, northLines, 0, q, side.middle, away, side.edge);
        side.northEnd = side.northFan[qi];
        side.seamFoot = layout.apex(side.north, side.northEnd, seamHalf, x.h4, away);
        return side;
    };
    const Side westSide = layOutSide(false, sw, se, m.sw, m.nw, x.sw, x.nw, seamWest);
    const Side eastSide = layOutSide(true, se, sw, m.se, m.ne, x.se, x.ne, seamEast);
    const Point2 w = westSide.middle, nw = westSide.north, e = eastSide.middle, ne = eastSide.north;
    const Point2 seamFootWest = westSide.seamFoot, seamFootEast = eastSide.seamFoot;

    if (layout.failed()) {
        result.fault = TransitionPatternFault::Triangle;
        return result;
    }

    Laid laid;
    // The round edge from the east end to the west end, and each segment's
    // midpoint on the developed curve.
    for (auto it = eastSide.edge.rbegin(); it != eastSide.edge.rend(); ++it)
        laid.round.push_back(it->p), laid.mids.push_back(it->mid);
    laid.round.push_back(s);
    for (const EdgePoint& point : westSide.edge) laid.round.push_back(point.p), laid.mids.push_back(point.mid);
    laid.straight = {seamFootWest, nw, sw, se, ne, seamFootEast};
    laid.seams = {std::pair{seamFootWest, westSide.northEnd}, std::pair{seamFootEast, eastSide.northEnd}};
    laid.stations = {westSide.southFan, westSide.northFan, eastSide.southFan, eastSide.northFan};

    Piece& piece = laid.piece;
    markFan(piece, sw, westSide.southFan, "L", 0, q);
    markFan(piece, se, eastSide.southFan, "k", 0, q);
    markFan(piece, nw, westSide.northFan, "m", 0, q);
    markFan(piece, ne, eastSide.northFan, "j", 0, q);
    markHeight(piece, layout, s, sw, se, south.x - m.sw.x, x.h2, "h2");
    markHeight(piece, layout, e, se, ne, east.y - m.se.y, x.h1, "h1");
    markHeight(piece, layout, w, sw, nw, west.y - m.sw.y, x.h3, "h3");
    for (const auto& [foot, top] : laid.seams) piece.labels.push_back({along(foot, top, 0.5), "h4"});
    return finish(g, rectTop, layout, std::move(laid));
}

TransitionPattern finish(const TransitionGeometry& g, bool rectTop, const Layout& layout, Laid laid) {
    TransitionPattern result;
    Piece piece = std::move(laid.piece);
    const std::vector<Point2>&round = laid.round, &mids = laid.mids;
    piece.name = rectTop ? "天方地圆" : "天圆地方";
    piece.count = 1;
    piece.outline.closed = true;
    // The straight edge from the left end to the right end, up the right
    // seam, and the round edge back from the right end to the left end in
    // arcs, each through its two points and the developed curve's point
    // between them.
    for (Point2 p : laid.straight) piece.outline.vertices.push_back({p.x, p.y, 0});
    Polyline roundEdge;
    for (size_t k = 0; k < round.size(); ++k)
        roundEdge.vertices.push_back({round[k].x, round[k].y, k + 1 < round.size() ? bulge(round[k], mids[k], round[k + 1]) : 0});
    piece.outline.vertices.insert(piece.outline.vertices.end(), roundEdge.vertices.begin(), roundEdge.vertices.end());

    // The rect top's circle is the bottom: turned over, the pattern keeps the
    // fitting's top up.
    if (rectTop) flipUpDown(piece);
    if (polylineArea(piece.outline) < 0) reverse(piece.outline);
    if (!pieceFinite(piece)) {
        result.fault = TransitionPatternFault::Geometry;
        return result;
    }
    if (selfIntersects(piece.outline)) {
        result.fault = TransitionPatternFault::Overlaps;
        return result;
    }
    // The seam: both end edges, from the straight edge to the round one
    // (turned over with the piece for the rect top).
    for (auto [foot, top] : laid.seams) {
        if (rectTop) foot.y = -foot.y, top.y = -top.y;
        addSeamTicks(piece, foot, top);
    }

    double largest = 0;
    for (const Measure& measure : layout.measures())
        largest = std::max(largest, std::fabs(distance(measure.from, measure.to) - measure.stands));
    // The window's figures: the straight distance between neighbouring
    // stations that differs most from its chord yn.
    double chord = g.exact.yn;
    for (const std::vector<Point2>& stations : laid.stations)
        for (size_t i = 1; i < stations.size(); ++i) {
            const double d = distance(stations[i - 1], stations[i]);
            if (std::fabs(d - g.exact.yn) > std::fabs(chord - g.exact.yn)) chord = d;
        }
    // On a surface: the round edge between neighbouring stations, along its
    // arcs, that differs most from the surface circle's arc pi D / N between
    // them (kTransitionCurvePoints arcs to a division).
    const double division = std::numbers::pi * g.in.D / g.in.n;
    double spacing = division;
    for (size_t k = 0; k + kTransitionCurvePoints < roundEdge.vertices.size(); k += kTransitionCurvePoints) {
        Polyline run{{roundEdge.vertices.begin() + static_cast<std::ptrdiff_t>(k),
                      roundEdge.vertices.begin() + static_cast<std::ptrdiff_t>(k + kTransitionCurvePoints + 1)},
                     false};
        run.vertices.back().bulge = 0;
        const double d = polylineLength(run);
        if (std::fabs(d - division) > std::fabs(spacing - division)) spacing = d;
    }
    double straightEdge = 0;
    for (size_t k = 1; k < laid.straight.size(); ++k) straightEdge += distance(laid.straight[k - 1], laid.straight[k]);

    FlatPattern& pattern = result.pattern;
    pattern.fitting = rectTop ? "矩方形天方地圆" : "矩方形天圆地方";
    pattern.pieces.push_back(std::move(piece));
    pattern.checks.push_back({"三角形各边与实长最大差", 0, largest});
    const bool onSurface = g.in.onSurface;
    pattern.checks.push_back({onSurface ? "圆口展开长度 / πD" : "圆口展开长度 / π(D+t)",
                              std::numbers::pi * g.in.edgeDiameter(), polylineLength(roundEdge)});
    pattern.checks.push_back({"矩方口直边总长 / 2(a+b)", 2 * g.in.a + 2 * g.in.b, straightEdge});
    if (onSurface)
        pattern.checks.push_back({"展开后相邻等分点间圆口弧长 / πD/N", division, spacing});
    else
        pattern.checks.push_back({"展开后相邻等分点直线距离", g.exact.yn, chord, "弦长yn为"});
    return result;
}

// The fitting's corners and sides as a walk round it meets them,
// anticlockwise seen from above: the east side, the north-east fan, the north
// side, the north-west fan, the west side, the south-west fan, the south side
// and the south-east fan. Seen from outside with the round edge up the walk
// runs left to right, as the preset's pattern does.
struct CornerFan {
    Point2 plan;
    bool east, north;
    const std::vector<double>* lines;  // the listing's corner lines, unrounded
    const char* letter;
    int from, to;  // the fan's stations in the walk's order
};
struct SideTriangle {
    size_t start, end;  // its corners in the walk's order, as indices into the fans
    Point2 apex;        // the circle's axis point it reaches, in plan
    int station;        // the apex's station in both corners' fans
    double length, height;
    const char* name;
};
struct Faces {
    std::array<CornerFan, 4> fans;      // north-east, north-west, south-west, south-east
    std::array<SideTriangle, 4> sides;  // east, north, west, south

    // How far from its start corner a side's height line meets it, mm.
    double foot(const SideTriangle& side) const {
        const Point2 from = fans[side.start].plan, to = fans[side.end].plan;
        const Point2 d = to - from, u = side.apex - from;
        return (u.x * d.x + u.y * d.y) / distance(from, to);
    }
};

Faces faces(const TransitionGeometry& g, const Model& m) {
    const TransitionGeometry::Exact& x = g.exact;
    const int q = g.quarter;
    const double r = m.radius;
    return {{{{m.ne, true, true, &x.ne, "j", 0, q},
              {m.nw, false, true, &x.nw, "m", q, 0},
              {m.sw, false, false, &x.sw, "L", 0, q},
              {m.se, true, false, &x.se, "k", q, 0}}},
            {{{3, 0, m.centre + Point2{r, 0}, 0, g.in.b, x.h1, "h1"},
              {0, 1, m.centre + Point2{0, r}, q, x.a, x.h4, "h4"},
              {1, 2, m.centre - Point2{r, 0}, 0, g.in.b, x.h3, "h3"},
              {2, 3, m.centre - Point2{0, r}, q, x.a, x.h2, "h2"}}}};
}

// The walk's element the seam lies in: 2k for side k of Faces::sides, 2k + 1
// for fan k of Faces::fans.
int seamElement(TransitionSeam seam) {
    static constexpr int elements[] = {0, 6, 4, 2, 3, 1, 5, 7};  // side1 ... side4, corner1 ... corner4
    return elements[static_cast<int>(seam)];
}

// Walks once round the fitting from the seam, its first edge laid from the
// origin along the unit vector `up`, every later part on the far side of the
// edge laid before it.
Laid walkRound(const TransitionGeometry& g, const Faces& f, TransitionSeam seam, Point2 up, Layout& layout) {
    Laid laid;
    Piece& piece = laid.piece;
    const int first = seamElement(seam);
    std::vector<EdgePoint> edge;
    Point2 corner{0, 0}, station;
    Point2 away{-up.y, up.x};  // left of the first edge: the walk turns right
    laid.straight.push_back(corner);

    // A fan from station `from` to `to` about the corner reached last; the
    // seam's corner line, a cut edge, is not marked.
    const auto layFan = [&](const CornerFan& fan, int from, int to, int seamAt) {
        const std::vector<Point2> stations =
            layout.fan(corner, fan.plan, fan.east, fan.north, *fan.lines, from, to, station, away, edge);
        station = stations[static_cast<size_t>(to)];
        int low = std::min(from, to), high = std::max(from, to);
        laid.stations.emplace_back(stations.begin() + low, stations.begin() + high + 1);
        if (seamAt == low) ++low;
        if (seamAt == high) --high;
        markFan(piece, corner, stations, fan.letter, low, high);
    };
    // A side triangle, or the part of it from the corner reached last to the
    // height's foot `length` along the side.
    const auto layTriangle = [&](const SideTriangle& side, double length, double line, bool whole) {
        const Point2 next = layout.apex(corner, station, length, line, away);
        if (whole) markHeight(piece, layout, station, corner, next, f.foot(side), side.height, side.name);
        away = corner;
        corner = next;
        laid.straight.push_back(next);
    };
    // The corner line from a side's end corner to its apex.
    const auto endLine = [&](const SideTriangle& side) {
        return (*f.fans[side.end].lines)[static_cast<size_t>(side.station)];
    };

    const size_t at = static_cast<size_t>(first / 2);
    const int middle = g.quarter / 2;
    std::string name;
    if (first % 2 == 0) {
        const SideTriangle& side = f.sides[at];
        station = up * side.height;
        laid.seams[0] = {corner, station};
        layTriangle(side, side.length - f.foot(side), endLine(side), false);
        name = side.name;
    } else {
        const CornerFan& fan = f.fans[at];
        station = up * (*fan.lines)[static_cast<size_t>(middle)];
        laid.seams[0] = {corner, station};
        layFan(fan, middle, fan.to, middle);
        name = fan.letter + numberText(middle);
    }
    const Point2 start = laid.seams[0].second;
    for (int k = first + 1; k < first + 8; ++k) {
        const size_t i = static_cast<size_t>(k % 8 / 2);
        if (k % 2 == 1) layFan(f.fans[i], f.fans[i].from, f.fans[i].to, -1);
        else layTriangle(f.sides[i], f.sides[i].length, endLine(f.sides[i]), true);
    }
    if (first % 2 == 0) {
        const SideTriangle& side = f.sides[at];
        const Point2 foot = layout.apex(corner, station, f.foot(side), side.height, away);
        laid.straight.push_back(foot);
        laid.seams[1] = {foot, station};
    } else {
        const CornerFan& fan = f.fans[at];
        layFan(fan, fan.from, middle, middle);
        laid.seams[1] = {corner, station};
    }
    for (const auto& [foot, top] : laid.seams) piece.labels.push_back({along(foot, top, 0.5), name});

    // The round edge back from the walk's end to its start.
    for (auto it = edge.rbegin(); it != edge.rend(); ++it) laid.round.push_back(it->p), laid.mids.push_back(it->mid);
    laid.round.push_back(start);
    return laid;
}

TransitionPattern developFrom(const TransitionGeometry& g, bool rectTop, TransitionSeam seam) {
    TransitionPattern result;
    result.fault = checkInputs(g);
    if (result.fault != TransitionPatternFault::None) return result;
    const Model m = model(g, rectTop);
    const Faces f = faces(g, m);
    if (seamElement(seam) % 2 == 0) {
        const SideTriangle& side = f.sides[static_cast<size_t>(seamElement(seam) / 2)];
        const double foot = f.foot(side);
        if (!(foot > 0 && side.length - foot > 0)) {
            result.fault = TransitionPatternFault::SeamOffSide;
            return result;
        }
    }
    // Laid once with the seam straight up, then again with it turned so that
    // the round edge's points lie, on the mean, straight above the straight
    // edge's.
    Layout trial(g, m);
    const Laid first = walkRound(g, f, seam, {0, 1}, trial);
    Point2 rise{0, 0};
    for (Point2 p : first.round) rise = rise + p * (1.0 / double(first.round.size()));
    for (Point2 p : first.straight) rise = rise - p * (1.0 / double(first.straight.size()));
    const double riseLength = std::hypot(rise.x, rise.y);
    Layout layout(g, m);
    Laid laid =
        walkRound(g, f, seam, riseLength > 0 ? Point2{-rise.x, rise.y} * (1 / riseLength) : Point2{0, 1}, layout);
    if (trial.failed() || layout.failed()) {
        result.fault = TransitionPatternFault::Triangle;
        return result;
    }
    return finish(g, rectTop, layout, std::move(laid));
}

}  // namespace

// The sides and corners as the window's listing numbers them (h1 east, h2
// south, h3 west, h4 north; m north-west, j north-east, L south-west, k
// south-east), in TransitionSeam's order.
const char* const kSeamSides[] = {"东边", "南边", "西边", "北边"};

const std::vector<SeamPlace>& transitionSeamPlaces() {
    static const std::vector<SeamPlace> places{
        {"side4", "北边中线（北边三角面实高 h4，原位置）"}, {"side1", "东边中线（东边三角面实高 h1）"},
        {"side2", "南边中线（南边三角面实高 h2）"},         {"side3", "西边中线（西边三角面实高 h3）"},
        {"corner1", "西北角（西北角实线 m 居中的一根）"},   {"corner2", "东北角（东北角实线 j 居中的一根）"},
        {"corner3", "西南角（西南角实线 L 居中的一根）"},   {"corner4", "东南角（东南角实线 k 居中的一根）"},
    };
    return places;
}

TransitionSeam transitionSeam(const std::optional<std::string>& keyword) {
    static const char* const keywords[] = {"side1",   "side2",   "side3",   "side4",
                                           "corner1", "corner2", "corner3", "corner4"};
    for (int i = 0; i < 8; ++i)
        if (keyword == keywords[i]) return static_cast<TransitionSeam>(i);
    return TransitionSeam::Side4;
}

TransitionPattern roundTopPattern(const TransitionGeometry& g, TransitionSeam seam) {
    return seam == TransitionSeam::Side4 ? develop(g, false) : developFrom(g, false, seam);
}
TransitionPattern rectTopPattern(const TransitionGeometry& g, TransitionSeam seam) {
    return seam == TransitionSeam::Side4 ? develop(g, true) : developFrom(g, true, seam);
}

std::string transitionPatternMessage(TransitionPatternFault fault, TransitionSeam seam) {
    switch (fault) {
        case TransitionPatternFault::None:
            return "";
        case TransitionPatternFault::Geometry:
            return "输入的数据无法计算，不能生成展开图！";
        case TransitionPatternFault::Divisions:
            return "展开图的等份数必须是4的整数倍！";
        case TransitionPatternFault::Dimensions:
            return "展开图需要大于0的边长、直径和垂直高！";
        case TransitionPatternFault::Triangle:
            return "有三角形不能由它的三边作出，不能生成展开图！";
        case TransitionPatternFault::SeamOffSide:
            return std::string(seam <= TransitionSeam::Side4 ? kSeamSides[static_cast<int>(seam)] : "") +
                   "三角面的高线落在矩方口边线以外，无法沿高线分缝！";
        case TransitionPatternFault::Overlaps:
            return "展开图自身重叠，不能整张板下料！";
    }
    return "";
}

}  // namespace korvel
