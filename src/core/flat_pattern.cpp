#include "core/flat_pattern.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>
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
    const auto finite = [](const Polyline& line) {
        for (const Vertex& v : line.vertices)
            if (!std::isfinite(v.x) || !std::isfinite(v.y) || !std::isfinite(v.bulge)) return false;
        return true;
    };
    if (!finite(piece.outline)) return false;
    for (const Polyline& hole : piece.holes)
        if (!finite(hole)) return false;
    for (const MarkLine& mark : piece.marks)
        if (!std::isfinite(mark.from.x) || !std::isfinite(mark.from.y) || !std::isfinite(mark.to.x) ||
            !std::isfinite(mark.to.y))
            return false;
    return true;
}

namespace {

// The edges of several closed or open polylines, each named by its loop and
// its index there.
struct Loops {
    std::vector<const Polyline*> lines;

    std::pair<const Vertex&, const Vertex&> ends(size_t loop, size_t i) const {
        const Polyline& line = *lines[loop];
        return {line.vertices[i], line.vertices[(i + 1) % line.vertices.size()]};
    }
    // Edges i and j of one loop that share a vertex.
    bool neighbours(size_t loop, size_t i, size_t j) const {
        if (i > j) std::swap(i, j);
        return j == i + 1 || (lines[loop]->closed && i == 0 && j == edgeCount(*lines[loop]) - 1);
    }
};

struct EdgeRef {
    size_t loop, edge;
};

bool anyEdgesMeet(const Loops& loops) {
    const auto meet = [&](EdgeRef a, EdgeRef b) {
        if (a.loop == b.loop && (a.edge == b.edge || loops.neighbours(a.loop, a.edge, b.edge))) return false;
        const auto [p1, p2] = loops.ends(a.loop, a.edge);
        const auto [p3, p4] = loops.ends(b.loop, b.edge);
        return segmentsMeet(p1, p2, p3, p4);
    };
    std::vector<EdgeRef> all;
    for (size_t l = 0; l < loops.lines.size(); ++l)
        for (size_t i = 0; i < edgeCount(*loops.lines[l]); ++i) all.push_back({l, i});

    // Edges that meet overlap in x and in y. Sweeping the edges' boxes from
    // left to right compares each edge only with those whose x-range it
    // enters: a pattern's outline runs along its girth, so that is a handful
    // each, and the check stays linear in the number of stations.
    struct Span {
        double minX, maxX, minY, maxY;
        EdgeRef edge;
    };
    std::vector<Span> spans;
    spans.reserve(all.size());
    for (const EdgeRef& e : all) {
        const auto [a, b] = loops.ends(e.loop, e.edge);
        if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y)) {
            // No box to sort by: such an edge is compared with every other.
            for (const EdgeRef& other : all)
                if (meet(e, other)) return true;
            continue;
        }
        spans.push_back({std::min(a.x, b.x), std::max(a.x, b.x), std::min(a.y, b.y), std::max(a.y, b.y), e});
    }
    std::sort(spans.begin(), spans.end(), [](const Span& l, const Span& r) { return l.minX < r.minX; });
    std::vector<const Span*> active;
    for (const Span& s : spans) {
        std::erase_if(active, [&](const Span* a) { return a->maxX < s.minX; });
        for (const Span* a : active)
            if (a->minY <= s.maxY && s.minY <= a->maxY && meet(a->edge, s.edge)) return true;
        active.push_back(&s);
    }
    return false;
}

}  // namespace

bool selfIntersects(const Polyline& line) { return anyEdgesMeet(Loops{{&line}}); }

bool selfIntersects(const Piece& piece) {
    Loops loops{{&piece.outline}};
    for (const Polyline& hole : piece.holes) loops.lines.push_back(&hole);
    return anyEdgesMeet(loops);
}

double pieceArea(const Piece& piece) {
    double area = std::fabs(polylineArea(piece.outline));
    for (const Polyline& hole : piece.holes) area -= std::fabs(polylineArea(hole));
    return area;
}

double plateWeight(double area, double thickness) { return area * thickness * 7.85e-6; }

// mm² × mm = mm³, a thousandth of a cm³: × g/cm³ gives thousandths of a gram,
// millionths of a kilogram.
double plateWeight(double area, double thickness, double density) { return area * thickness * density * 1e-6; }

double sheetTextHeight(double extent) { return std::max(2.5, std::round(extent / 100)); }

double estimatedTextWidth(const std::string& text, double height) {
    double width = 0;
    for (unsigned char c : text) {
        if (c < 0x80) width += 0.7 * height;
        else if (c >= 0xC0) width += c >= 0xE0 ? height : 0.7 * height;
    }
    return width;
}

