#include "output/pdf_page.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "output/template_painter.h"
#include "output/template_pdf.h"

namespace korvel {
namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

std::string jobFieldsLine(const std::string& name, const std::string& customer, const std::string& drawing) {
    std::string line = "任务：" + name;
    if (!customer.empty()) line += "    客户：" + customer;
    if (!drawing.empty()) line += "    图号：" + drawing;
    return line;
}

QFont PdfPage::font(double heightMm, bool bold) const {
    QFont f(templateFamily());
    f.setPixelSize(std::max(1, static_cast<int>(heightMm * dots_ + 0.5)));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QRectF PdfPage::at(double x, double y, double width, double height) const {
    return QRectF(x * dots_, y * dots_, width * dots_, height * dots_);
}

void PdfPage::cell(double x, double y, double width, const std::string& text, bool right) {
    const QString elided = QFontMetricsF(painter_.font()).elidedText(q(text), Qt::ElideRight, (width - 1.5) * dots_);
    painter_.drawText(at(x + 0.75, y, width - 1.5, kPageLineHeight),
                      Qt::AlignVCenter | (right ? Qt::AlignRight : Qt::AlignLeft), elided);
}

void PdfPage::rule(double y) {
    const QRectF line = at(kPageMargin, y, kPageWidth - 2 * kPageMargin, 0);
    painter_.drawLine(line.topLeft(), line.topRight());
}

void PdfPage::head(const std::string& title, int page, int pages, const std::string& jobLine) {
    const double width = kPageWidth - 2 * kPageMargin;
    painter_.setFont(font(kPageTitleText, true));
    painter_.drawText(at(kPageMargin, kPageMargin, width, 8), Qt::AlignLeft | Qt::AlignVCenter, q(title));
    painter_.setFont(font(kPageText));
    painter_.drawText(at(kPageMargin, kPageMargin, width, 8), Qt::AlignRight | Qt::AlignVCenter,
                      q("第 " + std::to_string(page) + " 页，共 " + std::to_string(pages) + " 页"));
    painter_.drawText(at(kPageMargin, kPageMargin + 9, width, kPageLineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                      QFontMetricsF(painter_.font()).elidedText(q(jobLine), Qt::ElideRight, width * dots_));
}

QByteArray a4UprightPdf(const QString& title, const std::function<bool(QPdfWriter&)>& paint) {
    return steadyPdf(title,
                     QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                 QPageLayout::Millimeter),
                     600, paint);
}

}  // namespace korvel
