#include "core/surface_sizes.h"

#include "core/numbers.h"

namespace korvel {
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

SurfaceChoice chooseSurface(const ExportChoices& choices, double boxThickness) {
    SurfaceChoice chosen;
    if (boxThickness > 0) {
        chosen.t = boxThickness;
    } else if (choices.plateThickness) {
        if (*choices.plateThickness < 0) {
            chosen.refusal = "钢板厚度不能小于0！";
            return chosen;
        }
        chosen.t = *choices.plateThickness;
    }
    if (!choices.surface) {
        chosen.surface = chosen.t > 0 ? DevelopedSurface::Mean : DevelopedSurface::Typed;
        return chosen;
    }
    chosen.surface = *choices.surface;
    if (chosen.surface != DevelopedSurface::Typed && !(chosen.t > 0))
        chosen.refusal =
            "没有钢板厚度，不能按" + surfaceName(chosen.surface) + "展开！请给出钢板厚度，或按输入尺寸展开。";
    return chosen;
}

double sizeOn(DevelopedSurface surface, double typed, MeasuredOn on, double t) {
    return typed + thicknessesOut(surface, on) * t;
}

bool leavesInside(double typed, MeasuredOn on, double t) { return on == MeasuredOn::Inside || typed - 2 * t > 0; }

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

std::string surfaceLine(DevelopedSurface surface, double t) {
    return surfaceName(surface) + "（壁厚 " + numberText(t) + " mm）";
}

void nameSurface(PatternExport& e, const SurfaceChoice& chosen, const std::string& typedWords,
                 const std::vector<TypedSize>& sizes) {
    e.developed = chosen.surface;
    if (chosen.surface == DevelopedSurface::Typed) {
        e.surface = typedWords;
        return;
    }
    e.surface = surfaceLine(chosen.surface, chosen.t);
    for (const TypedSize& size : sizes)
        e.developedSizes.push_back(sizeLine(chosen.surface, size.symbol, size.what, size.typed, size.on, chosen.t));
}

std::string stationLine(const std::string& name, const std::vector<std::string>& values) {
    std::string line = "  " + name + "：";
    for (size_t i = 0; i < values.size(); ++i) line += (i ? "，" : "") + values[i];
    return line;
}

}  // namespace korvel
