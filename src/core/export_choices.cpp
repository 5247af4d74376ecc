#include "core/export_choices.h"

#include <algorithm>

#include "core/numbers.h"

namespace korvel {
namespace {

struct SurfaceNames {
    DevelopedSurface surface;
    const char* keyword;
    const char* name;
};

constexpr SurfaceNames kSurfaces[] = {
    {DevelopedSurface::Mean, "mean", "中性层"},
    {DevelopedSurface::Outside, "outside", "外表面"},
    {DevelopedSurface::Inside, "inside", "内表面"},
    {DevelopedSurface::Typed, "typed", "按输入尺寸"},
};

}  // namespace

std::string surfaceName(DevelopedSurface surface) {
    for (const SurfaceNames& s : kSurfaces)
        if (s.surface == surface) return s.name;
    return "";
}

const char* surfaceKeyword(DevelopedSurface surface) {
    for (const SurfaceNames& s : kSurfaces)
        if (s.surface == surface) return s.keyword;
    return "";
}

std::optional<DevelopedSurface> surfaceFromKeyword(const std::string& keyword) {
    for (const SurfaceNames& s : kSurfaces)
        if (keyword == s.keyword) return s.surface;
    return std::nullopt;
}

std::string jointName(BranchJoint joint) {
    return joint == BranchJoint::SetOn ? "骑座式（支管骑在主管上）" : "插入式（支管插入主管孔内）";
}

const char* jointKeyword(BranchJoint joint) { return joint == BranchJoint::SetOn ? "set-on" : "set-in"; }

std::optional<BranchJoint> jointFromKeyword(const std::string& keyword) {
    if (keyword == "set-on") return BranchJoint::SetOn;
    if (keyword == "set-in") return BranchJoint::SetIn;
    return std::nullopt;
}

double exportThickness(double windowThickness, const ExportChoices& choices) {
    if (windowThickness > 0) return windowThickness;
    if (choices.plateThickness && *choices.plateThickness > 0) return *choices.plateThickness;
    return 0;
}

DevelopedSurface chosenSurface(const ExportChoices& choices, double thickness) {
    if (choices.surface) return *choices.surface;
    return thickness > 0 ? DevelopedSurface::Mean : DevelopedSurface::Typed;
}

namespace {

// How many thicknesses lie between the face a size is measured on and the
// surface, outwards positive: from the inside to the mean surface one (half a
// thickness on each side of the part), to the outside two.
double thicknessesOut(DevelopedSurface surface, MeasuredOn on) {
    const double from = on == MeasuredOn::Inside ? 0 : 2;
    const double to = surface == DevelopedSurface::Inside ? 0 : surface == DevelopedSurface::Mean ? 1 : 2;
    return to - from;
}

}  // namespace

double sizeOn(DevelopedSurface surface, double typed, MeasuredOn on, double t) {
    return typed + thicknessesOut(surface, on) * t;
}

std::string sizeLine(DevelopedSurface surface, const std::string& symbol, const std::string& what, double typed,
                     MeasuredOn on, double t) {
    const double k = thicknessesOut(surface, on);
    std::string how = what + " " + numberText(typed);
    if (k != 0) {
        how += k > 0 ? " + " : " − ";
        if (k == 2 || k == -2) how += "2 × ";
        how += "壁厚 " + numberText(t);
    }
    return surfaceName(surface) + "：" + symbol + " = " + numberText(sizeOn(surface, typed, on, t)) + " mm（" + how +
           "）";
}

double surfaceDiameter(DevelopedSurface surface, double outside, double t) {
    return surface == DevelopedSurface::Typed ? outside : sizeOn(surface, outside, MeasuredOn::Outside, t);
}

std::string developedDiameterLine(DevelopedSurface surface, const std::string& symbol, const std::string& caption,
                                  double outside, double t) {
    if (surface != DevelopedSurface::Typed) return sizeLine(surface, symbol, caption, outside, MeasuredOn::Outside, t);
    return surfaceName(surface) + "：" + symbol + " = " + numberText(outside) + " mm（按输入的" + caption + " " +
           numberText(outside) + "）";
}

std::string pipeSurfaceText(DevelopedSurface surface, const std::string& kept) {
    if (surface == DevelopedSurface::Typed) return "管道外壁，按管道外径的圆周 πD 展开";
    return surfaceName(surface) + "，按其直径的圆周 πD 展开；" + kept;
}

std::string thicknessMissingMessage(DevelopedSurface surface) {
    return "没有钢板厚度，不能按" + surfaceName(surface) + "展开！请给出钢板厚度，或按输入尺寸展开。";
}

std::string stationTableLine(const std::string& piece, const std::vector<std::string>& left,
                             const std::vector<std::string>& right) {
    std::string line = "  " + piece + "：";
    bool first = true;
    const auto add = [&](const std::string& station) {
        // Some listings set their lines off with a blank.
        line += (first ? "" : "，") + station.substr(std::min(station.size(), station.find_first_not_of(' ')));
        first = false;
    };
    for (const std::string& s : left) add(s);
    // The right box starts again with the middle station.
    for (size_t i = left.empty() ? 0 : 1; i < right.size(); ++i) add(right[i]);
    return line;
}

}  // namespace korvel
