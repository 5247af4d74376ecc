#pragma once
// The calibration page of the 1:1 template: a 100 mm x 100 mm square with a
// millimetre ruler along its top and left edges, and how to print and measure
// it. Printed unscaled (no correction): what the printer makes of it is what
// the user measures (print_correction.h reads the measures).

#include "core/tiled_template.h"

class QPagedPaintDevice;

namespace korvel {

// The square on the page, page mm (y downwards).
MmRect calibrationSquareRect();

// Paints the page on `device`, whose page size (`paper`, portrait) and zero
// margins the caller has set; `printer` is named on the page when not empty.
// False when the device could not be painted on.
bool paintCalibrationPage(QPagedPaintDevice& device, const PaperSize& paper, const std::string& printer);

}  // namespace korvel
