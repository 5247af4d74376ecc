#include "core/fittings/transition/transition_commands.h"

#include <optional>

#include "core/checks.h"
#include "core/fittings/transition/transition_geometry.h"
#include "core/numbers.h"

namespace korvel {
namespace {

constexpr const char* kDivisionsBox = "Combo1(0)";
constexpr const char* kRoundTopSouth = "圆心向西向南偏移";
constexpr const char* kRoundTopNorth = "圆心向西向北偏移";
constexpr const char* kRectTopSouth = "矩方口向西向南偏移";
constexpr const char* kRectTopNorth = "矩方口向西向北偏移";

std::string boxKey(int i) { return "Text1(" + std::to_string(i) + ")"; }

void showResults(Outcome& out, const TransitionGeometry& g) {
    for (const auto& [key, text] : transitionCaptions(g)) out.effect(SetCaption{key, text});
    out.font(kTransitionFontName, kTransitionFontPoints);
}

Outcome legend(const char* picture) {
    Outcome out;
    out.clear();
    out.effect(SetVisible{picture, true});
    return out;
}

Outcome directionChanged(const char* sketch, const std::string& westCaption, const std::string& offsetCaption) {
    Outcome out;
    out.clear();
    out.effect(SetVisible{sketch, true});
    out.effect(SetCaption{"Label1(5)", westCaption});
    out.effect(SetCaption{"Label1(6)", offsetCaption});
    out.effect(SetBoxText{"Text1(5)", "0"});
    out.effect(SetBoxText{"Text1(6)", "0"});
    for (int i = 15; i <= 20; ++i) out.effect(SetCaption{"Label1(" + std::to_string(i) + ")", ""});
    return out;
}

Outcome compute(const FormState& state, bool rectTop) {
    Outcome out;
    if (const auto refused = checkTransition(state, rectTop)) return stop(out, *refused);
    const TransitionInputs in = readTransitionInputs(state, rectTop);
    const TransitionGeometry g = rectTop ? computeRectTop(in) : computeRoundTop(in);
    if (const auto refused = faultRefusal(g.fault)) return stop(out, *refused);
    // The rect-top window hides both pictures before it clears the surface.
    if (!rectTop) out.clear();
    out.effect(SetVisible{"Image1", false});
    out.effect(SetVisible{"Image2", false});
    if (rectTop) out.clear();
    showResults(out, g);
    if (rectTop) {
        listRectTop(g, out);
        drawRectTopPlan(g, out);
    } else {
        listRoundTop(g, out);
        drawRoundTopPlan(g, out);
    }
    out.memory[kTransitionScaleMemory] = g.s;
    return out;
}

}  // namespace

TransitionInputs readTransitionInputs(const FormState& state, bool rectTop) {
    TransitionInputs in;
    in.a = val(state.text("Text1(0)"));
    in.b = val(state.text("Text1(1)"));
    in.D = val(state.text("Text1(2)"));
    in.H = val(state.text("Text1(3)"));
    in.t = val(state.text("Text1(4)"));
    in.ew = val(state.text("Text1(5)"));
    in.e = val(state.text("Text1(6)"));
    in.south = state.text("Combo2") == (rectTop ? kRectTopSouth : kRoundTopSouth);
    // A count too large to hold reads as 0 and is refused with the others.
    in.n = val(state.text(kDivisionsBox));
    in.digits = state.digits;
    if (const auto it = state.memory.find(kTransitionScaleMemory); it != state.memory.end())
        in.previousScale = it->second;
    return in;
}

std::optional<Outcome> checkTransition(const FormState& state, bool rectTop) {
    // The box that keys the plan's scale, and its name in the messages.
    const std::string scaleKey = rectTop ? "Text1(2)" : "Text1(0)";
    const std::string scaleName = rectTop ? "圆口内直径" : "矩方口横向内边长";
    const std::string& scale = state.text(scaleKey);
    if (scale.empty()) return refusal(scaleName + "不能为空！", "", scaleKey);
    if (!readLeadingNumber(scale).found) return refusal(scaleName + "必须是数字！", "", scaleKey);
    for (int i = 0; i <= 6; ++i)
        if (tooLarge(state.text(boxKey(i)))) return refusal(kTooLarge, "", boxKey(i));
    if (!readLeadingNumber(state.text(kDivisionsBox)).found) return refusal("等份数必须是数字！", "", kDivisionsBox);
    return std::nullopt;
}

std::optional<Outcome> faultRefusal(TransitionFault fault) {
    switch (fault) {
        case TransitionFault::None:
            break;
        case TransitionFault::Divisions:
            return refusal("等份数必须在1到1000之间！", "", kDivisionsBox);
        case TransitionFault::OutOfRange:
            return refusal(kOutOfRange, "", "");
    }
    return std::nullopt;
}

Outcome roundTopCompute(const FormState& state) { return compute(state, false); }
Outcome rectTopCompute(const FormState& state) { return compute(state, true); }

Outcome roundTopLegend(const FormState&) { return legend("Image2"); }
Outcome rectTopLegend(const FormState&) { return legend("Image1"); }

Outcome roundTopDirectionChanged(const std::string& chosen) {
    if (chosen == kRoundTopNorth) return directionChanged("Image1", "输入圆心向西偏移：", "输入圆心向北偏移：");
    if (chosen == kRoundTopSouth) return directionChanged("Image1", "输入圆心向西偏移：", "输入圆心向南偏移：");
    return {};
}

Outcome rectTopDirectionChanged(const std::string& chosen) {
    if (chosen == kRectTopNorth) return directionChanged("Image2", "输入方口向西偏移：", "输入方口向北偏移：");
    if (chosen == kRectTopSouth) return directionChanged("Image2", "输入方口向西偏移：", "输入方口向南偏移：");
    return {};
}

}  // namespace korvel
