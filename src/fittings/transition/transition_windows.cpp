#include "fittings/transition/transition_windows.h"

#include <QLabel>

#include "fittings/transition/transition_design.h"
#include "frame/surface.h"
#include "frame/twips.h"

namespace korvel {
namespace {

// The five result labels stacked at left 120 from `firstTop`, 480 apart, and
// their heading Label1(20).
void addResultLabels(CalculatorWindow* window, double firstTop, double headingLeft, double headingTop,
                     const QString& headingStyle) {
    for (int i = 0; i < 5; ++i) {
        QLabel* result = window->addLabel(window->surface(), {"Label1", 15 + i}, "");
        result->setFont(songFont(10.5));
        result->setStyleSheet(QStringLiteral("color: white;"));
        CalculatorWindow::place(result, 120, firstTop + 480 * i, 4200, 330);
    }
    QLabel* heading = window->addLabel(window->surface(), {"Label1", 20}, "");
    heading->setFont(songFont(12));
    heading->setStyleSheet(headingStyle);
    CalculatorWindow::place(heading, headingLeft, headingTop, 2400, 360);
}

}  // namespace

RoundTopWindow::RoundTopWindow() : CalculatorWindow(roundTopDesign()) {
    addPicture(surface(), {"Image1", -1}, QStringLiteral(":/pictures/round_top_sketch.svg"), 0, 7200, 3510, 2385, true);
    addPicture(surface(), {"Image2", -1}, QStringLiteral(":/pictures/round_top_legend.svg"), 4080, 1440, 10665, 6075,
               false);
    addResultLabels(this, 7320, 1680, 6720, QStringLiteral("color: rgb(255, 0, 0);"));
}

RectTopWindow::RectTopWindow() : CalculatorWindow(rectTopDesign()) {
    addPicture(surface(), {"Image1", -1}, QStringLiteral(":/pictures/rect_top_legend.svg"), 3600, 2880, 11175, 6180,
               false);
    addPicture(surface(), {"Image2", -1}, QStringLiteral(":/pictures/rect_top_sketch.svg"), 0, 6720, 3285, 2640, true);
    addResultLabels(this, 6960, 1440, 6360, QStringLiteral("color: white;"));
}

}  // namespace korvel
