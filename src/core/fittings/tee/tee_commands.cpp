#include "core/fittings/tee/tee_commands.h"

#include <optional>
#include <string>

#include "core/checks.h"
#include "core/fittings/tee/tee_geometry.h"
#include "core/numbers.h"

namespace korvel {
namespace {

constexpr const char* kLeftBox = "Combo1(1)";
constexpr const char* kRightBox = "Combo1(2)";
constexpr const char* kTitle = "Label1(12)";
constexpr const char* kMainDiameter = "Text1(0)";
constexpr const char* kBranchDiameter = "Text1(1)";
constexpr const char* kAngle = "Text1(2)";
constexpr const char* kShortSide = "Text1(3)";
constexpr const char* kWall = "Text1(4)";
constexpr const char* kDivisions = "Combo1(0)";

constexpr const char* kDiameterPreset = "1120";
constexpr const char* kAnglePreset = "45";
constexpr Rgb kDivisionColour = rgb(0, 0, 192);

void message(Outcome& out, const std::string& text) { out.effect(ShowMessage{text, MessageIcon::None, ""}); }

void clearListings(Outcome& out) {
    out.effect(ClearListing{kLeftBox});
    out.effect(ClearListing{kRightBox});
}

void addLines(Outcome& out, const TeeListing& listing) {
    for (const auto& line : listing.left) out.effect(AddListingLine{kLeftBox, line});
    for (const auto& line : listing.right) out.effect(AddListingLine{kRightBox, line});
}

void headings(Outcome& out, const TeeListing& listing) {
    out.effect(SetListingHeading{kLeftBox, listing.leftHeading});
    out.effect(SetListingHeading{kRightBox, listing.rightHeading});
}

void colour(Outcome& out, Rgb c) {
    out.effect(SetListingColour{kLeftBox, c});
    out.effect(SetListingColour{kRightBox, c});
}

std::optional<Outcome> divisionsRefusal(DivisionsFault fault) {
    switch (fault) {
        case DivisionsFault::None:
            break;
        case DivisionsFault::Divisions:
            return faultRefusal(TeeFault::Divisions);
        case DivisionsFault::OutOfRange:
            return faultRefusal(TeeFault::OutOfRange);
    }
    return std::nullopt;
}

enum class TeePart { Branch, Opening };

// Clear, empty the title, check, read and compute, then list and draw.
Outcome patternCommand(const FormState& state, TeePart part) {
    Outcome out;
    out.clear();
    out.effect(SetCaption{kTitle, ""});
    const FormState checked = checkTeePresets(state, out);
    if (const auto refused = checkTee(checked)) return stop(out, *refused);
    const TeeGeometry g = computeTee(readTeeInputs(checked));
    if (const auto refused = faultRefusal(g.fault)) return stop(out, *refused);

    if (part == TeePart::Branch) {
        showTeeListing(out, branchListing(g), kTitle, "支管展开放样图");
        drawBranch(g, branchLayout(state.outerWidth, state.outerHeight, g.in.n), out);
        return out;
    }
    showTeeListing(out, openingListing(g), kTitle, "主管开孔展开图", true);
    // Without a branch diameter the lists stay and nothing is drawn.
    const std::string& typed = checked.text(kBranchDiameter);
    if (!typed.empty()) drawOpening(g, openingScale(val(typed)), out);
    return out;
}

}  // namespace

Outcome teeRefusal(const std::string& message, const std::string& focus) {
    Outcome out;
    clearListings(out);
    return stop(out, plainRefusal(message, focus));
}

void showTeeListing(Outcome& out, const TeeListing& listing, const char* titleKey, const std::string& title,
                    bool colourLast) {
    clearListings(out);
    if (!colourLast) colour(out, kBlack);
    headings(out, listing);
    out.effect(SetCaption{titleKey, title});
    if (colourLast) colour(out, kBlack);
    addLines(out, listing);
}

Outcome teeDivisionsCommand(const FormState& state, const char* diameterKey, double allowance,
                            TeeListing (*list)(const TeeDivisions&)) {
    Outcome out;
    if (const auto refused = teeTooLarge(state, {diameterKey})) return stop(out, *refused);
    const std::string& typed = state.text(diameterKey);
    const TeeDivisions v =
        computeTeeDivisions(val(typed) - allowance, wholeNumber(state.text(kDivisions)), state.digits);
    if (const auto refused = divisionsRefusal(v.fault)) return stop(out, *refused);
    const TeeListing listing = list(v);
    clearListings(out);
    colour(out, kDivisionColour);
    headings(out, listing);
    addLines(out, listing);
    return out;
}

FormState checkTeePresets(const FormState& state, Outcome& out) {
    FormState checked = state;
    const double D = val(state.text(kMainDiameter));
    const double d = val(state.text(kBranchDiameter));
    // d = D and d = 0 pass.
    if (d < 0 || d > D) {
        message(out, "请您正确输入支管外径，不得大于主管外径和小于,程序执行默认数据！");
        out.effect(FocusBox{kBranchDiameter});
        for (const char* key : {kMainDiameter, kBranchDiameter}) {
            out.effect(SetBoxText{key, kDiameterPreset});
            checked.texts[key] = kDiameterPreset;
        }
    }
    const double alpha = val(state.text(kAngle));
    // 0 and 90 pass.
    if (alpha < 0 || alpha > 90) {
        message(out, "请您正确输入两管之间夹角,程序执行默认数据！");
        out.effect(FocusBox{kAngle});
        out.effect(SetBoxText{kAngle, kAnglePreset});
        checked.texts[kAngle] = kAnglePreset;
    }
    return checked;
}

std::optional<Outcome> teeTooLarge(const FormState& state, std::initializer_list<const char*> keys) {
    for (const char* key : keys)
        if (tooLarge(state.text(key))) return teeRefusal(kTooLarge, key);
    return std::nullopt;
}

std::optional<Outcome> checkTee(const FormState& checked) {
    return teeTooLarge(checked, {kMainDiameter, kBranchDiameter, kAngle, kShortSide, kWall});
}

TeeInputs readTeeInputs(const FormState& checked) {
    TeeInputs in;
    in.D = val(checked.text(kMainDiameter));
    in.d = val(checked.text(kBranchDiameter)) - kBranchAllowance;
    in.alpha = val(checked.text(kAngle));
    in.Ls = val(checked.text(kShortSide));
    in.t = val(checked.text(kWall));
    in.n = wholeNumber(checked.text(kDivisions));
    in.digits = checked.digits;
    return in;
}

std::optional<Outcome> faultRefusal(TeeFault fault) {
    switch (fault) {
        case TeeFault::None:
            break;
        case TeeFault::MainDiameter:
            return teeRefusal("主管外径和支管外径不得为零，请您正确输入！", kMainDiameter);
        case TeeFault::Angle:
            return teeRefusal("两管夹角不得为零，请您正确输入两管之间夹角！", kAngle);
        case TeeFault::Divisions:
            return teeRefusal("等份数必须是4的倍数（4～1000）！", kDivisions);
        case TeeFault::Wall:
            return teeRefusal("请您正确输入支管壁厚，支管与主管无法相交！", kWall);
        case TeeFault::OutOfRange:
            return teeRefusal(kOutOfRange, "");
    }
    return std::nullopt;
}

Outcome teeBranch(const FormState& state) { return patternCommand(state, TeePart::Branch); }

Outcome teeOpening(const FormState& state) { return patternCommand(state, TeePart::Opening); }

Outcome teeDivisions(const FormState& state) {
    return teeDivisionsCommand(state, kBranchDiameter, kBranchAllowance, teeDivisionListing);
}

}  // namespace korvel
