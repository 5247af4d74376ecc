#include "output/nest_summary_pdf.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <algorithm>

#include "core/numbers.h"
#include "output/pdf_page.h"

namespace korvel {
namespace {

constexpr double kTop = kPageMargin + kPageHeadHeight - kPageLineHeight;  // the first line's top, mm
constexpr double kBottom = kPageHeight - kPageMargin;
constexpr double kWidth = kPageWidth - 2 * kPageMargin;
// The plates' table, mm, 180 in all; from 板厚 on numbers, set to their right edge.
constexpr double kColumns[] = {10, 24, 18, 32, 14, 18, 22, 21, 21};
constexpr int kFirstNumberColumn = 2;
const char* const kHeadings[] = {"张", "材料", "板厚 mm", "尺寸 mm", "件数", "利用率", "零件 kg", "钢板 kg", "余料 kg"};
// The pictures: four to a row, each in a box 41 mm wide and at most 56 high,
// its caption a line under it, 3 mm between rows.
constexpr int kPicturesPerRow = 4;
constexpr double kPictureCell = kWidth / kPicturesPerRow, kPictureWidth = 41, kPictureHeight = 56, kRowGap = 3;
constexpr double kNameText = 1.6;  // a part's name in a picture, mm

std::string percent(double fraction) { return fixedText(fraction * 100, 1) + "%"; }

std::vector<std::string> plateCells(const JobPlate& p, size_t index) {
    const bool weighed = p.thickness > 0;
    const auto kg = [weighed](double w) { return weighed ? fixedText(w, 1) : std::string("—"); };
    return {std::to_string(index + 1),
            p.material,
            weighed ? numberText(p.thickness) : "—",
            numberText(p.plate.width) + " × " + numberText(p.plate.height),
            std::to_string(p.nested.parts.size()),
            percent(p.nested.utilisation),
            kg(p.partsWeight),
            kg(p.plateWeight),
            kg(p.scrapWeight())};
}

// What the pages hold, in order: a line of text, the table's heading, a
// plate's row, a row of pictures (plates `index` on).
struct Block {
    enum Kind { Text, Heading, Row, Pictures } kind;
    size_t index = 0;
    double height = kPageLineHeight;
};

// The one scale of every picture, so that plates of two sizes compare.
double pictureScale(const JobNest& nest) {
    double width = 1, height = 1;
    for (const JobPlate& p : nest.plates) {
        width = std::max(width, p.plate.width);
        height = std::max(height, p.plate.height);
    }
    return std::min(kPictureWidth / width, kPictureHeight / height);
}

std::vector<std::string> textLines(const JobNest& nest) {
    std::vector<std::string> lines = jobNestSummaryLines(nest);
    if (!nest.leftOut.empty()) lines.insert(lines.end(), {"", "未排料："});
    for (const std::string& line : nest.leftOut) lines.push_back("  " + line);
    return lines;
}

std::vector<Block> blocks(const JobNest& nest) {
    std::vector<Block> all;
    const std::vector<std::string> lines = textLines(nest);
    for (size_t i = 0; i < lines.size(); ++i) all.push_back({Block::Text, i});
    all.push_back({Block::Text, lines.size()});  // a blank line
    all.push_back({Block::Heading});
    for (size_t i = 0; i < nest.plates.size(); ++i) all.push_back({Block::Row, i});
    all.push_back({Block::Text, lines.size()});
    const double scale = pictureScale(nest);
    for (size_t i = 0; i < nest.plates.size(); i += kPicturesPerRow) {
        double height = 0;
        for (size_t k = i; k < std::min(nest.plates.size(), i + kPicturesPerRow); ++k)
            height = std::max(height, nest.plates[k].plate.height * scale);
        all.push_back({Block::Pictures, i, height + kPageLineHeight + kRowGap});
    }
    return all;
}

// The blocks page by page, each with its top (mm); a page the plates' rows
// run on to starts with their heading again.
std::vector<std::vector<std::pair<Block, double>>> pages(const JobNest& nest) {
    std::vector<std::vector<std::pair<Block, double>>> laid(1);
    double y = kTop;
    for (const Block& b : blocks(nest)) {
        if (y + b.height > kBottom && !laid.back().empty()) {
            laid.emplace_back();
            y = kTop;
            if (b.kind == Block::Row) {
                laid.back().push_back({{Block::Heading}, y});
                y += kPageLineHeight;
            }
        }
        laid.back().push_back({b, y});
        y += b.height;
    }
    return laid;
}

QString q(const std::string& text) { return QString::fromStdString(text); }

// Plate `p` at (x, y), the top left corner, `scale` mm on the page to the mm:
// grey, its parts filled and outlined, each named where the name fits.
void paintPlate(QPainter& painter, const PdfPage& sheet, const JobNest& nest, const JobPlate& p, double x, double y,
                double scale) {
    const double height = p.plate.height * scale;
    const auto point = [&](const Point2& v) {
        return QPointF((x + v.x * scale) * sheet.dots(), (y + height - v.y * scale) * sheet.dots());
    };
    painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 0.2 * sheet.dots()));
    painter.setBrush(QColor(0xd8, 0xd8, 0xd8));
    painter.drawRect(sheet.at(x, y, p.plate.width * scale, height));
    painter.setFont(sheet.font(kNameText));
    const QFontMetricsF metrics(painter.font());
    for (const Placement& at : p.nested.parts) {
        const NestPart& part = nest.parts[at.part];
        QPainterPath path;
        path.setFillRule(Qt::OddEvenFill);
        Ring outline = placedRing(part.outline, at);
        std::vector<Ring> rings{outline};
        for (const Ring& hole : part.holes) rings.push_back(placedRing(hole, at));
        for (const Ring& ring : rings) {
            if (ring.empty()) continue;
            path.moveTo(point(ring.front()));
            for (const Point2& v : ring) path.lineTo(point(v));
            path.closeSubpath();
        }
        painter.setPen(QPen(QColor(0x1f, 0x4e, 0x79), 0.15 * sheet.dots()));
        painter.setBrush(QColor(0x9e, 0xc5, 0xe8));
        painter.drawPath(path);
        const QRectF box = path.boundingRect();
        if (metrics.horizontalAdvance(q(part.name)) <= box.width() && metrics.height() <= box.height()) {
            painter.setPen(Qt::black);
            painter.drawText(box, Qt::AlignCenter, q(part.name));
        }
    }
    painter.setBrush(Qt::NoBrush);
}

}  // namespace

