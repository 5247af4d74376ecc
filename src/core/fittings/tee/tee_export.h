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
// The branch is developed on the surface `choices` name (the mean surface by
// default when the wall box or the choices give a thickness): its generators
// keep the listed lengths, its circumference is that surface's; the opening
// stays as listed. A surface other than the typed sizes without a thickness,
// or a thickness of half the branch or more, is refused at the wall box.
PatternExport teePatternExport(const FormState& state, const ExportChoices& choices);

// Both pipe commands' rejections first, then both pipes must be cuttable
// (yTeePatternCuttable): a pipe length that does not reach past the mitres is
// refused with a plain message that focuses the length. Developed on the
// surface `choices` name, with the choices' plate thickness (the window has
// no wall box): all three pipes at that surface's diameter, the mitre planes
// unchanged.
PatternExport yTeePatternExport(const FormState& state, const ExportChoices& choices);

}  // namespace korvel
