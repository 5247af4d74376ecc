#pragma once
// Geometry of the concentric cone frustum and the complete cone: the shell is
// developed on the plate's mid-surface, so the plate thickness comes off both
// outer diameters; the height is taken as given. The flat pattern is an
// annular sector (frustum) or a plain sector (cone) about the apex.
//
// Lengths are millimetres, angles degrees. Sines go through pi =
// 3.1415926535799, this window's own constant, as pi * angle / 180 / 2.
//
// A small-end diameter of exactly 0 makes a cone, anything else a frustum.
// What cannot be computed is decided first and reported as a ConeFault:
//   NoBigEnd    the plate is as thick as the big end or thicker (D <= 0): the
//               sector would have no radius and no angle.
//   SmallEnd    a frustum whose small end is not smaller than its big end: the
//               generators would never meet in an apex.
//   OutOfRange  some listed or drawn quantity does not fit a double.

#include <string>

#include "core/canvas.h"

namespace korvel {

inline constexpr double kConePi = 3.1415926535799;

struct ConeInputs {
    double small = 0;  // small-end outer diameter; 0 for a cone
    double big = 0;    // big-end outer diameter
    double h = 0;      // vertical height between the ends (cone: base to apex)
    double t = 0;      // plate thickness
    int digits = 0;    // decimals of the listed values
    // The diameters are already those of the surface an export develops, t 0:
    // the pattern's checks then name the diameters as they are.
    bool onSurface = false;
};

enum class ConeFault { None, NoBigEnd, SmallEnd, OutOfRange };

// The annular sector of a frustum.
struct FrustumRecord {
    double L = 0;      // slant length, the width of the annulus
    double Rb = 0;     // big arc radius
    double Rs = 0;     // small arc radius
    double theta = 0;  // sector angle, degrees
    double Cb = 0;     // big arc chord
    double Cs = 0;     // small arc chord
    double hs = 0;     // height of the small end below the apex
};

// The plain sector of a cone.
struct ConeRecord {
    double S = 0;      // slant length, which is also the arc radius
    double theta = 0;  // sector angle, degrees
    double C = 0;      // arc chord
    double h = 0;      // apex height
};

struct ConeGeometry {
    ConeInputs in;
    ConeFault fault = ConeFault::None;
    bool cone = false;  // the small end is 0
    double d = 0;       // small-end mean diameter
    double D = 0;       // big-end mean diameter
    double h = 0;
    FrustumRecord frustum;
    ConeRecord coneRecord;
};

// The record the small end asks for, from d, D and h.
ConeGeometry computeCone(const ConeInputs& in);

// Every line of the listing, label text joined to its value rounded to
// `digits` decimals; the angle always to 3 decimals followed by "°". The cone
// has no small arc: smallRadius and smallChord are empty.
struct ConeListing {
    std::string slant;        // "展开斜边实长 = "
    std::string bigRadius;    // "大圆弧展开半径 = " / "圆弧展开半径 = "
    std::string angle;        // "展开扇形夹角 = "
    std::string bigChord;     // "大圆弧展开弦长 = " / "圆弧展开弦长 = "
    std::string smallRadius;  // "小圆弧展开半径 = "
    std::string smallChord;   // "小圆弧展开弦长 = "
    std::string apexHeight;   // "小端口至圆心垂线 = " / "端口至圆心垂线 = "
    std::string title;        // "正心圆锥台展开放样" / "正心圆锥体展开放样"
};
ConeListing coneListing(const ConeGeometry& g);

// The schematic is laid out in fractions of the window's outer size W x H
// (twips), not to the fitting's scale. Its apex, the centre of every arc:
struct ConeFrame {
    double W = 0, H = 0;
    double x(double fraction) const { return fraction * W; }
    double y(double fraction) const { return fraction * H; }
    double apexX() const { return x(0.625); }
    double apexY() const { return y(0.46); }
};

inline constexpr const char* kConeFontName = "宋体";
inline constexpr double kConeFontPoints = 10.5;

// The development sector with its arcs, the angle marker and the values beside
// them, then the two mean diameters and the height; numbers drawn on their own
// carry a blank before and after, d and D unrounded.
void drawConeSchematic(const ConeGeometry& g, const ConeFrame& f, Canvas& canvas);

// The window's four line controls of the elevation, Line1 to Line4: the two
// generators from the apex and the axis down to the big end.
struct ConeSegment {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const ConeSegment&) const = default;
};
struct ConeElevationLines {
    ConeSegment line1, line2, line3, line4;
};
ConeElevationLines coneElevationLines(const ConeFrame& f);

// The rest of the elevation: the big end and the left generator below the
// small end.
void drawConeElevation(const ConeFrame& f, Canvas& canvas);

}  // namespace korvel
