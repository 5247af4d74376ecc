#pragma once
// The rectangular frustum and cone windows' flat patterns for export
// (导出展开图, `korvel dxf rect-frustum|cone`) with the title block's data, or
// the window's own rejection.

#include "core/window_design.h"

namespace korvel {

// The compute command's checks first (their error boxes, as the window shows
// them); then what keeps the faces from being developed in one piece
// (RectFrustumPatternFault) as an error box titled "错误：" with the
// pattern's own message, focusing the box to mend where there is one.
PatternExport rectFrustumPatternExport(const FormState& state, const ExportChoices& choices);

// The compute command's checks first; then a frustum whose small end has no
// mean diameter (ConePatternFault) as an error box focusing the thickness.
// The cone variant's hidden rows (small end and thickness, while "0") stay
// out of the title block, and its height carries the cone's caption.
PatternExport conePatternExport(const FormState& state, const ExportChoices& choices);

}  // namespace korvel