namespace {

// How far the ray from `p` along the unit vector `d` runs before it meets the
// edge from `a` to `b` (an arc when a's bulge says so); infinity when it
// misses. Hits closer than `from` do not count.
double rayHits(Point2 p, Point2 d, const Vertex& a, const Vertex& b, double from) {
    constexpr double kMiss = std::numeric_limits<double>::infinity();
    if (const std::optional<BulgeArc> arc = bulgeArc(a, b)) {
        const double ox = p.x - arc->centre.x, oy = p.y - arc->centre.y;
        const double half = ox * d.x + oy * d.y;
        const double disc = half * half - (ox * ox + oy * oy - arc->radius * arc->radius);
        if (disc < 0) return kMiss;
        double best = kMiss;
        for (double t : {-half - std::sqrt(disc), -half + std::sqrt(disc)}) {
            if (!(t > from) || t >= best) continue;
            // On the arc when the hit's angle lies within its sweep from its start.
            const double angle = std::atan2(oy + t * d.y, ox + t * d.x);
            constexpr double kTurn = 2 * std::numbers::pi;
            const double turn = arc->sweep > 0 ? angle - arc->start : arc->start - angle;
            if (std::fmod(std::fmod(turn, kTurn) + kTurn, kTurn) <= std::fabs(arc->sweep)) best = t;
        }
        return best;
    }
    const double ex = b.x - a.x, ey = b.y - a.y;
    const double denominator = cross(d.x, d.y, ex, ey);
    if (denominator == 0) return kMiss;
    const double t = cross(a.x - p.x, a.y - p.y, ex, ey) / denominator;
    const double u = cross(a.x - p.x, a.y - p.y, d.x, d.y) / denominator;
    return t > from && u >= 0 && u <= 1 ? t : kMiss;
}

}  // namespace

void addSeamTicks(Piece& piece, Point2 a, Point2 b) {
    const Polyline& line = piece.outline;
    const size_t n = line.vertices.size();
    const auto at = [&](size_t i) { return Point2{line.vertices[i % n].x, line.vertices[i % n].y}; };
    size_t seam = n;
    for (size_t i = 0; i < edgeCount(line) && seam == n; ++i)
        if ((at(i) == a && at(i + 1) == b) || (at(i) == b && at(i + 1) == a)) seam = i;
    if (seam == n) return;

    double minX = at(0).x, maxX = minX, minY = at(0).y, maxY = minY;
    for (size_t i = 1; i < n; ++i)
        minX = std::min(minX, at(i).x), maxX = std::max(maxX, at(i).x), minY = std::min(minY, at(i).y),
        maxY = std::max(maxY, at(i).y);
    const double depth = sheetTextHeight(std::max(maxX - minX, maxY - minY));

    // Into the piece: left of the edge as the outline runs when it runs
    // counter-clockwise.
    const Point2 from = at(seam), to = at(seam + 1);
    const double length = std::hypot(to.x - from.x, to.y - from.y);
    const double side = polylineArea(line) > 0 ? 1 : -1;
    const Point2 inward{-side * (to.y - from.y) / length, side * (to.x - from.x) / length};
    for (double along : {0.25, 0.75}) {
        const Point2 p{from.x + along * (to.x - from.x), from.y + along * (to.y - from.y)};
        double free = std::numeric_limits<double>::infinity();
        const double touching = 1e-9 * length;
        for (size_t i = 0; i < edgeCount(line); ++i)
            if (i != seam) free = std::min(free, rayHits(p, inward, line.vertices[i], line.vertices[(i + 1) % n], touching));
        for (const Polyline& hole : piece.holes)
            for (size_t i = 0; i < edgeCount(hole); ++i)
                free = std::min(free, rayHits(p, inward, hole.vertices[i],
                                              hole.vertices[(i + 1) % hole.vertices.size()], touching));
        const double scale = std::min(1.0, free / (3 * depth));
        piece.marks.push_back({{p.x + inward.x * depth / 2 * scale, p.y + inward.y * depth / 2 * scale},
                               {p.x + inward.x * depth * 1.5 * scale, p.y + inward.y * depth * 1.5 * scale},
                               MarkKind::Seam});
    }
}

