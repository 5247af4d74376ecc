// Compiled as C++17 (see nester.h).
#include "core/nesting/nester.h"

#include <libnest2d/libnest2d.hpp>

#include <cmath>
#include <cstdlib>
#include <mutex>
#include <unordered_map>

namespace korvel::nester {
namespace {

using Vertex = ClipperLib::IntPoint;
using ClipperLib::Path;
using ClipperLib::Paths;
using ClipperLib::Polygon;

// A ring as libnest2d keeps it: clockwise for an outline, counter-clockwise
// for a hole, its first point repeated at the end.
Path path(const IntRing& ring, bool outline) {
    Path p;
    for (const IntPoint& v : ring) p.push_back({v.x, v.y});
    if (outline == ClipperLib::Orientation(p)) ClipperLib::ReversePath(p);
    if (!p.empty()) p.push_back(p.front());
    return p;
}

// A ring with its repeated closing point dropped, turned so that its area
// counts positive (`positive`) or negative: the union below fills where the
// windings add up to anything but 0.
Path open(Path p, bool positive) {
    if (p.size() > 1 && p.front() == p.back()) p.pop_back();
    if (positive != ClipperLib::Orientation(p)) ClipperLib::ReversePath(p);
    return p;
}

Path moved(const Path& p, Vertex by) {
    Path out = p;
    for (Vertex& v : out) v = {v.X + by.X, v.Y + by.Y};
    return out;
}

// The top vertex, the rightmost of several: the point libnest2d places an
// orbiting shape by (its ordering, y first, then x).
bool below(const Vertex& a, const Vertex& b) { return a.Y == b.Y ? a.X < b.X : a.Y < b.Y; }
Vertex top(const Path& p) { return *std::max_element(p.begin(), p.end(), below); }
Vertex bottom(const Path& p) { return *std::min_element(p.begin(), p.end(), below); }

// How far the shapes a no-fit polygon is made of may stand out past the true
// ones, in the nester's units (micrometres): chords of 0.5 mm make a bent
// strip a few hundred vertices, and the sum of two costs their product.
constexpr double kCoarse = 1000;

// Douglas–Peucker between v[i] and v[j] (j may pass the end: the ring goes
// round), marking the vertices kept.
void simplify(const Path& v, size_t i, size_t j, std::vector<bool>& keep) {
    const size_t n = v.size();
    const Vertex a = v[i % n], b = v[j % n];
    const double dx = double(b.X - a.X), dy = double(b.Y - a.Y), length = std::hypot(dx, dy);
    double worst = -1;
    size_t at = i;
    for (size_t k = i + 1; k < j; ++k) {
        const Vertex p = v[k % n];
        const double off = length > 0 ? std::abs(dx * double(p.Y - a.Y) - dy * double(p.X - a.X)) / length
                                      : std::hypot(double(p.X - a.X), double(p.Y - a.Y));
        if (off > worst) worst = off, at = k;
    }
    if (worst <= kCoarse) return;
    keep[at % n] = true;
    simplify(v, i, at, keep);
    simplify(v, at, j, keep);
}

// The shape grown by `by` (its holes shrink), mitred: its outline counter-
// clockwise, its holes clockwise, none repeating its first point.
// (libnest2d's own growing keeps the old holes beside the shrunk ones, so
// that a part could come nearer than the gap inside a ring's hole.)
Polygon grown(const Polygon& shape, double by) {
    ClipperLib::ClipperOffset offset;
    offset.AddPath(open(shape.Contour, true), ClipperLib::jtMiter, ClipperLib::etClosedPolygon);
    for (const Path& h : shape.Holes) offset.AddPath(open(h, false), ClipperLib::jtMiter, ClipperLib::etClosedPolygon);
    Paths rings;
    offset.Execute(rings, by);
    // A connected shape grows to one outline; the rest are its holes.
    Polygon out;
    double largest = 0;
    for (Path& ring : rings)
        if (const double area = ClipperLib::Area(ring); area > largest) {
            out.Contour = std::move(ring);
            largest = area;
        } else if (area < 0) {
            out.Holes.push_back(std::move(ring));
        }
    return out;
}

// The shape grown by kCoarse, then its rings simplified to within kCoarse:
// fewer vertices, and never inside the shape (holes only shrink), so that
// the no-fit polygon made of it keeps the true shapes apart too.
Polygon coarse(const Polygon& shape) {
    const auto fewer = [](const Path& ring) {
        if (ring.size() < 4) return ring;
        std::vector<bool> keep(ring.size(), false);
        // Split the ring at its first vertex and the one farthest from it.
        size_t far = 0;
        double farthest = -1;
        for (size_t k = 0; k < ring.size(); ++k)
            if (const double d = std::hypot(double(ring[k].X - ring[0].X), double(ring[k].Y - ring[0].Y)); d > farthest)
                farthest = d, far = k;
        keep[0] = keep[far] = true;
        simplify(ring, 0, far, keep);
        simplify(ring, far, ring.size(), keep);
        Path kept;
        for (size_t k = 0; k < ring.size(); ++k)
            if (keep[k]) kept.push_back(ring[k]);
        return kept;
    };
    Polygon out = grown(shape, kCoarse);
    out.Contour = fewer(out.Contour);
    for (Path& h : out.Holes) h = fewer(h);
    return out;
}

// The Minkowski sum A ⊕ (−B) of two shapes: every shift t that makes B + t
// overlap A. For connected A and B it is the union of
//   the band swept by every contour of −B along every contour of A (where
//   the outlines cross), A moved by a point of −B's outline (B's corner
//   inside A) and −B moved by a point of A's outline (A inside B),
// holes kept: where A's hole or a bay of its outline is larger than B, the
// sum keeps a hole, and B may sit in it. Rings either way round; the result
// counter-clockwise, its holes clockwise.
Polygon minkowski(const Polygon& a, const Polygon& b) {
    Paths as{open(a.Contour, true)};
    for (const Path& h : a.Holes) as.push_back(open(h, false));
    Paths minusB{open(b.Contour, true)};
    for (const Path& h : b.Holes) minusB.push_back(open(h, false));
    for (Path& p : minusB)
        for (Vertex& v : p) v = {-v.X, -v.Y};  // a half turn keeps each ring's sense

    ClipperLib::Clipper clipper;
    for (const Path& pattern : minusB) {
        // The band of this contour of −B along A's contours, and A moved by
        // the pattern's first point.
        Paths sum;
        ClipperLib::MinkowskiSum(pattern, as, sum, true);
        clipper.AddPaths(sum, ClipperLib::ptSubject, true);
    }
    for (const Path& p : minusB) clipper.AddPath(moved(p, as.front().front()), ClipperLib::ptSubject, true);
    ClipperLib::PolyTree tree;
    clipper.Execute(ClipperLib::ctUnion, tree, ClipperLib::pftNonZero, ClipperLib::pftNonZero);

    // The sum of two connected shapes is one outline; should the clipping
    // leave a speck beside it, the largest is the sum.
    const ClipperLib::PolyNode* outer = nullptr;
    double largest = -1;
    for (const ClipperLib::PolyNode* node : tree.Childs)
        if (const double area = std::abs(ClipperLib::Area(node->Contour)); area > largest) {
            largest = area;
            outer = node;
        }
    Polygon sum;
    if (outer == nullptr) return sum;
    sum.Contour = outer->Contour;
    // A hole with an island in it would let B onto the island's forbidden
    // ground: such a hole is left filled, as if B fitted nowhere in it.
    for (const ClipperLib::PolyNode* hole : outer->Childs)
        if (hole->Childs.empty()) sum.Holes.push_back(hole->Contour);
    return sum;
}

// A quarter turn counter-clockwise about 0,0, `times` times: exact in whole units.
Polygon quarter(Polygon p, int times) {
    const auto turn = [&](Path& r) {
        for (Vertex& v : r)
            for (int t = 0; t < times; ++t) v = {-v.Y, v.X};
    };
    turn(p.Contour);
    for (Path& h : p.Holes) turn(h);
    return p;
}

// The no-fit polygons already made. A nest asks again and again about the
// same pair (one part at one turn about another's copy) on every plate it
// tries, only shifted; and a pair turned a quarter together has its sum
// turned a quarter. So the sums are kept by the two shapes' vertices, each
// less its first outline vertex, taken at the quarter turn whose vertices
// sort first. Shared by every nest and guarded by a lock, since the window
// nests on a thread of its own; bounded, since a day's nesting would fill it.
class NfpCache {
public:
    // The sum of `a` and −`b` where they lie.
    Polygon sum(const Polygon& a, const Polygon& b) {
        const Vertex a0 = a.Contour.front(), b0 = b.Contour.front();
        Polygon a1 = a, b1 = b;
        libnest2d::shapelike::translate(a1, Vertex{-a0.X, -a0.Y});
        libnest2d::shapelike::translate(b1, Vertex{-b0.X, -b0.Y});
        std::vector<long long> key;
        int turns = 0;
        for (int t = 0; t < 4; ++t) {
            std::vector<long long> k;
            append(k, quarter(a1, t));
            append(k, quarter(b1, t));
            if (t == 0 || k < key) key = std::move(k), turns = t;
        }
        Polygon made;
        bool found = false;
        {
            std::lock_guard<std::mutex> lock(guard_);
            if (auto it = made_.find(key); it != made_.end()) made = it->second, found = true;
        }
        if (!found) {
            made = minkowski(coarse(quarter(a1, turns)), coarse(quarter(b1, turns)));
            std::lock_guard<std::mutex> lock(guard_);
            if (made_.size() >= kMostKept) made_.clear();
            made_.emplace(std::move(key), made);
        }
        // Turned back, and moved: A's shift adds, B's takes away.
        made = quarter(made, (4 - turns) % 4);
        libnest2d::shapelike::translate(made, Vertex{a0.X - b0.X, a0.Y - b0.Y});
        return made;
    }

private:
    static constexpr size_t kMostKept = 20000;

