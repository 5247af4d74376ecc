#include "core/checks.h"

#include <cmath>

#include "core/numbers.h"

namespace korvel {

Outcome refusal(const std::string& message, const std::string& emptied, const std::string& focus) {
    Outcome out;
    out.effect(ShowMessage{message, MessageIcon::Error, kErrorTitle});
    if (!emptied.empty()) out.effect(SetBoxText{emptied, ""});
    if (!focus.empty()) out.effect(FocusBox{focus});
    out.stopped = true;
    return out;
}

Outcome plainRefusal(const std::string& message, const std::string& focus) {
    Outcome out;
    out.effect(ShowMessage{message, MessageIcon::None, ""});
    if (!focus.empty()) out.effect(FocusBox{focus});
    out.stopped = true;
    return out;
}

Outcome& stop(Outcome& out, const Outcome& refusal) {
    for (const Effect& e : refusal.effects) out.effect(e);
    out.stopped = true;
    return out;
}

PatternExport refusedExport(const Outcome& refusal) {
    PatternExport e;
    e.rejection = rejectionOf(refusal);
    return e;
}

bool tooLarge(std::string_view text) { return readLeadingNumber(text).tooLarge; }

int wholeNumber(std::string_view text) {
    const LeadingNumber v = readLeadingNumber(text);
    if (v.tooLarge || v.value != std::floor(v.value) || std::fabs(v.value) > 1e9) return 0;
    return static_cast<int>(v.value);
}

bool allFinite(std::initializer_list<double> values) {
    return allFinite(std::span<const double>(values.begin(), values.size()));
}

bool allFinite(std::span<const double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace korvel
