// The tiling of a full-size template over printer pages: how many pages of
// which orientation, their names and neighbours, and that the windows cover
// the pattern with the stated overlap.

#include <gtest/gtest.h>

#include <cmath>

#include "core/tiled_template.h"

namespace korvel {
namespace {

const PaperSize& a4() { return paperSizes().front(); }

TEST(PaperSizes, OfferedInOrderA4FirstAndFoundByNameInAnyCase) {
    std::vector<std::string> names;
    for (const PaperSize& p : paperSizes()) names.push_back(p.name);
    EXPECT_EQ(names, (std::vector<std::string>{"A4", "A3", "A2", "A1", "A0", "Letter"}));
    ASSERT_TRUE(paperSize("a3"));
    EXPECT_EQ(paperSize("a3")->width, 297);
    EXPECT_EQ(paperSize("A3")->height, 420);
    EXPECT_DOUBLE_EQ(paperSize("LETTER")->width, 215.9);
    EXPECT_FALSE(paperSize("A5"));
    EXPECT_FALSE(paperSize(""));
}

TEST(TemplatePageName, RowLetterThenColumnNumber) {
    EXPECT_EQ(templatePageName(0, 0), "A1");
    EXPECT_EQ(templatePageName(1, 11), "B12");
    EXPECT_EQ(templatePageName(25, 0), "Z1");
    EXPECT_EQ(templatePageName(26, 2), "AA3");
    EXPECT_EQ(templatePageName(27, 0), "AB1");
    EXPECT_EQ(templatePageName(26 + 26 * 26, 0), "AAA1");
}

TEST(TileTemplate, PageCountsForGivenExtentsAndPaper) {
    // A4 portrait: window 190 x 167 mm (297 - 20 margin - 110 foot), 15 mm overlap.
    struct Case {
        PatternExtent extent;
        std::string paper;
        int rows, columns;
        bool landscape;
    };
    const std::vector<Case> cases = {
        {{0, 0, 100, 100}, "A4", 1, 1, false},
        {{0, 0, 190, 167}, "A4", 1, 1, false},          // exactly one window
        {{0, 0, 190.5, 167}, "A4", 1, 2, false},        // a little more: a second column
        {{0, 0, 365, 150}, "A4", 1, 2, false},          // 190 + 175
        {{0, 0, 365.5, 150}, "A4", 1, 3, false},
        {{0, 0, 100, 319}, "A4", 2, 1, false},          // 167 + 152
        {{0, 0, 1000, 1000}, "A4", 7, 6, false},        // ceil(985/175) = 6 columns, ceil(985/152) = 7 rows
        {{0, 0, 250, 60}, "A4", 1, 1, true},            // landscape: 277 x 60 window takes it on one page
        {{-500, -20, 500, 20}, "A0", 1, 1, true},        // A0 landscape: 1169 wide
        // A1 portrait 574 x 711: 6 x 2; landscape 821 x 464: 4 x 2.
        {{0, 0, 3000, 800}, "A1", 2, 4, true},
    };
    for (const Case& c : cases) {
        const TiledTemplate t = tileTemplate(c.extent, *paperSize(c.paper));
        SCOPED_TRACE(c.paper + " " + std::to_string(c.extent.maxX - c.extent.minX) + " x " +
                     std::to_string(c.extent.maxY - c.extent.minY));
        EXPECT_EQ(t.rows, c.rows);
        EXPECT_EQ(t.columns, c.columns);
        EXPECT_EQ(t.landscape, c.landscape);
        EXPECT_EQ(t.pages.size(), static_cast<size_t>(c.rows * c.columns));
    }
}

TEST(TileTemplate, PageGeometryOfA4) {
    const TiledTemplate portrait = tileTemplate({0, 0, 100, 100}, a4());
    EXPECT_EQ(portrait.pageWidth, 210);
    EXPECT_EQ(portrait.pageHeight, 297);
    EXPECT_EQ(portrait.content, (MmRect{10, 10, 190, 167}));
    EXPECT_EQ(portrait.band, (MmRect{10, 177, 190, 110}));
    const TiledTemplate landscape = tileTemplate({0, 0, 250, 60}, a4());
    EXPECT_EQ(landscape.pageWidth, 297);
    EXPECT_EQ(landscape.pageHeight, 210);
    EXPECT_EQ(landscape.content, (MmRect{10, 10, 277, 80}));
}

TEST(TileTemplate, WindowsCoverThePatternWithTheOverlapAndAreCentred) {
    const PatternExtent e{-40, 12, 2460.5, 1333};
    for (const PaperSize& paper : paperSizes()) {
        SCOPED_TRACE(paper.name);
        const TiledTemplate t = tileTemplate(e, paper);
        ASSERT_EQ(t.pages.size(), static_cast<size_t>(t.rows * t.columns));
        const double overlap = t.margins.overlap;
        for (const TemplatePage& p : t.pages) {
            EXPECT_NEAR(p.window.maxX - p.window.minX, t.content.width, 1e-9);
            EXPECT_NEAR(p.window.maxY - p.window.minY, t.content.height, 1e-9);
            if (const TemplatePage* right = t.page(p.row, p.column + 1)) {
                EXPECT_NEAR(p.window.maxX - right->window.minX, overlap, 1e-9);
                EXPECT_EQ(right->window.maxY, p.window.maxY);
            }
            if (const TemplatePage* below = t.page(p.row + 1, p.column)) {
                EXPECT_NEAR(p.window.minY - below->window.maxY, -overlap, 1e-9);
                EXPECT_EQ(below->window.minX, p.window.minX);
            }
        }
        // Together they cover the pattern, as much spare on either side.
        const PatternExtent& first = t.pages.front().window;
        const PatternExtent& last = t.pages.back().window;
        EXPECT_LE(first.minX, e.minX);
        EXPECT_GE(first.maxY, e.maxY);
        EXPECT_GE(last.maxX, e.maxX);
        EXPECT_LE(last.minY, e.minY);
        EXPECT_NEAR(e.minX - first.minX, last.maxX - e.maxX, 1e-6);
        EXPECT_NEAR(first.maxY - e.maxY, e.minY - last.minY, 1e-6);
        // One column fewer would not do.
        if (t.columns > 1) {
            EXPECT_GT(e.maxX - e.minX, (t.columns - 1) * (t.content.width - overlap) + overlap);
        }
    }
}

TEST(TileTemplate, NamesRunRowByRowFromTheTopLeftWithTheirNeighbours) {
    const TiledTemplate t = tileTemplate({0, 0, 500, 400}, a4());
    ASSERT_EQ(t.rows, 3);
    ASSERT_EQ(t.columns, 3);
    std::vector<std::string> names;
    for (const TemplatePage& p : t.pages) names.push_back(p.name);
    EXPECT_EQ(names, (std::vector<std::string>{"A1", "A2", "A3", "B1", "B2", "B3", "C1", "C2", "C3"}));
    // A is the top row: its window is highest.
    EXPECT_GT(t.page("A1")->window.maxY, t.page("B1")->window.maxY);
    EXPECT_LT(t.page("A1")->window.minX, t.page("A2")->window.minX);

    const TemplatePage& corner = *t.page("A1");
    EXPECT_EQ(corner.above, "");
    EXPECT_EQ(corner.left, "");
    EXPECT_EQ(corner.right, "A2");
    EXPECT_EQ(corner.below, "B1");
    const TemplatePage& middle = *t.page("B2");
    EXPECT_EQ(middle.above, "A2");
    EXPECT_EQ(middle.below, "C2");
    EXPECT_EQ(middle.left, "B1");
    EXPECT_EQ(middle.right, "B3");
    const TemplatePage& last = *t.page("C3");
    EXPECT_EQ(last.right, "");
    EXPECT_EQ(last.below, "");
    EXPECT_EQ(t.page(3, 0), nullptr);
    EXPECT_EQ(t.page("D1"), nullptr);
}

TEST(TileTemplate, EmptyPagesAreLeftOutAndNoLongerNamedAsNeighbours) {
    TiledTemplate t = tileTemplate({0, 0, 500, 400}, a4());
    ASSERT_EQ(t.pages.size(), 9u);
    // Only the pages of the diagonal hold anything.
    leaveOutEmptyPages(t, [&t](const PatternExtent& w) {
        for (const char* name : {"A1", "B2", "C3"})
            if (t.page(name)->window.minX == w.minX && t.page(name)->window.maxY == w.maxY) return true;
        return false;
    });
    EXPECT_EQ(t.printedPages(), 3);
    EXPECT_TRUE(t.page("B2")->printed);
    EXPECT_FALSE(t.page("B1")->printed);
    EXPECT_EQ(t.page("B2")->left, "");
    EXPECT_EQ(t.page("B2")->above, "");
    EXPECT_EQ(t.page("A1")->right, "");
    EXPECT_EQ(t.page("C3")->name, "C3") << "the names stay those of the grid";

    // Nothing anywhere: every page stays.
    TiledTemplate all = tileTemplate({0, 0, 500, 400}, a4());
    leaveOutEmptyPages(all, [](const PatternExtent&) { return false; });
    EXPECT_EQ(all.printedPages(), 9);
    EXPECT_EQ(all.page("B2")->left, "B1");
}

TEST(TileTemplate, EmptyOrBrokenExtentGetsOnePageAndHugeOnesAreNotLaidOut) {
    EXPECT_EQ(tileTemplate({}, a4()).pages.size(), 1u);
    EXPECT_EQ(tileTemplate({0, 0, std::nan(""), 5}, a4()).pages.size(), 1u);
    EXPECT_EQ(tileTemplate({5, 5, 0, 0}, a4()).pages.size(), 1u);
    const TiledTemplate huge = tileTemplate({0, 0, 1e9, 1e9}, a4());
    EXPECT_TRUE(huge.pages.empty());
    EXPECT_GT(static_cast<long long>(huge.rows) * huge.columns, kMaxTemplatePages);
}

TEST(TileTemplate, ThePageCountOfAnyFiniteLengthStaysOverTheLimit) {
    for (double side : {1e25, 1e249, 1e308}) {
        const TiledTemplate t = tileTemplateIn({0, 0, side, side}, a4(), false);
        EXPECT_TRUE(t.pages.empty()) << side;
        EXPECT_EQ(t.rows, kMaxTemplatePages + 1) << side;
        EXPECT_EQ(t.columns, kMaxTemplatePages + 1) << side;
    }
}

}  // namespace
}  // namespace korvel
