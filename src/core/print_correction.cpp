#include "core/print_correction.h"

#include <cmath>

#include "core/numbers.h"

namespace korvel {

double PrintCorrection::measuredX() const { return kCalibrationSquare / x; }
double PrintCorrection::measuredY() const { return kCalibrationSquare / y; }

namespace {

bool measureInRange(double mm) { return mm >= kLeastMeasure && mm <= kGreatestMeasure; }

}  // namespace

std::optional<PrintCorrection> correctionFromMeasures(double widthMm, double heightMm) {
    if (!measureInRange(widthMm) || !measureInRange(heightMm)) return std::nullopt;
    return PrintCorrection{kCalibrationSquare / widthMm, kCalibrationSquare / heightMm};
}

CalibrationReading readCalibration(std::string_view width, std::string_view height) {
    const LeadingNumber w = readLeadingNumber(width), h = readLeadingNumber(height);
    if (!w.whole || !h.whole || w.tooLarge || h.tooLarge)
        return {std::nullopt, "请填入量得的宽和高，单位 mm，例如 99.2。"};
    const double wMm = roundHalfEven(w.value, 1), hMm = roundHalfEven(h.value, 1);
    if (const std::optional<PrintCorrection> c = correctionFromMeasures(wMm, hMm)) return {c, ""};
    return {std::nullopt, "量得 " + fixedText(wMm, 1) + " × " + fixedText(hMm, 1) +
                              " mm，超出 90～110 mm：这不是打印机的误差，而是打印时缩放了。\n"
                              "请在打印对话框中关闭“适合页面”，按 100% 实际大小重新打印校准页，再量一次。"};
}

std::optional<double> readCorrectionFactor(std::string_view text) {
    const LeadingNumber f = readLeadingNumber(text);
    if (!f.whole || f.tooLarge || !(f.value >= kLeastFactor && f.value <= kGreatestFactor)) return std::nullopt;
    return f.value;
}

std::string correctionNote(const PrintCorrection& c) {
    return "已按校准 " + fixedText(c.measuredX(), 1) + " × " + fixedText(c.measuredY(), 1) + " mm 修正";
}

}  // namespace korvel
