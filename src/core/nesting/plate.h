#pragma once
// The stock a job's pieces are nested on: a plate of a size, the margin kept
// clear at its edges and the gap kept between two pieces (the kerf and the
// spacing). Millimetres throughout. Pure C++: no Qt.

#include <string>
#include <vector>

namespace korvel {

struct Plate {
    double width = 1500;   // mm along x; the plate's lower left corner at 0,0
    double height = 3000;  // mm along y
    double margin = 10;    // mm kept clear along every edge
    double gap = 8;        // mm kept between two pieces

    double area() const { return width * height; }
    // The room the pieces may take: the plate less its margin on each side.
    double usableWidth() const { return width - 2 * margin; }
    double usableHeight() const { return height - 2 * margin; }
};

// The sizes a shop buys: 1250 × 2500, 1500 × 3000 and 2000 × 6000 mm, each
// with a 10 mm margin and an 8 mm gap.
const std::vector<Plate>& platePresets();

// What keeps the plate from taking a piece, in the program's words: a size
// that is not a positive number, a negative or non-finite margin or gap, a
// margin that leaves no room. Empty when there is none.
std::string plateProblem(const Plate& plate);

}  // namespace korvel
