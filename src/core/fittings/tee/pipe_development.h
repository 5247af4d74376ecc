#pragma once
// What the tee's and the Y-tee's flat patterns share: a pipe developed on its
// outside circumference from its square-cut end, and the helpers their
// pieces and checks are made with. Lengths in millimetres; no Qt.

#include <functional>
#include <string>
#include <vector>

#include "core/flat_pattern.h"

namespace korvel {

// The mark of station i of n: the quarter and half generators (n/4, n/2,
// 3n/4) as quarter lines, the others as plain generators.
MarkKind pipeStationKind(int i, int n);

// Turns an outline of straight edges round when its area is negative, so that
// it runs counter-clockwise.
void makeCounterClockwise(Polyline& outline);

// The outline's width along x, from its leftmost to its rightmost vertex.
double extentX(const Polyline& outline);

// A pipe of n = stations.size() - 1 divisions of a mm each, developed from
// its square-cut end: the base line from (0, 0) to (n a, 0), then back along
// the cut from station n to station 0 through `pointsPerDivision` points a
// division, point `step` at cutHeight(step) (a station at every multiple of
// pointsPerDivision), the outline turned counter-clockwise. Station i stands
// at x = i a with the cut at stations[i]: the inner stations marked
// (pipeStationKind), every station named L<i> at the cut and D<i> on the base
// line. The seam is station 0, the outline's edges at x = 0 and x = n a.
// With the seam elsewhere the caller gives the stations from the seam round,
// and `firstStation` the window's number of the one at the seam: the cut's
// names L then keep the window's numbers (L<firstStation> at x = 0), while
// the D names count the divisions from the seam as the division listing does.
Piece developedPipe(std::string name, int count, double a, const std::vector<double>& stations,
                    int pointsPerDivision, const std::function<double(int step)>& cutHeight, int firstStation = 0);

}  // namespace korvel
