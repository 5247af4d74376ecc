#pragma once
// One nested plate's files: the DXF for the cutting table and an SVG preview.
// The DXF is AutoCAD 2000 (or Release 12, as the patterns write it) in
// millimetres, the plate's lower left corner at 0,0, on the pattern's layers
// and one of its own:
//   PLATE  the plate's outline, never cut: the stock edge the table aligns
//          to, so it is never on CUT, cut only or not
//   CUT    each part's outline, then its holes, arcs kept as bulges
//   MARK   the parts' marking lines, coloured by kind as on the patterns, and
//          the figures marked beside them (a wall angle, a split's join mark
//          "E-01-1 ↔ E-01-2"), turned with the part but never upside down
//   TEXT   each part's name ("E-01-端节-2") at its middle
// Cut only, the file holds PLATE and CUT alone. Station names stay off the
// plate: they are for the pattern sheet. Both files are saved through the
// atomic save: a failed write leaves nothing half written.

#include <string>
#include <vector>

#include "core/nesting/nest.h"
#include "output/dxf_file.h"

namespace korvel::cad {

inline constexpr const char* kPlateLayer = "PLATE";

// What a plate file holds: the release, and whether only what is cut.
struct PlateFileOptions {
    DxfVersion version = DxfVersion::R2000;
    bool cutOnly = false;  // PLATE and CUT alone: no marks, figures or names
};

// Writes plate `nested` of `parts` to `path` (saveDxfFile); throws SaveError.
void savePlateDxf(const std::string& path, const Plate& plate, const std::vector<NestPart>& parts,
                  const NestedPlate& nested, const PlateFileOptions& options = {});

// The preview: the plate grey, the parts' cutting outlines (chords) filled
// light and outlined dark, their holes cut out, each name at its middle;
// one SVG user unit a millimetre, y up as on the plate.
std::string plateSvg(const Plate& plate, const std::vector<NestPart>& parts, const NestedPlate& nested);

}  // namespace korvel::cad
