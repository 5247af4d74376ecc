#pragma once
#include "frame/calculator_window.h"

namespace korvel {

// Form8: round top on a rectangular bottom.
class RoundTopWindow : public CalculatorWindow {
    Q_OBJECT
public:
    RoundTopWindow();
};

// Form9: rectangular top on a round bottom.
class RectTopWindow : public CalculatorWindow {
    Q_OBJECT
public:
    RectTopWindow();
};

}  // namespace korvel
