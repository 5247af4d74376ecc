#include "core/nesting/split.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <utility>

#include "core/cut_list.h"
#include "core/nesting/parts.h"
#include "core/numbers.h"

namespace korvel {
namespace {

// How near a mark's end must come to the outline to lie on it, mm: the
// patterns put it there, within the rounding of their sums.
constexpr double kOnOutline = 0.01;

using Edge = std::pair<Point2, Point2>;

Point2 at(const Vertex& v) { return {v.x, v.y}; }
double distance(Point2 a, Point2 b) { return std::hypot(b.x - a.x, b.y - a.y); }
Point2 midpoint(Point2 a, Point2 b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

double distanceToSegment(Point2 p, Point2 a, Point2 b) {
    const double dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
    const double t = length2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0) : 0;
    return distance(p, {a.x + t * dx, a.y + t * dy});
}

double distanceToRing(const Ring& ring, Point2 p) {
    double nearest = std::numeric_limits<double>::infinity();
    for (size_t i = 0; i < ring.size(); ++i)
        nearest = std::min(nearest, distanceToSegment(p, ring[i], ring[(i + 1) % ring.size()]));
    return nearest;
}

// Even-odd: whether `p` lies inside the ring, either way round.
bool inside(const Ring& ring, Point2 p) {
    bool in = false;
    for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
        const Point2& a = ring[i];
        const Point2& b = ring[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y)) in = !in;
    }
    return in;
}

// Where segment a-b crosses segment c-d short of all four ends.
std::optional<Point2> crossing(Point2 a, Point2 b, Point2 c, Point2 d) {
    const double rx = b.x - a.x, ry = b.y - a.y, sx = d.x - c.x, sy = d.y - c.y;
    const double across = rx * sy - ry * sx;
    if (across == 0) return std::nullopt;
    const double t = ((c.x - a.x) * sy - (c.y - a.y) * sx) / across;
    const double u = ((c.x - a.x) * ry - (c.y - a.y) * rx) / across;
    constexpr double end = 1e-9;
    if (t <= end || t >= 1 - end || u <= end || u >= 1 - end) return std::nullopt;
    return Point2{a.x + t * rx, a.y + t * ry};
}

// The vertex of the closed outline at `p`: one already there, or one put
// in where p lies on an edge (an arc cut in two arcs of its circle, each
// bulge tan(its sweep / 4)). Nothing where p is off the outline.
std::optional<size_t> vertexAt(Polyline& line, Point2 p) {
    std::vector<Vertex>& v = line.vertices;
    for (size_t i = 0; i < v.size(); ++i)
        if (distance(at(v[i]), p) <= kOnOutline) return i;
    for (size_t i = 0; i < v.size(); ++i) {
        const Vertex a = v[i], b = v[(i + 1) % v.size()];
        const auto after = v.begin() + static_cast<std::ptrdiff_t>(i) + 1;
        if (const std::optional<BulgeArc> arc = bulgeArc(a, b)) {
            if (std::abs(distance(arc->centre, p) - arc->radius) > kOnOutline) continue;
            // The angle from a to p the arc's way round, 0 to a whole turn.
            const double turn = 2 * std::numbers::pi;
            const double raw = std::atan2(p.y - arc->centre.y, p.x - arc->centre.x) - arc->start;
            const double swept = std::fmod(std::fmod(arc->sweep > 0 ? raw : -raw, turn) + turn, turn);
            if (swept >= std::abs(arc->sweep)) continue;
            const double first = arc->sweep > 0 ? swept : -swept;
            const double angle = arc->start + first;
            v[i].bulge = std::tan(first / 4);
            v.insert(after, {arc->centre.x + arc->radius * std::cos(angle),
                             arc->centre.y + arc->radius * std::sin(angle), std::tan((arc->sweep - first) / 4)});
            return i + 1;
        }
        const double dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
        const double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : -1;
        if (t <= 0 || t >= 1) continue;
        const Point2 foot{a.x + t * dx, a.y + t * dy};
        if (distance(foot, p) > kOnOutline) continue;
        v.insert(after, {foot.x, foot.y, 0});
        return i + 1;
    }
    return std::nullopt;
}

// The two sides of a cut, each closed by the cut: the outline from the
// side's last vertex back to its first.
struct Halves {
    Piece first, second;
};

