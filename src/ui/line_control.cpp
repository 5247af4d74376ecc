#include "ui/line_control.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "ui/twips.h"

namespace korvel {
namespace {

// Twips to pixels, kept inside what a widget geometry can hold.
int safePixels(double twips) {
    if (!std::isfinite(twips)) return 0;
    const double limit = toTwips(1000000.0);
    return toPixels(std::clamp(twips, -limit, limit));
}

}  // namespace

LineControl::LineControl(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAutoFillBackground(false);
    setLine(0.0, 0.0, 0.0, 0.0);
}

void LineControl::setLine(double x1, double y1, double x2, double y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    const QPoint a(safePixels(x1), safePixels(y1));
    const QPoint b(safePixels(x2), safePixels(y2));
    const int left = std::min(a.x(), b.x()) - kMargin;
    const int top = std::min(a.y(), b.y()) - kMargin;
    const int right = std::max(a.x(), b.x()) + kMargin;
    const int bottom = std::max(a.y(), b.y()) + kMargin;
    const QPoint origin(left, top);
    localA_ = a - origin;
    localB_ = b - origin;
    setGeometry(left, top, right - left + 1, bottom - top + 1);
    update();
}

void LineControl::setColor(const QColor& color) {
    color_ = color;
    update();
}

void LineControl::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    QPen pen(color_);
    pen.setWidth(1);
    painter.setPen(pen);
    painter.drawLine(localA_, localB_);
}

}  // namespace korvel
