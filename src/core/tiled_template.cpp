#include "core/tiled_template.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace korvel {
namespace {

// How many windows of `size` overlapping by `overlap` cover `length`: a whole
// number held as a double, so that a pattern of any length (1e249 mm) gives a
// count, however large, that the page limit can be checked against.
double tilesAlong(double length, double size, double overlap) {
    if (!(length > size)) return 1;
    const double step = size - overlap;
    // A sliver under a micrometre is no reason for another page.
    return std::ceil((length - overlap) / step - 1e-9);
}

struct Fit {
    bool landscape = false;
    double pageWidth = 0, pageHeight = 0;
    MmRect printable, content, band, side;
    double columns = 1, rows = 1;
    double pages() const { return columns * rows; }
};

Fit fitOn(const PatternExtent& e, double pageWidth, double pageHeight, const TemplateMargins& m) {
    Fit f;
    f.pageWidth = pageWidth;
    f.pageHeight = pageHeight;
    f.printable = {m.margin, m.margin, pageWidth - 2 * m.margin, pageHeight - 2 * m.margin};
    const MmRect& p = f.printable;
    f.content = {p.left + m.side, p.top, std::max(0.0, p.width - m.side), std::max(0.0, p.height - m.band)};
    f.band = {p.left, f.content.bottom(), p.width, p.height - f.content.height};
    f.side = {p.left, p.top, p.width - f.content.width, f.content.height};
    f.columns = tilesAlong(e.maxX - e.minX, f.content.width, m.overlap);
    f.rows = tilesAlong(e.maxY - e.minY, f.content.height, m.overlap);
    return f;
}

// A roll: the band at the start, the window under it as tall as the pattern.
Fit fitOnRoll(const PatternExtent& e, double rollWidth, const TemplateMargins& m) {
    Fit f;
    f.pageWidth = rollWidth;
    const double width = std::max(0.0, rollWidth - 2 * m.margin);
    f.band = {m.margin, m.margin, width, m.band};
    f.content = {m.margin, f.band.bottom(), width, e.maxY - e.minY};
    f.side = {m.margin, f.content.top, 0, 0};
    f.pageHeight = f.content.bottom() + m.margin;
    f.printable = {m.margin, m.margin, width, f.pageHeight - 2 * m.margin};
    return f;
}

std::string rowLetters(int row) {
    std::string letters;
    for (int n = row + 1; n > 0; n = (n - 1) / 26) letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    return letters;
}

}  // namespace

const std::vector<PaperSize>& paperSizes() {
    static const std::vector<PaperSize> sizes = {{"A4", 210, 297}, {"A3", 297, 420},  {"A2", 420, 594},
                                                 {"A1", 594, 841}, {"A0", 841, 1189}, {"Letter", 215.9, 279.4},
                                                 {"roll610", 610, 0, true},  {"roll914", 914, 0, true},
                                                 {"roll1067", 1067, 0, true}};
    return sizes;
}

std::optional<PaperSize> paperSize(const std::string& name) {
    for (const PaperSize& size : paperSizes()) {
        if (size.name.size() != name.size()) continue;
        bool same = true;
        for (size_t i = 0; i < name.size(); ++i)
            same = same && std::tolower(static_cast<unsigned char>(name[i])) ==
                               std::tolower(static_cast<unsigned char>(size.name[i]));
        if (same) return size;
    }
    return std::nullopt;
}

std::string templatePageName(int row, int column) { return rowLetters(row) + std::to_string(column + 1); }

const TemplatePage* TiledTemplate::page(int row, int column) const {
    if (row < 0 || row >= rows || column < 0 || column >= columns) return nullptr;
    return &pages[static_cast<size_t>(row) * static_cast<size_t>(columns) + static_cast<size_t>(column)];
}

const TemplatePage* TiledTemplate::page(const std::string& name) const {
    for (const TemplatePage& p : pages)
        if (p.name == name) return &p;
    return nullptr;
}

int TiledTemplate::printedPages() const {
    int n = 0;
    for (const TemplatePage& p : pages) n += p.printed ? 1 : 0;
    return n;
}

void leaveOutEmptyPages(TiledTemplate& t, const std::function<bool(const PatternExtent& window)>& holdsPattern) {
    bool any = false;
    for (TemplatePage& p : t.pages) {
        p.printed = holdsPattern(p.window);
        any = any || p.printed;
    }
    if (!any)
        for (TemplatePage& p : t.pages) p.printed = true;
    const auto printedName = [&t](int row, int column) {
        const TemplatePage* n = t.page(row, column);
        return n != nullptr && n->printed ? n->name : std::string();
    };
    for (TemplatePage& p : t.pages) {
        p.above = printedName(p.row - 1, p.column);
        p.below = printedName(p.row + 1, p.column);
        p.left = printedName(p.row, p.column - 1);
        p.right = printedName(p.row, p.column + 1);
    }
}

