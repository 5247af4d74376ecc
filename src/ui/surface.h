#pragma once
// The drawing surface of a calculator window: keeps the recorded canvas
// operations since the last clear and replays them with QPainter.

#include <QWidget>
#include <string>
#include <vector>

#include "core/canvas.h"

class QPainter;

namespace korvel {

// Replays primitives on a painter whose device is `size` pixels large.
// Surface units are twips unless a ScaleOp sets user coordinates.
void replay(QPainter& painter, const std::vector<Primitive>& primitives, QSizeF size, Rgb foreground);

// The texts the text lines among `primitives` print, read down the lines'
// first items, then down their second items and so on: two tables printed
// side by side (a corner's heading over its lengths, the next corner's
// beside it) come out one after the other. Blank texts are left out.
std::vector<std::string> printedTexts(const std::vector<Primitive>& primitives);

class Surface : public QWidget {
    Q_OBJECT
public:
    explicit Surface(QWidget* parent = nullptr);

    void setColours(Rgb background, Rgb foreground);
    Rgb background() const { return background_; }
    Rgb foreground() const { return foreground_; }

    // Adds one operation; a clear drops what was drawn and printed but keeps
    // the state a clear does not reset (user scale, colour, font, line style).
    void add(const Primitive& primitive);
    const std::vector<Primitive>& primitives() const { return primitives_; }

    // Surface units (twips, or the user scale) to pixels of this widget.
    QPointF toPixels(double x, double y) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<Primitive> primitives_;
    Rgb background_ = kBlack;
    Rgb foreground_ = kWhite;
};

}  // namespace korvel
