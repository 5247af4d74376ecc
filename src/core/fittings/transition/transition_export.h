#pragma once
// The round-top and rect-top transition windows' flat patterns for export
// (导出展开图, `korvel dxf transition-round-top|transition-rect-top`) with the
// title block's data, or the window's own rejection.

#include "core/window_design.h"

namespace korvel {

// The compute command's checks first (their error boxes, as the window shows
// them); then what keeps the development from being laid out in one piece
// (TransitionPatternFault) as an error box titled "错误：" with the pattern's
// own message, focusing the box to mend where there is one.
PatternExport roundTopPatternExport(const FormState& state, const ExportChoices& choices);
PatternExport rectTopPatternExport(const FormState& state, const ExportChoices& choices);

}  // namespace korvel