Edge closingEdge(const Piece& piece) {
    return {at(piece.outline.vertices.back()), at(piece.outline.vertices.front())};
}

// The piece cut along the line from `from` to `to`: nothing unless both
// ends lie on the outline and the line runs inside the piece, clear of its
// holes (each side then a simple outline the same way round as the piece's,
// meeting no hole). Holes, marks and labels go to the side they lie in; a
// mark across the cut is cut there too, one along it dropped (it is an edge
// now); a label on the cut (its station's name) goes to both.
std::optional<Halves> cutAlong(const Piece& piece, Point2 from, Point2 to) {
    Polyline line = piece.outline;
    const std::optional<size_t> p = vertexAt(line, from);
    if (!p) return std::nullopt;
    const Point2 a = at(line.vertices[*p]);
    const size_t before = line.vertices.size();
    const std::optional<size_t> q = vertexAt(line, to);
    if (!q) return std::nullopt;
    const Point2 b = at(line.vertices[*q]);
    // A vertex put in for q before p moves p on.
    const size_t ip = line.vertices.size() > before && *q <= *p ? *p + 1 : *p, iq = *q;
    if (ip == iq) return std::nullopt;

    const size_t n = line.vertices.size();
    const auto side = [&](size_t start, size_t end) {
        Piece half = piece;
        half.holes.clear();
        half.marks.clear();
        half.labels.clear();
        half.outline.vertices.clear();
        for (size_t i = start;; i = (i + 1) % n) {
            half.outline.vertices.push_back(line.vertices[i]);
            if (i == end) break;
        }
        half.outline.vertices.back().bulge = 0;  // the cut
        return half;
    };
    Halves h{side(ip, iq), side(iq, ip)};
    const double whole = polylineArea(piece.outline);
    for (const Piece* half : {&h.first, &h.second}) {
        const double area = polylineArea(half->outline);
        if (area * whole <= 0 || std::abs(area) < 1e-9 * std::abs(whole)) return std::nullopt;
    }

    const Ring firstRing = flattened(h.first.outline), secondRing = flattened(h.second.outline);
    const auto sideOf = [&](Point2 point) -> Piece& {
        if (inside(firstRing, point)) return h.first;
        if (inside(secondRing, point)) return h.second;
        return distanceToRing(firstRing, point) <= distanceToRing(secondRing, point) ? h.first : h.second;
    };
    for (const Polyline& hole : piece.holes) sideOf(at(hole.vertices.front())).holes.push_back(hole);
    if (selfIntersects(h.first) || selfIntersects(h.second)) return std::nullopt;

    for (const MarkLine& mark : piece.marks) {
        if (distanceToSegment(mark.from, a, b) <= kOnOutline && distanceToSegment(mark.to, a, b) <= kOnOutline)
            continue;
        if (const std::optional<Point2> x = crossing(mark.from, mark.to, a, b)) {
            sideOf(midpoint(mark.from, *x)).marks.push_back({mark.from, *x, mark.kind});
            sideOf(midpoint(*x, mark.to)).marks.push_back({*x, mark.to, mark.kind});
        } else {
            sideOf(midpoint(mark.from, mark.to)).marks.push_back(mark);
        }
    }
    for (const StationLabel& label : piece.labels) {
        if (distanceToSegment(label.at, a, b) <= kOnOutline) {
            h.first.labels.push_back(label);
            h.second.labels.push_back(label);
        } else {
            sideOf(label.at).labels.push_back(label);
        }
    }
    return h;
}

// Adds the seam strip outside the piece's closing edge (a cut): a rectangle
// `seam` mm wide along it. Returns the edge the join's marks go on: the
// strip's outer edge, or the cut itself with no strip.
Edge addStrip(Piece& piece, double seam) {
    const auto [from, to] = closingEdge(piece);
    if (seam <= 0) return {from, to};
    const double length = distance(from, to);
    // Outside: right of the edge where the outline runs counter-clockwise.
    const double way = polylineArea(piece.outline) > 0 ? 1 : -1;
    const Point2 out{way * (to.y - from.y) / length * seam, -way * (to.x - from.x) / length * seam};
    const Edge outer{{from.x + out.x, from.y + out.y}, {to.x + out.x, to.y + out.y}};
    piece.outline.vertices.push_back({outer.first.x, outer.first.y, 0});
    piece.outline.vertices.push_back({outer.second.x, outer.second.y, 0});
    return outer;
}

