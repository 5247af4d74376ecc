#pragma once
#include "ui/calculator_window.h"

namespace korvel {

// What both transition windows share: a panel narrow enough to leave the
// listing's left column free, and the result labels on the surface.
class TransitionWindow : public CalculatorWindow {
    Q_OBJECT
public:
    explicit TransitionWindow(const WindowDesign& design);

protected:
    // The five result labels stacked at left 120 from `firstTop`, 480 apart,
    // and their heading Label1(20).
    void addResultLabels(double firstTop, double headingLeft, double headingTop, const QString& headingStyle);

private:
    void layOutPanel();
};

// Form8: round top on a rectangular bottom.
class RoundTopWindow : public TransitionWindow {
    Q_OBJECT
public:
    RoundTopWindow();
};

// Form9: rectangular top on a round bottom.
class RectTopWindow : public TransitionWindow {
    Q_OBJECT
public:
    RectTopWindow();
};

}  // namespace korvel
