#pragma once
// A pattern's geometry cut to one printed page's window, and an outline
// simplified for a small map of the pages: what a page draws, so that the
// size and the time of a page go with what lies on it, not with the whole
// pattern's vertex count. Millimetres, y upwards. Pure C++: no Qt.

#include <optional>
#include <vector>

#include "core/flat_pattern.h"
#include "core/tiled_template.h"

namespace korvel {

// The window grown by `by` mm on every side.
PatternExtent grownWindow(const PatternExtent& window, double by);

// The part of the segment from `a` to `b` inside the window, its ends in the
// segment's direction (Liang and Barsky's clip); nothing when no part of it
// is inside. A segment along a side of the window is inside.
std::optional<MarkLine> clipSegment(const MarkLine& mark, const PatternExtent& window);

// The line's edges in runs of kEdgeRun, each run's box (an arc's within its
// chord's box grown by its sagitta, or its circle's beyond a half circle):
// made once for a line cut to many windows, so that a window passes over the
// runs that miss it without looking at their edges.
inline constexpr size_t kEdgeRun = 32;
std::vector<PatternExtent> edgeRunBoxes(const Polyline& line);

// The parts of the polyline inside the window, each an open polyline in the
// line's direction: straight edges cut where they cross a side, arcs kept as
// arcs (their bulges recomputed) and cut at their crossings with the sides. A
// closed line wholly inside comes back whole and closed; a closed line cut
// somewhere comes back as open runs, the run through its first vertex joined
// there, so that every join inside the window stays a join. `runBoxes`, when
// given, are the line's edgeRunBoxes.
std::vector<Polyline> clipPolyline(const Polyline& line, const PatternExtent& window,
                                   const std::vector<PatternExtent>& runBoxes = {});

// The line with fewer vertices, no farther than `tolerance` mm from it: an
// arc that strays more than half the tolerance from its chord is kept as an
// arc, any other arc becomes its chord, and of each run of straight edges
// between kept arcs the vertices are dropped while the rest stays within half
// the tolerance (Douglas and Peucker).
Polyline simplifiedLine(const Polyline& line, double tolerance);

}  // namespace korvel
