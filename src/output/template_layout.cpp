#include "output/template_layout.h"

#include <algorithm>
#include <cmath>

#include "core/export_range.h"
#include "core/numbers.h"

namespace korvel {
namespace {

constexpr double kPi = 3.14159265358979323846;
// From the foot band's top to the check square, mm: room for its size.
constexpr double kSquareTop = 7;

std::string suggestedName(const std::string& dxfName, const std::string& paper) {
    std::string name = dxfName;
    if (name.ends_with(".dxf")) name.resize(name.size() - 4);
    const auto at = name.find("展开图");
    if (at != std::string::npos) name.replace(at, std::string("展开图").size(), "样板");
    return name + "_" + paper + ".pdf";
}

std::vector<InfoRow> infoRows(const PrintedTemplate& t, bool roll) {
    std::vector<InfoRow> rows;
    const auto heading = [&rows](std::string text) { rows.push_back({InfoRow::Kind::Heading, std::move(text), {}, {}}); };
    const auto text = [&rows](std::string line) { rows.push_back({InfoRow::Kind::Text, std::move(line), {}, {}}); };
    const auto blank = [&rows] { rows.push_back({InfoRow::Kind::Blank, "", {}, {}}); };

    heading(roll ? "打印" : "打印与拼接");
    text("1. 打印时选“实际大小”（100%），不要选“适合页面”或“缩小”。");
    if (roll) {
        text("2. 打印后先量开头的检验方框：应为 100 mm × 100 mm，不对就是缩放了。");
    } else {
        text("2. 打印后先量第 1 页下方的检验方框（应为 100 mm × 100 mm）和每页左下角的检验尺（横竖各 100 mm），");
        text("   不对就是缩放了。");
        text("3. 按拼接图排好各页：行字母 A、B … 自上而下，列号 1、2 … 自左向右；");
        text("   拼接图上虚线无名的格子是空白页，不印。");
        text("4. 剪去每页左边和上边的白边（第 1 列不剪左边，A 行不剪上边），");
        text("   叠在左邻页、上邻页的灰色重叠区（" + numberText(t.tiles.margins.overlap) +
             " mm）上，对准圆圈十字对位标记后粘牢。");
    }
    text(std::string(roll ? "3" : "5") + ". 黑色粗线是切割线，彩色细线是标记线，见下面标题栏的标记线说明。");
    blank();
    heading("标题栏");
    for (cad::TitleLine& line : cad::titleBlock(t.pattern))
        rows.push_back({InfoRow::Kind::Title, "", {}, {}, std::move(line)});
    for (const ListingBlock& block : t.listing) {
        blank();
        heading("窗口列表：" + block.command);
        for (const std::string& m : block.messages) text(m);
        for (const std::string& c : block.captions) text(c);
        if (!block.headings.empty()) rows.push_back({InfoRow::Kind::Cells, "", block.headings, {}});
        size_t longest = 0;
        for (const auto& box : block.boxes) longest = std::max(longest, box.size());
        for (size_t i = 0; i < longest; ++i) {
            InfoRow row{InfoRow::Kind::Cells, "", {}, {}};
            for (const auto& box : block.boxes) row.cells.push_back(i < box.size() ? box[i] : "");
            rows.push_back(std::move(row));
        }
        for (const TextLineOp& line : block.surface) {
            if (isBlankLine(line)) rows.push_back({InfoRow::Kind::Blank, "", {}, {}});
            else rows.push_back({InfoRow::Kind::Columns, "", {}, line.items});
        }
    }
    return rows;
}

// ---- what a window holds ------------------------------------------------------

// True when the segment from a to b meets the window (Liang and Barsky's clip).
bool segmentMeets(Point2 a, Point2 b, const PatternExtent& w) {
    double t0 = 0, t1 = 1;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - w.minX, w.maxX - a.x, a.y - w.minY, w.maxY - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, r);
        else t1 = std::min(t1, r);
        if (t0 > t1) return false;
    }
    return true;
}

