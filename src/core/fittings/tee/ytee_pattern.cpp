#include "core/fittings/tee/ytee_pattern.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/numbers.h"

namespace korvel {
namespace {

// The division listing's arc: the outside circumference in n parts.
double divisionArc(const YTeeGeometry& g) { return computeYTeeDivisions(g.in.D, g.in.n, g.in.digits).a; }

// The height of the cut at point `step` of the densified cut: the listed
// length at a station, else the mitre of the quarter the point lies in (the
// slanted pipe meets the other slanted pipe between n/4 and 3n/4).
double cutHeight(const YTeeGeometry& g, int step) {
    const int k = step / kYTeeCurvePoints;
    if (step % kYTeeCurvePoints == 0) return g.L[static_cast<size_t>(k)];
    const int n = g.in.n;
    const bool againstVertical = g.pipe == YTeePipe::Vertical || k < n / 4 || k >= 3 * n / 4;
    const double slope = againstVertical ? g.Ta : g.Tb;
    const double theta = static_cast<double>(step) / kYTeeCurvePoints * g.delta * kYTeePi / 180;
    return g.in.L - g.R * std::fabs(std::cos(theta)) * slope;
}

// Stations stand exactly at k * a.
double developedX(int step, double a) {
    return (step / kYTeeCurvePoints) * a + (step % kYTeeCurvePoints) * a / kYTeeCurvePoints;
}

double extentX(const Polyline& line) {
    if (line.vertices.empty()) return 0;
    const auto [low, high] = std::minmax_element(line.vertices.begin(), line.vertices.end(),
                                                 [](const Vertex& p, const Vertex& q) { return p.x < q.x; });
    return high->x - low->x;
}

MarkKind stationKind(int k, int n) {
    return (k == n / 4 || k == n / 2 || k == 3 * n / 4) ? MarkKind::Quarter : MarkKind::Generator;
}

}  // namespace

Piece yTeePipePiece(const YTeeGeometry& g) {
    const int n = g.in.n;
    const double a = divisionArc(g);
    Piece piece;
    piece.name = g.pipe == YTeePipe::Vertical ? "竖管" : "斜管";
    piece.count = g.pipe == YTeePipe::Vertical ? 1 : 2;
    piece.outline.closed = true;
    // Along the square-cut end, then back along the cut.
    piece.outline.vertices = {{0, 0, 0}, {n * a, 0, 0}};
    for (int step = n * kYTeeCurvePoints; step >= 0; --step)
        piece.outline.vertices.push_back({developedX(step, a), cutHeight(g, step), 0});
    if (polylineArea(piece.outline) < 0)
        std::reverse(piece.outline.vertices.begin(), piece.outline.vertices.end());
    for (int k = 0; k <= n; ++k) {
        const double x = k * a;
        const double h = g.L[static_cast<size_t>(k)];
        if (k > 0 && k < n) piece.marks.push_back({{x, 0}, {x, h}, stationKind(k, n)});
        piece.labels.push_back({{x, h}, "L" + numberText(k)});
        piece.labels.push_back({{x, 0}, "D" + numberText(k)});
    }
    return piece;
}

bool yTeePatternCuttable(const YTeeGeometry& vertical, const YTeeGeometry& slanted) {
    // The shortest generators are stations (0, n/2 and n), so the stations
    // decide.
    for (const YTeeGeometry* g : {&vertical, &slanted})
        for (double length : g->L)
            if (!(length > 0)) return false;
    return true;
}

FlatPattern yTeePattern(const YTeeGeometry& vertical, const YTeeGeometry& slanted) {
    FlatPattern pattern;
    pattern.fitting = "等径丫形三通";
    pattern.pieces.push_back(yTeePipePiece(vertical));
    pattern.pieces.push_back(yTeePipePiece(slanted));
    // The developed square end of each pipe against its circumference.
    const double roundEdge = std::numbers::pi * vertical.in.D;
    for (const Piece& piece : pattern.pieces)
        pattern.checks.push_back({piece.name + "展开长度 / πD", roundEdge, extentX(piece.outline)});
    return pattern;
}

}  // namespace korvel
