#include "ui/fitting_windows.h"

#include "ui/fittings/elbow/elbow_window.h"
#include "ui/fittings/frustum/frustum_windows.h"
#include "ui/fittings/tee/tee_windows.h"
#include "ui/fittings/transition/transition_windows.h"

namespace korvel {

CalculatorWindow* createWindow(const FittingEntry& entry) {
    const std::string& name = entry.design().objectName;
    if (name == "Form4") return new ElbowWindow;
    if (name == "Form5") return new TeeWindow;
    if (name == "Form6") return new YTeeWindow;
    if (name == "Form7") return new RectFrustumWindow;
    if (name == "Form8") return new RoundTopWindow;
    if (name == "Form9") return new RectTopWindow;
    if (name == "Form10") return new ConeWindow;
    return new CalculatorWindow(entry.design());
}

}  // namespace korvel
