#pragma once
// Geometry of the flat-ended rectangular frustum whose small end may be offset
// east (e) and north or south (n) from the big end. Each of the four faces is
// a trapezoid between a big-end side and the parallel small-end side; its true
// height comes from the vertical height and the run between the two sides in
// plan, and each corner joint is the space diagonal of its two runs. The plan
// view of both ends is drawn in twips about the fixed centre (9450, 5400),
// north up, at a scale picked from the big end's transverse side.
//
// Side lengths are inner dimensions in millimetres; no plate thickness enters.
// Nothing is rejected but what does not fit a double (OutOfRange): negative
// runs simply make a face lean the other way.

#include <string>
#include <vector>

#include "core/canvas.h"

namespace korvel {

struct RectFrustumInputs {
    double A = 0;  // big end, transverse (east-west) inner side
    double B = 0;  // big end, longitudinal (north-south) inner side
    double a = 0;  // small end, transverse inner side
    double b = 0;  // small end, longitudinal inner side
    double H = 0;  // vertical height between the ends
    double e = 0;  // eastward offset of the small end's centre
    double n = 0;  // northward (or, with `south`, southward) offset
    bool south = false;
    int digits = 0;  // decimals of the listed values
};

enum class RectFrustumFault { None, OutOfRange };

struct RectFrustumGeometry {
    RectFrustumInputs in;
    RectFrustumFault fault = RectFrustumFault::None;
    // Runs in plan between the big-end side and the small-end side of a face.
    double dS = 0, dN = 0, dW = 0, dE = 0;
    // Face true heights: south, north, west, east.
    double h1 = 0, h2 = 0, h3 = 0, h4 = 0;
    // Corner joint true lengths: south-west, south-east, north-west, north-east.
    double f1 = 0, f2 = 0, f3 = 0, f4 = 0;
};

RectFrustumGeometry computeRectFrustum(const RectFrustumInputs& in);

// The eight listing lines, h1 to h4 then f1 to f4: the face or joint name, its
// short name with the equals sign and the rounded value run together
// ("南边梯形面实高 h1=1118"). The north offset writes " h3 =".
std::vector<std::string> rectFrustumListing(const RectFrustumGeometry& g);

// Twips per millimetre for a big-end transverse side A, from bands whose whole
// bounds are both inclusive: 0 to 120 gives 60, ..., 4021 to 4520 gives 1.5;
// anything else (120.5, negative, beyond 4520) gives 1.
double rectFrustumScale(double A);
// The scale before any has been picked: that of the smallest band.
inline constexpr double kRectFrustumFirstScale = 60;

inline constexpr double kPlanCentreX = 9450;
inline constexpr double kPlanCentreY = 5400;

// The plan's points in twips, y downwards.
struct RectFrustumPlan {
    double s = 1;                    // twips per millimetre
    double X0 = kPlanCentreX, Y0 = kPlanCentreY;  // big end's centre
    double X1 = 0, X2 = 0;           // big end, west and east
    double Y1 = 0, Y2 = 0;           // big end, south and north
    double X11 = 0, X12 = 0;         // small end, west and east
    double Y11 = 0, Y12 = 0;         // small end, north and south
    double Xc = 0, Yc = 0;           // small end's centre lines
};

// Also reports OutOfRange in `fault` when a point does not fit a double.
RectFrustumPlan rectFrustumPlan(const RectFrustumInputs& in, double s, RectFrustumFault* fault = nullptr);

// Both rectangles and the four corner joints in cyan, then the four face lines
// in white.
void drawRectFrustumLines(const RectFrustumPlan& p, Canvas& canvas);
// The window's two red line controls, Line1 and Line2: the big end's centre
// lines across the small end, which show the offsets.
struct RectFrustumCentreLines {
    double line1[4] = {0, 0, 0, 0};
    double line2[4] = {0, 0, 0, 0};
};
RectFrustumCentreLines rectFrustumCentreLines(const RectFrustumPlan& p);
// In the plan's font: the dimensions as entered (numbers on their own, a blank
// before and after), the corner names f1 to f4 and the face names h1 to h4.
void drawRectFrustumTexts(const RectFrustumInputs& in, const RectFrustumPlan& p, Canvas& canvas);

inline constexpr const char* kRectFrustumFontName = "宋体";
inline constexpr double kRectFrustumFontPoints = 10.5;

}  // namespace korvel
