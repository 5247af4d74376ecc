#include "ui/picture.h"

#include <QEvent>
#include <QPainter>
#include <QSvgRenderer>

#include "ui/prerendered_pictures.h"

namespace korvel {

Picture::Picture(const QString& resource, QWidget* parent) : QWidget(parent), resource_(resource) {
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    for (const PrerenderedPicture& p : prerenderedPictures())
        if (resource == QLatin1String(p.resource))
            // Shares the build's bytes; nothing is copied until someone writes.
            prerendered_ = QImage(p.argb32, p.width, p.height, p.width * 4, QImage::Format_ARGB32_Premultiplied);
}

QSvgRenderer* Picture::renderer() const {
    if (renderer_ == nullptr) renderer_ = new QSvgRenderer(resource_, const_cast<Picture*>(this));
    return renderer_;
}

bool Picture::isValid() const { return renderer()->isValid(); }

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
    if (!prerendered_.isNull() && prerendered_.size() == size() && devicePixelRatioF() == 1.0) {
        painter.drawImage(0, 0, prerendered_);
        return;
    }
    renderer()->render(&painter, QRectF(rect()));
}

}  // namespace korvel
