// The text-to-number conversion and the number texts under fuzzed input.
//
// The input is a box text. It is read with readLeadingNumber and val and,
// unless it is a "&H"/"&O" whole number, compared with the C library's strtod
// of the same number written plainly (blanks taken out, D for E), which reads
// the documented grammar independently. The value read, and the input's first
// eight bytes taken as a double, then go through numberText, printedNumber,
// roundHalfEven (the very double its 15-digit text way gives) and
// roundedText at a number of decimals picked by the first
// byte (-1 to 16, beyond 0..15 on purpose), which must give well-formed texts
// that read back to the value, and rounding that stays within half a unit of
// the last kept decimal. Both values also go through the DXF writer's number
// formatting, whose text must read back (strtod) as the very same double.
// Any broken rule prints the case and aborts.

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "core/numbers.h"
#include "output/dxf_number.h"

namespace {

using korvel::LeadingNumber;

std::string shortest(double x) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", x);
    return buffer;
}

std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u < 0x7F && c != '\\') {
            out += c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", u);
            out += hex;
        }
    }
    return out;
}

[[noreturn]] void fail(std::string_view input, const std::string& what) {
    std::fprintf(stderr, "\ninput \"%s\": %s\n", escaped(input).c_str(), what.c_str());
    std::fflush(stderr);
    std::abort();
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The number at the front of `text` written plainly for strtod: blanks
// dropped, an optional sign, digits with an optional fraction, and an
// exponent only when digits follow its mark. Empty when there is no digit.
std::string plainNumber(std::string_view text) {
    std::string s;
    for (char c : text)
        if (!isBlank(c)) s += c;
    std::size_t i = 0;
    std::string out;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) out += s[i++];
    bool digits = false;
    while (i < s.size() && isDigit(s[i])) {
        out += s[i++];
        digits = true;
    }
    if (i < s.size() && s[i] == '.') {
        out += s[i++];
        while (i < s.size() && isDigit(s[i])) {
            out += s[i++];
            digits = true;
        }
    }
    if (!digits) return {};
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t k = i + 1;
        std::string exponent = "e";
        if (k < s.size() && (s[k] == '+' || s[k] == '-')) exponent += s[k++];
        const std::size_t from = k;
        while (k < s.size() && isDigit(s[k])) exponent += s[k++];
        if (k > from) out += exponent;
    }
    return out;
}

void checkReading(std::string_view input) {
    const LeadingNumber n = korvel::readLeadingNumber(input);
    const double v = korvel::val(input);
    if (!std::isfinite(n.value)) fail(input, "readLeadingNumber gives " + shortest(n.value));
    if (n.tooLarge && n.value != 0) fail(input, "too large but value " + shortest(n.value));
    if (n.value == 0 && std::signbit(n.value)) fail(input, "reads as -0");
    if (v != (n.tooLarge ? 0.0 : n.value) || (v == 0 && std::signbit(v)))
        fail(input, "val " + shortest(v) + " differs from readLeadingNumber " + shortest(n.value));

    std::size_t first = 0;
    while (first < input.size() && isBlank(input[first])) ++first;
    if (first < input.size() && input[first] == '&') {
        // A 16- or 32-bit whole number, or too large.
        if (n.value != std::floor(n.value) || n.value < -2147483648.0 || n.value > 2147483647.0)
            fail(input, "radix number " + shortest(n.value) + " is no 32-bit whole number");
        return;
    }

    const std::string plain = plainNumber(input);
    if (plain.empty()) {
        if (n.value != 0 || n.tooLarge || n.found) fail(input, "no digits but " + shortest(n.value));
        return;
    }
    if (!n.found) fail(input, "digits \"" + plain + "\" but no number found");
    errno = 0;
    const double reference = std::strtod(plain.c_str(), nullptr);
    const bool range = errno == ERANGE;
    if (range && std::isinf(reference)) {
        if (!n.tooLarge) fail(input, "strtod overflows on \"" + plain + "\" but read as " + shortest(n.value));
        return;
    }
    if (n.tooLarge) fail(input, "too large, strtod reads \"" + plain + "\" as " + shortest(reference));
    if (std::fabs(reference) < DBL_MIN) {
        // Below the normal range the reading may go to 0 instead of a subnormal.
        if (n.value != 0 && n.value != reference)
            fail(input, "reads " + shortest(n.value) + ", strtod " + shortest(reference));
        return;
    }
    if (n.value != reference) fail(input, "reads " + shortest(n.value) + ", strtod " + shortest(reference));
}