// The turn, radians counter-clockwise about the origin, that makes the
// outline fit the plate as fitsPlate reckons it: none, else, where the
// parts may turn a quarter (no grain to keep), one that lays a straight edge
// along x (a folded piece's faces fan out at angles the nester's quarter
// turns never undo), the longest edges first. Nothing when no turn fits.
std::optional<double> fittingTurn(const Polyline& outline, const Plate& plate, int rotations) {
    if (fitsPlate(outline, plate, rotations)) return 0.0;
    if (rotations % 4 != 0) return std::nullopt;  // the plate's grain: as it lies
    std::vector<std::pair<double, double>> edges;  // length, direction
    const std::vector<Vertex>& v = outline.vertices;
    for (size_t i = 0; i < v.size(); ++i) {
        const Vertex& a = v[i];
        const Vertex& b = v[(i + 1) % v.size()];
        if (a.bulge == 0) edges.push_back({distance(at(a), at(b)), std::atan2(b.y - a.y, b.x - a.x)});
    }
    std::sort(edges.begin(), edges.end(), [](const auto& l, const auto& r) { return l.first > r.first; });
    // Only the long edges: a face's, a cut's; a curve's short chords are
    // tried by the dozen at most.
    edges.resize(std::min<size_t>(edges.size(), 12));
    for (const auto& [length, direction] : edges) {
        Polyline turned = outline;
        const double c = std::cos(-direction), s = std::sin(-direction);
        for (Vertex& t : turned.vertices) t = {t.x * c - t.y * s, t.x * s + t.y * c, t.bulge};
        if (fitsPlate(turned, plate, rotations)) return -direction;
    }
    return std::nullopt;
}

// The two edges beside one cut: the lower-numbered part's (its strip's
// outer edge) and the other part's (the cut).
struct Join {
    Edge lower, upper;
};

class Splitter {
public:
    Splitter(const Plate& plate, int rotations, double seam) : plate_(plate), rotations_(rotations), seam_(seam) {}

    // Splits the piece into parts that fit, appended in order; false when
    // some part of it cannot be.
    bool split(const Piece& piece) {
        if (fits(piece)) {
            parts.push_back(piece);
            return true;
        }
        // Round and folded pieces are cut along generators and bends; a
        // transition's triangulation lines only where neither serves.
        const std::vector<MarkKind> kinds[] = {{MarkKind::Generator, MarkKind::Quarter, MarkKind::Bend},
                                               {MarkKind::Triangulation}};
        for (const std::vector<MarkKind>& usable : kinds) {
            std::optional<Halves> off, even;  // off: its first side fits
            double offArea = 0, evenness = std::numeric_limits<double>::infinity();
            for (const MarkLine& mark : piece.marks) {
                if (std::find(usable.begin(), usable.end(), mark.kind) == usable.end()) continue;
                const std::optional<Halves> h = cutAlong(piece, mark.from, mark.to);
                if (!h) continue;
                const double first = pieceArea(h->first), second = pieceArea(h->second);
                if (std::abs(first - second) < evenness) {
                    evenness = std::abs(first - second);
                    even = h;
                }
                for (const Halves& way : {*h, Halves{h->second, h->first}}) {
                    Piece cutOff = way.first;
                    addStrip(cutOff, seam_);
                    const double area = pieceArea(way.first);
                    if (area > offArea && fits(cutOff)) {
                        offArea = area;
                        off = way;
                    }
                }
            }
            // The side cut off, or the first of two even sides, is numbered
            // before every part of the other: it takes the strip.
            if (off) {
                parts.push_back(off->first);
                joins.push_back({addStrip(parts.back(), seam_), closingEdge(off->second)});
                return split(off->second);
            }
            if (even) {
                Piece first = even->first;
                joins.push_back({addStrip(first, seam_), closingEdge(even->second)});
                return split(first) && split(even->second);
            }
        }
        return false;
    }

    std::vector<Piece> parts;
    std::vector<Join> joins;

private:
    bool fits(const Piece& piece) const { return fittingTurn(piece.outline, plate_, rotations_).has_value(); }

