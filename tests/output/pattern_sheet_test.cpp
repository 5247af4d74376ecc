// The sheet both the DXF file and the printed template show: the title
// block's lines, and the pieces side by side above it without overlaps.

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace korvel