// numberText's form: an optional minus, digits without needless zeros, an
// optional fraction without trailing zeros, an optional "E+dd"/"E-ddd".
bool wellFormed(const std::string& t) {
    std::size_t i = 0;
    if (i < t.size() && t[i] == '-') ++i;
    const std::size_t whole = i;
    while (i < t.size() && isDigit(t[i])) ++i;
    if (i == whole) return false;
    if (i - whole > 1 && t[whole] == '0') return false;
    if (i < t.size() && t[i] == '.') {
        const std::size_t fraction = ++i;
        while (i < t.size() && isDigit(t[i])) ++i;
        if (i == fraction || t[i - 1] == '0') return false;
    }
    if (i < t.size() && t[i] == 'E') {
        ++i;
        if (i == t.size() || (t[i] != '+' && t[i] != '-')) return false;
        const std::size_t digits = ++i;
        while (i < t.size() && isDigit(t[i])) ++i;
        if (i - digits < 2 || i - digits > 3) return false;
    }
    return i == t.size();
}

void checkText(std::string_view input, double x, int digits) {
    const std::string t = korvel::numberText(x);
    const std::string p = korvel::printedNumber(x);
    const double r = korvel::roundHalfEven(x, digits);
    if (!std::isfinite(x)) {
        if (t != "溢出") fail(input, "numberText(" + shortest(x) + ") = \"" + t + "\"");
        if (!(r == x || (std::isnan(r) && std::isnan(x)))) fail(input, "roundHalfEven changed " + shortest(x));
        return;
    }
    const std::string where = "numberText(" + shortest(x) + ") = \"" + t + "\"";
    if (!wellFormed(t) || t == "-0") fail(input, where + ": not well formed");
    if (p != (t.front() == '-' ? t + " " : " " + t + " ")) fail(input, where + ", printed \"" + p + "\"");

    // The text reads back to the value in 15 significant digits (give or take
    // the binary neighbours of the decimal), and gives the same text again; only a value rounding above the largest
    // double reads as too large.
    const LeadingNumber back = korvel::readLeadingNumber(t);
    if (back.tooLarge) {
        if (std::fabs(x) < 1.797693134862315e308) fail(input, where + ": reads back as too large");
    } else {
        if (std::fabs(back.value - x) > (5e-15 + 4 * DBL_EPSILON) * std::fabs(x) + 5e-324)
            fail(input, where + ": reads back as " + shortest(back.value));
        if (korvel::numberText(back.value) != t)
            fail(input, where + ": read back and written again gives \"" + korvel::numberText(back.value) + "\"");
    }

    // Rounding half to even at `digits` decimals (0..15 once clamped).
    const int kept = digits < 0 ? 0 : digits > 15 ? 15 : digits;
    const std::string rounding = "roundHalfEven(" + shortest(x) + ", " + std::to_string(digits) + ") = " + shortest(r);
    if (!std::isfinite(r)) fail(input, rounding + ": not finite");
    if (r == 0 && std::signbit(r)) fail(input, rounding + ": -0");
    if (std::fabs(r - x) > 0.5 * std::pow(10.0, -kept) * (1 + 1e-9) + 1e-14 * std::fabs(x))
        fail(input, rounding + ": more than half a unit away");
    if (korvel::roundHalfEven(r, digits) != r)
        fail(input, rounding + ": rounds again to " + shortest(korvel::roundHalfEven(r, digits)));
    if (const double textWay = korvel::roundHalfEvenThroughText(x, digits); textWay != r)
        fail(input, rounding + ", the 15-digit text way " + shortest(textWay));
    if (korvel::roundHalfEven(-x, digits) != -r)
        fail(input, rounding + ", but of the negated value " + shortest(korvel::roundHalfEven(-x, digits)));
    if (korvel::roundedText(x, digits) != korvel::numberText(r))
        fail(input, rounding + ", roundedText \"" + korvel::roundedText(x, digits) + "\"");
}

// dxfNumber: digits, one point, an optional "E±dd(d)", and the same double back.
void checkDxfNumber(std::string_view input, double x) {
    if (!std::isfinite(x)) return;
    const std::string t = korvel::cad::dxfNumber(x);
    const std::string where = "dxfNumber(" + shortest(x) + ") = \"" + t + "\"";
    if (t.size() > 26 || t.find('.') == std::string::npos || t.find_first_not_of("0123456789.-+E") != std::string::npos)
        fail(input, where + ": not well formed");
    char* end = nullptr;
    const double back = std::strtod(t.c_str(), &end);
    if (*end != '\0' || back != x) fail(input, where + ": reads back as " + shortest(back));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    checkReading(input);

    const int digits = size == 0 ? 3 : data[0] % 18 - 1;
    checkText(input, korvel::readLeadingNumber(input).value, digits);
    checkDxfNumber(input, korvel::readLeadingNumber(input).value);
    std::uint64_t bits = 0;
    std::memcpy(&bits, data, size < sizeof bits ? size : sizeof bits);
    double raw = 0;
    std::memcpy(&raw, &bits, sizeof raw);
    checkText(input, raw, digits);
    checkDxfNumber(input, raw);
    return 0;
}
