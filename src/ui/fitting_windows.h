#pragma once
// The window of a fitting of the catalogue.

#include "core/catalogue.h"

namespace korvel {

class CalculatorWindow;

// A new window for `entry`, not shown; it deletes itself when closed.
CalculatorWindow* createWindow(const FittingEntry& entry);

}  // namespace korvel
