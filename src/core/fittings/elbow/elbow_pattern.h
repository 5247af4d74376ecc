#pragma once
// The elbow's true-size flat pattern: the end section (two to cut) and the
// middle section (k - 2 to cut), developed on the pipe's outside
// circumference, from the same unrounded lengths the listings round.

#include <optional>
#include <string>
#include <vector>

#include "core/export_choices.h"
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
//
// Where the seams run (ElbowSeam): the preset, Side, as above (the end
// section's station 0 at division angle -90 degrees, the middle section's at
// +90, the same side once the middle section is rolled the other way round);
// Throat, up the inner side's generator (phi = 0), the shortest; Heel, up the
// outer side's (phi = 180), the longest; Alternate, the end section and every
// other middle section from the throat, the rest from the heel. Turned so,
// every other section stands half a turn round on its axis and the sections
// together make one straight pipe: each section's cut edge is its
// neighbour's, and the sections nest in one strip of plate C wide and
// 2 (k - 1) R tan(theta) long. The strip is laid out as cut (FlatPattern::
// nested): from the end section (base line on y = 0) upwards, the middle
// sections in turn, the other end section upside down at the top, each
// section moved up a sheet's gap (3 sheetTextHeight of the largest piece,
// what the sheet leaves between pieces side by side) further than the one
// below, so that two neighbouring cut edges, one the other moved straight up
// by the gap, never touch: they stay gap / sqrt(1 + slope^2) apart. The
// pieces are then one of each, "端节1", "中节1", ... "端节2".
//
// Station labels name the listing's stations, wherever the seam runs: the
// generator at distance x from the seam is labelled with the number the
// window's listing gives it (L<i> of the end listing, L<j> of the middle
// one), counting on past n from 1 again, so the heights read off the listing
// go where they belong. D<j> counts divisions from the seam (the division
// listing's distances along the girth).
enum class ElbowSeam { Side, Throat, Heel, Alternate };

// The seam places of `seam=` and the export dialog, the preset first.
const std::vector<SeamPlace>& elbowSeamPlaces();
// The place `seam=` names (unset or unknown: the preset).
ElbowSeam elbowSeam(const std::optional<std::string>& keyword);

FlatPattern elbowPattern(const ElbowGeometry& g, ElbowSeam seam = ElbowSeam::Side);

}  // namespace korvel
