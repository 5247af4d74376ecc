#pragma once
#include "core/window_design.h"

namespace korvel {
// Form4, the segmented elbow of any bend angle.
const WindowDesign& elbowDesign();
}
