#pragma once
// The sizes a true-size pattern is developed on: which surface of the plate
// the export develops, and what becomes of each typed diameter and side on
// it. Pure C++.
//
// A typed size keeps the meaning its caption gives it: 外径 is measured on the
// outside of the plate, 内径 and 内边长 on the inside. Across a part of plate
// thickness t, the mean surface lies t/2 in from each face, so a diameter or
// a side measured across the part is t smaller on the mean surface than on
// the outside and 2t smaller on the inside (an outside diameter D: mean
// D - t, inside D - 2t; an inside side a: mean a + t, outside a + 2t).
//
// Folds: a rectangular side is developed between sharp folds on the chosen
// surface's corner lines, so its bend allowance is that of the chosen layer
// running straight into the corner from both sides. On the mean surface that
// is the neutral layer at mid-thickness (a + t for an inside side a). A fold
// rounded to an inside radius r keeps (r + t/2)(2 tan(phi/2) - phi) less of
// that layer per fold of angle phi (0.21 t at 90 degrees with no inside
// radius); the shop's own bend deduction, if any, is left to it.

#include <string>
#include <vector>

#include "core/export_choices.h"
#include "core/window_design.h"

namespace korvel {

// The surface an export develops and the plate thickness it goes by.
struct SurfaceChoice {
    DevelopedSurface surface = DevelopedSurface::Typed;
    double t = 0;         // plate thickness, mm; 0 when none is known
    std::string refusal;  // why the choice cannot be developed; empty when it can
};

// The plater's surface, else the mean surface when a thickness is known, else
// the sizes as typed (exportThickness and chosenSurface, with their refusals). `boxThickness` is the window's own
// thickness box, mm (0 for a window without one); where it is not above 0 the export's plate thickness stands in. A
// surface chosen with no thickness known is refused, as is a plate thickness below 0.
SurfaceChoice chooseSurface(const ExportChoices& choices, double boxThickness);

// Whether a size measured on the outside leaves the plate an inside at all:
// the plate is thinner than half of it. Inside sizes always do.
bool leavesInside(double typed, MeasuredOn on, double t);

// The 展开面 line of a pattern developed on `surface`: "中性层（壁厚 6 mm）".
std::string surfaceLine(DevelopedSurface surface, double t);

// A typed size as the export names it: its symbol, what its caption calls it
// ("大端口外径"), the value and the face it is measured on.
struct TypedSize {
    std::string symbol, what;
    double typed = 0;
    MeasuredOn on = MeasuredOn::Outside;
};

// Fills the export's surface, its 展开面 line and its developed sizes: for the
// sizes as typed the window's own words `typedWords` and each size as typed,
// else the surface chosen and each size made on it.
void nameSurface(PatternExport& e, const SurfaceChoice& chosen, const std::string& typedWords,
                 const std::vector<TypedSize>& sizes);

// The station table's line for one piece or group: "  扇形：R = 1234.5，r = 456.7".
std::string stationLine(const std::string& name, const std::vector<std::string>& values);

}  // namespace korvel
