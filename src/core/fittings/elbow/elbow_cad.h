#pragma once
// The elbow's flat patterns at full scale as a CAD drawing: the end section
// standing on a base line as long as the circumference, the middle section
// stacked on it (the end section's cut curve is its lower edge), every
// generatrix with its length as a dimension, the circumference and one
// division dimensioned below, the cumulative division lengths above, and the
// input summary and a fabrication note at the bottom. Drawn through the CAD
// interface (core/cad/cad.h) only; the window design offers it as its CAD
// drawing (CadDrawing), which the output layer saves as a DXF file.
//
// World coordinates: x along the developed circumference from 0 to C, y up,
// millimetres. Division j (j = 0 ... n) stands at x = j * a. The end outline
// is e(j) = E((j - n/4) * delta) above the base line, the middle section's
// upper outline m(j) = H + E((j + n/4) * delta) with H = 2 T R.

#include <optional>
#include <string>

#include "core/cad/cad.h"
#include "core/fittings/elbow/elbow_geometry.h"
#include "core/outcome.h"
#include "core/window_design.h"

namespace korvel {

// Dimension text height and text height, stepping with the diameter.
struct ElbowCadSizes {
    int dimensionText = 0;
    int text = 0;
};
ElbowCadSizes elbowCadSizes(double D);

// The box texts the summary quotes as the user typed them.
struct ElbowCadTexts {
    std::string diameter, radius, angle, segments;
};

// Draws the elbow into the application's active document: the "dimStyle"
// dimension style, the pattern, its dimensions and texts, then zooms to the
// extents. `g` must be a geometry without fault.
void drawElbowCad(const ElbowGeometry& g, const ElbowCadTexts& texts, cad::Application& app);

// The elbow's input checks, as its pattern commands run them: nothing when the
// inputs pass, else what the window shows and does (the error message, the
// offending box emptied and focused), with `stopped` set.
std::optional<Outcome> checkElbowCad(const FormState& state);

// Draws from the window's state, read as the pattern commands read it.
// Throws cad::Error for inputs that checkElbowCad rejects.
void drawElbowCad(const FormState& state, cad::Application& app);

// A file name for the drawing from the diameter, radius and bend angle:
// "弯头_D1120_R1680_90度.dxf".
std::string elbowCadFileName(const FormState& state);

}  // namespace korvel
