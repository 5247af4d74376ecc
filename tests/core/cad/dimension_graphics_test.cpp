// What a rotated dimension shows: its measured value, where its text stands,
// and which lines and arrows the dimension variables leave.

#include "core/cad/dimension_graphics.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korvel::cad {
namespace {

constexpr double kQuarter = 3.14159265358979323846 / 2;

// A generatrix's label: value only, no lines or arrows, text colour 120.
DimSettings valueOnly(int decimals = 0) {
    DimSettings s;
    s.set("DIMDEC", decimals);
    s.set("DIMTXT", 24);
    s.set("DIMASZ", 0);
    s.set("DIMEXE", 0);
    s.set("DIMEXO", 0);
    for (const char* name : {"DIMSD1", "DIMSD2", "DIMSE1", "DIMSE2"}) s.set(name, 1);
    s.set("DIMCLRT", 120);
    return s;
}

DimSettings withLines(const std::string& post) {
    DimSettings s = valueOnly();
    for (const char* name : {"DIMSD1", "DIMSD2", "DIMSE1", "DIMSE2"}) s.set(name, 0);
    s.set("DIMASZ", 20);
    s.set("DIMPOST", post);
    return s;
}

TEST(DimensionGraphics, AVerticalGeneratrixShowsOnlyItsValueBesideIt) {
    const RotatedDimension d{{219.9, 0, 0}, {219.9, 392.73, 0}, {219.9, 0, 0}, kQuarter};
    const DimensionGraphics g = dimensionGraphics(d, valueOnly());
    EXPECT_NEAR(g.measurement, 392.73, 1e-9);
    EXPECT_NEAR(g.definitionPoint.x, 219.9, 1e-9);
    EXPECT_NEAR(g.definitionPoint.y, 392.73, 1e-9);
    EXPECT_TRUE(g.lines.empty());
    EXPECT_TRUE(g.arrows.empty());
    EXPECT_EQ(g.text.text, "393");
    EXPECT_EQ(g.text.colour, 120);
    EXPECT_DOUBLE_EQ(g.text.height, 24);
    // Reading upwards, half way up, its gap and half its height to the left.
    EXPECT_NEAR(g.text.rotation, kQuarter, 1e-12);
    EXPECT_NEAR(g.text.middle.x, 219.9 - 0.625 - 12, 1e-9);
    EXPECT_NEAR(g.text.middle.y, 392.73 / 2, 1e-9);
}

TEST(DimensionGraphics, AGeneratrixAboveTheBaseLineMeasuresOnlyItsOwnLength) {
    // The middle section's generatrix: from the end section's cut upwards,
    // its dimension line located on the base line.
    const RotatedDimension d{{0, 450.15, 0}, {0, 1350.46, 0}, {0, 0, 0}, kQuarter};
    const DimensionGraphics g = dimensionGraphics(d, valueOnly(2));
    EXPECT_NEAR(g.measurement, 900.31, 1e-9);
    EXPECT_EQ(g.text.text, "900.31");
    EXPECT_NEAR(g.text.middle.y, (450.15 + 1350.46) / 2, 1e-9);
}

TEST(DimensionGraphics, AnOverallDimensionHasExtensionLinesArrowsAndItsSuffix) {
    const RotatedDimension d{{0, 0, 0}, {3518.58, 0, 0}, {0, -20, 0}, 0};
    const DimensionGraphics g = dimensionGraphics(d, withLines("mm (周长)"));
    EXPECT_EQ(g.text.text, "3519mm (周长)");
    EXPECT_NEAR(g.text.rotation, 0, 1e-12);
    EXPECT_NEAR(g.text.middle.x, 3518.58 / 2, 1e-9);
    EXPECT_NEAR(g.text.middle.y, -20 + 0.625 + 12, 1e-9);
    ASSERT_EQ(g.lines.size(), 4u);  // two extension lines, two halves of the dimension line
    EXPECT_NEAR(g.lines[0].start.y, 0, 1e-12);
    EXPECT_NEAR(g.lines[0].end.y, -20, 1e-12);
    EXPECT_NEAR(g.lines[2].start.x, 0, 1e-12);
    EXPECT_NEAR(g.lines[3].end.x, 3518.58, 1e-9);
    ASSERT_EQ(g.arrows.size(), 2u);
    // Tips on the extension lines, 20 long, pointing outwards.
    EXPECT_NEAR(g.arrows[0].tip.x, 0, 1e-12);
    EXPECT_NEAR(g.arrows[0].back1.x, 20, 1e-9);
    EXPECT_NEAR(std::fabs(g.arrows[0].back1.y - g.arrows[0].back2.y), 20.0 / 3, 1e-9);
    EXPECT_NEAR(g.arrows[1].tip.x, 3518.58, 1e-9);
    EXPECT_NEAR(g.arrows[1].back1.x, 3498.58, 1e-9);
}

TEST(DimensionGraphics, TextStaysReadableWhateverTheDirection) {
    const RotatedDimension down{{0, 500, 0}, {0, 0, 0}, {0, 0, 0}, -kQuarter};
    EXPECT_NEAR(dimensionGraphics(down, valueOnly()).text.rotation, kQuarter, 1e-12);
    const RotatedDimension leftwards{{100, 0, 0}, {0, 0, 0}, {0, 0, 0}, 2 * kQuarter};
    EXPECT_NEAR(dimensionGraphics(leftwards, valueOnly()).text.rotation, 0, 1e-12);
    EXPECT_NEAR(dimensionGraphics(leftwards, valueOnly()).measurement, 100, 1e-12);
}

TEST(DimensionGraphics, ACentredTextBreaksTheDimensionLine) {
    DimSettings s = withLines("");
    s.set("DIMTAD", 0);
    const DimensionGraphics g = dimensionGraphics({{0, 0, 0}, {1000, 0, 0}, {0, -20, 0}, 0}, s);
    EXPECT_NEAR(g.text.middle.y, -20, 1e-12);
    ASSERT_EQ(g.lines.size(), 4u);
    EXPECT_LT(g.lines[2].end.x, g.text.middle.x - 24);
    EXPECT_GT(g.lines[3].start.x, g.text.middle.x + 24);
}

TEST(DimensionGraphics, MeasurementTextFollowsTheVariables) {
    DimSettings s;
    s.set("DIMDEC", 2);
    EXPECT_EQ(measurementText(300.1, s), "300.10");
    EXPECT_EQ(measurementText(0.125, s), "0.12");  // half to even
    s.set("DIMZIN", 8);
    EXPECT_EQ(measurementText(300.1, s), "300.1");
    EXPECT_EQ(measurementText(300.004, s), "300");
    s.set("DIMDSEP", ',');
    s.set("DIMPOST", "L=<> mm");
    EXPECT_EQ(measurementText(12.5, s), "L=12,5 mm");
    s.set("DIMDEC", 0);
    s.set("DIMPOST", "");
    EXPECT_EQ(measurementText(2.5, s), "2");
    EXPECT_EQ(measurementText(3.5, s), "4");
}

TEST(DimensionGraphics, SizesScaleWithDimScale) {
    DimSettings s = withLines("");
    s.set("DIMSCALE", 2.0);
    const DimensionGraphics g = dimensionGraphics({{0, 0, 0}, {1000, 0, 0}, {0, -20, 0}, 0}, s);
    EXPECT_DOUBLE_EQ(g.text.height, 48);
    EXPECT_NEAR(g.arrows[0].back1.x, 40, 1e-9);
    EXPECT_EQ(g.text.text, "1000");
}

}  // namespace
}  // namespace korvel::cad
