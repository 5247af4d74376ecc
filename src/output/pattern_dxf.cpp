#include "output/pattern_dxf.h"

#include <dxflib/dl_dxf.h>
#include <dxflib/dl_writer_ascii.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

#include "output/dxf_file.h"
#include "output/dxf_style.h"
#include "output/dxf_text.h"
#include "core/numbers.h"

namespace korvel::cad {
namespace {

constexpr const char* kStyle = "Standard";
constexpr const char* kFont = "txt";
constexpr const char* kBigFont = "gbcbig.shx";

// Points an arc is sampled at for the boxes.
constexpr int kArcSamples = 16;

struct LayerDesign {
    const char* name;
    int colour;
};
constexpr LayerDesign kLayers[] = {{"0", 7}, {kCutLayer, 7}, {kMarkLayer, 3}, {kTextLayer, 7}};

// Text widths for the boxes: a Chinese character is about as wide as the
// text is high, anything else about seven tenths of it.
double textWidth(const std::string& text, double height) {
    double width = 0;
    for (unsigned char c : text) {
        if (c < 0x80) width += 0.7 * height;
        else if (c >= 0xC0) width += c >= 0xE0 ? height : 0.7 * height;
    }
    return width;
}

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
        add(t.at.x + textWidth(t.text, t.height), t.at.y + t.height);
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
    const std::optional<BulgeArc> arc = bulgeArc(a, b);
    if (!arc) return;
    const double radius = arc->radius, start = arc->start, sweep = arc->sweep;
    const double centreX = arc->centre.x, centreY = arc->centre.y;
    for (int i = 1; i < kArcSamples; ++i) {
        const double angle = start + sweep * i / kArcSamples;
        bounds.add(centreX + radius * std::cos(angle), centreY + radius * std::sin(angle));
    }
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

// "输入管道外径：1120 mm", "两管夹角：45°", or the item alone.
std::string inputLine(const TypedInput& in) {
    std::string line = in.caption;
    if (!line.empty() && !line.ends_with("：") && !line.ends_with(":")) line += "：";
    line += in.text;
    if (!in.unit.empty()) line += (in.unit == "°" ? "" : " ") + in.unit;
    return line;
}

std::string checkLine(const PatternCheck& check) {
    // A check that states a largest difference has nothing to stand against.
    if (check.expected == 0 && check.what.find("差") != std::string::npos)
        return "  " + check.what + "：" + lengthText(check.actual) + " mm";
    return "  " + check.what + "：" + lengthText(check.actual) + " mm，" + check.against + " " + lengthText(check.expected) +
           " mm，相差 " + lengthText(check.actual - check.expected) + " mm";
}

const char* markName(MarkKind kind) {
    switch (kind) {
        case MarkKind::Generator:
            return "绿色 素线";
        case MarkKind::Triangulation:
            return "青色 三角形分割线";
        case MarkKind::Bend:
            return "红色 折弯线";
        case MarkKind::Seam:
            return "洋红 接缝线";
        case MarkKind::Quarter:
            return "蓝色 四分线";
        case MarkKind::CentreLine:
            return "橙色 中心线";
    }
    return "";
}

void moveBy(Polyline& line, double dx, double dy) {
    for (Vertex& v : line.vertices) {
        v.x += dx;
        v.y += dy;
    }
}

Point2 movedBy(Point2 p, double dx, double dy) { return {p.x + dx, p.y + dy}; }

class Writer {
public:
    Writer(const PatternSheet& sheet, DL_Dxf& dxf, DL_WriterA& w) : sheet_(sheet), dxf_(dxf), w_(w) {}

