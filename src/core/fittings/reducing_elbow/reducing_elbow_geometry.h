#pragma once
// Geometry of the reducing segmented elbow: k segments on a bend of radius R
// and angle alpha, two end segments of half a joint each and k - 2 middle
// ones of a whole joint (as the segmented elbow has them), the diameter
// changing evenly along the centre line from D1 at the inlet to D2 at the
// outlet. Numbers in, numbers out; no texts of controls, no Qt.
//
// The construction (docs/fittings/reducing-elbow.md says why):
// - The centre line is the segmented elbow's: the lines that touch the bend
//   circle (radius R about the bend centre O) at bend angles 0, 2 theta, 4
//   theta ... alpha, theta = alpha / (2 (k - 1)), meeting at the joint points
//   P_j (bend angle (2j - 1) theta, R / cos theta from O). Segment i runs
//   along the stretch from P_i to P_{i+1} (P_0 the inlet's centre, P_k the
//   outlet's), R tan theta long at an end, 2 R tan theta in the middle.
// - Each segment is a slice of a right circular cone about its stretch. Its
//   radius square to the axis is r(s) = D1/2 + (D2 - D1)/2 * s / Lc at s
//   along the centre line (Lc = 2 (k - 1) R tan theta), so every cone has
//   the same slope sigma = dr/ds and the ends are circles of D1 and D2.
// - Two neighbouring cones both touch the sphere of radius r_j cos(beta)
//   about P_j (beta = atan|sigma|), so they meet in plane ellipses; the one
//   between them is the joint. Its plane is parallel to the plane through O
//   and P_j (the segmented elbow's joint plane) and lies
//   delta_j = -r_j sigma / ((1 + sigma^2) cos theta) further along the centre
//   line; with D1 = D2 it is that plane and the elbow is the segmented one.
// So every segment is an exact cone, developed from its apex, and both
// segments at a joint end in one and the same curve.
//
// Frames. Lengths millimetres, angles radians unless a name says degrees.
// The bend plane: O at the origin, the inlet's centre P_0 at (R, 0), the
// centre line leaving it towards +y and turning about O counter-clockwise.
// A segment's own frame: s along its axis from P_i downstream (towards the
// outlet); psi around the axis from the inner side of the bend (the throat,
// psi = 0) to the outer side (the heel, psi = pi).
//
// What cannot be computed is decided before any arithmetic that would meet it
// and reported as a ReducingElbowFault, in this order; the numbers of a
// faulty geometry are not used:
//   Diameter      D1 or D2 is not above 0.
//   Radius        R is not above half the larger diameter: the throat of
//                 that end would have no length or fold over.
//   BendAngle     alpha is not above 0 or is above 180 degrees.
//   Thickness     t is below 0 or not below half the smaller diameter: no
//                 plate is left inside it.
//   Segments      k is outside 2 to 20.
//   Divisions     n is not a multiple of 4 from 8 to 100 (the listings and
//                 patterns index the quarter points n/4, n/2 and 3n/4).
//   BendTooSharp  theta is 90 degrees (k = 2 and alpha = 180): the end
//                 segments would be endless.
//   OutOfRange    a listed quantity does not fit a double.
//   ThroatFolds   a segment's throat generator is not longer than 0 (the
//                 joints cross on the inner side; a steep taper on a short
//                 bend): decided on the throat alone, where every segment's
//                 generator is shortest.
// With R above half of each diameter, sigma tan(theta) = (D2 - D1) / (4 (k -
// 1) R) stays below 1/2: every joint plane cuts both its cones in a closed
// ellipse on the near side of their apexes, and no further fault is needed.

#include <cmath>
#include <string>
#include <vector>

namespace korvel {

struct ReducingElbowInputs {
    double D1 = 0;     // inlet diameter of the surface developed, mm
    double D2 = 0;     // outlet diameter, mm
    double R = 0;      // bend radius to the centre line, mm
    double alpha = 0;  // bend angle, degrees
    double t = 0;      // wall thickness, mm (0: none given)
    int k = 0;         // segments
    int n = 0;         // divisions of each segment's circumference
    int digits = 0;    // decimals of every listed value
};

enum class ReducingElbowFault {
    None,
    Diameter,
    Radius,
    BendAngle,
    Thickness,
    Segments,
    Divisions,
    BendTooSharp,
    OutOfRange,
    ThroatFolds
};

inline constexpr int kReducingElbowMinSegments = 2;
inline constexpr int kReducingElbowMaxSegments = 20;
inline constexpr int kReducingElbowMinDivisions = 8;
inline constexpr int kReducingElbowMaxDivisions = 100;

enum class SegmentKind { Inlet, Middle, Outlet };

// One point of the bend plane, mm.
struct BendPoint {
    double x = 0, y = 0;
};

// One segment: a slice of a right cone about the axis from P_i to P_{i+1}.
struct ElbowSegment {
    SegmentKind kind = SegmentKind::Middle;
    int index = 0;        // 0 at the inlet
    BendPoint start;      // P_i
    BendPoint axis;       // unit direction downstream
    BendPoint inward;     // unit direction towards O, square to the axis
    double length = 0;    // |P_i P_{i+1}|
    double rStart = 0;    // cone radius square to the axis at P_i
    double rEnd = 0;      // and at P_{i+1}
    double sigma = 0;     // dr/ds, the same for every segment
    double cosT = 0, sinT = 0;            // of theta
    double deltaStart = 0, deltaEnd = 0;  // joint shifts along the centre line at P_i, P_{i+1}

