#pragma once
// A printer's correction for the 1:1 template. Printers scale a little even at
// 100 % (1-2 %, and about 12 % when "fit to page" slips in): the user prints
// the calibration page, measures its 100 mm square across and down, and the
// template's pages are then drawn larger or smaller by the inverse, so that a
// printer that prints 100 mm as 99.2 mm gets 100 x 100 / 99.2 mm and prints
// 100 mm.

#include <optional>
#include <string>
#include <string_view>

namespace korvel {

struct PrintCorrection {
    // The factors the whole page content is scaled by about the page's
    // origin, across (x) and down (y) the page; 1 is none.
    double x = 1.0;
    double y = 1.0;

    bool none() const { return x == 1.0 && y == 1.0; }
    // The measures the factors stand for: the square's side as the printer
    // printed it, mm.
    double measuredX() const;
    double measuredY() const;
    bool operator==(const PrintCorrection&) const = default;
};

// The calibration page's square, mm.
inline constexpr double kCalibrationSquare = 100.0;
// The measures a printer at 100 % can give, mm; the factors they make.
inline constexpr double kLeastMeasure = 90.0;
inline constexpr double kGreatestMeasure = 110.0;
inline constexpr double kLeastFactor = 0.9;
inline constexpr double kGreatestFactor = 1.1;

// The measures the user typed, as read: a correction, or the message that
// refuses them (no number, or outside 90-110 mm).
struct CalibrationReading {
    std::optional<PrintCorrection> correction;
    std::string refusal;
};
// Reads the measured width and height of the calibration square, mm; each is
// taken to one decimal, as the note on page 1 prints it.
CalibrationReading readCalibration(std::string_view width, std::string_view height);

// The correction of two measures already read and in range; none otherwise.
std::optional<PrintCorrection> correctionFromMeasures(double widthMm, double heightMm);

// A factor of `korvel pdf --scale-x|--scale-y`: a plain number from 0.9 to 1.1.
std::optional<double> readCorrectionFactor(std::string_view text);

// The note page 1 of a corrected template carries: "已按校准 100.0 × 99.2 mm 修正".
std::string correctionNote(const PrintCorrection& c);

}  // namespace korvel
