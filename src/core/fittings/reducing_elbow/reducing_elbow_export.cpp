#include "core/fittings/reducing_elbow/reducing_elbow_export.h"

#include <algorithm>

#include "core/checks.h"
#include "core/fittings/reducing_elbow/reducing_elbow_commands.h"
#include "core/fittings/reducing_elbow/reducing_elbow_design.h"
#include "core/fittings/reducing_elbow/reducing_elbow_pattern.h"
#include "core/numbers.h"
#include "core/surface_sizes.h"

namespace korvel {

PatternExport reducingElbowPatternExport(const FormState& state, const ExportChoices& choices) {
    if (const auto refused = checkReducingElbow(state)) return refusedExport(*refused);
    const ReducingElbowInputs typed = readReducingElbowInputs(state);
    const ReducingElbowGeometry listed = computeReducingElbow(typed);
    if (const auto refused = faultRefusal(listed.fault, typed)) return refusedExport(*refused);

    const char* thicknessBox = "Text1(4)";
    const SurfaceChoice chosen = chooseSurface(choices, typed.t);
    if (!chosen.refusal.empty()) return refusedExport(refusal(chosen.refusal, "", thicknessBox));
    const bool asTyped = chosen.surface == DevelopedSurface::Typed;
    if (!asTyped && !(chosen.t < std::min(typed.D1, typed.D2) / 2))
        return refusedExport(
            refusal("管道壁厚不得大于或等于较小管口外径的一半，没有可展开的管壁！", "", thicknessBox));
    ReducingElbowInputs onSurface = typed;
    onSurface.t = 0;
    if (!asTyped) {
        onSurface.D1 = surfaceDiameter(chosen.surface, typed.D1, chosen.t);
        onSurface.D2 = surfaceDiameter(chosen.surface, typed.D2, chosen.t);
    }
    const ReducingElbowGeometry g = asTyped ? listed : computeReducingElbow(onSurface);
    if (const auto refused = faultRefusal(g.fault, onSurface)) return refusedExport(*refused);

    PatternExport e;
    e.pattern = reducingElbowPattern(g, reducingElbowSeam(choices.seam));
    const WindowDesign& design = reducingElbowDesign();
    e.inputs = typedInputs(design, state);
    for (TypedInput& in : e.inputs) {
        if (in.symbol == "k") in.caption = "弯头节数：";
        if (in.symbol == "n") in.caption = "圆周等份：";
    }
    e.rounding = roundingText(design, state);
    nameSurface(e, chosen, "管道外壁，按管口外径展开",
                {{"D1", "进口外径", typed.D1, MeasuredOn::Outside}, {"D2", "出口外径", typed.D2, MeasuredOn::Outside}});
    if (!asTyped) {
        e.surface += "；弯曲半径 R 仍为弯头中心线的半径";
        // The listing's numbers on the developed surface, in the window's
        // rounding: each segment's generators and chords.
        for (const ElbowSegment& seg : g.segments) {
            SegmentListing listing = segmentListing(g, seg);
            listing.generators.insert(listing.generators.end(), listing.chords.begin(), listing.chords.end());
            e.stationTable.push_back(stationLine(segmentName(seg), listing.generators));
        }
    }
    e.thickness.assign(e.pattern.pieces.size(), chosen.t);
    e.fileName = "变径弯头展开图_D" + numberText(typed.D1) + "_D" + numberText(typed.D2) + "_R" +
                 numberText(typed.R) + "_" + numberText(typed.alpha) + "度.dxf";
    return e;
}

}  // namespace korvel
