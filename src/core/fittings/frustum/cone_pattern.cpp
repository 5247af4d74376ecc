#include "core/fittings/frustum/cone_pattern.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace korvel {
namespace {

constexpr double kPi = std::numbers::pi;

// The sector about its apex: radians, measured at the apex from the direction
// pointing right, so the centre line points at pi and the seam at 0.
struct Sector {
    Point2 apex;
    double start = 0;  // the upper seam edge's angle, pi - theta / 2
    double sweep = 0;  // theta in radians

    Point2 at(double radius, double angle) const {
        return {apex.x + radius * std::cos(angle), apex.y + radius * std::sin(angle)};
    }
    // Where the sector starts at `radius`: at the seam edge, or where it comes
    // within half the seam gap of the seam line if that is further round.
    double startAt(double radius) const {
        const double gap = std::asin(std::min(1.0, kConeSeamGap / 2 / radius));
        return std::max(start, gap);
    }
    // The centre line's point at `radius`, exactly on the horizontal.
    Point2 onCentreLine(double radius) const { return {apex.x - radius, apex.y}; }
    double endAt(double radius) const { return 2 * kPi - startAt(radius); }
    // Quarter k (0 ... 4) of the arc at `radius`: its ends and the split points.
    double quarter(double radius, int k) const {
        if (k == 0) return startAt(radius);
        if (k == 4) return endAt(radius);
        return start + k * sweep / 4;
    }
};

Point2 midpoint(Point2 p, Point2 q) { return {(p.x + q.x) / 2, (p.y + q.y) / 2}; }
double distance(Point2 p, Point2 q) { return std::hypot(q.x - p.x, q.y - p.y); }
Point2 point(const Vertex& v) { return {v.x, v.y}; }

// The arc at `radius` as 5 vertices in 4 bulged edges, counter-clockwise
// (from the upper seam end round to the lower one) or clockwise.
std::array<Vertex, 5> arc(const Sector& s, double radius, bool counterClockwise) {
    std::array<Vertex, 5> v;
    for (int k = 0; k <= 4; ++k) {
        const int q = counterClockwise ? k : 4 - k;
        const Point2 p = q == 2 ? s.onCentreLine(radius) : s.at(radius, s.quarter(radius, q));
        v[static_cast<size_t>(k)] = {p.x, p.y, 0};
    }
    for (int k = 0; k < 4; ++k) {
        const int q = counterClockwise ? k : 3 - k;
        const double bulge = std::tan((s.quarter(radius, q + 1) - s.quarter(radius, q)) / 4);
        v[static_cast<size_t>(k)].bulge = counterClockwise ? bulge : -bulge;
    }
    return v;
}

// The length of a run of bulged edges, as the cutting table follows them.
double runLength(const std::array<Vertex, 5>& vertices) {
    Polyline run{{vertices.begin(), vertices.end()}, false};
    return polylineLength(run);
}

MarkKind divisionKind(int k) {
    if (k == kConeDivisions / 2) return MarkKind::CentreLine;
    if (k == kConeDivisions / 4 || k == 3 * kConeDivisions / 4) return MarkKind::Quarter;
    return MarkKind::Generator;
}

// The fitting's divisions from `inner` (0: the apex) to `outer`, the seam
// `seamDegrees` round from division 0: division k lies (k / 8 - seam / 360)
// of the sector, modulo a whole turn, from the seam edge the sector starts at.
// Divisions on the seam (0 of the sector or all of it) are left out.
void markGenerators(Piece& piece, const Sector& s, double inner, double outer, double seamDegrees = 0) {
    if (seamDegrees == 0 || seamDegrees == 360) {
        // The preset: division 4 exactly on the sector's centre line.
        for (int k = 1; k < kConeDivisions; ++k) {
            const double angle = s.start + k * s.sweep / kConeDivisions;
            if (k == kConeDivisions / 2)
                piece.marks.push_back({s.onCentreLine(inner), s.onCentreLine(outer), MarkKind::CentreLine});
            else
                piece.marks.push_back({s.at(inner, angle), s.at(outer, angle), divisionKind(k)});
        }
        return;
    }
    for (int k = 0; k < kConeDivisions; ++k) {
        double share = double(k) / kConeDivisions - seamDegrees / 360;
        share -= std::floor(share);
        // Within a millionth of a turn of the seam: on the seam edge.
        if (share < 1e-6 || share > 1 - 1e-6) continue;
        const double angle = s.start + share * s.sweep;
        piece.marks.push_back({s.at(inner, angle), s.at(outer, angle), divisionKind(k)});
    }
}

// Generators, seam ticks on both seam edges (outline edges by then), with
// the slant length named on them.
void markSector(Piece& piece, const Sector& s, double inner, double outer, Point2 upperInner, Point2 upperOuter,
                Point2 lowerInner, Point2 lowerOuter, double seamDegrees) {
    markGenerators(piece, s, inner, outer, seamDegrees);
    addSeamTicks(piece, upperInner, upperOuter);
    addSeamTicks(piece, lowerInner, lowerOuter);
    piece.labels.push_back({midpoint(upperInner, upperOuter), "展开斜边实长"});
    piece.labels.push_back({midpoint(lowerInner, lowerOuter), "展开斜边实长"});
}

// Whether the sector closes a full turn for the plate: its seam edges come
// within the slit's width of each other at `radius`, the sector's largest.
bool fullTurn(const Sector& s, double radius) { return !(radius * std::sin(s.start) >= kConeSeamGap / 2); }

// The whole circle of `radius` about the apex in 4 quarter arcs from the
// centre line's point: counter-clockwise as an outline, clockwise as a hole.
Polyline circle(const Sector& s, double radius, bool counterClockwise) {
    const double bulge = std::tan(kPi / 8) * (counterClockwise ? 1 : -1);
    const double y = counterClockwise ? -radius : radius;
    const Point2& c = s.apex;
    return {{{c.x - radius, c.y, bulge}, {c.x, c.y + y, bulge}, {c.x + radius, c.y, bulge}, {c.x, c.y - y, bulge}},
            true};
}

// A full turn cut whole, with no seam: the circle, the hole when there is a
// small end, the 8 generators from division 0 (where a sector's seam would
// be), the slant length named once on generator 0.
Piece wholeTurn(const Sector& s, double inner, double outer) {
    Piece piece;
    piece.count = 1;
    piece.outline = circle(s, outer, true);
    if (inner > 0) piece.holes.push_back(circle(s, inner, false));
    piece.marks.push_back({s.at(inner, 0), s.at(outer, 0), MarkKind::Generator});
    const Sector round{s.apex, 0, 2 * kPi};
    markGenerators(piece, round, inner, outer);
    piece.labels.push_back({s.at((inner + outer) / 2, 0), "展开斜边实长"});
    return piece;
}

// The frustum with no height: a flat ring, the big circle and the small one's hole.
FlatPattern ringPattern(const ConeGeometry& g, const Sector& s) {
    const FrustumRecord& r = g.frustum;
    Piece piece = wholeTurn(s, r.Rs, r.Rb);
    piece.name = "圆锥台";
    piece.labels.push_back({s.onCentreLine(r.Rb), "大圆弧展开半径"});
    piece.labels.push_back({s.onCentreLine(r.Rs), "小圆弧展开半径"});
    piece.labels.push_back({s.apex, "展开扇形夹角"});

    FlatPattern pattern;
    pattern.fitting = "正心圆锥台";
    const Vertex& outer = piece.outline.vertices[2];
    const Vertex& inner = piece.holes[0].vertices[2];
    pattern.checks.push_back({"大圆弧展开弧长 / π(D−t)", kPi * g.D, polylineLength(piece.outline)});
    pattern.checks.push_back({"小圆弧展开弧长 / π(d−t)", kPi * g.d, polylineLength(piece.holes[0])});
    pattern.checks.push_back({"圆环宽度 / 展开斜边实长", r.L, distance(point(inner), point(outer))});
    pattern.pieces.push_back(std::move(piece));
    return pattern;
}

FlatPattern frustumPattern(const ConeGeometry& g, double seamDegrees) {
    const FrustumRecord& r = g.frustum;
    const Sector s{{r.Rb, 0}, kPi - r.theta * kConePi / 180 / 2, r.theta * kConePi / 180};
    if (fullTurn(s, r.Rb)) return ringPattern(g, s);
    const auto big = arc(s, r.Rb, true);
    const auto small = arc(s, r.Rs, false);

    Piece piece;
    piece.name = "圆锥台";
    piece.count = 1;
    piece.outline.closed = true;
    // Round the big arc, in along the lower seam edge, back round the small
    // arc; the closing edge is the upper seam edge.
    piece.outline.vertices.assign(big.begin(), big.end());
    piece.outline.vertices.insert(piece.outline.vertices.end(), small.begin(), small.end());
    piece.outline.vertices[4].bulge = 0;
    piece.outline.vertices[9].bulge = 0;

    const Point2 upperOuter = point(big[0]), lowerOuter = point(big[4]);
    const Point2 upperInner = point(small[4]), lowerInner = point(small[0]);
    markSector(piece, s, r.Rs, r.Rb, upperInner, upperOuter, lowerInner, lowerOuter, seamDegrees);
    piece.labels.push_back({point(big[2]), "大圆弧展开半径"});
    piece.labels.push_back({point(small[2]), "小圆弧展开半径"});
    piece.labels.push_back({s.apex, "展开扇形夹角"});

    FlatPattern pattern;
    pattern.fitting = "正心圆锥台";
    const bool onSurface = g.in.onSurface;
    pattern.checks.push_back(
        {onSurface ? "大圆弧展开弧长 / πD" : "大圆弧展开弧长 / π(D−t)", kPi * g.D, runLength(big)});
    pattern.checks.push_back(
        {onSurface ? "小圆弧展开弧长 / πd" : "小圆弧展开弧长 / π(d−t)", kPi * g.d, runLength(small)});
    pattern.checks.push_back({"接缝上边长 / 展开斜边实长", r.L, distance(upperInner, upperOuter)});
    pattern.checks.push_back({"接缝下边长 / 展开斜边实长", r.L, distance(lowerInner, lowerOuter)});
    pattern.pieces.push_back(std::move(piece));
    return pattern;
}

// The cone with no height: a flat disc.
FlatPattern discPattern(const ConeGeometry& g, const Sector& s) {
    const ConeRecord& c = g.coneRecord;
    Piece piece = wholeTurn(s, 0, c.S);
    piece.name = "圆锥体";
    piece.labels.push_back({s.onCentreLine(c.S), "圆弧展开半径"});
    piece.labels.push_back({s.apex, "展开扇形夹角"});

    FlatPattern pattern;
    pattern.fitting = "正心圆锥体";
    pattern.checks.push_back({"圆弧展开弧长 / π(D−t)", kPi * g.D, polylineLength(piece.outline)});
    pattern.checks.push_back({"圆盘半径 / 展开斜边实长", c.S, distance(s.apex, point(piece.outline.vertices[2]))});
    pattern.pieces.push_back(std::move(piece));
    return pattern;
}

FlatPattern plainConePattern(const ConeGeometry& g, double seamDegrees) {
    const ConeRecord& c = g.coneRecord;
    const Sector s{{c.S, 0}, kPi - c.theta * kConePi / 180 / 2, c.theta * kConePi / 180};
    if (fullTurn(s, c.S)) return discPattern(g, s);
    const auto big = arc(s, c.S, true);

    Piece piece;
    piece.name = "圆锥体";
    piece.count = 1;
    piece.outline.closed = true;
    // From the apex out along the upper seam edge, round the arc and back
    // along the lower seam edge (the closing edge).
    piece.outline.vertices.push_back({s.apex.x, s.apex.y, 0});
    piece.outline.vertices.insert(piece.outline.vertices.end(), big.begin(), big.end());
    piece.outline.vertices.back().bulge = 0;

    markSector(piece, s, 0, c.S, s.apex, point(big[0]), s.apex, point(big[4]), seamDegrees);
    piece.labels.push_back({point(big[2]), "圆弧展开半径"});
    piece.labels.push_back({s.apex, "展开扇形夹角"});

    FlatPattern pattern;
    pattern.fitting = "正心圆锥体";
    pattern.checks.push_back(
        {g.in.onSurface ? "圆弧展开弧长 / πD" : "圆弧展开弧长 / π(D−t)", kPi * g.D, runLength(big)});
    pattern.checks.push_back({"接缝上边长 / 展开斜边实长", c.S, distance(s.apex, point(big[0]))});
    pattern.checks.push_back({"接缝下边长 / 展开斜边实长", c.S, distance(s.apex, point(big[4]))});
    pattern.pieces.push_back(std::move(piece));
    return pattern;
}

}  // namespace

