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

std::vector<InfoRow> infoRows(const PrintedTemplate& t) {
    std::vector<InfoRow> rows;
    const auto heading = [&rows](std::string text) { rows.push_back({InfoRow::Kind::Heading, std::move(text), {}, {}}); };
    const auto text = [&rows](std::string line) { rows.push_back({InfoRow::Kind::Text, std::move(line), {}, {}}); };
    const auto blank = [&rows] { rows.push_back({InfoRow::Kind::Blank, "", {}, {}}); };

    heading("打印与拼接");
    text("1. 打印时选“实际大小”（100%），不要选“适合页面”或“缩小”。");
    text("2. 打印后先量每页下方的检验方框：应为 100 mm × 100 mm，不对就是缩放了。");
    text("3. 按拼接图排好各页：行字母 A、B … 自上而下，列号 1、2 … 自左向右；");
    text("   拼接图上虚线无名的格子是空白页，不印。");
    text("4. 剪去每页左边和上边的白边（第 1 列不剪左边，A 行不剪上边），");
    text("   叠在左邻页、上邻页的灰色重叠区（" + numberText(t.tiles.margins.overlap) +
         " mm）上，对准圆圈十字对位标记后粘牢。");
    text("5. 黑色粗线是切割线，彩色细线是标记线，见下面标题栏的标记线说明。");
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

// True when a cutting line, a marking line, a label or a name meets the window.
bool windowHoldsPattern(const cad::PatternSheet& sheet, const std::vector<std::vector<Point2>>& outlines,
                        const PatternExtent& w) {
    for (const auto& points : outlines)
        for (size_t i = 0; i + 1 < points.size(); ++i)
            if (segmentMeets(points[i], points[i + 1], w)) return true;
    for (const MarkLine& m : sheet.marks)
        if (segmentMeets(m.from, m.to, w)) return true;
    for (size_t i = 0; i < sheet.pieceTexts && i < sheet.texts.size(); ++i) {
        const cad::SheetText& s = sheet.texts[i];
        const double width = cad::estimatedTextWidth(s.text, s.height);
        if (s.at.x <= w.maxX && s.at.x + width >= w.minX && s.at.y <= w.maxY && s.at.y + s.height >= w.minY)
            return true;
    }
    return false;
}

}  // namespace

MmRect checkSquareRect(const TiledTemplate& tiles) {
    return {tiles.band.left, tiles.band.top + kSquareTop, kCheckSquare, kCheckSquare};
}

MmRect footRegion(const TiledTemplate& tiles) {
    const MmRect square = checkSquareRect(tiles);
    const MmRect& band = tiles.band;
    const double left = square.right() + 10;
    return {left, square.top - kSquareTop + 2, band.right() - left, square.height + kSquareTop - 2};
}

PrintedTemplate makeTemplate(const WindowDesign& design, const FormState& state, const PaperSize& paper,
                             const ExportChoices& choices, const std::optional<JobTitle>& job) {
    PrintedTemplate t;
    t.pattern = exportedPattern(design, state, choices);
    if (t.pattern.rejected()) {
        t.rejection = t.pattern.rejection;
        return t;
    }
    t.pattern.job = job;
    t.sheet = cad::layOutPattern(t.pattern);
    const cad::Box pieces = cad::piecesBox(t.sheet);
    const PatternExtent extent{pieces.minX, pieces.minY, pieces.maxX, pieces.maxY};
    std::vector<std::vector<Point2>> outlines;
    for (const Polyline& line : t.sheet.outlines) outlines.push_back(outlinePoints(line));
    t.listing = templateListing(design, state);
    t.infoRows = infoRows(t);

    // Of portrait and landscape the one with fewer pages in all, the
    // information pages counted too (their text wants height): portrait when
    // equal.
    bool chosen = false;
    for (bool landscape : {false, true}) {
        TiledTemplate tiles = tileTemplateIn(extent, paper, landscape);
        if (static_cast<long long>(tiles.rows) * tiles.columns > kMaxTemplatePages) continue;
        leaveOutEmptyPages(tiles, [&](const PatternExtent& w) { return windowHoldsPattern(t.sheet, outlines, w); });
        const double frame = tiles.content.height - kInfoHeaderHeight;
        const int perPage = std::max(1, static_cast<int>(std::floor(frame / kInfoLinePitch)));
        const int info = std::max<int>(
            1, static_cast<int>((t.infoRows.size() + static_cast<size_t>(perPage) - 1) / static_cast<size_t>(perPage)));
        if (chosen && info + tiles.printedPages() >= t.pageCount()) continue;
        t.tiles = std::move(tiles);
        t.rowsPerInfoPage = perPage;
        t.infoPages = info;
        chosen = true;
    }
    if (!chosen) {
        const TiledTemplate fewest = tileTemplate(extent, paper);
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
