#pragma once
#include "core/window_design.h"

namespace korvel {
// Form8, round top on a rectangular bottom, with offsets.
const WindowDesign& roundTopDesign();
// Form9, rectangular top on a round bottom, with offsets.
const WindowDesign& rectTopDesign();
}
