#pragma once
// A fitting's true-size flat pattern as a DXF file for the cutting table:
// AutoCAD 2000, millimetres ($INSUNITS 4), the sheet layOutPattern lays out
// (pattern_sheet.h) on three layers:
//   CUT   each piece's closed cutting outline, then each of its holes, one
//         light-weight polyline apiece with its arcs as bulges (never a
//         spline);
//   MARK  the marking lines, coloured by kind (see markColour);
//   TEXT  the station labels, each piece's name and count above it, and the
//         title block below the pieces.
// Texts go through dxfText, so any character the user typed reads back as
// typed.

#include <string>

#include "core/flat_pattern.h"
#include "output/atomic_file.h"
#include "output/pattern_sheet.h"

namespace korvel::cad {

inline constexpr const char* kCutLayer = "CUT";
inline constexpr const char* kMarkLayer = "MARK";
inline constexpr const char* kTextLayer = "TEXT";

// The CAD colour a marking line of this kind is drawn in (markStyle).
int markColour(MarkKind kind);

// Writes the sheet of `e` to `path` through a temporary file renamed into
// place (saveDxfFile): throws SaveError and leaves `path` as it was on
// failure. `e` must not be rejected.
void savePatternDxf(const PatternExport& e, const std::string& path);

}  // namespace korvel::cad
