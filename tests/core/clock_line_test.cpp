#include "core/clock_line.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

namespace korvel {
namespace {

ClockReading reading(int year, int month, int day, int hour, int minute, int second, int weekday) {
    ClockReading r;
    r.year = year;
    r.month = month;
    r.day = day;
    r.hour = hour;
    r.minute = minute;
    r.second = second;
    r.weekday = weekday;
    return r;
}

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(ClockLine, SundayExample) {
    EXPECT_EQ(dateTimeLine(reading(2026, 12, 6, 9, 5, 3, 0)), "2026年12月06日09时05分03秒（星期日）");
}

TEST(ClockLine, EachWeekdayKeepsItsBrackets) {
    // Full-width U+FF08/U+FF09 for Sunday to Tuesday, mixed for Wednesday,
    // ASCII for Thursday to Saturday. Spelled as bytes so an editor cannot
    // quietly normalise them.
    const std::string expected[7] = {
        "\xEF\xBC\x88星期日\xEF\xBC\x89", "\xEF\xBC\x88星期一\xEF\xBC\x89", "\xEF\xBC\x88星期二\xEF\xBC\x89",
        "(星期三\xEF\xBC\x89",            "(星期四)",                        "(星期五)",
        "(星期六)",
    };
    for (int w = 0; w < 7; ++w) {
        const std::string line = dateTimeLine(reading(2026, 1, 4 + w, 12, 0, 0, w));
        EXPECT_TRUE(endsWith(line, expected[w])) << w << ": " << line;
        const std::string prefix = "2026年01月" + std::string(w + 4 < 10 ? "0" : "") + std::to_string(w + 4) +
                                   "日12时00分00秒";
        EXPECT_EQ(line, prefix + expected[w]);
    }
}

TEST(ClockLine, SaturdayMidnightAndWednesday) {
    const std::string saturday = dateTimeLine(reading(2026, 12, 12, 0, 0, 0, 6));
    EXPECT_EQ(saturday, "2026年12月12日00时00分00秒(星期六)");
    const std::string wednesday = dateTimeLine(reading(2026, 12, 9, 23, 59, 59, 3));
    EXPECT_EQ(wednesday, "2026年12月09日23时59分59秒(星期三）");
}

TEST(ClockLine, YearIsPaddedToFourDigits) {
    EXPECT_EQ(dateTimeLine(reading(987, 1, 1, 1, 1, 1, 4)), "0987年01月01日01时01分01秒(星期四)");
}

TEST(ClockLine, CurrentLineIsKeptAsLastLine) {
    const std::string line = currentDateTimeLine();
    EXPECT_EQ(line, lastDateTimeLine());
    static const std::regex shape(
        "^[0-9]{4}年[0-9]{2}月[0-9]{2}日[0-9]{2}时[0-9]{2}分[0-9]{2}秒"
        "(（星期日）|（星期一）|（星期二）|\\(星期三）|\\(星期四\\)|\\(星期五\\)|\\(星期六\\))$");
    EXPECT_TRUE(std::regex_match(line, shape)) << line;
}

}  // namespace
}  // namespace korvel