    struct Hash {
        size_t operator()(const std::vector<long long>& v) const {
            size_t h = v.size();
            for (long long x : v) h = h * 1000003u ^ std::hash<long long>()(x);
            return h;
        }
    };

    static void append(std::vector<long long>& key, const Polygon& p) {
        const auto ring = [&](const Path& r) {
            key.push_back(static_cast<long long>(r.size()));
            for (const Vertex& v : r) {
                key.push_back(v.X);
                key.push_back(v.Y);
            }
        };
        ring(p.Contour);
        key.push_back(static_cast<long long>(p.Holes.size()));
        for (const Path& h : p.Holes) ring(h);
    }

    std::mutex guard_;
    std::unordered_map<std::vector<long long>, Polygon, Hash> made_;
};

// The no-fit polygon as libnest2d takes it: the places of B's top vertex
// where B would overlap A, paired with the place that vertex takes when B's
// bottom vertex touches A's top one (libnest2d's own placing of the result
// then moves it by nothing).
libnest2d::nfp::NfpResult<Polygon> noFit(const Polygon& a, const Polygon& b) {
    static NfpCache cache;
    const Polygon sum = cache.sum(a, b);
    const Vertex lift = top(b.Contour);
    const auto closed = [&](const Path& p, bool outline) {
        Path out = moved(p, lift);
        if (outline == ClipperLib::Orientation(out)) ClipperLib::ReversePath(out);
        if (!out.empty()) out.push_back(out.front());
        return out;
    };
    Polygon nfp;
    nfp.Contour = closed(sum.Contour, true);
    for (const Path& h : sum.Holes) nfp.Holes.push_back(closed(h, false));
    const Vertex touch = top(a.Contour), foot = bottom(b.Contour);
    return {nfp, {lift.X + touch.X - foot.X, lift.Y + touch.Y - foot.Y}};
}

}  // namespace
}  // namespace korvel::nester

