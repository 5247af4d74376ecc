#pragma once
// The number conversions every calculator window shares: reading box texts the
// lenient way, rounding listed values half to even, and writing numbers as text.
// Pure C++: no Qt.

#include <string>
#include <string_view>

namespace korvel {

// The leading numeric part of a box text, read as a classic BASIC Val reads it:
// blanks, tabs and line breaks are skipped anywhere; an optional sign, digits,
// a decimal point and an exponent (E or D, optional sign) follow; "&H" and "&O"
// (or "&" alone) introduce hexadecimal and octal whole numbers. Reading stops at
// the first character that cannot continue the number; text without a number
// reads as 0. "12abc" -> 12, "1,5" -> 1, ".5" -> 0.5, "1 200" -> 1200.
// Only ASCII digits count: "Infinity", "nan" and full-width digits read as 0.
struct LeadingNumber {
    double value = 0.0;
    // The number does not fit a double ("1e999"); value is then 0 and the
    // command that reads it must reject it with a message.
    bool tooLarge = false;
    // There was a number to read: a digit after the blanks and a sign (or a
    // point), or after "&H", "&O" or "&". "abc", "", "-", ".", "&H" and "&9"
    // have none and read as 0; "0", "1e" and "1e999" have one.
    bool found = false;
    // The text is one decimal number and nothing else, read the strict way:
    // blanks or tabs around it, then an optional sign, digits with an
    // optional decimal point (".5" and "5." too) and an optional exponent
    // (E or D, optional sign, digits). "12abc", "1 200", "1e", "&H10", ""
    // and "abc" are not.
    bool whole = false;
};
LeadingNumber readLeadingNumber(std::string_view text);

// The value of readLeadingNumber, 0 for a number too large to hold.
double val(std::string_view text);

// x rounded to `digits` decimals, halves going to the even neighbour
// (2.5 -> 2, 3.5 -> 4, -3.5 -> -4). The value is taken as it reads in 15
// significant digits, so a typed 2.675 is a tie (-> 2.68) even though its
// binary neighbour lies a hair below. NaN and infinities come back unchanged.
double roundHalfEven(double x, int digits);
// The same rounding worked through the 15-digit text every time; roundHalfEven
// takes a shorter way when the value lies clear of a tie. Kept to check it by.
double roundHalfEvenThroughText(double x, int digits);

// Shortest general form with up to 15 significant digits: no thousands
// separator, no trailing zeros, no leading blank, a minus sign only for
// negative values and never "-0" (1120, 3.5, 0.125). Magnitudes from 1e15 up
// and below 1e-4 are written with an exponent ("1E+15", "1E-05").
// Infinities and NaN, which no checked calculation passes in, come out as
// "溢出" (overflow) so that a slip shows on screen instead of failing.
std::string numberText(double x);

// `x` with `decimals` digits after a point, whatever the locale ("1234.5"),
// as the CSV files write their numbers.
std::string fixedText(double x, int decimals);

// A number printed on its own on a drawing surface: the text above with one
// blank in front of it, which a minus sign takes, and one blank behind it
// (" 5 ", "-5 ").
std::string printedNumber(double x);

// roundHalfEven followed by numberText: every listed value goes through this.
std::string roundedText(double x, int digits);

}  // namespace korvel
