#pragma once
#include "ui/calculator_window.h"

class QTimer;

namespace korvel {

// Form4: the elbow window, white surface, its own panel layout and a title
// that runs the clock.
class ElbowWindow : public CalculatorWindow {
    Q_OBJECT
public:
    ElbowWindow();
    // The title the clock writes: the name, the date and time line, the unit.
    static QString clockTitle(const std::string& dateTimeLine);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool handleCommand(const std::string& name) override;

private:
    QTimer* timer_;
};

}  // namespace korvel
