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
PatternExport elbowPatternExport(const FormState& state, const ExportChoices& choices);

}  // namespace korvel
