#pragma once
// The true-size flat pattern of the concentric cone frustum and the complete
// cone: one piece, the annular sector (frustum) or the plain sector (cone),
// developed on the plate's mid-surface from the same unrounded radii and angle
// the listing rounds (d and D are the outer diameters less the thickness).
//
// Layout, as the window's schematic draws it: the sector opens to the left of
// its centre, the apex, and is symmetric about the horizontal through it. The
// midpoint of the big arc stands at (0, 0) and the apex at (R, 0), R the big
// arc's radius (Rb; the cone's S), so the sector's centre line runs along
// y = 0 from (0, 0) towards the apex.
//
// Outline, counter-clockwise, one closed polyline (but see a full turn below): the big arc from the upper
// seam end round to the lower one, the lower seam edge in to the small arc,
// the small arc back (clockwise) and the upper seam edge out again; a cone has
// the apex instead of the small arc, both seam edges meeting there. Arcs are
// true arcs, each in 4 bulged edges split at the quarter lines and the centre
// line (every bulge below 1).
//
// Marks: the fitting's circumference in 8 equal divisions, as generators from
// the small arc (the apex) to the big arc: division 0 is the preset seam's
// generator, the 4th (opposite it) the centre line, the 2nd and 6th the
// quarter lines, the others plain generators. With the seam moved by an angle
// (ConeSeam) the divisions stay where they are on the fitting, so each lies
// that angle's share of the sector earlier, and a division that falls on the
// seam is left out (it would lie on the cut edge); two seam ticks on each seam
// edge (addSeamTicks), never on the cut edge itself.
//
// Labels, the listing's names: the big arc's radius ("大圆弧展开半径"; the
// cone's "圆弧展开半径") at the big arc's midpoint, the small arc's
// ("小圆弧展开半径") at the small arc's midpoint, the slant length
// ("展开斜边实长") at the middle of both seam edges and the sector angle
// ("展开扇形夹角") at the apex, the centre both arcs are swung from (off the
// plate for a frustum).
//
// A full turn: with no height the sector angle is 360 degrees and the two seam
// edges would lie on one another. When they come within kConeSeamGap of each
// other at the big arc, the piece is cut whole, with no seam: the frustum as
// a flat ring, the big circle (counter-clockwise) and the small one as a hole
// (clockwise), the cone as a disc, each circle 4 quarter arcs from the centre
// line's point. The 8 generators run from division 0, where the seam would
// be, the slant length is named once on it, the radii and the angle as above.
// A sector that closes only near the small arc is cut with a slit
// kConeSeamGap wide there: at any radius r the sector stops where it comes
// within half that of the seam line, and the seam edges join those points;
// the small arc then runs short of pi times its diameter by about the gap.
//
// Checks: the developed big arc against pi (D - t), the small arc against
// pi (d - t) (D, d the outer diameters as typed; on a surface an export
// chose, pi D and pi d of that surface), and both seam edges against the
// slant length; for a whole ring or disc, the circles and the width from the
// hole to the big circle (the disc's radius) against the slant length.

#include <optional>
#include <string>

#include "core/fittings/frustum/cone_geometry.h"
#include "core/flat_pattern.h"

namespace korvel {

// The width of the seam's slit when the sector closes a full turn, mm.
inline constexpr double kConeSeamGap = 0.001;
// Generators mark the sector in this many equal parts.
inline constexpr int kConeDivisions = 8;

// What keeps a geometry from being developed:
//   Geometry    the geometry itself has a fault.
//   NoSmallEnd  a frustum whose small end has no mean diameter: the plate is
//               as thick as the small end's outer diameter or thicker
//               (d <= 0; the small arc would have no radius), or all but as
//               thick (d no more than the seam gap, too small to slit).
enum class ConePatternFault { None, Geometry, NoSmallEnd };

using ConePattern = DevelopedPattern<ConePatternFault>;

// Where the seam runs: the angle, degrees (0 to 360), around the fitting's
// axis from division 0 (the preset seam's generator) to the seam, turning the
// way the divisions count (1, 2, ... 7 round from division 0). The sector cut
// is the same for every angle; only the divisions marked on it move. A whole
// ring or disc has no seam and ignores it.
ConePattern conePattern(const ConeGeometry& g, double seamDegrees = 0);

// The seam angle `seam=` and the export take: a number of degrees from 0 to
// 360; nothing for any other text ("abc", "-1", "361").
std::optional<double> coneSeamAngle(const std::string& text);

// The message that reports a fault to the user; empty for None.
std::string conePatternMessage(ConePatternFault fault);

}  // namespace korvel
