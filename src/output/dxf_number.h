#pragma once
// Real numbers as a DXF file holds them: the shortest text that reads back
// as the very same double, so that the file is exact and no longer than it
// needs to be.

#include <string>

namespace korvel::cad {

// The shortest decimal text `value` reads back from exactly (strtod): plain
// digits with a point for magnitudes from 1e-5 up to 1e16 ("1500.0", "0.1",
// "-7222.667544041136"), a whole number keeping its ".0"; beyond those, the
// digits with an exponent as CAD programs write it ("6.123233995736766E-17",
// "1.0E+20"). Zero of either sign is "0.0". `value` must be finite.
std::string dxfNumber(double value);

}  // namespace korvel::cad
