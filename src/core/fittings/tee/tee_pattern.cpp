#include "core/fittings/tee/tee_pattern.h"

#include <cmath>
#include <numbers>

#include "core/fittings/tee/pipe_development.h"
#include "core/numbers.h"

namespace korvel {
namespace {

// Where the branch generator at `divisions` division angles from generator 0
// meets the main pipe: its true length, and the meeting point on the unrolled
// main pipe. The station formulas at any angle.
struct Meeting {
    double L = 0, x = 0, y = 0;
};

Meeting meetingAt(const TeeGeometry& g, double divisions) {
    const double theta = divisions * g.delta * kTeePi / 180;
    const double s = g.r * std::sin(theta) / g.R;
    const double phi = std::atan(s / std::sqrt(1 - s * s));
    Meeting m;
    m.L = g.in.Ls + g.r * (1 - std::cos(theta)) / std::tan(g.A) + g.R * (1 - std::cos(phi)) / std::sin(g.A);
    m.x = (m.L - g.L[0]) * std::cos(g.A) + g.r * (1 - std::cos(theta)) * std::sin(g.A);
    m.y = g.R * phi;
    return m;
}

// Point `step` of the densified curve: a station when step is a multiple of
// kTeeCurvePoints (its listed values exactly), else a point between stations.
Meeting curvePoint(const TeeGeometry& g, int step) {
    const size_t i = static_cast<size_t>(step / kTeeCurvePoints);
    if (step % kTeeCurvePoints == 0) {
        Meeting m;
        m.L = g.L[i];
        if (i < g.x.size()) {
            m.x = g.x[i];
            m.y = g.y[i];
        }
        return m;
    }
    return meetingAt(g, static_cast<double>(step) / kTeeCurvePoints);
}

Piece branch(const TeeGeometry& g, double a) {
    return developedPipe("支管", 1, a, g.L, kTeeCurvePoints, [&](int step) { return curvePoint(g, step).L; });
}

Piece opening(const TeeGeometry& g) {
    const int half = g.in.n / 2;
    const int last = half * kTeeCurvePoints;
    Piece piece;
    piece.name = "主管开孔";
    piece.count = 1;
    piece.outline.closed = true;
    auto& vertices = piece.outline.vertices;
    // One side from generator 0's meeting point to the far end, then the
    // other side back; y = 0 is the line of symmetry.
    for (int step = 0; step <= last; ++step) {
        const Meeting m = curvePoint(g, step);
        vertices.push_back({m.x, 0.0 - m.y, 0});
    }
    for (int step = last; step >= 1; --step) {
        const Meeting m = curvePoint(g, step);
        const Vertex v{m.x, m.y, 0};
        if (!(v == vertices.back())) vertices.push_back(v);
    }
    makeCounterClockwise(piece.outline);

    const auto x = [&](int i) { return g.x[static_cast<size_t>(i)]; };
    const auto y = [&](int i) { return g.y[static_cast<size_t>(i)]; };
    piece.marks.push_back({{0, 0}, {x(half), 0}, MarkKind::CentreLine});
    for (int i = 1; i < half; ++i)
        piece.marks.push_back({{x(i), 0.0 - y(i)}, {x(i), y(i)}, pipeStationKind(i, g.in.n)});
    for (int i = 0; i <= half; ++i) {
        piece.labels.push_back({{x(i), 0}, "x" + numberText(i), i});
        piece.labels.push_back({{x(i), y(i)}, "y" + numberText(i), i});
    }
    return piece;
}

}  // namespace

bool teePatternCuttable(const TeeGeometry& g) {
    // With 0 < alpha <= 90 and r > 0 every generator is Ls or longer.
    return g.r > 0 && g.in.Ls > 0;
}

FlatPattern teePattern(const TeeGeometry& g, std::optional<double> developedDiameter) {
    const int n = g.in.n;
    // The division listing's arc: the branch's outside circumference in n
    // parts, or the developed surface's.
    const double a = computeTeeDivisions(developedDiameter.value_or(g.in.d), n, g.in.digits).a;
    FlatPattern pattern;
    pattern.fitting = "任意角度等径异径三通";
    pattern.pieces.push_back(branch(g, a));
    pattern.pieces.push_back(opening(g));
    const Piece& branchPiece = pattern.pieces[0];
    const Piece& openingPiece = pattern.pieces[1];
    // The branch's developed square end against the circumference of the
    // diameter as typed; the opening's length along the main pipe against
    // the listed x of the far point.
    pattern.checks.push_back({"支管展开长度 / πd",
                              std::numbers::pi * developedDiameter.value_or(g.in.d + kBranchAllowance),
                              extentX(branchPiece.outline)});
    pattern.checks.push_back({"主管开孔轴向长度 / x" + numberText(n / 2), g.x[static_cast<size_t>(n / 2)],
                              extentX(openingPiece.outline)});
    return pattern;
}

}  // namespace korvel
