#pragma once
// Reading a box text as a whole number, the strict way: the text must be a
// decimal number and nothing else. The cone window decides cone or frustum and
// compares the two diameters this way, and the rectangular frustum's scale test
// reads the big-end side this way; everything else reads leniently (val).

#include <string_view>

#include "core/numbers.h"

namespace korvel {

struct StrictNumber {
    // The whole text is a number: blanks or tabs around it are allowed, then an
    // optional sign, digits with an optional decimal point (".5" and "5." too)
    // and an optional exponent (E or D, optional sign, digits). "12abc",
    // "1 200", "&H10", "" and "abc" are not.
    bool number = false;
    // Its value as the lenient reading gives it; tooLarge for "1e999".
    LeadingNumber value;
};

StrictNumber readStrictNumber(std::string_view text);

}  // namespace korvel
