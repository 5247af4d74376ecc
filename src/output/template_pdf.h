#pragma once
// The full-size (1:1) template of a window's flat pattern, printed on office
// paper: the pattern laid out exactly as in the DXF file (cad::layOutPattern),
// tiled over pages (tileTemplate), drawn as vector lines and text with 1 mm on
// the paper for 1 mm of the pattern.
//
// The pages, in order:
//   the information pages (usually one): the fitting and how to print and join
//     the pages, the title block (the DXF's title block lines), the window's
//     listing for the same inputs, and on the first of them the page map;
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
//
// Which listing goes with a pattern: the compute commands whose results the
// pattern's pieces are cut from, as the window design names them
// (WindowDesign::patternListing).

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "output/pattern_dxf.h"
#include "core/outcome.h"
#include "core/tiled_template.h"
#include "core/window_design.h"

class QPagedPaintDevice;

namespace korvel {

// What one compute command showed in the window, as the window shows it.
struct ListingBlock {
    std::string command;                 // its caption without blanks and access key: "计算端节展开"
    std::vector<std::string> messages;   // what a message box said (a stopped command)
    std::vector<std::string> captions;   // result captions, non-empty, in the window's order
    std::vector<std::string> headings;   // the listing boxes' headings, left to right
    std::vector<std::vector<std::string>> boxes;  // the listing boxes' lines
    // Text lines printed on the surface; a run of empty lines kept as one.
    std::vector<TextLineOp> surface;
};

// Runs those commands on `state` and keeps what each showed.
std::vector<ListingBlock> templateListing(const WindowDesign& design, const FormState& state);
// A block's lines as plain text, as they read on the page (box lines side by
// side joined by blanks, surface items by blanks).
std::vector<std::string> listingText(const ListingBlock& block);

// One row of an information page.
struct InfoRow {
    enum class Kind { Heading, Text, Cells, Columns, Blank };
    Kind kind = Kind::Text;
    std::string text;                 // Heading, Text
    std::vector<std::string> cells;   // Cells: the listing boxes side by side
    std::vector<TextItem> items;      // Columns: a surface line, items at text columns
};

struct PrintedTemplate {
    // Refused inputs (the window's own messages), or a template of too many
    // pages: stopped, and nothing else is set.
    Outcome rejection;
    PatternExport pattern;
    std::vector<ListingBlock> listing;
    cad::PatternSheet sheet;  // as the DXF lays it out
    size_t pieceTexts = 0;    // sheet.texts before the title block
    TiledTemplate tiles;
    std::vector<InfoRow> infoRows;
    int infoPages = 1;
    int rowsPerInfoPage = 0;  // on the first information page; the others hold more
    std::string fileName;     // what a save dialog suggests: "弯头样板_D1120_R1680_90度_A4.pdf"

    bool rejected() const { return rejection.stopped; }
    int pageCount() const { return infoPages + tiles.printedPages(); }
};

// The information pages' text: its size and line pitch, mm.
inline constexpr double kInfoTextHeight = 3.0;
inline constexpr double kInfoLinePitch = 4.4;
// The check square's side, mm.
inline constexpr double kCheckSquare = 100.0;

// The template of the window's current inputs on `paper`, portrait or
// landscape, whichever needs fewer pages in all (information pages included).
PrintedTemplate makeTemplate(const WindowDesign& design, const FormState& state, const PaperSize& paper);

// The check square on a page, page mm (y downwards).
MmRect checkSquareRect(const TiledTemplate& tiles);

// Paints every page on `device`, whose page size, orientation (those of
// t.tiles) and zero margins the caller has set. False when the device could
// not be painted on.
bool paintTemplate(const PrintedTemplate& t, QPagedPaintDevice& device);

// The whole PDF file. The same template gives the same bytes, in any run of
// the program: the creation date Qt writes is set to a fixed one (2000-01-01)
// in place, the document metadata carries no date or random identifier, and
// the embedded faces come in a fixed order.
QByteArray templatePdf(const PrintedTemplate& t);

// Writes templatePdf(t) to `path` through a temporary file beside it renamed
// into place; on failure throws cad::SaveError and leaves `path` as it was.
void saveTemplatePdf(const PrintedTemplate& t, const std::string& path);

// What the windows say when the template could not be saved at `path`.
std::string templateSaveFailureText(const std::string& path, int code, const std::string& error);

}  // namespace korvel
