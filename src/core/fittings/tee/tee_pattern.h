#pragma once
// The tee's true-size flat pattern: the branch pipe (one to cut) and the
// opening to cut in the main pipe (one), from the same unrounded lengths and
// coordinates the listings round.

#include <optional>

#include "core/fittings/tee/tee_geometry.h"
#include "core/flat_pattern.h"

namespace korvel {

// Points per division along a cut curve: the station and evenly spaced points
// between it and the next, each computed by the station formulas at its own
// division angle.
inline constexpr int kTeeCurvePoints = 8;

// Whether the pattern can be cut from plate: the branch meets the main pipe
// with a radius (d/2 > t) and its shortest generator, the short side Ls, has
// a length. Otherwise the geometry still computes, but the opening has no
// area or the cut falls onto or below the square-cut end and the outline
// crosses itself. `g` must be a geometry without fault.
bool teePatternCuttable(const TeeGeometry& g);

// `g` must be a geometry without fault; the pattern is a plate's only when
// teePatternCuttable(g).
//
// Branch ("支管"): developed on the branch's outside circumference, the one
// the division listing divides (a = d * pi / n per division), or on the
// circumference of `developedDiameter` (mm) when given. The generators keep
// their lengths on every surface: the plate's end is cut square to the plate,
// so each generator of the wall ends where the meeting radius's generator
// meets the main pipe. The base line
// is the square-cut end from (0, 0) to (n a, 0); station i (the listing's
// L<i> and D<i>) stands at x = i a with the cut at height L_i; the seam is
// generator 0, the two outline edges at x = 0 and x = n a.
//
// Opening ("主管开孔"): on the unrolled main pipe, x along its axis from the
// point where generator 0 meets it, y round it as an arc length; the outline
// runs through (x_i, y_i) and (x_i, -y_i), symmetric about the main-pipe
// generator in the plane of both axes (the line y = 0, marked from x_0 to
// x_(n/2)). Station i is named x<i> on that line and y<i> at its point.
//
// With `seamStation` n/2 the branch's seam runs along the long side instead:
// developed from station n/2 round to itself, as TeeJointPattern says.
FlatPattern teePattern(const TeeGeometry& g, std::optional<double> developedDiameter = std::nullopt,
                       int seamStation = 0);

// What a joint built from a wall changes in the pattern (tee_joint.h); `g`
// is then the joint's own geometry (jointInputs), its generators ending on
// the main pipe's construction surface.
struct TeeJointPattern {
    // The branch's developed diameter, mm: its stations a girth / n apart.
    double developedDiameter = 0;
    // The radius of the main pipe's developed surface, mm (no less than
    // g.r): the opening is where the branch's construction cylinder (g.r)
    // passes through it, unrolled on it (holePoint), its stations named x<i>
    // and y<i> as in the window.
    double holeSurface = 0;
    // The station at the seam, 0 or n/2: the branch is developed from it
    // round to itself, each cut named L by its station in the window, the
    // division marks D counted from the seam.
    int seamStation = 0;
};

// The pattern of a joint: as above, with the wall angle (wallAngle) written
// beside each station of the branch's cut on the marking layer, inside the
// piece under the cut (the names stand over it), thinned like the station
// names.
FlatPattern teeJointPattern(const TeeGeometry& g, const TeeJointPattern& joint);

}  // namespace korvel
