#pragma once
// The full-size (1:1) template of a window's flat pattern, laid out on office
// paper: the pattern laid out exactly as in the DXF file (cad::layOutPattern),
// tiled over pages (tileTemplate), with 1 mm on the paper for 1 mm of the
// pattern. What goes on which page, and where; no painting (template_painter.h
// paints it, template_pdf.h makes the file).
//
// The pages, in order:
//   the information pages (usually one): the fitting and how to print and join
//     the pages, the title block (the DXF's title block lines, each typed
//     value fitted to the page by the painter), the window's listing for the
//     same inputs (template_listing.h), and on the first of them the page map;
//   the template pages, row by row: "A1", "A2", ..., "B1", ... (see
//     tiled_template.h for what the letter and the number mean); a page whose
//     window meets no line, label or name of the pattern is left out.
// Every page has at its foot the 100 mm x 100 mm check square with its size
// written beside it, so that a scaled print is caught before the plate is
// marked. A template page shows the pattern's outlines (arcs as true arcs),
// marking lines and labels that fall into its window, its overlap strips
// shaded, registration marks (circle and cross) in the strips that land on
// the same marks of the neighbouring page, its name, its neighbours' names at
// its edges and in its foot, and a small page map with itself filled.

#include <string>
#include <vector>

#include "core/outcome.h"
#include "core/print_correction.h"
#include "core/tiled_template.h"
#include "core/window_design.h"
#include "output/pattern_sheet.h"
#include "output/template_listing.h"

namespace korvel {

// One row of an information page.
struct InfoRow {
    enum class Kind { Heading, Text, Cells, Columns, Blank, Title };
    Kind kind = Kind::Text;
    std::string text;                 // Heading, Text
    std::vector<std::string> cells;   // Cells: the listing boxes side by side
    std::vector<TextItem> items;      // Columns: a surface line, items at text columns
    // Title: a title block line, its typed value fitted to the page by the
    // painter (templateTitleFit).
    cad::TitleLine title{};
};

struct PrintedTemplate {
    // Refused inputs (the window's own messages), or a template of too many
    // pages: stopped, and nothing else is set.
    Outcome rejection;
    PatternExport pattern;
    std::vector<ListingBlock> listing;
    cad::PatternSheet sheet;  // as the DXF lays it out
    TiledTemplate tiles;
    std::vector<InfoRow> infoRows;
    int infoPages = 1;
    int rowsPerInfoPage = 0;  // on the first information page; the others hold more
    std::string fileName;     // what a save dialog suggests: "弯头样板_D1120_R1680_90度_A4.pdf"
    // The printer's correction (print_correction.h), set by whoever sends the
    // pages to that printer: every page drawn scaled by it, page 1 saying so.
    PrintCorrection correction;

    bool rejected() const { return rejection.stopped; }
    int pageCount() const { return infoPages + tiles.printedPages(); }
};

// The information pages' text: its size and line pitch, mm.
inline constexpr double kInfoTextHeight = 3.0;
inline constexpr double kInfoLinePitch = 4.4;
// The information pages' head, title and paper line, mm.
inline constexpr double kInfoHeaderHeight = 24;
// The check square's side, mm.
inline constexpr double kCheckSquare = 100.0;

// The template of the window's current inputs on `paper`, portrait or
// landscape, whichever needs fewer pages in all (information pages included),
// the pattern developed as `choices` say; from a job, `job` is what its
// title block says of it.
PrintedTemplate makeTemplate(const WindowDesign& design, const FormState& state, const PaperSize& paper,
                             const ExportChoices& choices = {}, const std::optional<JobTitle>& job = {});

// The check square on a page, page mm (y downwards).
MmRect checkSquareRect(const TiledTemplate& tiles);
// The region of a page's foot right of the check square and its size, page mm.
MmRect footRegion(const TiledTemplate& tiles);

}  // namespace korvel
