#pragma once
// The reducing elbow's true-size flat pattern: one piece per segment, "第1节"
// (the inlet's end segment) to "第k节" (the outlet's), each developed exactly
// from its cone (reducing_elbow_geometry.h), from the same unrounded
// numbers the listing rounds.
//
// Each piece is laid out from its reference section, the section square to
// its axis that the layout starts from: an end segment's square end, a
// middle segment's middle. That section develops to an arc (a straight line
// when D1 = D2) whose ends, both on the seam, stand at (0, 0) and (w, 0); the
// piece runs up +y from it: downstream, or for the outlet's end segment
// upstream, so that both end segments stand on their square ends. Generator
// j (j = 0 ... n from the seam) is the straight line of the cone at psi =
// psiSeam + j * 2 pi / n. With D1 = D2 every piece is the segmented elbow's
// end or middle section, laid out as that pattern lays it out.
//
// Outline, counter-clockwise: the bottom edge from left to right (an end
// segment's square end as 4 true arcs between the quarter stations, one
// straight line without taper; a middle segment's lower joint as points),
// the top edge back from right to left, and the seam generators at the ends.
// A cut edge has the stations and, between them, points at most
// kReducingElbowChord mm apart along the girth nor kReducingElbowTurn about
// the apex (at least 8 per division, at most kReducingElbowMaxEdgePoints in
// all unless 8 per division are more).
//
// Seams (ReducingElbowSeam) as the segmented elbow's: Side, the preset (an
// end segment's station 0 at psi = -90 degrees, a middle segment's at +90);
// Throat (psi = 0) and Heel (psi = 180). Labels name the listing's stations
// wherever the seam runs: L<i> at the top of the generator the listing
// calls L<i>, D<j> at its foot counting divisions from the seam.

#include <optional>
#include <string>
#include <vector>

#include "core/export_choices.h"
#include "core/fittings/reducing_elbow/reducing_elbow_geometry.h"
#include "core/flat_pattern.h"

namespace korvel {

// The longest step, mm along the girth, between two points of a cut edge,
// and the most points an edge takes (8 mm steps up to a girth of 16 m): the
// edge's length then falls short of its curve's by a few hundredths of a
// millimetre at most, the pattern's checks show by how much.
inline constexpr double kReducingElbowChord = 8;
inline constexpr double kReducingElbowTurn = 0.01;  // radians
inline constexpr int kReducingElbowMaxEdgePoints = 2000;

enum class ReducingElbowSeam { Side, Throat, Heel };

// The seam places of `seam=` and the export dialog, the preset first.
const std::vector<SeamPlace>& reducingElbowSeamPlaces();
// The place `seam=` names (unset or unknown: the preset).
ReducingElbowSeam reducingElbowSeam(const std::optional<std::string>& keyword);

// `g` must be a geometry without fault.
FlatPattern reducingElbowPattern(const ReducingElbowGeometry& g, ReducingElbowSeam seam = ReducingElbowSeam::Side);

}  // namespace korvel
