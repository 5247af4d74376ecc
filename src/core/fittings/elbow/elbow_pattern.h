#pragma once
// The elbow's true-size flat pattern: the end section (two to cut) and the
// middle section (k - 2 to cut), developed on the pipe's outside
// circumference, from the same unrounded lengths the listings round.

#include "core/fittings/elbow/elbow_geometry.h"
#include "core/flat_pattern.h"

namespace korvel {

// Points per division along a cut curve: the stations and evenly spaced
// points between them.
inline constexpr int kElbowCurvePoints = 8;

// `g` must be a geometry without fault.
//
// End section: the base line (the square end) from (0, 0) to (C, 0); station j
// (j = 0 ... n, the listing's L<j>) at x = j * a with the cut at height
// E((j - n/4) * delta); the seam runs up the generatrix at a quarter point.
// Middle section: centred on its centre line y = 0, station j at x = j * a
// reaching E((j + n/4) * delta) above and below it, 2 E in all (the middle
// listing's L<j>).
FlatPattern elbowPattern(const ElbowGeometry& g);

}  // namespace korvel