ConePattern conePattern(const ConeGeometry& g, double seamDegrees) {
    ConePattern result;
    if (g.fault != ConeFault::None) {
        result.fault = ConePatternFault::Geometry;
        return result;
    }
    if (!g.cone && !(g.d > kConeSeamGap)) {
        result.fault = ConePatternFault::NoSmallEnd;
        return result;
    }
    result.pattern = g.cone ? plainConePattern(g, seamDegrees) : frustumPattern(g, seamDegrees);
    return result;
}

std::optional<double> coneSeamAngle(const std::string& text) {
    // The whole text one number, as strtod reads it; "nan" and "inf" fail the range.
    if (text.empty() || std::isspace(static_cast<unsigned char>(text.front()))) return std::nullopt;
    char* end = nullptr;
    const double degrees = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !(degrees >= 0 && degrees <= 360)) return std::nullopt;
    return degrees;
}

std::string conePatternMessage(ConePatternFault fault) {
    switch (fault) {
        case ConePatternFault::None:
            return "";
        case ConePatternFault::Geometry:
            return "输入的数据无法计算，不能生成展开图！";
        case ConePatternFault::NoSmallEnd:
            return "钢板厚度不小于小端口外径，小端口没有中径，不能生成展开图！";
    }
    return "";
}

}  // namespace korvel
