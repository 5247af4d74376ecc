#pragma once
// A piece larger than the usable plate split into parts that fit: a rolled
// piece along its generators, a folded one along its bends (a transition's
// triangulation lines where no bend serves), each cut a marking line whose
// ends lie on the outline and which runs inside the piece. The parts add up
// to the piece, plus a seam strip beside each cut; each side of a cut gets
// matching ticks and a label naming the two parts it joins. Millimetres
// throughout. Pure C++: no Qt.

#include <string>
#include <vector>

#include "core/flat_pattern.h"
#include "core/nesting/plate.h"

namespace korvel {

// Whether the outline fits the usable plate as it lies or, where the
// rotations include a quarter turn (a multiple of 4 of them), turned a
// quarter; the nester's chords may stray kChordTolerance past the arcs on
// each side, so that much is kept clear too.
bool fitsPlate(const Polyline& outline, const Plate& plate, int rotations);

struct SplitPiece {
    // The piece itself when it fits; else its parts, named "端节-1",
    // "端节-2", … ("1", "2", … for a piece of no name), in the order cut.
    std::vector<Piece> parts;
    // Each part's turn, radians counter-clockwise about the origin, at which
    // it fits the plate: 0 where it fits as it lies (or a quarter turn
    // away); a face of a folded piece fanned out at a slant is laid along
    // the plate, where the rotations allow quarter turns.
    std::vector<double> turns;
    // Why it cannot be split to fit ("件 E-01-端节 比钢板可用尺寸大（…），
    // 沿素线和折线也无法分割到钢板以内"); empty when the parts fit.
    std::string error;
};

// Splits `piece` of the entry marked `mark` ("E-01") to `plate` with as few
// cuts as the greedy way finds: the largest part that fits cut off, then
// again on the rest; where no single cut leaves a part that fits, the cut
// that halves the area most evenly, then each side on its own. The lower-
// numbered part beside each cut gets a strip `seam` mm wide along it (its
// area seam × the cut's length). The join labels ("E-01-端节-1 ↔
// E-01-端节-2") are on the marking layer. A plate with a problem
// (plateProblem) or rotations out of 1 to 360 leave the piece whole: the
// nest refuses them.
SplitPiece splitToPlate(const Piece& piece, const std::string& mark, const Plate& plate, int rotations, double seam);

}  // namespace korvel
