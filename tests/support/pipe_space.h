#pragma once
// Pipes in space for tests that check a developed pattern against the part it
// rolls into: points of a cylinder, where a generator meets a plane, and a
// pattern's generator lines as (distance round the girth, length). Millimetres
// and radians.

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "core/flat_pattern.h"

namespace korvel::testing {

struct Vec3 {
    double x = 0, y = 0, z = 0;
};
inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator*(double s, Vec3 a) { return {s * a.x, s * a.y, s * a.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
inline double length(Vec3 a) { return std::sqrt(dot(a, a)); }
inline double distance(Vec3 a, Vec3 b) { return length(a - b); }

// How far along `direction` from `from` the plane through the origin with
// normal `normal` lies.
inline double distanceToPlane(Vec3 from, Vec3 direction, Vec3 normal) {
    return -dot(normal, from) / dot(normal, direction);
}

// The generator lines a piece marks across its cut (generators and quarter
// lines, square to the girth): each one's distance round the girth and its
// length.
inline std::vector<std::pair<double, double>> generatorLines(const Piece& piece) {
    std::vector<std::pair<double, double>> lines;
    for (const MarkLine& m : piece.marks)
        if ((m.kind == MarkKind::Generator || m.kind == MarkKind::Quarter) && m.from.x == m.to.x)
            lines.emplace_back(m.from.x, std::fabs(m.to.y - m.from.y));
    return lines;
}

// The piece's width along the girth.
inline double girth(const Piece& piece) {
    const auto [low, high] = std::ranges::minmax(piece.outline.vertices, {}, &Vertex::x);
    return high.x - low.x;
}

}  // namespace korvel::testing

namespace korvel::testing {

// Where two lines of one plane meet: from + s * d and to + u * e, taken in
// the xy-plane (z is ignored).
inline Vec3 crossingInXY(Vec3 from, Vec3 d, Vec3 to, Vec3 e) {
    const double det = d.x * e.y - d.y * e.x;
    const double s = ((to.x - from.x) * e.y - (to.y - from.y) * e.x) / det;
    return from + s * d;
}

// Unfolding a triangle onto the flat: the point c with |ac| and |bc| given,
// on the left of the way from a to b.
inline Point2 flatApex(Point2 a, Point2 b, double ac, double bc) {
    const double ab = std::hypot(b.x - a.x, b.y - a.y);
    const double along = (ac * ac - bc * bc + ab * ab) / (2 * ab);
    const double across = std::sqrt(std::max(0.0, ac * ac - along * along));
    const double ux = (b.x - a.x) / ab, uy = (b.y - a.y) / ab;
    return {a.x + along * ux - across * uy, a.y + along * uy + across * ux};
}

}  // namespace korvel::testing
