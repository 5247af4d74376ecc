// The transitions' numbers, listings and plans, from the inputs record.

#include "core/fittings/transition/transition_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/outcomes.h"

namespace korvel {
namespace {

constexpr Rgb kC1 = rgb(0, 255, 255);
constexpr Rgb kC2 = rgb(0, 230, 255);
constexpr Rgb kC3 = rgb(0, 150, 255);
// Drawn coordinates are short sums of products.
constexpr double kCoordinate = 1e-9;

TransitionInputs roundTopPresets(int digits = 3) {
    TransitionInputs in;
    in.a = 1600, in.b = 1600, in.D = 800, in.H = 1000, in.t = 10, in.n = 24, in.digits = digits;
    return in;
}
TransitionInputs roundTopOffsets(bool south = false) {
    TransitionInputs in = roundTopPresets();
    in.b = 1200, in.ew = 100, in.e = 150, in.n = 16, in.south = south;
    return in;
}
TransitionInputs rectTopPresets(int digits = 3) {
    TransitionInputs in;
    in.a = 900, in.b = 900, in.D = 1800, in.H = 1200, in.t = 10, in.n = 24, in.digits = digits;
    return in;
}
TransitionInputs rectTopOffsets(bool south = false) {
    TransitionInputs in = rectTopPresets();
    in.b = 700, in.ew = 100, in.e = 150, in.n = 16, in.south = south;
    return in;
}

using List = std::vector<double>;

using testing::only;

// The listing's lines as "@25: m0=1341.641|@90: j0=1341.641", "" when empty.
std::vector<std::string> listing(const std::vector<Primitive>& primitives) {
    std::vector<std::string> out;
    for (const auto& line : only<TextLineOp>(primitives)) {
        std::string text;
        for (const auto& item : line.items)
            text += (text.empty() ? "@" : "|@") + std::to_string(item.column) + ":" + item.text;
        out.push_back(text);
    }
    return out;
}

std::vector<std::string> texts(const std::vector<Primitive>& primitives) {
    std::vector<std::string> out;
    for (const auto& t : only<TextOp>(primitives)) out.push_back(t.text);
    return out;
}

// What each window lists for its presets and for offsets west and north: the
// heights, the chord, the four corner lists (mm) and the captions that show them.
TEST(TransitionGeometry, ListedFigures) {
    struct Case {
        const char* name;
        TransitionGeometry (*compute)(const TransitionInputs&);
        TransitionInputs in;
        double h1, h2, h3, h4, yn;
        List nw, ne, sw, se;
        std::vector<std::string> shown;  // h1 h2 h3 h4 yn as the captions print them
    };
    const List roundCorner = {1341.641, 1286.92, 1251.297, 1238.912, 1251.297, 1286.92, 1341.641};
    const List wholeCorner = {1342, 1287, 1251, 1239, 1251, 1287, 1342};
    // Rectangle top: east and west differ from north and south only by the 0.001 added to a.
    const List rectCorner = {1358.308, 1289.557, 1244.395, 1228.612, 1244.395, 1289.557, 1358.308};
    const Case cases[] = {
        {"round top presets", computeRoundTop, roundTopPresets(), 1077.033, 1077.033, 1077.033, 1077.033, 105.726,
         roundCorner, roundCorner, roundCorner, roundCorner, {"1077.033", "1077.033", "1077.033", "1077.033", "105.726"}},
        {"round top whole numbers", computeRoundTop, roundTopPresets(0), 1077, 1077, 1077, 1077, 106, wholeCorner,
         wholeCorner, wholeCorner, wholeCorner, {"1077", "1077", "1077", "1077", "106"}},
        {"round top offsets", computeRoundTop, roundTopOffsets(), 1118.034, 1059.481, 1044.031, 1001.249, 158.023,
         {1136.882, 1094.24, 1096.34, 1142.629, 1221.679}, {1205.197, 1170.274, 1186.939, 1250.748, 1346.291},
         {1285.496, 1210.586, 1179.939, 1201.611, 1269.843}, {1346.291, 1279.725, 1264.563, 1304.853, 1390.144},
         {"1118.034", "1059.481", "1044.031", "1001.249", "158.023"}},
        {"rectangle top presets", computeRectTop, rectTopPresets(), 1281.6, 1281.601, 1281.6, 1281.601, 236.252,
         rectCorner, rectCorner, rectCorner, rectCorner, {"1281.6", "1281.601", "1281.6", "1281.601", "236.252"}},
        {"rectangle top offsets", computeRectTop, rectTopOffsets(), 1320.038, 1389.244, 1250, 1264.911, 353.113,
         {1346.291, 1242.354, 1210.813, 1261.805, 1379.312}, {1411.559, 1302.321, 1241.22, 1244.957, 1312.441},
         {1265.899, 1241.005, 1279.807, 1371.513, 1494.155}, {1335.103, 1301.034, 1308.611, 1356.028, 1432.655},
         {"1320.038", "1389.244", "1250", "1264.911", "353.113"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TransitionGeometry g = c.compute(c.in);
        ASSERT_EQ(g.fault, TransitionFault::None);
        EXPECT_EQ((List{g.h1, g.h2, g.h3, g.h4, g.yn}), (List{c.h1, c.h2, c.h3, c.h4, c.yn}));
        EXPECT_EQ(g.nw, c.nw);
        EXPECT_EQ(g.ne, c.ne);
        EXPECT_EQ(g.sw, c.sw);
        EXPECT_EQ(g.se, c.se);
        const std::vector<std::pair<std::string, std::string>> captions = {
            {"Label1(15)", "东边三角面实高 h1=" + c.shown[0]}, {"Label1(16)", "南边三角面实高 h2=" + c.shown[1]},
            {"Label1(17)", "西边三角面实高 h3=" + c.shown[2]}, {"Label1(18)", "北边三角面实高 h4=" + c.shown[3]},
            {"Label1(19)", "圆周每等份弦长 yn=" + c.shown[4]}, {"Label1(20)", "显示基本数据"}};
        EXPECT_EQ(transitionCaptions(g), captions);
    }
    // The scale by the table's key: a for the round top, D for the rectangle top.
    EXPECT_EQ(computeRoundTop(roundTopPresets()).s, 4.5);
    EXPECT_EQ(computeRectTop(rectTopPresets()).s, 4.4);
}

TEST(TransitionGeometry, SouthExchangesNorthAndSouth) {
    using Compute = TransitionGeometry (*)(const TransitionInputs&);
    for (const auto& [compute, in] : {std::pair<Compute, TransitionInputs>{computeRoundTop, roundTopOffsets()},
                                      std::pair<Compute, TransitionInputs>{computeRectTop, rectTopOffsets()}}) {
        const TransitionGeometry north = compute(in);
        TransitionInputs southward = in;
        southward.south = true;
        const TransitionGeometry south = compute(southward);
        EXPECT_EQ(south.h1, north.h1);
        EXPECT_EQ(south.h3, north.h3);
        EXPECT_EQ(south.h2, north.h4);
        EXPECT_EQ(south.h4, north.h2);
        EXPECT_EQ(south.nw, north.sw);
        EXPECT_EQ(south.ne, north.se);
        EXPECT_EQ(south.sw, north.nw);
        EXPECT_EQ(south.se, north.ne);
    }
    // The circle lies above the rectangle's centre, or below it.
    EXPECT_DOUBLE_EQ(computeRoundTop(roundTopOffsets()).cy, 5400 - 4.5 * 150);
    EXPECT_DOUBLE_EQ(computeRoundTop(roundTopOffsets(true)).cy, 5400 + 4.5 * 150);
    // The rectangle is drawn above the fixed circle's centre, or below it.
    const double s = 4.4;
    const TransitionGeometry north = computeRectTop(rectTopOffsets()), south = computeRectTop(rectTopOffsets(true));
    EXPECT_DOUBLE_EQ(north.yN, 5350 - s * 350 - s * 150);
    EXPECT_DOUBLE_EQ(south.yN, 5350 - s * 350 + s * 150);
    EXPECT_DOUBLE_EQ(south.yS, 5350 + s * 350 + s * 150);
    EXPECT_EQ(south.cy, 5350);
}

// Every corner line is the straight line in space from the rectangle's corner
// (height 0) to the circle's point (height H).
TEST(RoundTopGeometry, CornerLinesAreTrueLengths) {
    for (const auto& [ew, e] : std::vector<std::pair<double, double>>{{0, 0}, {100, 150}, {-300, -400}, {500, 70}}) {
        TransitionInputs in = roundTopOffsets();
        in.ew = ew, in.e = e, in.digits = 3;
        const TransitionGeometry g = computeRoundTop(in);
        const double r = in.D / 2, pi = kTransitionPi;
        for (int i = 0; i <= 4; ++i) {
            const double th = i * 22.5 * pi / 180;
            // x east, y north, from the rectangle's centre; the circle's centre at (-ew, e).
            auto length = [&](double cornerX, double cornerY, double px, double py) {
                return std::round(std::sqrt(std::pow(px - cornerX, 2) + std::pow(py - cornerY, 2) + 1e6) * 1000) / 1000;
            };
            const double cx = -ew, cy = e;
            EXPECT_NEAR(g.nw[i], length(-800, 600, cx - r * std::cos(th), cy + r * std::sin(th)), 1.5e-3);
            EXPECT_NEAR(g.ne[i], length(800, 600, cx + r * std::cos(th), cy + r * std::sin(th)), 1.5e-3);
            EXPECT_NEAR(g.sw[i], length(-800, -600, cx - r * std::cos(th), cy - r * std::sin(th)), 1.5e-3);
            EXPECT_NEAR(g.se[i], length(800, -600, cx + r * std::cos(th), cy - r * std::sin(th)), 1.5e-3);
        }
    }
}

// The round top's scale by the side a, the rectangle top's by the diameter D
// (mm); between the bands 0.5.
TEST(TransitionGeometry, ScaleTableBands) {
    struct Case {
        double (*scale)(double);
        double key, s;
    };
    const Case cases[] = {{roundTopScale, 0, 60},     {roundTopScale, 120, 60},    {roundTopScale, 120.5, 0.5},
                          {roundTopScale, 121, 33},   {roundTopScale, 220, 33},    {roundTopScale, 1520, 4.8},
                          {roundTopScale, 1600, 4.5}, {roundTopScale, 1620, 4.5},  {roundTopScale, 1620.4, 0.5},
                          {roundTopScale, 1621, 4.2}, {roundTopScale, 1700, 4.2},  {roundTopScale, 1720, 4.2},
                          {roundTopScale, 1721, 4.0}, {roundTopScale, 2320, 3.27}, {roundTopScale, 4020, 1.5},
                          {roundTopScale, 8020, 0.8}, {roundTopScale, 8021, 0.5},  {roundTopScale, 9000, 0.5},
                          {roundTopScale, -10, 0.5},  {rectTopScale, 0, 63},       {rectTopScale, 120, 63},
                          {rectTopScale, 120.5, 0.5}, {rectTopScale, 121, 36},     {rectTopScale, 1720, 4.7},
                          {rectTopScale, 1721, 4.4},  {rectTopScale, 1800, 4.4},   {rectTopScale, 3520, 2.35},
                          {rectTopScale, 3521, 2.0},  {rectTopScale, 8520, 0.9},   {rectTopScale, 8521, 0.5},
                          {rectTopScale, -1, 0.5}};
    for (const auto& c : cases) EXPECT_EQ(c.scale(c.key), c.s) << (c.scale == roundTopScale ? "a = " : "D = ") << c.key;
}

TEST(RoundTopGeometry, ZeroSideKeepsTheLastScale) {
    TransitionInputs in = roundTopPresets();
    in.a = 0;
    in.previousScale = 4.2;
    EXPECT_EQ(computeRoundTop(in).s, 4.2);
    // Before any computation the table is read by the plan's larger extent.
    in.previousScale.reset();
    EXPECT_EQ(computeRoundTop(in).s, 4.5);
    in.b = 100, in.D = 300;
    EXPECT_EQ(computeRoundTop(in).s, 22.5);
    // A side that is not 0 reads the table whatever came before.
    in = roundTopPresets();
    in.previousScale = 60;
    EXPECT_EQ(computeRoundTop(in).s, 4.5);
}

TEST(RoundTopGeometry, PlanAtItsFixedCentre) {
    Recording canvas;
    const TransitionGeometry g = computeRoundTop(roundTopPresets());
    drawRoundTopPlan(g, canvas);
    const auto& p = canvas.primitives();
    ASSERT_GE(p.size(), 9u);
    // Circle, rectangle N S W E, heights S N W E.
    EXPECT_EQ(p[0], Primitive(ArcOp{9500, 5400, 1800, kC1, {}, {}}));
    EXPECT_EQ(p[1], Primitive(LineOp{5900, 1800, 13100, 1800, kC1}));
    EXPECT_EQ(p[2], Primitive(LineOp{5900, 9000, 13100, 9000, kC1}));
    EXPECT_EQ(p[3], Primitive(LineOp{5900, 9000, 5900, 1800, kC1}));
    EXPECT_EQ(p[4], Primitive(LineOp{13100, 9000, 13100, 1800, kC1}));
    EXPECT_EQ(p[5], Primitive(LineOp{9500, 7200, 9500, 9000, kWhite}));
    EXPECT_EQ(p[6], Primitive(LineOp{9500, 3600, 9500, 1800, kWhite}));
    EXPECT_EQ(p[7], Primitive(LineOp{7700, 5400, 5900, 5400, kWhite}));
    EXPECT_EQ(p[8], Primitive(LineOp{11300, 5400, 13100, 5400, kWhite}));

    // Four fans of seven lines: NW, SW, NE, SE, the quarter's ends in C2.
    const auto lines = only<LineOp>(p);
    ASSERT_EQ(lines.size(), 8u + 28u);
    const double corners[4][2] = {{5900, 1800}, {5900, 9000}, {13100, 1800}, {13100, 9000}};
    for (int f = 0; f < 4; ++f) {
        for (int k = 0; k <= 6; ++k) {
            const LineOp& l = lines[8 + 7 * f + k];
            EXPECT_EQ(l.x1, corners[f][0]);
            EXPECT_EQ(l.y1, corners[f][1]);
            EXPECT_EQ(l.colour, (k == 0 || k == 6) ? kC2 : kC3);
        }
    }
    // NW fan: from the west point to the north point; SE fan point 2 at 30 degrees.
    EXPECT_NEAR(lines[8].x2, 7700, kCoordinate);
    EXPECT_NEAR(lines[8].y2, 5400, kCoordinate);
    // cos 90 degrees with the windows' pi is a few 1e-12 off 0.
    EXPECT_NEAR(lines[14].x2, 9500, 1e-7);
    EXPECT_NEAR(lines[14].y2, 3600, kCoordinate);
    EXPECT_NEAR(lines[8 + 21 + 2].x2, 9500 + 1800 * std::cos(kTransitionPi / 6), kCoordinate);
    EXPECT_NEAR(lines[8 + 21 + 2].y2, 5400 + 1800 * std::sin(kTransitionPi / 6), kCoordinate);
}

TEST(RoundTopGeometry, PlanLabelsForSixteenDivisions) {
    TransitionInputs in = roundTopPresets();
    in.n = 16;
    Recording canvas;
    drawRoundTopPlan(computeRoundTop(in), canvas);
    const auto t = only<TextOp>(canvas.primitives());
    ASSERT_EQ(t.size(), 11u);
    EXPECT_EQ(t[0], (TextOp{7700 + 50, 5400 - 150, "0"}));
    EXPECT_EQ(t[1], (TextOp{11300 - 200, 5400 - 130, "0"}));
    EXPECT_EQ(t[2], (TextOp{9500 - 100, 7200 - 350, "4"}));
    EXPECT_EQ(t[3], (TextOp{9500 - 70, 3600 + 50, "4"}));
    // The south-east quarter's points 3, 2, 1 at (x - dx, y - dy).
    const double dx[] = {200, 200, 200}, dy[] = {200, 200, 250};
    for (int k = 3; k >= 1; --k) {
        const TextOp& d = t[static_cast<size_t>(4 + 3 - k)];
        EXPECT_EQ(d.text, std::to_string(k));
        const double th = k * 22.5 * kTransitionPi / 180;
        EXPECT_NEAR(d.x, 9500 + 1800 * std::cos(th) - dx[k - 1], kCoordinate);
        EXPECT_NEAR(d.y, 5400 + 1800 * std::sin(th) - dy[k - 1], kCoordinate);
    }
    EXPECT_EQ(t[7], (TextOp{6000, 5240, "h3"}));
    EXPECT_EQ(t[8], (TextOp{12700, 5240, "h1"}));
    EXPECT_EQ(t[9], (TextOp{9350, 8650, "h2"}));
    EXPECT_EQ(t[10], (TextOp{9350, 1700, "h4"}));
}

TEST(RoundTopGeometry, PlanLabelsForThirtyTwoDivisions) {
    TransitionInputs in = roundTopPresets();
    in.n = 32;
    Recording canvas;
    drawRoundTopPlan(computeRoundTop(in), canvas);
    EXPECT_EQ(texts(canvas.primitives()), (std::vector<std::string>{"0", "0", "8", "8", "7", "6", "5", "4", "3", "2",
                                                                    "1", "h3", "h1", "h2", "h4"}));
    const auto t = only<TextOp>(canvas.primitives());
    const double th7 = 7 * 11.25 * kTransitionPi / 180;
    EXPECT_NEAR(t[4].x, 9500 + 1800 * std::cos(th7) - 120, kCoordinate);
    EXPECT_NEAR(t[4].y, 5400 + 1800 * std::sin(th7) - 300, kCoordinate);
}

TEST(RoundTopGeometry, OtherDivisionsListButDrawNothing) {
    for (double n : {20.0, 17.0, 8.0, 1.0}) {
        TransitionInputs in = roundTopPresets();
        in.n = n;
        const TransitionGeometry g = computeRoundTop(in);
        ASSERT_EQ(g.fault, TransitionFault::None) << n;
        EXPECT_FALSE(g.drawsPlan());
        // Rows i = 0 ... while i <= n/4.
        EXPECT_EQ(g.nw.size(), static_cast<size_t>(std::floor(n / 4)) + 1) << n;
        Recording canvas;
        drawRoundTopPlan(g, canvas);
        EXPECT_TRUE(canvas.primitives().empty());
    }
}

TEST(RoundTopGeometry, ListingLinesAndColumns) {
    TransitionInputs in = roundTopPresets();
    in.n = 16;
    Recording canvas;
    listRoundTop(computeRoundTop(in), canvas);
    std::vector<std::string> expected = {"", "@25:西北角实线|@90:东北角实线", ""};
    for (const char* row : {"0=1341.641", "1=1266.412", "2=1238.912", "3=1266.412", "4=1341.641"})
        expected.push_back(std::string("@25: m") + row + "|@90: j" + row);
    expected.insert(expected.end(), 13, "");
    expected.push_back("@25:西南角实线|@90:东南角实线");
    expected.push_back("");
    for (const char* row : {"0=1341.641", "1=1266.412", "2=1238.912", "3=1266.412", "4=1341.641"})
        expected.push_back(std::string("@25: L") + row + "|@90: k" + row);
    EXPECT_EQ(listing(canvas.primitives()), expected);
    // Nothing but text lines.
    EXPECT_EQ(only<TextLineOp>(canvas.primitives()).size(), canvas.primitives().size());
}

TEST(TransitionGeometry, FaultsAreDecidedBeforeComputing) {
    struct Case {
        const char* name;
        double n;
        double a;
        TransitionFault fault;
    };
    const Case cases[] = {{"no divisions", 0, 900, TransitionFault::Divisions},
                          {"half a division", 0.5, 900, TransitionFault::Divisions},
                          {"negative", -24, 900, TransitionFault::Divisions},
                          {"too many", 1001, 900, TransitionFault::Divisions},
                          {"side beyond a double", 24, 1e200, TransitionFault::OutOfRange},
                          {"a thousand divisions", 1000, 900, TransitionFault::None}};
    for (const auto& c : cases) {
        TransitionInputs in = roundTopPresets();
        in.n = c.n, in.a = c.a;
        EXPECT_EQ(computeRoundTop(in).fault, c.fault) << c.name;
        in.D = in.a, in.a = 900;
        EXPECT_EQ(computeRectTop(in).fault, c.fault) << c.name;
    }
}

// Moving the rectangle west and north is moving the circle east and south.
TEST(RectTopGeometry, EqualsTheRoundTopWithTheOffsetsReversed) {
    for (const auto& [ew, e] : std::vector<std::pair<double, double>>{{0, 0}, {100, 150}, {300, -200}, {450, 80}}) {
        TransitionInputs rect = rectTopOffsets();
        rect.ew = ew, rect.e = e;
        TransitionInputs round = rect;
        round.a = rect.a + 0.001, round.ew = -ew, round.e = -e;
        const TransitionGeometry r = computeRectTop(rect);
        const TransitionGeometry c = computeRoundTop(round);
        EXPECT_EQ(r.nw, c.nw) << ew << " " << e;
        EXPECT_EQ(r.ne, c.ne) << ew << " " << e;
        EXPECT_EQ(r.sw, c.sw) << ew << " " << e;
        EXPECT_EQ(r.se, c.se) << ew << " " << e;
    }
}

// Wherever the rectangle lies, east or west of the circle's centre, the lists
// are the true lengths from its corners to the circle's points.
TEST(RectTopGeometry, CornerLinesAreTrueLengthsWhereverTheRectangleLies) {
    for (const auto& [ew, e] :
         std::vector<std::pair<double, double>>{{600, 0}, {900, 100}, {-600, 0}, {-900, -300}, {0, 1200}}) {
        for (bool south : {false, true}) {
            TransitionInputs in = rectTopOffsets(south);
            in.ew = ew, in.e = e;
            const TransitionGeometry g = computeRectTop(in);
            ASSERT_EQ(g.fault, TransitionFault::None);
            const double R = 900, a2 = (900 + 0.001) / 2, b2 = 350, H = 1200;
            const double en = south ? -e : e;
            // x east, y north, from the circle's centre.
            auto length = [&](double x, double y, bool east, bool north, int i) {
                const double th = i * 22.5 * kTransitionPi / 180;
                const double px = east ? R * std::cos(th) : -R * std::cos(th);
                const double py = north ? R * std::sin(th) : -R * std::sin(th);
                return std::sqrt(std::pow(px - x, 2) + std::pow(py - y, 2) + H * H);
            };
            for (int i = 0; i <= 4; ++i) {
                SCOPED_TRACE(std::to_string(ew) + " " + std::to_string(e) + (south ? " south " : " north ") +
                             std::to_string(i));
                EXPECT_NEAR(g.nw[i], length(-ew - a2, en + b2, false, true, i), 1e-3);
                EXPECT_NEAR(g.ne[i], length(-ew + a2, en + b2, true, true, i), 1e-3);
                EXPECT_NEAR(g.sw[i], length(-ew - a2, en - b2, false, false, i), 1e-3);
                EXPECT_NEAR(g.se[i], length(-ew + a2, en - b2, true, false, i), 1e-3);
            }
        }
    }
}

TEST(RectTopGeometry, ContinuousAcrossTheEastSideOnTheAxis) {
    TransitionInputs in = rectTopOffsets();
    const double half = (in.a + 0.001) / 2;
    std::vector<TransitionGeometry> g;
    for (double ew : {half - 1e-6, half, half + 1e-6}) {
        in.ew = ew;
        g.push_back(computeRectTop(in));
        ASSERT_EQ(g.back().fault, TransitionFault::None);
    }
    for (int i = 0; i <= 4; ++i) {
        for (const auto member : {&TransitionGeometry::ne, &TransitionGeometry::se}) {
            EXPECT_NEAR((g[0].*member)[i], (g[1].*member)[i], 1.5e-3);
            EXPECT_NEAR((g[2].*member)[i], (g[1].*member)[i], 1.5e-3);
            EXPECT_TRUE(std::isfinite((g[1].*member)[i]));
        }
    }
    // On the axis the east corners lie due north and south: 90 degrees.
    const double dNE = 150 + 350;
    EXPECT_NEAR(g[1].ne[4], std::sqrt(std::pow(900 - dNE, 2) + 1200.0 * 1200), 1e-3);
}

TEST(RectTopGeometry, NoHeightOnTheCircleStaysReal) {
    // The corners lie on the circle at 45 degrees, the ends meet: no height.
    TransitionInputs in = rectTopPresets();
    in.H = 0;
    in.a = 900 * std::sqrt(2.0) - 0.001;
    in.b = 900 * std::sqrt(2.0);
    in.n = 16;
    const TransitionGeometry g = computeRectTop(in);
    ASSERT_EQ(g.fault, TransitionFault::None);
    EXPECT_NEAR(g.nw[2], 0, 1e-3);
    for (double v : g.nw) EXPECT_TRUE(std::isfinite(v));
}

TEST(RectTopGeometry, ScaleKeyedByTheDiameter) {
    TransitionInputs in = rectTopPresets();
    in.a = 9000;  // not the key here
    EXPECT_EQ(computeRectTop(in).s, 4.4);
    in = rectTopPresets();
    in.D = 0;
    in.previousScale = 2.35;
    EXPECT_EQ(computeRectTop(in).s, 2.35);
    in.previousScale.reset();
    EXPECT_EQ(computeRectTop(in).s, 8.5);  // by a' = 900.001
}

TEST(RectTopGeometry, PlanAroundTheFixedCircle) {
    Recording canvas;
    const TransitionGeometry g = computeRectTop(rectTopOffsets());
    drawRectTopPlan(g, canvas);
    const auto& p = canvas.primitives();
    const double s = 4.4, R = s * 900;
    const double xW = 9400 - s * 900.001 / 2 - s * 100, xE = 9400 + s * 900.001 / 2 - s * 100;
    const double yN = 5350 - s * 350 - s * 150, yS = 5350 + s * 350 - s * 150;
    ASSERT_GE(p.size(), 13u);
    EXPECT_EQ(p[0], Primitive(ArcOp{9400, 5350, R, kC1, {}, {}}));
    EXPECT_EQ(p[1], Primitive(LineOp{xW, yN, xE, yN, kC1}));
    EXPECT_EQ(p[2], Primitive(LineOp{xW, yS, xE, yS, kC1}));
    EXPECT_EQ(p[3], Primitive(LineOp{xW, yN, xW, yS, kC1}));
    EXPECT_EQ(p[4], Primitive(LineOp{xE, yN, xE, yS, kC1}));
    EXPECT_EQ(p[5], Primitive(LineOp{xW, 5350, 9400 - R, 5350, kWhite}));
    EXPECT_EQ(p[6], Primitive(LineOp{xE, 5350, 9400 + R, 5350, kWhite}));
    EXPECT_EQ(p[7], Primitive(LineOp{9400, 5350 + R, 9400, yS, kWhite}));
    EXPECT_EQ(p[8], Primitive(LineOp{9400, 5350 - R, 9400, yN, kWhite}));
    EXPECT_EQ(p[9], Primitive(TextOp{xW - 450, 5050, "h3"}));
    EXPECT_EQ(p[10], Primitive(TextOp{xE + 200, 5050, "h1"}));
    EXPECT_EQ(p[11], Primitive(TextOp{9250, yS + 200, "h2"}));
    EXPECT_EQ(p[12], Primitive(TextOp{9250, yN - 450, "h4"}));
    // Fans NW, SW, NE, SE of five lines, the quarter's ends in C1.
    const auto lines = only<LineOp>(p);
    ASSERT_EQ(lines.size(), 8u + 20u);
    for (int f = 0; f < 4; ++f)
        for (int k = 0; k <= 4; ++k) EXPECT_EQ(lines[8 + 5 * f + k].colour, (k == 0 || k == 4) ? kC1 : kC3);
    EXPECT_EQ(lines[8].x1, xW);
    EXPECT_EQ(lines[8 + 5].y1, yS);
    EXPECT_EQ(lines[8 + 10].x1, xE);
    EXPECT_NEAR(lines[8 + 15 + 1].x2, 9400 + R * std::cos(22.5 * kTransitionPi / 180), kCoordinate);
    EXPECT_NEAR(lines[8 + 15 + 1].y2, 5350 + R * std::sin(22.5 * kTransitionPi / 180), kCoordinate);
}

TEST(RectTopGeometry, DigitLabelsRunRoundTheEastSide) {
    for (bool south : {false, true}) {
        Recording canvas;
        const TransitionGeometry g = computeRectTop(rectTopOffsets(south));
        drawRectTopPlan(g, canvas);
        const auto t = only<TextOp>(canvas.primitives());
        ASSERT_EQ(t.size(), 14u);
        std::vector<std::string> digits;
        for (size_t i = 4; i < t.size(); ++i) digits.push_back(t[i].text);
        EXPECT_EQ(digits, (std::vector<std::string>{"4", "3", "2", "1", "0", "0", "1", "2", "3", "4"}));
        const double R = 4.4 * 900;
        EXPECT_EQ(t[4], (TextOp{9350, 5350 - R - 300, "4"}));
        EXPECT_EQ(t[8], (TextOp{9400 + R + 100, 5250, "0"}));
        EXPECT_EQ(t[9], (TextOp{9400 - R - 200, 5250, "0"}));
        EXPECT_EQ(t[13], (TextOp{9350, 5350 + R + 60, "4"}));
        // North-east 3 at (+50, -250), south-east 2 at (0, -100).
        const double th3 = 3 * 22.5 * kTransitionPi / 180, th2 = 2 * 22.5 * kTransitionPi / 180;
        EXPECT_NEAR(t[5].x, 9400 + R * std::cos(th3) + 50, kCoordinate);
        EXPECT_NEAR(t[5].y, 5350 - R * std::sin(th3) - 250, kCoordinate);
        EXPECT_NEAR(t[11].x, 9400 + R * std::cos(th2) + 0, kCoordinate);
        EXPECT_NEAR(t[11].y, 5350 + R * std::sin(th2) - 100, kCoordinate);
    }
}

TEST(RectTopGeometry, DigitOffsetsForTwentyFourAndThirtyTwo) {
    struct Case {
        int n, k;
        bool northEast;
        double dx, dy;
    };
    const Case cases[] = {{24, 5, true, -100, -300}, {24, 4, false, -50, 30},  {24, 5, false, -100, 60},
                          {32, 7, true, 0, -300},    {32, 3, true, 100, -200}, {32, 7, false, -30, 60},
                          {32, 3, false, 70, -50}};
    for (const auto& c : cases) {
        TransitionInputs in = rectTopPresets();
        in.n = c.n;
        Recording canvas;
        const TransitionGeometry g = computeRectTop(in);
        drawRectTopPlan(g, canvas);
        const auto t = only<TextOp>(canvas.primitives());
        const int q = c.n / 4;
        // h3 h1 h2 h4, q, north-east q-1 ... 1, 0, 0, south-east 1 ... q-1, q.
        const size_t index = c.northEast ? 5 + static_cast<size_t>(q - 1 - c.k) : 5 + q - 1 + 2 + c.k - 1;
        ASSERT_LT(index, t.size());
        const double th = c.k * (360.0 / c.n) * kTransitionPi / 180, R = 4.4 * 900;
        EXPECT_EQ(t[index].text, std::to_string(c.k));
        EXPECT_NEAR(t[index].x, 9400 + R * std::cos(th) + c.dx, kCoordinate) << c.n << " " << c.k;
        EXPECT_NEAR(t[index].y, 5350 + (c.northEast ? -1 : 1) * R * std::sin(th) + c.dy, kCoordinate)
            << c.n << " " << c.k;
    }
}

TEST(RectTopGeometry, ListingLinesAndColumns) {
    Recording canvas;
    listRectTop(computeRectTop(rectTopOffsets()), canvas);
    std::vector<std::string> expected = {"@24:西北角实线|@91:东北角实线", ""};
    const char* nw[] = {"1346.291", "1242.354", "1210.813", "1261.805", "1379.312"};
    const char* ne[] = {"1411.559", "1302.321", "1241.22", "1244.957", "1312.441"};
    const char* sw[] = {"1265.899", "1241.005", "1279.807", "1371.513", "1494.155"};
    const char* se[] = {"1335.103", "1301.034", "1308.611", "1356.028", "1432.655"};
    for (int i = 0; i <= 4; ++i)
        expected.push_back("@23: m" + std::to_string(i) + "=" + nw[i] + "|@90: j" + std::to_string(i) + "=" + ne[i]);
    expected.insert(expected.end(), 14, "");
    expected.push_back("@24:西南角实线|@91:东南角实线");
    expected.push_back("");
    for (int i = 0; i <= 4; ++i)
        expected.push_back("@23: L" + std::to_string(i) + "=" + sw[i] + "|@90: k" + std::to_string(i) + "=" + se[i]);
    EXPECT_EQ(listing(canvas.primitives()), expected);
}

}  // namespace
}  // namespace korvel
