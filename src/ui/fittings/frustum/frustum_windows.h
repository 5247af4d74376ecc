#pragma once
#include "ui/calculator_window.h"

namespace korvel {

// Form7: the rectangular frustum.
class RectFrustumWindow : public CalculatorWindow {
    Q_OBJECT
public:
    RectFrustumWindow();
};

// Form10: the cone and the cone frustum.
class ConeWindow : public CalculatorWindow {
    Q_OBJECT
public:
    ConeWindow();
};

}  // namespace korvel
