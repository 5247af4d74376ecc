#include "core/fittings/frustum/rect_frustum_pattern.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace korvel {
namespace {

// One face as laid out on its own: the big side from (0, 0) to (big, 0), the
// small side from (run, height) to (run + small, height).
struct Face {
    double big = 0, small = 0, height = 0, run = 0;
    const char* name = "";
};

// Where a face's own coordinates land on the development: turned by the
// angle whose cosine and sine are c and s, then moved to `origin`.
struct Placement {
    Point2 origin;
    double c = 1, s = 0;
    Point2 map(double u, double v) const { return {origin.x + c * u - s * v, origin.y + s * u + c * v}; }
};

Point2 midpoint(Point2 p, Point2 q) { return {(p.x + q.x) / 2, (p.y + q.y) / 2}; }
double distance(Point2 p, Point2 q) { return std::hypot(q.x - p.x, q.y - p.y); }

// The face on the right of `bigCorner`-`smallCorner`, its left slanted side
// laid onto that line, its big end at `bigCorner`.
Placement turnOnto(const Face& face, Point2 bigCorner, Point2 smallCorner) {
    const double angle =
        std::atan2(smallCorner.y - bigCorner.y, smallCorner.x - bigCorner.x) - std::atan2(face.height, face.run);
    return {bigCorner, std::cos(angle), std::sin(angle)};
}

// The face's height line, perpendicular to both sides through the middle of
// the part of the small side that stands over the big side, with its name; a
// face whose sides have nothing in common gets only the name, in its middle.
void markHeight(Piece& piece, const Face& face, const Placement& at) {
    const double low = std::max(0.0, face.run), high = std::min(face.big, face.run + face.small);
    if (low <= high) {
        const double u = (low + high) / 2;
        const Point2 foot = at.map(u, 0), top = at.map(u, face.height);
        piece.marks.push_back({foot, top, MarkKind::CentreLine});
        piece.labels.push_back({midpoint(foot, top), face.name});
        return;
    }
    piece.labels.push_back({at.map((face.big / 2 + face.run + face.small / 2) / 2, face.height / 2), face.name});
}

void turnAboutOrigin(Point2& p, double c, double s) { p = {c * p.x - s * p.y, s * p.x + c * p.y}; }

void turnAboutOrigin(Piece& piece, double c, double s) {
    for (Vertex& v : piece.outline.vertices) {
        Point2 p{v.x, v.y};
        turnAboutOrigin(p, c, s);
        v.x = p.x, v.y = p.y;
    }
    for (MarkLine& mark : piece.marks) turnAboutOrigin(mark.from, c, s), turnAboutOrigin(mark.to, c, s);
    for (StationLabel& label : piece.labels) turnAboutOrigin(label.at, c, s);
}

RectFrustumPatternFault checkInputs(const RectFrustumGeometry& g) {
    if (g.fault != RectFrustumFault::None) return RectFrustumPatternFault::Geometry;
    const RectFrustumInputs& in = g.in;
    if (!(in.A > 0 && in.B > 0 && in.a > 0 && in.b > 0)) return RectFrustumPatternFault::Dimensions;
    if (in.H == 0) return RectFrustumPatternFault::Flat;
    return RectFrustumPatternFault::None;
}

}  // namespace

