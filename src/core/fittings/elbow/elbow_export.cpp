#include "core/fittings/elbow/elbow_export.h"

#include "core/checks.h"
#include "core/fittings/elbow/elbow_commands.h"
#include "core/fittings/elbow/elbow_design.h"
#include "core/fittings/elbow/elbow_pattern.h"
#include "core/numbers.h"

namespace korvel {

PatternExport elbowPatternExport(const FormState& state, const ExportChoices& /*choices*/) {
    if (const auto refused = checkElbow(state)) return refusedExport(*refused);
    const ElbowGeometry g = computeElbow(readElbowInputs(state));
    if (const auto refused = faultRefusal(g.fault)) return refusedExport(*refused);

    PatternExport e;
    e.pattern = elbowPattern(g);
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
    e.surface = "管道外壁，按管道外径的圆周 πD 展开";
    e.thickness.assign(e.pattern.pieces.size(), g.in.t > 0 ? g.in.t : 0);
    e.fileName =
        "弯头展开图_D" + numberText(g.in.D) + "_R" + numberText(g.in.R) + "_" + numberText(g.in.alpha) + "度.dxf";
    return e;
}

}  // namespace korvel
