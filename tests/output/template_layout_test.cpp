// The template's pages laid out: the orientation that needs fewer pages in
// all, windows covering the pattern as the DXF lays it out, and the refusals.

#include <gtest/gtest.h>

#include <algorithm>

#include "output/template_layout.h"
#include "output/template_presets.h"

namespace korvel {
namespace {

TEST(TemplateLayout, TheAutomaticLieNeverGivesMorePagesThanAnyChosenOne) {
    for (const char* fitting : {"elbow", "tee", "cone", "transition-rect-top"}) {
        for (const char* paper : {"A4", "A3"}) {
            SCOPED_TRACE(std::string(fitting) + " " + paper);
            const PrintedTemplate automatic = presetTemplate(fitting, paper);
            ASSERT_FALSE(automatic.rejected());
            for (bool landscape : {false, true})
                for (bool turned : {false, true}) {
                    const PrintedTemplate chosen = presetTemplate(fitting, paper, {}, {landscape, turned});
                    ASSERT_FALSE(chosen.rejected());
                    EXPECT_EQ(chosen.tiles.landscape, landscape);
                    EXPECT_EQ(chosen.turned, turned);
                    EXPECT_LE(automatic.pageCount(), chosen.pageCount()) << landscape << turned;
                }
        }
    }
    // The preset elbow on A4: 238 pages with the old 110 mm foot on every
    // page (3 information pages and 235 of the template, portrait, unturned).
    const PrintedTemplate elbow = presetTemplate("elbow", "A4");
    EXPECT_EQ(elbow.pageCount(), 154);
    EXPECT_TRUE(elbow.tiles.landscape);
    EXPECT_TRUE(elbow.turned);
    EXPECT_LT(presetTemplate("elbow", "A4", {}, {false, false}).pageCount(), 238);
}

TEST(TemplateLayout, EveryPointOfThePatternLiesInSomeWindowAndTurnedIsThePatternTurned) {
    for (const char* fitting : {"elbow", "tee", "transition-rect-top"}) {
        for (bool turned : {false, true}) {
            SCOPED_TRACE(std::string(fitting) + (turned ? " turned" : ""));
            const PrintedTemplate t = presetTemplate(fitting, "A2", {}, {std::nullopt, turned});
            ASSERT_FALSE(t.rejected());
            const TiledTemplate& tiles = t.tiles;
            const auto inside = [](const PatternExtent& w, double x, double y) {
                return x >= w.minX - 1e-9 && x <= w.maxX + 1e-9 && y >= w.minY - 1e-9 && y <= w.maxY + 1e-9;
            };
            // A grid of points 20 mm apart over the pattern's extent: each in a window.
            const PatternExtent& e = tiles.extent;
            for (double x = e.minX; x <= e.maxX; x += std::max(20.0, (e.maxX - e.minX) / 200)) {
                for (double y = e.minY; y <= e.maxY; y += 20) {
                    bool covered = false;
                    for (const TemplatePage& p : tiles.pages) covered = covered || inside(p.window, x, y);
                    ASSERT_TRUE(covered) << x << ", " << y;
                }
            }
            // Every outline vertex on a printed page.
            for (const Polyline& line : t.sheet.outlines)
                for (const Vertex& v : line.vertices) {
                    bool printed = false;
                    for (const TemplatePage& p : tiles.pages) printed = printed || (p.printed && inside(p.window, v.x, v.y));
                    EXPECT_TRUE(printed) << v.x << ", " << v.y;
                }
            // Neighbours share the 15 mm strip.
            for (const TemplatePage& p : tiles.pages) {
                if (const TemplatePage* right = tiles.page(p.row, p.column + 1)) {
                    EXPECT_NEAR(p.window.maxX - right->window.minX, 15, 1e-9);
                }
            }

            // The DXF's pattern, or it turned a quarter counter-clockwise:
            // (x, y) to (-y, x), bulges as they were, marks and texts with it.
            const cad::PatternSheet dxf = cad::layOutPattern(t.pattern);
            ASSERT_EQ(t.sheet.outlines.size(), dxf.outlines.size());
            for (size_t i = 0; i < dxf.outlines.size(); ++i) {
                ASSERT_EQ(t.sheet.outlines[i].vertices.size(), dxf.outlines[i].vertices.size());
                for (size_t j = 0; j < dxf.outlines[i].vertices.size(); ++j) {
                    const Vertex& a = dxf.outlines[i].vertices[j];
                    const Vertex& b = t.sheet.outlines[i].vertices[j];
                    EXPECT_EQ(b.x, turned ? -a.y : a.x);
                    EXPECT_EQ(b.y, turned ? a.x : a.y);
                    EXPECT_EQ(b.bulge, a.bulge);
                }
            }
            ASSERT_EQ(t.sheet.marks.size(), dxf.marks.size());
            if (!dxf.marks.empty()) {
                EXPECT_EQ(t.sheet.marks[0].to.x, turned ? -dxf.marks[0].to.y : dxf.marks[0].to.x);
            }
            const cad::Box pieces = cad::piecesBox(dxf);
            EXPECT_NEAR(e.maxX - e.minX, turned ? pieces.height() : pieces.width(), 1e-9);
            // The title block goes on the information page, not among the pieces.
            EXPECT_EQ(t.sheet.texts.size() - t.sheet.pieceTexts, cad::titleBlockLines(t.pattern).size());
        }
    }
    // A turned label reads upwards: its box stands along y.
    const cad::SheetText label{"L14", {100, 50}, 5, false};
    EXPECT_EQ(sheetTextBox(label, 12, false), (PatternExtent{100, 50, 112, 55}));
    EXPECT_EQ(sheetTextBox(label, 12, true), (PatternExtent{95, 50, 100, 62}));
}

TEST(TemplateLayout, RefusedInputsAndTooManyPagesGiveAMessageAndNoPages) {
    const PrintedTemplate refused = presetTemplate("cone", "A4", {{"Text1(3)", "500"}});
    ASSERT_TRUE(refused.rejected());
    ASSERT_FALSE(refused.rejection.effects.empty());
    EXPECT_EQ(std::get<ShowMessage>(refused.rejection.effects.front()).text,
              "钢板厚度不小于小端口外径的一半，端口没有内表面，不能生成展开图！");
    EXPECT_TRUE(refused.tiles.pages.empty());

    const PrintedTemplate huge = presetTemplate("cone", "A4", {{"Text1(0)", "20000"}, {"Text1(1)", "30000"}});
    ASSERT_TRUE(huge.rejected());
    EXPECT_EQ(std::get<ShowMessage>(huge.rejection.effects.front()).text,
              "1:1 样板要 124 行 × 182 列的 A4 纸，超过 1000 页。\n请选更大的纸张，或导出展开图（DXF）。");

    // The preset elbow, 7160 x 1271 mm, fits no roll either way; turned it
    // needs 1271 mm across, unturned 7160.
    const PrintedTemplate wide = presetTemplate("elbow", "roll1067");
    ASSERT_TRUE(wide.rejected());
    EXPECT_EQ(std::get<ShowMessage>(wide.rejection.effects.front()).text,
              "样板图案为 7160 mm × 1271 mm，横放竖放都宽于 1067 mm 卷筒纸的可打印宽度（1047 mm）。\n"
              "请选更宽的卷筒纸，或选单张纸分页打印。");
    EXPECT_TRUE(wide.tiles.pages.empty());
    const std::map<std::string, std::string> small = {{"Text1", "300"}, {"Text2", "450"}};
    const PrintedTemplate unturned = presetTemplate("elbow", "roll610", small, {std::nullopt, false});
    ASSERT_TRUE(unturned.rejected());
    EXPECT_NE(std::get<ShowMessage>(unturned.rejection.effects.front()).text.find("不转时为 "), std::string::npos);
    EXPECT_FALSE(presetTemplate("elbow", "roll610", small).rejected()) << "turned it fits";
}

}  // namespace
}  // namespace korvel
