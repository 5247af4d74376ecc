#pragma once
// The running date and time text that ends the title bars of the main window
// and of a calculator window whose design runs a title clock. Pure C++: no Qt.

#include <string>

namespace korvel {

struct ClockReading {
    int year = 2000;   // four digits
    int month = 1;     // 1..12
    int day = 1;       // 1..31
    int hour = 0;      // 0..23
    int minute = 0;
    int second = 0;
    int weekday = 0;   // days since Sunday, 0..6
};

// "2026年12月06日09时05分03秒（星期日）": year, month, day, hour, minute, second
// with their characters and no separators, then the weekday with its own
// brackets (full-width for Sunday to Tuesday, mixed for Wednesday, half-width
// for Thursday to Saturday).
std::string dateTimeLine(const ClockReading& reading);

// Reads the local clock once (all components from one reading), builds the
// line, keeps it as the last line and returns it.
std::string currentDateTimeLine();

// The line built by the last call of currentDateTimeLine ("" before any).
const std::string& lastDateTimeLine();

}  // namespace korvel
