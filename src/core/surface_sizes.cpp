#include "core/surface_sizes.h"

#include "core/numbers.h"

namespace korvel {

SurfaceChoice chooseSurface(const ExportChoices& choices, double boxThickness) {
    SurfaceChoice chosen;
    if (!(boxThickness > 0) && choices.plateThickness && *choices.plateThickness < 0) {
        chosen.refusal = "钢板厚度不能小于0！";
        return chosen;
    }
    chosen.t = exportThickness(boxThickness, choices);
    chosen.surface = chosenSurface(choices, chosen.t);
    if (choices.surface && chosen.surface != DevelopedSurface::Typed && !(chosen.t > 0))
        chosen.refusal = thicknessMissingMessage(chosen.surface);
    return chosen;
}

bool leavesInside(double typed, MeasuredOn on, double t) { return on == MeasuredOn::Inside || typed - 2 * t > 0; }

std::string surfaceLine(DevelopedSurface surface, double t) {
    return surfaceName(surface) + "（壁厚 " + numberText(t) + " mm）";
}

void nameSurface(PatternExport& e, const SurfaceChoice& chosen, const std::string& typedWords,
                 const std::vector<TypedSize>& sizes) {
    e.developed = chosen.surface;
    if (chosen.surface == DevelopedSurface::Typed) {
        // The sizes as typed, named as the round pipes name theirs; how the
        // window's listing develops them is `typedWords`, in the title block.
        e.surface = typedWords;
        for (const TypedSize& size : sizes)
            e.developedSizes.push_back(surfaceName(chosen.surface) + "：" + size.symbol + " = " +
                                       numberText(size.typed) + " mm（按输入的" + size.what + " " +
                                       numberText(size.typed) + "）");
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
