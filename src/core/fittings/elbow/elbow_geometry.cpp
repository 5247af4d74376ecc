#include "core/fittings/elbow/elbow_geometry.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/checks.h"
#include "core/numbers.h"

namespace korvel {
namespace {

constexpr Rgb kRed = rgb(255, 0, 0);
constexpr Rgb kBlue = rgb(0, 0, 255);

// Base lines and centre line span the developed circumference, 80 units.
constexpr double kLeft = -81.8;
constexpr double kRight = -1.8;
constexpr double kEndBase = -10;
constexpr double kMiddleCentre = -50;

bool divisionsUsable(int n) { return n > 0 && n % 4 == 0 && n <= kElbowMaxDivisions; }

// "L3 = 300": a name joined to its rounded value.
std::string listingLine(const char* name, int index, double value, int digits) {
    return name + numberText(index) + " = " + roundedText(value, digits);
}

// Division j of the end pattern and of the middle pattern, 80 / n apart.
double step(const ElbowGeometry& g) { return 80.0 / g.in.n; }
double xEnd(const ElbowGeometry& g, int j) { return j * step(g) - 61.8; }
double xMiddle(const ElbowGeometry& g, int j) { return j * step(g) - 101.8; }
// Drawn heights of the end-section generatrices at divisions first ... last,
// each worked out once: a drawing asks for most of them three or four times.
class Heights {
public:
    Heights(const ElbowGeometry& g, int first, int last) : first_(first) {
        values_.reserve(static_cast<std::size_t>(std::max(0, last - first + 1)));
        for (int j = first; j <= last; ++j) values_.push_back(g.E(j * g.delta) * g.s);
    }
    double operator()(int j) const { return values_.at(static_cast<std::size_t>(j - first_)); }

private:
    int first_;
    std::vector<double> values_;
};

void baseLine(Canvas& canvas) { canvas.line(kLeft, kEndBase, kRight, kEndBase, kBlack); }

// The end section's generatrices stand on the base line, j = -n/4 ... 3n/4,
// so that the inner side (j = 0) lies a quarter of the width from the left.
void endGeneratrices(const ElbowGeometry& g, const Heights& height, Canvas& canvas) {
    const int n = g.in.n;
    for (int j = -n / 4; j <= 3 * n / 4; ++j)
        canvas.line(xEnd(g, j), kEndBase, xEnd(g, j), kEndBase - height(j), kBlack);
}

// The cut curve joins the tops of neighbouring generatrices.
void endOutline(const ElbowGeometry& g, const Heights& height, Canvas& canvas, LineStyle style, Rgb colour) {
    const int n = g.in.n;
    for (int j = -n / 4; j <= 3 * n / 4 - 1; ++j) {
        canvas.lineStyle(style);
        canvas.line(xEnd(g, j + 1), kEndBase - height(j + 1), xEnd(g, j), kEndBase - height(j), colour);
        canvas.lineStyle(LineStyle::Solid);
    }
}

// D0, D2, ... Dn under the base line.
void divisionNames(const ElbowGeometry& g, Canvas& canvas) {
    for (int q = 0; q <= g.in.n; q += 2) canvas.text(q * step(g) - 83, -9, "D" + numberText(q));
}

}  // namespace

double ElbowGeometry::E(double phiDegrees) const { return (in.R - r * std::cos(pi * phiDegrees / 180)) * T; }

ElbowGeometry computeElbow(const ElbowInputs& in) {
    ElbowGeometry g;
    g.in = in;
    if (in.k < 2) {
        g.fault = ElbowFault::Segments;
        return g;
    }
    if (!divisionsUsable(in.n)) {
        g.fault = ElbowFault::Divisions;
        return g;
    }
    g.pi = 4 * std::atan(1.0);
    g.m = (static_cast<double>(in.k) - 1) * 2;
    g.theta = in.alpha / g.m;
    if (!(g.theta < 90)) {
        g.fault = ElbowFault::BendTooSharp;
        return g;
    }
    g.T = std::tan(g.pi * g.theta / 180);
    g.delta = 360.0 / in.n;
    g.r = in.D / 2;
    g.C = g.pi * in.D;
    g.Lmin = (in.R - g.r) * g.T;
    // h is the division at the outer side; with n even it lies at 180 degrees.
    const double h = roundHalfEven(in.n / 2.0, 0);
    g.Lmax = (in.R - g.r * std::cos(g.pi * (h * g.delta) / 180)) * g.T;
    // Each half joint contributes the mean generatrix, the length on the pipe axis.
    g.Lc = roundHalfEven((g.Lmin + g.Lmax) / 2 * g.m, 0);
    g.W = g.Lc * g.C * in.t * 0.785 / 100000;
    g.a = g.C / in.n;
    g.scaleDenominator = roundHalfEven(5 * in.R * g.T, in.digits);
    if (!std::isfinite(g.scaleDenominator)) {
        g.fault = ElbowFault::OutOfRange;
        return g;
    }
    if (!(g.scaleDenominator > 0)) {
        g.fault = ElbowFault::ScaleTooSmall;
        return g;
    }
    g.s = 100 / g.scaleDenominator;
    // Listed values run up to C, 2 Lmax and W; drawn heights up to Lmax * s.
    if (!allFinite({g.T, g.C, g.a, g.Lmin, g.Lmax, 2 * g.Lmin, 2 * g.Lmax, g.Lc, g.W, g.s, g.Lmax * g.s,
                    g.Lmin * g.s})) {
        g.fault = ElbowFault::OutOfRange;
    }
    return g;
}

ElbowGeometry computeElbowDivisions(const ElbowInputs& in) {
    ElbowGeometry g;
    g.in = in;
    if (!divisionsUsable(in.n)) {
        g.fault = ElbowFault::Divisions;
        return g;
    }
    g.pi = 4 * std::atan(1.0);
    g.delta = 360.0 / in.n;
    g.C = g.pi * in.D;
    g.a = g.C / in.n;
    if (!allFinite({g.C, g.a, in.n * g.a})) g.fault = ElbowFault::OutOfRange;
    return g;
}

ElbowListing endListing(const ElbowGeometry& g) {
    const int n = g.in.n;
    ElbowListing listing{kBlack, "       端节实", "长数据", {}, {}};
    for (int i = 0; i <= n; ++i) {
        const std::string line = listingLine("L", i, g.E((i - n / 4) * g.delta), g.in.digits);
        if (i <= n / 2) listing.left.push_back(line);
        if (i >= n / 2) listing.right.push_back(line);
    }
    return listing;
}

ElbowListing middleListing(const ElbowGeometry& g) {
    const int n = g.in.n;
    ElbowListing listing{rgb(0, 0, 192), "       中节实", "长数据", {}, {}};
    // Starting half a turn on, the middle section passes the outer side first.
    for (int i = n / 2; i <= 3 * n / 2; ++i) {
        const std::string line = listingLine("L", i - n / 2, 2 * g.E((i - n / 4) * g.delta), g.in.digits);
        if (i <= n) listing.left.push_back(line);
        if (i >= n) listing.right.push_back(line);
    }
    return listing;
}

ElbowListing divisionListing(const ElbowGeometry& g) {
    const int n = g.in.n;
    ElbowListing listing{kRed, "   圆周长每等", "份累加数据", {}, {}};
    for (int i = 0; i <= n; ++i) {
        const std::string line = listingLine("D", i, i * g.a, g.in.digits);
        if (i <= n / 2) listing.left.push_back(line);
        if (i >= n / 2) listing.right.push_back(line);
    }
    return listing;
}

std::string elbowSummary(const ElbowGeometry& g) {
    return "管道周长 = " + roundedText(g.C, g.in.digits) + " mm" + "   弯头重量 = " +
           roundedText(g.W, g.in.digits) + " kg";
}

double elbowFontPoints(int n) {
    if (n == 44) return 11;
    if (n >= 48) return 10;
    if (n == 40) return 12;
    return 13;
}

void drawEndPattern(const ElbowGeometry& g, Canvas& canvas) {
    const int n = g.in.n;
    const Heights height(g, -n / 4, 3 * n / 4);
    baseLine(canvas);
    endGeneratrices(g, height, canvas);
    endOutline(g, height, canvas, LineStyle::Dashed, kBlack);
    // L0, L2, ... Ln above every second generatrix, just left of it.
    for (int j = -n / 4; j <= 3 * n / 4; j += 2)
        canvas.text(j * step(g) - 63, -11.5 - height(j), "L" + numberText(n / 4 + j));
    divisionNames(g, canvas);
}

void drawMiddlePattern(const ElbowGeometry& g, Canvas& canvas, Rgb defaultColour) {
    const int n = g.in.n;
    const Heights height(g, -n / 4, 5 * n / 4);
    baseLine(canvas);
    endGeneratrices(g, height, canvas);
    endOutline(g, height, canvas, LineStyle::Dotted, kBlue);

    canvas.lineStyle(LineStyle::Dashed);
    canvas.line(kLeft, kMiddleCentre, kRight, kMiddleCentre, kRed);
    canvas.lineStyle(LineStyle::Solid);

    // A middle section is the end section mirrored about its centre line; it
    // starts a half turn on (j = n/4), so its outer side comes first.
    for (int j = n / 4; j <= 5 * n / 4; ++j) {
        canvas.line(xMiddle(g, j), kMiddleCentre, xMiddle(g, j), kMiddleCentre - height(j), kBlue);
        canvas.line(xMiddle(g, j), kMiddleCentre, xMiddle(g, j), kMiddleCentre + height(j), kBlue);
    }

    for (int j = -n / 4; j <= 3 * n / 4; j += 2) {
        canvas.foreColour(kRed);
        canvas.text(j * step(g) - 62.8, -11.5 - height(j), "L" + numberText(n / 4 + j));
        canvas.foreColour(defaultColour);
    }

    // Only the upper cut is outlined; the lower ends of the generatrices stay open.
    for (int j = n / 4; j <= 5 * n / 4 - 1; ++j) {
        canvas.lineStyle(LineStyle::Dotted);
        canvas.line(xMiddle(g, j + 1), kMiddleCentre - height(j + 1), xMiddle(g, j),
                    kMiddleCentre - height(j), kBlue);
        canvas.lineStyle(LineStyle::Solid);
    }

    divisionNames(g, canvas);
}

}  // namespace korvel
