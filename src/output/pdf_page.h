#pragma once
// What the job's printed pages (the cut list, the nest summary) share: A4
// upright with 15 mm margins, a head on every page (the page's title and its
// number, the job's line under them) and table lines, everything measured in
// millimetres on the device it paints.

#include <QByteArray>
#include <QFont>
#include <QRectF>
#include <QString>
#include <functional>
#include <string>

class QPainter;
class QPdfWriter;

namespace korvel {

// The page, mm: A4 upright with 15 mm margins all round.
inline constexpr double kPageWidth = 210, kPageHeight = 297, kPageMargin = 15;
// The head of a page (title, job line, page number) and one table line, mm.
inline constexpr double kPageHeadHeight = 22, kPageLineHeight = 5.2;
inline constexpr double kPageTitleText = 5, kPageText = 2.6;  // text heights, mm

// "任务：NAME    客户：CUSTOMER    图号：DRAWING", the empty fields left out.
std::string jobFieldsLine(const std::string& name, const std::string& customer, const std::string& drawing);

// Paints on a device `dotsPerMm` dots to the millimetre.
class PdfPage {
public:
    PdfPage(QPainter& painter, double dotsPerMm) : painter_(painter), dots_(dotsPerMm) {}

    // The template's face, `heightMm` high.
    QFont font(double heightMm, bool bold = false) const;
    // A rectangle given in mm from the page's top left corner.
    QRectF at(double x, double y, double width, double height) const;
    // A table cell's text one line high, cut short with "…" where the column is too narrow.
    void cell(double x, double y, double width, const std::string& text, bool right);
    // A line across the page's width at `y`.
    void rule(double y);
    // The head: `title` bold at the left, "第 N 页，共 M 页" at the right, `jobLine` under them.
    void head(const std::string& title, int page, int pages, const std::string& jobLine);

    double dots() const { return dots_; }

private:
    QPainter& painter_;
    double dots_;
};

// The PDF file of A4 upright pages `paint` paints, its bytes steady (steadyPdf).
QByteArray a4UprightPdf(const QString& title, const std::function<bool(QPdfWriter&)>& paint);

}  // namespace korvel
