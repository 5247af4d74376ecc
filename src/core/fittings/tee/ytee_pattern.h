#pragma once
// The Y-tee's true-size flat pattern: the vertical pipe (one to cut) and the
// slanted pipe (two to cut; the mirror image is the same pattern turned
// over), each developed on the pipes' outside circumference from the same
// unrounded generator lengths the listings round.

#include "core/fittings/tee/ytee_geometry.h"
#include "core/flat_pattern.h"

namespace korvel {

// Points per division along a cut: the station and evenly spaced points
// between it and the next, each on the mitre plane of its quarter.
inline constexpr int kYTeeCurvePoints = 8;

// Whether both pipes can be cut from plate: every generator has a length, that
// is the pipe length L is longer than the mitres reach back from the centre
// point (R tan(beta/4) and R / tan(beta/2)). Otherwise the geometry still
// computes, but the cut falls onto or below the square-cut end and the
// outline crosses itself. Both geometries without fault.
bool yTeePatternCuttable(const YTeeGeometry& vertical, const YTeeGeometry& slanted);

// `vertical` and `slanted` must be the two pipes of one input record, both
// without fault; the pattern is a plate's only when yTeePatternCuttable.
//
// Each pipe: the base line (the square-cut end) from (0, 0) to (n a, 0) with
// a = pi D / n, the division listing's arc; station k (the listing's L<k> and
// D<k>) at x = k a with the cut at height L_k. The cut changes its plane only
// at the quarter stations n/4 and 3n/4, which are outline vertices, so the
// corners there are sharp. Generators at the inner stations, the quarter and
// half generators marked as quarter lines; the seam is generator 0, the
// outline edges at x = 0 and x = n a.
FlatPattern yTeePattern(const YTeeGeometry& vertical, const YTeeGeometry& slanted);

// One pipe's piece alone ("竖管" x 1 or "斜管" x 2).
Piece yTeePipePiece(const YTeeGeometry& g);

}  // namespace korvel