namespace {

PatternExtent finiteExtent(const PatternExtent& e) {
    const bool finite = std::isfinite(e.minX) && std::isfinite(e.minY) && std::isfinite(e.maxX) &&
                        std::isfinite(e.maxY) && e.maxX >= e.minX && e.maxY >= e.minY;
    return finite ? e : PatternExtent{};
}

TiledTemplate tiled(const PatternExtent& e, const PaperSize& paper, const Fit& f, const TemplateMargins& margins);

}  // namespace

bool rollFits(const PatternExtent& given, const PaperSize& paper, const TemplateMargins& margins) {
    const PatternExtent e = finiteExtent(given);
    return !paper.roll || e.maxX - e.minX <= paper.width - 2 * margins.margin;
}

TiledTemplate tileTemplate(const PatternExtent& given, const PaperSize& paper, const TemplateMargins& margins) {
    const PatternExtent e = finiteExtent(given);
    if (paper.roll) return tiled(e, paper, fitOnRoll(e, paper.width, margins), margins);
    const Fit portrait = fitOn(e, paper.width, paper.height, margins);
    Fit landscape = fitOn(e, paper.height, paper.width, margins);
    landscape.landscape = true;
    return tiled(e, paper, landscape.pages() < portrait.pages() ? landscape : portrait, margins);
}

TiledTemplate tileTemplateIn(const PatternExtent& given, const PaperSize& paper, bool landscape,
                             const TemplateMargins& margins) {
    const PatternExtent e = finiteExtent(given);
    if (paper.roll) return tiled(e, paper, fitOnRoll(e, paper.width, margins), margins);
    Fit f = landscape ? fitOn(e, paper.height, paper.width, margins) : fitOn(e, paper.width, paper.height, margins);
    f.landscape = landscape;
    return tiled(e, paper, f, margins);
}

namespace {

TiledTemplate tiled(const PatternExtent& e, const PaperSize& paper, const Fit& f, const TemplateMargins& margins) {
    TiledTemplate t;
    t.paper = paper;
    t.landscape = f.landscape;
    t.pageWidth = f.pageWidth;
    t.pageHeight = f.pageHeight;
    t.margins = margins;
    t.printable = f.printable;
    t.content = f.content;
    t.band = f.band;
    t.side = f.side;
    t.extent = e;
    // Too many pages to lay out: the caller refuses the template (see
    // kMaxTemplatePages). The counts are cut down before they become whole
    // numbers; a count that is not a number is too many.
    const double most = kMaxTemplatePages + 1;
    t.columns = static_cast<int>(f.columns <= most ? f.columns : most);
    t.rows = static_cast<int>(f.rows <= most ? f.rows : most);
    if (!(f.pages() <= kMaxTemplatePages)) return t;

    // The windows centred on the pattern: as much spare paper left as right.
    const double stepX = f.content.width - margins.overlap;
    const double stepY = f.content.height - margins.overlap;
    const double coveredX = f.columns == 1 ? f.content.width : f.columns * stepX + margins.overlap;
    const double coveredY = f.rows == 1 ? f.content.height : f.rows * stepY + margins.overlap;
    const double left = e.minX - (coveredX - (e.maxX - e.minX)) / 2;
    const double top = e.maxY + (coveredY - (e.maxY - e.minY)) / 2;
    for (int r = 0; r < t.rows; ++r) {
        for (int c = 0; c < t.columns; ++c) {
            TemplatePage p;
            p.name = templatePageName(r, c);
            p.row = r;
            p.column = c;
            p.window.minX = left + c * stepX;
            p.window.maxX = p.window.minX + f.content.width;
            p.window.maxY = top - r * stepY;
            p.window.minY = p.window.maxY - f.content.height;
            if (r > 0) p.above = templatePageName(r - 1, c);
            if (r + 1 < t.rows) p.below = templatePageName(r + 1, c);
            if (c > 0) p.left = templatePageName(r, c - 1);
            if (c + 1 < t.columns) p.right = templatePageName(r, c + 1);
            t.pages.push_back(std::move(p));
        }
    }
    return t;
}

}  // namespace

}  // namespace korvel
