#include "core/flat_pattern.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace korvel {
namespace {

// Edge i of the polyline: from vertex i to the next (the first again when closed).
size_t edgeCount(const Polyline& line) {
    const size_t n = line.vertices.size();
    if (n < 2) return 0;
    return line.closed ? n : n - 1;
}

// Calls visit(a, b) for every edge, from vertex a to the next vertex b.
template <class Visit>
void forEachEdge(const Polyline& line, Visit visit) {
    const size_t n = line.vertices.size();
    for (size_t i = 0; i < edgeCount(line); ++i) visit(line.vertices[i], line.vertices[(i + 1) % n]);
}

double cross(double ax, double ay, double bx, double by) { return ax * by - ay * bx; }

// Proper or touching intersection of the segments p1p2 and p3p4.
bool segmentsMeet(const Vertex& p1, const Vertex& p2, const Vertex& p3, const Vertex& p4) {
    const double d1 = cross(p4.x - p3.x, p4.y - p3.y, p1.x - p3.x, p1.y - p3.y);
    const double d2 = cross(p4.x - p3.x, p4.y - p3.y, p2.x - p3.x, p2.y - p3.y);
    const double d3 = cross(p2.x - p1.x, p2.y - p1.y, p3.x - p1.x, p3.y - p1.y);
    const double d4 = cross(p2.x - p1.x, p2.y - p1.y, p4.x - p1.x, p4.y - p1.y);
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0))) return true;
    auto on = [](const Vertex& a, const Vertex& b, const Vertex& p, double d) {
        return d == 0 && std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
               p.y <= std::max(a.y, b.y);
    };
    return on(p3, p4, p1, d1) || on(p3, p4, p2, d2) || on(p1, p2, p3, d3) || on(p1, p2, p4, d4);
}

}  // namespace

std::optional<BulgeArc> bulgeArc(const Vertex& a, const Vertex& b) {
    const double cx = b.x - a.x, cy = b.y - a.y;
    const double chord = std::hypot(cx, cy);
    if (a.bulge == 0 || chord == 0) return std::nullopt;
    // The arc's middle lies the sagitta to the right of the chord for a
    // counter-clockwise (positive) bulge; the centre a radius back from it.
    const double rightX = cy / chord, rightY = -cx / chord;
    const double sagitta = a.bulge * chord / 2;
    const double radius = chord * (1 + a.bulge * a.bulge) / (4 * std::fabs(a.bulge));
    const double midX = (a.x + b.x) / 2 + rightX * sagitta, midY = (a.y + b.y) / 2 + rightY * sagitta;
    const double sign = a.bulge > 0 ? 1 : -1;
    BulgeArc arc;
    arc.centre = {midX - rightX * radius * sign, midY - rightY * radius * sign};
    arc.radius = radius;
    arc.start = std::atan2(a.y - arc.centre.y, a.x - arc.centre.x);
    arc.sweep = 4 * std::atan(a.bulge);
    return arc;
}

double polylineLength(const Polyline& line) {
    double total = 0;
    forEachEdge(line, [&](const Vertex& a, const Vertex& b) {
        const double chord = std::hypot(b.x - a.x, b.y - a.y);
        if (a.bulge == 0) {
            total += chord;
        } else {
            // Included angle 4 atan(bulge); radius chord / (2 sin(angle / 2)).
            const double angle = 4 * std::atan(std::fabs(a.bulge));
            total += chord * angle / (2 * std::sin(angle / 2));
        }
    });
    return total;
}

double polylineArea(const Polyline& line) {
    double area = 0;
    forEachEdge(line, [&](const Vertex& a, const Vertex& b) {
        area += cross(a.x, a.y, b.x, b.y) / 2;
        if (a.bulge != 0) {
            // The circular segment between the chord and the arc, on the side the bulge says.
            const double chord = std::hypot(b.x - a.x, b.y - a.y);
            const double angle = 4 * std::atan(a.bulge);
            const double radius = chord / (2 * std::sin(std::fabs(angle) / 2));
            const double segment = radius * radius / 2 * (std::fabs(angle) - std::sin(std::fabs(angle)));
            area += angle > 0 ? segment : -segment;
        }
    });
    return area;
}

bool pieceFinite(const Piece& piece) {
    for (const Vertex& v : piece.outline.vertices)
        if (!std::isfinite(v.x) || !std::isfinite(v.y) || !std::isfinite(v.bulge)) return false;
    for (const MarkLine& mark : piece.marks)
        if (!std::isfinite(mark.from.x) || !std::isfinite(mark.from.y) || !std::isfinite(mark.to.x) ||
            !std::isfinite(mark.to.y))
            return false;
    return true;
}

bool selfIntersects(const Polyline& line) {
    const size_t n = line.vertices.size();
    const size_t edges = edgeCount(line);
    auto meet = [&](size_t i, size_t j) {
        if (i > j) std::swap(i, j);
        const bool neighbours = j == i + 1 || (line.closed && i == 0 && j == edges - 1);
        return !neighbours &&
               segmentsMeet(line.vertices[i], line.vertices[(i + 1) % n], line.vertices[j], line.vertices[(j + 1) % n]);
    };
    // Two edges whose x ranges do not overlap cannot meet: swept by their
    // left ends, each edge is tested only against those starting before its
    // right end (an outline of a thousand divisions: thousands of tests, not
    // millions). Non-finite coordinates cannot be sorted: every pair then.
    std::vector<std::pair<double, size_t>> byLeft;  // left end, mm; edge
    byLeft.reserve(edges);
    for (size_t i = 0; i < edges; ++i) {
        const double a = line.vertices[i].x, b = line.vertices[(i + 1) % n].x;
        if (!std::isfinite(a) || !std::isfinite(b)) {
            for (size_t k = 0; k < edges; ++k)
                for (size_t j = k + 1; j < edges; ++j)
                    if (meet(k, j)) return true;
            return false;
        }
        byLeft.emplace_back(std::min(a, b), i);
    }
    std::sort(byLeft.begin(), byLeft.end());
    for (size_t s = 0; s < byLeft.size(); ++s) {
        const size_t i = byLeft[s].second;
        const double right = std::max(line.vertices[i].x, line.vertices[(i + 1) % n].x);
        for (size_t t = s + 1; t < byLeft.size() && byLeft[t].first <= right; ++t)
            if (meet(i, byLeft[t].second)) return true;
    }
    return false;
}

double plateWeight(double area, double thickness) { return area * thickness * 7.85e-6; }

}  // namespace korvel
