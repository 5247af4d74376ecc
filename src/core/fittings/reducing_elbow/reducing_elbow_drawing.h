#pragma once
// The reducing elbow window's drawings, in twips on the surface (y down),
// to one scale across the box they are given:
// - the elevation: the bend plane seen square, every segment's outline (its
//   throat and heel generators, its joints, which the bend plane cuts in
//   straight lines), the generators of the stations on the near half, the
//   centre line, the bend centre, and the segments' names;
// - the pieces: each developed piece through its stations (edges and
//   generators, the seam at the side), side by side in rows, named under each.

#include "core/canvas.h"
#include "core/fittings/reducing_elbow/reducing_elbow_geometry.h"

namespace korvel {

struct TwipsBox {
    double left = 0, top = 0, right = 0, bottom = 0;
};

// The box a drawing of a window of outer size W x H twips fills: right of
// the panel, above the result labels.
TwipsBox reducingElbowDrawingBox(double W, double H);

inline constexpr const char* kReducingElbowFontName = "宋体";
inline constexpr double kReducingElbowFontPoints = 10.5;

// `g` must be a geometry without fault.
void drawReducingElbowElevation(const ReducingElbowGeometry& g, const TwipsBox& box, Canvas& canvas);
void drawReducingElbowPieces(const ReducingElbowGeometry& g, const TwipsBox& box, Canvas& canvas);

}  // namespace korvel
