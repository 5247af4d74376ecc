#include "core/fittings/reducing_elbow/reducing_elbow_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/checks.h"
#include "core/flat_pattern.h"
#include "core/numbers.h"

namespace korvel {
namespace {

// sin(x) / x, 1 at 0: the developed formulas below hold for a cylinder
// (no taper) as for a cone, with no apex far away to subtract from.
double sinc(double x) { return x == 0 ? 1 : std::sin(x) / x; }

// Samples of the periodic area integrand: the trapezoid rule converges
// geometrically on a smooth periodic function, and the cuts' denominators
// stay above cos(theta) / 2 (sigma tan(theta) < 1/2): 64 give the area to
// rounding.
constexpr int kAreaSamples = 64;

std::string listingLine(const char* name, int index, double value, int digits) {
    return name + numberText(index) + " = " + roundedText(value, digits);
}

ReducingElbowGeometry faulty(ReducingElbowGeometry g, ReducingElbowFault fault) {
    g.fault = fault;
    g.segments.clear();
    return g;
}

}  // namespace

double ElbowSegment::lowerAt(double c) const {
    if (kind == SegmentKind::Inlet) return 0;
    // The joint plane at P_i: s cos(theta) - r(s) sin(theta) cos(psi) = delta.
    return (deltaStart + rStart * sinT * c) / (cosT - sigma * sinT * c);
}

double ElbowSegment::upperAt(double c) const {
    if (kind == SegmentKind::Outlet) return length;
    // The joint plane at P_{i+1}: (s - length) cos(theta) + r(s) sin(theta) cos(psi) = delta.
    return length + (deltaEnd - rEnd * sinT * c) / (cosT + sigma * sinT * c);
}

double ElbowSegment::generator(double psi) const {
    return (sUpper(psi) - sLower(psi)) * std::sqrt(1 + sigma * sigma);
}

BendPoint ElbowSegment::inBendPlane(double s, double psi) const {
    const double across = radius(s) * std::cos(psi);
    return {start.x + s * axis.x + across * inward.x, start.y + s * axis.y + across * inward.y};
}

double ElbowSegment::sReference() const {
    switch (kind) {
        case SegmentKind::Inlet: return 0;
        case SegmentKind::Outlet: return length;
        case SegmentKind::Middle: break;
    }
    return length / 2;
}

ElbowSegment::Flat ElbowSegment::developed(double s, double psi, double psiSeam) const {
    // Up the piece: downstream, or upstream for the outlet's end segment. On
    // the flat, the generator psi runs from the reference section's point at
    // arc length rho * d (d from the middle of the piece) in the direction
    // lambda * d off +y, lambda = sin of the cone's half-angle, signed by
    // whether the piece widens upwards; its apex would stand rho / lambda
    // below the reference section's middle. x0 and y0 put the reference
    // section's ends at (0, 0) and (w, 0).
    const Layout& l = layout;
    const double u = (reversed() ? l.sRef - s : s - l.sRef) * l.root;
    const double d = psi - (psiSeam + std::numbers::pi);
    const double turn = l.lambda * d;
    const double sine = std::sin(turn), half = std::sin(turn / 2);
    const double x = l.rho * d * (turn == 0 ? 1 : sine / turn) + u * sine + l.x0;
    const double y = -l.rho * d * half * (turn == 0 ? 1 : half / (turn / 2)) + u * std::cos(turn) + l.y0;
    return {x, y};
}

double ElbowSegment::referenceChord() const { return 2 * layout.x0; }

double ElbowSegment::area() const {
    // dA = r(s) sqrt(1 + sigma^2) ds dpsi over the slice.
    constexpr double pi = std::numbers::pi;
    double sum = 0;
    for (int i = 0; i < kAreaSamples; ++i) {
        const double c = std::cos(2 * pi * i / kAreaSamples);
        const double lo = lowerAt(c), hi = upperAt(c);
        sum += rStart * (hi - lo) + sigma / 2 * (hi * hi - lo * lo);
    }
    return sum * 2 * pi / kAreaSamples * layout.root;
}

ReducingElbowGeometry computeReducingElbow(const ReducingElbowInputs& in) {
    ReducingElbowGeometry g;
    g.in = in;
    if (!(in.D1 > 0) || !(in.D2 > 0)) return faulty(g, ReducingElbowFault::Diameter);
    if (!(in.R > std::max(in.D1, in.D2) / 2)) return faulty(g, ReducingElbowFault::Radius);
    if (!(in.alpha > 0 && in.alpha <= 180)) return faulty(g, ReducingElbowFault::BendAngle);
    if (!(in.t >= 0 && in.t < std::min(in.D1, in.D2) / 2)) return faulty(g, ReducingElbowFault::Thickness);
    if (in.k < kReducingElbowMinSegments || in.k > kReducingElbowMaxSegments)
        return faulty(g, ReducingElbowFault::Segments);
    if (in.n % 4 != 0 || in.n < kReducingElbowMinDivisions || in.n > kReducingElbowMaxDivisions)
        return faulty(g, ReducingElbowFault::Divisions);
    const int k = in.k;
    const double m = 2.0 * (k - 1);
    if (!(in.alpha / m < 90)) return faulty(g, ReducingElbowFault::BendTooSharp);

    g.pi = std::numbers::pi;
    g.theta = g.pi * (in.alpha / m) / 180;
    g.delta = 2 * g.pi / in.n;
    const double T = std::tan(g.theta), C = std::cos(g.theta), S = std::sin(g.theta);
    const double half = in.R * T;  // a half joint's stretch of centre line
    g.Lc = m * half;
    g.sigma = (in.D2 - in.D1) / 2 / g.Lc;

    // The joint points along the centre line and their radii square to it.
    std::vector<double> along(static_cast<size_t>(k) + 1), r(static_cast<size_t>(k) + 1);
    std::vector<BendPoint> P(static_cast<size_t>(k) + 1);
    for (int j = 0; j <= k; ++j) {
        const auto J = static_cast<size_t>(j);
        along[J] = j == 0 ? 0 : j == k ? g.Lc : (2 * j - 1) * half;
        r[J] = j == 0 ? in.D1 / 2 : j == k ? in.D2 / 2 : in.D1 / 2 + (in.D2 - in.D1) / 2 * along[J] / g.Lc;
        const double bend = j == 0 ? 0 : j == k ? g.pi * in.alpha / 180 : (2 * j - 1) * g.theta;
        const double distance = j == 0 || j == k ? in.R : in.R / C;
        P[J] = {distance * std::cos(bend), distance * std::sin(bend)};
        g.jointDiameter.push_back(2 * r[J]);
    }
    const auto shift = [&](int j) {
        if (j == 0 || j == k) return 0.0;
        return -r[static_cast<size_t>(j)] * g.sigma / ((1 + g.sigma * g.sigma) * C);
    };
    for (int i = 0; i < k; ++i) {
        const auto I = static_cast<size_t>(i);
        ElbowSegment seg;
        seg.kind = i == 0 ? SegmentKind::Inlet : i == k - 1 ? SegmentKind::Outlet : SegmentKind::Middle;
        seg.index = i;
        seg.start = P[I];
        const double tangent = 2 * i * g.theta;  // the bend angle the axis touches the circle at
        seg.axis = {-std::sin(tangent), std::cos(tangent)};
        seg.inward = {-std::cos(tangent), -std::sin(tangent)};
        seg.length = along[I + 1] - along[I];
        seg.rStart = r[I];
        seg.rEnd = r[I + 1];
        seg.sigma = g.sigma;
        seg.cosT = C;
        seg.sinT = S;
        seg.deltaStart = shift(i);
        seg.deltaEnd = shift(i + 1);
        ElbowSegment::Layout& l = seg.layout;
        l.root = std::sqrt(1 + g.sigma * g.sigma);
        l.lambda = (seg.reversed() ? -1 : 1) * g.sigma / l.root;
        l.sRef = seg.sReference();
        l.rho = seg.radius(l.sRef);
        l.x0 = l.rho * g.pi * sinc(l.lambda * g.pi);
        l.y0 = l.rho * g.pi * std::sin(l.lambda * g.pi / 2) * sinc(l.lambda * g.pi / 2);
        g.segments.push_back(seg);
    }
    std::vector<double> finite{g.Lc, g.sigma, T};
    for (const ElbowSegment& seg : g.segments) {
        finite.insert(finite.end(), {seg.rStart, seg.rEnd, seg.generator(0), seg.generator(g.pi),
                                     seg.start.x, seg.start.y, seg.referenceChord()});
    }
    if (!allFinite(finite)) return faulty(g, ReducingElbowFault::OutOfRange);
    for (const ElbowSegment& seg : g.segments)
        if (!(seg.generator(0) > 0)) return faulty(g, ReducingElbowFault::ThroatFolds);
    return g;
}

ReducingElbowGeometry::Joint ReducingElbowGeometry::joint(int j) const {
    const ElbowSegment& below = segments.at(static_cast<size_t>(j - 1));
    Joint e;
    // The ellipse's axis in the bend plane joins the throat's and the heel's
    // cut points; across it, b^2 is the product of the cone's radii there.
    e.a = below.rEnd / ((1 + sigma * sigma) * below.cosT);
    e.b = std::sqrt(below.radius(below.sUpper(0)) * below.radius(below.sUpper(pi)));
    e.perimeter = ellipsePerimeter(e.a, e.b);
    return e;
}

double ellipsePerimeter(double a, double b) {
    // 2 pi / M(a, b) * (a^2 - sum 2^(j-1) c_j^2), c_0^2 = a^2 - b^2.
    double x = std::max(a, b), y = std::min(a, b);
    double sum = (x * x - y * y) / 2, weight = 0.5;
    const double a2 = x * x;
    for (int i = 0; i < 40 && x - y > 1e-15 * x; ++i) {
        const double c = (x - y) / 2;
        const double nx = (x + y) / 2, ny = std::sqrt(x * y);
        x = nx, y = ny;
        weight *= 2;
        sum += weight * c * c;
    }
    return 2 * std::numbers::pi / ((x + y) / 2) * (a2 - sum);
}

double stationAngle(const ReducingElbowGeometry& g, const ElbowSegment& seg, int i) {
    const int quarter = g.in.n / 4;
    return (seg.kind == SegmentKind::Middle ? i + quarter : i - quarter) * g.delta;
}

std::string segmentName(const ElbowSegment& seg) {
    switch (seg.kind) {
        case SegmentKind::Inlet: return "进口端节";
        case SegmentKind::Outlet: return "出口端节";
        case SegmentKind::Middle: break;
    }
    return "中节" + numberText(seg.index);
}

SegmentStations segmentStations(const ReducingElbowGeometry& g, const ElbowSegment& seg) {
    SegmentStations st;
    const int n = g.in.n;
    const double seam = stationAngle(g, seg, 0);
    ElbowSegment::Flat lastBottom{}, lastTop{};
    for (int i = 0; i <= n; ++i) {
        const double psi = stationAngle(g, seg, i), c = std::cos(psi);
        const double lower = seg.lowerAt(c), upper = seg.upperAt(c);
        st.generators.push_back((upper - lower) * seg.layout.root);
        const bool reversed = seg.reversed();
        const ElbowSegment::Flat bottom = seg.developed(reversed ? upper : lower, psi, seam);
        const ElbowSegment::Flat top = seg.developed(reversed ? lower : upper, psi, seam);
        if (i > 0) {
            st.lower.push_back(std::hypot(bottom.x - lastBottom.x, bottom.y - lastBottom.y));
            st.upper.push_back(std::hypot(top.x - lastTop.x, top.y - lastTop.y));
        }
        lastBottom = bottom, lastTop = top;
    }
    return st;
}

SegmentListing segmentListing(const ReducingElbowGeometry& g, const ElbowSegment& seg) {
    const SegmentStations st = segmentStations(g, seg);
    SegmentListing listing;
    listing.heading = segmentName(seg);
    const int digits = g.in.digits;
    for (size_t i = 0; i < st.generators.size(); ++i)
        listing.generators.push_back(listingLine("L", static_cast<int>(i), st.generators[i], digits));
    for (size_t i = 0; i < st.lower.size(); ++i)
        listing.chords.push_back(listingLine("a", static_cast<int>(i) + 1, st.lower[i], digits));
    for (size_t i = 0; i < st.upper.size(); ++i)
        listing.chords.push_back(listingLine("b", static_cast<int>(i) + 1, st.upper[i], digits));
    return listing;
}

double reducingElbowWeight(const ReducingElbowGeometry& g, double t) {
    double area = 0;
    for (const ElbowSegment& seg : g.segments) area += seg.area();
    return plateWeight(area, t);
}

}  // namespace korvel
