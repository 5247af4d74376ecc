#include "core/fittings/transition/transition_export.h"

#include "core/checks.h"
#include "core/fittings/transition/transition_commands.h"
#include "core/fittings/transition/transition_design.h"
#include "core/fittings/transition/transition_pattern.h"
#include "core/numbers.h"

namespace korvel {
namespace {

// The box to mend for a fault, empty where no one box is to blame.
std::string faultBox(TransitionPatternFault fault, const TransitionInputs& in) {
    switch (fault) {
        case TransitionPatternFault::Divisions:
            return "Combo1(0)";
        case TransitionPatternFault::Dimensions: {
            const double values[] = {in.a, in.b, in.D, in.H};
            for (int i = 0; i < 4; ++i)
                if (!(values[i] > 0)) return "Text1(" + std::to_string(i) + ")";
            return "Text1(4)";  // D + t not above 0
        }
        case TransitionPatternFault::SeamOffSide:
            return "Text1(5)";
        case TransitionPatternFault::None:
        case TransitionPatternFault::Geometry:
        case TransitionPatternFault::Triangle:
        case TransitionPatternFault::Overlaps:
            break;
    }
    return "";
}

PatternExport transitionExport(const FormState& state, const ExportChoices& /*choices*/, bool rectTop) {
    if (const auto refused = checkTransition(state, rectTop)) return refusedExport(*refused);
    const TransitionInputs in = readTransitionInputs(state, rectTop);
    const TransitionGeometry g = rectTop ? computeRectTop(in) : computeRoundTop(in);
    if (const auto refused = faultRefusal(g.fault)) return refusedExport(*refused);
    TransitionPattern developed = rectTop ? rectTopPattern(g) : roundTopPattern(g);
    if (developed.fault != TransitionPatternFault::None)
        return refusedExport(refusal(transitionPatternMessage(developed.fault), "", faultBox(developed.fault, in)));

    PatternExport e;
    e.pattern = std::move(developed.pattern);
    const WindowDesign& design = rectTop ? rectTopDesign() : roundTopDesign();
    e.inputs = typedInputs(design, state);
    for (TypedInput& typed : e.inputs) {
        if (typed.symbol == "N") typed.caption = "选择等份：";
        if (typed.symbol == "dir") typed.caption = "偏移方位：";
        // The offset's caption names the direction picked, as the window relabels it.
        if (typed.symbol == "e" && in.south) {
            const auto at = typed.caption.find("北");
            if (at != std::string::npos) typed.caption.replace(at, std::string("北").size(), "南");
        }
    }
    e.rounding = roundingText(design, state);
    e.surface = "矩方口按内边长，圆口按中径 D+t 的圆周展开；角线和高为内侧实长";
    e.thickness.assign(e.pattern.pieces.size(), in.t > 0 ? in.t : 0);
    const std::string sides = numberText(in.a) + "x" + numberText(in.b);
    const std::string rest = "_D" + numberText(in.D) + "_H" + numberText(in.H) + ".dxf";
    e.fileName = (rectTop ? "天方地圆展开图_" : "天圆地方展开图_") + sides + rest;
    return e;
}

}  // namespace

PatternExport roundTopPatternExport(const FormState& state, const ExportChoices& choices) {
    return transitionExport(state, choices, false);
}
PatternExport rectTopPatternExport(const FormState& state, const ExportChoices& choices) {
    return transitionExport(state, choices, true);
}

}  // namespace korvel
