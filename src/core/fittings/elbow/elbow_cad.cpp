#include "core/fittings/elbow/elbow_cad.h"

#include <cmath>
#include <vector>

#include "core/cad/dxf_document.h"
#include "core/fittings/elbow/elbow_commands.h"
#include "core/numbers.h"

namespace korvel {
namespace {

constexpr const char* kStyleName = "dimStyle";
// Colour of the dimensions' measured values.
constexpr int kDimensionTextColour = 120;
// Vertical rotation of the generatrix dimensions and texts.
double quarterTurn(const ElbowGeometry& g) { return g.pi * 90 / 180; }


// Height of the end section's outline above the base line at division j.
double endHeight(const ElbowGeometry& g, int j) { return g.E((j - g.in.n / 4) * g.delta); }

// Height of the middle section's upper outline at division j: the middle
// section is the end section mirrored and stacked on it.
double middleHeight(const ElbowGeometry& g, int j) {
    const double H = 2 * g.T * (g.in.R - g.r * std::cos(g.pi * 90 / 180));
    return H + g.E((j + g.in.n / 4) * g.delta);
}

std::vector<double> outline(const ElbowGeometry& g, double (*height)(const ElbowGeometry&, int)) {
    std::vector<double> xy;
    for (int j = 0; j <= g.in.n; ++j) {
        xy.push_back(j * g.a);
        xy.push_back(height(g, j));
    }
    return xy;
}

// A text turned upright about its own insertion point.
void uprightText(cad::ModelSpace& space, const std::string& text, const cad::Point& at, double height,
                 double angle) {
    cad::Text& t = space.addText(text, at, height);
    t.rotate(t.insertionPoint(), angle);
}

}  // namespace

ElbowCadSizes elbowCadSizes(double D) {
    struct Band {
        double from, to;
        ElbowCadSizes sizes;
    };
    static const Band bands[] = {
        {0, 99, {8, 8}},       {100, 199, {9, 9}},    {200, 299, {10, 10}},   {300, 399, {11, 11}},
        {400, 499, {12, 12}},  {500, 599, {13, 13}},  {600, 699, {14, 14}},   {700, 799, {16, 15}},
        {800, 899, {18, 16}},  {900, 999, {20, 17}},  {1000, 1099, {22, 18}}, {1100, 1199, {24, 19}},
        {1200, 1299, {26, 20}},
    };
    for (const Band& b : bands)
        if (D >= b.from && D <= b.to) return b.sizes;
    // Larger pipes, and a diameter between two bands (99.5).
    return {28, 21};
}

void drawElbowCad(const ElbowGeometry& g, const ElbowCadTexts& texts, cad::Application& app) {
    if (g.fault != ElbowFault::None) throw cad::Error("the elbow's inputs do not give a pattern");
    const ElbowCadSizes sizes = elbowCadSizes(g.in.D);
    const double h = sizes.text;
    const int n = g.in.n;
    const double upright = quarterTurn(g);

    app.setVisible(true);
    cad::Document& doc = app.activeDocument();
    cad::DimStyle& style = doc.dimStyles().add(kStyleName);
    doc.setActiveDimStyle(style);

    // Generatrix dimensions show only their value, along the generatrix.
    doc.setVariable("DimScale", 1.0);
    doc.setVariable("DimDec", g.in.digits);
    doc.setVariable("DimTxt", sizes.dimensionText);
    doc.setVariable("DimASz", 0);
    doc.setVariable("DimExe", 0);
    doc.setVariable("DimExO", 0);
    doc.setVariable("DimTIH", 0);
    doc.setVariable("DimSD1", 1);
    doc.setVariable("DimSD2", 1);
    doc.setVariable("DimSE1", 1);
    doc.setVariable("DimSE2", 1);
    doc.setVariable("DimPost", std::string());
    doc.setVariable("DimClrT", kDimensionTextColour);
    style.copyFrom(doc);

    cad::ModelSpace& space = doc.modelSpace();
    if (g.C >= 1) space.addLine({g.C, 0, 0}, {0, 0, 0});

    // End section: generatrices on the base line.
    for (int j = 0; j <= n; ++j) {
        const cad::Point foot{j * g.a, 0, 0}, top{j * g.a, endHeight(g, j), 0};
        space.addLine(foot, top);
        space.addDimRotated(foot, top, foot, upright);
    }
    space.addLightWeightPolyline(outline(g, endHeight)).setColor(cad::kColourByBlock);

    // Middle section: from the end section's cut up to its own upper cut.
    for (int j = 0; j <= n; ++j) {
        const cad::Point bottom{j * g.a, endHeight(g, j), 0}, top{j * g.a, middleHeight(g, j), 0};
        space.addLine(bottom, top);
        space.addDimRotated(bottom, top, {j * g.a, 0, 0}, upright);
    }
    space.addLightWeightPolyline(outline(g, middleHeight)).setColor(cad::kColourByBlock);

    // The circumference and one division, with dimension lines and arrows.
    doc.setVariable("DimSE1", 0);
    doc.setVariable("DimSE2", 0);
    doc.setVariable("DimASz", 20);
    doc.setVariable("DimSD1", 0);
    doc.setVariable("DimSD2", 0);
    doc.setVariable("DimPost", std::string("mm (周长)"));
    style.copyFrom(doc);
    space.addDimRotated({0, 0, 0}, {g.C, 0, 0}, {0, -20, 0}, 0).setColor(cad::kColourGreen);
    doc.setVariable("DimPost", std::string("mm"));
    style.copyFrom(doc);
    space.addDimRotated({0, 0, 0}, {g.a, 0, 0}, {0, -40, 0}, 0).setColor(cad::kColourGreen);
    doc.setVariable("DimPost", std::string());

    // Cumulative division lengths above the middle section.
    for (int j = 1; j <= n; ++j)
        uprightText(space, "D" + numberText(j) + "=" + roundedText(j * g.a, g.in.digits),
                    {j * g.a, middleHeight(g, j) + 10, 0}, h, upright);
    uprightText(space, "D0=圆周长等份累加数", {0, middleHeight(g, 0) + 10, 0}, h, upright);

    space.addText("“任意角度弯头展开放样”钢管外径φ=" + texts.diameter + "mm ：弯曲半径R=" + texts.radius +
                      "mm ：弯曲角度=" + texts.angle + "度  ：端节角度=" + numberText(g.theta) +
                      "度 ：弯头节数=" + texts.segments + "节 ：端节下料2个 ：中间节下料个数=" +
                      numberText(g.in.k - 2) + "个 ：",
                  {0, -80, 0}, h);
    space.addText("中间节下料展开等于端节展开图以水平直线为基准对称组合，程序按成品钢管外直径计算,"
                  "与板厚无关，用板材下料卷成品管将外直径改为中径输入。",
                  {0, -110, 0}, h);
    app.zoomExtents();
}

std::optional<Outcome> checkElbowCad(const FormState& state) {
    if (auto refused = checkElbow(state)) return refused;
    return faultRefusal(computeElbow(readElbowInputs(state)).fault);
}

void drawElbowCad(const FormState& state, cad::Application& app) {
    drawElbowCad(computeElbow(readElbowInputs(state)),
                 {state.text("Text1"), state.text("Text2"), state.text("Text3"), state.text("Combo2")}, app);
}

std::string elbowCadFileName(const FormState& state) {
    return "弯头_D" + numberText(val(state.text("Text1"))) + "_R" + numberText(val(state.text("Text2"))) + "_" +
           numberText(val(state.text("Text3"))) + "度.dxf";
}

}  // namespace korvel
