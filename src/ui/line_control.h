#pragma once
// A straight line drawn on a window, placed by its two end points in twips of
// the parent's coordinates. The widget covers the line's bounding box plus a
// small margin and lets every mouse event through to what lies beneath.

#include <QColor>
#include <QWidget>

namespace korvel {

class LineControl : public QWidget {
    Q_OBJECT

public:
    explicit LineControl(QWidget* parent = nullptr);

    // Places the line from (x1, y1) to (x2, y2), twips in the parent's
    // coordinates, and moves the widget over it.
    void setLine(double x1, double y1, double x2, double y2);

    // The end points exactly as last set (twips).
    double x1() const { return x1_; }
    double y1() const { return y1_; }
    double x2() const { return x2_; }
    double y2() const { return y2_; }

    void setColor(const QColor& color);
    QColor color() const { return color_; }

    // Pixels of free space around the line's bounding box.
    static constexpr int kMargin = 2;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double x1_ = 0.0;
    double y1_ = 0.0;
    double x2_ = 0.0;
    double y2_ = 0.0;
    QColor color_ = Qt::black;
    // The end points in the widget's own pixels, fixed when the line is set.
    QPoint localA_;
    QPoint localB_;
};

}  // namespace korvel
