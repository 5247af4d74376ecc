#include "core/cut_list.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/numbers.h"

namespace korvel {
namespace {

// A CSV field as RFC 4180 has it: quoted, its quotes doubled, when it holds
// a comma, a quote or a line break.
std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// The width a text takes in a terminal's columns: two for a character from
// U+1100 up (the Chinese ones), one for any other.
size_t columns(const std::string& text) {
    size_t width = 0;
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const size_t bytes = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        width += bytes >= 3 ? 2 : 1;
        i += bytes;
    }
    return width;
}

// Rows of cells, each column padded to its widest cell, two blanks apart.
std::string aligned(const std::vector<std::vector<std::string>>& rows) {
    std::vector<size_t> widths;
    for (const auto& row : rows)
        for (size_t i = 0; i < row.size(); ++i) {
            widths.resize(std::max(widths.size(), row.size()));
            widths[i] = std::max(widths[i], columns(row[i]));
        }
    std::string text;
    for (const auto& row : rows) {
        std::string line;
        for (size_t i = 0; i < row.size(); ++i)
            line += row[i] + (i + 1 == row.size() ? "" : std::string(widths[i] - columns(row[i]) + 2, ' '));
        text += line + "\n";
    }
    return text;
}

std::string thicknessText(const CutTotal& total) {
    return total.thickness > 0 ? "板厚 " + numberText(total.thickness) + " mm" : "未给板厚，不计重量";
}

}  // namespace

Extent outlineExtent(const Polyline& line) {
    Extent e{INFINITY, INFINITY, -INFINITY, -INFINITY};
    const auto take = [&e](double x, double y) {
        e.minX = std::min(e.minX, x);
        e.minY = std::min(e.minY, y);
        e.maxX = std::max(e.maxX, x);
        e.maxY = std::max(e.maxY, y);
    };
    const std::vector<Vertex>& v = line.vertices;
    for (size_t i = 0; i < v.size(); ++i) {
        take(v[i].x, v[i].y);
        if (!line.closed && i + 1 == v.size()) break;
        const std::optional<BulgeArc> arc = bulgeArc(v[i], v[(i + 1) % v.size()]);
        if (!arc) continue;
        // The arc reaches its circle's extreme right, top, left or bottom
        // where it sweeps across 0°, 90°, 180° or 270°.
        for (int k = 0; k < 4; ++k) {
            const double angle = k * std::numbers::pi / 2;
            const double turned = arc->sweep > 0 ? angle - arc->start : arc->start - angle;
            const double along = std::fmod(std::fmod(turned, 2 * std::numbers::pi) + 2 * std::numbers::pi,
                                           2 * std::numbers::pi);
            if (along <= std::abs(arc->sweep))
                take(arc->centre.x + arc->radius * std::cos(angle), arc->centre.y + arc->radius * std::sin(angle));
        }
    }
    return v.empty() ? Extent{} : e;
}

CutList cutList(const Job& job) {
    CutList list;
    for (const DevelopedEntry& developed : developedEntries(job, list.leftOut)) {
        const JobEntry& entry = *developed.entry;
        const PatternExport& e = developed.pattern;
        for (size_t p = 0; p < e.pattern.pieces.size(); ++p) {
            const Piece& piece = e.pattern.pieces[p];
            CutPiece cut{entry.mark, entry.fitting, piece.name};
            cut.quantity = static_cast<long long>(piece.count) * entry.quantity;
            const Extent box = outlineExtent(piece.outline);
            cut.width = box.maxX - box.minX;
            cut.height = box.maxY - box.minY;
            const double area = pieceArea(piece);  // mm²
            cut.area = area / 1e6;
            cut.thickness = p < e.thickness.size() ? e.thickness[p] : 0;
            cut.weight = cut.thickness > 0 ? plateWeight(area, cut.thickness, job.material.density) : 0;
            cut.cutLength = polylineLength(piece.outline);
            for (const Polyline& hole : piece.holes) cut.cutLength += polylineLength(hole);
            cut.pierces = 1 + static_cast<int>(piece.holes.size());
            list.pieces.push_back(cut);
        }
    }
    for (const CutPiece& piece : list.pieces) {
        auto total = std::find_if(list.totals.begin(), list.totals.end(),
                                  [&](const CutTotal& t) { return t.thickness == piece.thickness; });
        if (total == list.totals.end()) {
            list.totals.push_back({job.material.name, piece.thickness});
            total = list.totals.end() - 1;
        }
        const auto n = static_cast<double>(piece.quantity);
        total->pieces += piece.quantity;
        total->area += piece.area * n;
        total->weight += piece.weight * n;
        total->cutLength += piece.cutLength * n;
        total->pierces += piece.pierces * piece.quantity;
    }
    std::sort(list.totals.begin(), list.totals.end(),
              [](const CutTotal& a, const CutTotal& b) { return a.thickness < b.thickness; });
    return list;
}

