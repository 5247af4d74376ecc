#include "core/fittings/elbow/elbow_commands.h"

#include <optional>
#include <string>

#include "core/checks.h"
#include "core/fittings/elbow/elbow_geometry.h"
#include "core/numbers.h"

namespace korvel {
namespace {

constexpr const char* kLeftBox = "Combo3";
constexpr const char* kRightBox = "Combo4";

enum class Section { End, Middle };

void clearListings(Outcome& out) {
    out.effect(ClearListing{kLeftBox});
    out.effect(ClearListing{kRightBox});
}

void showListing(Outcome& out, const ElbowListing& listing) {
    clearListings(out);
    out.effect(SetListingColour{kLeftBox, listing.colour});
    out.effect(SetListingColour{kRightBox, listing.colour});
    out.effect(SetListingHeading{kLeftBox, listing.leftHeading});
    out.effect(SetListingHeading{kRightBox, listing.rightHeading});
    for (const auto& line : listing.left) out.effect(AddListingLine{kLeftBox, line});
    for (const auto& line : listing.right) out.effect(AddListingLine{kRightBox, line});
}

// The surface's logical frame: (-100, -100) at the top left, (0, 0) at the
// bottom right.
void setFrame(Outcome& out) { out.scale(-100, -100, 0, 0); }

Outcome patternCommand(const FormState& state, Section section) {
    Outcome out;
    out.clear();
    // The middle section restores the colour it found after each red name:
    // the elbow's surface draws in black.
    const Rgb defaultColour = kBlack;
    clearListings(out);
    setFrame(out);
    for (const char* label : {"Label1(10)", "Label1(11)", "Label1(12)"}) out.effect(SetCaption{label, ""});

    if (const auto refused = checkElbow(state)) return stop(out, *refused);
    const ElbowGeometry g = computeElbow(readElbowInputs(state));
    if (const auto refused = faultRefusal(g.fault)) return stop(out, *refused);

    out.font(kElbowFontName, elbowFontPoints(g.in.n));
    if (section == Section::End) {
        showListing(out, endListing(g));
        drawEndPattern(g, out);
    } else {
        showListing(out, middleListing(g));
        drawMiddlePattern(g, out, defaultColour);
    }
    out.effect(SetCaption{"Label1(11)", elbowSummary(g)});
    out.effect(MoveControl{"Label1(11)", -43, -4});
    out.effect(SetCaption{"Label1(12)", section == Section::End ? "任意角度弯头端节展开数据"
                                                               : "任意角度弯头中节展开数据"});
    out.effect(MoveControl{"Label1(12)", -35, -95});
    return out;
}

}  // namespace

std::optional<Outcome> checkElbow(const FormState& state) {
    const std::string& d = state.text("Text1");
    const std::string& r = state.text("Text2");
    const std::string& angle = state.text("Text3");
    if (d.empty()) return refusal("管道外径不能为空！\n", "", "Text1");
    if (tooLarge(d)) return refusal(kTooLarge, "Text1", "Text1");
    if (val(d) <= 0) return refusal("\n管道外径必须大于零！", "Text1", "Text1");
    if (r.empty()) return refusal("\n弯曲半径不能为空！", "", "Text2");
    if (tooLarge(r)) return refusal(kTooLarge, "Text2", "Text2");
    // R = D / 2 passes: the inner side then has no length at all.
    if (val(d) / 2 > val(r)) return refusal("请输入正确的弯曲半径，不得小于外径一半！\n", "Text2", "Text2");
    if (angle.empty()) return refusal("弯曲角度不能为空！\n", "", "Text3");
    if (tooLarge(angle)) return refusal(kTooLarge, "Text3", "Text3");
    // The message names the range above 0 and below 359.9: both ends are held to it.
    if (val(angle) <= 0 || val(angle) >= 359.9)
        return refusal("请输入正确的弯曲角度“>0-<359.9”之间!\n", "Text3", "Text3");
    if (tooLarge(state.text("Text4"))) return refusal(kTooLarge, "Text4", "Text4");
    return std::nullopt;
}

std::optional<Outcome> faultRefusal(ElbowFault fault) {
    switch (fault) {
        case ElbowFault::None:
            break;
        case ElbowFault::Segments:
            return refusal("弯头节数必须是2以上的整数！", "", "Combo2");
        case ElbowFault::Divisions:
            return refusal("等份数必须是4的倍数（4～1000）！", "", "Combo1");
        case ElbowFault::BendTooSharp:
            return refusal("弯曲角度过大：端节角度必须小于90°！", "Text3", "Text3");
        case ElbowFault::ScaleTooSmall:
            return refusal("弯曲半径或弯曲角度过小，无法绘制展开图！", "", "Text2");
        case ElbowFault::OutOfRange:
            return refusal(kOutOfRange, "", "");
    }
    return std::nullopt;
}

ElbowInputs readElbowInputs(const FormState& state) {
    ElbowInputs in;
    in.D = val(state.text("Text1"));
    in.R = val(state.text("Text2"));
    in.alpha = val(state.text("Text3"));
    in.t = val(state.text("Text4"));
    in.k = wholeNumber(state.text("Combo2"));
    in.n = wholeNumber(state.text("Combo1"));
    in.digits = state.digits;
    return in;
}

Outcome elbowEnd(const FormState& state) { return patternCommand(state, Section::End); }

Outcome elbowMiddle(const FormState& state) { return patternCommand(state, Section::Middle); }

Outcome elbowDivisions(const FormState& state) {
    Outcome out;
    setFrame(out);
    clearListings(out);
    if (tooLarge(state.text("Text1"))) return stop(out, refusal(kTooLarge, "Text1", "Text1"));
    const ElbowInputs in = readElbowInputs(state);
    // No segment count below 2 reaches the listing, even though it is not used.
    if (in.k < 2) return stop(out, *faultRefusal(ElbowFault::Segments));
    const ElbowGeometry g = computeElbowDivisions(in);
    if (const auto refused = faultRefusal(g.fault)) return stop(out, *refused);
    showListing(out, divisionListing(g));
    return out;
}

}  // namespace korvel
