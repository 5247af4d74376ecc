#include "ui/fittings/frustum/frustum_windows.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

#include "core/fittings/frustum/cone_commands.h"
#include "core/fittings/frustum/frustum_design.h"
#include "core/fittings/frustum/rect_frustum_commands.h"
#include "ui/line_control.h"
#include "ui/surface.h"
#include "ui/twips.h"

namespace korvel {
namespace {

void addLine(CalculatorWindow* window, int number, Rgb colour) {
    auto* line = new LineControl(window->surface());
    window->registerControl(line, {"Line" + std::to_string(number), -1});
    line->setColor(QColor((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF));
    line->hide();
}

// Extends Frame1 downwards by `height` twips and returns the top of the new room.
double growFrame1(CalculatorWindow* window, double height) {
    QWidget* frame = window->frame1();
    const double top = toTwips(frame->height());
    frame->resize(frame->width(), toPixels(top + height));
    return top;
}

}  // namespace

RectFrustumWindow::RectFrustumWindow() : CalculatorWindow(rectFrustumDesign()) {
    // Below the frames: the sketch, and in its place the listing once computed.
    const double top = growFrame1(this, 4200);
    addPicture(frame1(), {"Image1", -1}, QStringLiteral(":/pictures/rect_frustum_sketch.svg"), 120, top + 60, 3510,
               2385, true);
    QLabel* heading = addLabel(frame1(), {"Label1", 26}, "");
    heading->setFont(songFont(12));
    heading->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    place(heading, 120, top + 60, 3600, 360);
    heading->hide();
    double y = top + 480;
    for (int i = 14; i <= 21; ++i) {
        QLabel* line = addLabel(frame1(), {"Label1", i}, "");
        place(line, 120, y, 3800, 300);
        line->hide();
        y += i == 17 ? 540 : 390;  // a wider gap between the heights and the joints
    }
    // The compass letters round the plan, whose big end spans some 7000 to
    // 8000 twips about the fixed centre (9450, 5400).
    const char* compass[] = {"东", "南", "西", "北"};
    const double letterPlaces[][2] = {{13800, 5250}, {9330, 9000}, {4900, 5250}, {9330, 1500}};
    for (int i = 0; i < 4; ++i) {
        QLabel* letter = addLabel(surface(), {"Label1", 22 + i}, compass[i]);
        letter->setFont(songFont(12));
        place(letter, letterPlaces[i][0], letterPlaces[i][1]);
        letter->hide();
    }
    addLine(this, 1, rgb(255, 0, 0));
    addLine(this, 2, rgb(255, 0, 0));
    connect(list("Combo1"), &QComboBox::currentIndexChanged, this,
            [this] { apply(rectFrustumVariantSwitch(readState())); });
}

ConeWindow::ConeWindow() : CalculatorWindow(coneDesign()) {
    // The listing frame under the inputs, then the frustum picture.
    const double top = growFrame1(this, 3000 + 2500);
    auto* shown = new QGroupBox(QStringLiteral("显示数据"), frame1());
    shown->setObjectName("Frame4");
    place(shown, 0, top + 60, 4020, 2900);
    double y = 330;
    for (int i : {8, 10, 9, 11, 12, 13, 14}) {
        QLabel* line = addLabel(shown, {"Label1", i}, "");
        place(line, 120, y, 3800, 300);
        y += 360;
    }
    addPicture(frame1(), {"Image1", -1}, QStringLiteral(":/pictures/cone_frustum_sketch.svg"), 120, top + 3040, 3600,
               2400, true);
    QLabel* title = addLabel(surface(), {"Label1", 15}, "");
    title->setFont(songFont(15));
    place(title, 9000, 360);
    QLabel* note = addLabel(surface(), {"Label1", 16}, "");
    place(note, 6000, 10200);
    for (int i = 1; i <= 4; ++i) addLine(this, i, kWhite);
    connect(list("Combo1"), &QComboBox::currentIndexChanged, this,
            [this] { apply(coneVariantSwitch(readState())); });
}

}  // namespace korvel
