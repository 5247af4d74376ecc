#pragma once
// The true-size flat pattern of the rectangular frustum: its four trapezoidal
// faces as one development, joined along their corner joints, with the seam
// at the south-west joint f1. Side lengths are the inner ones as entered; no
// plate thickness enters.
//
// Each face is laid out as a plater does from the listed true values: its big
// end side on a base line, the small end side parallel to it at the face's
// true height, moved along the base by the face's run from the left end. Seen
// from outside with the big end down, the faces follow one another left to
// right:
//   south  A and a, height h1, the small side dW from the south-west corner;
//   east   B and b, height h4, dS from the south-east corner;
//   north  A and a, height h2, dE from the north-east corner;
//   west   B and b, height h3, dN from the north-west corner;
// (dW = (A - a)/2 + e, dE = (A - a)/2 - e, and dS, dN the south and north runs
// with the offset's sign for the variant). Every face after the first is
// turned onto the previous face's right-hand slanted side, which it shares as
// its left-hand one: the corner joints f2 (south-east), f4 (north-east) and f3
// (north-west). Both ends of the development are the seam f1.
//
// Placement: the south-west corner of the big end at the start of the
// development at (0, 0), the development turned so that the same corner at its
// end lies on the positive x axis (the seam's two big-end corners level).
//
// Outline, counter-clockwise, straight edges only: along the big end from the
// seam's start to its end, up the seam edge, back along the small end and down
// the first seam edge. Marks: the three shared corner joints as bend lines,
// each face's height line (perpendicular to both its sides, through the
// middle of the small side as the window's plan draws it, moved to the middle
// of the part the two sides have in common when the small side runs past the
// big one; left out when they have nothing in common), then two seam ticks
// on each seam edge (addSeamTicks), clear of the cut edge. Labels: f2, f4, f3 on the bend lines, f1 on both seam edges,
// h1 ... h4 on the height lines (or in the middle of a face without one).
//
// Checks: each corner joint's developed length against its f (f1 twice, both
// seam edges), the big end's developed length against 2A + 2B and the small
// end's against 2a + 2b.

#include <string>

#include "core/fittings/frustum/rect_frustum_geometry.h"
#include "core/flat_pattern.h"

namespace korvel {

// What keeps a geometry from being developed in one piece:
//   Geometry    the geometry itself has a fault.
//   Dimensions  a side length is not above 0.
//   Flat        no vertical height: every face lies in the plane of the ends
//               and the development closes on itself, both seam edges on the
//               same line.
//   Overlaps    the laid-out development overlaps itself.
enum class RectFrustumPatternFault { None, Geometry, Dimensions, Flat, Overlaps };

using RectFrustumPattern = DevelopedPattern<RectFrustumPatternFault>;

RectFrustumPattern rectFrustumPattern(const RectFrustumGeometry& g);

// The message that reports a fault to the user; empty for None.
std::string rectFrustumPatternMessage(RectFrustumPatternFault fault);

}  // namespace korvel
