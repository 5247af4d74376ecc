#include "core/fittings/frustum/frustum_reading.h"

#include <cstddef>

namespace korvel {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Advances over digits; true when there was at least one.
bool digits(std::string_view text, std::size_t& at) {
    const std::size_t from = at;
    while (at < text.size() && isDigit(text[at])) ++at;
    return at > from;
}

bool wholeTextIsNumber(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    const std::string_view t = text.substr(begin, end - begin);

    std::size_t at = 0;
    if (at < t.size() && (t[at] == '+' || t[at] == '-')) ++at;
    bool mantissa = digits(t, at);
    if (at < t.size() && t[at] == '.') {
        ++at;
        mantissa = digits(t, at) || mantissa;
    }
    if (!mantissa) return false;
    if (at < t.size() && (t[at] == 'E' || t[at] == 'e' || t[at] == 'D' || t[at] == 'd')) {
        ++at;
        if (at < t.size() && (t[at] == '+' || t[at] == '-')) ++at;
        if (!digits(t, at)) return false;
    }
    return at == t.size();
}

}  // namespace

StrictNumber readStrictNumber(std::string_view text) {
    StrictNumber result;
    result.number = wholeTextIsNumber(text);
    if (result.number) result.value = readLeadingNumber(text);
    return result;
}

}  // namespace korvel
