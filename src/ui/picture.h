#pragma once
// A picture control showing one of the program's drawings, scaled to its size.

#include <QByteArray>
#include <QImage>
#include <QWidget>

class QSvgRenderer;

namespace korvel {

// The SVG of a picture resource, its texts in the windows' language.
QByteArray pictureBytes(const QString& resource);

class Picture : public QWidget {
    Q_OBJECT
public:
    // `resource` is a Qt resource path such as ":/pictures/cone_frustum_sketch.svg".
    Picture(const QString& resource, QWidget* parent = nullptr);
    QString resource() const { return resource_; }
    bool isValid() const;
    // Keeps the picture at the bottom-right corner of its parent, `margin`
    // pixels from both edges, whenever the parent is resized.
    void anchorBottomRight(int margin);
    // True once the SVG has been read: a picture with pixels rendered at build
    // time reads it only when it is painted at another size.
    bool svgLoaded() const { return renderer_ != nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer* renderer() const;

    QString resource_;
    QImage prerendered_;  // the build's pixels for one size, or null
    mutable QSvgRenderer* renderer_ = nullptr;
    int anchorMargin_ = -1;
};

}  // namespace korvel