RectFrustumPattern rectFrustumPattern(const RectFrustumGeometry& g) {
    RectFrustumPattern result;
    result.fault = checkInputs(g);
    if (result.fault != RectFrustumPatternFault::None) return result;

    const RectFrustumInputs& in = g.in;
    // Left to right seen from outside, each face's run measured from its
    // left-hand corner: south from the west, east from the south, north from
    // the east, west from the north.
    const std::array<Face, 4> faces{{
        {in.A, in.a, g.h1, g.dW, "h1"},
        {in.B, in.b, g.h4, g.dS, "h4"},
        {in.A, in.a, g.h2, g.dE, "h2"},
        {in.B, in.b, g.h3, g.dN, "h3"},
    }};
    // The joints at the faces' left-hand sides, then the seam again.
    const std::array<const char*, 5> joints{"f1", "f2", "f4", "f3", "f1"};
    const std::array<double, 5> jointLengths{g.f1, g.f2, g.f4, g.f3, g.f1};

    // The big and small ends' corners along the development, 0 and 4 the seam.
    std::array<Point2, 5> big, small;
    std::array<Placement, 4> placed;
    placed[0] = Placement{};
    big[0] = {0, 0};
    small[0] = placed[0].map(faces[0].run, faces[0].height);
    for (size_t i = 0; i < faces.size(); ++i) {
        if (i > 0) placed[i] = turnOnto(faces[i], big[i], small[i]);
        big[i + 1] = placed[i].map(faces[i].big, 0);
        small[i + 1] = placed[i].map(faces[i].run + faces[i].small, faces[i].height);
    }

    Piece piece;
    piece.name = "矩方锥台";
    piece.count = 1;
    piece.outline.closed = true;
    for (size_t i = 0; i < big.size(); ++i) piece.outline.vertices.push_back({big[i].x, big[i].y, 0});
    for (size_t i = small.size(); i-- > 0;) piece.outline.vertices.push_back({small[i].x, small[i].y, 0});
    // The bends as lines; the seam's edges are cut and get their ticks below.
    for (size_t i = 0; i < joints.size(); ++i) {
        const bool seam = i == 0 || i == joints.size() - 1;
        if (!seam) piece.marks.push_back({big[i], small[i], MarkKind::Bend});
        piece.labels.push_back({midpoint(big[i], small[i]), joints[i]});
    }
    for (size_t i = 0; i < faces.size(); ++i) markHeight(piece, faces[i], placed[i]);

    // The seam's two big-end corners level.
    const double across = std::hypot(big[4].x, big[4].y);
    if (across > 0) turnAboutOrigin(piece, big[4].x / across, -big[4].y / across);
    if (!pieceFinite(piece)) {
        result.fault = RectFrustumPatternFault::Geometry;
        return result;
    }
    if (selfIntersects(piece.outline)) {
        result.fault = RectFrustumPatternFault::Overlaps;
        return result;
    }
    const auto corner = [&piece](size_t i) { return Point2{piece.outline.vertices[i].x, piece.outline.vertices[i].y}; };
    addSeamTicks(piece, corner(0), corner(9));
    addSeamTicks(piece, corner(4), corner(5));

    // Measured on the outline as it is cut: corners 0 ... 4 of the big end,
    // then those of the small end backwards.
    const auto& v = piece.outline.vertices;
    const auto bigCorner = [&v](size_t i) { return Point2{v[i].x, v[i].y}; };
    const auto smallCorner = [&v](size_t i) { return Point2{v[9 - i].x, v[9 - i].y}; };
    double bigEnd = 0, smallEnd = 0;
    for (size_t i = 0; i + 1 < big.size(); ++i) {
        bigEnd += distance(bigCorner(i), bigCorner(i + 1));
        smallEnd += distance(smallCorner(i), smallCorner(i + 1));
    }
    FlatPattern& pattern = result.pattern;
    pattern.fitting = "平口矩方形锥台";
    for (size_t i = 0; i < joints.size(); ++i) {
        const char* where = i == 0 ? "（接缝首边）" : i == joints.size() - 1 ? "（接缝尾边）" : "（折弯线）";
        pattern.checks.push_back({std::string(joints[i]) + where + "展开长度 / " + joints[i], jointLengths[i],
                                  distance(bigCorner(i), smallCorner(i))});
    }
    pattern.checks.push_back({"大端展开周长 / 2A+2B", 2 * in.A + 2 * in.B, bigEnd});
    pattern.checks.push_back({"小端展开周长 / 2a+2b", 2 * in.a + 2 * in.b, smallEnd});
    pattern.pieces.push_back(std::move(piece));
    return result;
}

std::string rectFrustumPatternMessage(RectFrustumPatternFault fault) {
    switch (fault) {
        case RectFrustumPatternFault::None:
            return "";
        case RectFrustumPatternFault::Geometry:
            return "输入的数据无法计算，不能生成展开图！";
        case RectFrustumPatternFault::Dimensions:
            return "展开图需要大于0的大小端口边长！";
        case RectFrustumPatternFault::Flat:
            return "上下端口垂直高为0，各面展开后首尾重合，不能生成展开图！";
        case RectFrustumPatternFault::Overlaps:
            return "展开图自身重叠，不能整张板下料！";
    }
    return "";
}

}  // namespace korvel
