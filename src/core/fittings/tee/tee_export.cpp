#include "core/fittings/tee/tee_export.h"

#include <optional>
#include <string>
#include <vector>

#include "core/checks.h"
#include "core/fittings/tee/tee_commands.h"
#include "core/fittings/tee/tee_design.h"
#include "core/fittings/tee/tee_joint.h"
#include "core/fittings/tee/tee_pattern.h"
#include "core/fittings/tee/ytee_commands.h"
#include "core/fittings/tee/ytee_pattern.h"
#include "core/numbers.h"

namespace korvel {

namespace {

// A surface other than the typed sizes needs a wall thickness, and one that
// leaves the pipe a bore: otherwise the export is refused at the box `focus`
// (none for a window without a thickness box).
std::optional<Outcome> surfaceRefusal(DevelopedSurface surface, double t, double outside, const std::string& caption,
                                      const std::string& focus) {
    if (surface == DevelopedSurface::Typed) return std::nullopt;
    if (!(t > 0)) return plainRefusal(thicknessMissingMessage(surface), focus);
    if (t >= outside / 2)
        return plainRefusal("请您正确输入" + caption + "壁厚，壁厚不得大于或等于" + caption +
                                "外径的一半，否则展开图无法下料！",
                            focus);
    return std::nullopt;
}

// The joint needs the pipes' walls, which the typed sizes do not have.
Outcome typedJointRefusal(const ExportChoices& choices) {
    if (choices.surface == DevelopedSurface::Typed)
        return plainRefusal("按输入尺寸展开时没有壁厚，无法按骑座式或插入式接头展开！请选择中性层、外表面或内表面。",
                            "Text1(4)");
    return plainRefusal("按骑座式或插入式接头展开需要壁厚，请输入支管壁厚！", "Text1(4)");
}

// The station at the branch's seam: 0, the short side, unless `seam=` names
// the other place of the window (the long side, half a turn on).
int teeSeamStation(const ExportChoices& choices, int n) {
    const std::vector<SeamPlace>& places = teeDesign().seamPlaces;
    return choices.seam && places.size() > 1 && *choices.seam == places[1].keyword ? n / 2 : 0;
}

// The window's pattern exactly as it lists it: the branch on its outside
// circumference meeting the main pipe's outside with radius d/2 - t (the wall
// box's t), the opening on the main pipe's outside.
PatternExport typedTeeExport(const FormState& state, const FormState& checked, const TeeInputs& in,
                             const TeeGeometry& g, double t, int seam) {
    const double dTyped = val(checked.text("Text1(1)"));
    PatternExport e;
    e.pattern = teePattern(g, std::nullopt, seam);
    const WindowDesign& design = teeDesign();
    e.inputs = typedInputs(design, state);
    e.rounding = roundingText(design, state);
    e.developed = DevelopedSurface::Typed;
    e.surface = "支管按支管外径的圆周 πd 展开，以半径 d/2−t 与主管外壁相交；开孔展开在主管外壁上（按主管外径）";
    e.developedSizes = {developedDiameterLine(DevelopedSurface::Typed, "d", "支管外径", dTyped, t),
                        "开孔：D = " + numberText(in.D) + " mm（按输入的主管外径，主管外表面）"};
    // The wall thickness is the branch's: the opening is cut from the main pipe.
    e.thickness = {t, 0};
    e.fileName = "三通展开图_D" + numberText(in.D) + "_d" + numberText(dTyped) + "_" + numberText(in.alpha) + "度.dxf";
    return e;
}

}  // namespace

PatternExport teePatternExport(const FormState& state, const ExportChoices& choices) {
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
    const double dTyped = val(checked.text("Text1(1)"));
    const double t = exportThickness(in.t, choices);
    const DevelopedSurface surface = chosenSurface(choices, t);
    if (surface == DevelopedSurface::Typed) {
        if (choices.joint || choices.mainThickness) return refusedExport(typedJointRefusal(choices));
        return typedTeeExport(state, checked, in, g, t, teeSeamStation(choices, in.n));
    }
    if (const auto refused = surfaceRefusal(surface, t, dTyped, "支管", "Text1(4)"))
        return refusedExport(*refused);
    const double tm = choices.mainThickness.value_or(t);
    if (tm >= in.D / 2)
        return refusedExport(plainRefusal(
            "请您正确输入主管壁厚，壁厚不得大于或等于主管外径的一半，否则展开图无法下料！", "Text1(0)"));
    const BranchJoint joint = choices.joint.value_or(BranchJoint::SetOn);
    if (joint == BranchJoint::SetIn && dTyped > in.D - 2 * tm)
        return refusedExport(plainRefusal("插入式接头的支管外径 " + numberText(dTyped) + " mm 大于主管内径 " +
                                              numberText(in.D - 2 * tm) +
                                              " mm，支管插不进主管的开孔！请改用骑座式接头或减小支管外径。",
                                          "Text1(1)"));
    // The joint's own generators: where the branch's construction surface
    // meets the main pipe's.
    const TeeGeometry built = computeTee(jointInputs(in, joint, t, tm));
    if (const auto refused = faultRefusal(built.fault)) return refusedExport(*refused);
    if (!teePatternCuttable(built))
        return refusedExport(
            plainRefusal("请您正确输入支管壁厚，壁厚不得大于或等于支管外径的一半，否则展开图无法下料！", "Text1(4)"));
    // The opening is cut through the main pipe's wall and rolled with it: it
    // is developed on the main pipe's surface of the plater's choice, which
    // the branch's construction cylinder must pass through whole.
    const double holeSurface = surfaceDiameter(surface, in.D, tm) / 2;
    if (built.r > holeSurface)
        return refusedExport(plainRefusal(
            std::string(joint == BranchJoint::SetOn ? "支管内径" : "支管外径") + " " + numberText(2 * built.r) +
                " mm 大于主管" + surfaceName(surface) + "的直径 " + numberText(2 * holeSurface) +
                " mm，开孔无法在主管" + surfaceName(surface) + "上展开！请改选展开面。",
            "Text1(4)"));
    const double dDeveloped = surfaceDiameter(surface, dTyped, t);
    const int seam = teeSeamStation(choices, in.n);

    PatternExport e;
    e.pattern = teeJointPattern(built, {dDeveloped, holeSurface, seam});
    const WindowDesign& design = teeDesign();
    e.inputs = typedInputs(design, state);
    e.rounding = roundingText(design, state);
    e.developed = surface;
    e.surface = surfaceName(surface) + "：支管按其直径的圆周 πd 展开，板端垂直于板面，" +
                (joint == BranchJoint::SetOn ? "支管内壁与主管外壁相交" : "支管外壁与主管内壁相交") +
                "；开孔为支管" + (joint == BranchJoint::SetOn ? "内壁" : "外壁") + "穿过主管处，展开在主管" +
                surfaceName(surface) + "上；MARK 层上各等份旁的角度为该处支管壁与主管壁的夹角（管外量，焊接坡口按此）";
    e.developedSizes = {developedDiameterLine(surface, "d", "支管外径", dTyped, t),
                        "开孔：" + developedDiameterLine(surface, "D", "主管外径", in.D, tm),
                        "接头：" + jointName(joint) + "，主管壁厚 " + numberText(tm) + " mm" +
                            (choices.mainThickness ? "" : "（同支管壁厚）")};
    if (seam != 0) e.developedSizes.push_back("支管接缝：" + design.seamPlaces[1].name);
    const TeeListing cuts = branchListing(built);
    const TeeListing divisions = teeDivisionListing(computeTeeDivisions(dDeveloped, in.n, in.digits));
    // The cut as the window lists it unless the joint moved it (set-in, or
    // a wall other than the wall box's).
    if (built.L != g.L) e.stationTable.push_back(stationTableLine("支管素线", cuts.left, cuts.right));
    e.stationTable.push_back(stationTableLine("支管圆周等份（从接缝量起）", divisions.left, divisions.right));
    std::vector<std::string> x, y;
    for (int i = 0; i <= in.n / 2; ++i) {
        const HolePoint p = holePoint(built.r, holeSurface, built.A, i * built.delta * kTeePi / 180);
        x.push_back(teeListingLine("x", i, p.x, in.digits));
        y.push_back(teeListingLine("y", i, p.y, in.digits));
    }
    e.stationTable.push_back(stationTableLine("开孔横向", x, {}));
    e.stationTable.push_back(stationTableLine("开孔竖向", y, {}));
    // The branch's wall; the opening is cut from the main pipe and weighs
    // nothing of its own.
    e.thickness = {t, 0};
    e.fileName = "三通展开图_D" + numberText(in.D) + "_d" + numberText(dTyped) + "_" + numberText(in.alpha) + "度.dxf";
    return e;
}

PatternExport yTeePatternExport(const FormState& state, const ExportChoices& choices) {
    if (const auto refused = checkYTee(state)) return refusedExport(*refused);
    // The window knows no wall: only the choices' plate thickness can move
    // the pipes off the typed diameter. The mitre planes stay through the
    // axes' meeting point on every surface.
    const YTeeInputs typed = readYTeeInputs(state);
    const double t = exportThickness(0, choices);
    const DevelopedSurface surface = chosenSurface(choices, t);
    if (const auto refused = surfaceRefusal(surface, t, typed.D, "管道", "")) return refusedExport(*refused);
    YTeeInputs in = typed;
    in.D = surfaceDiameter(surface, typed.D, t);
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
    e.developed = surface;
    e.surface = pipeSurfaceText(surface, "斜接面仍过三管轴线的交点");
    e.developedSizes = {developedDiameterLine(surface, "D", "外径", typed.D, t)};
    if (in.D != typed.D) {
        for (const YTeeGeometry* g : {&vertical, &slanted}) {
            const TeeListing listing = yTeeListing(*g);
            e.stationTable.push_back(
                stationTableLine(g->pipe == YTeePipe::Vertical ? "竖管" : "斜管", listing.left, listing.right));
        }
        const TeeListing divisions = yTeeDivisionListing(computeTeeDivisions(in.D, in.n, in.digits));
        e.stationTable.push_back(stationTableLine("圆周等份", divisions.left, divisions.right));
    }
    e.thickness.assign(e.pattern.pieces.size(), t);
    e.fileName = "丫形三通展开图_D" + numberText(typed.D) + "_L" + numberText(typed.L) + "_" + numberText(typed.beta) + "度.dxf";
    return e;
}

}  // namespace korvel
