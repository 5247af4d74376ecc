#include "core/fittings/frustum/frustum_export.h"

#include <algorithm>

#include "core/checks.h"
#include "core/fittings/frustum/cone_commands.h"
#include "core/fittings/frustum/cone_pattern.h"
#include "core/fittings/frustum/frustum_design.h"
#include "core/fittings/frustum/rect_frustum_commands.h"
#include "core/fittings/frustum/rect_frustum_pattern.h"
#include "core/numbers.h"

namespace korvel {
namespace {

std::string box(int i) { return "Text1(" + std::to_string(i) + ")"; }

// The box to mend for a fault, empty where no one box is to blame.
std::string faultBox(RectFrustumPatternFault fault, const RectFrustumInputs& in) {
    switch (fault) {
        case RectFrustumPatternFault::Dimensions: {
            const double sides[] = {in.A, in.B, in.a, in.b};
            for (int i = 0; i < 4; ++i)
                if (!(sides[i] > 0)) return box(i);
            break;
        }
        case RectFrustumPatternFault::Flat:
            return box(4);
        case RectFrustumPatternFault::None:
        case RectFrustumPatternFault::Geometry:
        case RectFrustumPatternFault::Overlaps:
            break;
    }
    return "";
}

void renameInput(std::vector<TypedInput>& inputs, const std::string& symbol, const std::string& caption) {
    for (TypedInput& in : inputs)
        if (in.symbol == symbol) in.caption = caption;
}

}  // namespace

PatternExport rectFrustumPatternExport(const FormState& state, const ExportChoices& /*choices*/) {
    if (const auto refused = checkRectFrustum(state)) return refusedExport(*refused);
    const RectFrustumInputs in = readRectFrustumInputs(state);
    const RectFrustumGeometry g = computeRectFrustum(in);
    // 计算 checks the results only once a direction is picked, and draws
    // nothing before.
    if (rectFrustumOffsetChosen(state)) {
        if (const auto refused = faultRefusal(g.fault)) return refusedExport(*refused);
        RectFrustumFault planFault = RectFrustumFault::None;
        rectFrustumPlan(in, rectFrustumPlanScale(state, in), &planFault);
        if (const auto refused = faultRefusal(planFault)) return refusedExport(*refused);
    }
    RectFrustumPattern developed = rectFrustumPattern(g);
    if (developed.fault != RectFrustumPatternFault::None)
        return refusedExport(refusal(rectFrustumPatternMessage(developed.fault), "", faultBox(developed.fault, in)));

    PatternExport e;
    e.pattern = std::move(developed.pattern);
    const WindowDesign& design = rectFrustumDesign();
    e.inputs = typedInputs(design, state);
    renameInput(e.inputs, "dir", "偏心方位：");
    if (in.south) renameInput(e.inputs, "n", "纵边向南偏心：");
    e.rounding = roundingText(design, state);
    e.surface = "内表面，按内边长展开（不计板厚）";
    e.thickness.assign(e.pattern.pieces.size(), 0);
    e.fileName = "矩方锥台展开图_" + numberText(in.A) + "x" + numberText(in.B) + "_" + numberText(in.a) + "x" +
                 numberText(in.b) + "_H" + numberText(in.H) + ".dxf";
    return e;
}

PatternExport conePatternExport(const FormState& state, const ExportChoices& /*choices*/) {
    if (const auto refused = checkCone(state)) return refusedExport(*refused);
    const ConeInputs in = readConeInputs(state);
    const ConeGeometry g = computeCone(in);
    if (const auto refused = faultRefusal(g.fault)) return refusedExport(*refused);
    ConePattern developed = conePattern(g);
    if (developed.fault != ConePatternFault::None)
        return refusedExport(refusal(conePatternMessage(developed.fault), "",
                                     developed.fault == ConePatternFault::NoSmallEnd ? box(3) : std::string()));

    PatternExport e;
    e.pattern = std::move(developed.pattern);
    const WindowDesign& design = coneDesign();
    e.inputs = typedInputs(design, state);
    renameInput(e.inputs, "variant", "展开方式：");
    if (state.text("Combo1") == kConeVariant) {
        // The window hides the small end's and the thickness's rows, both "0".
        std::erase_if(e.inputs, [](const TypedInput& typed) {
            return (typed.symbol == "small" || typed.symbol == "t") && typed.text == "0";
        });
        renameInput(e.inputs, "h", "输入锥体垂直高：");
    }
    e.rounding = roundingText(design, state);
    e.surface = "钢板中性层，按外径减板厚的中径展开";
    e.thickness.assign(e.pattern.pieces.size(), in.t > 0 ? in.t : 0);
    const bool cone = in.small == 0;
    e.fileName = (cone ? "圆锥展开图_D" + numberText(in.big)
                       : "圆锥台展开图_D" + numberText(in.big) + "_d" + numberText(in.small)) +
                 "_H" + numberText(in.h) + ".dxf";
    return e;
}

}  // namespace korvel
