#pragma once
// Writes a DxfDocument as an AutoCAD 2000 DXF file.
//
// dxflib writes the file's structure and the plain entities; the dimension
// styles, the dimensions and their anonymous blocks (*D1, *D2, ...) go through
// its group writer, since its own dimension and style writers cannot carry
// what the drawing needs (the block name, the style name, the measurement and
// variables such as DIMSE1, DIMSD1, DIMPOST and DIMCLRT). Each dimension
// refers to its style; where the variables it was added under differ from the
// style's final values, it carries them as overrides (ACAD DSTYLE data).
// Texts are written with dxfText (dxf_text.h).

#include <optional>
#include <string>

#include "core/cad/dxf_document.h"
#include "core/window_design.h"
#include "output/dxf_file.h"

namespace korvel::cad {

// Writes the document to a temporary file beside `path`, checks that it is
// complete and on the disk, and renames it to `path`, replacing what was
// there. On any failure throws SaveError, removes the temporary file and
// leaves `path` as it was.
void saveDxf(const DxfDocument& document, const std::string& path);

// The window's CAD drawing of `state`: the refusal drawCad gives (the
// drawing's own check or the range check of export_range.h), or nothing once
// the drawing is saved at `path` as saveDxf saves it. Throws
// SaveError when it could not be written (out of memory included), leaving
// `path` as it was.
std::optional<Outcome> saveCadDrawing(const CadDrawing& drawing, const FormState& state, const std::string& path);

}  // namespace korvel::cad
