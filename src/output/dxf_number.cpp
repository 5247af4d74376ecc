#include "output/dxf_number.h"

#include <charconv>
#include <cstdlib>
#include <string_view>

namespace korvel::cad {
namespace {

// Plain digits for decimal exponents from kLeastPlain up to kMostPlain: no
// longer than with an exponent, and what every reader of a cutting file takes.
constexpr int kLeastPlain = -5;
constexpr int kMostPlain = 15;

}  // namespace

std::string dxfNumber(double value) {
    if (value == 0) return "0.0";
    // The shortest round-trip digits, as d.ddde±x.
    char buffer[40];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    if (error != std::errc{}) return "0.0";  // not reached: 40 characters hold any double
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t e = text.find('e');
    const bool negative = text.front() == '-';
    std::string digits;
    for (char c : text.substr(0, e))
        if (c >= '0' && c <= '9') digits += c;
    const int exponent = std::atoi(std::string(text.substr(e + 1)).c_str());

    std::string out = negative ? "-" : "";
    if (exponent >= kLeastPlain && exponent <= kMostPlain) {
        if (exponent < 0) {
            out += "0.";
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out += digits;
        } else {
            const auto whole = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= whole) {
                out += digits;
                out.append(whole - digits.size(), '0');
                out += ".0";
            } else {
                out += digits.substr(0, whole);
                out += '.';
                out += digits.substr(whole);
            }
        }
        return out;
    }
    out += digits.front();
    out += '.';
    out += digits.size() > 1 ? digits.substr(1) : "0";
    out += exponent < 0 ? "E-" : "E+";
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10) out += '0';
    out += std::to_string(magnitude);
    return out;
}

}  // namespace korvel::cad
