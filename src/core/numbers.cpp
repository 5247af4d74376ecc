#include "core/numbers.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace korvel {
namespace {

// Number characters are ASCII only; every other byte (including the parts of
// a UTF-8 sequence) ends the number.
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isOctalDigit(char c) { return c >= '0' && c <= '7'; }

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Walks the text and hands out the characters that are not blanks.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) { skipBlanks(); }

    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }
    void advance() {
        if (!atEnd()) ++pos_;
        skipBlanks();
    }

private:
    void skipBlanks() {
        while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

// "&H..", "&O.." and "&.." whole numbers; the cursor stands behind the '&'.
// Up to 0xFFFF they are 16-bit signed values, up to 0xFFFFFFFF 32-bit ones.
LeadingNumber readRadixNumber(Cursor& cur) {
    int radix = 8;
    const char marker = cur.peek();
    if (marker == 'H' || marker == 'h') {
        radix = 16;
        cur.advance();
    } else if (marker == 'O' || marker == 'o') {
        cur.advance();
    }

    constexpr std::uint64_t kLimit = 0xFFFFFFFFull;
    std::uint64_t magnitude = 0;
    bool overflow = false;
    LeadingNumber result;
    for (;;) {
        const char c = cur.peek();
        int digit = -1;
        if (radix == 16) {
            digit = hexDigitValue(c);
        } else if (isOctalDigit(c)) {
            digit = c - '0';
        }
        if (digit < 0) break;
        result.found = true;
        if (!overflow) {
            magnitude = magnitude * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(digit);
            if (magnitude > kLimit) overflow = true;
        }
        cur.advance();
    }

    if (overflow) {
        result.tooLarge = true;
        return result;
    }
    if (magnitude <= 0xFFFFu) {
        const auto v = static_cast<std::int64_t>(magnitude);
        result.value = static_cast<double>(v >= 0x8000 ? v - 0x10000 : v);
    } else {
        const auto v = static_cast<std::int64_t>(magnitude);
        result.value = static_cast<double>(v >= 0x80000000LL ? v - 0x100000000LL : v);
    }
    return result;
}

// Exponents beyond this make every mantissa overflow or vanish; clamping keeps
// the cleaned copy short for absurd exponent digit strings.
constexpr long kExponentClamp = 100000;

// The 15 significant digits of a finite, nonzero value and the decimal
// exponent of its first digit, read from the scientific form.
struct Digits15 {
    bool negative = false;
    std::string digits;  // exactly 15 characters '0'..'9'
    int exponent = 0;    // value = d.dddddddddddddd * 10^exponent
};

Digits15 digits15(double x) {
    char buffer[64];
    const auto res = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14);
    const std::string_view text(buffer, static_cast<std::size_t>(res.ptr - buffer));

    Digits15 out;
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        out.negative = true;
        ++i;
    }
    for (; i < text.size() && text[i] != 'e'; ++i) {
        if (isDigit(text[i])) out.digits.push_back(text[i]);
    }
    if (i < text.size()) ++i;  // 'e'
    int sign = 1;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-') sign = -1;
        ++i;
    }
    int e = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) e = e * 10 + (text[i] - '0');
    out.exponent = sign * e;
    out.digits.resize(15, '0');
    return out;
}

// Reads "[-]digits e exponent" back; the text is always well formed. Fifteen
// digits of a value next to the largest double can lie above it
// (1.7976931348623157e308 reads as 1.79769313486232e308): the largest double
// is then the nearest value there is, with the text's sign.
double parseDouble(const std::string& text) {
    double value = 0.0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), value);
    if (res.ec == std::errc::result_out_of_range && text.find("e-") == std::string::npos) {
        const double largest = std::numeric_limits<double>::max();
        return text.front() == '-' ? -largest : largest;
    }
    return value;
}

// Advances over digits; true when there was at least one.
bool skipDigits(std::string_view text, std::size_t& at) {
    const std::size_t from = at;
    while (at < text.size() && isDigit(text[at])) ++at;
    return at > from;
}

