#include "core/fittings/tee/pipe_divisions.h"

#include <cmath>
#include <utility>

#include "core/numbers.h"

namespace korvel {

bool teeDivisionsUsable(int n) { return n > 0 && n % 4 == 0 && n <= kTeeMaxDivisions; }

TeeListing halvedListing(std::string leftHeading, std::string rightHeading, int n,
                         const std::function<std::string(int)>& line) {
    TeeListing listing{std::move(leftHeading), std::move(rightHeading), {}, {}};
    for (int i = 0; i <= n; ++i) {
        const std::string text = line(i);
        if (i <= n / 2) listing.left.push_back(text);
        if (i >= n / 2) listing.right.push_back(text);
    }
    return listing;
}

std::string teeListingLine(const char* name, int index, double value, int digits) {
    return name + numberText(index) + "=" + roundedText(value, digits);
}

TeeDivisions computeTeeDivisions(double diameter, int n, int digits) {
    TeeDivisions v;
    v.n = n;
    v.digits = digits;
    if (!teeDivisionsUsable(n)) {
        v.fault = DivisionsFault::Divisions;
        return v;
    }
    v.a = diameter * kTeePi / n;
    if (!std::isfinite(v.a) || !std::isfinite(n * v.a)) v.fault = DivisionsFault::OutOfRange;
    return v;
}

}  // namespace korvel