std::string cutListCsv(const CutList& list) {
    std::string csv = "mark,fitting,piece,quantity,width_mm,height_mm,area_m2,weight_kg,cut_length_mm,pierces\r\n";
    for (const CutPiece& p : list.pieces)
        csv += csvField(p.mark) + "," + csvField(p.fitting) + "," + csvField(p.piece) + "," +
               std::to_string(p.quantity) + "," + fixedText(p.width, 1) + "," + fixedText(p.height, 1) + "," +
               // No thickness known: no weight, an empty field rather than a 0 a sum would take as true.
               fixedText(p.area, 4) + "," + (p.thickness > 0 ? fixedText(p.weight, 2) : "") + "," + fixedText(p.cutLength, 1) + "," +
               std::to_string(p.pierces) + "\r\n";
    return csv;
}

const std::vector<std::string>& cutListHeadings() {
    static const std::vector<std::string> headings{"件号", "配件",    "零件",    "数量",        "宽 mm",
                                                   "高 mm", "面积 m²", "重量 kg", "切割长度 mm", "穿孔"};
    return headings;
}

std::vector<std::string> cutPieceCells(const CutPiece& p) {
    return {p.mark.empty() ? "-" : p.mark, p.fitting, p.piece, std::to_string(p.quantity),
            fixedText(p.width, 1), fixedText(p.height, 1), fixedText(p.area, 4),
            p.thickness > 0 ? fixedText(p.weight, 2) : "-", fixedText(p.cutLength, 1),
            std::to_string(p.pierces)};
}

std::string cutTotalLine(const CutTotal& t) {
    std::string line = t.material + "，" + thicknessText(t) + "：" + std::to_string(t.pieces) + " 件，面积 " +
                       fixedText(t.area, 4) + " m²";
    if (t.thickness > 0) line += "，重量 " + fixedText(t.weight, 2) + " kg";
    return line + "，切割长度 " + fixedText(t.cutLength, 1) + " mm，穿孔 " + std::to_string(t.pierces) + " 次";
}

std::string cutListTable(const Job& job, const CutList& list) {
    std::string text = "任务：" + job.name;
    if (!job.customer.empty()) text += "  客户：" + job.customer;
    if (!job.drawing.empty()) text += "  图号：" + job.drawing;
    text += "  材料：" + job.material.name + " " + numberText(job.material.density) + " g/cm³\n\n";
    std::vector<std::vector<std::string>> rows{cutListHeadings()};
    for (const CutPiece& p : list.pieces) rows.push_back(cutPieceCells(p));
    text += aligned(rows);
    text += std::string(kCutListNote) + "\n\n合计：\n";
    for (const CutTotal& t : list.totals) text += "  " + cutTotalLine(t) + "\n";
    if (list.totals.empty()) text += "  （无）\n";
    if (!list.leftOut.empty()) text += "\n未计入：\n";
    for (const std::string& line : list.leftOut) text += "  " + line + "\n";
    return text;
}

}  // namespace korvel
