// The cone, the rectangular frustum and the two transitions developed on the
// surface the plater chooses, measured against the part built in space on
// that surface: every round edge pi times the surface's diameter, every
// generator, corner line, joint and height its true length there.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <string>
#include <vector>

#include "core/fittings/frustum/cone_commands.h"
#include "core/fittings/frustum/frustum_design.h"
#include "core/fittings/frustum/frustum_export.h"
#include "core/fittings/frustum/rect_frustum_commands.h"
#include "core/fittings/transition/transition_design.h"
#include "core/fittings/transition/transition_export.h"
#include "core/numbers.h"

namespace korvel {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTolerance = 0.01;  // mm
constexpr double kSame = 1e-6;       // mm: one point

struct P3 {
    double x = 0, y = 0, z = 0;
};
double length3(P3 p, P3 q) { return std::hypot(q.x - p.x, q.y - p.y, q.z - p.z); }
double length2(Point2 p, Point2 q) { return std::hypot(q.x - p.x, q.y - p.y); }
Point2 at(const Vertex& v) { return {v.x, v.y}; }

// How much each typed size grows on a surface, in plate thicknesses: inside
// sizes from the inside face, outside ones from the outside face.
double insideGrowth(DevelopedSurface s) {
    return s == DevelopedSurface::Inside ? 0 : s == DevelopedSurface::Mean ? 1 : 2;
}
double outsideGrowth(DevelopedSurface s) { return insideGrowth(s) - 2; }

void expectSameLengths(std::vector<double> a, std::vector<double> b, const char* what) {
    ASSERT_EQ(a.size(), b.size()) << what;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    for (size_t i = 0; i < a.size(); ++i) EXPECT_NEAR(a[i], b[i], kTolerance) << what << " " << i;
}

std::vector<double> markLengths(const Piece& piece, std::initializer_list<MarkKind> kinds) {
    std::vector<double> out;
    for (const MarkLine& m : piece.marks)
        if (std::find(kinds.begin(), kinds.end(), m.kind) != kinds.end()) out.push_back(length2(m.from, m.to));
    return out;
}

// The closed outline's runs of arcs (bulged edges), each measured along its
// arcs; no run goes on past the outline's last vertex.
std::vector<double> roundEdges(const Polyline& outline) {
    std::vector<double> runs;
    const auto& v = outline.vertices;
    for (size_t i = 0; i < v.size(); ++i) {
        if (v[i].bulge == 0) continue;
        if (i == 0 || v[i - 1].bulge == 0) runs.push_back(0);
        const Vertex& next = v[(i + 1) % v.size()];
        runs.back() += polylineLength({{v[i], {next.x, next.y, 0}}});
    }
    return runs;
}

// The window's preset with its boxes Text1(0), Text1(1), ... typed anew.
FormState typedState(const WindowDesign& design, const std::vector<double>& typed) {
    FormState state = design.presetState();
    for (size_t i = 0; i < typed.size(); ++i) state.texts["Text1(" + std::to_string(i) + ")"] = numberText(typed[i]);
    return state;
}

const DevelopedSurface kSurfaces[] = {DevelopedSurface::Mean, DevelopedSurface::Outside, DevelopedSurface::Inside};

TEST(SurfaceDevelopment, ConeEdgesAndGeneratorsAreThoseOfTheSurfaceInSpace) {
    const std::vector<double> cases[] = {// small and big outside diameters, height, thickness
                                         {500, 1000, 500, 6},
                                         {300, 420, 1500, 12},
                                         {200, 1000, 0, 6} /* a flat ring */,
                                         {0, 1000, 500, 6}};
    for (const auto& c : cases)
        for (DevelopedSurface s : kSurfaces) {
            SCOPED_TRACE(numberText(c[0]) + " on " + surfaceName(s));
            FormState state = typedState(coneDesign(), c);
            if (c[0] == 0) state.texts["Combo1"] = kConeVariant;
            const PatternExport e = conePatternExport(state, {s, {}});
            ASSERT_FALSE(e.rejected());
            EXPECT_EQ(e.developed, s);
            // In space: the ends' circles on the surface, h apart.
            const double D = c[1] + outsideGrowth(s) * c[3], d = c[0] == 0 ? 0 : c[0] + outsideGrowth(s) * c[3];
            const Piece& piece = e.pattern.pieces.at(0);
            std::vector<double> edges = roundEdges(piece.outline);
            for (const Polyline& hole : piece.holes)
                for (double run : roundEdges(hole)) edges.push_back(run);
            expectSameLengths(edges, d > 0 ? std::vector{kPi * D, kPi * d} : std::vector{kPi * D}, "round edges");
            // A flat ring is cut whole: 8 generators round it instead of 7 between the seam edges.
            expectSameLengths(markLengths(piece, {MarkKind::Generator, MarkKind::Quarter, MarkKind::CentreLine}),
                              std::vector<double>(c[2] == 0 ? 8 : 7, length3({d / 2, 0, c[2]}, {D / 2, 0, 0})),
                              "generators");
        }
}

TEST(SurfaceDevelopment, RectFrustumSidesJointsAndHeightsAreThoseOfTheSurfaceInSpace) {
    struct Case {
        std::vector<double> typed;  // A, B, a, b, H, e, n
        bool south;
        double t;
    };
    const Case cases[] = {{{2200, 1500, 1200, 500, 1000, 0, 0}, false, 6},
                          {{1600, 1200, 800, 600, 900, 150, 100}, false, 10},
                          {{1600, 1200, 800, 600, 900, 150, 100}, true, 3}};
    for (const Case& c : cases)
        for (DevelopedSurface s : kSurfaces) {
            SCOPED_TRACE(numberText(c.t) + " on " + surfaceName(s));
            FormState state = typedState(rectFrustumDesign(), c.typed);
            state.texts["Combo1"] = c.south ? kSouthOffset : kNorthOffset;
            const PatternExport e = rectFrustumPatternExport(state, {s, c.t});
            ASSERT_FALSE(e.rejected());
            // In space: both ends on the surface, the small end's centre moved
            // e east and n north (or south), H above the big end's.
            const double g = insideGrowth(s) * c.t, A = c.typed[0] + g, B = c.typed[1] + g, a = c.typed[2] + g;
            const double b = c.typed[3] + g, H = c.typed[4], ex = c.typed[5], ny = c.south ? -c.typed[6] : c.typed[6];
            const auto joint = [&](int sx, int sy) {
                return length3({sx * A / 2, sy * B / 2, 0}, {ex + sx * a / 2, ny + sy * b / 2, H});
            };
            // Each face's height runs square across between its two sides.
            const std::vector<double> heights{std::hypot(ny - (b - B) / 2, H), std::hypot(ny + (b - B) / 2, H),
                                              std::hypot(ex - (a - A) / 2, H), std::hypot(ex + (a - A) / 2, H)};
            const Piece& piece = e.pattern.pieces.at(0);
            std::vector<double> edges;
            const auto& v = piece.outline.vertices;
            for (size_t i = 0; i < v.size(); ++i) edges.push_back(length2(at(v[i]), at(v[(i + 1) % v.size()])));
            expectSameLengths(edges, {A, B, A, B, a, b, a, b, joint(-1, -1), joint(-1, -1)}, "ends and seam");
            expectSameLengths(markLengths(piece, {MarkKind::Bend}), {joint(1, -1), joint(1, 1), joint(-1, 1)},
                              "folded joints");
            expectSameLengths(markLengths(piece, {MarkKind::CentreLine}), heights, "face heights");
        }
}

TEST(SurfaceDevelopment, TransitionStationsAndCornerLinesAreThoseOfTheSurfaceInSpace) {
    struct Case {
        const char* name;
        bool rectTop;
        std::vector<double> typed;  // a, b, D, H, t, ew, e
        bool south;
        int n;
    };
    const Case cases[] = {
        {"round top presets", false, {1600, 1600, 800, 1000, 10, 0, 0}, false, 24},
        {"round top offset west and south", false, {1600, 1200, 800, 1000, 8, 100, 150}, true, 16},
        {"rect top presets", true, {900, 900, 1800, 1200, 10, 0, 0}, false, 24},
        {"rect top offset west and north", true, {900, 700, 1800, 1200, 12, 100, 150}, false, 32},
    };
    for (const Case& c : cases)
        for (DevelopedSurface s : kSurfaces) {
            SCOPED_TRACE(std::string(c.name) + " on " + surfaceName(s));
            FormState state = typedState(c.rectTop ? rectTopDesign() : roundTopDesign(), c.typed);
            state.texts["Combo1(0)"] = std::to_string(c.n);
            if (c.south) state.texts["Combo2"] = c.rectTop ? "矩方口向西向南偏移" : "圆心向西向南偏移";
            const PatternExport e = (c.rectTop ? rectTopPatternExport : roundTopPatternExport)(state, {s, {}});
            ASSERT_FALSE(e.rejected());
            // In space: the rectangle's corners NE, NW, SW, SE and the
            // circle's stations, one opening H above the other; the round
            // top's circle ew west and e north (or south) of the rectangle,
            // the rect top's rectangle so of the circle.
            const double g = insideGrowth(s) * c.typed[4], a = c.typed[0] + g, b = c.typed[1] + g;
            const double D = c.typed[2] + g, H = c.typed[3];
            const P3 moved{-c.typed[5], c.south ? -c.typed[6] : c.typed[6], H};
            const P3 rect = c.rectTop ? moved : P3{}, circle = c.rectTop ? P3{} : moved;
            const auto station = [&](int k) {
                const double angle = 2 * kPi * k / c.n;
                return P3{circle.x + D / 2 * std::cos(angle), circle.y + D / 2 * std::sin(angle), circle.z};
            };
            // Each corner to the stations of its quarter, and the east, south
            // and west triangles' heights square across to their sides.
            std::vector<double> lines{std::hypot(rect.x + a / 2 - station(0).x, H),
                                      std::hypot(rect.y - b / 2 - station(3 * c.n / 4).y, H),
                                      std::hypot(rect.x - a / 2 - station(c.n / 2).x, H)};
            const int signs[4][2] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
            for (int q = 0; q < 4; ++q)
                for (int k = 0; k <= c.n / 4; ++k)
                    lines.push_back(length3({rect.x + signs[q][0] * a / 2, rect.y + signs[q][1] * b / 2, rect.z},
                                            station(q * c.n / 4 + k)));
            const Piece& piece = e.pattern.pieces.at(0);
            expectSameLengths(markLengths(piece, {MarkKind::Bend, MarkKind::Triangulation}), lines,
                              "corner lines and heights");

            // Along the round edge (its arcs) neighbouring stations, where
            // the corner lines end, lie one division of the circle apart:
            // pi D in all.
            const auto& v = piece.outline.vertices;
            std::vector<size_t> stations;
            for (size_t i = 0; i < v.size(); ++i) {
                const bool onArc = v[i].bulge != 0 || v[(i + v.size() - 1) % v.size()].bulge != 0;
                const auto ends = [&](const MarkLine& m) {
                    return m.kind != MarkKind::Seam &&
                           std::min(length2(m.from, at(v[i])), length2(m.to, at(v[i]))) < kSame;
                };
                if (onArc && std::any_of(piece.marks.begin(), piece.marks.end(), ends)) stations.push_back(i);
            }
            ASSERT_EQ(stations.size(), static_cast<size_t>(c.n) + 1);
            for (size_t k = 1; k < stations.size(); ++k) {
                Polyline division{{v.begin() + static_cast<std::ptrdiff_t>(stations[k - 1]),
                                   v.begin() + static_cast<std::ptrdiff_t>(stations[k]) + 1}};
                division.vertices.back().bulge = 0;
                EXPECT_NEAR(polylineLength(division), kPi * D / c.n, kTolerance) << "division " << k;
            }
        }
}

// Wherever the seam runs the transition is the same surface cut elsewhere:
// the round edge pi D and the straight edge the rectangle's perimeter on that
// surface, both seam edges the 3D length of the line cut along, the same plate.
TEST(SurfaceDevelopment, TransitionSeamsAnywhereCutTheSameSurface) {
    struct Case {
        bool rectTop;
        std::vector<double> typed;  // a, b, D, H, t, ew, e
        int n;                      // 20: an odd quarter, the middle corner line is station 2 of 5
    };
    const Case cases[] = {{false, {1600, 1200, 800, 1000, 8, 100, 150}, 24},
                          {true, {900, 700, 1800, 1200, 12, 100, 150}, 20}};
    for (const Case& c : cases)
        for (DevelopedSurface s : {DevelopedSurface::Mean, DevelopedSurface::Outside}) {
            const WindowDesign& design = c.rectTop ? rectTopDesign() : roundTopDesign();
            FormState state = typedState(design, c.typed);
            state.texts["Combo1(0)"] = std::to_string(c.n);
            const auto pattern = c.rectTop ? rectTopPatternExport : roundTopPatternExport;
            const double presetArea = pieceArea(pattern(state, {s, {}}).pattern.pieces.at(0));
            // In space, as above (north offsets): corners and stations.
            const double g = insideGrowth(s) * c.typed[4], a = c.typed[0] + g, b = c.typed[1] + g;
            const double D = c.typed[2] + g, H = c.typed[3];
            const P3 moved{-c.typed[5], c.typed[6], H};
            const P3 rect = c.rectTop ? moved : P3{}, circle = c.rectTop ? P3{} : moved;
            const auto station = [&](double degrees) {
                return P3{circle.x + D / 2 * std::cos(degrees * kPi / 180),
                          circle.y + D / 2 * std::sin(degrees * kPi / 180), circle.z};
            };
            const auto corner = [&](int sx, int sy) { return P3{rect.x + sx * a / 2, rect.y + sy * b / 2, rect.z}; };
            const double turn = 360.0 * (c.n / 8) / c.n;  // the middle corner line from the east or west point
            // side1 east ... side4 north: from the circle's axis point square to its side.
            const std::map<std::string, double> seams{
                {"side1", length3(station(0), {corner(1, 1).x, station(0).y, rect.z})},
                {"side2", length3(station(270), {station(270).x, corner(1, -1).y, rect.z})},
                {"side3", length3(station(180), {corner(-1, 1).x, station(180).y, rect.z})},
                {"side4", length3(station(90), {station(90).x, corner(1, 1).y, rect.z})},
                {"corner1", length3(corner(-1, 1), station(180 - turn))},
                {"corner2", length3(corner(1, 1), station(turn))},
                {"corner3", length3(corner(-1, -1), station(180 + turn))},
                {"corner4", length3(corner(1, -1), station(-turn))}};
            ASSERT_EQ(design.seamPlaces.size(), seams.size());
            for (const SeamPlace& place : design.seamPlaces) {
                SCOPED_TRACE(place.keyword + (c.rectTop ? " rect top on " : " round top on ") + surfaceName(s));
                const PatternExport e = pattern(state, {.surface = s, .seam = place.keyword});
                ASSERT_FALSE(e.rejected());
                const Piece& piece = e.pattern.pieces.at(0);
                EXPECT_FALSE(selfIntersects(piece.outline));
                // Arcs are the round edge, straight edges touching one the
                // seam, the other straight edges the rectangle.
                const auto& v = piece.outline.vertices;
                double round = 0, straight = 0;
                std::vector<double> seamEdges;
                for (size_t i = 0; i < v.size(); ++i) {
                    const Vertex &before = v[(i + v.size() - 1) % v.size()], &next = v[(i + 1) % v.size()];
                    const double edge = polylineLength({{v[i], {next.x, next.y, 0}}});
                    if (v[i].bulge != 0) round += edge;
                    else if (before.bulge != 0 || next.bulge != 0) seamEdges.push_back(edge);
                    else straight += edge;
                }
                EXPECT_NEAR(round, kPi * D, kTolerance);
                EXPECT_NEAR(straight, 2 * a + 2 * b, kTolerance);
                expectSameLengths(seamEdges, {seams.at(place.keyword), seams.at(place.keyword)}, "seam edges");
                EXPECT_NEAR(pieceArea(piece), presetArea, presetArea * 1e-4);
            }
        }
}

// What each export develops by default and on request, and what it names:
// the last size it made, and how many lines its station table has.
TEST(SurfaceDevelopment, TheSurfaceFollowsTheThicknessKnownAndNamesTheSizesItMade) {
    using S = DevelopedSurface;
    const FormState cone = coneDesign().presetState(), thickCone = typedState(coneDesign(), {500, 1000, 500, 6});
    const FormState rect = rectFrustumDesign().presetState(), roundTop = roundTopDesign().presetState();
    struct Case {
        PatternExport e;
        S developed;
        std::string lastSize;
        size_t tableLines;
    };
    const Case cases[] = {
        {conePatternExport(cone, {}), S::Typed, "按输入尺寸：d = 500 mm（按输入的小端口外径 500）", 0},
        // The listing's own surface: no table of its own.
        {conePatternExport(thickCone, {}), S::Mean, "中性层：d = 494 mm（小端口外径 500 − 壁厚 6）", 0},
        {conePatternExport(thickCone, {S::Inside, {}}), S::Inside, "内表面：d = 488 mm（小端口外径 500 − 2 × 壁厚 6）",
         1},
        {conePatternExport(cone, {{}, 6.0}), S::Mean, "中性层：d = 494 mm（小端口外径 500 − 壁厚 6）", 1},
        {rectFrustumPatternExport(rect, {}), S::Typed, "按输入尺寸：b = 500 mm（按输入的小端纵向内边长 500）", 0},
        // Every side grows alike: the runs, heights and joints stay as listed.
        {rectFrustumPatternExport(rect, {S::Outside, 5.0}), S::Outside,
         "外表面：b = 510 mm（小端纵向内边长 500 + 2 × 壁厚 5）", 0},
        {roundTopPatternExport(roundTop, {}), S::Mean, "中性层：D = 810 mm（圆口内直径 800 + 壁厚 10）", 5},
        {roundTopPatternExport(roundTop, {S::Typed, {}}), S::Typed, "按输入尺寸：D = 810 mm（圆口内直径 800 + 壁厚 10，窗口列表的中径）", 0},
        // As typed, the listing's mean diameters, named as such.
        {conePatternExport(thickCone, {S::Typed, {}}), S::Typed,
         "按输入尺寸：d = 494 mm（小端口外径 500 − 板厚 6，窗口列表的中径）", 0},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        const PatternExport& e = cases[i].e;
        ASSERT_FALSE(e.rejected());
        EXPECT_EQ(e.developed, cases[i].developed);
        EXPECT_EQ(e.developedSizes.empty() ? "" : e.developedSizes.back(), cases[i].lastSize);
        EXPECT_EQ(e.stationTable.size(), cases[i].tableLines);
    }
    // The inside cone's own sector: slant sqrt(250^2 + 500^2), big radius that
    // times 988 / 500, as the window rounds them.
    EXPECT_TRUE(cases[2].e.stationTable[0].starts_with("  圆锥台：展开斜边实长 = 559，大圆弧展开半径 = 1105，"));
    // The round top's mean surface: heights sqrt(400^2 + 1000^2), the arc
    // pi 810 / 24; the north-west corner (-805, 805) to the west point
    // (-405, 0) and to the 45 degree point, 1000 below.
    EXPECT_EQ(cases[6].e.stationTable[0], "  天圆地方：h1 = 1077，h2 = 1077，h3 = 1077，h4 = 1077，每等份弧长 = 106");
    EXPECT_TRUE(cases[6].e.stationTable[1].starts_with("  西北角实线：m0 = 1345，m1 = 1289，m2 = 1253，m3 = 1240，"));
    EXPECT_EQ(cases[1].e.surface, "中性层（壁厚 6 mm）");
    EXPECT_EQ(cases[4].e.surface, "内表面，按内边长展开（不计板厚）") << "as before";
    EXPECT_EQ(cases[5].e.thickness, std::vector<double>{5}) << "the plate is known: a weight";
}

TEST(SurfaceDevelopment, ASurfaceWithoutAThicknessOrWithoutAnInsideIsRefused) {
    const auto error = [](const std::string& text, const char* focus) {
        std::vector<Effect> effects{ShowMessage{text, MessageIcon::Error, "错误："}};
        if (*focus) effects.push_back(FocusBox{focus});
        return effects;
    };
    FormState cone = coneDesign().presetState(), coneVariant = cone;
    coneVariant.texts["Combo1"] = kConeVariant;
    coneVariant.texts["Text1(0)"] = "0";
    struct Case {
        const char* name;
        PatternExport e;
        std::vector<Effect> effects;
    };
    const Case cases[] = {
        {"rect frustum, mean",
         rectFrustumPatternExport(rectFrustumDesign().presetState(), {DevelopedSurface::Mean, {}}),
         error("没有钢板厚度，不能按中性层展开！请给出钢板厚度，或按输入尺寸展开。", "")},
        {"cone, outside", conePatternExport(cone, {DevelopedSurface::Outside, {}}),
         error("没有钢板厚度，不能按外表面展开！请给出钢板厚度，或按输入尺寸展开。", "Text1(3)")},
        {"cone, a thickness below 0", conePatternExport(cone, {{}, -1.0}), error("钢板厚度不能小于0！", "Text1(3)")},
        {"cone variant, half the big end", conePatternExport(coneVariant, {{}, 500.0}),
         error("钢板厚度不小于大端口外径的一半，端口没有内表面，不能生成展开图！", "")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.e.rejection.effects, c.effects);
    }
}

}  // namespace
}  // namespace korvel
