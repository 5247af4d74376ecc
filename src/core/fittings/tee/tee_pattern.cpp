#include "core/fittings/tee/tee_pattern.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>
#include <numbers>

#include "core/fittings/tee/pipe_development.h"
#include "core/fittings/tee/tee_joint.h"
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

// The window's station at position j of a branch developed from station
// `seam` round to itself.
int listedStation(int j, int seam, int n) { return j + seam > n ? j + seam - n : j + seam; }

Piece branch(const TeeGeometry& g, double a, int seam) {
    const int n = g.in.n;
    const int points = n * kTeeCurvePoints;
    std::vector<double> stations;
    for (int j = 0; j <= n; ++j) stations.push_back(g.L[static_cast<size_t>(listedStation(j, seam, n))]);
    const auto cut = [&](int step) {
        const int from = step + seam * kTeeCurvePoints;
        return curvePoint(g, from > points ? from - points : from).L;
    };
    return developedPipe("支管", 1, a, stations, kTeeCurvePoints, cut, seam);
}

// The opening through `pointAt(step)`, a point of the densified outline on
// the unrolled main pipe (a station at every multiple of kTeeCurvePoints).
Piece opening(const TeeGeometry& g, const std::function<Meeting(int step)>& pointAt) {
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
        const Meeting m = pointAt(step);
        vertices.push_back({m.x, 0.0 - m.y, 0});
    }
    for (int step = last; step >= 1; --step) {
        const Meeting m = pointAt(step);
        const Vertex v{m.x, m.y, 0};
        if (!(v == vertices.back())) vertices.push_back(v);
    }
    makeCounterClockwise(piece.outline);

    const auto x = [&](int i) { return pointAt(i * kTeeCurvePoints).x; };
    const auto y = [&](int i) { return pointAt(i * kTeeCurvePoints).y; };
    piece.marks.push_back({{0, 0}, {x(half), 0}, MarkKind::CentreLine});
    for (int i = 1; i < half; ++i)
        piece.marks.push_back({{x(i), 0.0 - y(i)}, {x(i), y(i)}, pipeStationKind(i, g.in.n)});
    for (int i = 0; i <= half; ++i) {
        piece.labels.push_back({{x(i), 0}, "x" + numberText(i), i});
        piece.labels.push_back({{x(i), y(i)}, "y" + numberText(i), i});
    }
    return piece;
}

Piece opening(const TeeGeometry& g) {
    return opening(g, [&](int step) { return curvePoint(g, step); });
}

// The pattern's checks: the branch's developed square end against the
// circumference of `diameter`, the opening's length along the main pipe
// against the x of its far station.
void addChecks(FlatPattern& pattern, int n, double diameter, double farX) {
    pattern.checks.push_back({"支管展开长度 / πd", std::numbers::pi * diameter, extentX(pattern.pieces[0].outline)});
    pattern.checks.push_back({"主管开孔轴向长度 / x" + numberText(n / 2), farX, extentX(pattern.pieces[1].outline)});
}

// The largest width or height of the pieces' outlines (straight edges), mm.
double largestOutline(const FlatPattern& pattern) {
    double extent = 0;
    for (const Piece& piece : pattern.pieces) {
        double minY = 0, maxY = 0;
        for (const Vertex& v : piece.outline.vertices) {
            minY = std::min(minY, v.y);
            maxY = std::max(maxY, v.y);
        }
        extent = std::max({extent, extentX(piece.outline), maxY - minY});
    }
    return extent;
}

}  // namespace

bool teePatternCuttable(const TeeGeometry& g) {
    // With 0 < alpha <= 90 and r > 0 every generator is Ls or longer.
    return g.r > 0 && g.in.Ls > 0;
}

FlatPattern teePattern(const TeeGeometry& g, std::optional<double> developedDiameter, int seamStation) {
    const int n = g.in.n;
    // The division listing's arc: the branch's outside circumference in n
    // parts, or the developed surface's.
    const double a = computeTeeDivisions(developedDiameter.value_or(g.in.d), n, g.in.digits).a;
    FlatPattern pattern;
    pattern.fitting = "任意角度等径异径三通";
    pattern.pieces.push_back(branch(g, a, seamStation));
    pattern.pieces.push_back(opening(g));
    // Against the diameter as typed, or the developed one.
    addChecks(pattern, n, developedDiameter.value_or(g.in.d + kBranchAllowance), g.x[static_cast<size_t>(n / 2)]);
    return pattern;
}

FlatPattern teeJointPattern(const TeeGeometry& g, const TeeJointPattern& joint) {
    const int n = g.in.n;
    const int seam = joint.seamStation;
    const double a = computeTeeDivisions(joint.developedDiameter, n, g.in.digits).a;
    FlatPattern pattern;
    pattern.fitting = "任意角度等径异径三通";
    pattern.pieces.push_back(branch(g, a, seam));
    const double theta = g.delta * kTeePi / 180;
    pattern.pieces.push_back(opening(g, [&](int step) {
        const HolePoint p = holePoint(g.r, joint.holeSurface, g.A, step * theta / kTeeCurvePoints);
        return Meeting{0, p.x, p.y};
    }));
    addChecks(pattern, n, joint.developedDiameter, holePoint(g.r, joint.holeSurface, g.A, n / 2 * theta).x);

    // The wall angles inside the piece, under the cut: the station names
    // stand over it. Each text's box (names half the sheet's text height, as
    // the sheet writes them, moved a fifth of that up and right) keeps a
    // name's height clear below the lowest station of the cut it spans.
    const double nameHeight = sheetTextHeight(largestOutline(pattern)) / 2;
    Piece& branchPiece = pattern.pieces[0];
    for (int j = 0; j <= n; ++j) {
        const int i = listedStation(j, seam, n);
        const std::string text = wallAngleText(wallAngle(g.r, g.R, g.A, i * theta));
        const double width = estimatedTextWidth(text, nameHeight) + 0.2 * nameHeight;
        double low = g.L[static_cast<size_t>(i)];
        for (int k = j + 1; k <= n && (k - 1 - j) * a < width; ++k)
            low = std::min(low, g.L[static_cast<size_t>(listedStation(k, seam, n))]);
        branchPiece.labels.push_back({{j * a, low - 2.2 * nameHeight}, text, j, "wall angle", true});
    }
    return pattern;
}

}  // namespace korvel