// The outline as points, each arc in steps of at most two degrees.
std::vector<Point2> outlinePoints(const Polyline& line) {
    std::vector<Point2> points;
    const size_t n = line.vertices.size();
    for (size_t i = 0; i < n; ++i) {
        const Vertex& a = line.vertices[i];
        points.push_back({a.x, a.y});
        if (i + 1 == n && !line.closed) break;
        const Vertex& b = line.vertices[(i + 1) % n];
        const std::optional<BulgeArc> arc = bulgeArc(a, b);
        if (!arc) continue;
        const int steps = std::clamp(static_cast<int>(std::ceil(std::fabs(arc->sweep) / (2 * kPi / 180))), 1, 720);
        const std::vector<Point2> within = cad::pointsWithin(*arc, steps);
        points.insert(points.end(), within.begin(), within.end());
    }
    if (line.closed && !points.empty()) points.push_back(points.front());
    return points;
}

// A cutting line as points, with the box of each run of kRun edges, so that
// a window passes over the runs that miss it: a page's test goes with what
// lies near it, not with the outline's vertex count.
struct OutlinePoints {
    static constexpr size_t kRun = 32;
    std::vector<Point2> points;
    std::vector<PatternExtent> runs;  // run r: edges r·kRun to (r+1)·kRun - 1
};

OutlinePoints withRuns(std::vector<Point2> points) {
    OutlinePoints o{std::move(points), {}};
    for (size_t first = 0; first + 1 < o.points.size(); first += OutlinePoints::kRun) {
        const size_t last = std::min(first + OutlinePoints::kRun, o.points.size() - 1);
        PatternExtent box{.minX = o.points[first].x, .minY = o.points[first].y, .maxX = o.points[first].x, .maxY = o.points[first].y};
        for (size_t i = first + 1; i <= last; ++i) {
            box.minX = std::min(box.minX, o.points[i].x);
            box.maxX = std::max(box.maxX, o.points[i].x);
            box.minY = std::min(box.minY, o.points[i].y);
            box.maxY = std::max(box.maxY, o.points[i].y);
        }
        o.runs.push_back(box);
    }
    return o;
}

// True when a cutting line, a marking line, a label or a name meets the window.
bool windowHoldsPattern(const cad::PatternSheet& sheet, const std::vector<OutlinePoints>& outlines, bool turned,
                        const PatternExtent& w) {
    for (const OutlinePoints& o : outlines)
        for (size_t r = 0; r < o.runs.size(); ++r) {
            const PatternExtent& b = o.runs[r];
            if (b.minX > w.maxX || b.maxX < w.minX || b.minY > w.maxY || b.maxY < w.minY) continue;
            const size_t first = r * OutlinePoints::kRun;
            const size_t last = std::min(first + OutlinePoints::kRun, o.points.size() - 1);
            for (size_t i = first; i < last; ++i)
                if (segmentMeets(o.points[i], o.points[i + 1], w)) return true;
        }
    for (const MarkLine& m : sheet.marks)
        if (segmentMeets(m.from, m.to, w)) return true;
    for (size_t i = 0; i < sheet.pieceTexts && i < sheet.texts.size(); ++i) {
        const cad::SheetText& s = sheet.texts[i];
        const PatternExtent b = sheetTextBox(s, cad::estimatedTextWidth(s.text, s.height), turned);
        if (b.minX <= w.maxX && b.maxX >= w.minX && b.minY <= w.maxY && b.maxY >= w.minY) return true;
    }
    return false;
}

// ---- the pattern turned ---------------------------------------------------------

// A quarter turn counter-clockwise about the origin: (x, y) to (-y, x). A
// bulge keeps its sign (a turn keeps an arc's sense).
Point2 turnedPoint(Point2 p) { return {-p.y, p.x}; }
cad::Box turnedBox(const cad::Box& b) { return {-b.maxY, b.minX, -b.minY, b.maxX}; }

cad::PatternSheet turnedSheet(cad::PatternSheet sheet) {
    for (Polyline& line : sheet.outlines)
        for (Vertex& v : line.vertices) v = {-v.y, v.x, v.bulge};
    for (MarkLine& m : sheet.marks) {
        m.from = turnedPoint(m.from);
        m.to = turnedPoint(m.to);
    }
    for (cad::SheetText& s : sheet.texts) s.at = turnedPoint(s.at);
    for (cad::Box& b : sheet.pieces) b = turnedBox(b);
    sheet.extents = turnedBox(sheet.extents);
    return sheet;
}

