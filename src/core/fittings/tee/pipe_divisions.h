#pragma once
// What the tee and the Y-tee windows list alike: a pipe's outside
// circumference divided into n parts, and a listing across their two listing
// boxes whose lines run from station 0 to station n, split at the half. No Qt.

#include <functional>
#include <string>
#include <vector>

namespace korvel {

// The tee windows' own value of pi.
inline constexpr double kTeePi = 3.1415926535799;
// Largest division count the tee windows accept.
inline constexpr int kTeeMaxDivisions = 1000;

// A division count both tee windows can use: a positive multiple of 4 up to
// kTeeMaxDivisions, so that the quarter and half stations are stations.
bool teeDivisionsUsable(int n);

// One listing across the two listing boxes.
struct TeeListing {
    std::string leftHeading, rightHeading;
    std::vector<std::string> left, right;
};

// The lines line(0) ... line(n): indices 0 ... n/2 on the left, n/2 ... n on
// the right (the half station in both).
TeeListing halvedListing(std::string leftHeading, std::string rightHeading, int n,
                         const std::function<std::string(int)>& line);

// "L16=1320": a name, the index and the rounded value joined without blanks.
std::string teeListingLine(const char* name, int index, double value, int digits);

// The cumulative arc lengths of the divisions of a pipe's outside
// circumference: D_i = i * pi * diameter / n.
enum class DivisionsFault { None, Divisions, OutOfRange };
struct TeeDivisions {
    DivisionsFault fault = DivisionsFault::None;
    int n = 0;
    int digits = 0;
    double a = 0;  // arc length of one division, mm
};
TeeDivisions computeTeeDivisions(double diameter, int n, int digits);

}  // namespace korvel
