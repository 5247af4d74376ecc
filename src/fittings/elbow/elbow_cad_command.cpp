#include "fittings/elbow/elbow_cad_command.h"

#include "frame/calculator_window.h"

namespace korvel {

void runElbowCadCommand(CalculatorWindow& window) { (void)window; }

}  // namespace korvel
