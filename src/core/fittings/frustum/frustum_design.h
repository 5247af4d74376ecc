#pragma once
#include "core/window_design.h"

namespace korvel {
// Form7, the rectangular frustum with flat ends and single or double offset.
const WindowDesign& rectFrustumDesign();
// Form10, the concentric cone and cone frustum.
const WindowDesign& coneDesign();
}
