#pragma once
#include "core/window_design.h"

namespace korvel {
// Form11, the reducing segmented elbow.
const WindowDesign& reducingElbowDesign();
}
