#pragma once
// A window's inputs and export choices by the names the command line takes
// them (D, R, alpha, ..., round=int|dec, dir=..., variant=...; surface=,
// plate-t=, joint=, main-t=, seam=), set on a state as the window would set
// them. `korvel list|dxf|pdf|cad` and a job's entries (job.h) read them here
// alike. Pure C++: no Qt.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/export_choices.h"
#include "core/window_design.h"

namespace korvel {

// One input by name and text, as `name=value` gives it.
using NamedInput = std::pair<std::string, std::string>;

// The names a window's inputs go by, as --help lists them: "D, R, alpha, t, k, n, round".
std::string inputNames(const WindowDesign& design);

// True when the window has an input of this name (round included).
bool hasInput(const WindowDesign& design, const std::string& name);

// Sets one input of `state` as the window would: a box's text as given, a
// list's item by its option value (picking a variant brings its presets into
// the boxes), round=int|dec. Returns an empty text, or what is wrong in the
// command line's words ("round takes int or dec, got 'x'"; for a name the
// window lacks, "FITTING has no input 'x'; its inputs: ... (try korvel
// --help)", FITTING as `fitting` says).
std::string applyInput(const WindowDesign& design, const std::string& fitting, FormState& state,
                       const std::string& name, const std::string& value);

// True when the input picks an item of a variant or direction list.
bool picksVariant(const WindowDesign& design, const std::string& name);

// Every input, the variant and direction picks first (a pick resets boxes),
// then the box texts and the rounding; stops at the first error and returns it.
std::string applyInputs(const WindowDesign& design, const std::string& fitting, FormState& state,
                        const std::vector<NamedInput>& inputs);

// The state's inputs by name in the panel's order, as applyInputs reads them
// back: every box's text, every list's option value (a number list's item),
// and round last.
std::vector<NamedInput> namedInputs(const WindowDesign& design, const FormState& state);

// The plate thickness as typed in a 板厚 box or `plate-t=`: a plain decimal
// number above 0; nothing for an empty text; false for anything else.
bool readPlateThickness(const std::string& text, std::optional<double>& thickness);

// True when the window has a thickness box ("t") and it holds a thickness
// above 0: the export's plate thickness is then the window's own.
bool windowGivesThickness(const WindowDesign& design, const FormState& state);

// The names of the export choices: surface, plate-t, joint, main-t, seam.
bool isExportChoice(const std::string& name);

// Applies one export choice NAME=VALUE to `choices` (isExportChoice(NAME)).
// Returns an empty text, or what is wrong in the command line's words: a
// value none of the window's, a choice the window does not offer. A seam
// angle is passed on as typed: the export itself refuses one outside 0 to
// 360 degrees, with the window's message.
std::string applyExportChoice(const WindowDesign& design, const std::string& name, const std::string& value,
                              ExportChoices& choices);

// The surface keywords as --help and the messages name them: "mean|outside|inside|typed".
std::string surfaceKeywords();

}  // namespace korvel
