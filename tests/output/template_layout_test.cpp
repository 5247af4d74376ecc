// The template's pages laid out: the orientation that needs fewer pages in
// all, windows covering the pattern as the DXF lays it out, and the refusals.

#include <gtest/gtest.h>

#include "output/template_layout.h"
#include "output/template_presets.h"

namespace korvel {
namespace {

TEST(TemplateLayout, TheOrientationWithFewerPagesInAllInformationPagesCounted) {
    // A small, long elbow: its pattern alone goes on fewer landscape pages,
    // but landscape pages hold too few lines of the listing. No wall: the
    // outside's sizes, as the window lists them.
    const PrintedTemplate t =
        presetTemplate("elbow", "A4", {{"Text1", "60"}, {"Text2", "90"}, {"Text3", "30"}, {"Text4", ""}});
    ASSERT_FALSE(t.rejected());
    EXPECT_TRUE(tileTemplate(t.tiles.extent, *paperSize("A4")).landscape);
    EXPECT_FALSE(t.tiles.landscape);
    EXPECT_EQ(t.infoPages, 2);
    EXPECT_EQ(t.pageCount(), 5) << "7 in landscape";
}

TEST(TemplateLayout, ThePageWindowsCoverThePatternLaidOutAsInTheDxf) {
    for (const char* fitting : {"elbow", "tee", "transition-rect-top"}) {
        SCOPED_TRACE(fitting);
        const PrintedTemplate t = presetTemplate(fitting, "A2");
        ASSERT_FALSE(t.rejected());
        const cad::PatternSheet dxf = cad::layOutPattern(t.pattern);
        ASSERT_EQ(t.sheet.outlines.size(), dxf.outlines.size());
        for (const cad::Box& piece : dxf.pieces) {
            // Every piece lies inside the union of the windows.
            EXPECT_GE(piece.minX, t.tiles.pages.front().window.minX);
            EXPECT_LE(piece.maxY, t.tiles.pages.front().window.maxY);
            EXPECT_LE(piece.maxX, t.tiles.pages.back().window.maxX);
            EXPECT_GE(piece.minY, t.tiles.pages.back().window.minY);
        }
        EXPECT_EQ(t.tiles.margins.overlap, 15);
        // The title block goes on the information page, not among the pieces.
        EXPECT_EQ(t.sheet.texts.size() - t.sheet.pieceTexts, cad::titleBlockLines(t.pattern).size());
    }
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
              "1:1 样板要 202 行 × 173 列的 A4 纸，超过 1000 页。\n请选更大的纸张，或导出展开图（DXF）。");
}

}  // namespace
}  // namespace korvel
