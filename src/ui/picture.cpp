#include "ui/picture.h"

#include <QEvent>
#include <QFile>
#include <QRegularExpression>
#include <QPainter>
#include <QSvgRenderer>

#include "ui/language.h"
#include "ui/prerendered_pictures.h"

namespace korvel {

namespace {

// The build rendered each picture's file as it is, its texts in Chinese; in
// another language its pixels stand only for a picture whose texts read the
// same there.
bool textsAsBuilt(const QString& resource) {
    if (currentLanguage() == Language::Chinese) return true;
    QFile file(resource);
    return file.open(QIODevice::ReadOnly) && file.readAll() == pictureBytes(resource);
}

}  // namespace

Picture::Picture(const QString& resource, QWidget* parent) : QWidget(parent), resource_(resource) {
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    for (const PrerenderedPicture& p : prerenderedPictures())
        if (p.premultiplied && resource == QLatin1String(p.resource) && textsAsBuilt(resource))
            // Shares the build's bytes; nothing is copied until someone writes.
            prerendered_ = QImage(p.argb32, p.width, p.height, p.width * 4, QImage::Format_ARGB32_Premultiplied);
}

QSvgRenderer* Picture::renderer() const {
    if (renderer_ == nullptr) renderer_ = new QSvgRenderer(pictureBytes(resource_), const_cast<Picture*>(this));
    return renderer_;
}

QByteArray pictureBytes(const QString& resource) {
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QByteArray svg = file.readAll();
    if (currentLanguage() == Language::Chinese) return svg;
    // A picture's texts (a legend's heading) are shown in the windows' language.
    static const QRegularExpression text(QStringLiteral("(<text[^>]*>)([^<]*)(</text>)"));
    QString source = QString::fromUtf8(svg);
    QString out;
    qsizetype last = 0;
    for (auto it = text.globalMatch(source); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += source.mid(last, m.capturedStart(2) - last) + shown(m.captured(2).toStdString());
        last = m.capturedEnd(2);
    }
    out += source.mid(last);
    return out.toUtf8();
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
