#pragma once
// Geometry of the tee: a branch pipe of outside diameter d welded at angle
// alpha onto a main pipe of outside diameter D >= d. For every division point
// of the branch circumference it gives the true length of the branch generator
// from the square-cut free end down to the line of intersection (the branch
// pattern) and the two coordinates of that intersection point on the unrolled
// main pipe (the opening to cut). Numbers in, numbers, listing lines and
// canvas primitives out; no Qt.
//
// Lengths are millimetres, angles degrees turned into radians with the tee's
// own pi = 3.1415926535799. The branch diameter arrives with 1e-8 taken off,
// which keeps the branch radius strictly below the main radius for an equal
// tee, so that the root in the intersection angle never reaches zero.
//
// What cannot be computed is decided before the arithmetic that would meet it
// and reported as a TeeFault; the numbers of a faulty geometry are not used:
//   MainDiameter  D <= 0: the main pipe has no radius to divide by.
//   Angle         alpha outside (0, 90]: at 0 the branch lies along the main
//                 pipe (tan and sin of the angle divide) and beyond 90 the
//                 acute side is on the other side.
//   Divisions     n is not a positive multiple of 4 up to 1000: the listings
//                 index the half point n/2 and the opening point n/2 + 1.
//   Wall          |d/2 - t| > D/2 somewhere round the branch: the branch's
//                 meeting radius reaches beyond the main pipe (a negative or
//                 enormous wall thickness), so the generators never meet it.
//   OutOfRange    a listed or drawn quantity does not fit a double.
// Geometry that makes no physical sense but can be computed (a negative short
// side, a wall thicker than half the branch) is computed as the formulas give
// it.

#include <string>
#include <vector>

#include "core/canvas.h"
#include "core/fittings/tee/pipe_divisions.h"

namespace korvel {

// Taken off the typed branch diameter wherever the geometry uses it.
inline constexpr double kBranchAllowance = 0.00000001;

struct TeeInputs {
    double D = 0;      // main-pipe outside diameter, mm
    double d = 0;      // branch outside diameter less kBranchAllowance, mm
    double alpha = 0;  // angle between the pipe axes, degrees
    double Ls = 0;     // branch short side: the shortest generator, mm
    double t = 0;      // branch wall thickness, mm
    int n = 0;         // divisions of the branch circumference
    int digits = 0;    // decimals of every listed value
};

enum class TeeFault { None, MainDiameter, Angle, Divisions, Wall, OutOfRange };

struct TeeGeometry {
    TeeInputs in;
    TeeFault fault = TeeFault::None;

    double R = 0;      // main-pipe radius
    double r = 0;      // radius with which the branch meets the main pipe, d/2 - t
    double delta = 0;  // angle of one division, degrees
    double A = 0;      // alpha in radians
    // Branch generator lengths L_0 ... L_n; L_0 = Ls lies on the acute side,
    // L_(n/2) on the obtuse side, L_n = L_0.
    std::vector<double> L;
    // Opening point i = 0 ... n/2 + 1: x along the main-pipe axis from
    // generator 0's meeting point, y round the main pipe as an arc length,
    // signed like the meeting angle. Point n/2 + 1 only closes the drawing.
    std::vector<double> x, y;
};

// Generator lengths and opening coordinates.
TeeGeometry computeTee(const TeeInputs& in);

// "L<i>=<L_i>": indices 0 ... n/2 on the left, n/2 ... n on the right.
TeeListing branchListing(const TeeGeometry& g);
// "x<i>=<x_i>" on the left, "y<i>=<y_i>" on the right, i = 0 ... n/2.
TeeListing openingListing(const TeeGeometry& g);
// "D<i>=<i * a>", split like the branch listing; the divisions of the
// branch's outside circumference, computeTeeDivisions(d, n, digits) with d
// less kBranchAllowance.
TeeListing teeDivisionListing(const TeeDivisions& divisions);

// The branch pattern is laid out from the window's outer size W x H (twips):
// the circumference fills 74 % of the width, the base line stands at 87 % of
// the height; heights are 2 twips per millimetre whatever the size.
struct BranchLayout {
    double xL = 0, xR = 0;  // left and right ends of the base line
    double p = 0;           // pitch of the divisions
    double y0 = 0;          // base line
    double x(int i) const { return xL + i * p; }
};
BranchLayout branchLayout(double W, double H, int n);

inline constexpr Rgb kTeeCyan = rgb(0, 255, 255);
inline constexpr Rgb kOpeningColour = rgb(0, 200, 200);

// Generators, base line and cutting curve in cyan, the obtuse-side generator
// again in white, then "D<i>" under and "L<i>" over every second generator.
void drawBranch(const TeeGeometry& g, const BranchLayout& layout, Canvas& canvas);

// Twips per millimetre of the opening drawing, from the branch diameter as
// typed (without the allowance): 23 up to 120, 12.5 from 121 to 220, ...,
// 0.6 from 4021 to 4520, 0.5 for everything else, gaps between the ranges
// included.
double openingScale(double dTyped);

// Fixed origin of the opening drawing, twips.
inline constexpr double kOpeningX = 4500;
inline constexpr double kOpeningY = 5300;

// The opening at true proportions, s twips per millimetre, from the fixed
// origin: the axis with the division numbers (where the stations crowd, only
// those that leave the digits apart, the far end's always), the generators
// and the outline above and below it, then "y<i>" over the inner points.
void drawOpening(const TeeGeometry& g, double s, Canvas& canvas);

}  // namespace korvel
