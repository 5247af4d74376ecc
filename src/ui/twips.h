#pragma once
// Twips (1440 per inch) to device pixels and back, through the screen's logical
// DPI. Every control position and every drawing in twips goes through here.

namespace korvel {

// Logical dots per inch of the primary screen (96 when there is no screen).
double screenDpi();
// Overrides the DPI (tests; printing at the screen's resolution).
void setScreenDpi(double dpi);

inline constexpr double kTwipsPerInch = 1440.0;

double twipsPerPixel();
// Rounded to the nearest whole pixel.
int toPixels(double twips);
double toTwips(double pixels);

}  // namespace korvel