namespace {

struct TextBox {
    double minX, minY, maxX, maxY;
    bool overlaps(const TextBox& o) const { return minX < o.maxX && o.minX < maxX && minY < o.maxY && o.minY < maxY; }
};

TextBox textBox(const StationLabel& label, double height) {
    return {label.at.x, label.at.y, label.at.x + estimatedTextWidth(label.text, height), label.at.y + height};
}

// Whether any of `candidates` overlaps another of them or one of `kept`:
// the boxes swept from left to right, so a long run costs n log n.
bool anyOverlap(const std::vector<TextBox>& candidates, const std::vector<TextBox>& kept) {
    struct Entry {
        const TextBox* box;
        bool candidate;
    };
    std::vector<Entry> all;
    all.reserve(candidates.size() + kept.size());
    for (const TextBox& b : candidates) all.push_back({&b, true});
    for (const TextBox& b : kept) all.push_back({&b, false});
    std::sort(all.begin(), all.end(), [](const Entry& l, const Entry& r) { return l.box->minX < r.box->minX; });
    std::vector<Entry> active;
    for (const Entry& e : all) {
        std::erase_if(active, [&](const Entry& a) { return a.box->maxX <= e.box->minX; });
        for (const Entry& a : active)
            if ((a.candidate || e.candidate) && a.box->overlaps(*e.box)) return true;
        active.push_back(e);
    }
    return false;
}

// The run's members (indices into the labels, in station order) kept at
// every `step`-th station from its first, and its last, which displaces the
// one kept before it when the two overlap.
std::vector<size_t> everyStep(const std::vector<StationLabel>& labels, const std::vector<size_t>& run, int step,
                              double height) {
    std::vector<size_t> chosen;
    const int first = labels[run.front()].station;
    for (size_t i = 0; i + 1 < run.size(); ++i)
        if ((labels[run[i]].station - first) % step == 0) chosen.push_back(run[i]);
    if (!chosen.empty() && textBox(labels[chosen.back()], height).overlaps(textBox(labels[run.back()], height)))
        chosen.pop_back();
    chosen.push_back(run.back());
    return chosen;
}

}  // namespace

std::vector<StationLabel> legibleLabels(const std::vector<StationLabel>& labels, double height) {
    std::vector<bool> keep(labels.size(), false);
    std::vector<TextBox> kept;
    // The runs in the order they first appear, each in station order.
    std::vector<std::pair<std::string, std::vector<size_t>>> runs;
    for (size_t i = 0; i < labels.size(); ++i) {
        const StationLabel& l = labels[i];
        if (l.station < 0) {
            keep[i] = true;
            kept.push_back(textBox(l, height));
            continue;
        }
        const std::string number = std::to_string(l.station);
        const std::string name = !l.run.empty()            ? l.run
                                 : l.text.ends_with(number) ? l.text.substr(0, l.text.size() - number.size())
                                                            : l.text;
        auto run = std::find_if(runs.begin(), runs.end(), [&](const auto& r) { return r.first == name; });
        if (run == runs.end()) run = runs.insert(runs.end(), {name, {}});
        run->second.push_back(i);
    }
    for (auto& [name, run] : runs) {
        std::stable_sort(run.begin(), run.end(),
                         [&](size_t l, size_t r) { return labels[l].station < labels[r].station; });
        const int span = labels[run.back()].station - labels[run.front()].station;
        const auto boxes = [&](const std::vector<size_t>& chosen) {
            std::vector<TextBox> b;
            for (size_t i : chosen) b.push_back(textBox(labels[i], height));
            return b;
        };
        // Steps 1, 2, 5, 10, 20, 50, ... up to the one that keeps only the ends.
        std::vector<size_t> alone, clear;
        const auto next = [](int step) {
            int lead = step;
            while (lead >= 10) lead /= 10;
            return lead == 2 ? step / 2 * 5 : step * 2;
        };
        for (int step = 1;; step = next(step)) {
            const std::vector<size_t> chosen = everyStep(labels, run, step, height);
            if (alone.empty() && !anyOverlap(boxes(chosen), {})) alone = chosen;
            if (!anyOverlap(boxes(chosen), kept)) {
                clear = chosen;
                break;
            }
            if (step > span) break;
        }
        if (clear.empty()) {
            // Something else stands where the run must be named: the run at
            // the step it needs on its own, less each label over another.
            for (size_t i : alone.empty() ? std::vector<size_t>{run.back()} : alone) {
                const TextBox b = textBox(labels[i], height);
                if (anyOverlap({b}, kept)) continue;
                clear.push_back(i);
                kept.push_back(b);
            }
        } else {
            for (const TextBox& b : boxes(clear)) kept.push_back(b);
        }
        for (size_t i : clear) keep[i] = true;
    }
    std::vector<StationLabel> legible;
    for (size_t i = 0; i < labels.size(); ++i)
        if (keep[i]) legible.push_back(labels[i]);
    return legible;
}

}  // namespace korvel
