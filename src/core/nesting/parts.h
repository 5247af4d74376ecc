#pragma once
// The parts a job puts on plates: every piece of every entry the job can
// develop, once per unit of its quantity (the piece's count in one fitting ×
// the entry's quantity), each with its name and its outline as a polygon for
// the nester. Pure C++: no Qt.

#include <functional>
#include <string>
#include <vector>

#include "core/flat_pattern.h"
#include "core/job.h"
#include "core/nesting/split.h"

namespace korvel {

// How far a chord may stray from the arc it stands for, mm.
inline constexpr double kChordTolerance = 0.5;

using Ring = std::vector<Point2>;  // a closed polygon, its first vertex not repeated

// A closed polyline with its arcs replaced by chords that stray at most
// `tolerance` mm from them; straight edges as they are.
Ring flattened(const Polyline& line, double tolerance = kChordTolerance);

// The signed area of a ring, mm², counter-clockwise positive.
double ringArea(const Ring& ring);

struct NestPart {
    std::string name;  // "E-01-端节-2": the mark, the piece's (or split part's) name, its number from 1
    Piece piece;       // as the pattern draws it, in the pattern's coordinates
    Ring outline;      // the piece's outline flattened, counter-clockwise
    std::vector<Ring> holes;  // its holes flattened, clockwise
    double area = 0;   // mm², the piece's true area (arcs, less its holes)
    double thickness = 0;  // mm, the plate it is cut from; 0: none known
};

struct JobParts {
    std::vector<NestPart> parts;  // entry by entry, piece by piece
    // Entries left out: not read, or their inputs refused, one line each
    // ("第 2 项（E-02）：…").
    std::vector<std::string> leftOut;
    // A piece the split step could not split to fit, by name; no parts then.
    std::string error;
};

// The split step: the parts a piece of `thickness` mm of the entry marked
// `mark` is cut in before its copies are made (the piece itself where it
// fits), or why it cannot be split.
using PieceSplitter = std::function<SplitPiece(const Piece& piece, const std::string& mark, double thickness)>;

// With no split step every piece goes whole. A split piece's parts are named
// on from the piece's ("E-01-端节-1-3": the mark, the piece's first part,
// its third copy).
JobParts jobParts(const Job& job, const PieceSplitter& split = {});

}  // namespace korvel
