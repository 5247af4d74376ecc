// The Y-tee's generators, listings, layout and pattern primitives.

#include "core/fittings/tee/ytee_geometry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/outcomes.h"

namespace korvel {
namespace {

// D 720, L 800, 75°, 16 parts.
YTeeInputs presets(int digits = 0, int n = 16) { return {720, 800, 75, n, digits}; }

using testing::only;

std::vector<Primitive> pattern(YTeePipe pipe, int n = 16) {
    Recording canvas;
    drawYTee(computeYTee(presets(0, n), pipe), yTeeLayout(15000, 10000, n), canvas);
    return canvas.take();
}

TEST(YTeeGeometry, VerticalPipeListing) {
    const TeeListing listing = yTeeListing(computeYTee(presets(), YTeePipe::Vertical));
    EXPECT_EQ(listing.leftHeading, "   管Ⅰ实长过");
    EXPECT_EQ(listing.rightHeading, "度线数据");
    EXPECT_EQ(listing.left, (std::vector<std::string>{" L0=678", " L1=687", " L2=714", " L3=753", " L4=800",
                                                      " L5=753", " L6=714", " L7=687", " L8=678"}));
    EXPECT_EQ(listing.right, (std::vector<std::string>{" L8=678", " L9=687", " L10=714", " L11=753", " L12=800",
                                                       " L13=753", " L14=714", " L15=687", " L16=678"}));
}

TEST(YTeeGeometry, SlantedPipeListing) {
    const TeeListing listing = yTeeListing(computeYTee(presets(), YTeePipe::Slanted));
    EXPECT_EQ(listing.leftHeading, "   管Ⅱ实长过");
    EXPECT_EQ(listing.left, (std::vector<std::string>{" L0=678", " L1=687", " L2=714", " L3=753", " L4=800",
                                                      " L5=620", " L6=468", " L7=367", " L8=331"}));
    EXPECT_EQ(listing.right, (std::vector<std::string>{" L8=331", " L9=367", " L10=468", " L11=620", " L12=800",
                                                       " L13=753", " L14=714", " L15=687", " L16=678"}));
    const YTeeGeometry decimals = computeYTee(presets(3), YTeePipe::Slanted);
    EXPECT_EQ(yTeeListing(decimals).left[8], " L8=330.839");
    EXPECT_EQ(yTeeListing(decimals).left[0], " L0=677.796");
}

TEST(YTeeGeometry, AngleAndDivisionFaults) {
    const std::pair<YTeeInputs, YTeeFault> cases[] = {
        {{720, 800, 0, 16, 0}, YTeeFault::Angle},          {{720, 800, -75, 16, 0}, YTeeFault::Angle},
        {{720, 800, 180.5, 16, 0}, YTeeFault::Angle},      {{720, 800, 180, 16, 0}, YTeeFault::None},
        {{720, 800, 75, 18, 0}, YTeeFault::Divisions},     {{720, 800, 75, 0, 0}, YTeeFault::Divisions},
        {{720, 1.7e308, 75, 16, 0}, YTeeFault::OutOfRange}, {{0, 800, 75, 16, 0}, YTeeFault::None},
    };
    for (const auto& [in, fault] : cases)
        for (YTeePipe pipe : {YTeePipe::Vertical, YTeePipe::Slanted})
            EXPECT_EQ(computeYTee(in, pipe).fault, fault) << "beta " << in.beta << " n " << in.n;
    // A T: the slanted pipes meet square, their middle half stays L long.
    const YTeeGeometry t = computeYTee({720, 800, 180, 16, 0}, YTeePipe::Slanted);
    EXPECT_EQ(yTeeListing(t).left[8], " L8=800");
    EXPECT_EQ(yTeeListing(t).left[0], " L0=440");
}

TEST(YTeeGeometry, DivisionArcs) {
    const TeeListing listing = yTeeDivisionListing(computeTeeDivisions(720, 16, 0));
    EXPECT_EQ(listing.leftHeading, "     圆周等份");
    EXPECT_EQ(listing.rightHeading, "累加数据");
    EXPECT_EQ(listing.left[1], " D1=141");
    EXPECT_EQ(listing.left[8], " D8=1131");
    EXPECT_EQ(listing.right.front(), " D8=1131");
    EXPECT_EQ(listing.right.back(), " D16=2262");
    EXPECT_EQ(yTeeDivisionListing(computeTeeDivisions(720, 16, 3)).left[1], " D1=141.372");
    EXPECT_EQ(computeTeeDivisions(720, 10, 0).fault, DivisionsFault::Divisions);
}

TEST(YTeeGeometry, LayoutFromTheWindowSize) {
    const YTeeLayout layout = yTeeLayout(15000, 10000, 16);
    EXPECT_EQ(layout.x0, 3800);
    EXPECT_EQ(layout.w, 10800);
    EXPECT_EQ(layout.xm, 9200);
    EXPECT_EQ(layout.xe, 14600);
    EXPECT_EQ(layout.y0, 8000);
    EXPECT_EQ(layout.p, 675);
    // Rounded to whole twips, halves to even; the pitch is not rounded.
    EXPECT_EQ(yTeeLayout(15000, 10.625, 16).y0, 8);
    EXPECT_EQ(yTeeLayout(15000, 14.375, 16).y0, 12);
    const YTeeLayout odd = yTeeLayout(15001, 10000, 16);
    EXPECT_EQ(odd.x0, 3800);
    EXPECT_EQ(odd.w, 10801);
    EXPECT_DOUBLE_EQ(odd.p, 10801.0 / 16);
}

TEST(YTeeGeometry, VerticalPatternPrimitives) {
    const auto primitives = pattern(YTeePipe::Vertical);
    const auto lines = only<LineOp>(primitives);
    // 4 + 4 outer-quarter generators with 4 + 4 segments, the base line,
    // 9 middle generators with 8 segments, and 3 white generators.
    ASSERT_EQ(lines.size(), 8u + 8 + 1 + 9 + 8 + 3);
    // Generator 0 rises to 8000 - 3 * 677.796 ≈ 5967.
    EXPECT_DOUBLE_EQ(lines[0].x1, 3800);
    EXPECT_NEAR(lines[0].y1, 5966.61, 0.01);
    EXPECT_EQ(lines[0].y2, 8000);
    EXPECT_EQ(lines[8], (LineOp{3800, 8000, 14600, 8000, kYTeeCyan}));
    const std::vector<LineOp> white(lines.end() - 3, lines.end());
    const double whiteX[] = {6500, 9200, 11900};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(white[i].colour, kWhite);
        EXPECT_EQ(white[i].x1, whiteX[i]);
        EXPECT_EQ(white[i].y2, 8000);
    }
    EXPECT_NEAR(white[0].y1, 8000 - 3 * 800.0, 1e-6);
    EXPECT_NEAR(white[1].y1, 5966.61, 0.01);
}

TEST(YTeeGeometry, LabelsAndPieceCaption) {
    const auto texts = only<TextOp>(pattern(YTeePipe::Slanted));
    std::vector<std::string> names;
    for (const auto& t : texts) names.push_back(t.text);
    EXPECT_EQ(names, (std::vector<std::string>{"D0", "D2", "D4", "D6", "D8", "D10", "D12", "D14", "D16",
                                               "斜管展开放样 x 2 件", "L0", "L2", "L4", "L", "L", "L", "L12",
                                               "L14", "L16"}));
    EXPECT_EQ(texts[0], (TextOp{3650, 8120, "D0"}));
    EXPECT_EQ(texts[9].x, 2.1 * 3800);
    EXPECT_EQ(texts[9].y, 8500);
    // The bare names stand over generators 6, 8 and 10 of the middle half.
    const YTeeGeometry g = computeYTee(presets(), YTeePipe::Slanted);
    EXPECT_DOUBLE_EQ(texts[13].x, 9200 - 2 * 675 - 50);
    EXPECT_DOUBLE_EQ(texts[13].y, 8000 - 3 * g.L[6] - 300);
    EXPECT_DOUBLE_EQ(texts[14].x, 9200 - 50);
    EXPECT_DOUBLE_EQ(texts[18].x, 3800 + 16 * 675 - 150);
    EXPECT_EQ(yTeePieceCaption(YTeePipe::Vertical), "竖管展开放样 x 1 件");
    EXPECT_EQ(yTeeTitle(YTeePipe::Vertical), "竖管展开放样图 x 1 件");
    EXPECT_EQ(yTeeTitle(YTeePipe::Slanted), "斜管展开放样图 x 2 件");
}

TEST(YTeeGeometry, EightDivisionsHaveOneBareName) {
    std::vector<std::string> names;
    for (const auto& t : only<TextOp>(pattern(YTeePipe::Vertical, 8)))
        if (t.text.starts_with("L")) names.push_back(t.text);
    EXPECT_EQ(names, (std::vector<std::string>{"L0", "L2", "L", "L6", "L8"}));
}

}  // namespace
}  // namespace korvel
