#include "core/fittings/transition/transition_export.h"

#include <numbers>
#include <string>
#include <vector>

#include "core/checks.h"
#include "core/fittings/transition/transition_commands.h"
#include "core/fittings/transition/transition_design.h"
#include "core/fittings/transition/transition_pattern.h"
#include "core/numbers.h"
#include "core/surface_sizes.h"

namespace korvel {
namespace {

// The box to mend for a fault, empty where no one box is to blame: for a
// seam's height line off its side, the offset along that side.
std::string faultBox(TransitionPatternFault fault, const TransitionInputs& in, TransitionSeam seam) {
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
            return seam == TransitionSeam::Side1 || seam == TransitionSeam::Side3 ? "Text1(6)" : "Text1(5)";
        case TransitionPatternFault::None:
        case TransitionPatternFault::Geometry:
        case TransitionPatternFault::Triangle:
        case TransitionPatternFault::Overlaps:
            break;
    }
    return "";
}

// The surface's station table: the heights and the round edge's arc between
// neighbouring stations, then each corner's lines, as the listing names them.
std::vector<std::string> stationTable(const std::string& piece, const TransitionGeometry& g) {
    const int digits = g.in.digits;
    const auto named = [](const std::string& name, double rounded) { return name + " = " + numberText(rounded); };
    std::vector<std::string> table{
        stationLine(piece, {named("h1", g.h1), named("h2", g.h2), named("h3", g.h3), named("h4", g.h4),
                            "每等份弧长 = " + roundedText(std::numbers::pi * g.in.D / g.in.n, digits)})};
    const struct {
        const char* name;
        const char* letter;
        const std::vector<double>& lines;
    } corners[] = {
        {"西北角实线", "m", g.nw}, {"东北角实线", "j", g.ne}, {"西南角实线", "L", g.sw}, {"东南角实线", "k", g.se}};
    for (const auto& corner : corners) {
        std::vector<std::string> values;
        for (size_t i = 0; i < corner.lines.size(); ++i)
            values.push_back(named(corner.letter + std::to_string(i), corner.lines[i]));
        table.push_back(stationLine(corner.name, values));
    }
    return table;
}

PatternExport transitionExport(const FormState& state, const ExportChoices& choices, bool rectTop) {
    if (const auto refused = checkTransition(state, rectTop)) return refusedExport(*refused);
    const TransitionInputs in = readTransitionInputs(state, rectTop);
    const TransitionGeometry g = rectTop ? computeRectTop(in) : computeRoundTop(in);
    if (const auto refused = faultRefusal(g.fault)) return refusedExport(*refused);
    const SurfaceChoice chosen = chooseSurface(choices, in.t);
    if (!chosen.refusal.empty()) return refusedExport(refusal(chosen.refusal, "", "Text1(4)"));
    const bool typed = chosen.surface == DevelopedSurface::Typed;

    // The sides and the diameter are inner ones; on a chosen surface each
    // grows alike and the round edge is developed on that surface's circle.
    // The window's own figures keep its mean circle D + t for the round edge.
    const std::vector<TypedSize> sizes{
        {"a", rectTop ? "方口横向内边长" : "矩方口横向内边长", in.a, MeasuredOn::Inside},
        {"b", rectTop ? "方口竖向内边长" : "矩方口纵向内边长", in.b, MeasuredOn::Inside},
        {"D", "圆口内直径", in.D, MeasuredOn::Inside}};
    TransitionGeometry developedOn = g;
    if (!typed) {
        TransitionInputs onSurface = in;
        for (double* size : {&onSurface.a, &onSurface.b, &onSurface.D})
            *size = sizeOn(chosen.surface, *size, MeasuredOn::Inside, chosen.t);
        onSurface.onSurface = true;
        developedOn = rectTop ? computeRectTop(onSurface) : computeRoundTop(onSurface);
        if (const auto refused = faultRefusal(developedOn.fault)) return refusedExport(*refused);
    }
    const TransitionSeam seam = transitionSeam(choices.seam);
    TransitionPattern developed = rectTop ? rectTopPattern(developedOn, seam) : roundTopPattern(developedOn, seam);
    if (developed.fault != TransitionPatternFault::None)
        return refusedExport(
            refusal(transitionPatternMessage(developed.fault, seam), "", faultBox(developed.fault, in, seam)));

    PatternExport e;
    e.pattern = std::move(developed.pattern);
    const WindowDesign& design = rectTop ? rectTopDesign() : roundTopDesign();
    e.inputs = typedInputs(design, state);
    for (TypedInput& typedInput : e.inputs) {
        if (typedInput.symbol == "N") typedInput.caption = "选择等份：";
        if (typedInput.symbol == "dir") typedInput.caption = "偏移方位：";
        // The offset's caption names the direction picked, as the window relabels it.
        if (typedInput.symbol == "e" && in.south) {
            const auto at = typedInput.caption.find("北");
            if (at != std::string::npos) typedInput.caption.replace(at, std::string("北").size(), "南");
        }
    }
    e.rounding = roundingText(design, state);
    nameSurface(e, chosen, "矩方口按内边长，圆口按中径 D+t 的圆周展开；角线和高为内侧实长", sizes);
    if (typed && in.t > 0) {
        // As typed, the window develops the round edge on its mean circle:
        // say so, so that nobody adds the thickness once more.
        e.developedSizes.back() = surfaceName(DevelopedSurface::Typed) + "：D = " + numberText(in.D + in.t) +
                                  " mm（圆口内直径 " + numberText(in.D) + " + 壁厚 " + numberText(in.t) +
                                  "，窗口列表的中径）";
    }
    // The listing measures its chord on D + t, so even the inside surface's
    // stations are not the listed ones.
    if (!typed) e.stationTable = stationTable(e.pattern.pieces.front().name, developedOn);
    e.thickness.assign(e.pattern.pieces.size(), chosen.t);
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
