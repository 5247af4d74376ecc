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
// On the sizes as typed (the default without a wall) the pattern is the
// window's: the branch on its outside circumference meeting the main pipe's
// outside with radius d/2 - t, the opening on the main pipe's outside; a
// joint or main pipe's wall chosen with them is refused (they have no wall).
// On any other surface (the mean one by default when the wall box or the
// choices give a thickness) the branch is built onto the main pipe as
// `choices.joint` says (set-on unless given; tee_joint.h), with the main
// pipe's wall `choices.mainThickness` (the branch's unless given): the cut is
// where the joint's construction surfaces meet, laid out on the branch's
// chosen surface, the opening developed on the main pipe's chosen surface,
// and the wall angle written at each station. Refused: a thickness of half
// the branch or more (at the wall box), a main pipe's wall of half its
// diameter or more, a set-in branch wider than the main pipe's bore, and a
// hole's cylinder wider than the main pipe's chosen surface. `choices.seam`
// "opposite" moves the branch's seam to the long side, on every surface.
PatternExport teePatternExport(const FormState& state, const ExportChoices& choices);

// Both pipe commands' rejections first, then both pipes must be cuttable
// (yTeePatternCuttable): a pipe length that does not reach past the mitres is
// refused with a plain message that focuses the length. Developed on the
// surface `choices` name, with the choices' plate thickness (the window has
// no wall box): all three pipes at that surface's diameter, the mitre planes
// unchanged.
PatternExport yTeePatternExport(const FormState& state, const ExportChoices& choices);

}  // namespace korvel
