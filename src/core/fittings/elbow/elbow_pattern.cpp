#include "core/fittings/elbow/elbow_pattern.h"

#include <algorithm>
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

// The listing's number of the generator `j` divisions from the seam, the
// seam at listing station `first`: first + j, counted on from 1 past n.
int listed(int first, int j, int n) {
    const int i = first + j;
    return i > n ? i - n : i;
}

// The end section with its station 0 at division `phase` (phi = phase * delta).
Piece endSection(const ElbowGeometry& g, int phase) {
    const int n = g.in.n;
    // The end listing's L<i> stands at phi = (i - n/4) delta.
    const int first = ((phase + n / 4) % n + n) % n;
    Piece piece;
    piece.name = "端节";
    piece.count = 2;
    piece.outline.closed = true;
    // Counter-clockwise: along the base line, back along the cut.
    piece.outline.vertices = {{0, 0, 0}, {n * g.a, 0, 0}};
    addCut(g, piece.outline, phase * g.delta, 1, false);
    for (int j = 0; j <= n; ++j) {
        const double x = j * g.a;
        const double h = g.E((j + phase) * g.delta);
        if (j > 0 && j < n) piece.marks.push_back({{x, 0}, {x, h}, stationKind(j, n)});
        const int i = listed(first, j, n);
        piece.labels.push_back({{x, h}, "L" + numberText(i), i});
        piece.labels.push_back({{x, 0}, "D" + numberText(j), j});
    }
    return piece;
}

// The middle section with its station 0 at division `phase`.
Piece middleSection(const ElbowGeometry& g, int phase) {
    const int n = g.in.n;
    // The middle listing's L<j> stands at phi = (j + n/4) delta.
    const int first = ((phase - n / 4) % n + n) % n;
    Piece piece;
    piece.name = "中节";
    piece.count = g.in.k - 2;
    piece.outline.closed = true;
    addCut(g, piece.outline, phase * g.delta, -1, true);  // the lower cut, left to right
    addCut(g, piece.outline, phase * g.delta, 1, false);  // the upper cut, right to left
    piece.marks.push_back({{0, 0}, {n * g.a, 0}, MarkKind::CentreLine});
    for (int j = 0; j <= n; ++j) {
        const double x = j * g.a;
        const double h = g.E((j + phase) * g.delta);
        if (j > 0 && j < n) piece.marks.push_back({{x, -h}, {x, h}, stationKind(j, n)});
        const int i = listed(first, j, n);
        piece.labels.push_back({{x, h}, "L" + numberText(i), i});
        piece.labels.push_back({{x, 0}, "D" + numberText(j), j});
    }
    return piece;
}

void moveUp(Piece& piece, double dy, bool upsideDown) {
    const double sign = upsideDown ? -1 : 1;
    for (Vertex& v : piece.outline.vertices) v.y = sign * v.y + dy;
    // Turned over, the outline runs clockwise: back to counter-clockwise.
    // The base line first again, now from right to left.
    if (upsideDown) {
        std::vector<Vertex>& v = piece.outline.vertices;
        std::reverse(v.begin(), v.end());
        std::rotate(v.begin(), v.end() - 2, v.end());
    }
    for (MarkLine& m : piece.marks) m.from.y = sign * m.from.y + dy, m.to.y = sign * m.to.y + dy;
    for (StationLabel& l : piece.labels) l.at.y = sign * l.at.y + dy;
}

// The sections of the alternating seam, nested in one strip (elbow_pattern.h).
std::vector<Piece> strip(const ElbowGeometry& g) {
    const int n = g.in.n, k = g.in.k;
    const int throat = 0, heel = n / 2;
    // The largest piece: the girth, or a middle section's height 2 Lmax.
    const double extent = std::max(n * g.a, (k > 2 ? 2 : 1) * g.Lmax);
    const double gap = 3 * sheetTextHeight(extent);
    const double step = 2 * g.in.R * g.T;  // a middle section's length on the axis
    std::vector<Piece> pieces;
    pieces.push_back(endSection(g, throat));
    for (int i = 1; i <= k - 2; ++i) {
        pieces.push_back(middleSection(g, i % 2 == 1 ? heel : throat));
        moveUp(pieces.back(), i * (step + gap), false);
    }
    // The last end section is the first's neighbour's opposite: from the
    // heel after an odd number of middle sections' turns.
    pieces.push_back(endSection(g, (k - 1) % 2 == 1 ? heel : throat));
    moveUp(pieces.back(), (k - 1) * (step + gap), true);
    int ends = 0, middles = 0;
    for (Piece& piece : pieces) {
        piece.name += numberText(piece.name == "端节" ? ++ends : ++middles);
        piece.count = 1;
    }
    return pieces;
}

}  // namespace

const std::vector<SeamPlace>& elbowSeamPlaces() {
    static const std::vector<SeamPlace> places{{"side", "侧面（弯头中性面上的素线）"},
                                               {"throat", "喉部（内侧）"},
                                               {"heel", "背部（外侧）"},
                                               {"alternate", "相邻两节交错（喉部、背部轮流，各节套裁在一条板上）"}};
    return places;
}

ElbowSeam elbowSeam(const std::optional<std::string>& keyword) {
    if (keyword == "throat") return ElbowSeam::Throat;
    if (keyword == "heel") return ElbowSeam::Heel;
    if (keyword == "alternate") return ElbowSeam::Alternate;
    return ElbowSeam::Side;
}

FlatPattern elbowPattern(const ElbowGeometry& g, ElbowSeam seam) {
    FlatPattern pattern;
    pattern.fitting = "任意角度弯头";
    const int n = g.in.n;
    if (seam == ElbowSeam::Alternate) {
        pattern.pieces = strip(g);
        pattern.nested = true;
    } else {
        // The stations' phases: the preset's side, the throat (0) or the heel (n/2).
        const int end = seam == ElbowSeam::Side ? -(n / 4) : seam == ElbowSeam::Throat ? 0 : n / 2;
        const int middle = seam == ElbowSeam::Side ? n / 4 : end;
        pattern.pieces.push_back(endSection(g, end));
        if (g.in.k > 2) pattern.pieces.push_back(middleSection(g, middle));
    }
    const double roundEdge = g.pi * g.in.D;
    for (const Piece& piece : pattern.pieces) {
        // The square end of the end section and the middle section's centre
        // line are the developed circumference.
        const double developed = piece.name.starts_with("端节")
                                     ? std::fabs(piece.outline.vertices[1].x - piece.outline.vertices[0].x)
                                     : piece.marks.front().to.x - piece.marks.front().from.x;
        pattern.checks.push_back({piece.name + "展开长度 / πD", roundEdge, developed});
    }
    return pattern;
}

}  // namespace korvel
