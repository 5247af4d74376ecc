#include "core/fittings/reducing_elbow/reducing_elbow_pattern.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/numbers.h"

namespace korvel {
namespace {

MarkKind stationKind(int j, int n) {
    return (j == n / 4 || j == n / 2 || j == 3 * n / 4) ? MarkKind::Quarter : MarkKind::Generator;
}

// The listing's number of the generator `j` divisions from the seam, the
// seam at listing station `first`: first + j, counted on from 1 past n.
int listed(int first, int j, int n) {
    const int i = first + j;
    return i > n ? i - n : i;
}

// Points per division on a cut edge: at least 8, none more than
// kReducingElbowChord apart along the widest girth of the piece, and none
// turning more than kReducingElbowTurn about the cone's apex on the flat
// (a steep cone's edges curve round its apex, whatever their length).
int pointsPerDivision(const ElbowSegment& seg, int n) {
    const double widest = 2 * std::numbers::pi * std::max(seg.rStart, seg.rEnd) / n;
    const double turn = std::fabs(seg.layout.lambda) * 2 * std::numbers::pi / n;
    const double wanted = std::max(widest / kReducingElbowChord, turn / kReducingElbowTurn);
    const int most = std::max(8, kReducingElbowMaxEdgePoints / n);
    return std::clamp(static_cast<int>(std::ceil(wanted)), 8, most);
}

class PieceBuilder {
public:
    PieceBuilder(const ReducingElbowGeometry& g, const ElbowSegment& seg, double seam)
        : g_(g), seg_(seg), seam_(seam), n_(g.in.n), per_(pointsPerDivision(seg, g.in.n)) {}

    // The developed point of generator step/per_ divisions from the seam, on
    // the bottom or the top edge.
    Vertex at(int step, bool top) const {
        const double psi = angle(step);
        const auto p = seg_.developed(top ? seg_.sTop(psi) : seg_.sBottom(psi), psi, seam_);
        return {p.x, p.y, 0};
    }
    Point2 station(int j, bool top) const {
        const Vertex v = at(j * per_, top);
        return {v.x, v.y};
    }
    void addEdge(Polyline& outline, bool top, bool leftToRight) const {
        const int steps = n_ * per_;
        for (int s = 0; s <= steps; ++s) outline.vertices.push_back(at(leftToRight ? s : steps - s, top));
    }
    // An end segment's square end: the reference section's arc from (0, 0)
    // to (w, 0), in 4 arcs between the quarter stations (one line for a
    // cylinder, as the segmented elbow's base line).
    void addSquareEnd(Polyline& outline) const {
        if (seg_.sigma == 0) {
            outline.vertices.push_back(at(0, false));
            outline.vertices.push_back(at(n_ * per_, false));
            return;
        }
        const double lambda = (seg_.reversed() ? -1 : 1) * seg_.sigma / std::sqrt(1 + seg_.sigma * seg_.sigma);
        const double bulge = -std::tan(lambda * std::numbers::pi / 8);
        for (int q = 0; q < 4; ++q) {
            Vertex v = at(q * n_ / 4 * per_, false);
            v.bulge = bulge;
            outline.vertices.push_back(v);
        }
        outline.vertices.push_back(at(n_ * per_, false));
    }
    // A middle segment's reference section, the section square to its axis
    // halfway along it, as chords between the stations.
    void markReference(Piece& piece) const {
        const auto on = [&](int j) {
            const double psi = angle(j * per_);
            const auto p = seg_.developed(seg_.sReference(), psi, seam_);
            return Point2{p.x, p.y};
        };
        if (seg_.sigma == 0) {
            piece.marks.push_back({on(0), on(n_), MarkKind::CentreLine});
            return;
        }
        for (int j = 0; j < n_; ++j) piece.marks.push_back({on(j), on(j + 1), MarkKind::CentreLine});
    }
    Point2 reference(int j) const {
        const auto p = seg_.developed(seg_.sReference(), angle(j * per_), seam_);
        return {p.x, p.y};
    }

private:
    double angle(int step) const { return seam_ + step * g_.delta / per_; }