    // Where the generator at psi leaves the segment: s of its lower cut (the
    // inlet's square end, or the joint at P_i) and of its upper cut; the
    // same from c = cos(psi).
    double sLower(double psi) const { return lowerAt(std::cos(psi)); }
    double sUpper(double psi) const { return upperAt(std::cos(psi)); }
    double lowerAt(double c) const;
    double upperAt(double c) const;
    // The generator's true length between the cuts.
    double generator(double psi) const;
    // Cone radius square to the axis at s.
    double radius(double s) const { return rStart + sigma * s; }
    // The point at (s, psi) projected onto the bend plane.
    BendPoint inBendPlane(double s, double psi) const;

    // The piece as laid out flat (see reducing_elbow_pattern.h): the section
    // the layout starts from (the square end of an end segment, the middle
    // of a middle one) and which way the piece runs up.
    bool reversed() const { return kind == SegmentKind::Outlet; }
    // The cuts at the layout's bottom and top edges: the lower and the upper
    // cut, the other way round for the outlet's end segment (its square end
    // at the bottom, as the inlet's).
    double sBottom(double psi) const { return reversed() ? sUpper(psi) : sLower(psi); }
    double sTop(double psi) const { return reversed() ? sLower(psi) : sUpper(psi); }
    double sReference() const;
    // The developed point of (s, psi) for a piece whose seam runs along the
    // generator at psiSeam, psi from psiSeam to psiSeam + 2 pi: the reference
    // section's ends at (0, 0) and (w, 0), the piece running up +y.
    struct Flat {
        double x = 0, y = 0;
    };
    Flat developed(double s, double psi, double psiSeam) const;
    // What developed() takes from the segment alone, worked out once by
    // computeReducingElbow: sqrt(1 + sigma^2), lambda (signed up the piece),
    // the reference section's s and radius, and the layout's shift.
    struct Layout {
        double root = 1, lambda = 0, sRef = 0, rho = 0, x0 = 0, y0 = 0;
    } layout;
    // The reference section's developed arc: its chord w, and its bulge as
    // one edge of a light-weight polyline from (0, 0) to (w, 0) (0: straight).
    double referenceChord() const;
    // The lateral area between the cuts, mm^2.
    double area() const;
};

struct ReducingElbowGeometry {
    ReducingElbowInputs in;
    ReducingElbowFault fault = ReducingElbowFault::None;

    double pi = 0;
    double theta = 0;     // half the angle between neighbouring axes, radians
    double sigma = 0;     // radius change per mm of centre line
    double Lc = 0;        // centre line length, 2 (k - 1) R tan theta
    double delta = 0;     // division angle 2 pi / n
    std::vector<double> jointDiameter;  // d_j at P_j, j = 0 ... k (D1 ... D2)
    std::vector<ElbowSegment> segments;  // k of them, from the inlet

    // The joint ellipse between segments j - 1 and j (j = 1 ... k - 1):
    // semi-axes in the bend plane and across it, and its perimeter.
    struct Joint {
        double a = 0, b = 0, perimeter = 0;
    };
    Joint joint(int j) const;
};

ReducingElbowGeometry computeReducingElbow(const ReducingElbowInputs& in);

// The angle of a segment's listed station i (i = 0 ... n), radians: the end
// segments' L0 at a side (psi = -90 degrees), L<n/4> at the throat; the
// middle segments' L0 at the other side (+90 degrees), L<n/4> at the heel,
// as the segmented elbow lists its sections.
double stationAngle(const ReducingElbowGeometry& g, const ElbowSegment& seg, int i);

// A segment's name as the listing and the pattern give it: "进口端节",
// "中节1" ... "中节<k-2>" (as the segmented elbow names its nested sections),
// "出口端节".
std::string segmentName(const ElbowSegment& seg);

// The perimeter of an ellipse of semi-axes a and b (arithmetic-geometric mean).
double ellipsePerimeter(double a, double b);

// One segment's listing: its heading, then "L<i> = <generator>" for the
// stations, and the chords of each division on the developed lower and
// upper edges, "a<i> = ..." and "b<i> = ..." (i = 1 ... n, between stations
// i - 1 and i), on the piece laid out with its seam at station 0.
struct SegmentListing {
    std::string heading;
    std::vector<std::string> generators;
    std::vector<std::string> chords;
};
SegmentListing segmentListing(const ReducingElbowGeometry& g, const ElbowSegment& seg);

// The numbers behind segmentListing, unrounded: generators[i], lower[i - 1]
// and upper[i - 1] (chords between stations i - 1 and i).
struct SegmentStations {
    std::vector<double> generators, lower, upper;
};
SegmentStations segmentStations(const ReducingElbowGeometry& g, const ElbowSegment& seg);

// Steel weight, kg, of the elbow with the wall `t` on this geometry's surface.
double reducingElbowWeight(const ReducingElbowGeometry& g, double t);

}  // namespace korvel
