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
//     same inputs (template_listing.h), at the foot of each the 100 mm x 100
//     mm check square with its size written beside it, and on the first of
//     them the page map;
//   the template pages, row by row: "A1", "A2", ..., "B1", ... (see
//     tiled_template.h for what the letter and the number mean); a page whose
//     window meets no line, label or name of the pattern is left out.
// A template page shows the pattern's outlines (arcs as true arcs), marking
// lines and labels that fall into its window, its overlap strips shaded,
// registration marks (circle and cross) in the strips that land on the same
// marks of the neighbouring page, its neighbours' names at its edges, and in
// its narrow foot band its name, page number, neighbours and the 100 mm check
// scale: two rulers of 100 mm with a tick every 10 mm, one along the foot and
// one up the left edge, so that a print scaled in either direction is caught
// before the plate is marked.
// The pages' orientation and the pattern's turn (0 or 90 degrees
// counter-clockwise, labels turned with it) are those of the fewest pages in
// all, unless the user chose them (TemplatePlacing).
// On a roll there is one page: the header, the check square and beside it the
// title block and listing at its start, the whole pattern under them, turned
// when only so it fits across (or when turned it needs less of the roll).

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
    cad::PatternSheet sheet;  // as the DXF lays it out, turned when `turned`
    bool turned = false;      // the pattern turned 90 degrees counter-clockwise on the pages
    TiledTemplate tiles;
    std::vector<InfoRow> infoRows;
    int infoPages = 1;        // none on a roll: its head holds the information
    int rowsPerInfoPage = 0;       // on the first information page, over its check square and page map
    int rowsPerLaterInfoPage = 0;  // on the others, which have no foot
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
// The foot of an information page (check square and page map), mm.
inline constexpr double kInfoFootHeight = 110.0;
// The check scale on a template page: each ruler's length and tick step, mm.
inline constexpr double kCheckScale = 100.0;
inline constexpr double kCheckScaleStep = 10.0;

// What the user chose of the pages' lie; none = the fewest pages.
struct TemplatePlacing {
    std::optional<bool> landscape;  // the sheets' orientation (a roll has none)
    std::optional<bool> turned;     // the pattern turned 90 degrees
};

// The template of the window's current inputs on `paper`, portrait or
// landscape, the pattern turned or not, whichever needs fewer pages in all
// (information pages included; portrait and unturned when equal) unless
// `placing` says, the pattern developed as `choices` say; from a job, `job`
// is what its title block says of it. On a roll, a pattern wider than the
// roll whichever way it lies (as `placing` allows) is refused.
PrintedTemplate makeTemplate(const WindowDesign& design, const FormState& state, const PaperSize& paper,
                             const ExportChoices& choices = {}, const std::optional<JobTitle>& job = {},
                             const TemplatePlacing& placing = {});

// The check square on an information page (on a roll, at its start), page mm (y downwards).
MmRect checkSquareRect(const TiledTemplate& tiles);
// The region of an information page's foot right of the check square, page mm.
MmRect footRegion(const TiledTemplate& tiles);
// Where an information page's rows go: on the first over its foot, on the
// others down to the margin (on a roll, right of the check square), page mm.
MmRect infoTextArea(const TiledTemplate& tiles, bool first = true);
// The corner of a template page's check scale, where its two rulers start:
// the horizontal one runs right from it, the vertical one up, page mm.
Point2 checkScaleCorner(const TiledTemplate& tiles);
// The box a piece's text takes in pattern mm (y upwards), `width` long: along
// x, or along y when the pattern is turned (the text turned with it).
PatternExtent sheetTextBox(const cad::SheetText& s, double width, bool turned);

}  // namespace korvel
