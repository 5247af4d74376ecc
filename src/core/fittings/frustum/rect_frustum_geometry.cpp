#include "core/fittings/frustum/rect_frustum_geometry.h"

#include <cmath>

#include "core/checks.h"
#include "core/numbers.h"
#include "core/scale_bands.h"

namespace korvel {
namespace {

constexpr Rgb kCyan = rgb(0, 255, 255);
constexpr Rgb kFaceWhite = rgb(255, 255, 255);

double trueLength(double x, double y) { return std::sqrt(x * x + y * y); }

// A wide side gets few twips per millimetre, so that the big end always spans
// some 7000 to 8000 twips.
constexpr ScaleBand kBands[] = {
    {0, 120, 60},      {121, 220, 33},    {221, 320, 22.5},  {321, 420, 17},    {421, 520, 14},
    {521, 620, 12},    {621, 720, 10.5},  {721, 820, 9},     {821, 920, 8},     {921, 1020, 7},
    {1021, 1120, 6.5}, {1121, 1220, 6},   {1221, 1320, 5.5}, {1321, 1420, 5.2}, {1421, 1520, 4.8},
    {1521, 1620, 4.5}, {1621, 1720, 4.2}, {1721, 1820, 4},   {1821, 1920, 3.8}, {1921, 2020, 3.6},
    {2021, 2120, 3.5}, {2121, 2220, 3.4}, {2221, 2320, 3.3}, {2321, 2620, 3.2}, {2621, 3020, 3.1},
    {3021, 4020, 2},   {4021, 4520, 1.5},
};

}  // namespace

RectFrustumGeometry computeRectFrustum(const RectFrustumInputs& in) {
    RectFrustumGeometry g;
    g.in = in;
    const double sigma = in.south ? -1 : 1;
    g.dS = (in.B - in.b) / 2 + sigma * in.n;
    g.dN = (in.B - in.b) / 2 - sigma * in.n;
    g.dW = (in.A - in.a) / 2 + in.e;
    g.dE = (in.A - in.a) / 2 - in.e;
    g.h1 = trueLength(in.H, g.dS);
    g.h2 = trueLength(in.H, g.dN);
    g.h3 = trueLength(in.H, g.dW);
    g.h4 = trueLength(in.H, g.dE);
    g.f1 = trueLength(g.h3, g.dS);
    g.f2 = trueLength(g.h4, g.dS);
    g.f3 = trueLength(g.h3, g.dN);
    g.f4 = trueLength(g.h4, g.dN);
    if (!allFinite({g.dS, g.dN, g.dW, g.dE, g.h1, g.h2, g.h3, g.h4, g.f1, g.f2, g.f3, g.f4}))
        g.fault = RectFrustumFault::OutOfRange;
    return g;
}

std::vector<std::string> rectFrustumListing(const RectFrustumGeometry& g) {
    const int n = g.in.digits;
    auto line = [n](const char* name, const char* symbol, double value) {
        return std::string(name) + symbol + roundedText(value, n);
    };
    return {
        line("南边梯形面实高", " h1=", g.h1),
        line("北边梯形面实高", " h2=", g.h2),
        line("西边梯形面实高", g.in.south ? " h3=" : " h3 =", g.h3),
        line("东边梯形面实高", " h4=", g.h4),
        line("西南面结合实长线", " f1=", g.f1),
        line("东南面结合实长线", " f2=", g.f2),
        line("西北面结合实长线", " f3=", g.f3),
        line("东北面结合实长线", " f4=", g.f4),
    };
}

double rectFrustumScale(double A) { return bandScale(kBands, A, 1); }

RectFrustumPlan rectFrustumPlan(const RectFrustumInputs& in, double s, RectFrustumFault* fault) {
    RectFrustumPlan p;
    p.s = s;
    const double A = s * in.A, B = s * in.B, a = s * in.a, b = s * in.b, e = s * in.e, n = s * in.n;
    p.X1 = p.X0 - A / 2;
    p.X2 = p.X0 + A / 2;
    p.Y1 = p.Y0 + B / 2;
    p.Y2 = p.Y0 - B / 2;
    p.X11 = p.X0 - a / 2 + e;
    p.X12 = p.X11 + a;
    p.Y11 = in.south ? p.Y0 - b / 2 + n : p.Y0 - b / 2 - n;
    p.Y12 = p.Y11 + b;
    p.Xc = p.X11 + a / 2;
    p.Yc = p.Y11 + b / 2;
    if (fault != nullptr && !allFinite({p.X1, p.X2, p.Y1, p.Y2, p.X11, p.X12, p.Y11, p.Y12, p.Xc, p.Yc}))
        *fault = RectFrustumFault::OutOfRange;
    return p;
}

void drawRectFrustumLines(const RectFrustumPlan& p, Canvas& canvas) {
    // The big end, then the small end.
    canvas.line(p.X1, p.Y1, p.X2, p.Y1, kCyan);
    canvas.line(p.X1, p.Y2, p.X2, p.Y2, kCyan);
    canvas.line(p.X1, p.Y1, p.X1, p.Y2, kCyan);
    canvas.line(p.X2, p.Y1, p.X2, p.Y2, kCyan);
    canvas.line(p.X11, p.Y11, p.X12, p.Y11, kCyan);
    canvas.line(p.X11, p.Y12, p.X12, p.Y12, kCyan);
    canvas.line(p.X11, p.Y11, p.X11, p.Y12, kCyan);
    canvas.line(p.X12, p.Y11, p.X12, p.Y12, kCyan);
    // Corner joints: south-west, south-east, north-west, north-east.
    canvas.line(p.X1, p.Y1, p.X11, p.Y12, kCyan);
    canvas.line(p.X2, p.Y1, p.X12, p.Y12, kCyan);
    canvas.line(p.X1, p.Y2, p.X11, p.Y11, kCyan);
    canvas.line(p.X2, p.Y2, p.X12, p.Y11, kCyan);
    // Face lines through the small end's centre: west, east, south, north.
    canvas.line(p.X1, p.Yc, p.X11, p.Yc, kFaceWhite);
    canvas.line(p.X2, p.Yc, p.X12, p.Yc, kFaceWhite);
    canvas.line(p.Xc, p.Y1, p.Xc, p.Y12, kFaceWhite);
    canvas.line(p.Xc, p.Y2, p.Xc, p.Y11, kFaceWhite);
}

RectFrustumCentreLines rectFrustumCentreLines(const RectFrustumPlan& p) {
    return {{p.X11, p.Y0, p.X12, p.Y0}, {p.X0, p.Y11, p.X0, p.Y12}};
}

void drawRectFrustumTexts(const RectFrustumInputs& in, const RectFrustumPlan& p, Canvas& canvas) {
    canvas.font(kRectFrustumFontName, kRectFrustumFontPoints);
    canvas.text(p.X0 - 450, p.Y1, printedNumber(in.A));
    canvas.text(p.X1 - 450, p.Y0 + 100, printedNumber(in.B));
    canvas.text(p.Xc - 400, p.Y11, printedNumber(in.a));
    canvas.text(p.X11 - 450, p.Yc + 100, printedNumber(in.b));
    canvas.text(p.X2 - 300, p.Y1 - 350, "f2");
    canvas.text(p.X1 + 50, p.Y1 - 350, "f1");
    canvas.text(p.X2 - 350, p.Y2 + 100, "f4");
    canvas.text(p.X1 + 50, p.Y2 + 100, "f3");
    canvas.text(p.Xc - 300, p.Y12 + 200, "h1");
    canvas.text(p.Xc - 300, p.Y11 - 500, "h2");
    canvas.text(p.X11 - 500, p.Yc - 300, "h3");
    canvas.text(p.X12 + 200, p.Yc - 300, "h4");
}

}  // namespace korvel
