#include "core/fittings/transition/transition_commands.h"

#include <string_view>

#include "core/fittings/transition/transition_geometry.h"
#include "core/numbers.h"

namespace korvel {
namespace {

constexpr const char* kErrorTitle = "错误：";
constexpr const char* kDivisionsBox = "Combo1(0)";
constexpr const char* kRoundTopSouth = "圆心向西向南偏移";
constexpr const char* kRoundTopNorth = "圆心向西向北偏移";
constexpr const char* kRectTopSouth = "矩方口向西向南偏移";
constexpr const char* kRectTopNorth = "矩方口向西向北偏移";

// Which box keys the scale in each window, and its name in the messages.
struct ScaleBox {
    const char* key;
    const char* name;
};
constexpr ScaleBox kRoundTopScaleBox = {"Text1(0)", "矩方口横向内边长"};
constexpr ScaleBox kRectTopScaleBox = {"Text1(2)", "圆口内直径"};

std::string boxKey(int i) { return "Text1(" + std::to_string(i) + ")"; }

bool reject(Outcome& out, const std::string& message, const std::string& focus) {
    out.effect(ShowMessage{message, MessageIcon::Error, kErrorTitle});
    if (!focus.empty()) out.effect(FocusBox{focus});
    out.stopped = true;
    return false;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isOctalDigit(char c) { return c >= '0' && c <= '7'; }
bool isHexDigit(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// Whether the lenient reading finds a number at all, rather than reading 0
// for text without one: a digit after the blanks and a sign (or a point), or
// after "&H", "&O" or "&".
bool hasNumber(std::string_view text) {
    size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && isBlank(text[i])) ++i;
    };
    auto at = [&](auto predicate) { return i < text.size() && predicate(text[i]); };
    skipBlanks();
    if (at([](char c) { return c == '&'; })) {
        ++i;
        skipBlanks();
        if (at([](char c) { return c == 'H' || c == 'h'; })) {
            ++i;
            skipBlanks();
            return at(isHexDigit);
        }
        if (at([](char c) { return c == 'O' || c == 'o'; })) {
            ++i;
            skipBlanks();
        }
        return at(isOctalDigit);
    }
    if (at([](char c) { return c == '+' || c == '-'; })) {
        ++i;
        skipBlanks();
    }
    if (at(isDigit)) return true;
    if (!at([](char c) { return c == '.'; })) return false;
    ++i;
    skipBlanks();
    return at(isDigit);
}

// The checks before anything is computed; false once one has failed.
bool checkInputs(const FormState& state, Outcome& out, const ScaleBox& scaleBox) {
    const std::string& key = state.text(scaleBox.key);
    if (key.empty()) return reject(out, std::string(scaleBox.name) + "不能为空！", scaleBox.key);
    if (!hasNumber(key)) return reject(out, std::string(scaleBox.name) + "必须是数字！", scaleBox.key);
    for (int i = 0; i <= 6; ++i)
        if (readLeadingNumber(state.text(boxKey(i))).tooLarge) return reject(out, "输入的数值过大！", boxKey(i));
    const std::string& n = state.text(kDivisionsBox);
    if (!hasNumber(n)) return reject(out, "等份数必须是数字！", kDivisionsBox);
    return true;
}

bool rejectFault(Outcome& out, TransitionFault fault) {
    switch (fault) {
        case TransitionFault::None:
            return true;
        case TransitionFault::Divisions:
            return reject(out, "等份数必须在1到1000之间！", kDivisionsBox);
        case TransitionFault::OutOfRange:
            return reject(out, "输入的数值过大，计算结果超出范围！", "");
    }
    return true;
}


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

Outcome roundTopCompute(const FormState& state) {
    Outcome out;
    if (!checkInputs(state, out, kRoundTopScaleBox)) return out;
    const TransitionGeometry g = computeRoundTop(readTransitionInputs(state, false));
    if (!rejectFault(out, g.fault)) return out;
    out.clear();
    out.effect(SetVisible{"Image1", false});
    out.effect(SetVisible{"Image2", false});
    showResults(out, g);
    listRoundTop(g, out);
    drawRoundTopPlan(g, out);
    out.memory[kTransitionScaleMemory] = g.s;
    return out;
}

Outcome rectTopCompute(const FormState& state) {
    Outcome out;
    if (!checkInputs(state, out, kRectTopScaleBox)) return out;
    const TransitionGeometry g = computeRectTop(readTransitionInputs(state, true));
    if (!rejectFault(out, g.fault)) return out;
    out.effect(SetVisible{"Image1", false});
    out.effect(SetVisible{"Image2", false});
    out.clear();
    showResults(out, g);
    listRectTop(g, out);
    drawRectTopPlan(g, out);
    out.memory[kTransitionScaleMemory] = g.s;
    return out;
}

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
