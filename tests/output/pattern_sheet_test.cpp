// The sheet both the DXF file and the printed template show: the title
// block's lines, and the pieces side by side above it without overlaps.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/catalogue.h"
#include "core/flat_pattern.h"
#include "output/pattern_sheet.h"
#include "output/sample_pattern.h"

namespace korvel {
namespace {

TEST(PatternSheet, TitleBlockNamesEverythingAPlaterNeeds) {
    const std::vector<std::string> lines = cad::titleBlockLines(halfDisc());
    // A 200 x 50 rectangle and a half disc of radius 100: 25 707.96 mm²;
    // 10 mm of steel at 7.85 g/cm³ weighs 2.018 kg.
    const std::vector<std::string> expected = {
        "测试件  真实尺寸展开图（单位：mm）",
        "输入数据：",
        "  输入外径：1120mm mm",
        "  两管夹角：45°",
        "  向北",
        "圆整：留小数（3位）",
        "展开面：外壁",
        "下料：半圆板 3 件，第二块 1 件",
        "校核：",
        "  展开长度 / πD：314.16 mm，应为 314.159 mm，相差 0 mm",
        "  三角形各边与实长最大差：0.001 mm",
        "  展开后相邻等分点直线距离：105.973 mm，弦长yn为 105.726 mm，相差 0.248 mm",
        "面积和重量（每件）：",
        "  半圆板：面积 0.0257 m²，重量 2.02 kg（板厚 10 mm，钢 7.85 g/cm³）",
        "  第二块：面积 0.0257 m²（未给板厚，不计重量）",
        "标记线：橙色 中心线",
    };
    EXPECT_EQ(lines, expected);
}

TEST(PatternSheet, PiecesStandSideBySideAboveTheTitleBlock) {
    const cad::PatternSheet sheet = cad::layOutPattern(halfDisc());
    ASSERT_EQ(sheet.pieces.size(), 2u);
    ASSERT_EQ(sheet.outlines.size(), 2u);
    const cad::Box& first = sheet.pieces[0];
    const cad::Box& second = sheet.pieces[1];
    EXPECT_FALSE(first.overlaps(second));
    EXPECT_GT(second.minX - first.maxX, 0) << "a gap between them";
    EXPECT_DOUBLE_EQ(first.minX, 0);
    EXPECT_DOUBLE_EQ(first.minY, 0);
    EXPECT_DOUBLE_EQ(second.minY, 0);
    // The arc's top (y 150 in the piece) is inside the box, and the outline
    // is only moved: the same shape, area and bulges.
    for (size_t i = 0; i < 2; ++i) {
        const Polyline& placed = sheet.outlines[i];
        EXPECT_TRUE(placed.closed);
        EXPECT_NEAR(polylineArea(placed), polylineArea(halfDisc().pattern.pieces[i].outline), 1e-6);
        EXPECT_EQ(placed.vertices[2].bulge, 1);
        const double dy = placed.vertices[0].y;
        EXPECT_LE(dy + 150, sheet.pieces[i].maxY);
        EXPECT_GE(placed.vertices[0].x, sheet.pieces[i].minX);
    }
    // Every text below the pieces is the title block's, from x = 0 down.
    const size_t titleLines = cad::titleBlockLines(halfDisc()).size();
    ASSERT_GE(sheet.texts.size(), titleLines);
    for (size_t i = sheet.texts.size() - titleLines; i < sheet.texts.size(); ++i) {
        EXPECT_DOUBLE_EQ(sheet.texts[i].at.x, 0);
        EXPECT_LT(sheet.texts[i].at.y + sheet.texts[i].height, 0);
    }
    EXPECT_EQ(sheet.texts.back().text, "标记线：橙色 中心线");
}

TEST(PatternSheet, EveryWindowsPresetPatternLaysOutWithoutOverlaps) {
    for (const auto& entry : fittingEntries()) {
        const WindowDesign& design = entry.design();
        SCOPED_TRACE(design.objectName);
        ASSERT_TRUE(design.pattern);
        const PatternExport e = design.pattern(design.presetState());
        ASSERT_FALSE(e.rejected());
        const cad::PatternSheet sheet = cad::layOutPattern(e);
        ASSERT_EQ(sheet.pieces.size(), e.pattern.pieces.size());
        for (size_t i = 0; i < sheet.pieces.size(); ++i)
            for (size_t j = i + 1; j < sheet.pieces.size(); ++j)
                EXPECT_FALSE(sheet.pieces[i].overlaps(sheet.pieces[j])) << i << " and " << j;
        // Texts no smaller than the smallest a CAD program shows readably at full size.
        EXPECT_GE(sheet.textHeight, 2.5);
        EXPECT_GE(sheet.extents.maxX, sheet.pieces.back().maxX);
    }
}

// What a user typed, as the DXF file's title block shows it (the template's
// is in template_pdf_test.cpp): no character that reorders or hides the
// program's own text, one "□" for each character the file cannot hold, and a
// text too long cut with "…" before the unit.
TEST(PatternSheet, TypedTextInTheTitleBlockKeepsTheProgramsOwnTextReadable) {
    const auto typedLine = [](const std::string& typed) {
        PatternExport e = halfDisc();
        e.inputs[0].text = typed;
        return cad::titleBlockLines(e)[2];
    };
    EXPECT_EQ(typedLine("1120\u202Eabc"), "  输入外径：1120□abc mm");
    EXPECT_EQ(typedLine("1120\U0001F600"), "  输入外径：1120□ mm");
    // 100 characters: the 7 of "  输入外径：", 89 typed, "…" and " mm".
    const std::string line = typedLine("1120" + std::string(6000, 'x'));
    EXPECT_EQ(line, "  输入外径：1120" + std::string(85, 'x') + "… mm");
    EXPECT_EQ(cad::kTitleLineChars, 100u);
    // The program's own lines are never cut.
    PatternExport e = halfDisc();
    e.pattern.pieces[0].name = std::string(200, 'p');
    EXPECT_EQ(cad::titleBlockLines(e)[7], "下料：" + std::string(200, 'p') + " 3 件，第二块 1 件");
}

// The cut outline as points, each arc in 64 steps.
std::vector<Point2> densified(const Polyline& line) {
    std::vector<Point2> points;
    const size_t n = line.vertices.size();
    for (size_t i = 0; i < n; ++i) {
        points.push_back({line.vertices[i].x, line.vertices[i].y});
        if (const auto arc = bulgeArc(line.vertices[i], line.vertices[(i + 1) % n]))
            for (const Point2& p : cad::pointsWithin(*arc, 64)) points.push_back(p);
    }
    return points;
}

double segmentDistance(Point2 p, Point2 a, Point2 b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(a.x + t * dx - p.x, a.y + t * dy - p.y);
}

// Inside the closed polygon by the crossing count of a ray to the right.
bool inside(Point2 p, const std::vector<Point2>& polygon) {
    bool in = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++)
        if ((polygon[i].y > p.y) != (polygon[j].y > p.y) &&
            p.x < polygon[j].x + (p.y - polygon[j].y) * (polygon[i].x - polygon[j].x) / (polygon[i].y - polygon[j].y))
            in = !in;
    return in;
}

// How close the mark comes to the cut, mm (-1 when some point of it lies
// outside the piece); 11 points along it.
double clearance(const MarkLine& m, const std::vector<Point2>& cut) {
    double nearest = INFINITY;
    for (int k = 0; k <= 10; ++k) {
        const Point2 p{m.from.x + (m.to.x - m.from.x) * k / 10, m.from.y + (m.to.y - m.from.y) * k / 10};
        if (!inside(p, cut)) return -1;
        for (size_t i = 0; i < cut.size(); ++i)
            nearest = std::min(nearest, segmentDistance(p, cut[i], cut[(i + 1) % cut.size()]));
    }
    return nearest;
}

// Every window's preset sheet: the seam ticks on MARK lie inside their
// piece's outline on CUT, clear of it by more than a millimetre (the sheets'
// texts are at least 2.5 mm high, the ticks start half of that inside), two
// to a seam edge.
TEST(PatternSheet, NoSeamTickLiesOnACutEdge) {
    int seamed = 0;
    for (const auto& entry : fittingEntries()) {
        const WindowDesign& design = entry.design();
        SCOPED_TRACE(design.objectName);
        const PatternExport e = design.pattern(design.presetState());
        const cad::PatternSheet sheet = cad::layOutPattern(e);
        ASSERT_EQ(sheet.outlines.size(), e.pattern.pieces.size()) << "no holes in the presets";
        int ticks = 0;
        for (const MarkLine& m : sheet.marks) {
            if (m.kind != MarkKind::Seam) continue;
            ++ticks;
            double best = -1;
            for (const Polyline& outline : sheet.outlines) best = std::max(best, clearance(m, densified(outline)));
            EXPECT_GT(best, 1.0);
        }
        EXPECT_TRUE(ticks == 0 || ticks == 4) << ticks;
        seamed += ticks > 0;
    }
    EXPECT_EQ(seamed, 4) << "the cone, the rectangular frustum and both transitions";
}

// The width of a text as counted by hand: an em for each Chinese character,
// seven tenths of one for anything else.
double handWidth(const std::string& text, double height) {
    double width = 0;
    for (unsigned char c : text)
        if (c < 0x80 || (c >= 0xC0 && c < 0xE0)) width += 0.7 * height;
        else if (c >= 0xE0) width += height;
    return width;
}

// The pairs of piece texts (labels and names) whose boxes overlap.
int overlappingTexts(const cad::PatternSheet& sheet) {
    int pairs = 0;
    for (size_t i = 0; i < sheet.pieceTexts; ++i)
        for (size_t j = i + 1; j < sheet.pieceTexts; ++j) {
            const cad::SheetText& a = sheet.texts[i];
            const cad::SheetText& b = sheet.texts[j];
            pairs += a.at.x < b.at.x + handWidth(b.text, b.height) && b.at.x < a.at.x + handWidth(a.text, a.height) &&
                     a.at.y < b.at.y + b.height && b.at.y < a.at.y + a.height;
        }
    return pairs;
}

const WindowDesign& designNamed(const std::string& patternName) {
    for (const auto& entry : fittingEntries())
        if (entry.design().patternName == patternName) return entry.design();
    throw std::runtime_error("no window for " + patternName);
}

// The elbow at 8 ... 100 divisions (D 300, R 450: stations 9.4 mm apart at
// 100) and the tee, whose opening crowds its stations towards the far end:
// no two texts of a piece overlap, and every station keeps its line.
TEST(PatternSheet, NoTwoLabelsOverlapAtAnyNumberOfDivisions) {
    for (const auto& entry : fittingEntries()) {
        const WindowDesign& design = entry.design();
        SCOPED_TRACE(design.objectName);
        EXPECT_EQ(overlappingTexts(cad::layOutPattern(design.pattern(design.presetState()))), 0);
    }
    for (const char* fitting : {"elbow", "tee"}) {
        const WindowDesign& design = designNamed(fitting);
        for (int n = 8; n <= 100; n += 4) {
            SCOPED_TRACE(std::string(fitting) + " n " + std::to_string(n));
            FormState state = design.presetState();
            state.texts["Combo1"] = state.texts["Combo1(0)"] = std::to_string(n);
            if (std::string(fitting) == "elbow") state.texts["Text1"] = "300", state.texts["Text2"] = "450";
            const PatternExport e = design.pattern(state);
            ASSERT_FALSE(e.rejected());
            EXPECT_EQ(overlappingTexts(cad::layOutPattern(e)), 0);
            // Stations 1 ... n - 1 of the first piece keep their lines.
            EXPECT_EQ(e.pattern.pieces[0].marks.size(), static_cast<size_t>(n - 1));
        }
    }
    // At 100 divisions of 942.478 mm the sheet's labels are 4.5 mm high:
    // "D10" (9.45 mm) is wider than a division (9.425 mm), every second
    // station's name fits.
    const WindowDesign& elbow = designNamed("elbow");
    FormState state = elbow.presetState();
    state.texts["Combo1"] = "100", state.texts["Text1"] = "300", state.texts["Text2"] = "450";
    const cad::PatternSheet sheet = cad::layOutPattern(elbow.pattern(state));
    std::vector<std::string> feet;
    // The end section's texts: its name, then its labels up to the middle section's name.
    for (size_t i = 1; i < sheet.pieceTexts && !sheet.texts[i].text.starts_with("中节"); ++i)
        if (sheet.texts[i].text.starts_with("D")) feet.push_back(sheet.texts[i].text);
    ASSERT_EQ(feet.size(), 51u);
    for (size_t k = 0; k < feet.size(); ++k) EXPECT_EQ(feet[k], "D" + std::to_string(2 * k));
}

// The flat ring of small 200, big 1000, t 6 (mean radii 97 and 497 mm): the
// outline and then its hole on the sheet, the plate between them weighed.
TEST(PatternSheet, RingIsItsCircleAndItsHole) {
    const WindowDesign& cone = designNamed("cone");
    FormState state = cone.presetState();
    for (const InputDesign& in : cone.inputs) {
        if (in.symbol == "small") state.texts[in.box.key()] = "200";
        if (in.symbol == "big") state.texts[in.box.key()] = "1000";
        if (in.symbol == "h") state.texts[in.box.key()] = "0";
        if (in.symbol == "t") state.texts[in.box.key()] = "6";
    }
    const PatternExport e = cone.pattern(state);
    ASSERT_FALSE(e.rejected());
    const cad::PatternSheet sheet = cad::layOutPattern(e);
    ASSERT_EQ(sheet.outlines.size(), 2u);
    EXPECT_NEAR(polylineLength(sheet.outlines[0]), M_PI * 994, 1e-6);
    EXPECT_NEAR(polylineLength(sheet.outlines[1]), M_PI * 194, 1e-6);
    // π (497² − 97²) = 746442.4 mm², 35.16 kg of 6 mm plate.
    bool weighed = false;
    for (const std::string& line : cad::titleBlockLines(e))
        weighed |= line.find("面积 0.7464 m²，重量 35.16 kg") != std::string::npos;
    EXPECT_TRUE(weighed);
}

// The sizes a surface other than the typed ones was developed on follow the
// surface's line, then a station table under its heading, cut after a comma.
TEST(PatternSheet, TheDevelopedSizesAndStationsFollowTheSurface) {
    PatternExport e = halfDisc();
    e.developedSizes = {"中性层：D = 1110 mm（外径 1120 − 壁厚 10）"};
    std::string stations = "  端节：L0 = 1";
    for (int i = 1; i <= 40; ++i) stations += "，L" + std::to_string(i) + " = 1234.5";
    e.stationTable = {stations};
    EXPECT_EQ(cad::titleBlockLines(e), cad::titleBlockLines(halfDisc())) << "the typed sizes: the listing holds";

    e.developed = DevelopedSurface::Mean;
    const std::vector<std::string> lines = cad::titleBlockLines(e);
    EXPECT_EQ(lines[7], "  中性层：D = 1110 mm（外径 1120 − 壁厚 10）");
    EXPECT_EQ(lines[8], "放样尺寸（按中性层，不同于窗口列表）：");
    // At most 80 characters: "  端节：L0 = 1，" and 5 of 12; 4 blanks and 6
    // of 12 or 13; then 5 of 13 a line.
    EXPECT_EQ(lines[9], "  端节：L0 = 1，L1 = 1234.5，L2 = 1234.5，L3 = 1234.5，L4 = 1234.5，L5 = 1234.5，");
    EXPECT_EQ(lines[10], "    L6 = 1234.5，L7 = 1234.5，L8 = 1234.5，L9 = 1234.5，L10 = 1234.5，L11 = 1234.5，");
    EXPECT_EQ(lines[16], "    L37 = 1234.5，L38 = 1234.5，L39 = 1234.5，L40 = 1234.5");
    EXPECT_EQ(lines[17], "下料：半圆板 3 件，第二块 1 件");
}

}  // namespace
}  // namespace korvel
