#include "core/fittings/tee/tee_joint.h"

#include <algorithm>
#include <cmath>

#include "core/numbers.h"

namespace korvel {
namespace {

struct Vec {
    double x = 0, y = 0, z = 0;
};
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec operator*(double k, Vec a) { return {k * a.x, k * a.y, k * a.z}; }
double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
Vec unit(Vec a) { return (1 / std::sqrt(dot(a, a))) * a; }

// How far along the branch's axis the generator of radius r at theta reaches
// the main pipe's surface of radius R (upper side, z > 0).
double along(double r, double R, double A, double theta) {
    const double across = r * std::sin(theta);
    return (std::sqrt(R * R - across * across) + r * std::cos(theta) * std::cos(A)) / std::sin(A);
}

// That point's distance along the main pipe's axis.
double axial(double r, double R, double A, double theta) {
    return along(r, R, A, theta) * std::cos(A) + r * std::cos(theta) * std::sin(A);
}

}  // namespace

JointRadii jointRadii(BranchJoint joint, double d, double t, double D, double tm) {
    if (joint == BranchJoint::SetOn) return {d / 2 - t, D / 2};
    return {d / 2, D / 2 - tm};
}

TeeInputs jointInputs(const TeeInputs& typed, BranchJoint joint, double t, double tm) {
    TeeInputs in = typed;
    const JointRadii radii = jointRadii(joint, typed.d, t, typed.D, tm);
    // computeTee meets the main pipe's D/2 with the branch's d/2 - t.
    in.D = 2 * radii.main;
    in.t = typed.d / 2 - radii.branch;
    return in;
}

HolePoint holePoint(double r, double Rs, double A, double theta) {
    const double s = std::clamp(r * std::sin(theta) / Rs, -1.0, 1.0);
    return {axial(r, Rs, A, 0) - axial(r, Rs, A, theta), Rs * std::asin(s)};
}

double wallAngle(double r, double R, double A, double theta) {
    const Vec axis{std::cos(A), 0, std::sin(A)};
    const Vec u{std::sin(A), 0, -std::cos(A)}, v{0, 1, 0};
    const Vec outOfBranch = std::cos(theta) * u + std::sin(theta) * v;
    const Vec p = along(r, R, A, theta) * axis + r * outOfBranch;
    const Vec outOfMain = unit({0, p.y, p.z});
    // The line both walls share, then in the plane square to it: the
    // branch's wall running up its generator, and the main pipe's wall
    // running away from the branch.
    const Vec line = unit(cross(outOfBranch, outOfMain));
    const Vec branchWall = unit(axis + (-dot(axis, line)) * line);
    Vec mainWall = cross(outOfMain, line);
    if (dot(mainWall, outOfBranch) < 0) mainWall = -1.0 * mainWall;
    return std::acos(std::clamp(dot(branchWall, unit(mainWall)), -1.0, 1.0));
}

std::string wallAngleText(double radians) { return roundedText(radians * 180 / kTeePi, 1) + "°"; }

}  // namespace korvel
