#pragma once
// Geometry of the two round-rectangular transitions, triangulated into four
// side triangles (one on each side of the rectangle, apex at the circle point
// nearest that side) and four corner fans (lines from a rectangle corner to
// the division points of one quarter of the circle):
//   round top   (Form8): the circle is the top, the rectangle the bottom; the
//                        circle's centre lies ew west and en north of the
//                        rectangle's centre.
//   rect top    (Form9): the rectangle is the top, the circle the bottom; the
//                        rectangle moves (ew west, en north of the circle's
//                        centre), the circle stays. Its horizontal side is
//                        taken 0.001 mm longer (a' = a + 0.001) everywhere.
// Numbers in, numbers, listing lines and plan primitives out; no Qt.
//
// Lengths are millimetres, angles degrees; an angle goes to the trigonometric
// call as angle * pi / 180 with the windows' constant pi = 3.1415926535799.
// The plan is drawn in twips, x east, y south, at s twips per millimetre from
// the fitting's scale table.
//
// What cannot be computed is decided before the arithmetic and reported as a
// TransitionFault; the numbers of a faulty geometry are not used:
//   Divisions   n is below 1 (no whole division of the circle) or above 1000
//               (a thousand divisions already list 251 rows per corner).
//   OutOfRange  a listed value or a drawn coordinate does not fit a double
//               (dimensions near 1e154 mm and beyond, whose squares overflow).

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/canvas.h"

namespace korvel {

inline constexpr double kTransitionPi = 3.1415926535799;
inline constexpr double kTransitionMaxDivisions = 1000;
// The listing's font: the windows' own.
inline constexpr const char* kTransitionFontName = "宋体";
inline constexpr double kTransitionFontPoints = 14.25;

struct TransitionInputs {
    double a = 0;   // rectangle's east-west inner side, mm
    double b = 0;   // rectangle's north-south inner side
    double D = 0;   // circle's inner diameter
    double H = 0;   // vertical height between the two openings
    double t = 0;   // plate thickness: the window measures the chord on D + t
    double ew = 0;  // offset towards the west, as typed
    double e = 0;   // offset towards the north, or towards the south when `south`
    bool south = false;
    double n = 0;    // divisions of the circle, as read from the list
    int digits = 0;  // decimals of every listed value
    // The scale of the window's last computation; none before the first one.
    std::optional<double> previousScale;
    // The sides and the diameter are already those of the surface an export
    // develops: the rect top's side is taken as it is (no 0.001 added) and
    // the round edge lies on D itself, t only the plate's thickness.
    bool onSurface = false;

    // The diameter the round edge is developed on and the chord yn measured:
    // the window's mean circle D + t, or on a surface D.
    double edgeDiameter() const { return onSurface ? D : D + t; }
};

enum class TransitionFault { None, Divisions, OutOfRange };

struct TransitionGeometry {
    TransitionInputs in;
    TransitionFault fault = TransitionFault::None;

    double s = 0;      // plan scale, twips per mm
    double alpha = 0;  // angle of one division, degrees
    int quarter = 0;   // last row index: the largest whole i <= n/4
    // True heights of the east, south, west and north triangles and the chord
    // of one division, rounded to `digits` decimals.
    double h1 = 0, h2 = 0, h3 = 0, h4 = 0, yn = 0;
    // Corner-line true lengths, i = 0 (east or west point of the quarter) to
    // `quarter` (north or south point), rounded: NW "m", NE "j", SW "L", SE "k".
    std::vector<double> nw, ne, sw, se;

    // The same values before rounding, for the true-size pattern, so that a
    // length measured on it rounds to the listed value; `a` is the east-west
    // side the numbers use (a + 0.001 on the rect top).
    struct Exact {
        double a = 0;
        double h1 = 0, h2 = 0, h3 = 0, h4 = 0, yn = 0;
        std::vector<double> nw, ne, sw, se;
    } exact;

    // The plan in twips: circle centre and radius, rectangle sides.
    double cx = 0, cy = 0, radius = 0;
    double xW = 0, xE = 0, yN = 0, yS = 0;

    bool drawsPlan() const;  // only for 16, 24 and 32 divisions
};

// Scale tables: twips per millimetre by the rectangle's horizontal side
// (round top) or by the circle's diameter (rect top). Bands include both
// bounds; a value between two bands, below 0 or above the last band gives 0.5.
double roundTopScale(double a);
double rectTopScale(double D);

TransitionGeometry computeRoundTop(const TransitionInputs& in);
TransitionGeometry computeRectTop(const TransitionInputs& in);

// Label1(15) ... Label1(20) with their captions: the four heights, the chord
// and the heading "显示基本数据".
std::vector<std::pair<std::string, std::string>> transitionCaptions(const TransitionGeometry& g);

// The corner-line listing as text lines from the surface's top-left corner:
// headings, rows " m0=..." and " j0=..." at columns 25 and 90 (round top) or
// headings at 24 and 91, rows at 23 and 90 (rect top), and the empty lines
// between them.
void listRoundTop(const TransitionGeometry& g, Canvas& canvas);
void listRectTop(const TransitionGeometry& g, Canvas& canvas);

// The plan: circle, rectangle, the triangles' height lines, the four fans and
// the labels; nothing unless drawsPlan().
void drawRoundTopPlan(const TransitionGeometry& g, Canvas& canvas);
void drawRectTopPlan(const TransitionGeometry& g, Canvas& canvas);

}  // namespace korvel