// The placer's no-fit polygons, true to the shapes: libnest2d's own holds for
// two convex outlines only (a bent strip's or a ring sector's would let parts
// overlap) and knows no holes. Its placer asks for the highest level there is
// and then takes every pair through these; two convex outlines without holes
// still go the library's quicker way.
namespace libnest2d::nfp {

template <>
struct MaxNfpLevel<ClipperLib::Polygon> {
    static const BP2D_CONSTEXPR NfpLevel value = NfpLevel::BOTH_CONCAVE_WITH_HOLES;
};

template <NfpLevel Level>
struct NfpImpl<ClipperLib::Polygon, Level> {
    NfpResult<ClipperLib::Polygon> operator()(const ClipperLib::Polygon& stationary,
                                               const ClipperLib::Polygon& orbiting) {
        if (shapelike::isConvex(stationary) && shapelike::isConvex(orbiting))
            return nfpConvexOnly(stationary, orbiting);
        return korvel::nester::noFit(stationary, orbiting);
    }
};

}  // namespace libnest2d::nfp

namespace korvel::nester {

std::vector<Placed> nest(const std::vector<Shape>& shapes, const Room& room, long long distance,
                         const std::vector<double>& rotations, const std::function<void(unsigned left)>& progress,
                         const std::function<bool()>& stop) {
    using namespace libnest2d;
    std::vector<Item> items;
    items.reserve(shapes.size());
    // Each shape grown here by half the distance, not by libnest2d (see
    // grown()): the placer then keeps them touching at most.
    const double half = std::ceil(double(distance) / 2);
    for (const Shape& shape : shapes) {
        ClipperLib::Polygon polygon(path(shape.outline, true));
        for (const IntRing& hole : shape.holes) polygon.Holes.push_back(path(hole, false));
        polygon = grown(polygon, half);
        const auto closed = [](Path& p, bool outline) {
            if (outline == ClipperLib::Orientation(p)) ClipperLib::ReversePath(p);
            if (!p.empty()) p.push_back(p.front());
        };
        closed(polygon.Contour, true);
        for (Path& h : polygon.Holes) closed(h, false);
        items.emplace_back(polygon);
        items.back().rotation(shape.angle);
    }
    NestConfig<NfpPlacer, FirstFitSelection> config;
    config.placer_config.rotations.assign(rotations.begin(), rotations.end());
    // The pile grows from the lower left corner, leaving the offcut in one
    // piece at the top and right.
    config.placer_config.alignment = NfpPlacer::Config::Alignment::BOTTOM_LEFT;
    config.placer_config.starting_point = NfpPlacer::Config::Alignment::BOTTOM_LEFT;
    const Box bin({room.min.x, room.min.y}, {room.max.x, room.max.y});
    NestControl control([&](unsigned left) { if (progress) progress(left); }, [&] { return stop && stop(); });
    libnest2d::nest(items, bin, 0, config, control);

    std::vector<Placed> placed;
    for (const Item& item : items) {
        const auto shift = item.translation();
        placed.push_back({item.binId(), static_cast<double>(item.rotation()), {shift.X, shift.Y}});
    }
    return placed;
}

}  // namespace korvel::nester
