#include "core/fittings/frustum/cone_commands.h"

#include <optional>
#include <string>

#include "core/checks.h"
#include "core/fittings/frustum/cone_geometry.h"
#include "core/numbers.h"

namespace korvel {
namespace {

constexpr const char* kSmall = "Text1(0)";
constexpr const char* kBig = "Text1(1)";
constexpr const char* kHeight = "Text1(2)";
constexpr const char* kThickness = "Text1(3)";
constexpr const char* kNote = "Label1(16)";
constexpr const char* kLines[] = {"Line1", "Line2", "Line3", "Line4"};

// An error box that empties `box` and gives it the focus.
Outcome boxRefusal(const std::string& message, const std::string& box) { return refusal(message, box, box); }

void list(Outcome& out, const ConeGeometry& g) {
    const ConeListing l = coneListing(g);
    out.effect(SetCaption{"Label1(13)", l.slant});
    out.effect(SetCaption{"Label1(9)", l.bigRadius});
    out.effect(SetCaption{"Label1(12)", l.angle});
    out.effect(SetCaption{"Label1(11)", l.bigChord});
    if (g.cone) {
        out.effect(SetCaption{"Label1(14)", l.apexHeight});
        out.effect(SetCaption{"Label1(15)", l.title});
        // A cone has no small arc; an earlier frustum's must not stay listed.
        out.effect(SetCaption{"Label1(8)", ""});
        out.effect(SetCaption{"Label1(10)", ""});
        return;
    }
    out.effect(SetCaption{"Label1(8)", l.smallRadius});
    out.effect(SetCaption{"Label1(10)", l.smallChord});
    out.effect(SetCaption{"Label1(14)", l.apexHeight});
    out.effect(SetCaption{"Label1(15)", l.title});
    out.effect(SetCaption{"Label1(2)", "输入两端垂直高："});
}

void placeLines(Outcome& out, const ConeFrame& f) {
    const ConeElevationLines lines = coneElevationLines(f);
    const ConeSegment* segments[] = {&lines.line1, &lines.line2, &lines.line3, &lines.line4};
    for (int i = 0; i < 4; ++i) {
        const ConeSegment& s = *segments[i];
        out.effect(PlaceLine{kLines[i], s.x1, s.y1, s.x2, s.y2});
    }
}

}  // namespace

std::optional<Outcome> checkCone(const FormState& state) {
    const std::string& small = state.text(kSmall);
    const std::string& big = state.text(kBig);
    const std::string& height = state.text(kHeight);
    const std::string& thickness = state.text(kThickness);

    if (small.empty()) return plainRefusal("小端口外径不能为空，输入正确的数据", kSmall);
    if (tooLarge(small)) return boxRefusal(kTooLarge, kSmall);
    if (big.empty()) return plainRefusal("大端口外径不能为空，输入正确的数据", kBig);
    if (tooLarge(big)) return boxRefusal(kTooLarge, kBig);
    if (val(small) < 0) return boxRefusal("请输入正确的小端口外径，小于0mm\n", kSmall);
    // From here on both diameters are compared and the small one decides cone
    // or frustum: neither may carry anything but a number.
    const LeadingNumber smallEnd = readLeadingNumber(small);
    if (!smallEnd.whole) return boxRefusal("请输入正确的小端口外径，必须是数字", kSmall);
    const LeadingNumber bigEnd = readLeadingNumber(big);
    if (!bigEnd.whole) return boxRefusal("请输入正确的大端口外径，必须是数字", kBig);
    if (bigEnd.value <= smallEnd.value) {
        // The cone variant hides its small-end box: emptying it would leave the
        // user a box that cannot be filled again. The big end is what to mend.
        const bool coneVariant = state.text("Combo1") == kConeVariant;
        return boxRefusal("请输入正确的小端口外径，不得大于大端口或者等于大端口外径\n", coneVariant ? kBig : kSmall);
    }
    if (height.empty()) return plainRefusal("两端口垂直高不能为空，输入正确的数据", kHeight);
    if (tooLarge(height)) return boxRefusal(kTooLarge, kHeight);
    if (thickness.empty()) return plainRefusal("钢板厚度不能为空，输入正确的数据", kThickness);
    if (tooLarge(thickness)) return boxRefusal(kTooLarge, kThickness);
    return std::nullopt;
}

ConeInputs readConeInputs(const FormState& state) {
    return {val(state.text(kSmall)), val(state.text(kBig)), val(state.text(kHeight)), val(state.text(kThickness)),
            state.digits};
}

std::optional<Outcome> faultRefusal(ConeFault fault) {
    switch (fault) {
        case ConeFault::None:
            break;
        case ConeFault::NoBigEnd:
            return boxRefusal("请输入正确的钢板厚度，不得大于或等于大端口外径", kThickness);
        case ConeFault::SmallEnd:
            return boxRefusal("请输入正确的小端口外径，不得大于大端口或者等于大端口外径\n", kSmall);
        case ConeFault::OutOfRange:
            return refusal(kOutOfRange, "", "");
    }
    return std::nullopt;
}

Outcome coneCompute(const FormState& state) {
    Outcome out;
    out.clear();
    if (const auto refused = checkCone(state)) return stop(out, *refused);
    const ConeGeometry g = computeCone(readConeInputs(state));
    if (const auto refused = faultRefusal(g.fault)) return stop(out, *refused);

    out.clear();
    for (const char* line : kLines) out.effect(SetVisible{line, true});
    list(out, g);
    const ConeFrame frame{state.outerWidth, state.outerHeight};
    drawConeSchematic(g, frame, out);
    out.effect(SetCaption{kNote, "说明：板材下料请输入板厚"});
    placeLines(out, frame);
    drawConeElevation(frame, out);
    return out;
}

Outcome coneVariantSwitch(const FormState& state) {
    Outcome out;
    out.clear();
    const bool cone = state.text("Combo1") == kConeVariant;
    const char* smallRow[] = {kSmall, "Label1(0)", "Label1(4)"};
    const char* thicknessRow[] = {kThickness, "Label1(3)", "Label1(7)"};
    if (cone) {
        out.effect(SetBoxText{kSmall, "0"});
        for (const char* key : smallRow) out.effect(SetVisible{key, false});
        out.effect(SetBoxText{kThickness, "0"});
        for (const char* key : thicknessRow) out.effect(SetVisible{key, false});
        out.effect(SetBoxText{kBig, "1000"});
        out.effect(SetBoxText{kHeight, "500"});
        out.effect(SetCaption{"Label1(2)", "输入锥体垂直高："});
        out.effect(SetVisible{kNote, false});
        out.effect(SetCaption{kNote, ""});
    } else {
        for (const char* key : smallRow) out.effect(SetVisible{key, true});
        for (const char* key : thicknessRow) out.effect(SetVisible{key, true});
        out.effect(SetBoxText{kSmall, "500"});
        out.effect(SetBoxText{kBig, "1000"});
        out.effect(SetBoxText{kHeight, "500"});
        out.effect(SetBoxText{kThickness, "0"});
        out.effect(SetCaption{"Label1(2)", "输入两端垂直高："});
        out.effect(SetCaption{kNote, ""});
        out.effect(SetVisible{kNote, true});
    }
    for (int i = 8; i <= 15; ++i) out.effect(SetCaption{"Label1(" + std::to_string(i) + ")", ""});
    for (const char* line : kLines) out.effect(SetVisible{line, false});
    return out;
}

}  // namespace korvel