NestTitle nestTitle(const Job& job) { return {job.name, job.customer, job.drawing}; }

int nestSummaryPages(const JobNest& nest) { return static_cast<int>(pages(nest).size()); }

bool paintNestSummary(const NestTitle& title, const JobNest& nest, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    PdfPage sheet(painter, device.logicalDpiX() / 25.4);
    const std::vector<std::string> lines = textLines(nest);
    const double scale = pictureScale(nest);
    const auto laid = pages(nest);
    const std::string jobLine = jobFieldsLine(title.name, title.customer, title.drawing);
    for (size_t page = 0; page < laid.size(); ++page) {
        if (page > 0 && !device.newPage()) return false;
        painter.setPen(QPen(Qt::black, 0.2 * sheet.dots()));
        sheet.head("排料汇总", static_cast<int>(page + 1), static_cast<int>(laid.size()), jobLine);
        for (const auto& [b, y] : laid[page]) {
            painter.setPen(QPen(Qt::black, 0.2 * sheet.dots()));
            painter.setFont(sheet.font(kPageText, b.kind == Block::Heading));
            switch (b.kind) {
                case Block::Text:
                    sheet.cell(kPageMargin, y, kWidth, b.index < lines.size() ? lines[b.index] : "", false);
                    break;
                case Block::Heading:
                case Block::Row: {
                    const std::vector<std::string> cells =
                        b.kind == Block::Row ? plateCells(nest.plates[b.index], b.index)
                                             : std::vector<std::string>(std::begin(kHeadings), std::end(kHeadings));
                    double x = kPageMargin;
                    for (size_t c = 0; c < cells.size(); ++c) {
                        sheet.cell(x, y, kColumns[c], cells[c], static_cast<int>(c) >= kFirstNumberColumn);
                        x += kColumns[c];
                    }
                    if (b.kind == Block::Heading || b.index + 1 == nest.plates.size()) sheet.rule(y + kPageLineHeight);
                    break;
                }
                case Block::Pictures:
                    for (size_t k = b.index; k < std::min(nest.plates.size(), b.index + kPicturesPerRow); ++k) {
                        const JobPlate& p = nest.plates[k];
                        const double x = kPageMargin + static_cast<double>(k - b.index) * kPictureCell;
                        paintPlate(painter, sheet, nest, p, x, y, scale);
                        painter.setPen(QPen(Qt::black, 0.2 * sheet.dots()));
                        painter.setFont(sheet.font(kPageText));
                        sheet.cell(x, y + p.plate.height * scale, kPictureCell,
                                   "第 " + std::to_string(k + 1) + " 张  " + percent(p.nested.utilisation), false);
                    }
                    break;
            }
        }
    }
    return painter.end();
}

QByteArray nestSummaryPdf(const NestTitle& title, const JobNest& nest) {
    return a4UprightPdf(q(title.name.empty() ? "排料汇总" : title.name + " 排料汇总"),
                        [&](QPdfWriter& writer) { return paintNestSummary(title, nest, writer); });
}

}  // namespace korvel
