#pragma once
// The reducing elbow window's flat pattern for export (导出展开图, `korvel dxf
// reducing-elbow`): every segment's piece of the current inputs with the
// title block's data, or the window's own refusal.

#include "core/window_design.h"

namespace korvel {

// The commands' checks first, in their words. The pieces are developed on
// the surface `choices` name (the mean surface by default when a wall
// thickness is known, from the box or the choices): both typed outside
// diameters less the wall for the mean surface, less twice the wall for the
// inside; the sizes as typed otherwise. R stays the radius of the centre
// line on every surface. A wall of half the smaller diameter or more leaves
// no plate and is refused at the thickness box.
PatternExport reducingElbowPatternExport(const FormState& state, const ExportChoices& choices);

}  // namespace korvel
