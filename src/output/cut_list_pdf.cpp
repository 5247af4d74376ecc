#include "output/cut_list_pdf.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cerrno>

#include "core/numbers.h"
#include "output/atomic_file.h"
#include "output/template_painter.h"
#include "output/template_pdf.h"

namespace korvel {
namespace {

// The page, mm: A4 upright with 15 mm margins all round.
constexpr double kPageWidth = 210, kPageHeight = 297, kMargin = 15;
// The head of a page (title, job line, page number) and one table line, mm.
constexpr double kHeadHeight = 22, kLineHeight = 5.2;
constexpr double kTitleText = 5, kText = 2.6;  // text heights, mm
// The columns, mm, 180 in all: mark, fitting, piece, quantity, width,
// height, area, weight, cut length, pierces. Those from the fourth on hold
// numbers and are set to their right edge.
constexpr double kColumns[] = {18, 24, 30, 13, 16, 16, 16, 15, 23, 9};
constexpr int kFirstNumberColumn = 3;

// The lines under the table: the note, a blank, the totals, the entries left out.
std::vector<std::string> footLines(const CutList& list) {
    std::vector<std::string> lines{kCutListNote, "", "合计："};
    for (const CutTotal& t : list.totals) lines.push_back("  " + cutTotalLine(t));
    if (list.totals.empty()) lines.push_back("  （无）");
    if (!list.leftOut.empty()) lines.insert(lines.end(), {"", "未计入："});
    for (const std::string& line : list.leftOut) lines.push_back("  " + line);
    return lines;
}

// Table lines a page holds under its head and the table's heading.
int linesPerPage() { return static_cast<int>((kPageHeight - 2 * kMargin - kHeadHeight) / kLineHeight) - 1; }

QString q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

int cutListPages(const CutList& list) {
    const size_t lines = list.pieces.size() + footLines(list).size();
    return std::max(1, static_cast<int>((lines + linesPerPage() - 1) / linesPerPage()));
}

bool paintCutList(const Job& job, const CutList& list, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const double dots = device.logicalDpiX() / 25.4;  // dots per mm
    const QString family = templateFamily();
    const auto font = [&](double heightMm, bool bold = false) {
        QFont f(family);
        f.setPixelSize(std::max(1, static_cast<int>(heightMm * dots + 0.5)));
        f.setBold(bold);
        f.setHintingPreference(QFont::PreferNoHinting);
        return f;
    };
    const auto at = [dots](double x, double y, double w, double h) { return QRectF(x * dots, y * dots, w * dots, h * dots); };
    // A cell's text, cut short with "…" where the column is too narrow.
    const auto cell = [&](double x, double y, double width, const std::string& text, bool right) {
        const QString elided = QFontMetricsF(painter.font()).elidedText(q(text), Qt::ElideRight, (width - 1.5) * dots);
        painter.drawText(at(x + 0.75, y, width - 1.5, kLineHeight),
                         Qt::AlignVCenter | (right ? Qt::AlignRight : Qt::AlignLeft), elided);
    };

    const std::vector<std::string> foot = footLines(list);
    const int pages = cutListPages(list);
    const double width = kPageWidth - 2 * kMargin;
    std::string jobLine = "任务：" + job.name;
    if (!job.customer.empty()) jobLine += "    客户：" + job.customer;
    if (!job.drawing.empty()) jobLine += "    图号：" + job.drawing;
    jobLine += "    材料：" + job.material.name + " " + numberText(job.material.density) + " g/cm³";
    size_t next = 0;  // the next line: a piece, then the foot's lines
    const size_t lines = list.pieces.size() + foot.size();
    painter.setPen(QPen(Qt::black, 0.2 * dots));
    for (int page = 1; page <= pages; ++page) {
        if (page > 1 && !device.newPage()) return false;
        painter.setFont(font(kTitleText, true));
        painter.drawText(at(kMargin, kMargin, width, 8), Qt::AlignLeft | Qt::AlignVCenter, q("下料清单"));
        painter.setFont(font(kText));
        painter.drawText(at(kMargin, kMargin, width, 8), Qt::AlignRight | Qt::AlignVCenter,
                         q("第 " + std::to_string(page) + " 页，共 " + std::to_string(pages) + " 页"));
        painter.drawText(at(kMargin, kMargin + 9, width, kLineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         QFontMetricsF(painter.font()).elidedText(q(jobLine), Qt::ElideRight, width * dots));
        double y = kMargin + kHeadHeight - kLineHeight;
        const bool table = next < list.pieces.size();
        if (table) {
            painter.setFont(font(kText, true));
            double x = kMargin;
            for (size_t c = 0; c < cutListHeadings().size(); ++c) {
                cell(x, y, kColumns[c], cutListHeadings()[c], static_cast<int>(c) >= kFirstNumberColumn);
                x += kColumns[c];
            }
            painter.drawLine(at(kMargin, y + kLineHeight, width, 0).topLeft(), at(kMargin, y + kLineHeight, width, 0).topRight());
            painter.setFont(font(kText));
        }
        y += kLineHeight;
        for (int n = 0; n < linesPerPage() && next < lines; ++n, ++next, y += kLineHeight) {
            if (next < list.pieces.size()) {
                const std::vector<std::string> cells = cutPieceCells(list.pieces[next]);
                double x = kMargin;
                for (size_t c = 0; c < cells.size(); ++c) {
                    cell(x, y, kColumns[c], cells[c], static_cast<int>(c) >= kFirstNumberColumn);
                    x += kColumns[c];
                }
                if (next + 1 == list.pieces.size())
                    painter.drawLine(at(kMargin, y + kLineHeight, width, 0).topLeft(),
                                     at(kMargin, y + kLineHeight, width, 0).topRight());
            } else {
                cell(kMargin, y, width, foot[next - list.pieces.size()], false);
            }
        }
    }
    return painter.end();
}

QByteArray cutListPdf(const Job& job, const CutList& list) {
    return steadyPdf(q(job.name.empty() ? "下料清单" : job.name + " 下料清单"),
                     QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                 QPageLayout::Millimeter),
                     600, [&](QPdfWriter& writer) { return paintCutList(job, list, writer); });
}

void saveCutListPdf(const Job& job, const CutList& list, const std::string& path) {
    if (path.empty()) throw cad::SaveError("no file name", ENOENT);
    const QByteArray pdf = cutListPdf(job, list);
    cad::saveFileBytes(path, std::string_view(pdf.constData(), static_cast<size_t>(pdf.size())));
}

}  // namespace korvel
