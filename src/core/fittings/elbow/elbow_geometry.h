#pragma once
// Geometry of the segmented elbow: the end section (cut at half the joint
// angle on one side), the middle section (cut on both sides, twice as long at
// every generatrix), the developed length, the weight, and the two flat
// patterns as canvas primitives. Numbers in, numbers and primitives out; no
// texts of controls, no Qt.
//
// Lengths are millimetres, angles degrees; every angle goes to the
// trigonometric call as pi * angle / 180 with pi = 4 * atan(1). The division
// angle phi is measured around the pipe from the inner side of the bend.
//
// What cannot be computed is decided before any arithmetic that would meet it
// and reported as an ElbowFault; the numbers of a faulty geometry are not used:
//   Segments      k < 2: no joint, so no half joint (m = 0) to cut at.
//   Divisions     n is not a positive multiple of 4 up to 1000: the listings
//                 and patterns index the quarter points n/4, n/2 and 3n/4, and
//                 a larger n would only list thousands of lines.
//   BendTooSharp  theta = alpha / m is 90 degrees or more (k = 2 and
//                 alpha = 180, for example): tan is infinite there and negative
//                 beyond, so the section would have no finite length.
//   ScaleTooSmall the vertical scale's denominator round(5 * R * T, digits)
//                 is 0 or less: 5 * R * T rounds away and the pattern has no
//                 height to scale to.
//   OutOfRange    some listed or drawn quantity does not fit a double (a
//                 circumference or a weight beyond 1e308).

#include <string>
#include <vector>

#include "core/canvas.h"

namespace korvel {

struct ElbowInputs {
    double D = 0;      // pipe outside diameter, mm
    double R = 0;      // bend radius to the pipe axis, mm
    double alpha = 0;  // bend angle, degrees
    double t = 0;      // wall thickness, mm (0: no weight)
    int k = 0;         // number of segments (two end sections and k - 2 middle ones)
    int n = 0;         // divisions of the circumference
    int digits = 0;    // decimals of every listed value
};

enum class ElbowFault { None, Segments, Divisions, BendTooSharp, ScaleTooSmall, OutOfRange };

// Largest division count the geometry accepts.
inline constexpr int kElbowMaxDivisions = 1000;

struct ElbowGeometry {
    ElbowInputs in;
    ElbowFault fault = ElbowFault::None;

    double pi = 0;
    double m = 0;        // number of half joints, (k - 1) * 2
    double theta = 0;    // end-section cut angle, degrees; a middle section spans 2 theta
    double T = 0;        // tan(theta)
    double delta = 0;    // angle of one division, 360 / n degrees
    double r = 0;        // pipe radius
    double C = 0;        // circumference
    double Lmin = 0;     // shortest end-section generatrix, on the inner side
    double Lmax = 0;     // longest end-section generatrix, on the outer side
    double Lc = 0;       // developed length of the elbow's centre line, whole mm
    double W = 0;        // weight in kg, steel at 7.85e-6 kg per mm^3
    double a = 0;        // arc length of one division
    double scaleDenominator = 0;  // round(5 * R * T, digits)
    double s = 0;        // vertical drawing scale: a quarter-point generatrix R * T stands 20 units

    // End-section generatrix at division angle phi: (R - r cos phi) * T.
    double E(double phiDegrees) const;
};

// Every derived quantity of the elbow, in the order the commands need them.
ElbowGeometry computeElbow(const ElbowInputs& in);
// Only what the division listing needs (pi, delta, C, a); checks n and range.
ElbowGeometry computeElbowDivisions(const ElbowInputs& in);

// One listing shown across the two listing boxes: the left box holds indices
// 0 to n/2, the right box n/2 to n, so the middle line stands in both.
struct ElbowListing {
    Rgb colour = kBlack;
    std::string leftHeading, rightHeading;
    std::vector<std::string> left, right;
};

// "L<i> = <E>", i = 0 at a quarter point, n/4 the inner side, 3n/4 the outer.
ElbowListing endListing(const ElbowGeometry& g);
// "L<j> = <2E>", j = 0 at a quarter point, n/4 the outer side, 3n/4 the inner.
ElbowListing middleListing(const ElbowGeometry& g);
// "D<i> = <i * a>": distances along the developed circumference.
ElbowListing divisionListing(const ElbowGeometry& g);
// "管道周长 = <C> mm   弯头重量 = <W> kg".
std::string elbowSummary(const ElbowGeometry& g);

// Point size of the pattern's printed names, smaller as the names crowd.
double elbowFontPoints(int n);
inline constexpr const char* kElbowFontName = "宋体";

// The patterns in the surface's logical frame (-100, -100) to (0, 0): 80 units
// wide for the whole circumference, base line at y = -10, heights E * s
// upwards. The end section's generatrix j (j = -n/4 ... 3n/4) stands at
// x = j * 80 / n - 61.8.
void drawEndPattern(const ElbowGeometry& g, Canvas& canvas);
// The end pattern again as reference, and below it the middle section, mirrored
// about the red centre line y = -50, generatrix j (j = n/4 ... 5n/4) at
// x = j * 80 / n - 101.8. Red names are printed by switching the fore colour
// and back to `defaultColour`.
void drawMiddlePattern(const ElbowGeometry& g, Canvas& canvas, Rgb defaultColour = kBlack);

}  // namespace korvel