    void write() {
        header();
        tables();
        blocks();
        entities();
        dxf_.writeObjects(w_);
        dxf_.writeObjectsEnd(w_);
        w_.dxfEOF();
    }

private:
    void header() {
        dxf_.writeHeader(w_);
        const auto name = [this](const char* n) { w_.dxfString(9, n); };
        name("$DWGCODEPAGE");
        w_.dxfString(3, "ANSI_1252");
        name("$INSBASE");
        w_.coord(10, 0, 0, 0);
        name("$EXTMIN");
        w_.coord(10, sheet_.extents.minX, sheet_.extents.minY, 0);
        name("$EXTMAX");
        w_.coord(10, sheet_.extents.maxX, sheet_.extents.maxY, 0);
        name("$INSUNITS");
        w_.dxfInt(70, 4);  // millimetres
        name("$MEASUREMENT");
        w_.dxfInt(70, 1);  // metric
        name("$TEXTSTYLE");
        w_.dxfString(7, kStyle);
        name("$CLAYER");
        w_.dxfString(8, "0");
        w_.sectionEnd();
    }

    void tables() {
        w_.sectionTables();
        const Box& e = sheet_.extents;
        // A little room around the drawing.
        writeActiveViewport(w_, {(e.minX + e.maxX) / 2, (e.minY + e.maxY) / 2, 0}, e.width() * 1.05,
                            e.height() * 1.05);
        w_.tableLinetypes(3);
        dxf_.writeLinetype(w_, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
        dxf_.writeLinetype(w_, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
        dxf_.writeLinetype(w_, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
        w_.tableEnd();
        w_.tableLayers(static_cast<int>(std::size(kLayers)));
        for (const LayerDesign& layer : kLayers)
            dxf_.writeLayer(w_, DL_LayerData(layer.name, 0), DL_Attributes("", layer.colour, 0, -3, "CONTINUOUS"));
        w_.tableEnd();
        w_.tableStyle(1);
        const unsigned long textStyle = writeTextStyle(w_, kStyle, kFont, kBigFont);
        w_.tableEnd();
        dxf_.writeView(w_);
        dxf_.writeUcs(w_);
        w_.tableAppid(1);
        dxf_.writeAppid(w_, "ACAD");
        w_.tableEnd();
        writeStandardDimStyle(w_, textStyle);
        dxf_.writeBlockRecord(w_);
        w_.tableEnd();
        w_.sectionEnd();
    }

    void blocks() {
        w_.sectionBlocks();
        for (const char* name : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
            dxf_.writeBlock(w_, DL_BlockData(name, 0, 0.0, 0.0, 0.0));
            dxf_.writeEndBlock(w_, name);
        }
        w_.sectionEnd();
    }

    void entities() {
        w_.sectionEntities();
        for (const Polyline& outline : sheet_.outlines) {
            const DL_Attributes cut(kCutLayer, kColourByLayer, -1, "BYLAYER", 1.0);
            dxf_.writePolyline(w_, DL_PolylineData(static_cast<int>(outline.vertices.size()), 0, 0, 1), cut);
            for (const Vertex& v : outline.vertices) dxf_.writeVertex(w_, DL_VertexData(v.x, v.y, 0, v.bulge));
            dxf_.writePolylineEnd(w_);
        }
        for (const MarkLine& m : sheet_.marks)
            dxf_.writeLine(w_, DL_LineData(m.from.x, m.from.y, 0, m.to.x, m.to.y, 0),
                           DL_Attributes(kMarkLayer, markColour(m.kind), -1, "BYLAYER", 1.0));
        const DL_Attributes text(kTextLayer, kColourByLayer, -1, "BYLAYER", 1.0);
        for (const SheetText& t : sheet_.texts)
            dxf_.writeText(w_,
                           DL_TextData(t.at.x, t.at.y, 0, t.at.x, t.at.y, 0, t.height, 1.0, 0, 0, 0, dxfText(t.text),
                                       kStyle, 0),
                           text);
        w_.sectionEnd();
    }

    const PatternSheet& sheet_;
    DL_Dxf& dxf_;
    DL_WriterA& w_;
};

}  // namespace

bool Box::overlaps(const Box& other) const {
    return minX < other.maxX && other.minX < maxX && minY < other.maxY && other.minY < maxY;
}

int markColour(MarkKind kind) {
    switch (kind) {
        case MarkKind::Generator:
            return 3;
        case MarkKind::Triangulation:
            return 4;
        case MarkKind::Bend:
            return 1;
        case MarkKind::Seam:
            return 6;
        case MarkKind::Quarter:
            return 5;
        case MarkKind::CentreLine:
            return 30;
    }
    return kColourByLayer;
}

std::vector<std::string> titleBlockLines(const PatternExport& e) {
    const FlatPattern& p = e.pattern;
    std::vector<std::string> lines;
    lines.push_back(p.fitting + "  真实尺寸展开图（单位：mm）");
    lines.push_back("输入数据：");
    for (const TypedInput& in : e.inputs) lines.push_back("  " + inputLine(in));
    lines.push_back("圆整：" + e.rounding);
    lines.push_back("展开面：" + e.surface);
    std::string cut = "下料：";
    for (size_t i = 0; i < p.pieces.size(); ++i)
        cut += (i > 0 ? "，" : "") + p.pieces[i].name + " " + numberText(p.pieces[i].count) + " 件";
    lines.push_back(cut);
    if (!p.checks.empty()) lines.push_back("校核：");
    for (const PatternCheck& check : p.checks) lines.push_back(checkLine(check));
    lines.push_back("面积和重量（每件）：");
    for (size_t i = 0; i < p.pieces.size(); ++i) {
        const Piece& piece = p.pieces[i];
        const double area = std::fabs(polylineArea(piece.outline));
        const double t = i < e.thickness.size() ? e.thickness[i] : 0;
        std::string line = "  " + piece.name + "：面积 " + roundedText(area / 1e6, 4) + " m²";
        if (t > 0)
            line += "，重量 " + roundedText(plateWeight(area, t), 2) + " kg（板厚 " + numberText(t) +
                    " mm，钢 7.85 g/cm³）";
        else
            line += "（未给板厚，不计重量）";
        lines.push_back(line);
    }
    std::map<MarkKind, bool> kinds;
    for (const Piece& piece : p.pieces)
        for (const MarkLine& m : piece.marks) kinds[m.kind] = true;
    if (!kinds.empty()) {
        std::string legend = "标记线：";
        bool first = true;
        for (const auto& [kind, present] : kinds) {
            legend += (first ? "" : "，") + std::string(markName(kind));
            first = false;
        }
        lines.push_back(legend);
    }
    return lines;
}

PatternSheet layOutPattern(const PatternExport& e) {
    PatternSheet sheet;
    const double h = std::max(2.5, std::round(largestExtent(e.pattern) / 100));
    const double labelHeight = h / 2;
    const double gap = 3 * h;
    sheet.textHeight = h;

    double cursor = 0;
    for (const Piece& piece : e.pattern.pieces) {
        // The piece in its own coordinates: outline, marks, labels, its name above.
        std::vector<SheetText> texts;
        for (const StationLabel& label : piece.labels)
            texts.push_back({label.text, movedBy(label.at, 0.2 * labelHeight, 0.2 * labelHeight), labelHeight});
        Bounds bounds;
        bounds.add(outlineBox(piece.outline));
        for (const MarkLine& m : piece.marks) {
            bounds.add(m.from.x, m.from.y);
            bounds.add(m.to.x, m.to.y);
        }
        for (const SheetText& t : texts) bounds.add(t);
        const Box own = bounds.box();
        const SheetText name{piece.name + "  下料 " + numberText(piece.count) + " 件", {own.minX, own.maxY + h / 2}, h};
        bounds.add(name);
        texts.insert(texts.begin(), name);
        const Box box = bounds.box();

        const double dx = cursor - box.minX, dy = -box.minY;
        Polyline outline = piece.outline;
        moveBy(outline, dx, dy);
        outline.closed = true;
        sheet.outlines.push_back(std::move(outline));
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

void savePatternDxf(const PatternExport& e, const std::string& path) {
    const PatternSheet sheet = layOutPattern(e);
    saveDxfFile(path, [&sheet](DL_Dxf& dxf, DL_WriterA& w) { Writer(sheet, dxf, w).write(); });
}

std::string patternSaveFailureText(const std::string& path, int code, const std::string& error) {
    return saveFailureText("无法保存展开图：", path, code, error);
}

}  // namespace korvel::cad
