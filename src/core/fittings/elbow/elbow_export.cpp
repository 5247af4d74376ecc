#include "core/fittings/elbow/elbow_export.h"

#include "core/checks.h"
#include "core/fittings/elbow/elbow_commands.h"
#include "core/fittings/elbow/elbow_design.h"
#include "core/fittings/elbow/elbow_pattern.h"
#include "core/numbers.h"

namespace korvel {

PatternExport elbowPatternExport(const FormState& state, const ExportChoices& choices) {
    if (const auto refused = checkElbow(state)) return refusedExport(*refused);
    const ElbowInputs typed = readElbowInputs(state);
    // The window lists the outside diameter's sections and knows the wall
    // only for the weight; the export develops the surface the plater chose
    // with that wall. R stays the radius of the pipe's axis on every surface.
    const double t = exportThickness(typed.t, choices);
    const DevelopedSurface surface = chosenSurface(choices, t);
    if (surface != DevelopedSurface::Typed) {
        if (!(t > 0)) return refusedExport(refusal(thicknessMissingMessage(surface), "", "Text4"));
        if (t >= typed.D / 2)
            return refusedExport(refusal("管道壁厚不得大于或等于管道外径的一半，没有可展开的管壁！", "", "Text4"));
    }
    ElbowInputs developed = typed;
    developed.D = surfaceDiameter(surface, typed.D, t);
    const ElbowGeometry g = computeElbow(developed);
    if (const auto refused = faultRefusal(g.fault)) return refusedExport(*refused);

    PatternExport e;
    e.pattern = elbowPattern(g, elbowSeam(choices.seam));
    for (const Piece& piece : e.pattern.pieces)
        if (selfIntersects(piece.outline))
            return refusedExport(
                refusal("弯曲半径等于外径一半，弯头内侧素线长度为零，展开图在内侧收成一点，"
                        "不能整张下料！\n请加大弯曲半径。",
                        "", "Text2"));

    const WindowDesign& design = elbowDesign();
    e.inputs = typedInputs(design, state);
    for (TypedInput& in : e.inputs) {
        if (in.symbol == "k") in.caption = "弯头节数：";
        if (in.symbol == "n") in.caption = "圆周等份：";
    }
    e.rounding = roundingText(design, state);
    e.developed = surface;
    e.surface = pipeSurfaceText(surface, "弯曲半径 R 仍为管道轴线的半径");
    e.developedSizes = {developedDiameterLine(surface, "D", "外径", typed.D, t)};
    if (developed.D != typed.D) {
        // The listings' quantities for the developed diameter, in the
        // window's rounding: the sections' generators and the divisions.
        const ElbowListing end = endListing(g);
        e.stationTable.push_back(stationTableLine("端节", end.left, end.right));
        if (g.in.k > 2) {
            const ElbowListing middle = middleListing(g);
            e.stationTable.push_back(stationTableLine("中节", middle.left, middle.right));
        }
        const ElbowListing divisions = divisionListing(g);
        e.stationTable.push_back(stationTableLine("圆周等份", divisions.left, divisions.right));
    }
    e.thickness.assign(e.pattern.pieces.size(), t);
    e.fileName =
        "弯头展开图_D" + numberText(typed.D) + "_R" + numberText(typed.R) + "_" + numberText(typed.alpha) + "度.dxf";
    return e;
}

}  // namespace korvel