// The strict reading's grammar (LeadingNumber::whole): unlike the lenient
// one it allows blanks and tabs only around the number, not inside it, and
// an exponent mark must be followed by digits.
bool isWholeDecimal(std::string_view text) {
    const auto isSpaceOrTab = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t begin = 0, end = text.size();
    while (begin < end && isSpaceOrTab(text[begin])) ++begin;
    while (end > begin && isSpaceOrTab(text[end - 1])) --end;
    const std::string_view t = text.substr(begin, end - begin);

    std::size_t at = 0;
    if (at < t.size() && (t[at] == '+' || t[at] == '-')) ++at;
    bool mantissa = skipDigits(t, at);
    if (at < t.size() && t[at] == '.') {
        ++at;
        mantissa = skipDigits(t, at) || mantissa;
    }
    if (!mantissa) return false;
    if (at < t.size() && (t[at] == 'E' || t[at] == 'e' || t[at] == 'D' || t[at] == 'd')) {
        ++at;
        if (at < t.size() && (t[at] == '+' || t[at] == '-')) ++at;
        if (!skipDigits(t, at)) return false;
    }
    return at == t.size();
}

LeadingNumber readLenient(std::string_view text) {
    Cursor cur(text);
    if (cur.peek() == '&') {
        cur.advance();
        return readRadixNumber(cur);
    }

    bool negative = false;
    if (cur.peek() == '+' || cur.peek() == '-') {
        negative = cur.peek() == '-';
        cur.advance();
    }

    // Mantissa digits without the point; pointShift counts the digits behind it.
    std::string mantissa;
    long pointShift = 0;
    while (isDigit(cur.peek())) {
        mantissa.push_back(cur.peek());
        cur.advance();
    }
    if (cur.peek() == '.') {
        cur.advance();
        while (isDigit(cur.peek())) {
            mantissa.push_back(cur.peek());
            ++pointShift;
            cur.advance();
        }
    }
    if (mantissa.empty()) return {};
    LeadingNumber result;
    result.found = true;

    long exponent = 0;
    const char e = cur.peek();
    if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
        cur.advance();
        bool expNegative = false;
        if (cur.peek() == '+' || cur.peek() == '-') {
            expNegative = cur.peek() == '-';
            cur.advance();
        }
        // An exponent mark without digits adds nothing ("1e" and "1e+" read as 1).
        while (isDigit(cur.peek())) {
            if (exponent < kExponentClamp) exponent = exponent * 10 + (cur.peek() - '0');
            cur.advance();
        }
        if (expNegative) exponent = -exponent;
    }

    // Leading zeros carry no value; without a significant digit the number is 0.
    const std::size_t first = mantissa.find_first_not_of('0');
    if (first == std::string::npos) return result;
    mantissa.erase(0, first);

    // Decimal exponent of the first significant digit decides over- and underflow
    // before the conversion sees absurd exponents.
    const long scale = exponent - pointShift;
    const long leadExponent = scale + static_cast<long>(mantissa.size()) - 1;
    if (leadExponent > 400) {
        result.tooLarge = true;
        return result;
    }
    if (leadExponent < -400) return result;

    std::string clean;
    clean.reserve(mantissa.size() + 16);
    if (negative) clean.push_back('-');
    clean += mantissa;
    clean.push_back('e');
    clean += std::to_string(scale);

    double value = 0.0;
    const auto res = std::from_chars(clean.data(), clean.data() + clean.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        if (leadExponent > 0) result.tooLarge = true;
        return result;  // an underflow simply reads as 0
    }
    if (res.ec != std::errc{} || std::isinf(value)) {
        result.tooLarge = true;
        return result;
    }
    result.value = value + 0.0;  // "-0" reads as plain 0
    return result;
}

}  // namespace

LeadingNumber readLeadingNumber(std::string_view text) {
    LeadingNumber n = readLenient(text);
    n.whole = n.found && isWholeDecimal(text);
    return n;
}

double val(std::string_view text) {
    const LeadingNumber n = readLeadingNumber(text);
    return n.tooLarge ? 0.0 : n.value;
}

