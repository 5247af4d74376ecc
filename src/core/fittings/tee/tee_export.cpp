#include "core/fittings/tee/tee_export.h"

#include <optional>
#include <string>

#include "core/checks.h"
#include "core/fittings/tee/tee_commands.h"
#include "core/fittings/tee/tee_design.h"
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
    // Only the branch is developed on the chosen surface, with the wall of
    // its box (or the choices'); the main pipe's wall is not known, so the
    // opening stays on its outside, where the branch's meeting radius
    // d/2 - t (the wall box's t) sits on it as the window lists it. Set-on
    // and set-in joints will decide both surfaces in the construction itself.
    const double dTyped = val(checked.text("Text1(1)"));
    const double t = exportThickness(in.t, choices);
    const DevelopedSurface surface = chosenSurface(choices, t);
    if (const auto refused = surfaceRefusal(surface, t, dTyped, "支管", "Text1(4)"))
        return refusedExport(*refused);
    const double dDeveloped = surfaceDiameter(surface, dTyped, t);

    PatternExport e;
    e.pattern = dDeveloped == dTyped ? teePattern(g) : teePattern(g, dDeveloped);
    const WindowDesign& design = teeDesign();
    e.inputs = typedInputs(design, state);
    e.rounding = roundingText(design, state);
    e.developed = surface;
    e.surface = surface == DevelopedSurface::Typed
                    ? "支管按支管外径的圆周 πd 展开，以半径 d/2−t 与主管外壁相交；开孔展开在主管外壁上（按主管外径）"
                    : surfaceName(surface) +
                          "：支管按其直径的圆周 πd 展开，板端垂直于板面，以半径 d/2−t 与主管外壁相交；"
                          "开孔展开在主管外壁上（按主管外径）";
    e.developedSizes = {developedDiameterLine(surface, "d", "支管外径", dTyped, t),
                        "开孔：D = " + numberText(in.D) + " mm（按输入的主管外径，主管外表面）"};
    if (dDeveloped != dTyped) {
        const TeeListing divisions = teeDivisionListing(computeTeeDivisions(dDeveloped, in.n, in.digits));
        e.stationTable = {stationTableLine("支管圆周等份", divisions.left, divisions.right),
                          "  支管素线 L、开孔 x 和 y：同窗口列表"};
    }
    // The wall thickness is the branch's: the opening is cut from the main pipe.
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
