// The in-memory CAD document: drawing variables and dimension styles with
// copy-from, what a dimension keeps of them, entity colour and rotation,
// rejected calls and zooming to the extents.

#include "core/cad/dxf_document.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korvel::cad {
namespace {

constexpr double kQuarter = 3.14159265358979323846 / 2;

TEST(DxfDocument, VariablesAreNamedInAnyCaseAndKeepTheirKind) {
    DxfDocument doc;
    doc.setVariable("DimTxt", 24);  // a whole number for a real variable
    EXPECT_EQ(doc.getVariable("DIMTXT"), Variable(24.0));
    doc.setVariable("dimdec", 2.0);  // a real number without fraction for a whole one
    EXPECT_EQ(doc.getVariable("DimDec"), Variable(2));
    doc.setVariable("DimPost", std::string("mm"));
    EXPECT_EQ(doc.getVariable("DIMPOST"), Variable(std::string("mm")));

    EXPECT_THROW(doc.setVariable("DimNoSuch", 1), Error);
    EXPECT_THROW(doc.setVariable("DimDec", 2.5), Error);
    EXPECT_THROW(doc.setVariable("DimTxt", std::string("24")), Error);
    EXPECT_THROW(doc.setVariable("DimPost", 1), Error);
    EXPECT_THROW(doc.setVariable("DimTxt", NAN), Error);
    EXPECT_EQ(doc.getVariable("DIMTXT"), Variable(24.0)) << "a rejected call changes nothing";
}

TEST(DxfDocument, AStyleTakesTheVariablesOnlyWhenCopiedInto) {
    DxfDocument doc;
    DimStyle& style = doc.dimStyles().add("dimStyle");
    EXPECT_EQ(&doc.dimStyles().add("dimStyle"), &style) << "adding a taken name gives the style back";
    doc.setActiveDimStyle(style);
    EXPECT_EQ(doc.activeStyle(), "dimStyle");

    doc.setVariable("DimTxt", 24);
    EXPECT_DOUBLE_EQ(doc.style("dimStyle")->settings().real("DIMTXT"), 2.5);
    style.copyFrom(doc);
    EXPECT_DOUBLE_EQ(doc.style("dimStyle")->settings().real("DIMTXT"), 24);
    EXPECT_DOUBLE_EQ(doc.style("Standard")->settings().real("DIMTXT"), 2.5);

    // Making a style current loads its values into the drawing variables.
    doc.setVariable("DimTxt", 30);
    doc.setActiveDimStyle(style);
    EXPECT_EQ(doc.getVariable("DimTxt"), Variable(24.0));

    DxfDocument other;
    EXPECT_THROW(other.setActiveDimStyle(style), Error);
}

TEST(DxfDocument, ADimensionKeepsTheVariablesCurrentWhenItWasAdded) {
    DxfDocument doc;
    DimStyle& style = doc.dimStyles().add("dimStyle");
    doc.setActiveDimStyle(style);
    doc.setVariable("DimSE1", 1);
    doc.setVariable("DimPost", std::string());
    doc.modelSpace().addDimRotated({0, 0, 0}, {0, 300, 0}, {0, 0, 0}, kQuarter);
    doc.setVariable("DimSE1", 0);
    doc.setVariable("DimPost", std::string("mm"));
    style.copyFrom(doc);
    doc.modelSpace().addDimRotated({0, 0, 0}, {220, 0, 0}, {0, -40, 0}, 0);

    ASSERT_EQ(doc.entities().size(), 2u);
    const auto& first = std::get<DimensionShape>(doc.entities()[0]->shape());
    const auto& second = std::get<DimensionShape>(doc.entities()[1]->shape());
    EXPECT_EQ(first.style, "dimStyle");
    EXPECT_EQ(first.settings.whole("DIMSE1"), 1);
    EXPECT_EQ(first.settings.text("DIMPOST"), "");
    EXPECT_EQ(second.settings.text("DIMPOST"), "mm");
    // Against the style's final values only the first differs.
    std::vector<std::string> names;
    for (const DimVariable* v : first.settings.differencesFrom(doc.style("dimStyle")->settings()))
        names.push_back(v->name);
    EXPECT_EQ(names, (std::vector<std::string>{"DIMPOST", "DIMSE1"}));
    EXPECT_TRUE(second.settings.differencesFrom(doc.style("dimStyle")->settings()).empty());
}

TEST(DxfDocument, EntitiesTakeAColourAndTurnAboutABasePoint) {
    DxfDocument doc;
    ModelSpace& space = doc.modelSpace();
    Entity& line = space.addLine({0, 0, 0}, {10, 0, 0});
    EXPECT_EQ(line.color(), kColourByLayer);
    line.setColor(kColourGreen);
    EXPECT_EQ(line.color(), 3);
    EXPECT_THROW(line.setColor(257), Error);
    line.rotate({0, 0, 0}, kQuarter);
    const auto& turned = std::get<LineShape>(doc.entities()[0]->shape());
    EXPECT_NEAR(turned.end.x, 0, 1e-12);
    EXPECT_NEAR(turned.end.y, 10, 1e-12);

    Text& text = space.addText("D1=220", {219.9, 1417.9, 0}, 19);
    text.rotate(text.insertionPoint(), kQuarter);
    const auto& t = std::get<TextShape>(doc.entities()[1]->shape());
    EXPECT_EQ(t.insertion, (Point{219.9, 1417.9, 0}));
    EXPECT_NEAR(t.rotation, kQuarter, 1e-15);
    EXPECT_DOUBLE_EQ(t.height, 19);
}

TEST(DxfDocument, RejectsWhatCannotBeDrawn) {
    DxfDocument doc;
    ModelSpace& space = doc.modelSpace();
    EXPECT_THROW(space.addLine({0, 0, 0}, {INFINITY, 0, 0}), Error);
    EXPECT_THROW(space.addLightWeightPolyline({0, 0, 1}), Error);
    EXPECT_THROW(space.addLightWeightPolyline({0, 0}), Error);
    EXPECT_THROW(space.addLightWeightPolyline({0, 0, NAN, 1}), Error);
    EXPECT_THROW(space.addText("x", {0, 0, 0}, 0), Error);
    EXPECT_THROW(space.addDimRotated({0, 0, 0}, {1, 0, 0}, {0, 0, 0}, NAN), Error);
    EXPECT_TRUE(doc.entities().empty());
}

TEST(DxfDocument, ZoomExtentsShowsEverythingDrawn) {
    DxfApplication app;
    EXPECT_FALSE(app.document().view().has_value());
    ModelSpace& space = app.activeDocument().modelSpace();
    space.addLine({0, 0, 0}, {3518.58, 0, 0});
    space.addLightWeightPolyline({0, 450, 3518.58, 450});
    Text& t = space.addText("D0=...", {0, 1360, 0}, 19);
    t.rotate(t.insertionPoint(), kQuarter);
    space.addText("summary", {0, -80, 0}, 19);
    app.zoomExtents();
    ASSERT_TRUE(app.document().view().has_value());
    const View& v = *app.document().view();
    EXPECT_LE(v.centre.x - v.width / 2, -19);    // the upright text reaches left of x = 0
    EXPECT_GE(v.centre.x + v.width / 2, 3518.58);
    EXPECT_LE(v.centre.y - v.height / 2, -80);
    EXPECT_GE(v.centre.y + v.height / 2, 1360 + 6 * 0.6 * 19);
    EXPECT_LT(v.width, 3518.58 * 1.2);
}

}  // namespace
}  // namespace korvel::cad
