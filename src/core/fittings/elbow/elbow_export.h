#pragma once
// The elbow window's flat pattern for export (导出展开图, `korvel dxf elbow`):
// the end and middle sections of the current inputs with the title block's
// data, or the window's own rejection.

#include "core/window_design.h"

namespace korvel {

// The end section command's checks first (their messages, emptied box and
// focus as the window shows them). An elbow whose bend radius is half the
// diameter passes them, but its sections pinch to a point on the inner side
// and fall apart when cut: refused with an error box that focuses the radius.
//
// The sections are developed on the surface `choices` name (the mean surface
// by default when a wall thickness is known, from the box or the choices):
// the typed outside diameter less the wall for the mean surface, less twice
// the wall for the inside; the sizes as typed (today's listing) otherwise.
// A surface other than the typed sizes without a wall, or a wall of half the
// diameter or more, is refused with an error box that focuses the wall.
PatternExport elbowPatternExport(const FormState& state, const ExportChoices& choices);

}  // namespace korvel
