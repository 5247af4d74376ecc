#include "core/fittings/frustum/frustum_export.h"

#include <algorithm>
#include <vector>

#include "core/checks.h"
#include "core/fittings/frustum/cone_commands.h"
#include "core/fittings/frustum/cone_pattern.h"
#include "core/fittings/frustum/frustum_design.h"
#include "core/fittings/frustum/rect_frustum_commands.h"
#include "core/fittings/frustum/rect_frustum_pattern.h"
#include "core/numbers.h"
#include "core/surface_sizes.h"

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

// The refusal of a surface that cannot be developed, at the thickness box
// (empty: none).
PatternExport surfaceRefused(const std::string& message, const std::string& box) {
    return refusedExport(refusal(message, "", box));
}

void renameInput(std::vector<TypedInput>& inputs, const std::string& symbol, const std::string& caption) {
    for (TypedInput& in : inputs)
        if (in.symbol == symbol) in.caption = caption;
}

}  // namespace

PatternExport rectFrustumPatternExport(const FormState& state, const ExportChoices& choices) {
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
    // The window has no thickness box: only the export's plate thickness.
    const SurfaceChoice chosen = chooseSurface(choices, 0);
    if (!chosen.refusal.empty()) return surfaceRefused(chosen.refusal, "");
    const bool typed = chosen.surface == DevelopedSurface::Typed;
    // Every side is an inner one; on a chosen surface each grows alike, and
    // the offsets and the height stay as typed.
    RectFrustumInputs onSurface = in;
    for (double* side : {&onSurface.A, &onSurface.B, &onSurface.a, &onSurface.b})
        if (!typed) *side = sizeOn(chosen.surface, *side, MeasuredOn::Inside, chosen.t);
    const RectFrustumGeometry developedOn = typed ? g : computeRectFrustum(onSurface);
    if (!typed)
        if (const auto refused = faultRefusal(developedOn.fault)) return refusedExport(*refused);
    RectFrustumPattern developed = rectFrustumPattern(developedOn);
    if (developed.fault != RectFrustumPatternFault::None)
        return refusedExport(refusal(rectFrustumPatternMessage(developed.fault), "", faultBox(developed.fault, in)));

    PatternExport e;
    e.pattern = std::move(developed.pattern);
    const WindowDesign& design = rectFrustumDesign();
    e.inputs = typedInputs(design, state);
    renameInput(e.inputs, "dir", "偏心方位：");
    if (in.south) renameInput(e.inputs, "n", "纵边向南偏心：");
    e.rounding = roundingText(design, state);
    nameSurface(e, chosen, "内表面，按内边长展开（不计板厚）",
                {{"A", "大端横向内边长", in.A, MeasuredOn::Inside},
                 {"B", "大端纵向内边长", in.B, MeasuredOn::Inside},
                 {"a", "小端横向内边长", in.a, MeasuredOn::Inside},
                 {"b", "小端纵向内边长", in.b, MeasuredOn::Inside}});
    // The runs between the ends' sides, and with them every height and joint,
    // stay as listed unless rounding moves them.
    const std::vector<std::string> stations = rectFrustumListing(developedOn);
    if (!typed && stations != rectFrustumListing(g))
        e.stationTable.push_back(stationLine(e.pattern.pieces.front().name, stations));
    e.thickness.assign(e.pattern.pieces.size(), chosen.t);
    e.fileName = "矩方锥台展开图_" + numberText(in.A) + "x" + numberText(in.B) + "_" + numberText(in.a) + "x" +
                 numberText(in.b) + "_H" + numberText(in.H) + ".dxf";
    return e;
}

