#include "core/page_clip.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace korvel {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// A part of an edge, by the edge's parameter: 0 at its start, 1 at its end.
struct Span {
    double from = 0, to = 1;
};

bool inside(Point2 p, const PatternExtent& w) {
    return p.x >= w.minX && p.x <= w.maxX && p.y >= w.minY && p.y <= w.maxY;
}

// Liang and Barsky: the segment's parameters inside the window.
std::optional<Span> segmentSpan(Point2 a, Point2 b, const PatternExtent& w) {
    Span s;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - w.minX, w.maxX - a.x, a.y - w.minY, w.maxY - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return std::nullopt;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0) s.from = std::max(s.from, r);
        else s.to = std::min(s.to, r);
        if (s.from > s.to) return std::nullopt;
    }
    return s;
}

Point2 arcPoint(const BulgeArc& arc, double t) {
    const double angle = arc.start + arc.sweep * t;
    return {arc.centre.x + arc.radius * std::cos(angle), arc.centre.y + arc.radius * std::sin(angle)};
}

// The arc's parameters inside the window: the arc cut at every crossing with
// a side's line, each part kept when its middle is inside, touching parts
// joined.
std::vector<Span> arcSpans(const BulgeArc& arc, const PatternExtent& w) {
    std::vector<double> cuts{0, 1};
    // The parameter of the arc's point at `angle` (radians), when it lies
    // strictly within the arc.
    const auto cutAt = [&](double angle) {
        double d = std::fmod(angle - arc.start, kTwoPi);
        if (arc.sweep > 0 && d < 0) d += kTwoPi;
        if (arc.sweep < 0 && d > 0) d -= kTwoPi;
        const double t = d / arc.sweep;
        if (t > 0 && t < 1) cuts.push_back(t);
    };
    for (double x : {w.minX, w.maxX}) {
        const double c = (x - arc.centre.x) / arc.radius;
        if (c < -1 || c > 1) continue;
        cutAt(std::acos(c));
        cutAt(-std::acos(c));
    }
    for (double y : {w.minY, w.maxY}) {
        const double s = (y - arc.centre.y) / arc.radius;
        if (s < -1 || s > 1) continue;
        cutAt(std::asin(s));
        cutAt(std::numbers::pi - std::asin(s));
    }
    std::sort(cuts.begin(), cuts.end());
    std::vector<Span> spans;
    for (size_t i = 0; i + 1 < cuts.size(); ++i) {
        const double from = cuts[i], to = cuts[i + 1];
        if (to <= from || !inside(arcPoint(arc, (from + to) / 2), w)) continue;
        if (!spans.empty() && spans.back().to == from) spans.back().to = to;
        else spans.push_back({from, to});
    }
    return spans;
}

// The edge from `a` to `b` (a's bulge) cut to the window: its parts, each as
// its two ends, the first carrying the part's bulge.
struct EdgePart {
    Span span;
    Vertex from, to;
};

std::vector<EdgePart> edgeParts(const Vertex& a, const Vertex& b, const PatternExtent& w) {
    std::vector<EdgePart> parts;
    const Vertex start{a.x, a.y, 0}, end{b.x, b.y, 0};
    if (const std::optional<BulgeArc> arc = bulgeArc(a, b)) {
        for (const Span& s : arcSpans(*arc, w)) {
            Vertex from = s.from == 0 ? start : Vertex{arcPoint(*arc, s.from).x, arcPoint(*arc, s.from).y, 0};
            const Vertex to = s.to == 1 ? end : Vertex{arcPoint(*arc, s.to).x, arcPoint(*arc, s.to).y, 0};
            from.bulge = s.from == 0 && s.to == 1 ? a.bulge : std::tan(arc->sweep * (s.to - s.from) / 4);
            parts.push_back({s, from, to});
        }
        return parts;
    }
    // A segment that only touches the window (a corner on a side) leaves nothing to draw.
    if (const std::optional<Span> s = segmentSpan({a.x, a.y}, {b.x, b.y}, w); s && s->from < s->to) {
        const auto at = [&](double t) { return Vertex{a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, 0}; };
        parts.push_back({*s, s->from == 0 ? start : at(s->from), s->to == 1 ? end : at(s->to)});
    }
    return parts;
}

double distanceToSegment(Point2 p, Point2 a, Point2 b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + dx * t), p.y - (a.y + dy * t));
}

}  // namespace

PatternExtent grownWindow(const PatternExtent& w, double by) {
    return {w.minX - by, w.minY - by, w.maxX + by, w.maxY + by};
}

std::optional<MarkLine> clipSegment(const MarkLine& mark, const PatternExtent& window) {
    const std::optional<Span> s = segmentSpan(mark.from, mark.to, window);
    if (!s) return std::nullopt;
    const auto at = [&](double t) {
        return Point2{mark.from.x + (mark.to.x - mark.from.x) * t, mark.from.y + (mark.to.y - mark.from.y) * t};
    };
    return MarkLine{s->from == 0 ? mark.from : at(s->from), s->to == 1 ? mark.to : at(s->to), mark.kind};
}

