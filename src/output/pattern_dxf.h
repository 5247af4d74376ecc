#pragma once
// A fitting's true-size flat pattern as a DXF file for the cutting table:
// AutoCAD 2000, millimetres ($INSUNITS 4), the sheet layOutPattern lays out
// (pattern_sheet.h) on three layers:
//   CUT   each piece's closed cutting outline, then each of its holes, one
//         light-weight polyline apiece with its arcs as bulges (never a
//         spline);
//   MARK  the marking lines, coloured by kind (see markColour), and the
//         figures marked beside them (a tee's wall angles);
//   TEXT  the station labels, each piece's name and count above it, and the
//         title block below the pieces.
// Texts go through dxfText, so any character the user typed reads back as
// typed. Written as Release 12 (PatternFileOptions), the outline is a POLYLINE
// with its VERTEX records, bulges kept.

#include <string>
#include <vector>

#include "core/flat_pattern.h"
#include "output/atomic_file.h"
#include "output/dxf_file.h"
#include "output/pattern_sheet.h"

namespace korvel::cad {

inline constexpr const char* kCutLayer = "CUT";
inline constexpr const char* kMarkLayer = "MARK";
inline constexpr const char* kTextLayer = "TEXT";

// The CAD colour a marking line of this kind is drawn in (markStyle).
int markColour(MarkKind kind);

// How the pattern goes into files: what a cutting table reads.
struct PatternFileOptions {
    DxfVersion version = DxfVersion::R2000;
    // Only the CUT layer: the cutting outlines, without marks, labels or
    // title block (nothing for the table to cut by mistake).
    bool cutOnly = false;
    // Each piece in a file of its own (patternFilePaths), with its name and,
    // unless cutOnly, its own title block.
    bool perPiece = false;
};

// The files savePatternDxf writes for `path`: `path` itself, or per piece
// the path's folder and stem, "_", the piece's number from 1 and its name,
// ".dxf": "弯头_1_端节.dxf", "弯头_2_中节.dxf". A '/' or '\\' in a name
// becomes '_'.
std::vector<std::string> patternFilePaths(const PatternExport& e, const std::string& path,
                                          const PatternFileOptions& options = {});

// Writes the sheet of `e` to `path` (or per piece to patternFilePaths), each
// file through a temporary file renamed into place (saveDxfFile): throws
// SaveError and leaves the file being written as it was on failure (the
// pieces' files written before it stay written). `e` must not be rejected.
void savePatternDxf(const PatternExport& e, const std::string& path, const PatternFileOptions& options = {});

}  // namespace korvel::cad
