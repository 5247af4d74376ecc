#pragma once
// One nested plate's files: the DXF for the cutting table and an SVG preview.
// The DXF is AutoCAD 2000 in millimetres, the plate's lower left corner at
// 0,0, on the pattern's layers and one of its own:
//   PLATE  the plate's outline, never cut (the table's stock edge)
//   CUT    each part's outline, then its holes, arcs kept as bulges
//   MARK   the parts' marking lines, coloured by kind as on the patterns
//   TEXT   each part's name ("E-01-端节-2") at its middle
// Both are saved through the atomic save: a failed write leaves nothing half
// written.

#include <string>
#include <vector>

#include "core/nesting/nest.h"

namespace korvel::cad {

inline constexpr const char* kPlateLayer = "PLATE";

// Writes plate `nested` of `parts` to `path` (saveDxfFile); throws SaveError.
void savePlateDxf(const std::string& path, const Plate& plate, const std::vector<NestPart>& parts,
                  const NestedPlate& nested);

// The preview: the plate grey, the parts' cutting outlines (chords) filled
// light and outlined dark, their holes cut out, each name at its middle;
// one SVG user unit a millimetre, y up as on the plate.
std::string plateSvg(const Plate& plate, const std::vector<NestPart>& parts, const NestedPlate& nested);

}  // namespace korvel::cad
