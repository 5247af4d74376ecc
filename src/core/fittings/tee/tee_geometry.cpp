#include "core/fittings/tee/tee_geometry.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/numbers.h"
#include "core/scale_bands.h"

namespace korvel {
namespace {

// Largest scale of the opening table: every drawn opening coordinate is at
// most this many twips per millimetre.
constexpr double kLargestScale = 23;

bool finite(const std::vector<double>& values, double factor) {
    for (double v : values)
        if (!std::isfinite(v) || !std::isfinite(v * factor)) return false;
    return true;
}

double theta(const TeeGeometry& g, int i) { return i * g.delta * kTeePi / 180; }

// Sine of the angle about the main-pipe axis at which generator i meets the
// main pipe.
double meetingSine(const TeeGeometry& g, int i) { return g.r * std::sin(theta(g, i)) / g.R; }

// That angle itself, signed; 0 for generator 0.
double meetingAngle(const TeeGeometry& g, int i) {
    const double s = meetingSine(g, i);
    return std::atan(s / std::sqrt(1 - s * s));
}

// Both ends of a band belong to it; the bands are tried in this order.
constexpr ScaleBand kScaleBands[] = {
    {0, 120, 23},       {121, 220, 12.5},   {221, 320, 8.5},    {321, 420, 6.5},    {421, 520, 5.2},
    {521, 620, 4.3},    {621, 720, 3.8},    {721, 820, 3.3},    {821, 920, 3.0},    {921, 1020, 2.7},
    {1021, 1120, 2.5},  {1121, 1220, 2.3},  {1221, 1320, 2.1},  {1321, 1420, 1.9},  {1421, 1520, 1.8},
    {1521, 1620, 1.7},  {1621, 1720, 1.6},  {1721, 1820, 1.5},  {1821, 1920, 1.4},  {1921, 2020, 1.3},
    {2021, 2120, 1.2},  {2121, 2220, 1.1},  {2221, 2320, 1.1},  {2321, 2920, 0.9},  {2921, 3520, 0.8},
    {3521, 4020, 0.7},  {4021, 4520, 0.6},
};
constexpr double kOtherScale = 0.5;

}  // namespace

TeeGeometry computeTee(const TeeInputs& in) {
    TeeGeometry g;
    g.in = in;
    if (!(in.D > 0)) {
        g.fault = TeeFault::MainDiameter;
        return g;
    }
    if (!(in.alpha > 0 && in.alpha <= 90)) {
        g.fault = TeeFault::Angle;
        return g;
    }
    if (!teeDivisionsUsable(in.n)) {
        g.fault = TeeFault::Divisions;
        return g;
    }
    g.R = in.D / 2;
    g.r = in.d / 2 - in.t;
    g.delta = 360.0 / in.n;
    g.A = in.alpha * kTeePi / 180;
    for (int i = 0; i <= in.n; ++i) {
        const double s = meetingSine(g, i);
        if (!std::isfinite(s) || 1 - s * s < 0) {
            g.fault = std::isfinite(g.r) ? TeeFault::Wall : TeeFault::OutOfRange;
            return g;
        }
    }

    const double tanA = std::tan(g.A);
    const double sinA = std::sin(g.A);
    g.L.reserve(static_cast<size_t>(in.n) + 1);
    for (int i = 0; i <= in.n; ++i) {
        const double phi = meetingAngle(g, i);
        g.L.push_back(in.Ls + g.r * (1 - std::cos(theta(g, i))) / tanA + g.R * (1 - std::cos(phi)) / sinA);
    }
    // The opening: the generator's length beyond the shortest one and its
    // offset across the branch, both projected on the main-pipe axis; round
    // the main pipe, the arc of the meeting angle.
    const double cosA = std::cos(g.A);
    for (int i = 0; i <= in.n / 2 + 1; ++i) {
        g.x.push_back((g.L[static_cast<size_t>(i)] - g.L[0]) * cosA + g.r * (1 - std::cos(theta(g, i))) * sinA);
        g.y.push_back(g.R * meetingAngle(g, i));
    }
    // Branch heights are drawn at 2 twips per millimetre.
    if (!finite(g.L, 2) || !finite(g.x, kLargestScale) || !finite(g.y, kLargestScale))
        g.fault = TeeFault::OutOfRange;
    return g;
}

TeeListing branchListing(const TeeGeometry& g) {
    return halvedListing("  支管展开实", "长过度线数据", g.in.n, [&](int i) {
        return teeListingLine("L", i, g.L[static_cast<size_t>(i)], g.in.digits);
    });
}

TeeListing openingListing(const TeeGeometry& g) {
    TeeListing listing{"主管开孔横向", "主管开孔竖向", {}, {}};
    for (int i = 0; i <= g.in.n / 2; ++i) {
        listing.left.push_back(teeListingLine("x", i, g.x[static_cast<size_t>(i)], g.in.digits));
        listing.right.push_back(teeListingLine("y", i, g.y[static_cast<size_t>(i)], g.in.digits));
    }
    return listing;
}

TeeListing teeDivisionListing(const TeeDivisions& v) {
    return halvedListing("    支管圆周", "等份累加数", v.n,
                         [&](int i) { return teeListingLine("D", i, i * v.a, v.digits); });
}

BranchLayout branchLayout(double W, double H, int n) {
    BranchLayout layout;
    layout.xL = W / 10 * 2.3;
    layout.xR = W / 10 * 9.7;
    layout.p = (W / 10 * 7.4) / n;
    layout.y0 = H / 10 * 8.7;
    return layout;
}

void drawBranch(const TeeGeometry& g, const BranchLayout& layout, Canvas& canvas) {
    const int n = g.in.n;
    const double y0 = layout.y0;
    auto top = [&](int i) { return y0 - 2 * g.L[static_cast<size_t>(i)]; };

    for (int i = 0; i <= n; ++i) canvas.line(layout.x(i), y0, layout.x(i), top(i), kTeeCyan);
    canvas.line(layout.xL, y0, layout.xR, y0, kTeeCyan);
    // The cutting curve through the tops.
    for (int i = 0; i < n; ++i) canvas.line(layout.x(i), top(i), layout.x(i + 1), top(i + 1), kTeeCyan);
    // The generator on the obtuse side, where the pattern is joined.
    canvas.line(layout.x(n / 2), y0, layout.x(n / 2), top(n / 2), kWhite);
    for (int i = 0; i <= n; i += 2) canvas.text(layout.x(i) - 150, y0 + 120, "D" + numberText(i));
    for (int i = 0; i <= n; i += 2) canvas.text(layout.x(i) - 150, top(i) - 300, "L" + numberText(i));
}

double openingScale(double dTyped) { return bandScale(kScaleBands, dTyped, kOtherScale); }

void drawOpening(const TeeGeometry& g, double s, Canvas& canvas) {
    const int half = g.in.n / 2;
    auto X = [&](int i) { return kOpeningX + g.x[static_cast<size_t>(i)] * s; };
    auto up = [&](int i) { return kOpeningY - g.y[static_cast<size_t>(i)] * s; };
    auto down = [&](int i) { return kOpeningY + g.y[static_cast<size_t>(i)] * s; };

    // The main-pipe generator in the plane of both axes, with the division
    // numbers printed on it as numbers. Towards the far end the stations
    // crowd together: a number whose digits would run into the last one
    // printed is left out, and the far end's number, always printed, takes
    // the place of the one before it if they clash. The window's 9 point
    // font takes about 100 twips a digit after a leading space of about 60.
    const auto digitsFrom = [&](int i) { return X(i) - 180 + 60; };
    const auto digitsTo = [&](int i) { return digitsFrom(i) + 100 * static_cast<double>(numberText(i).size()); };
    std::vector<int> numbered;
    for (int i = 0; i <= half; ++i) {
        const bool clear = numbered.empty() || digitsFrom(i) >= digitsTo(numbered.back()) + 60;
        if (i == half && !clear) numbered.pop_back();
        if (clear || i == half) numbered.push_back(i);
    }
    for (int i = 0; i <= half; ++i) {
        canvas.line(kOpeningX, kOpeningY, X(i), kOpeningY, kOpeningColour);
        if (std::find(numbered.begin(), numbered.end(), i) != numbered.end())
            canvas.text(X(i) - 180, 5190, printedNumber(i));
    }
    // Point half + 1 lies beyond the far end (its y is negative), so the last
    // pair of outline segments falls on segments already drawn.
    for (int i = 0; i <= half; ++i) {
        canvas.line(X(i), kOpeningY, X(i), up(i), kOpeningColour);
        canvas.line(X(i), kOpeningY, X(i), down(i), kOpeningColour);
        canvas.line(X(i + 1), up(i + 1), X(i), up(i), kOpeningColour);
        canvas.line(X(i + 1), down(i + 1), X(i), down(i), kOpeningColour);
    }
    for (int i = 1; i <= half - 1; ++i) canvas.text(X(i) - 100, up(i) - 300, "y" + numberText(i));
}

}  // namespace korvel
