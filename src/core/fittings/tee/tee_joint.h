#pragma once
// How the tee's branch is built onto the main pipe when a wall is known: which
// surface of each pipe the other meets (set-on: the branch's bore stands on the
// main pipe's outside; set-in: the branch's outside passes into the main
// pipe's bore), the hole that joint needs in the main pipe on a surface of its
// own, and the angle the two walls make at each station. Millimetres and
// radians; no Qt.
//
// The construction in space: the main pipe's axis is x, the branch's axis
// leaves it at the origin in the x-z plane at angle A, direction
// (cos A, 0, sin A). A point of the branch's cylinder of radius r at station
// angle theta lies at s (cos A, 0, sin A) + r (cos theta u + sin theta (0, 1, 0)),
// u = (sin A, 0, -cos A): theta = 0 is the acute side (the short side Ls), as
// the window's station 0.

#include <string>

#include "core/export_choices.h"
#include "core/fittings/tee/tee_geometry.h"

namespace korvel {

// Radii of the joint's two construction surfaces, mm, for a branch of outside
// diameter d (less kBranchAllowance) and wall t on a main pipe of outside
// diameter D and wall tm: set-on d/2 - t on D/2, set-in d/2 on D/2 - tm.
struct JointRadii {
    double branch = 0;
    double main = 0;
};
JointRadii jointRadii(BranchJoint joint, double d, double t, double D, double tm);

// The window's inputs made over so that computeTee builds the joint: its
// generators end where the branch's construction surface meets the main
// pipe's, the short side Ls still that of station 0.
TeeInputs jointInputs(const TeeInputs& typed, BranchJoint joint, double t, double tm);

// Where the cylinder of radius r round the branch's axis, at station angle
// theta, passes through the main pipe's surface of radius Rs (r <= Rs), on
// that surface unrolled: x along the main pipe's axis from where theta = 0
// passes, growing towards the obtuse side, y round the main pipe as an arc
// of Rs, signed like sin theta. With r and Rs the window's (d/2 - t, D/2)
// these are the window's x and y.
struct HolePoint {
    double x = 0, y = 0;
};
HolePoint holePoint(double r, double Rs, double A, double theta);

// The angle, radians, between the branch's wall and the main pipe's wall at
// station angle theta, measured outside both pipes in the plane square to
// the line they meet along: where the branch's construction cylinder (r)
// meets the main pipe's (R). It is the alpha of the window on the acute side
// (theta = 0), 180 degrees less alpha on the obtuse side, and opens towards
// 180 degrees at the sides of a branch as wide as the main pipe. The weld
// preparation is set out from it.
double wallAngle(double r, double R, double A, double theta);

// The wall angle as the pattern writes it beside a station: "45.0°".
std::string wallAngleText(double radians);

}  // namespace korvel