// The pattern lying one way on the pages.
struct Lie {
    bool turned = false;
    cad::PatternSheet sheet;
    PatternExtent extent;
    std::vector<OutlinePoints> outlines;  // the cutting lines as points, for the pages left out
};

Lie lieOf(const cad::PatternSheet& flat, bool turned) {
    Lie lie{turned, turned ? turnedSheet(flat) : flat, {}, {}};
    const cad::Box pieces = cad::piecesBox(lie.sheet);
    lie.extent = {pieces.minX, pieces.minY, pieces.maxX, pieces.maxY};
    for (const Polyline& line : lie.sheet.outlines) lie.outlines.push_back(withRuns(outlinePoints(line)));
    return lie;
}

// The height of a roll's head: the header, then the check square with its
// size over it, or the information rows beside it, whichever is taller, mm.
double rollHeadHeight(size_t rows) {
    return kInfoHeaderHeight + std::max(kSquareTop + kCheckSquare + 6, (static_cast<double>(rows) + 1) * kInfoLinePitch);
}

// What a roll too narrow for the pattern says.
std::string tooNarrowText(const std::vector<Lie>& lies, const PaperSize& paper) {
    const double width = paper.width - 2 * TemplateMargins{}.margin;
    const PatternExtent& e = lies.front().extent;
    const std::string size = roundedText(e.maxX - e.minX, 0) + " mm × " + roundedText(e.maxY - e.minY, 0) + " mm";
    const std::string roll = std::to_string(static_cast<int>(paper.width)) + " mm 卷筒纸的可打印宽度（" +
                             numberText(width) + " mm）";
    if (lies.size() == 1)
        return std::string("样板图案") + (lies.front().turned ? "转 90° 后" : "不转时") + "为 " + size + "，宽于 " +
               roll + "。\n请选更宽的卷筒纸或另一个转向，或选单张纸分页打印。";
    return "样板图案为 " + size + "，横放竖放都宽于 " + roll + "。\n请选更宽的卷筒纸，或选单张纸分页打印。";
}

}  // namespace

PatternExtent sheetTextBox(const cad::SheetText& s, double width, bool turned) {
    if (turned) return {s.at.x - s.height, s.at.y, s.at.x, s.at.y + width};
    return {s.at.x, s.at.y, s.at.x + width, s.at.y + s.height};
}

MmRect infoTextArea(const TiledTemplate& tiles, bool first) {
    if (tiles.paper.roll) {
        const double left = tiles.band.left + kCheckSquare + 15;
        const double top = tiles.band.top + kInfoHeaderHeight;
        return {left, top, tiles.band.right() - left, tiles.band.bottom() - top};
    }
    const MmRect& p = tiles.printable;
    return {p.left, p.top + kInfoHeaderHeight, p.width, p.height - kInfoHeaderHeight - (first ? kInfoFootHeight : 0)};
}

MmRect checkSquareRect(const TiledTemplate& tiles) {
    if (tiles.paper.roll) return {tiles.band.left, tiles.band.top + kInfoHeaderHeight + kSquareTop, kCheckSquare, kCheckSquare};
    const MmRect& p = tiles.printable;
    return {p.left, p.bottom() - kInfoFootHeight + kSquareTop, kCheckSquare, kCheckSquare};
}

MmRect footRegion(const TiledTemplate& tiles) {
    const MmRect square = checkSquareRect(tiles);
    const double left = square.right() + 10;
    return {left, square.top - kSquareTop + 2, tiles.printable.right() - left, square.height + kSquareTop - 2};
}

Point2 checkScaleCorner(const TiledTemplate& tiles) {
    // 1.5 mm off the window's lower left corner, clear of its dashed edge.
    return {tiles.content.left - 1.5, tiles.content.bottom() + 1.5};
}

