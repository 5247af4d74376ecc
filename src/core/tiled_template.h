#pragma once
// A full-size (1:1) template tiled over printer pages: which part of the
// pattern each page shows, how the pages overlap and what they are called.
// Pure C++: no Qt.
//
// Page names: a row letter and a column number, "A1", "A2", ..., "B1", ...
// The row letter counts from the TOP of the pattern as it lies on the table
// (A = top row, B = the row under it, ... Z, then AA, AB, ...); the column
// number counts from the LEFT edge, starting at 1. So "A1" is the top-left
// page, and the pages are printed row by row, left to right.
//
// Each page's printable area is the paper less its margins. Along its foot a
// narrow band (14 mm) holds the page's name, its neighbours' names and the
// horizontal leg of the 100 mm check scale; along its left edge a strip (9 mm)
// holds the scale's vertical leg; the rest (about 90 % of an A4 sheet's
// printable area) is the page's window onto the pattern. The instructions,
// listing, page map and full check square go on information pages of their
// own (template_layout.h). Neighbouring windows share an overlap strip: the
// right-hand strip of a page shows again the left-hand strip of the page to
// its right, the bottom strip of a page the top strip of the page below, so
// the pages are laid one over the other by that strip and taped. The pages
// are cut from the same orientation (portrait or landscape), whichever needs
// fewer pages unless the caller says which.
//
// A roll (roll610, roll914, roll1067) is not tiled: one page as wide as the
// roll and as long as the pattern needs, a band of the caller's height at its
// start (the check square, title block and listing) and the window under it.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace korvel {

// A rectangle in millimetres; y upwards for pattern rectangles, downwards for
// rectangles on the paper.
struct MmRect {
    double left = 0, top = 0, width = 0, height = 0;
    double right() const { return left + width; }
    double bottom() const { return top + height; }
    bool operator==(const MmRect&) const = default;
};

struct PaperSize {
    std::string name;       // "A4", "roll914"
    double width = 0;       // mm, portrait; a roll's width
    double height = 0;      // mm, portrait; 0 for a roll, whose page is as long as the pattern needs
    bool roll = false;
};

// The sizes offered, A4 first (the default): A4, A3, A2, A1, A0, Letter, then
// the rolls roll610, roll914, roll1067.
const std::vector<PaperSize>& paperSizes();
// The size by its name (case ignored: "a3" is A3); none for an unknown name.
std::optional<PaperSize> paperSize(const std::string& name);

// How a page is divided, mm.
struct TemplateMargins {
    double margin = 10;   // unprinted border on every side: office printers do not print to the edge
    double overlap = 15;  // the strip two neighbouring pages share
    double band = 14;     // the band at the foot of the printable area: names and the check scale's
                          // horizontal leg; on a roll, the band at its start
    double side = 9;      // the strip along the left edge for the check scale's vertical leg (not on a roll)
};

// More pages than this are not printed: the template would not be taped
// together by hand (a larger paper or the DXF file is the way then).
inline constexpr int kMaxTemplatePages = 1000;

// The pattern's extent, mm, y upwards: the lowest and highest corner.
struct PatternExtent {
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    bool operator==(const PatternExtent&) const = default;
};

struct TemplatePage {
    std::string name;  // "B3"
    int row = 0;       // 0 = top row
    int column = 0;    // 0 = left column
    // The part of the pattern the page shows, pattern millimetres, y upwards:
    // minX..maxX, minY..maxY.
    PatternExtent window;
    // The neighbours' names, empty where there is none (or none printed).
    std::string above, below, left, right;
    // False for a page whose window holds nothing of the pattern: it is left
    // out, keeping the names of the others.
    bool printed = true;
};

struct TiledTemplate {
    PaperSize paper;
    bool landscape = false;
    double pageWidth = 0, pageHeight = 0;  // mm, as printed (landscape swapped)
    TemplateMargins margins;
    MmRect printable;  // the paper less its margins, page mm, y downwards
    MmRect content;    // where a page's window is printed, page mm, y downwards
    MmRect band;       // the band at the foot (at the start of a roll), page mm, y downwards
    MmRect side;       // the strip left of the window, page mm, y downwards; empty on a roll
    int rows = 0, columns = 0;
    PatternExtent extent;               // the pattern's
    std::vector<TemplatePage> pages;    // row by row, left to right

    const TemplatePage* page(int row, int column) const;
    const TemplatePage* page(const std::string& name) const;
    int printedPages() const;
};

// "A1", "B12", "AA3": row and column from 0.
std::string templatePageName(int row, int column);

// Tiles the extent over pages of the paper: the fewest pages of either
// orientation (portrait when equal), the windows centred on the pattern, each
// `overlap` into its right and lower neighbour. An empty extent gets one page.
// On a roll: one page, the window as wide as the roll's printable width and
// as tall as the extent, centred across; an extent wider than that is cut
// (the caller refuses it: rollFits).
TiledTemplate tileTemplate(const PatternExtent& extent, const PaperSize& paper, const TemplateMargins& margins = {});

// The same on pages of the given orientation (none on a roll).
TiledTemplate tileTemplateIn(const PatternExtent& extent, const PaperSize& paper, bool landscape,
                             const TemplateMargins& margins = {});

// True when the extent fits across the roll's printable width (true for sheets).
bool rollFits(const PatternExtent& extent, const PaperSize& paper, const TemplateMargins& margins = {});

// Leaves out the pages whose window `holdsPattern` says holds nothing (a
// cone's sector leaves its corners empty) and names as neighbours only the
// pages printed. When no page holds anything, every page stays.
void leaveOutEmptyPages(TiledTemplate& t, const std::function<bool(const PatternExtent& window)>& holdsPattern);

}  // namespace korvel
