#include "output/cut_list_pdf.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cerrno>

#include "core/numbers.h"
#include "output/atomic_file.h"
#include "output/pdf_page.h"

namespace korvel {
namespace {

constexpr double kMargin = kPageMargin, kHeadHeight = kPageHeadHeight, kLineHeight = kPageLineHeight;
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

}  // namespace

int cutListPages(const CutList& list) {
    const size_t lines = list.pieces.size() + footLines(list).size();
    return std::max(1, static_cast<int>((lines + linesPerPage() - 1) / linesPerPage()));
}

bool paintCutList(const Job& job, const CutList& list, QPagedPaintDevice& device, const PageProgress& progress) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    PdfPage sheet(painter, device.logicalDpiX() / 25.4);
    const std::vector<std::string> foot = footLines(list);
    const int pages = cutListPages(list);
    const double width = kPageWidth - 2 * kMargin;
    const std::string jobLine = jobFieldsLine(job.name, job.customer, job.drawing) + "    材料：" + job.material.name +
                                " " + numberText(job.material.density) + " g/cm³";
    size_t next = 0;  // the next line: a piece, then the foot's lines
    const size_t lines = list.pieces.size() + foot.size();
    painter.setPen(QPen(Qt::black, 0.2 * sheet.dots()));
    for (int page = 1; page <= pages; ++page) {
        progress.step(page - 1, pages);
        if (page > 1 && !device.newPage()) return false;
        sheet.head("下料清单", page, pages, jobLine);
        double y = kMargin + kHeadHeight - kLineHeight;
        const bool table = next < list.pieces.size();
        if (table) {
            painter.setFont(sheet.font(kPageText, true));
            double x = kMargin;
            for (size_t c = 0; c < cutListHeadings().size(); ++c) {
                sheet.cell(x, y, kColumns[c], cutListHeadings()[c], static_cast<int>(c) >= kFirstNumberColumn);
                x += kColumns[c];
            }
            sheet.rule(y + kLineHeight);
            painter.setFont(sheet.font(kPageText));
        }
        y += kLineHeight;
        for (int n = 0; n < linesPerPage() && next < lines; ++n, ++next, y += kLineHeight) {
            if (next < list.pieces.size()) {
                const std::vector<std::string> cells = cutPieceCells(list.pieces[next]);
                double x = kMargin;
                for (size_t c = 0; c < cells.size(); ++c) {
                    sheet.cell(x, y, kColumns[c], cells[c], static_cast<int>(c) >= kFirstNumberColumn);
                    x += kColumns[c];
                }
                if (next + 1 == list.pieces.size()) sheet.rule(y + kLineHeight);
            } else {
                sheet.cell(kMargin, y, width, foot[next - list.pieces.size()], false);
            }
        }
    }
    progress.step(pages, pages);
    return painter.end();
}

QByteArray cutListPdf(const Job& job, const CutList& list, const PageProgress& progress) {
    return a4UprightPdf(QString::fromStdString(job.name.empty() ? "下料清单" : job.name + " 下料清单"),
                        [&](QPdfWriter& writer) { return paintCutList(job, list, writer, progress); });
}

void saveCutListPdf(const Job& job, const CutList& list, const std::string& path, const PageProgress& progress) {
    if (path.empty()) throw cad::SaveError("no file name", ENOENT);
    const QByteArray pdf = cutListPdf(job, list, progress);
    // The last moment a cancel still leaves the file as it was.
    if (progress.cancelled()) throw Cancelled();
    cad::saveFileBytes(path, std::string_view(pdf.constData(), static_cast<size_t>(pdf.size())));
}

}  // namespace korvel
