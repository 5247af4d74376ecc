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
    EXPECT_EQ(names, (std::vector<std::string>{"A4", "A3", "A2", "A1", "A0", "Letter", "roll610", "roll914", "roll1067"}));
    EXPECT_TRUE(paperSize("ROLL914")->roll);
    EXPECT_EQ(paperSize("roll914")->width, 914);
    EXPECT_FALSE(paperSize("Letter")->roll);
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
    // A4 portrait: window 181 x 263 mm (210 - 20 margin - 9 scale strip, 297 -
    // 20 margin - 14 foot band); landscape 268 x 176; 15 mm overlap.
    struct Case {
        PatternExtent extent;
        std::string paper;
        int rows, columns;
        bool landscape;
    };
    const std::vector<Case> cases = {
        {{0, 0, 100, 100}, "A4", 1, 1, false},
        {{0, 0, 181, 263}, "A4", 1, 1, false},          // exactly one window
        {{0, 0, 181.5, 263}, "A4", 1, 2, false},        // a little more: a second column (2 rows landscape)
        {{0, 0, 347, 150}, "A4", 1, 2, false},          // 181 + 166
        {{0, 0, 347.5, 150}, "A4", 1, 2, true},         // 3 columns portrait, 268 + 253 landscape
        {{0, 0, 100, 511}, "A4", 2, 1, false},          // 263 + 248
        {{0, 0, 1000, 1000}, "A4", 4, 6, false},        // ceil(985/166) = 6 columns, ceil(985/248) = 4 rows; 7 x 4 landscape
        {{0, 0, 250, 60}, "A4", 1, 1, true},            // landscape: 268 x 176 window takes it on one page
        {{-500, -20, 500, 20}, "A0", 1, 1, true},       // A0 landscape: 1160 wide
        // A1 portrait 565 x 807: 1 x 6; landscape 812 x 560: 2 x 4.
        {{0, 0, 3000, 800}, "A1", 1, 6, false},
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

TEST(TileTemplate, PageGeometryOfA4AndThePatternsShareOfIt) {
    const TiledTemplate portrait = tileTemplate({0, 0, 100, 100}, a4());
    EXPECT_EQ(portrait.pageWidth, 210);
    EXPECT_EQ(portrait.pageHeight, 297);
    EXPECT_EQ(portrait.printable, (MmRect{10, 10, 190, 277}));
    EXPECT_EQ(portrait.content, (MmRect{19, 10, 181, 263}));
    EXPECT_EQ(portrait.band, (MmRect{10, 273, 190, 14}));
    EXPECT_EQ(portrait.side, (MmRect{10, 10, 9, 263}));
    const TiledTemplate landscape = tileTemplate({0, 0, 250, 60}, a4());
    EXPECT_EQ(landscape.pageWidth, 297);
    EXPECT_EQ(landscape.pageHeight, 210);
    EXPECT_EQ(landscape.content, (MmRect{19, 10, 268, 176}));
    // The pattern's share of the printable area: 181 x 263 of 190 x 277
    // (90.4 %), 268 x 176 of 277 x 190 (89.6 %); the old 110 mm foot left 60 %.
    for (const TiledTemplate* t : {&portrait, &landscape}) {
        const double share = t->content.width * t->content.height / (t->printable.width * t->printable.height);
        EXPECT_GE(share, 0.75);
    }
    EXPECT_NEAR(portrait.content.width * portrait.content.height / (190.0 * 277), 0.9045, 1e-4);
    EXPECT_NEAR(landscape.content.width * landscape.content.height / (277.0 * 190), 0.8962, 1e-4);
}

TEST(TileTemplate, ARollIsOnePageAsWideAsTheRollAndAsLongAsThePattern) {
    TemplateMargins m;
    m.band = 140;  // the roll's head
    const PatternExtent e{-40, 12, 760, 2012};
    const TiledTemplate t = tileTemplate(e, *paperSize("roll914"), m);
    ASSERT_EQ(t.pages.size(), 1u);
    EXPECT_EQ(t.pageWidth, 914);
    EXPECT_EQ(t.pageHeight, 10 + 140 + 2000 + 10);
    EXPECT_EQ(t.band, (MmRect{10, 10, 894, 140}));
    EXPECT_EQ(t.content, (MmRect{10, 150, 894, 2000}));
    // The window centred across, the pattern's full height.
    const PatternExtent& w = t.pages[0].window;
    EXPECT_NEAR(w.minX, -40 - 47, 1e-9);
    EXPECT_NEAR(w.maxX, 760 + 47, 1e-9);
    EXPECT_EQ(w.minY, 12);
    EXPECT_EQ(w.maxY, 2012);
    EXPECT_TRUE(rollFits(e, *paperSize("roll914")));
    EXPECT_TRUE(rollFits({0, 0, 894, 10}, *paperSize("roll914")));
    EXPECT_FALSE(rollFits({0, 0, 894.5, 10}, *paperSize("roll914")));
    EXPECT_FALSE(rollFits(e, *paperSize("roll610")));
    EXPECT_TRUE(rollFits({0, 0, 5000, 10}, a4())) << "a sheet is tiled";
}

TEST(TileTemplate, WindowsCoverThePatternWithTheOverlapAndAreCentred) {
    const PatternExtent e{-40, 12, 2460.5, 1333};
    for (const PaperSize& paper : paperSizes()) {
        if (paper.roll) continue;
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
    const TiledTemplate t = tileTemplate({0, 0, 500, 700}, a4());
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
    TiledTemplate t = tileTemplate({0, 0, 500, 700}, a4());
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
    TiledTemplate all = tileTemplate({0, 0, 500, 700}, a4());
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