PatternExport conePatternExport(const FormState& state, const ExportChoices& choices) {
    if (const auto refused = checkCone(state)) return refusedExport(*refused);
    const ConeInputs in = readConeInputs(state);
    const ConeGeometry g = computeCone(in);
    if (const auto refused = faultRefusal(g.fault)) return refusedExport(*refused);
    const SurfaceChoice chosen = chooseSurface(choices, in.t);
    // The thickness box, where the window shows it.
    const std::string thicknessBox = state.text("Combo1") == kConeVariant ? "" : box(3);
    if (!chosen.refusal.empty()) return surfaceRefused(chosen.refusal, thicknessBox);
    const bool typed = chosen.surface == DevelopedSurface::Typed;

    // Both diameters are outer ones; the listing develops them less the
    // thickness box (the mean surface when the box holds the plate's
    // thickness), a chosen surface less what lies outside it.
    ConeGeometry developedOn = g;
    if (!typed) {
        const auto noInside = [&](const char* end) {
            return surfaceRefused(std::string("钢板厚度不小于") + end + "的一半，端口没有内表面，不能生成展开图！",
                                  thicknessBox);
        };
        if (!g.cone && !leavesInside(in.small, MeasuredOn::Outside, chosen.t)) return noInside("小端口外径");
        if (!leavesInside(in.big, MeasuredOn::Outside, chosen.t)) return noInside("大端口外径");
        ConeInputs onSurface = in;
        onSurface.big = sizeOn(chosen.surface, in.big, MeasuredOn::Outside, chosen.t);
        onSurface.small = g.cone ? 0 : sizeOn(chosen.surface, in.small, MeasuredOn::Outside, chosen.t);
        onSurface.t = 0;
        onSurface.onSurface = true;
        developedOn = computeCone(onSurface);
        if (const auto refused = faultRefusal(developedOn.fault)) return refusedExport(*refused);
    }
    // The seam: an angle from division 0 (cone_pattern.h), checked even where
    // a flat ring or disc has no seam to put it on, so that a mistyped angle
    // is never passed over in silence.
    double seamDegrees = 0;
    if (choices.seam) {
        const std::optional<double> angle = coneSeamAngle(*choices.seam);
        if (!angle)
            return refusedExport(refusal("接缝位置应为 0 到 360 之间的角度（从第0等分线起算），\n\"" + *choices.seam +
                                             "\" 不是这样的角度！",
                                         "", ""));
        seamDegrees = *angle;
    }
    ConePattern developed = conePattern(developedOn, seamDegrees);
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
    std::vector<TypedSize> sizes{{"D", "大端口外径", in.big, MeasuredOn::Outside}};
    if (!g.cone) sizes.push_back({"d", "小端口外径", in.small, MeasuredOn::Outside});
    nameSurface(e, chosen, "钢板中性层，按外径减板厚的中径展开", sizes);
    if (typed && in.t > 0) {
        // As typed, the window lists the diameters less its thickness box:
        // say so, so that nobody takes the thickness off once more.
        e.developedSizes.clear();
        for (const TypedSize& size : sizes)
            e.developedSizes.push_back(surfaceName(DevelopedSurface::Typed) + "：" + size.symbol + " = " +
                                       numberText(size.typed - in.t) + " mm（" + size.what + " " +
                                       numberText(size.typed) + " − 板厚 " + numberText(in.t) +
                                       "，窗口列表的中径）");
    }
    // The listing's own diameters are the typed ones less the thickness box:
    // the mean surface of the box's thickness is the listed one.
    const auto stations = [cone = g.cone](const ConeGeometry& on) {
        const ConeListing l = coneListing(on);
        return cone ? std::vector<std::string>{l.bigRadius, l.angle, l.bigChord, l.apexHeight}
                    : std::vector<std::string>{l.slant,    l.bigRadius,  l.smallRadius, l.angle,
                                               l.bigChord, l.smallChord, l.apexHeight};
    };
    if (!typed && stations(developedOn) != stations(g))
        e.stationTable.push_back(stationLine(e.pattern.pieces.front().name, stations(developedOn)));
    e.thickness.assign(e.pattern.pieces.size(), chosen.t);
    const bool cone = in.small == 0;
    e.fileName = (cone ? "圆锥展开图_D" + numberText(in.big)
                       : "圆锥台展开图_D" + numberText(in.big) + "_d" + numberText(in.small)) +
                 "_H" + numberText(in.h) + ".dxf";
    return e;
}

}  // namespace korvel
