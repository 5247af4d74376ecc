#include "core/fittings/frustum/cone_geometry.h"

#include <cmath>

#include "core/checks.h"
#include "core/numbers.h"

namespace korvel {
namespace {

constexpr Rgb kCyan = rgb(0, 255, 255);
constexpr Rgb kRed = rgb(255, 0, 0);

// Half the chord factor: sin of half the sector angle.
double halfAngleSine(double thetaDegrees) { return std::sin(kConePi * thetaDegrees / 180 / 2); }

FrustumRecord frustumRecord(double d, double D, double h) {
    FrustumRecord r;
    const double run = (D - d) / 2;
    r.L = std::sqrt(run * run + h * h);
    r.Rb = r.L * D / (D - d);
    r.Rs = r.Rb - r.L;
    r.theta = 180 * D / r.Rb;
    r.Cb = 2 * r.Rb * halfAngleSine(r.theta);
    r.Cs = 2 * r.Rs * halfAngleSine(r.theta);
    // Rs^2 - (d/2)^2 is (d h / (D - d))^2, never negative but for rounding:
    // with no height it can come out a hair below 0.
    const double root = r.Rs * r.Rs - (d / 2) * (d / 2);
    r.hs = root > 0 ? std::sqrt(root) : 0;
    return r;
}

ConeRecord coneRecord(double D, double h) {
    ConeRecord r;
    r.S = std::sqrt((D / 2) * (D / 2) + h * h);
    r.theta = 180 * D / r.S;
    r.C = 2 * r.S * halfAngleSine(r.theta);
    r.h = h;
    return r;
}

std::string line(const char* label, double value, int digits) { return label + roundedText(value, digits); }
std::string angleLine(double theta) { return "展开扇形夹角 = " + roundedText(theta, 3) + "°"; }

// A number on its own, rounded to the listing's decimals.
std::string drawnValue(double value, int digits) { return printedNumber(roundHalfEven(value, digits)); }

// The arc of a sector spanning `theta` degrees about the apex, opening to the
// left and symmetric about the horizontal through the apex; with radii, the
// straight lines from the apex to both ends of the arc follow in its colour.
void sectorArc(const ConeFrame& f, double radius, Rgb colour, double theta, bool radii, Canvas& canvas) {
    const double a = theta / 180;
    const double start = kConePi * (1 - a / 2);
    const double end = kConePi * (1 + a / 2);
    const double cx = f.apexX(), cy = f.apexY();
    canvas.arc(cx, cy, radius, colour, start, end);
    if (!radii) return;
    // Counter-clockwise on the screen: y grows downwards.
    canvas.line(cx, cy, cx + radius * std::cos(start), cy - radius * std::sin(start), colour);
    canvas.line(cx, cy, cx + radius * std::cos(end), cy - radius * std::sin(end), colour);
}

}  // namespace

ConeGeometry computeCone(const ConeInputs& in) {
    ConeGeometry g;
    g.in = in;
    g.cone = in.small == 0;
    g.d = in.small - in.t;
    g.D = in.big - in.t;
    g.h = in.h;
    if (!(g.D > 0)) {
        g.fault = ConeFault::NoBigEnd;
        return g;
    }
    if (!g.cone && !(g.d < g.D)) {
        g.fault = ConeFault::SmallEnd;
        return g;
    }
    if (g.cone) {
        g.coneRecord = coneRecord(g.D, g.h);
        const ConeRecord& c = g.coneRecord;
        if (!allFinite({g.D, g.h, c.S, c.theta, c.C})) g.fault = ConeFault::OutOfRange;
    } else {
        g.frustum = frustumRecord(g.d, g.D, g.h);
        const FrustumRecord& r = g.frustum;
        if (!allFinite({g.d, g.D, g.h, r.L, r.Rb, r.Rs, r.theta, r.Cb, r.Cs, r.hs}))
            g.fault = ConeFault::OutOfRange;
    }
    return g;
}

ConeListing coneListing(const ConeGeometry& g) {
    const int n = g.in.digits;
    // A cone's sector has one arc, swung with its slant length from the apex
    // its one port is measured to; a frustum's has a big and a small arc.
    const bool cone = g.cone;
    const ConeRecord& c = g.coneRecord;
    const FrustumRecord& r = g.frustum;
    ConeListing listing;
    listing.slant = line("展开斜边实长 = ", cone ? c.S : r.L, n);
    listing.bigRadius = line(cone ? "圆弧展开半径 = " : "大圆弧展开半径 = ", cone ? c.S : r.Rb, n);
    listing.angle = angleLine(cone ? c.theta : r.theta);
    listing.bigChord = line(cone ? "圆弧展开弦长 = " : "大圆弧展开弦长 = ", cone ? c.C : r.Cb, n);
    listing.apexHeight = line(cone ? "端口至圆心垂线 = " : "小端口至圆心垂线 = ", cone ? c.h : r.hs, n);
    listing.title = cone ? "正心圆锥体展开放样" : "正心圆锥台展开放样";
    if (!cone) {
        listing.smallRadius = line("小圆弧展开半径 = ", r.Rs, n);
        listing.smallChord = line("小圆弧展开弦长 = ", r.Cs, n);
    }
    return listing;
}

void drawConeSchematic(const ConeGeometry& g, const ConeFrame& f, Canvas& canvas) {
    const int n = g.in.digits;
    canvas.font(kConeFontName, kConeFontPoints);
    if (g.cone) {
        const ConeRecord& c = g.coneRecord;
        sectorArc(f, f.y(0.4), kCyan, c.theta, true, canvas);
        sectorArc(f, f.y(0.06), kRed, c.theta, false, canvas);
        canvas.text(f.x(0.7), f.y(0.68), drawnValue(c.S, n));
        canvas.text(f.x(0.483), f.y(0.73), drawnValue(c.S, n));
        canvas.text(f.x(0.54), f.y(0.455), roundedText(c.theta, 3) + "°");
    } else {
        const FrustumRecord& r = g.frustum;
        sectorArc(f, f.y(0.4), kCyan, r.theta, true, canvas);
        sectorArc(f, f.y(0.06), kRed, r.theta, false, canvas);
        sectorArc(f, f.y(0.2), kCyan, r.theta, true, canvas);
        canvas.text(f.x(0.6), f.y(0.628), printedNumber(g.d));
        canvas.text(f.x(0.544), f.y(0.58), drawnValue(r.Rs, n));
        canvas.text(f.x(0.6), f.y(0.55), drawnValue(r.hs, n));
        canvas.text(f.x(0.7), f.y(0.68), drawnValue(r.Rb, n));
        canvas.text(f.x(0.483), f.y(0.73), drawnValue(r.L, n));
        canvas.text(f.x(0.54), f.y(0.455), roundedText(r.theta, 3) + "°");
        // The small end in elevation.
        canvas.line(f.x(0.564), f.y(0.64), f.x(0.686), f.y(0.64));
    }
    canvas.text(f.x(0.6), f.y(0.81), printedNumber(g.D));
    canvas.text(f.x(0.6), f.y(0.73), drawnValue(g.h, n));
}

ConeElevationLines coneElevationLines(const ConeFrame& f) {
    const double ax = f.apexX(), ay = f.apexY();
    return {{ax, ay, f.x(0.564), f.y(0.64)},
            {ax, ay, f.x(0.748), f.y(0.82)},
            {ax, ay, f.x(0.625), f.y(0.64)},
            {f.x(0.625), f.y(0.64), f.x(0.625), f.y(0.82)}};
}

void drawConeElevation(const ConeFrame& f, Canvas& canvas) {
    canvas.line(f.x(0.502), f.y(0.82), f.x(0.748), f.y(0.82));
    canvas.line(f.x(0.564), f.y(0.64), f.x(0.502), f.y(0.82));
}

}  // namespace korvel