    const ReducingElbowGeometry& g_;
    const ElbowSegment& seg_;
    double seam_;
    int n_, per_;
};

double edgeLength(const Polyline& outline, size_t from, size_t to) {
    Polyline run;
    run.vertices.assign(outline.vertices.begin() + static_cast<std::ptrdiff_t>(from),
                        outline.vertices.begin() + static_cast<std::ptrdiff_t>(to) + 1);
    return polylineLength(run);
}

// The seam's angle for a segment, and the listing's station there.
struct SeamAt {
    double psi = 0;
    int first = 0;
};

SeamAt seamAt(const ReducingElbowGeometry& g, const ElbowSegment& seg, ReducingElbowSeam seam) {
    const int n = g.in.n;
    // The listing's station i stands at (i -+ n/4) divisions (stationAngle).
    const int offset = seg.kind == SegmentKind::Middle ? n / 4 : -(n / 4);
    int phase = offset;  // the side
    if (seam == ReducingElbowSeam::Throat) phase = 0;
    if (seam == ReducingElbowSeam::Heel) phase = n / 2;
    return {phase * g.delta, ((phase - offset) % n + n) % n};
}

Piece segmentPiece(const ReducingElbowGeometry& g, const ElbowSegment& seg, ReducingElbowSeam seam,
                   std::vector<PatternCheck>& checks) {
    const int n = g.in.n;
    const SeamAt at = seamAt(g, seg, seam);
    const PieceBuilder b(g, seg, at.psi);
    Piece piece;
    piece.name = segmentName(seg);
    piece.count = 1;
    piece.outline.closed = true;
    const bool end = seg.kind != SegmentKind::Middle;
    if (end) b.addSquareEnd(piece.outline);
    else b.addEdge(piece.outline, false, true);
    const size_t topFrom = piece.outline.vertices.size();
    b.addEdge(piece.outline, true, false);
    const size_t topTo = piece.outline.vertices.size() - 1;

    if (!end) b.markReference(piece);
    for (int j = 0; j <= n; ++j) {
        const Point2 foot = b.station(j, false), top = b.station(j, true);
        if (j > 0 && j < n) piece.marks.push_back({foot, top, stationKind(j, n)});
        const int i = listed(at.first, j, n);
        piece.labels.push_back({top, "L" + numberText(i), i});
        piece.labels.push_back({end ? foot : b.reference(j), "D" + numberText(j), j});
    }

    // The developed edges against the 3D curves they are cut to fit.
    const auto jointCheck = [&](int joint, double developed) {
        checks.push_back({piece.name + "接口" + numberText(joint) + "展开长度 / 接口椭圆周长",
                          g.joint(joint).perimeter, developed});
    };
    const double bottom = edgeLength(piece.outline, 0, topFrom - 1);
    const double topLength = edgeLength(piece.outline, topFrom, topTo);
    if (seg.kind == SegmentKind::Inlet) {
        checks.push_back({piece.name + "展开长度 / πD1", g.pi * g.in.D1, bottom});
        jointCheck(1, topLength);
    } else if (seg.kind == SegmentKind::Outlet) {
        checks.push_back({piece.name + "展开长度 / πD2", g.pi * g.in.D2, bottom});
        jointCheck(g.in.k - 1, topLength);
    } else {
        jointCheck(seg.index, bottom);
        jointCheck(seg.index + 1, topLength);
    }
    return piece;
}

}  // namespace

const std::vector<SeamPlace>& reducingElbowSeamPlaces() {
    static const std::vector<SeamPlace> places{
        {"side", "侧面（弯头中性面上的素线）"}, {"throat", "喉部（内侧）"}, {"heel", "背部（外侧）"}};
    return places;
}

ReducingElbowSeam reducingElbowSeam(const std::optional<std::string>& keyword) {
    if (keyword == "throat") return ReducingElbowSeam::Throat;
    if (keyword == "heel") return ReducingElbowSeam::Heel;
    return ReducingElbowSeam::Side;
}

FlatPattern reducingElbowPattern(const ReducingElbowGeometry& g, ReducingElbowSeam seam) {
    FlatPattern pattern;
    pattern.fitting = "变径弯头";
    for (const ElbowSegment& seg : g.segments) pattern.pieces.push_back(segmentPiece(g, seg, seam, pattern.checks));
    return pattern;
}

}  // namespace korvel
