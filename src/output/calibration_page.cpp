#include "output/calibration_page.h"

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/print_correction.h"
#include "output/template_painter.h"

namespace korvel {

MmRect calibrationSquareRect() { return {45, 80, kCalibrationSquare, kCalibrationSquare}; }

bool paintCalibrationPage(QPagedPaintDevice& device, const PaperSize& paper, const std::string& printer) {
    QPainter p;
    if (!p.begin(&device)) return false;
    const double dotsPerMm = device.logicalDpiX() / 25.4;
    p.scale(dotsPerMm, dotsPerMm);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QString family = templateFamily();
    // Text with its base line's left end at `at`, page mm, `height` mm high.
    const auto text = [&](double x, double y, const std::string& s, double height) {
        p.save();
        p.translate(x, y);
        p.scale(1 / dotsPerMm, 1 / dotsPerMm);
        QFont f(family);
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(height * dotsPerMm))));
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(QPointF(0, 0), QString::fromStdString(s));
        p.restore();
    };
    const auto pen = [](double width) {
        QPen pen(Qt::black, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        pen.setCosmetic(false);
        return pen;
    };

    text(20, 25, "Korvel 打印校准页", 7);
    text(20, 34, "纸张 " + paper.name + (printer.empty() ? "" : "，打印机 " + printer), 3.5);
    text(20, 42, "1. 按实际大小（100%）打印，关闭“适合页面”“缩放至纸张大小”。", 3.5);
    text(20, 48, "2. 用钢尺量下面方框的宽（左右）和高（上下），精确到 0.1 mm。", 3.5);
    text(20, 54, "3. 把量得的宽和高填入 Korvel：以后在这台打印机（或这种纸的 PDF）上", 3.5);
    text(20, 60, "   打印的 1:1 样板按它修正，第 1 页注明“已按校准 … 修正”。", 3.5);

    const MmRect r = calibrationSquareRect();
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(0.3));
    p.drawRect(QRectF(r.left, r.top, r.width, r.height));
    // The rulers: a tick a millimetre along the top edge (upwards) and the
    // left edge (leftwards), longer at 5 and 10 mm, numbered every 10 mm.
    p.setPen(pen(0.15));
    for (int mm = 0; mm <= static_cast<int>(kCalibrationSquare); ++mm) {
        const double length = mm % 10 == 0 ? 4 : mm % 5 == 0 ? 2.5 : 1.5;
        p.drawLine(QPointF(r.left + mm, r.top), QPointF(r.left + mm, r.top - length));
        p.drawLine(QPointF(r.left, r.top + mm), QPointF(r.left - length, r.top + mm));
        if (mm % 10 != 0) continue;
        const std::string n = std::to_string(mm);
        text(r.left + mm - 0.6 * static_cast<double>(n.size()), r.top - 5, n, 2.5);
        text(r.left - 6 - 1.2 * static_cast<double>(n.size()), r.top + mm + 0.9, n, 2.5);
    }
    text(r.left + 30, r.top + 45, "宽 100.0 mm", 4.5);
    text(r.left + 30, r.top + 55, "高 100.0 mm", 4.5);
    text(r.left, r.bottom() + 10, "量得的尺寸在 90～110 mm 以外时，打印时缩放了：请检查“适合页面”后重印。", 3);
    return p.end();
}

}  // namespace korvel
