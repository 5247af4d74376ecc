#include "core/fittings/frustum/rect_frustum_commands.h"

#include <optional>
#include <string>
#include <vector>

#include "core/checks.h"
#include "core/fittings/frustum/rect_frustum_geometry.h"
#include "core/numbers.h"

namespace korvel {
namespace {

constexpr const char* kHeading = "Label1(26)";
constexpr const char* kCompass[] = {"Label1(22)", "Label1(23)", "Label1(24)", "Label1(25)"};

std::string box(int i) { return "Text1(" + std::to_string(i) + ")"; }
std::string label(int i) { return "Label1(" + std::to_string(i) + ")"; }

}  // namespace

std::optional<Outcome> checkRectFrustum(const FormState& state) {
    for (int i = 0; i < 7; ++i)
        if (tooLarge(state.text(box(i)))) return refusal(kTooLarge, box(i), box(i));
    // The scale is picked from the side as typed; a text with more than a
    // number in it would leave the plan at a scale that does not fit it.
    const std::string& side = state.text(box(0));
    if (!side.empty() && !readLeadingNumber(side).whole)
        return refusal("请输入正确的大端横向内边长，必须是数字", box(0), box(0));
    return std::nullopt;
}

RectFrustumInputs readRectFrustumInputs(const FormState& state) {
    RectFrustumInputs in;
    double* values[] = {&in.A, &in.B, &in.a, &in.b, &in.H, &in.e, &in.n};
    for (int i = 0; i < 7; ++i) *values[i] = val(state.text(box(i)));
    in.south = state.text("Combo1") == kSouthOffset;
    in.digits = state.digits;
    return in;
}

bool rectFrustumOffsetChosen(const FormState& state) {
    const std::string& variant = state.text("Combo1");
    return variant == kSouthOffset || variant == kNorthOffset;
}

double rectFrustumPlanScale(const FormState& state, const RectFrustumInputs& in) {
    if (in.A != 0) return rectFrustumScale(in.A);
    const auto kept = state.memory.find(kRectFrustumScaleMemory);
    return kept != state.memory.end() ? kept->second : kRectFrustumFirstScale;
}

std::optional<Outcome> faultRefusal(RectFrustumFault fault) {
    if (fault == RectFrustumFault::None) return std::nullopt;
    return refusal(kOutOfRange, "", "");
}

Outcome rectFrustumCompute(const FormState& state) {
    Outcome out;
    out.clear();
    if (const auto refused = checkRectFrustum(state)) return stop(out, *refused);
    const RectFrustumInputs in = readRectFrustumInputs(state);
    const double s = rectFrustumPlanScale(state, in);
    if (!rectFrustumOffsetChosen(state)) {
        out.memory[kRectFrustumScaleMemory] = s;
        out.effect(SetCaption{kHeading, "显示数据"});
        return out;
    }
    const RectFrustumGeometry g = computeRectFrustum(in);
    if (const auto refused = faultRefusal(g.fault)) return stop(out, *refused);
    RectFrustumFault planFault = RectFrustumFault::None;
    const RectFrustumPlan plan = rectFrustumPlan(in, s, &planFault);
    if (const auto refused = faultRefusal(planFault)) return stop(out, *refused);
    out.memory[kRectFrustumScaleMemory] = s;

    out.effect(SetVisible{"Line1", true});
    out.effect(SetVisible{"Line2", true});
    for (const char* letter : kCompass) out.effect(SetVisible{letter, true});
    out.effect(SetVisible{kHeading, true});
    out.clear();
    out.effect(SetVisible{"Image1", false});
    for (int i = 14; i <= 21; ++i) out.effect(SetVisible{label(i), true});

    const std::vector<std::string> lines = rectFrustumListing(g);
    for (int i = 0; i < 8; ++i) out.effect(SetCaption{label(14 + i), lines[static_cast<size_t>(i)]});

    drawRectFrustumLines(plan, out);
    const RectFrustumCentreLines centre = rectFrustumCentreLines(plan);
    out.effect(PlaceLine{"Line1", centre.line1[0], centre.line1[1], centre.line1[2], centre.line1[3]});
    out.effect(PlaceLine{"Line2", centre.line2[0], centre.line2[1], centre.line2[2], centre.line2[3]});
    drawRectFrustumTexts(in, plan, out);
    out.effect(SetCaption{kHeading, "显示数据"});
    return out;
}

Outcome rectFrustumVariantSwitch(const FormState& state) {
    Outcome out;
    out.clear();
    out.effect(SetVisible{"Image1", true});
    out.effect(SetBoxText{box(5), "0"});
    out.effect(SetBoxText{box(6), "0"});
    out.effect(SetCaption{label(5), "横边向东偏心："});
    const bool south = state.text("Combo1") == kSouthOffset;
    out.effect(SetCaption{label(6), south ? "纵边向南偏心：" : "纵边向北偏心："});
    for (int i = 14; i <= 21; ++i) out.effect(SetCaption{label(i), ""});
    for (const char* letter : kCompass) out.effect(SetVisible{letter, false});
    out.effect(SetCaption{kHeading, ""});
    out.effect(SetVisible{"Line1", false});
    out.effect(SetVisible{"Line2", false});
    return out;
}

}  // namespace korvel