    const Plate& plate_;
    int rotations_;
    double seam_;
};

// The first part, from `from` on, that has the edge either way round.
std::optional<size_t> holding(const std::vector<Piece>& parts, const Edge& edge, size_t from = 0) {
    for (size_t i = from; i < parts.size(); ++i) {
        const std::vector<Vertex>& v = parts[i].outline.vertices;
        for (size_t k = 0; k < v.size(); ++k) {
            const Point2 a = at(v[k]), b = at(v[(k + 1) % v.size()]);
            if ((a == edge.first && b == edge.second) || (a == edge.second && b == edge.first)) return i;
        }
    }
    return std::nullopt;
}

// Seam ticks across the join's edge and its label beside the edge's middle,
// inside the part: as far in as the ticks reach and past them by half the
// text's box (station labels' height, half the sheet's text height).
void markJoin(Piece& part, const Edge& edge, const std::string& text) {
    addSeamTicks(part, edge.first, edge.second);
    const Extent e = outlineExtent(part.outline);
    const double depth = sheetTextHeight(std::max(e.maxX - e.minX, e.maxY - e.minY));
    const double height = depth / 2, width = estimatedTextWidth(text, height);
    const auto [from, to] = edge;
    const double length = distance(from, to);
    const double way = polylineArea(part.outline) > 0 ? 1 : -1;
    const Point2 inward{-way * (to.y - from.y) / length, way * (to.x - from.x) / length};
    const double in = 2 * depth + std::abs(inward.x) * width / 2 + std::abs(inward.y) * height / 2;
    const Point2 middle = midpoint(from, to);
    part.labels.push_back({{middle.x + inward.x * in - width / 2, middle.y + inward.y * in - height / 2},
                           text,
                           -1,
                           "",
                           true});
}

}  // namespace

bool fitsPlate(const Polyline& outline, const Plate& plate, int rotations) {
    const Extent e = outlineExtent(outline);
    const double w = e.maxX - e.minX + 2 * kChordTolerance, h = e.maxY - e.minY + 2 * kChordTolerance;
    const double across = plate.usableWidth(), along = plate.usableHeight();
    return (w <= across && h <= along) || (rotations % 4 == 0 && h <= across && w <= along);
}

SplitPiece splitToPlate(const Piece& piece, const std::string& mark, const Plate& plate, int rotations, double seam) {
    SplitPiece result;
    // A plate or rotations the nest refuses: the piece goes whole, and the
    // nest says what is wrong with them.
    if (!plateProblem(plate).empty() || rotations < 1 || rotations > 360) {
        result.parts = {piece};
        return result;
    }
    Splitter splitter(plate, rotations, std::isfinite(seam) && seam > 0 ? seam : 0);
    if (!splitter.split(piece)) {
        const Extent e = outlineExtent(piece.outline);
        result.error = "件 " + mark + (piece.name.empty() ? "" : "-" + piece.name) + " 比钢板可用尺寸大（" +
                       numberText(std::round(e.maxX - e.minX)) + " × " + numberText(std::round(e.maxY - e.minY)) +
                       " mm，可用 " + numberText(plate.usableWidth()) + " × " + numberText(plate.usableHeight()) +
                       " mm），沿素线和折线也无法分割到钢板以内";
        return result;
    }
    result.parts = std::move(splitter.parts);
    for (size_t i = 0; result.parts.size() > 1 && i < result.parts.size(); ++i)
        result.parts[i].name = (piece.name.empty() ? "" : piece.name + "-") + std::to_string(i + 1);
    for (const Join& join : splitter.joins) {
        const std::optional<size_t> lower = holding(result.parts, join.lower);
        const std::optional<size_t> upper = lower ? holding(result.parts, join.upper, *lower + 1) : std::nullopt;
        if (!upper) continue;  // no later cut runs into another's edge: not met
        const std::string text =
            mark + "-" + result.parts[*lower].name + " ↔ " + mark + "-" + result.parts[*upper].name;
        markJoin(result.parts[*lower], join.lower, text);
        markJoin(result.parts[*upper], join.upper, text);
    }
    for (const Piece& part : result.parts) result.turns.push_back(fittingTurn(part.outline, plate, rotations).value_or(0));
    return result;
}

}  // namespace korvel
