#pragma once
// A picture control showing one of the program's drawings, scaled to its size.

#include <QWidget>

class QSvgRenderer;

namespace korvel {

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    void paintEvent(QPaintEvent* event) override;

private:
    QString resource_;
    QSvgRenderer* renderer_;
    int anchorMargin_ = -1;
};

}  // namespace korvel
