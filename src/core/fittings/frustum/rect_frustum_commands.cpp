#include "core/fittings/frustum/rect_frustum_commands.h"

#include <string>
#include <vector>

#include "core/fittings/frustum/frustum_reading.h"
#include "core/fittings/frustum/rect_frustum_geometry.h"
#include "core/numbers.h"

namespace korvel {
namespace {

constexpr const char* kErrorTitle = "错误：";
constexpr const char* kHeading = "Label1(26)";
constexpr const char* kCompass[] = {"Label1(22)", "Label1(23)", "Label1(24)", "Label1(25)"};

std::string box(int i) { return "Text1(" + std::to_string(i) + ")"; }
std::string label(int i) { return "Label1(" + std::to_string(i) + ")"; }

void reject(Outcome& out, const std::string& message, const std::string& key) {
    out.effect(ShowMessage{message, MessageIcon::Error, kErrorTitle});
    if (!key.empty()) {
        out.effect(SetBoxText{key, ""});
        out.effect(FocusBox{key});
    }
    out.stopped = true;
}

// What the boxes hold, or the rejection of a box that cannot be used.
bool readInputs(const FormState& state, Outcome& out, RectFrustumInputs& in, double& scaleSide) {
    double values[7];
    for (int i = 0; i < 7; ++i) {
        const LeadingNumber v = readLeadingNumber(state.text(box(i)));
        if (v.tooLarge) {
            reject(out, "输入的数值过大！", box(i));
            return false;
        }
        values[i] = v.value;
    }
    // The scale is picked from the side as typed; a text with more than a
    // number in it would leave the plan at a scale that does not fit it.
    const std::string& side = state.text(box(0));
    scaleSide = 0;
    if (!side.empty()) {
        const StrictNumber strict = readStrictNumber(side);
        if (!strict.number) {
            reject(out, "请输入正确的大端横向内边长，必须是数字", box(0));
            return false;
        }
        scaleSide = strict.value.value;
    }
    in.A = values[0];
    in.B = values[1];
    in.a = values[2];
    in.b = values[3];
    in.H = values[4];
    in.e = values[5];
    in.n = values[6];
    in.digits = state.digits;
    return true;
}

double pickScale(const FormState& state, double side) {
    if (side != 0) return rectFrustumScale(side);
    const auto kept = state.memory.find(kRectFrustumScaleMemory);
    return kept != state.memory.end() ? kept->second : kRectFrustumFirstScale;
}

}  // namespace

Outcome rectFrustumCompute(const FormState& state) {
    Outcome out;
    out.clear();
    RectFrustumInputs in;
    double side = 0;
    if (!readInputs(state, out, in, side)) return out;
    const double s = pickScale(state, side);

    const std::string& variant = state.text("Combo1");
    if (variant != kSouthOffset && variant != kNorthOffset) {
        out.memory[kRectFrustumScaleMemory] = s;
        out.effect(SetCaption{kHeading, "显示数据"});
        return out;
    }
    in.south = variant == kSouthOffset;
    const RectFrustumGeometry g = computeRectFrustum(in);
    RectFrustumFault planFault = RectFrustumFault::None;
    const RectFrustumPlan plan = rectFrustumPlan(in, s, &planFault);
    if (g.fault != RectFrustumFault::None || planFault != RectFrustumFault::None) {
        reject(out, "输入的数值过大，计算结果超出范围！", "");
        return out;
    }
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
