#include "core/fittings/tee/ytee_commands.h"

#include <cmath>
#include <string>

#include "core/fittings/tee/ytee_geometry.h"
#include "core/numbers.h"

namespace korvel {
namespace {

constexpr const char* kLeftBox = "Combo1(1)";
constexpr const char* kRightBox = "Combo1(2)";
constexpr const char* kTitle = "Label1(8)";
constexpr const char* kDiameter = "Text1(0)";
constexpr const char* kLength = "Text1(1)";
constexpr const char* kAngle = "Text1(2)";
constexpr const char* kDivisions = "Combo1(0)";
constexpr Rgb kDivisionColour = rgb(0, 0, 192);

void clearListings(Outcome& out) {
    out.effect(ClearListing{kLeftBox});
    out.effect(ClearListing{kRightBox});
}

// Stops the command with the listing boxes emptied. Always false.
bool reject(Outcome& out, const std::string& text, const std::string& focus) {
    clearListings(out);
    out.effect(ShowMessage{text, MessageIcon::None, ""});
    if (!focus.empty()) out.effect(FocusBox{focus});
    out.stopped = true;
    return false;
}

void rejectFault(Outcome& out, YTeeFault fault) {
    switch (fault) {
        case YTeeFault::None:
            break;
        case YTeeFault::Angle:
            reject(out, "请您正确输入两管夹角，必须大于0°且不大于180°！", kAngle);
            break;
        case YTeeFault::Divisions:
            reject(out, "等份数必须是4的倍数（4～1000）！", kDivisions);
            break;
        case YTeeFault::OutOfRange:
            reject(out, "输入的数值过大，计算结果超出范围！", "");
            break;
    }
}

bool tooLarge(const FormState& state, const char* key) { return readLeadingNumber(state.text(key)).tooLarge; }

// The division list's number as a whole number; anything else reads as 0,
// which the geometry rejects.
int wholeNumber(const std::string& text) {
    const LeadingNumber v = readLeadingNumber(text);
    if (v.tooLarge || v.value != std::floor(v.value) || std::fabs(v.value) > 1e9) return 0;
    return static_cast<int>(v.value);
}

void showListing(Outcome& out, const YTeeListing& listing, Rgb colour) {
    clearListings(out);
    out.effect(SetListingColour{kLeftBox, colour});
    out.effect(SetListingColour{kRightBox, colour});
    out.effect(SetListingHeading{kLeftBox, listing.leftHeading});
    out.effect(SetListingHeading{kRightBox, listing.rightHeading});
}

void addLines(Outcome& out, const YTeeListing& listing) {
    for (const auto& line : listing.left) out.effect(AddListingLine{kLeftBox, line});
    for (const auto& line : listing.right) out.effect(AddListingLine{kRightBox, line});
}

Outcome pipeCommand(const FormState& state, YTeePipe pipe) {
    Outcome out;
    out.clear();
    out.effect(SetCaption{kTitle, ""});
    for (const char* key : {kDiameter, kLength, kAngle})
        if (tooLarge(state, key)) {
            reject(out, "输入的数值过大！", key);
            return out;
        }
    YTeeInputs in;
    in.D = val(state.text(kDiameter));
    in.L = val(state.text(kLength));
    in.beta = val(state.text(kAngle));
    in.n = wholeNumber(state.text(kDivisions));
    in.digits = state.digits;
    const YTeeGeometry g = computeYTee(in, pipe);
    if (g.fault != YTeeFault::None) {
        rejectFault(out, g.fault);
        return out;
    }

    const YTeeListing listing = yTeeListing(g);
    showListing(out, listing, kBlack);
    out.effect(SetCaption{kTitle, yTeeTitle(pipe)});
    addLines(out, listing);
    drawYTee(g, yTeeLayout(state.outerWidth, state.outerHeight, in.n), out);
    return out;
}

}  // namespace

Outcome yTeeVertical(const FormState& state) { return pipeCommand(state, YTeePipe::Vertical); }

Outcome yTeeSlanted(const FormState& state) { return pipeCommand(state, YTeePipe::Slanted); }

Outcome yTeeDivisions(const FormState& state) {
    Outcome out;
    if (tooLarge(state, kDiameter)) {
        reject(out, "输入的数值过大！", kDiameter);
        return out;
    }
    const YTeeDivisions v =
        computeYTeeDivisions(val(state.text(kDiameter)), wholeNumber(state.text(kDivisions)), state.digits);
    if (v.fault != YTeeFault::None) {
        rejectFault(out, v.fault);
        return out;
    }
    const YTeeListing listing = yTeeDivisionListing(v);
    showListing(out, listing, kDivisionColour);
    addLines(out, listing);
    return out;
}

}  // namespace korvel
