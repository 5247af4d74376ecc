#pragma once
#include "ui/calculator_window.h"

namespace korvel {

// Form5: the tee, branch pipe and the opening in the main pipe.
class TeeWindow : public CalculatorWindow {
    Q_OBJECT
public:
    TeeWindow();
};

// Form6: the Y-shaped tee.
class YTeeWindow : public CalculatorWindow {
    Q_OBJECT
public:
    YTeeWindow();
};

}  // namespace korvel
