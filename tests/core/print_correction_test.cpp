// The printer calibration's measures: read to one decimal, refused outside
// 90-110 mm with the reason, and the factors of korvel pdf --scale-x.

#include <gtest/gtest.h>

#include "core/print_correction.h"

namespace korvel {
namespace {

TEST(PrintCorrection, MeasuresGiveTheInverseFactorsAndTheNotePrintsThemAsTyped) {
    const CalibrationReading r = readCalibration(" 99.2", "100");
    ASSERT_TRUE(r.correction) << r.refusal;
    EXPECT_NEAR(r.correction->x, 1.008065, 1e-6);  // 100 / 99.2
    EXPECT_EQ(r.correction->y, 1.0);
    EXPECT_EQ(correctionNote(*r.correction), "已按校准 99.2 × 100.0 mm 修正");
    EXPECT_EQ(correctionNote({1.008, 1.0}), "已按校准 99.2 × 100.0 mm 修正");
    EXPECT_TRUE(readCalibration("90", "110").correction) << "the ends are in";
}

TEST(PrintCorrection, MeasuresOutsideTheRangeOrNoNumberAreRefusedWithTheReason) {
    for (const auto& [w, h] : std::vector<std::pair<std::string, std::string>>{
             {"85", "100"}, {"100", "110.1"}, {"88.0", "88.0"}, {"-100", "100"}}) {
        const CalibrationReading r = readCalibration(w, h);
        EXPECT_FALSE(r.correction) << w << " " << h;
        EXPECT_NE(r.refusal.find("超出 90～110 mm"), std::string::npos) << r.refusal;
        EXPECT_NE(r.refusal.find("适合页面"), std::string::npos);
    }
    for (const char* bad : {"", "abc", "99,2", "1e999"})
        EXPECT_EQ(readCalibration(bad, "100").refusal, "请填入量得的宽和高，单位 mm，例如 99.2。") << bad;

    EXPECT_EQ(readCorrectionFactor("1.008"), 1.008);
    EXPECT_EQ(readCorrectionFactor("0.9"), 0.9);
    for (const char* bad : {"0.89", "1.2", "1.0x", "", "nan"}) EXPECT_FALSE(readCorrectionFactor(bad)) << bad;
}

}  // namespace
}  // namespace korvel