std::vector<PatternExtent> edgeRunBoxes(const Polyline& line) {
    std::vector<PatternExtent> boxes;
    const size_t n = line.vertices.size();
    const size_t edges = n < 2 ? 0 : line.closed ? n : n - 1;
    for (size_t i = 0; i < edges; ++i) {
        const Vertex& a = line.vertices[i];
        const Vertex& b = line.vertices[(i + 1) % n];
        PatternExtent box{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
        if (const std::optional<BulgeArc> arc = bulgeArc(a, b)) {
            const double r = arc->radius;
            box = std::fabs(a.bulge) <= 1 ? grownWindow(box, std::fabs(a.bulge) * std::hypot(b.x - a.x, b.y - a.y) / 2)
                                          : PatternExtent{arc->centre.x - r, arc->centre.y - r, arc->centre.x + r,
                                                          arc->centre.y + r};
        }
        if (i % kEdgeRun == 0) {
            boxes.push_back(box);
            continue;
        }
        PatternExtent& run = boxes.back();
        run = {std::min(run.minX, box.minX), std::min(run.minY, box.minY), std::max(run.maxX, box.maxX),
               std::max(run.maxY, box.maxY)};
    }
    return boxes;
}

std::vector<Polyline> clipPolyline(const Polyline& line, const PatternExtent& window,
                                   const std::vector<PatternExtent>& runBoxes) {
    std::vector<Polyline> runs;
    const size_t n = line.vertices.size();
    if (n < 2) return runs;
    const size_t edges = line.closed ? n : n - 1;
    const bool indexed = runBoxes.size() == (edges + kEdgeRun - 1) / kEdgeRun;
    bool joined = false;           // the last run ends where this edge starts
    bool fromFirstVertex = false;  // the first run starts at the line's first vertex
    for (size_t i = 0; i < edges; ++i) {
        if (indexed && i % kEdgeRun == 0) {
            const PatternExtent& box = runBoxes[i / kEdgeRun];
            if (box.minX > window.maxX || box.maxX < window.minX || box.minY > window.maxY ||
                box.maxY < window.minY) {
                joined = false;
                i += kEdgeRun - 1;
                continue;
            }
        }
        const std::vector<EdgePart> parts = edgeParts(line.vertices[i], line.vertices[(i + 1) % n], window);
        for (const EdgePart& part : parts) {
            if (joined && part.span.from == 0) {
                runs.back().vertices.back().bulge = part.from.bulge;
            } else {
                if (runs.empty()) fromFirstVertex = i == 0 && part.span.from == 0;
                runs.push_back({{part.from}, false});
            }
            runs.back().vertices.push_back(part.to);
            joined = part.span.to == 1;
        }
        if (parts.empty()) joined = false;
    }
    if (!line.closed || !joined || !fromFirstVertex) return runs;
    // The last run ends on the first vertex, where the first run starts.
    if (runs.size() == 1) {
        runs.front().vertices.pop_back();
        runs.front().closed = true;
        return runs;
    }
    Polyline& last = runs.back();
    const Polyline& first = runs.front();
    last.vertices.back() = first.vertices.front();
    last.vertices.insert(last.vertices.end(), first.vertices.begin() + 1, first.vertices.end());
    runs.front() = std::move(last);
    runs.pop_back();
    return runs;
}

Polyline simplifiedLine(const Polyline& line, double tolerance) {
    const size_t n = line.vertices.size();
    if (n < 3) return line;
    const double half = tolerance / 2;
    // Vertex k of the line for k up to `edges`, the last the first again when closed.
    const size_t edges = line.closed ? n : n - 1;
    const auto at = [&](size_t k) { return Point2{line.vertices[k % n].x, line.vertices[k % n].y}; };
    std::vector<char> keep(edges + 1, 0), arc(edges, 0);
    keep.front() = keep.back() = 1;
    for (size_t k = 0; k < edges; ++k) {
        const Point2 a = at(k), b = at(k + 1);
        // The sagitta: how far the arc's middle lies from its chord.
        if (std::fabs(line.vertices[k].bulge) * std::hypot(b.x - a.x, b.y - a.y) / 2 > half)
            arc[k] = keep[k] = keep[k + 1] = 1;
    }
    std::vector<std::pair<size_t, size_t>> pending;
    for (size_t from = 0, k = 1; k <= edges; ++k) {
        if (!keep[k]) continue;
        if (!arc[k - 1]) pending.emplace_back(from, k);
        from = k;
    }
    while (!pending.empty()) {
        const auto [from, to] = pending.back();
        pending.pop_back();
        double farthest = 0;
        size_t far = from;
        for (size_t k = from + 1; k < to; ++k) {
            const double d = distanceToSegment(at(k), at(from), at(to));
            if (d > farthest) farthest = d, far = k;
        }
        if (farthest <= half) continue;
        keep[far] = 1;
        pending.emplace_back(from, far);
        pending.emplace_back(far, to);
    }
    Polyline simple{{}, line.closed};
    for (size_t k = 0; k < (line.closed ? edges : n); ++k)
        if (keep[k]) simple.vertices.push_back({at(k).x, at(k).y, k < edges && arc[k] ? line.vertices[k].bulge : 0});
    return simple;
}

}  // namespace korvel
