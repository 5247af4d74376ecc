#include "core/fittings/tee/ytee_pattern.h"

#include <cmath>
#include <numbers>

#include "core/fittings/tee/pipe_development.h"

namespace korvel {
namespace {

// The division listing's arc: the outside circumference in n parts.
double divisionArc(const YTeeGeometry& g) { return computeTeeDivisions(g.in.D, g.in.n, g.in.digits).a; }

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

}  // namespace

Piece yTeePipePiece(const YTeeGeometry& g) {
    const bool vertical = g.pipe == YTeePipe::Vertical;
    return developedPipe(vertical ? "竖管" : "斜管", vertical ? 1 : 2, divisionArc(g), g.L, kYTeeCurvePoints,
                         [&](int step) { return cutHeight(g, step); });
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
