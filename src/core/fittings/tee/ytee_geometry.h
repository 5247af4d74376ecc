#pragma once
// Geometry of the equal-diameter Y-tee: a vertical pipe (pipe I, made once)
// and two slanted pipes (pipe II, made twice, mirror images) of one outside
// diameter D, their axes in one plane and meeting in one centre point, the
// slanted pipes opening downwards at beta between their axes. Every joint is a
// plane mitre through the line through the centre point square to that plane:
// vertical against slanted at beta/4 to a pipe's cross-section, slanted
// against slanted at 90 - beta/2. Each pipe is developed by parallel lines.
// Numbers in, numbers, listing lines and canvas primitives out; no Qt.
//
// Lengths are millimetres, angles degrees turned into radians with the
// window's own pi = 3.1415926535799. Generator k = 0 lies in the plane of the
// axes on the outer side; k = n/4 and 3n/4 in front of and behind the axis
// have the pipe length L.
//
// What cannot be computed or makes no fitting is decided first and reported
// as a YTeeFault:
//   Angle       beta outside (0, 180]: at 0 the slanted pipes lie on top of
//               each other and their mitre has no slope (1 / tan 0); below 0
//               or above 180 the slanted pipes point upwards and the cuts
//               would lie beyond the centre point. 180 is a T.
//   Divisions   n is not a positive multiple of 4 up to 1000: the pattern is
//               split at the quarter points n/4, n/2 and 3n/4.
//   OutOfRange  a listed or drawn quantity does not fit a double.

#include <string>
#include <vector>

#include "core/canvas.h"
#include "core/fittings/tee/pipe_divisions.h"

namespace korvel {

inline constexpr double kYTeePi = kTeePi;

struct YTeeInputs {
    double D = 0;     // outside diameter of all three pipes, mm
    double L = 0;     // pipe length from the square-cut end to the centre point, mm
    double beta = 0;  // angle between the slanted pipes' axes, degrees
    int n = 0;        // divisions of the circumference
    int digits = 0;   // decimals of every listed value
};

enum class YTeePipe { Vertical, Slanted };

enum class YTeeFault { None, Angle, Divisions, OutOfRange };

struct YTeeGeometry {
    YTeeInputs in;
    YTeePipe pipe = YTeePipe::Vertical;
    YTeeFault fault = YTeeFault::None;

    double R = 0;      // pipe radius
    double delta = 0;  // angle of one division, degrees
    double Ta = 0;     // slope of the vertical-slanted mitre, tan(beta / 4)
    double Tb = 0;     // slope of the slanted-slanted mitre, 1 / tan(beta / 2)
    std::vector<double> L;  // generator lengths L_0 ... L_n
};

// The generators of one pipe.
YTeeGeometry computeYTee(const YTeeInputs& in, YTeePipe pipe);

// " L<k>=<L_k>": indices 0 ... n/2 on the left, n/2 ... n on the right.
TeeListing yTeeListing(const YTeeGeometry& g);
// " D<i>=<i * a>", split the same way; the divisions of the outside
// circumference, computeTeeDivisions(D, n, digits).
TeeListing yTeeDivisionListing(const TeeDivisions& v);

// The drawing title of Label1(8) and the piece caption under the pattern.
std::string yTeeTitle(YTeePipe pipe);
std::string yTeePieceCaption(YTeePipe pipe);

// Laid out from the window's outer size W x H (twips), each figure rounded to
// a whole twip, halves to even: the circumference from x0 over the width w,
// the middle half centred on xm, the base line from x0 to xe at y0. Heights
// are 3 twips per millimetre whatever the size.
struct YTeeLayout {
    double x0 = 0, w = 0, xm = 0, xe = 0, y0 = 0;
    double p = 0;  // pitch of the divisions, w / n, not rounded
    int n = 0;
    double X(int k) const { return x0 + k * p; }
    // The abscissa of the middle half, counted from xm.
    double Xm(int k) const { return xm + (k - n / 2) * p; }
};
YTeeLayout yTeeLayout(double W, double H, int n);

inline constexpr Rgb kYTeeCyan = rgb(0, 255, 255);

// Generators and the cut in cyan, the quarter and half generators again in
// white, "D<k>" under every second generator, the piece caption, and the "L"
// names over the tops: numbered in the outer quarters, bare in the middle half.
void drawYTee(const YTeeGeometry& g, const YTeeLayout& layout, Canvas& canvas);

}  // namespace korvel
