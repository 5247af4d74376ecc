#include "core/fittings/reducing_elbow/reducing_elbow_drawing.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "core/flat_pattern.h"
#include "core/numbers.h"

namespace korvel {
namespace {

constexpr Rgb kRed = rgb(255, 0, 0);
constexpr Rgb kBlue = rgb(0, 0, 192);
constexpr Rgb kGrey = rgb(128, 128, 128);
// Twips kept clear round a drawing, and under each piece for its name.
constexpr double kMargin = 300;
constexpr double kNameRoom = 420;
// Twips kept on each side of the elevation for the ends' names.
constexpr double kEndRoom = 1000;

struct Extent {
    double x0 = std::numeric_limits<double>::max(), y0 = x0;
    double x1 = std::numeric_limits<double>::lowest(), y1 = x1;
    void add(double x, double y) {
        x0 = std::min(x0, x), x1 = std::max(x1, x);
        y0 = std::min(y0, y), y1 = std::max(y1, y);
    }
    double width() const { return x1 - x0; }
    double height() const { return y1 - y0; }
};

// Millimetres (y up) to the box's twips (y down), one scale both ways,
// centred in the box.
class Fit {
public:
    Fit(const Extent& e, const TwipsBox& box) : e_(e) {
        const double w = box.right - box.left - 2 * kMargin, h = box.bottom - box.top - 2 * kMargin;
        scale_ = std::min(w / std::max(e.width(), 1e-9), h / std::max(e.height(), 1e-9));
        left_ = box.left + kMargin + (w - e.width() * scale_) / 2;
        bottom_ = box.bottom - kMargin - (h - e.height() * scale_) / 2;
    }
    double x(double mm) const { return left_ + (mm - e_.x0) * scale_; }
    double y(double mm) const { return bottom_ - (mm - e_.y0) * scale_; }
    double scale() const { return scale_; }

private:
    Extent e_;
    double scale_ = 1, left_ = 0, bottom_ = 0;
};

void segmentLine(const Fit& f, Canvas& canvas, BendPoint a, BendPoint b, std::optional<Rgb> colour = {}) {
    canvas.line(f.x(a.x), f.y(a.y), f.x(b.x), f.y(b.y), colour);
}

}  // namespace

TwipsBox reducingElbowDrawingBox(double W, double H) {
    // The panel is 4020 twips wide; the result labels stand in the last 1500.
    return {4200, 600, std::max(W - 400, 4200 + 3000.0), std::max(H - 1900, 600 + 3000.0)};
}

void drawReducingElbowElevation(const ReducingElbowGeometry& g, const TwipsBox& box, Canvas& canvas) {
    const double pi = g.pi;
    Extent e;
    for (const ElbowSegment& seg : g.segments)
        for (double psi : {0.0, pi})
            for (double s : {seg.sLower(psi), seg.sUpper(psi)}) {
                const BendPoint p = seg.inBendPlane(s, psi);
                e.add(p.x, p.y);
            }
    e.add(0, 0);  // the bend centre
    // Room round the elbow for the ends' names.
    const Fit f(e, {box.left + kEndRoom, box.top + kEndRoom / 2, box.right - kEndRoom, box.bottom - kEndRoom / 2});
    canvas.font(kReducingElbowFontName, kReducingElbowFontPoints);

    for (const ElbowSegment& seg : g.segments) {
        // Generators of the stations on the near half, throat to heel.
        for (int j = 1; j < g.in.n / 2; ++j) {
            const double psi = j * g.delta;
            segmentLine(f, canvas, seg.inBendPlane(seg.sLower(psi), psi), seg.inBendPlane(seg.sUpper(psi), psi),
                        kGrey);
        }
        const BendPoint throatLow = seg.inBendPlane(seg.sLower(0), 0), throatHigh = seg.inBendPlane(seg.sUpper(0), 0);
        const BendPoint heelLow = seg.inBendPlane(seg.sLower(pi), pi), heelHigh = seg.inBendPlane(seg.sUpper(pi), pi);
        segmentLine(f, canvas, throatLow, throatHigh, kBlack);
        segmentLine(f, canvas, heelLow, heelHigh, kBlack);
        segmentLine(f, canvas, throatLow, heelLow, kBlue);
        segmentLine(f, canvas, throatHigh, heelHigh, kBlue);
        // The middle segments by number, as the listing names them 中节1 ...
        const BendPoint middle = seg.inBendPlane(seg.length / 2, pi / 2);
        if (seg.kind == SegmentKind::Middle)
            canvas.text(f.x(middle.x) + 60, f.y(middle.y) - 120, numberText(seg.index));
    }

    // The centre line through the joint points, and the bend centre.
    const ElbowSegment& inlet = g.segments.front();
    const ElbowSegment& outlet = g.segments.back();
    const BendPoint outletEnd = outlet.inBendPlane(outlet.length, pi / 2);
    canvas.lineStyle(LineStyle::Dashed);
    for (const ElbowSegment& seg : g.segments)
        segmentLine(f, canvas, seg.start, seg.inBendPlane(seg.length, pi / 2), kRed);
    segmentLine(f, canvas, {0, 0}, inlet.start, kRed);
    segmentLine(f, canvas, {0, 0}, outletEnd, kRed);
    canvas.lineStyle(LineStyle::Solid);
    canvas.text(f.x(0) + 60, f.y(0) + 60, "O");

    // D1 and D2 beyond the ends' middles, outwards along the axes.
    const auto endName = [&](BendPoint at, BendPoint outwards, const std::string& text) {
        const double dx = outwards.x, dy = -outwards.y;  // on the surface, y down
        const double w = 110.0 * static_cast<double>(text.size()), h = 250;
        canvas.text(f.x(at.x) + dx * 200 - w / 2 + dx * w / 2, f.y(at.y) + dy * 200 - h / 2 + dy * h / 2, text);
    };
    endName(inlet.start, {-inlet.axis.x, -inlet.axis.y}, "D1 = " + roundedText(g.in.D1, g.in.digits));
    endName(outletEnd, outlet.axis, "D2 = " + roundedText(g.in.D2, g.in.digits));
}

void drawReducingElbowPieces(const ReducingElbowGeometry& g, const TwipsBox& box, Canvas& canvas) {
    // Each piece as the pattern lays it out with its seam at the side, drawn
    // through its stations: the bottom and top edges and the generators.
    const int n = g.in.n;
    struct Drawn {
        std::vector<Point2> foot, top;
        Extent e;
    };
    std::vector<Drawn> pieces;
    double cellW = 0, cellH = 0;
    for (const ElbowSegment& seg : g.segments) {
        Drawn d;
        const double seam = stationAngle(g, seg, 0);
        for (int j = 0; j <= n; ++j) {
            const double psi = stationAngle(g, seg, j);
            const auto foot = seg.developed(seg.sBottom(psi), psi, seam), top = seg.developed(seg.sTop(psi), psi, seam);
            d.foot.push_back({foot.x, foot.y});
            d.top.push_back({top.x, top.y});
            d.e.add(foot.x, foot.y);
            d.e.add(top.x, top.y);
        }
        cellW = std::max(cellW, d.e.width());
        cellH = std::max(cellH, d.e.height());
        pieces.push_back(std::move(d));
    }
    const size_t count = pieces.size();
    const double w = box.right - box.left, h = box.bottom - box.top;
    size_t columns = 1;
    double scale = 0;
    for (size_t c = 1; c <= count; ++c) {
        const double rows = static_cast<double>((count + c - 1) / c);
        const double s = std::min((w / static_cast<double>(c) - kMargin) / (cellW * 1.1),
                                  (h / rows - kMargin - kNameRoom) / (cellH * 1.1));
        if (s > scale) scale = s, columns = c;
    }
    const double rows = static_cast<double>((count + columns - 1) / columns);
    canvas.font(kReducingElbowFontName, kReducingElbowFontPoints);
    for (size_t i = 0; i < count; ++i) {
        const Drawn& d = pieces[i];
        const double column = static_cast<double>(i % columns), row = static_cast<double>(i / columns);
        const double cellTop = box.top + h * row / rows, cellBottom = box.top + h * (row + 1) / rows;
        // The piece centred in its cell, above its name.
        const double cx = box.left + w * (column + 0.5) / static_cast<double>(columns);
        const double cy = (cellTop + cellBottom - kNameRoom) / 2;
        const auto X = [&](double mm) { return cx + (mm - (d.e.x0 + d.e.x1) / 2) * scale; };
        const auto Y = [&](double mm) { return cy - (mm - (d.e.y0 + d.e.y1) / 2) * scale; };
        for (int j = 0; j <= n; ++j) {
            const auto J = static_cast<size_t>(j);
            const bool seam = j == 0 || j == n;
            canvas.line(X(d.foot[J].x), Y(d.foot[J].y), X(d.top[J].x), Y(d.top[J].y), seam ? kBlack : kGrey);
            if (j == 0) continue;
            canvas.line(X(d.foot[J - 1].x), Y(d.foot[J - 1].y), X(d.foot[J].x), Y(d.foot[J].y), kBlack);
            canvas.line(X(d.top[J - 1].x), Y(d.top[J - 1].y), X(d.top[J].x), Y(d.top[J].y), kBlack);
        }
        canvas.text(cx - 300, Y(d.e.y0) + 120, segmentName(g.segments[i]));
    }
}

}  // namespace korvel
