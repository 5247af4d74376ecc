#include "core/fittings/tee/ytee_geometry.h"

#include <cmath>

#include "core/numbers.h"

namespace korvel {
namespace {

// " L4=800": a blank, then the name, the index and the rounded value.
std::string listingLine(const char* name, int index, double value, int digits) {
    return " " + teeListingLine(name, index, value, digits);
}

}  // namespace

YTeeGeometry computeYTee(const YTeeInputs& in, YTeePipe pipe) {
    YTeeGeometry g;
    g.in = in;
    g.pipe = pipe;
    if (!(in.beta > 0 && in.beta <= 180)) {
        g.fault = YTeeFault::Angle;
        return g;
    }
    if (!teeDivisionsUsable(in.n)) {
        g.fault = YTeeFault::Divisions;
        return g;
    }
    const int n = in.n;
    g.R = in.D / 2;
    g.delta = 360.0 / n;
    g.Ta = std::tan(in.beta / 4 * kYTeePi / 180);
    g.Tb = 1 / std::tan(in.beta / 2 * kYTeePi / 180);
    g.L.reserve(static_cast<size_t>(n) + 1);
    for (int k = 0; k <= n; ++k) {
        // The slanted pipe meets the vertical one on the half centred on
        // generator 0 and the other slanted pipe on the half centred on n/2.
        const bool againstVertical = pipe == YTeePipe::Vertical || k <= n / 4 || k >= 3 * n / 4;
        const double slope = againstVertical ? g.Ta : g.Tb;
        g.L.push_back(in.L - g.R * std::fabs(std::cos(k * g.delta * kYTeePi / 180)) * slope);
    }
    // Heights are drawn at 3 twips per millimetre.
    for (double length : g.L)
        if (!std::isfinite(length) || !std::isfinite(3 * length)) g.fault = YTeeFault::OutOfRange;
    return g;
}

TeeListing yTeeListing(const YTeeGeometry& g) {
    return halvedListing(g.pipe == YTeePipe::Vertical ? "   管Ⅰ实长过" : "   管Ⅱ实长过", "度线数据", g.in.n,
                         [&](int k) { return listingLine("L", k, g.L[static_cast<size_t>(k)], g.in.digits); });
}

TeeListing yTeeDivisionListing(const TeeDivisions& v) {
    return halvedListing("     圆周等份", "累加数据", v.n,
                         [&](int i) { return listingLine("D", i, i * v.a, v.digits); });
}

std::string yTeeTitle(YTeePipe pipe) {
    return pipe == YTeePipe::Vertical ? "竖管展开放样图 x 1 件" : "斜管展开放样图 x 2 件";
}

std::string yTeePieceCaption(YTeePipe pipe) {
    return pipe == YTeePipe::Vertical ? "竖管展开放样 x 1 件" : "斜管展开放样 x 2 件";
}

YTeeLayout yTeeLayout(double W, double H, int n) {
    YTeeLayout layout;
    layout.x0 = roundHalfEven(W / 15000 * 3800, 0);
    layout.w = roundHalfEven(W / 15000 * 10800, 0);
    layout.xm = roundHalfEven(W / 15000 * 9200, 0);
    layout.xe = roundHalfEven(W / 15000 * 14600, 0);
    layout.y0 = roundHalfEven(H / 10 * 8, 0);
    layout.n = n;
    layout.p = layout.w / n;
    return layout;
}

void drawYTee(const YTeeGeometry& g, const YTeeLayout& layout, Canvas& canvas) {
    const int n = g.in.n;
    const int q = n / 4, h = n / 2, q3 = 3 * n / 4;
    const double y0 = layout.y0;
    auto top = [&](int k) { return y0 - 3 * g.L[static_cast<size_t>(k)]; };
    auto X = [&](int k) { return layout.X(k); };
    auto Xm = [&](int k) { return layout.Xm(k); };

    // The outer quarters at x0 + k p, the middle half at xm + (k - n/2) p.
    for (int k = 0; k <= q - 1; ++k) {
        canvas.line(X(k), top(k), X(k), y0, kYTeeCyan);
        canvas.line(X(k), top(k), X(k + 1), top(k + 1), kYTeeCyan);
    }
    canvas.line(layout.x0, y0, layout.xe, y0, kYTeeCyan);
    for (int k = q3 + 1; k <= n; ++k) canvas.line(X(k), top(k), X(k), y0, kYTeeCyan);
    for (int k = q; k <= q3; ++k) canvas.line(Xm(k), top(k), Xm(k), y0, kYTeeCyan);
    for (int k = q3; k <= n - 1; ++k) canvas.line(X(k), top(k), X(k + 1), top(k + 1), kYTeeCyan);
    for (int k = q; k <= q3 - 1; ++k) canvas.line(Xm(k), top(k), Xm(k + 1), top(k + 1), kYTeeCyan);
    for (int k : {q, h, q3}) canvas.line(Xm(k), top(k), Xm(k), y0, kWhite);

    for (int k = 0; k <= n; k += 2) canvas.text(X(k) - 150, y0 + 120, "D" + numberText(k));
    canvas.text(2.1 * layout.x0, y0 + 500, yTeePieceCaption(g.pipe));
    for (int k = 0; k <= q; k += 2) canvas.text(X(k) - 150, top(k) - 300, "L" + numberText(k));
    // The middle half's names carry no number.
    for (int j = -q + 2; j <= q - 2; j += 2) canvas.text(Xm(h + j) - 50, top(h + j) - 300, "L");
    for (int k = q3; k <= n; k += 2) canvas.text(X(k) - 150, top(k) - 300, "L" + numberText(k));
}

}  // namespace korvel
