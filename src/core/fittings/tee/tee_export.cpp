#include "core/fittings/tee/tee_export.h"

#include <cmath>

#include "core/fittings/tee/tee_commands.h"
#include "core/fittings/tee/tee_design.h"
#include "core/fittings/tee/tee_pattern.h"
#include "core/fittings/tee/ytee_commands.h"
#include "core/fittings/tee/ytee_pattern.h"
#include "core/numbers.h"

namespace korvel {
namespace {

// The division list's number as a whole number, as the commands read it.
int wholeNumber(const std::string& text) {
    const LeadingNumber v = readLeadingNumber(text);
    if (v.tooLarge || v.value != std::floor(v.value) || std::fabs(v.value) > 1e9) return 0;
    return static_cast<int>(v.value);
}

// Refuses the export with a plain message box, as the tee windows show theirs.
PatternExport refused(const std::string& message, const std::string& focus) {
    PatternExport e;
    e.rejection.effect(ShowMessage{message, MessageIcon::None, ""});
    e.rejection.effect(FocusBox{focus});
    e.rejection.stopped = true;
    return e;
}

}  // namespace

PatternExport teePatternExport(const FormState& state) {
    PatternExport e;
    e.rejection = rejectionOf(teeBranch(state));
    if (e.rejected()) return e;

    TeeInputs in;
    in.D = val(state.text("Text1(0)"));
    in.d = val(state.text("Text1(1)")) - kBranchAllowance;
    in.alpha = val(state.text("Text1(2)"));
    in.Ls = val(state.text("Text1(3)"));
    in.t = val(state.text("Text1(4)"));
    in.n = wholeNumber(state.text("Combo1(0)"));
    in.digits = state.digits;
    const TeeGeometry g = computeTee(in);
    if (!teePatternCuttable(g)) {
        if (!(in.Ls > 0))
            return refused("请您正确输入支管短边，支管短边必须大于零，否则展开图无法下料！", "Text1(3)");
        return refused("请您正确输入支管壁厚，壁厚不得大于或等于支管外径的一半，否则展开图无法下料！", "Text1(4)");
    }

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

PatternExport yTeePatternExport(const FormState& state) {
    PatternExport e;
    e.rejection = rejectionOf(yTeeVertical(state));
    if (e.rejected()) return e;
    e.rejection = rejectionOf(yTeeSlanted(state));
    if (e.rejected()) return e;

    YTeeInputs in;
    in.D = val(state.text("Text1(0)"));
    in.L = val(state.text("Text1(1)"));
    in.beta = val(state.text("Text1(2)"));
    in.n = wholeNumber(state.text("Combo1(0)"));
    in.digits = state.digits;
    const YTeeGeometry vertical = computeYTee(in, YTeePipe::Vertical);
    const YTeeGeometry slanted = computeYTee(in, YTeePipe::Slanted);
    if (!yTeePatternCuttable(vertical, slanted))
        return refused("请您正确输入管道长度，管道长度必须大于斜接口到中心点的距离，否则展开图无法下料！",
                       "Text1(1)");

    e.pattern = yTeePattern(vertical, slanted);
    const WindowDesign& design = yTeeDesign();
    e.inputs = typedInputs(design, state);
    e.rounding = roundingText(design, state);
    e.surface = "管道外壁，按管道外径的圆周 πD 展开";
    e.thickness.assign(e.pattern.pieces.size(), 0);
    e.fileName = "丫形三通展开图_D" + numberText(in.D) + "_L" + numberText(in.L) + "_" + numberText(in.beta) +
                 "度.dxf";
    return e;
}

}  // namespace korvel
