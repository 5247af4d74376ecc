#include "core/fittings/tee/ytee_commands.h"

#include <optional>
#include <string>

#include "core/checks.h"
#include "core/fittings/tee/tee_commands.h"
#include "core/fittings/tee/ytee_geometry.h"
#include "core/numbers.h"

namespace korvel {
namespace {

constexpr const char* kTitle = "Label1(8)";
constexpr const char* kDiameter = "Text1(0)";
constexpr const char* kLength = "Text1(1)";
constexpr const char* kAngle = "Text1(2)";
constexpr const char* kDivisions = "Combo1(0)";

Outcome pipeCommand(const FormState& state, YTeePipe pipe) {
    Outcome out;
    out.clear();
    out.effect(SetCaption{kTitle, ""});
    if (const auto refused = checkYTee(state)) return stop(out, *refused);
    const YTeeInputs in = readYTeeInputs(state);
    const YTeeGeometry g = computeYTee(in, pipe);
    if (const auto refused = faultRefusal(g.fault)) return stop(out, *refused);

    showTeeListing(out, yTeeListing(g), kTitle, yTeeTitle(pipe));
    drawYTee(g, yTeeLayout(state.outerWidth, state.outerHeight, in.n), out);
    return out;
}

}  // namespace

std::optional<Outcome> checkYTee(const FormState& state) { return teeTooLarge(state, {kDiameter, kLength, kAngle}); }

YTeeInputs readYTeeInputs(const FormState& state) {
    YTeeInputs in;
    in.D = val(state.text(kDiameter));
    in.L = val(state.text(kLength));
    in.beta = val(state.text(kAngle));
    in.n = wholeNumber(state.text(kDivisions));
    in.digits = state.digits;
    return in;
}

std::optional<Outcome> faultRefusal(YTeeFault fault) {
    switch (fault) {
        case YTeeFault::None:
            break;
        case YTeeFault::Angle:
            return teeRefusal("请您正确输入两管夹角，必须大于0°且不大于180°！", kAngle);
        case YTeeFault::Divisions:
            return teeRefusal("等份数必须是4的倍数（4～1000）！", kDivisions);
        case YTeeFault::OutOfRange:
            return teeRefusal(kOutOfRange, "");
    }
    return std::nullopt;
}

Outcome yTeeVertical(const FormState& state) { return pipeCommand(state, YTeePipe::Vertical); }

Outcome yTeeSlanted(const FormState& state) { return pipeCommand(state, YTeePipe::Slanted); }

Outcome yTeeDivisions(const FormState& state) { return teeDivisionsCommand(state, kDiameter, 0, yTeeDivisionListing); }

}  // namespace korvel
