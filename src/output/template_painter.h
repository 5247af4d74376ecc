#pragma once
// Paints a laid-out template (template_layout.h) with Qt: vector lines and
// text, 1 mm on the paper for 1 mm of the pattern, in the installed face that
// stands for "宋体".

#include "output/template_layout.h"

class QPagedPaintDevice;

namespace korvel {

// Paints every page on `device`, whose page size, orientation (those of
// t.tiles) and zero margins the caller has set. False when the device could
// not be painted on.
bool paintTemplate(const PrintedTemplate& t, QPagedPaintDevice& device);

}  // namespace korvel
