#pragma once
// The printer calibration of the 1:1 template in the windows: the part of the
// template dialog that says which corrections are kept and clears them, and
// the question for the measures of the printed calibration square. Tests
// replace the question so that nothing blocks.

#include <functional>
#include <optional>
#include <string>

class QBoxLayout;
class QComboBox;
class QDialog;
class QWidget;

namespace korvel {

// Adds to the template dialog a line for each correction kept (the PDF file
// on the paper picked in `paper`, following it, and each printer) and the
// button 清除校准, which forgets them.
void addCalibrationPanel(QDialog& dialog, QBoxLayout& layout, QComboBox& paper);

// The measures typed, mm, as typed.
struct CalibrationMeasures {
    std::string width;
    std::string height;
};
// Asks the square's measures on the calibration page printed on `target`
// ("打印机 NAME", "PDF 文件（A4）"); none when the user cancels. On a platform
// without a screen (offscreen) it answers none without showing itself.
std::optional<CalibrationMeasures> askCalibrationMeasures(QWidget* parent, const std::string& target);

using CalibrationMeasuresHandler = std::function<std::optional<CalibrationMeasures>(const std::string& target)>;
// Replaces the question (an empty handler brings it back); returns the previous handler.
CalibrationMeasuresHandler setCalibrationMeasuresHandler(CalibrationMeasuresHandler handler);

}  // namespace korvel
