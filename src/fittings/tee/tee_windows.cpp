#include "fittings/tee/tee_windows.h"

#include <QLabel>

#include "fittings/tee/tee_design.h"
#include "frame/picture.h"
#include "frame/surface.h"

namespace korvel {
namespace {

// The fixed background illustration, low on the right of the surface, under
// everything else.
void addBackground(CalculatorWindow* window, const QString& resource) {
    auto* picture = new Picture(resource, window->surface());
    picture->setObjectName("Picture1");
    picture->resize(480, 360);
    picture->anchorBottomRight(20);
    picture->lower();
    picture->setAttribute(Qt::WA_TransparentForMouseEvents);
}

QLabel* titleLabel(QLabel* label, double points) {
    label->setFont(songFont(points));
    return label;
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
}

}  // namespace korvel
