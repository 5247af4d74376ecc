#include "core/clock_line.h"

#include <cstdio>
#include <ctime>

namespace korvel {
namespace {

// Each weekday keeps its own brackets, exactly as the title bars have always
// shown them: full-width for Sunday to Tuesday, a half-width opening and a
// full-width closing one for Wednesday, half-width for Thursday to Saturday.
constexpr const char* kWeekdays[7] = {
    "（星期日）", "（星期一）", "（星期二）", "(星期三）", "(星期四)", "(星期五)", "(星期六)",
};

std::string& lastLine() {
    static std::string line;
    return line;
}

}  // namespace

std::string dateTimeLine(const ClockReading& reading) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%04d年%02d月%02d日%02d时%02d分%02d秒", reading.year, reading.month,
                  reading.day, reading.hour, reading.minute, reading.second);
    const int weekday = ((reading.weekday % 7) + 7) % 7;
    return std::string(buffer) + kWeekdays[weekday];
}

std::string currentDateTimeLine() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);

    ClockReading reading;
    reading.year = local.tm_year + 1900;
    reading.month = local.tm_mon + 1;
    reading.day = local.tm_mday;
    reading.hour = local.tm_hour;
    reading.minute = local.tm_min;
    reading.second = local.tm_sec;
    reading.weekday = local.tm_wday;

    lastLine() = dateTimeLine(reading);
    return lastLine();
}

const std::string& lastDateTimeLine() { return lastLine(); }

}  // namespace korvel
