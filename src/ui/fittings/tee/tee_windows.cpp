#include "ui/fittings/tee/tee_windows.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>

#include "core/fittings/tee/tee_design.h"
#include "ui/picture.h"
#include "ui/surface.h"
#include "ui/twips.h"

namespace korvel {
namespace {

constexpr int kPictureWidth = 480, kPictureHeight = 360;  // pixels
constexpr int kPictureMargin = 20;

// Keeps a picture at the top-right corner of its parent. The drawings of both
// windows start at the panel and grow from the bottom (branch pattern, Y-tee
// pipes) or from a fixed origin left of the middle (opening), so the corner
// stays clear of them at the opening size.
class TopRightAnchor : public QObject {
public:
    explicit TopRightAnchor(QWidget* picture) : QObject(picture), picture_(picture) {
        picture->parentWidget()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == picture_->parentWidget() && event->type() == QEvent::Resize)
            picture_->move(picture_->parentWidget()->width() - picture_->width() - kPictureMargin, kPictureMargin);
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* picture_;
};

// The fixed background illustration: a sketch of the fitting with its
// dimensions, under every control. Being a child of the surface it is painted
// over the drawing, so it keeps to the drawing's empty corner.
void addBackground(CalculatorWindow* window, const QString& resource) {
    auto* picture = new Picture(resource, window->surface());
    picture->setObjectName("Picture1");
    picture->resize(kPictureWidth, kPictureHeight);
    new TopRightAnchor(picture);
    picture->lower();
    picture->setAttribute(Qt::WA_TransparentForMouseEvents);
}

QLabel* titleLabel(QLabel* label, double points) {
    label->setFont(songFont(points));
    return label;
}

// Moves a control across, keeping its row.
void moveAcross(QWidget* widget, double left, double width) {
    const QRect g = widget->geometry();
    widget->setGeometry(toPixels(left), g.y(), toPixels(width), g.height());
}

}  // namespace

TeeWindow::TeeWindow() : CalculatorWindow(teeDesign()) {
    addBackground(this, QStringLiteral(":/pictures/tee_background.svg"));
    QLabel* title = titleLabel(addLabel(surface(), {"Label1", 12}, ""), 15);
    place(title, 4560, 360);
}

YTeeWindow::YTeeWindow() : CalculatorWindow(yTeeDesign()) {
    addBackground(this, QStringLiteral(":/pictures/ytee_background.svg"));
    QLabel* title = titleLabel(addLabel(surface(), {"Label1", 8}, ""), 15.75);
    place(title, 3840, 720);

    // The title stands at 3840 twips, so the panel keeps left of it: captions
    // narrower, boxes, units and the listing boxes moved in by 300 twips.
    constexpr double kPanel = 3720, kCaptionWidth = 1800, kBox = 1920, kUnit = 3180;
    for (const auto& in : design().inputs) {
        moveAcross(label(in.caption.key()), 120, kCaptionWidth);
        moveAcross(control(in.box.key()), kBox, 1200);
        moveAcross(label(in.unitLabel.key()), kUnit, 480);
    }
    for (const auto& l : design().lists) {
        moveAcross(label(l.caption.key()), 120, kCaptionWidth);
        moveAcross(control(l.box.key()), kBox, 1200);
        moveAcross(label(l.unitLabel.key()), kUnit, 480);
    }
    moveAcross(control(design().rounding.decimal.key()), kBox, 1700);
    for (QWidget* frame : {static_cast<QWidget*>(inputFrame()), static_cast<QWidget*>(choiceFrame()), frame1()})
        moveAcross(frame, 0, kPanel);
    moveAcross(control("Combo1(1)"), 0, kPanel / 2);
    moveAcross(control("Combo1(2)"), kPanel / 2, kPanel / 2);
}

}  // namespace korvel
