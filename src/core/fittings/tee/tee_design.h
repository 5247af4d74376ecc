#pragma once
#include "core/window_design.h"

namespace korvel {
// Form5, the tee of equal or unequal diameters at any angle.
const WindowDesign& teeDesign();
// Form6, the Y-shaped tee of equal diameters.
const WindowDesign& yTeeDesign();
}