PrintedTemplate makeTemplate(const WindowDesign& design, const FormState& state, const PaperSize& paper,
                             const ExportChoices& choices, const std::optional<JobTitle>& job,
                             const TemplatePlacing& placing) {
    PrintedTemplate t;
    t.pattern = exportedPattern(design, state, choices);
    if (t.pattern.rejected()) {
        t.rejection = t.pattern.rejection;
        return t;
    }
    t.pattern.job = job;
    const cad::PatternSheet flat = cad::layOutPattern(t.pattern);
    t.listing = templateListing(design, state);
    t.infoRows = infoRows(t, paper.roll);
    std::vector<Lie> lies;
    for (bool turned : {false, true})
        if (!placing.turned || *placing.turned == turned) lies.push_back(lieOf(flat, turned));

    if (paper.roll) {
        // Of the lies that fit across the roll, the one that takes the
        // least of it: unturned when equal.
        Lie* best = nullptr;
        for (Lie& lie : lies)
            if (rollFits(lie.extent, paper) &&
                (best == nullptr || lie.extent.maxY - lie.extent.minY < best->extent.maxY - best->extent.minY))
                best = &lie;
        if (best == nullptr) {
            t.rejection.effects.push_back(ShowMessage{tooNarrowText(lies, paper), MessageIcon::Error, "错误："});
            t.rejection.stopped = true;
            return t;
        }
        TemplateMargins margins;
        margins.band = rollHeadHeight(t.infoRows.size());
        t.tiles = tileTemplate(best->extent, paper, margins);
        t.sheet = std::move(best->sheet);
        t.turned = best->turned;
        t.infoPages = 0;
        t.rowsPerInfoPage = static_cast<int>(t.infoRows.size());
        t.fileName = suggestedName(t.pattern.fileName, paper.name);
        return t;
    }

    // Of the lies and orientations the one with fewer pages in all, the
    // information pages counted too (their text wants height): portrait
    // and unturned when equal.
    bool chosen = false;
    for (Lie& lie : lies) {
        for (bool landscape : {false, true}) {
            if (placing.landscape && *placing.landscape != landscape) continue;
            TiledTemplate tiles = tileTemplateIn(lie.extent, paper, landscape);
            if (static_cast<long long>(tiles.rows) * tiles.columns > kMaxTemplatePages) continue;
            leaveOutEmptyPages(tiles, [&](const PatternExtent& w) {
                return windowHoldsPattern(lie.sheet, lie.outlines, lie.turned, w);
            });
            const auto rowsIn = [](const MmRect& area) {
                return std::max(1, static_cast<int>(std::floor(area.height / kInfoLinePitch)));
            };
            const int first = rowsIn(infoTextArea(tiles, true)), later = rowsIn(infoTextArea(tiles, false));
            const size_t rows = t.infoRows.size();
            const int info = rows <= static_cast<size_t>(first)
                                 ? 1
                                 : 1 + static_cast<int>((rows - static_cast<size_t>(first) + static_cast<size_t>(later) - 1) /
                                                        static_cast<size_t>(later));
            if (chosen && info + tiles.printedPages() >= t.pageCount()) continue;
            // Kept as it is: a later lie may still be taken instead.
            t.sheet = lie.sheet;
            t.turned = lie.turned;
            t.tiles = std::move(tiles);
            t.rowsPerInfoPage = first;
            t.rowsPerLaterInfoPage = later;
            t.infoPages = info;
            chosen = true;
        }
    }
    if (!chosen) {
        const TiledTemplate fewest = tileTemplate(lies.front().extent, paper);
        t.rejection.effects.push_back(ShowMessage{"1:1 样板要 " + std::to_string(fewest.rows) + " 行 × " +
                                                      std::to_string(fewest.columns) + " 列的 " + paper.name +
                                                      " 纸，超过 " + std::to_string(kMaxTemplatePages) +
                                                      " 页。\n请选更大的纸张，或导出展开图（DXF）。",
                                                  MessageIcon::Error, "错误："});
        t.rejection.stopped = true;
        return t;
    }
    t.fileName = suggestedName(t.pattern.fileName, paper.name);
    return t;
}

}  // namespace korvel
