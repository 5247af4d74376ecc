#pragma once
// The true-size flat pattern of the two round-rectangular transitions: one
// piece, laid out triangle by triangle from the listed lengths the way a
// plater sets it out with rule and compass.
//
// The preset's layout (any other seam place is laid by a walk round the
// fitting, see roundTopPattern below), seen from outside with the fitting's
// top up and west on the left: the south triangle in the middle, its base (the rectangle's south
// side) from the south-west corner at (0, 0) to the south-east corner at
// (a, 0), its apex on the circle above it on the round top and below it on
// the rect top; to its left the south-west fan, the west triangle, the north-west fan and
// half of the north triangle; to its right the south-east fan, the east
// triangle, the north-east fan and the other half. The north triangle is cut
// along its height line, the seam, so both ends of the pattern are its height
// h4.
//
// The flat triangles are placed from their three sides, each on the far side
// of the edge it shares with the part laid before it:
//   side triangles     the rectangle's side (a or b; a + 0.001 on the rect top,
//                      the side every listed number uses) and the two fans'
//                      end lines;
//   north halves       the corner's end line, the height h4 and the part of
//                      the north side from the corner to the height's foot.
// The fans are cones with their apex at the rectangle's corner and are
// developed as cones: every point of the round edge lies at its corner line's
// true length from the corner (the listing's m, j, L, k at the stations,
// unrounded), and the corner line turns as the edge runs along the mean
// circle. With the window's figures the corner lines and heights are true
// lengths on the inner dimensions, as listed, while the round edge is
// developed on the mean diameter D + t: two surfaces in one piece. On a
// surface an export chooses (TransitionInputs::onSurface: sides and diameter
// of that surface, the edge on D itself) the fans are the true cones of that
// one surface: every corner line its true length, and the round edge between
// neighbouring stations pi D / N long, the circle's own arc between them.
// Either way the stations lie further apart on the pattern than the listed
// chord yn = (D + t) sin(180 / N): yn is the straight distance through space,
// where the plate between two stations is curved; on the flat plate they lie
// the arc apart along the edge and a little less in a straight line (the
// developed edge bends less than the circle does in space). Stepped off with
// yn, the round edge would come out short by those differences.
//
// The round edge is cut in arcs, kTransitionCurvePoints to a division, each
// through two developed points and the developed point halfway between them.
//
// Marks: every corner line from its corner to its station (the fans' end lines
// are the bends between the flat triangles and the rolled fans; the lines
// inside a fan are triangulation lines), the east, south and west triangles'
// height lines where their foot lies on the side, and two seam ticks on each
// end edge, the seam (addSeamTicks), clear of the cut edge. Labels: m0 ...,
// j0 ..., L0 ..., k0 ... on their corner lines two thirds of the way from the
// corner, h1, h2, h3 on the height lines and h4 on both seam edges.
//
// Checks: the largest difference between a developed length (every triangle
// side, corner line, height line and seam half) and the length it stands for;
// the developed round edge (along its arcs) against pi (D + t), on a surface
// pi D; the straight edges' total against the rectangle's perimeter 2a + 2b
// of the sides developed; with the window's figures the straight distance between neighbouring
// stations that differs most from yn, against yn, on a surface the round edge
// between neighbouring stations that differs most from pi D / N, against it.

#include <optional>
#include <string>
#include <vector>

#include "core/export_choices.h"
#include "core/fittings/transition/transition_geometry.h"
#include "core/flat_pattern.h"

namespace korvel {

// Arcs per division along the round edge.
inline constexpr int kTransitionCurvePoints = 8;

// What keeps a geometry from being developed in one piece; decided before the
// layout except Overlaps, which only the laid-out outline shows.
//   Geometry     the geometry itself has a fault.
//   Divisions    the division count is not a whole multiple of 4: the
//                quarters must end at the circle's axis points.
//   Dimensions   a side, the diameter, the height or the mean diameter D + t
//                is not above 0.
//   Triangle     three sides that close no triangle, or a fan whose corner
//                line grows or shrinks faster than the mean circle runs (a
//                plate thickness far below 0): no surface has those lengths.
//   SeamOffSide  the seam's triangle's height line (the north one for the
//                preset) meets its side at or beyond a corner: no seam along it.
//   Overlaps     the laid-out development overlaps itself.
enum class TransitionPatternFault { None, Geometry, Divisions, Dimensions, Triangle, SeamOffSide, Overlaps };

using TransitionPattern = DevelopedPattern<TransitionPatternFault>;

// Where the seam runs, numbered as the window's listing orders them: the
// sides as its heights, h1 east, h2 south, h3 west, h4 north (a side's seam
// is that triangle's height line, from its apex on the round edge square to
// the side); the corners as its corner lines, m north-west, j north-east,
// L south-west, k south-east (a corner's seam is its fan's middle corner line,
// station N/8 of the listing's 0 to N/4, rounded down when N/4 is odd: the
// corner line with that station's name, no new point on either edge). Side4,
// along the north height line h4, is the preset.
enum class TransitionSeam { Side1, Side2, Side3, Side4, Corner1, Corner2, Corner3, Corner4 };

// The seam places an export offers, the preset first: keyword (side1 ...
// corner4) and name.
const std::vector<SeamPlace>& transitionSeamPlaces();
// The seam a keyword names; unset or unknown: the preset.
TransitionSeam transitionSeam(const std::optional<std::string>& keyword);

// With any seam but the preset the layout walks once round the fitting from
// the seam, anticlockwise seen from above (east side, north-east fan, north
// side, ...), each triangle and fan laid as the preset lays them, and the
// piece is then turned so that its round edge lies above its straight edge
// (the mean of the one's points straight above the other's) before the rect
// top's is turned over. A side's seam splits its triangle: both ends of the
// pattern are that triangle's halves; a corner's seam splits its fan: the
// corner stands at both ends of the straight edge. Still one piece.
TransitionPattern roundTopPattern(const TransitionGeometry& g, TransitionSeam seam = TransitionSeam::Side4);
TransitionPattern rectTopPattern(const TransitionGeometry& g, TransitionSeam seam = TransitionSeam::Side4);

// The message that reports a fault to the user, naming the seam's side where
// its height line misses the side; empty for None.
std::string transitionPatternMessage(TransitionPatternFault fault, TransitionSeam seam = TransitionSeam::Side4);

}  // namespace korvel
