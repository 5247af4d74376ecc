#include "core/fittings/tee/tee_commands.h"

#include <cmath>
#include <string>

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

// Stops the command: the listing boxes emptied, the message shown and the
// offending box (if any) given the focus. Always false.
bool reject(Outcome& out, const std::string& text, const std::string& focus) {
    clearListings(out);
    message(out, text);
    if (!focus.empty()) out.effect(FocusBox{focus});
    out.stopped = true;
    return false;
}

void rejectFault(Outcome& out, TeeFault fault) {
    switch (fault) {
        case TeeFault::None:
            break;
        case TeeFault::MainDiameter:
            reject(out, "主管外径和支管外径不得为零，请您正确输入！", kMainDiameter);
            break;
        case TeeFault::Angle:
            reject(out, "两管夹角不得为零，请您正确输入两管之间夹角！", kAngle);
            break;
        case TeeFault::Divisions:
            reject(out, "等份数必须是4的倍数（4～1000）！", kDivisions);
            break;
        case TeeFault::Wall:
            reject(out, "请您正确输入支管壁厚，支管与主管无法相交！", kWall);
            break;
        case TeeFault::OutOfRange:
            reject(out, "输入的数值过大，计算结果超出范围！", "");
            break;
    }
}

// The division list's number as a whole number; anything else reads as 0,
// which the geometry rejects.
int wholeNumber(const std::string& text) {
    const LeadingNumber v = readLeadingNumber(text);
    if (v.tooLarge || v.value != std::floor(v.value) || std::fabs(v.value) > 1e9) return 0;
    return static_cast<int>(v.value);
}

// The window's two checks. Each failure shows its message, focuses the box
// and resets the boxes to their presets; the texts as they stand afterwards
// come back, for the command to go on with.
FormState runChecks(const FormState& state, Outcome& out) {
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

// Every box once more, as the checks left them; false (after the message)
// when one holds a number too large to hold.
bool readInputs(const FormState& state, Outcome& out, TeeInputs& in) {
    for (const char* key : {kMainDiameter, kBranchDiameter, kAngle, kShortSide, kWall})
        if (readLeadingNumber(state.text(key)).tooLarge) return reject(out, "输入的数值过大！", key);
    in.D = val(state.text(kMainDiameter));
    in.d = val(state.text(kBranchDiameter)) - kBranchAllowance;
    in.alpha = val(state.text(kAngle));
    in.Ls = val(state.text(kShortSide));
    in.t = val(state.text(kWall));
    in.n = wholeNumber(state.text(kDivisions));
    in.digits = state.digits;
    return true;
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

// Clear, empty the title, check, read and compute: what both pattern
// commands begin with. False when the command has been stopped.
bool prepare(const FormState& state, Outcome& out, FormState& checked, TeeGeometry& g) {
    out.clear();
    out.effect(SetCaption{kTitle, ""});
    checked = runChecks(state, out);
    TeeInputs in;
    if (!readInputs(checked, out, in)) return false;
    g = computeTee(in);
    if (g.fault == TeeFault::None) return true;
    rejectFault(out, g.fault);
    return false;
}

}  // namespace

Outcome teeBranch(const FormState& state) {
    Outcome out;
    FormState checked;
    TeeGeometry g;
    if (!prepare(state, out, checked, g)) return out;

    const TeeListing listing = branchListing(g);
    clearListings(out);
    colour(out, kBlack);
    headings(out, listing);
    out.effect(SetCaption{kTitle, "支管展开放样图"});
    addLines(out, listing);
    drawBranch(g, branchLayout(state.outerWidth, state.outerHeight, g.in.n), out);
    return out;
}

Outcome teeOpening(const FormState& state) {
    Outcome out;
    FormState checked;
    TeeGeometry g;
    if (!prepare(state, out, checked, g)) return out;

    const TeeListing listing = openingListing(g);
    clearListings(out);
    headings(out, listing);
    out.effect(SetCaption{kTitle, "主管开孔展开图"});
    colour(out, kBlack);
    addLines(out, listing);
    // Without a branch diameter the lists stay and nothing is drawn.
    const std::string& typed = checked.text(kBranchDiameter);
    if (typed.empty()) return out;
    drawOpening(g, openingScale(val(typed)), out);
    return out;
}

Outcome teeDivisions(const FormState& state) {
    Outcome out;
    const std::string& typed = state.text(kBranchDiameter);
    if (readLeadingNumber(typed).tooLarge) {
        reject(out, "输入的数值过大！", kBranchDiameter);
        return out;
    }
    const TeeDivisions v =
        computeTeeDivisions(val(typed) - kBranchAllowance, wholeNumber(state.text(kDivisions)), state.digits);
    if (v.fault != TeeFault::None) {
        rejectFault(out, v.fault);
        return out;
    }
    const TeeListing listing = teeDivisionListing(v);
    clearListings(out);
    colour(out, kDivisionColour);
    headings(out, listing);
    addLines(out, listing);
    return out;
}

}  // namespace korvel