double roundHalfEven(double x, int digits) {
    if (!std::isfinite(x)) return x;
    if (x == 0.0) return 0.0;
    if (digits < 0) digits = 0;
    if (digits > 15) digits = 15;

    // The short way. y = |x| * 10^digits below 9e13 keeps fewer than fifteen
    // digits. Reading x in 15 digits moves it by at most 5e-15 of itself and
    // the product adds at most 2^-53: when y lies farther than 1e-14 of itself
    // from a half, its nearest whole number k is the rounded 15-digit value's,
    // and k / 10^digits (both exact, one division) is the double nearest to
    // the decimal the text way reads back.
    static constexpr double kPow10[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const double scale = kPow10[digits];
    const double y = std::fabs(x) * scale;
    if (y < 9e13) {
        const double whole = std::floor(y);
        const double fraction = y - whole;
        if (std::fabs(fraction - 0.5) > y * 1e-14) {
            const double k = fraction > 0.5 ? whole + 1 : whole;
            if (k == 0) return 0.0;
            return std::signbit(x) ? -(k / scale) : k / scale;
        }
    }
    return roundHalfEvenThroughText(x, digits);
}

double roundHalfEvenThroughText(double x, int digits) {
    if (!std::isfinite(x)) return x;
    if (x == 0.0) return 0.0;
    if (digits < 0) digits = 0;
    if (digits > 15) digits = 15;

    const Digits15 d = digits15(x);
    // Digits kept: those in front of the point plus the wanted decimals.
    const int keep = d.exponent + 1 + digits;
    const std::string sign = d.negative ? "-" : "";
    if (keep >= 15) {
        return parseDouble(sign + d.digits + "e" + std::to_string(d.exponent - 14)) + 0.0;
    }
    if (keep < 0) return 0.0;

    std::string kept = d.digits.substr(0, static_cast<std::size_t>(keep));
    const std::string rest = d.digits.substr(static_cast<std::size_t>(keep));
    const std::string half = "5" + std::string(rest.size() - 1, '0');
    bool up = false;
    const int cmp = rest.compare(half);
    if (cmp > 0) {
        up = true;
    } else if (cmp == 0) {
        const int last = kept.empty() ? 0 : kept.back() - '0';
        up = (last % 2) != 0;
    }
    if (up) {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') {
            kept[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++kept[static_cast<std::size_t>(i)];
        } else {
            kept.insert(kept.begin(), '1');
        }
    }
    if (kept.empty() || kept.find_first_not_of('0') == std::string::npos) return 0.0;
    const int scale = d.exponent + 1 - keep;
    return parseDouble(sign + kept + "e" + std::to_string(scale)) + 0.0;
}

std::string fixedText(double x, int decimals) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, decimals).ptr;
    return std::string(buffer, end);
}

std::string numberText(double x) {
    // Infinities and NaN never reach here from a calculation that checked its
    // inputs; should one slip through it shows as "overflow" rather than garbage.
    if (!std::isfinite(x)) return "溢出";
    if (x == 0.0) return "0";
    // A whole number below 1e15 has at most fifteen digits: they are its text.
    if (std::fabs(x) < 1e15 && x == std::trunc(x)) return std::to_string(static_cast<long long>(x));

    const Digits15 d = digits15(x);
    std::string digits = d.digits;
    const std::size_t last = digits.find_last_not_of('0');
    digits.erase(last + 1);  // a nonzero value has a nonzero digit

    std::string out = d.negative ? "-" : "";
    if (d.exponent >= -4 && d.exponent <= 14) {
        if (d.exponent >= 0) {
            const auto intDigits = static_cast<std::size_t>(d.exponent) + 1;
            if (digits.size() <= intDigits) {
                out += digits + std::string(intDigits - digits.size(), '0');
            } else {
                out += digits.substr(0, intDigits) + "." + digits.substr(intDigits);
            }
        } else {
            out += "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + digits;
        }
        return out;
    }

    out += digits.substr(0, 1);
    if (digits.size() > 1) out += "." + digits.substr(1);
    out += d.exponent < 0 ? "E-" : "E+";
    const int magnitude = d.exponent < 0 ? -d.exponent : d.exponent;
    if (magnitude < 10) out += "0";
    out += std::to_string(magnitude);
    return out;
}

std::string printedNumber(double x) {
    const std::string text = numberText(x);
    if (!text.empty() && text.front() == '-') return text + " ";
    return " " + text + " ";
}

std::string roundedText(double x, int digits) {
    const double r = roundHalfEven(x, digits);
    // Rounded to `digits` decimals in at most fifteen digits, r is the whole
    // number k = r * 10^digits over 10^digits: its text comes straight from k
    // (r * 10^digits is within a fifth of k below 1e15) without a second
    // fifteen-digit conversion. Below 1e-4 the text has an exponent.
    static constexpr double kScale[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (digits > 0 && digits <= 15 && std::isfinite(r) && std::fabs(r) >= 1e-4 &&
        std::fabs(r) * kScale[digits] < 1e15) {
        const long long k = std::llround(std::fabs(r) * kScale[digits]);
        std::string text = std::to_string(k);
        const auto decimals = static_cast<std::size_t>(digits);
        if (text.size() <= decimals) text.insert(0, decimals + 1 - text.size(), '0');
        text.insert(text.size() - decimals, 1, '.');
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
        return r < 0 ? "-" + text : text;
    }
    return numberText(r);
}

}  // namespace korvel
