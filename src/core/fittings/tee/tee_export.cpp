#include "core/fittings/tee/tee_export.h"

#include "core/checks.h"
#include "core/fittings/tee/tee_commands.h"
#include "core/fittings/tee/tee_design.h"
#include "core/fittings/tee/tee_pattern.h"
#include "core/fittings/tee/ytee_commands.h"
#include "core/fittings/tee/ytee_pattern.h"
#include "core/numbers.h"

namespace korvel {

PatternExport teePatternExport(const FormState& state, const ExportChoices& /*choices*/) {
    Outcome shown;
    const FormState checked = checkTeePresets(state, shown);
    if (const auto refused = checkTee(checked)) return refusedExport(stop(shown, *refused));
    const TeeInputs in = readTeeInputs(checked);
    const TeeGeometry g = computeTee(in);
    if (const auto refused = faultRefusal(g.fault)) return refusedExport(stop(shown, *refused));
    // A failed check of the window's two does not stop the branch command,
    // but the window then draws its presets instead of the boxes typed.
    if (!shown.effects.empty()) return refusedExport(shown);
    if (!teePatternCuttable(g)) {
        if (!(in.Ls > 0))
            return refusedExport(
                plainRefusal("请您正确输入支管短边，支管短边必须大于零，否则展开图无法下料！", "Text1(3)"));
        return refusedExport(
            plainRefusal("请您正确输入支管壁厚，壁厚不得大于或等于支管外径的一半，否则展开图无法下料！", "Text1(4)"));
    }

    PatternExport e;
    e.pattern = teePattern(g);
    const WindowDesign& design = teeDesign();
    e.inputs = typedInputs(design, state);
    e.rounding = roundingText(design, state);
    e.surface = "支管按支管外径的圆周 πd 展开，以半径 d/2−t 与主管外壁相交；开孔展开在主管外壁上（按主管外径）";
    // The wall thickness is the branch's: the opening is cut from the main pipe.
    e.thickness = {in.t > 0 ? in.t : 0, 0};
    e.fileName = "三通展开图_D" + numberText(in.D) + "_d" + numberText(val(state.text("Text1(1)"))) + "_" +
                 numberText(in.alpha) + "度.dxf";
    return e;
}

PatternExport yTeePatternExport(const FormState& state, const ExportChoices& /*choices*/) {
    if (const auto refused = checkYTee(state)) return refusedExport(*refused);
    const YTeeInputs in = readYTeeInputs(state);
    const YTeeGeometry vertical = computeYTee(in, YTeePipe::Vertical);
    if (const auto refused = faultRefusal(vertical.fault)) return refusedExport(*refused);
    const YTeeGeometry slanted = computeYTee(in, YTeePipe::Slanted);
    if (const auto refused = faultRefusal(slanted.fault)) return refusedExport(*refused);
    if (!yTeePatternCuttable(vertical, slanted))
        return refusedExport(plainRefusal(
            "请您正确输入管道长度，管道长度必须大于斜接口到中心点的距离，否则展开图无法下料！", "Text1(1)"));

    PatternExport e;
    e.pattern = yTeePattern(vertical, slanted);
    const WindowDesign& design = yTeeDesign();
    e.inputs = typedInputs(design, state);
    e.rounding = roundingText(design, state);
    e.surface = "管道外壁，按管道外径的圆周 πD 展开";
    e.thickness.assign(e.pattern.pieces.size(), 0);
    e.fileName = "丫形三通展开图_D" + numberText(in.D) + "_L" + numberText(in.L) + "_" + numberText(in.beta) + "度.dxf";
    return e;
}

}  // namespace korvel
