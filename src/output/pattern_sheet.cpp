#include "output/pattern_sheet.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

#include "core/cad/cad.h"
#include "core/numbers.h"
#include "output/dxf_text.h"

namespace korvel::cad {
namespace {

// Points an arc is sampled at for the boxes.
constexpr int kArcSamples = 16;

constexpr MarkStyle kMarkStyles[] = {
    {MarkKind::Generator, 3, 0, 150, 0, "绿色 素线"},
    {MarkKind::Triangulation, 4, 0, 150, 190, "青色 三角形分割线"},
    {MarkKind::Bend, 1, 220, 0, 0, "红色 折弯线"},
    {MarkKind::Seam, 6, 200, 0, 200, "洋红 接缝线"},
    {MarkKind::Quarter, 5, 0, 0, 230, "蓝色 四分线"},
    {MarkKind::CentreLine, 30, 240, 120, 0, "橙色 中心线"},
};

class Bounds {
public:
    void add(double x, double y) {
        box_.minX = std::min(box_.minX, x);
        box_.minY = std::min(box_.minY, y);
        box_.maxX = std::max(box_.maxX, x);
        box_.maxY = std::max(box_.maxY, y);
        empty_ = false;
    }
    void add(const Box& b) {
        add(b.minX, b.minY);
        add(b.maxX, b.maxY);
    }
    void add(const SheetText& t) {
        add(t.at.x, t.at.y);
        add(t.at.x + estimatedTextWidth(t.text, t.height), t.at.y + t.height);
    }
    Box box() const { return empty_ ? Box{} : box_; }

private:
    Box box_{std::numeric_limits<double>::max(), std::numeric_limits<double>::max(),
             std::numeric_limits<double>::lowest(), std::numeric_limits<double>::lowest()};
    bool empty_ = true;
};

// The edge from `a` to `b` with a's bulge: its points, the arc sampled.
void addEdge(Bounds& bounds, const Vertex& a, const Vertex& b) {
    bounds.add(a.x, a.y);
    bounds.add(b.x, b.y);
    if (const std::optional<BulgeArc> arc = bulgeArc(a, b))
        for (const Point2& p : pointsWithin(*arc, kArcSamples)) bounds.add(p.x, p.y);
}

Box outlineBox(const Polyline& line) {
    Bounds bounds;
    const size_t n = line.vertices.size();
    for (size_t i = 0; i < n; ++i) {
        const bool last = i + 1 == n;
        if (last && !line.closed) {
            bounds.add(line.vertices[i].x, line.vertices[i].y);
            break;
        }
        addEdge(bounds, line.vertices[i], line.vertices[(i + 1) % n]);
    }
    return bounds.box();
}

double largestExtent(const FlatPattern& pattern) {
    double extent = 0;
    for (const Piece& piece : pattern.pieces) {
        const Box b = outlineBox(piece.outline);
        extent = std::max({extent, b.width(), b.height()});
    }
    return extent;
}

std::string lengthText(double mm) { return roundedText(mm, 3); }

// "  输入管道外径：" "1120" " mm", "  两管夹角：" "45" "°", or the item alone.
TitleLine inputLine(const TypedInput& in) {
    TitleLine line{"  " + in.caption, in.text, ""};
    if (!in.caption.empty() && !line.before.ends_with("：") && !line.before.ends_with(":")) line.before += "：";
    if (!in.unit.empty()) line.after = (in.unit == "°" ? "" : " ") + in.unit;
    return line;
}

std::size_t characterCount(std::string_view utf8) {
    std::size_t count = 0, i = 0;
    while (i < utf8.size()) {
        nextCodePoint(utf8, i);
        ++count;
    }
    return count;
}

// A station table's line cut after a "，" into lines of at most
// kStationLineChars characters, the later ones indented under the first's
// stations: a table of a thousand stations stays readable in the file and on
// the printed page.
constexpr std::size_t kStationLineChars = 80;
std::vector<std::string> wrappedStations(const std::string& line) {
    static const std::string kComma = "，";
    const std::size_t indent = line.size() - line.substr(line.find_first_not_of(' ')).size() + 2;
    std::vector<std::string> lines{""};
    std::size_t from = 0;
    while (from < line.size()) {
        std::size_t comma = line.find(kComma, from);
        const std::size_t end = comma == std::string::npos ? line.size() : comma + kComma.size();
        const std::string piece = line.substr(from, end - from);
        if (characterCount(lines.back()) > indent && characterCount(lines.back() + piece) > kStationLineChars)
            lines.push_back(std::string(indent, ' '));
        lines.back() += piece;
        from = end;
    }
    return lines;
}

std::string checkLine(const PatternCheck& check) {
    // A check that states a largest difference has nothing to stand against.
    if (check.expected == 0 && check.what.find("差") != std::string::npos)
        return "  " + check.what + "：" + lengthText(check.actual) + " mm";
    return "  " + check.what + "：" + lengthText(check.actual) + " mm，" + check.against + " " + lengthText(check.expected) +
           " mm，相差 " + lengthText(check.actual - check.expected) + " mm";
}

void moveBy(Polyline& line, double dx, double dy) {
    for (Vertex& v : line.vertices) {
        v.x += dx;
        v.y += dy;
    }
}

Point2 movedBy(Point2 p, double dx, double dy) { return {p.x + dx, p.y + dy}; }

}  // namespace

bool Box::overlaps(const Box& other) const {
    return minX < other.maxX && other.minX < maxX && minY < other.maxY && other.minY < maxY;
}

const MarkStyle& markStyle(MarkKind kind) {
    for (const MarkStyle& style : kMarkStyles)
        if (style.kind == kind) return style;
    static const MarkStyle kUnknown{kind, kColourByLayer, 0, 0, 0, ""};
    return kUnknown;
}

std::vector<Point2> pointsWithin(const BulgeArc& arc, int steps) {
    std::vector<Point2> points;
    for (int k = 1; k < steps; ++k) {
        const double angle = arc.start + arc.sweep * k / steps;
        points.push_back({arc.centre.x + arc.radius * std::cos(angle), arc.centre.y + arc.radius * std::sin(angle)});
    }
    return points;
}

TitleFit dxfTitleFit() {
    // A fixed count rather than the pieces' width, which is no measure of a
    // line: a small piece is narrower than the program's own lines. With the
    // text height a hundredth of the largest piece's extent (layOutPattern),
    // 100 characters at 0.7 to 1 text height each stay within about that
    // extent (the program's own longest line, the tee's surface, has 56),
    // and leave a typed value some 90 after its caption.
    return {dxfCanShow, [](const std::string& line) { return characterCount(line) <= kTitleLineChars; }};
}

std::vector<TitleLine> titleBlock(const PatternExport& e) {
    const FlatPattern& p = e.pattern;
    std::vector<TitleLine> lines;
    const auto own = [&lines](std::string text) { lines.push_back({std::move(text), "", ""}); };
    own(p.fitting + "  真实尺寸展开图（单位：mm）");
    // From a job: the job, the entry's mark and quantity and the material,
    // all typed by the user but the quantity and the density.
    if (e.job) {
        const JobTitle& job = *e.job;
        lines.push_back({"任务：", job.job, ""});
        if (!job.customer.empty()) lines.push_back({"  客户：", job.customer, ""});
        if (!job.drawing.empty()) lines.push_back({"  图号：", job.drawing, ""});
        if (!job.mark.empty()) lines.push_back({"  件号：", job.mark, ""});
        lines.push_back({"  材料：", job.material, "（" + numberText(job.density) + " g/cm³）"});
        own("  数量：" + numberText(job.quantity) + " 件");
    }
    own("输入数据：");
    for (const TypedInput& in : e.inputs) lines.push_back(inputLine(in));
    own("圆整：" + e.rounding);
    own("展开面：" + e.surface);
    // What the export made of the typed sizes, and the stations to mark
    // where they are not the window's; the sizes as typed need neither.
    if (e.developed != DevelopedSurface::Typed) {
        for (const std::string& size : e.developedSizes) own("  " + size);
        if (!e.stationTable.empty()) own("放样尺寸（按" + surfaceName(e.developed) + "，不同于窗口列表）：");
        for (const std::string& stations : e.stationTable)
            for (std::string& line : wrappedStations(stations)) own(std::move(line));
    }
    std::string cut = "下料：";
    for (size_t i = 0; i < p.pieces.size(); ++i)
        cut += (i > 0 ? "，" : "") + p.pieces[i].name + " " + numberText(p.pieces[i].count) + " 件";
    own(cut);
    if (!p.checks.empty()) own("校核：");
    for (const PatternCheck& check : p.checks) own(checkLine(check));
    own("面积和重量（每件）：");
    for (size_t i = 0; i < p.pieces.size(); ++i) {
        const Piece& piece = p.pieces[i];
        const double area = pieceArea(piece);
        const double t = i < e.thickness.size() ? e.thickness[i] : 0;
        std::string line = "  " + piece.name + "：面积 " + roundedText(area / 1e6, 4) + " m²";
        if (t > 0 && e.job)
            line += "，重量 " + roundedText(plateWeight(area, t, e.job->density), 2) + " kg（板厚 " +
                    numberText(t) + " mm，" + numberText(e.job->density) + " g/cm³）";
        else if (t > 0)
            line += "，重量 " + roundedText(plateWeight(area, t), 2) + " kg（板厚 " + numberText(t) +
                    " mm，钢 7.85 g/cm³）";
        else
            line += "（未给板厚，不计重量）";
        own(line);
    }
    std::map<MarkKind, bool> kinds;
    for (const Piece& piece : p.pieces)
        for (const MarkLine& m : piece.marks) kinds[m.kind] = true;
    if (!kinds.empty()) {
        std::string legend = "标记线：";
        bool first = true;
        for (const auto& [kind, present] : kinds) {
            legend += (first ? "" : "，") + std::string(markStyle(kind).legend);
            first = false;
        }
        own(legend);
    }
    return lines;
}

std::string fittedLine(const TitleLine& line, const TitleFit& fit) {
    if (line.typed.empty()) return line.before + line.after;
    return line.before + fittedTyped(line.before, shownText(line.typed, fit.canShow), line.after, fit.fits) + line.after;
}

std::vector<std::string> titleBlockLines(const PatternExport& e, const TitleFit& fit) {
    std::vector<std::string> lines;
    for (const TitleLine& line : titleBlock(e)) lines.push_back(fittedLine(line, fit));
    return lines;
}

PatternSheet layOutPattern(const PatternExport& e) {
    PatternSheet sheet;
    const double h = sheetTextHeight(largestExtent(e.pattern));
    const double labelHeight = h / 2;
    const double gap = 3 * h;
    sheet.textHeight = h;

    double cursor = 0;
    // Nested pieces move together: the strip's lower left corner to the origin.
    Bounds strip;
    for (const Piece& piece : e.pattern.pieces) strip.add(outlineBox(piece.outline));
    for (const Piece& piece : e.pattern.pieces) {
        // The piece in its own coordinates: outline, marks, labels, its name above.
        std::vector<SheetText> texts;
        // Station labels thinned so that no two texts run together.
        for (const StationLabel& label : legibleLabels(piece.labels, labelHeight))
            texts.push_back(
                {label.text, movedBy(label.at, 0.2 * labelHeight, 0.2 * labelHeight), labelHeight, label.marking});
        Bounds bounds;
        bounds.add(outlineBox(piece.outline));
        for (const MarkLine& m : piece.marks) {
            bounds.add(m.from.x, m.from.y);
            bounds.add(m.to.x, m.to.y);
        }
        for (const SheetText& t : texts) bounds.add(t);
        const Box own = bounds.box();
        const std::string nameText = piece.name + "  下料 " + numberText(piece.count) + " 件";
        // A nested piece is named left of the strip, at its middle height.
        const SheetText name{nameText,
                             e.pattern.nested ? Point2{own.minX - estimatedTextWidth(nameText, h) - h,
                                                       (own.minY + own.maxY - h) / 2}
                                              : Point2{own.minX, own.maxY + h / 2},
                             h};
        bounds.add(name);
        texts.insert(texts.begin(), name);
        const Box box = bounds.box();

        const double dx = e.pattern.nested ? -strip.box().minX : cursor - box.minX;
        const double dy = e.pattern.nested ? -strip.box().minY : -box.minY;
        Polyline outline = piece.outline;
        moveBy(outline, dx, dy);
        outline.closed = true;
        sheet.outlines.push_back(std::move(outline));
        for (Polyline hole : piece.holes) {
            moveBy(hole, dx, dy);
            hole.closed = true;
            sheet.outlines.push_back(std::move(hole));
        }
        for (MarkLine m : piece.marks) {
            m.from = movedBy(m.from, dx, dy);
            m.to = movedBy(m.to, dx, dy);
            sheet.marks.push_back(m);
        }
        for (SheetText& t : texts) {
            t.at = movedBy(t.at, dx, dy);
            sheet.texts.push_back(std::move(t));
        }
        sheet.pieces.push_back({box.minX + dx, box.minY + dy, box.maxX + dx, box.maxY + dy});
        cursor += box.width() + gap;
    }
    sheet.pieceTexts = sheet.texts.size();

    Bounds all;
    for (const Box& b : sheet.pieces) all.add(b);
    double y = -2 * h;
    for (const std::string& line : titleBlockLines(e)) {
        SheetText t{line, {0, y}, h};
        all.add(t);
        sheet.texts.push_back(std::move(t));
        y -= 1.6 * h;
    }
    sheet.extents = all.box();
    return sheet;
}

Box piecesBox(const PatternSheet& sheet) {
    Bounds bounds;
    for (const Box& b : sheet.pieces) bounds.add(b);
    return bounds.box();
}

Box outlinesBox(const PatternSheet& sheet) {
    Bounds bounds;
    for (const Polyline& line : sheet.outlines) bounds.add(outlineBox(line));
    return bounds.box();
}

}  // namespace korvel::cad
