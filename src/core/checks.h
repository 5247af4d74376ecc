#pragma once
// What every calculator window's commands check alike, and the one way a
// command refuses: a message box, a box emptied, a box focused, and the
// command stopped. The exports refuse in the same words through the same
// functions. Pure C++: no Qt.

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/outcome.h"
#include "core/window_design.h"

namespace korvel {

// The title of every error box.
inline constexpr const char* kErrorTitle = "错误：";
// A box whose number does not fit a double ("1e999").
inline constexpr const char* kTooLarge = "输入的数值过大！";
// A result of the inputs that does not fit a double.
inline constexpr const char* kOutOfRange = "输入的数值过大，计算结果超出范围！";

// A refusal: an error box titled "错误：" showing `message`, then the box
// `emptied` emptied and the box `focus` focused (either "" for none), with
// the outcome stopped.
Outcome refusal(const std::string& message, const std::string& emptied, const std::string& focus);
// The same with a plain message box (no icon, the program's title), which
// empties nothing.
Outcome plainRefusal(const std::string& message, const std::string& focus);

// A command stopped by `refusal`: its effects follow what `out` did so far.
Outcome& stop(Outcome& out, const Outcome& refusal);

// An export refused as the window refuses its command: the refusal's
// messages, box texts and focus (rejectionOf).
PatternExport refusedExport(const Outcome& refusal);

// The text holds a number too large to hold (LeadingNumber::tooLarge).
bool tooLarge(std::string_view text);

// A list's number as a whole number; a fraction, a number beyond a billion
// either way or one too large to hold reads as 0, which every geometry
// refuses as a count.
int wholeNumber(std::string_view text);

// No value is infinite or NaN: a result the inputs give can be listed and drawn.
bool allFinite(std::initializer_list<double> values);
bool allFinite(std::span<const double> values);

}  // namespace korvel
