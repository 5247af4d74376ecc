#pragma once
// The elbow window's `cad` command: the full-scale pattern as a CAD drawing.

namespace korvel {

class CalculatorWindow;

// Runs the export from the window's current inputs, asking where to save.
void runElbowCadCommand(CalculatorWindow& window);

}  // namespace korvel
