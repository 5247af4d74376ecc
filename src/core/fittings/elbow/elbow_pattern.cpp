#include "core/fittings/elbow/elbow_pattern.h"

#include <cmath>

#include "core/numbers.h"

namespace korvel {
namespace {

// The cut height at distance x along the developed circumference, for the
// piece whose station 0 stands at division angle `phase` (degrees).
double cutAt(const ElbowGeometry& g, double x, double phase) { return g.E(x / g.a * g.delta + phase); }

// Points of the cut over the whole circumference, stations and the points
// between them, at heights sign * cut.
void addCut(const ElbowGeometry& g, Polyline& outline, double phase, double sign, bool leftToRight) {
    const int steps = g.in.n * kElbowCurvePoints;
    for (int s = 0; s <= steps; ++s) {
        const int step = leftToRight ? s : steps - s;
        // Stations exactly at j * a, so their heights are the listed ones.
        const double x = (step / kElbowCurvePoints) * g.a + (step % kElbowCurvePoints) * g.a / kElbowCurvePoints;
        outline.vertices.push_back({x, sign * cutAt(g, x, phase), 0});
    }
}

MarkKind stationKind(int j, int n) {
    return (j == n / 4 || j == n / 2 || j == 3 * n / 4) ? MarkKind::Quarter : MarkKind::Generator;
}

Piece endSection(const ElbowGeometry& g) {
    const int n = g.in.n;
    const double phase = -(n / 4) * g.delta;
    Piece piece;
    piece.name = "端节";
    piece.count = 2;
    piece.outline.closed = true;
    // Counter-clockwise: along the base line, back along the cut.
    piece.outline.vertices = {{0, 0, 0}, {n * g.a, 0, 0}};
    addCut(g, piece.outline, phase, 1, false);
    for (int j = 0; j <= n; ++j) {
        const double x = j * g.a;
        const double h = g.E((j - n / 4) * g.delta);
        if (j > 0 && j < n) piece.marks.push_back({{x, 0}, {x, h}, stationKind(j, n)});
        piece.labels.push_back({{x, h}, "L" + numberText(j), j});
        piece.labels.push_back({{x, 0}, "D" + numberText(j), j});
    }
    return piece;
}

Piece middleSection(const ElbowGeometry& g) {
    const int n = g.in.n;
    const double phase = (n / 4) * g.delta;
    Piece piece;
    piece.name = "中节";
    piece.count = g.in.k - 2;
    piece.outline.closed = true;
    addCut(g, piece.outline, phase, -1, true);  // the lower cut, left to right
    addCut(g, piece.outline, phase, 1, false);  // the upper cut, right to left
    piece.marks.push_back({{0, 0}, {n * g.a, 0}, MarkKind::CentreLine});
    for (int j = 0; j <= n; ++j) {
        const double x = j * g.a;
        const double h = g.E((j + n / 4) * g.delta);
        if (j > 0 && j < n) piece.marks.push_back({{x, -h}, {x, h}, stationKind(j, n)});
        piece.labels.push_back({{x, h}, "L" + numberText(j), j});
        piece.labels.push_back({{x, 0}, "D" + numberText(j), j});
    }
    return piece;
}

}  // namespace

FlatPattern elbowPattern(const ElbowGeometry& g) {
    FlatPattern pattern;
    pattern.fitting = "任意角度弯头";
    pattern.pieces.push_back(endSection(g));
    if (g.in.k > 2) pattern.pieces.push_back(middleSection(g));
    const double roundEdge = g.pi * g.in.D;
    for (const Piece& piece : pattern.pieces) {
        // The square end of the end section and the middle section's centre
        // line are the developed circumference.
        const double developed = piece.name == "端节" ? piece.outline.vertices[1].x - piece.outline.vertices[0].x
                                                       : piece.marks.front().to.x - piece.marks.front().from.x;
        pattern.checks.push_back({piece.name + "展开长度 / πD", roundEdge, developed});
    }
    return pattern;
}

}  // namespace korvel
