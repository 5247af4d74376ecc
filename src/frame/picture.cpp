#include "frame/picture.h"

#include <QEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace korvel {

Picture::Picture(const QString& resource, QWidget* parent)
    : QWidget(parent), resource_(resource), renderer_(new QSvgRenderer(resource, this)) {
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
}

bool Picture::isValid() const { return renderer_->isValid(); }

void Picture::anchorBottomRight(int margin) {
    anchorMargin_ = margin;
    if (parentWidget() != nullptr) parentWidget()->installEventFilter(this);
}

bool Picture::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize && anchorMargin_ >= 0) {
        const QSize area = parentWidget()->size();
        move(area.width() - width() - anchorMargin_, area.height() - height() - anchorMargin_);
    }
    return QWidget::eventFilter(watched, event);
}

void Picture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    renderer_->render(&painter, QRectF(rect()));
}

}  // namespace korvel
