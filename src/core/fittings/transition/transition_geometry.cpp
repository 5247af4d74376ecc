#include "core/fittings/transition/transition_geometry.h"

#include <algorithm>
#include <cmath>

#include "core/checks.h"
#include "core/numbers.h"
#include "core/scale_bands.h"

namespace korvel {
namespace {

constexpr Rgb kC1 = rgb(0, 255, 255);
constexpr Rgb kC2 = rgb(0, 230, 255);
constexpr Rgb kC3 = rgb(0, 150, 255);

// Both tables are tested from the top; 0.5 for anything outside them.
constexpr ScaleBand kRoundTopBands[] = {
    {0, 120, 60},       {121, 220, 33},     {221, 320, 22.5},   {321, 420, 17},     {421, 520, 14},
    {521, 620, 12},     {621, 720, 10.5},   {721, 820, 9},      {821, 920, 8},      {921, 1020, 7},
    {1021, 1120, 6.5},  {1121, 1220, 6},    {1221, 1320, 5.5},  {1321, 1420, 5.2},  {1421, 1520, 4.8},
    {1521, 1620, 4.5},  {1621, 1720, 4.2},  {1721, 1820, 4.0},  {1821, 1920, 3.8},  {1921, 2020, 3.6},
    {2021, 2120, 3.5},  {2121, 2220, 3.4},  {2221, 2320, 3.27}, {2321, 2620, 2.5},  {2621, 3020, 2.0},
    {3021, 4020, 1.5},  {4021, 4520, 1.2},  {4521, 5020, 1.1},  {5021, 6020, 1.0},  {6021, 7020, 0.9},
    {7021, 8020, 0.8},
};

constexpr ScaleBand kRectTopBands[] = {
    {0, 120, 63},       {121, 220, 36},     {221, 320, 25},     {321, 420, 19},     {421, 520, 15},
    {521, 620, 13},     {621, 720, 11},     {721, 820, 9.5},    {821, 920, 8.5},    {921, 1020, 8},
    {1021, 1120, 7.2},  {1121, 1220, 6.6},  {1221, 1320, 6},    {1321, 1420, 5.7},  {1421, 1520, 5.2},
    {1521, 1620, 5},    {1621, 1720, 4.7},  {1721, 1820, 4.4},  {1821, 1920, 4.1},  {1921, 2020, 3.9},
    {2021, 2120, 3.7},  {2121, 2220, 3.5},  {2221, 2320, 3.3},  {2321, 2620, 3.1},  {2621, 3020, 2.7},
    {3021, 3520, 2.35}, {3521, 4020, 2.0},  {4021, 4520, 1.8},  {4521, 5020, 1.6},  {5021, 5520, 1.45},
    {5521, 6020, 1.3},  {6021, 6520, 1.2},  {6521, 7020, 1.1},  {7021, 7520, 1.0},  {7521, 8020, 0.95},
    {8021, 8520, 0.9},
};

double radians(double degrees) { return degrees * kTransitionPi / 180; }
double sq(double x) { return x * x; }

// A fraction of a division or a count beyond the table of rows is no circle.
bool divisionsUsable(double n) { return n >= 1 && n <= kTransitionMaxDivisions; }

// The scale: by the table while its key is not 0; with a key of 0 the last
// computation's scale, and before any the table by the plan's larger extent,
// so that a first plan is never drawn at no size at all.
double chooseScale(double key, const std::optional<double>& previous, double extent,
                   double (*table)(double)) {
    if (key != 0) return table(key);
    if (previous) return *previous;
    return table(extent);
}

void roundAll(std::vector<double>& values, int digits) {
    for (double& v : values) v = roundHalfEven(v, digits);
}

// The angle of a rectangle corner seen from the circle's centre, degrees from
// the east-west axis towards the corner's own north or south side: `along` is
// how far the corner lies towards its own side of that axis (west for the
// west corners, east for the east ones), `across` how far towards its own
// north or south side, d its distance. The arcsine is taken as
// atan(x / sqrt(1 - x^2)); a corner on the far side of the north-south axis
// lies at 180 degrees minus it, and a corner on that axis at +-90 degrees.
double cornerAngle(double across, double along, double d) {
    if (d == 0) return 0;  // the corner sits on the centre: every direction is alike
    const double x = across / d;
    double phi;
    if (!(std::fabs(x) < 1)) {
        phi = across < 0 ? -90 : 90;
    } else {
        phi = std::atan(x / std::sqrt(1 - x * x)) * 180 / kTransitionPi;
    }
    if (along < 0) phi = 180 - phi;
    return phi;
}

// True length of the line from a corner at plan distance d and angle phi to
// the circle point at angle theta, by the law of cosines. The plan part is a
// squared distance and never below 0, which rounding could otherwise make it.
double cornerLine(double R, double d, double phi, double theta, double H) {
    const double plan = R * R + d * d - 2 * R * d * std::cos(radians(phi - theta));
    return std::sqrt(std::max(0.0, plan) + H * H);
}

std::string row(const char* letter, int i, double value, int digits) {
    return std::string(" ") + letter + numberText(i) + "=" + roundedText(value, digits);
}

// Text columns of one listing layout.
struct Columns {
    int leftHeading, rightHeading, leftRow, rightRow;
    int emptyBefore;  // empty lines before the first heading
    int emptyMiddle;  // empty lines between the north rows and the south heading
};

void listCorners(const TransitionGeometry& g, Canvas& canvas, const Columns& c) {
    const int digits = g.in.digits;
    for (int k = 0; k < c.emptyBefore; ++k) canvas.textLine();
    canvas.textLine({{c.leftHeading, "西北角实线"}, {c.rightHeading, "东北角实线"}});
    canvas.textLine();
    for (int i = 0; i <= g.quarter; ++i)
        canvas.textLine({{c.leftRow, row("m", i, g.nw[static_cast<size_t>(i)], digits)},
                         {c.rightRow, row("j", i, g.ne[static_cast<size_t>(i)], digits)}});
    for (int k = 0; k < c.emptyMiddle; ++k) canvas.textLine();
    canvas.textLine({{c.leftHeading, "西南角实线"}, {c.rightHeading, "东南角实线"}});
    canvas.textLine();
    for (int i = 0; i <= g.quarter; ++i)
        canvas.textLine({{c.leftRow, row("L", i, g.sw[static_cast<size_t>(i)], digits)},
                         {c.rightRow, row("k", i, g.se[static_cast<size_t>(i)], digits)}});
}

// Point k of a quarter of the plan's circle, k * alpha from the quarter's
// east or west point towards its north or south point.
struct PlanPoint {
    double x, y;
};
PlanPoint quarterPoint(const TransitionGeometry& g, int k, bool east, bool south) {
    const double theta = radians(k * g.alpha);
    const double dx = g.radius * std::cos(theta);
    const double dy = g.radius * std::sin(theta);
    return {east ? g.cx + dx : g.cx - dx, south ? g.cy + dy : g.cy - dy};
}

// The four fans in the order NW, SW, NE, SE; the lines to a quarter's end
// points in `ends`, the others in C3.
void drawFans(const TransitionGeometry& g, Canvas& canvas, Rgb ends) {
    struct Fan {
        double x, y;
        bool east, south;
    };
    const Fan fans[] = {{g.xW, g.yN, false, false},
                        {g.xW, g.yS, false, true},
                        {g.xE, g.yN, true, false},
                        {g.xE, g.yS, true, true}};
    const int q = g.quarter;
    for (const Fan& fan : fans) {
        for (int k = 0; k <= q; ++k) {
            const PlanPoint p = quarterPoint(g, k, fan.east, fan.south);
            canvas.line(fan.x, fan.y, p.x, p.y, k == 0 || k == q ? ends : kC3);
        }
    }
}

struct Offset {
    double dx, dy;
};

// Round top: the south-east quarter's digits k = 1 ... 7 stand at (x - dx, y - dy).
const std::vector<Offset>& roundTopDigitOffsets(int n) {
    static const std::vector<Offset> n16 = {{200, 200}, {200, 200}, {200, 250}};
    static const std::vector<Offset> n24 = {{200, 200}, {200, 200}, {200, 250}, {200, 250}, {200, 250}};
    static const std::vector<Offset> n32 = {{200, 200}, {200, 200}, {200, 250}, {200, 250},
                                            {200, 250}, {150, 250}, {120, 300}};
    return n == 16 ? n16 : n == 24 ? n24 : n32;
}

// Rect top: the quarters' digits k = 1 ... 7 stand at (x + dx, y + dy).
const std::vector<Offset>& rectTopNorthEastOffsets(int n) {
    static const std::vector<Offset> n16 = {{50, -100}, {50, -200}, {50, -250}};
    static const std::vector<Offset> n24 = {{50, -100}, {50, -150}, {50, -250}, {-50, -300}, {-100, -300}};
    static const std::vector<Offset> n32 = {{100, -100}, {100, -150}, {100, -200}, {50, -250},
                                            {50, -300},  {0, -300},   {0, -300}};
    return n == 16 ? n16 : n == 24 ? n24 : n32;
}
const std::vector<Offset>& rectTopSouthEastOffsets(int n) {
    static const std::vector<Offset> n16 = {{50, -100}, {0, -100}, {0, -50}};
    static const std::vector<Offset> n24 = {{50, -100}, {50, -100}, {50, -50}, {-50, 30}, {-100, 60}};
    static const std::vector<Offset> n32 = {{100, -100}, {100, -100}, {70, -50}, {50, 20},
                                            {20, 20},    {-30, 60},   {-30, 60}};
    return n == 16 ? n16 : n == 24 ? n24 : n32;
}

// What every computation ends with: a fault for any value beyond a double,
// else the listed values rounded.
void finish(TransitionGeometry& g) {
    if (!allFinite({g.s, g.alpha, g.h1, g.h2, g.h3, g.h4, g.yn, g.cx, g.cy, g.radius, g.xW, g.xE, g.yN, g.yS}) ||
        !allFinite(g.nw) || !allFinite(g.ne) || !allFinite(g.sw) || !allFinite(g.se)) {
        g.fault = TransitionFault::OutOfRange;
        return;
    }
    g.exact.h1 = g.h1, g.exact.h2 = g.h2, g.exact.h3 = g.h3, g.exact.h4 = g.h4, g.exact.yn = g.yn;
    g.exact.nw = g.nw, g.exact.ne = g.ne, g.exact.sw = g.sw, g.exact.se = g.se;
    const int digits = g.in.digits;
    for (double* v : {&g.h1, &g.h2, &g.h3, &g.h4, &g.yn}) *v = roundHalfEven(*v, digits);
    for (auto* list : {&g.nw, &g.ne, &g.sw, &g.se}) roundAll(*list, digits);
}

// The circle and the rectangle in plan, the west and east sides drawn from
// sidesFrom to sidesTo (twips).
void drawPlanOutline(const TransitionGeometry& g, Canvas& canvas, double sidesFrom, double sidesTo) {
    canvas.circle(g.cx, g.cy, g.radius, kC1);
    canvas.line(g.xW, g.yN, g.xE, g.yN, kC1);
    canvas.line(g.xW, g.yS, g.xE, g.yS, kC1);
    canvas.line(g.xW, sidesFrom, g.xW, sidesTo, kC1);
    canvas.line(g.xE, sidesFrom, g.xE, sidesTo, kC1);
}

}  // namespace

bool TransitionGeometry::drawsPlan() const {
    return fault == TransitionFault::None && (in.n == 16 || in.n == 24 || in.n == 32);
}

double roundTopScale(double a) { return bandScale(kRoundTopBands, a, 0.5); }
double rectTopScale(double D) { return bandScale(kRectTopBands, D, 0.5); }

TransitionGeometry computeRoundTop(const TransitionInputs& in) {
    TransitionGeometry g;
    g.in = in;
    if (!divisionsUsable(in.n)) {
        g.fault = TransitionFault::Divisions;
        return g;
    }
    g.s = chooseScale(in.a, in.previousScale, std::max(in.b, in.D), roundTopScale);
    g.alpha = 90 / (in.n / 4);
    g.quarter = static_cast<int>(std::floor(in.n / 4));

    g.exact.a = in.a;
    const double r = in.D / 2;
    // The circle's centre lies ew west and en north of the rectangle's.
    const double en = in.south ? -in.e : in.e;
    const double a2 = in.a / 2, b2 = in.b / 2, H = in.H;
    // The chord is measured on the mean diameter.
    g.yn = in.edgeDiameter() * std::sin(radians(g.alpha / 2));
    g.h1 = std::sqrt(sq(a2 + in.ew - r) + sq(H));
    g.h2 = std::sqrt(sq(b2 + en - r) + sq(H));
    g.h3 = std::sqrt(sq(a2 - in.ew - r) + sq(H));
    g.h4 = std::sqrt(sq(b2 - en - r) + sq(H));
    for (int i = 0; i <= g.quarter; ++i) {
        const double theta = radians(i * g.alpha);
        const double rc = r * std::cos(theta), rs = r * std::sin(theta);
        g.nw.push_back(std::sqrt(sq(a2 - in.ew - rc) + sq(b2 - en - rs) + sq(H)));
        g.ne.push_back(std::sqrt(sq(a2 + in.ew - rc) + sq(b2 - en - rs) + sq(H)));
        g.sw.push_back(std::sqrt(sq(a2 - in.ew - rc) + sq(b2 + en - rs) + sq(H)));
        g.se.push_back(std::sqrt(sq(a2 + in.ew - rc) + sq(b2 + en - rs) + sq(H)));
    }

    // The plan about the rectangle's centre (9500, 5400).
    g.xW = 9500 - g.s * in.a / 2;
    g.xE = 9500 + g.s * in.a / 2;
    g.yN = 5400 - g.s * in.b / 2;
    g.yS = 5400 + g.s * in.b / 2;
    g.cx = 9500 - g.s * in.ew;
    g.cy = 5400 - g.s * en;
    g.radius = g.s * in.D / 2;
    finish(g);
    return g;
}

TransitionGeometry computeRectTop(const TransitionInputs& in) {
    TransitionGeometry g;
    g.in = in;
    if (!divisionsUsable(in.n)) {
        g.fault = TransitionFault::Divisions;
        return g;
    }
    // The window takes the horizontal side a thousandth of a millimetre longer.
    const double a1 = in.onSurface ? in.a : in.a + 0.001;
    g.exact.a = a1;
    g.s = chooseScale(in.D, in.previousScale, std::max(a1, in.b), rectTopScale);
    g.alpha = 360 / in.n;
    g.quarter = static_cast<int>(std::floor(in.n / 4));

    const double R = in.D / 2, H = in.H;
    const double a2 = a1 / 2, b2 = in.b / 2, ew = in.ew, e = in.e;
    g.yn = in.edgeDiameter() * std::sin(radians(g.alpha / 2));

    // The corners in plan from the circle's centre, the rectangle moved ew
    // west and e north; the south direction is the mirror image and only
    // exchanges the results below.
    const double dSW = std::sqrt(sq(b2 - e) + sq(ew + a2));
    const double dSE = std::sqrt(sq(b2 - e) + sq(a2 - ew));
    const double dNW = std::sqrt(sq(e + b2) + sq(ew + a2));
    const double dNE = std::sqrt(sq(a2 - ew) + sq(e + b2));
    const double phiSW = cornerAngle(b2 - e, ew + a2, dSW);
    const double phiNW = cornerAngle(e + b2, ew + a2, dNW);
    const double phiSE = cornerAngle(b2 - e, a2 - ew, dSE);
    const double phiNE = cornerAngle(e + b2, a2 - ew, dNE);

    g.h3 = std::sqrt(sq(R - ew - a2) + sq(H));
    g.h1 = std::sqrt(sq(ew + R - a2) + sq(H));
    const double hS = std::sqrt(sq(e + R - b2) + sq(H));
    const double hN = std::sqrt(sq(R - e - b2) + sq(H));
    g.h2 = in.south ? hN : hS;
    g.h4 = in.south ? hS : hN;

    std::vector<double> nw, ne, sw, se;
    for (int i = 0; i <= g.quarter; ++i) {
        const double theta = i * g.alpha;
        nw.push_back(cornerLine(R, dNW, phiNW, theta, H));
        ne.push_back(cornerLine(R, dNE, phiNE, theta, H));
        sw.push_back(cornerLine(R, dSW, phiSW, theta, H));
        se.push_back(cornerLine(R, dSE, phiSE, theta, H));
    }
    if (in.south) {
        g.nw = std::move(sw);
        g.ne = std::move(se);
        g.sw = std::move(nw);
        g.se = std::move(ne);
    } else {
        g.nw = std::move(nw);
        g.ne = std::move(ne);
        g.sw = std::move(sw);
        g.se = std::move(se);
    }

    // The plan about the circle's fixed centre (9400, 5350).
    const double en = in.south ? -e : e;
    g.cx = 9400;
    g.cy = 5350;
    g.radius = g.s * R;
    g.xW = 9400 - g.s * a1 / 2 - g.s * ew;
    g.xE = 9400 + g.s * a1 / 2 - g.s * ew;
    g.yN = 5350 - g.s * in.b / 2 - g.s * en;
    g.yS = 5350 + g.s * in.b / 2 - g.s * en;
    finish(g);
    return g;
}

std::vector<std::pair<std::string, std::string>> transitionCaptions(const TransitionGeometry& g) {
    return {
        {"Label1(15)", "东边三角面实高 h1=" + numberText(g.h1)},
        {"Label1(16)", "南边三角面实高 h2=" + numberText(g.h2)},
        {"Label1(17)", "西边三角面实高 h3=" + numberText(g.h3)},
        {"Label1(18)", "北边三角面实高 h4=" + numberText(g.h4)},
        {"Label1(19)", "圆周每等份弦长 yn=" + numberText(g.yn)},
        {"Label1(20)", "显示基本数据"},
    };
}

void listRoundTop(const TransitionGeometry& g, Canvas& canvas) { listCorners(g, canvas, {25, 90, 25, 90, 1, 13}); }

void listRectTop(const TransitionGeometry& g, Canvas& canvas) { listCorners(g, canvas, {24, 91, 23, 90, 0, 14}); }

void drawRoundTopPlan(const TransitionGeometry& g, Canvas& canvas) {
    if (!g.drawsPlan()) return;
    const double cx = g.cx, cy = g.cy, R = g.radius;
    const int q = g.quarter;
    drawPlanOutline(g, canvas, g.yS, g.yN);
    // The triangles' heights in plan, from the circle's points to the sides.
    canvas.line(cx, cy + R, cx, g.yS, kWhite);
    canvas.line(cx, cy - R, cx, g.yN, kWhite);
    canvas.line(cx - R, cy, g.xW, cy, kWhite);
    canvas.line(cx + R, cy, g.xE, cy, kWhite);
    drawFans(g, canvas, kC2);

    // The points are named as the listing names them: 0 at the west and east
    // points, n/4 at the north and south points, the south-east quarter's
    // points in between.
    canvas.text(cx - R + 50, cy - 150, "0");
    canvas.text(cx + R - 200, cy - 130, "0");
    canvas.text(cx - 100, cy + R - 350, numberText(q));
    canvas.text(cx - 70, cy - R + 50, numberText(q));
    const auto& offsets = roundTopDigitOffsets(static_cast<int>(g.in.n));
    for (int k = q - 1; k >= 1; --k) {
        const PlanPoint p = quarterPoint(g, k, true, true);
        const Offset o = offsets[static_cast<size_t>(k - 1)];
        canvas.text(p.x - o.dx, p.y - o.dy, numberText(k));
    }
    canvas.text(g.xW + 100, cy - 160, "h3");
    canvas.text(g.xE - 400, cy - 160, "h1");
    canvas.text(cx - 150, g.yS - 350, "h2");
    canvas.text(cx - 150, g.yN - 100, "h4");
}

void drawRectTopPlan(const TransitionGeometry& g, Canvas& canvas) {
    if (!g.drawsPlan()) return;
    const double cx = g.cx, cy = g.cy, R = g.radius;
    const int q = g.quarter;
    drawPlanOutline(g, canvas, g.yN, g.yS);
    // The triangles' heights in plan, along the circle's axes.
    canvas.line(g.xW, cy, cx - R, cy, kWhite);
    canvas.line(g.xE, cy, cx + R, cy, kWhite);
    canvas.line(cx, cy + R, cx, g.yS, kWhite);
    canvas.line(cx, cy - R, cx, g.yN, kWhite);
    canvas.text(g.xW - 450, cy - 300, "h3");
    canvas.text(g.xE + 200, cy - 300, "h1");
    canvas.text(cx - 150, g.yS + 200, "h2");
    canvas.text(cx - 150, g.yN - 450, "h4");
    drawFans(g, canvas, kC1);

    // From the north point round the east side to the south point: n/4, the
    // north-east quarter's points, 0 at the east and at the west point, the
    // south-east quarter's points, n/4.
    const int n = static_cast<int>(g.in.n);
    canvas.text(cx - 50, cy - R - 300, numberText(q));
    const auto& northEast = rectTopNorthEastOffsets(n);
    for (int k = q - 1; k >= 1; --k) {
        const PlanPoint p = quarterPoint(g, k, true, false);
        const Offset o = northEast[static_cast<size_t>(k - 1)];
        canvas.text(p.x + o.dx, p.y + o.dy, numberText(k));
    }
    canvas.text(cx + R + 100, cy - 100, "0");
    canvas.text(cx - R - 200, cy - 100, "0");
    const auto& southEast = rectTopSouthEastOffsets(n);
    for (int k = 1; k <= q - 1; ++k) {
        const PlanPoint p = quarterPoint(g, k, true, true);
        const Offset o = southEast[static_cast<size_t>(k - 1)];
        canvas.text(p.x + o.dx, p.y + o.dy, numberText(k));
    }
    canvas.text(cx - 50, cy + R + 60, numberText(q));
}

}  // namespace korvel
