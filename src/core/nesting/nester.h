#pragma once
// The one door to libnest2d. Its headers do not compile as C++20 (their
// angle type's comparisons turn ambiguous), so nester.cpp alone is compiled
// as C++17 and this header holds nothing newer. Whole units throughout: the
// caller picks how many make a millimetre.

#include <functional>
#include <vector>

namespace korvel::nester {

struct IntPoint {
    long long x = 0, y = 0;
};

// A closed polygon, its first point not repeated; either way round.
using IntRing = std::vector<IntPoint>;

struct Shape {
    IntRing outline;
    std::vector<IntRing> holes;  // other shapes may be placed inside them
    // The turn it starts from, radians; the rotations are tried from there.
    // (The placer puts the first shape on an empty plate at this turn only.)
    double angle = 0;
};

struct Room {
    IntPoint min, max;  // the rectangle every grown shape must lie in
};

// Where one shape went: the plate's number from 0 (-1: none could take it),
// then turned by `angle` radians counter-clockwise about its origin and
// moved by `shift`.
struct Placed {
    int plate = -1;
    double angle = 0;
    IntPoint shift;
};

// Places the shapes on as few copies of `room` as the first-fit selection
// with the no-fit-polygon placer finds, largest first, piled from the lower
// left. Each shape is taken as it is, bays and holes and all (its no-fit
// polygons are Minkowski sums, see nester.cpp), grown by half of `distance`
// first: a small shape may go into a larger one's hole or bay. `progress`
// hears how many shapes are left to place; `stop` is asked now and then and
// ends the nest early.
std::vector<Placed> nest(const std::vector<Shape>& shapes, const Room& room, long long distance,
                         const std::vector<double>& rotations, const std::function<void(unsigned left)>& progress,
                         const std::function<bool()>& stop);

}  // namespace korvel::nester
