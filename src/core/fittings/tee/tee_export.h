#pragma once
// The tee and Y-tee windows' flat patterns for export (导出展开图,
// `korvel dxf tee`, `korvel dxf ytee`) with the title block's data, or the
// window's own rejection.

#include "core/window_design.h"

namespace korvel {

// The branch command's checks first: a failed check refuses the export with
// the messages the window shows (and its boxes reset to their presets, as the
// check does), though the command itself goes on. Then the pattern must be
// cuttable (teePatternCuttable): a short side of 0 or less, or a wall as thick
// as half the branch, is refused with a plain message that focuses that box.
PatternExport teePatternExport(const FormState& state, const ExportChoices& choices);

// Both pipe commands' rejections first, then both pipes must be cuttable
// (yTeePatternCuttable): a pipe length that does not reach past the mitres is
// refused with a plain message that focuses the length.
PatternExport yTeePatternExport(const FormState& state, const ExportChoices& choices);

}  // namespace korvel
