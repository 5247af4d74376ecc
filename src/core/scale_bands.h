#pragma once
// The tables by which a window picks a drawing's scale, twips per millimetre,
// from a typed size in millimetres: bands of sizes, both ends belonging to the
// band, tried from the top. Pure C++: no Qt.

#include <span>

namespace korvel {

struct ScaleBand {
    double from, to, scale;
};

// The scale of the first band that holds `size`; `otherwise` when none does
// (beyond the table, or in a gap between two bands such as 120.5).
inline double bandScale(std::span<const ScaleBand> bands, double size, double otherwise) {
    for (const ScaleBand& band : bands)
        if (size >= band.from && size <= band.to) return band.scale;
    return otherwise;
}

}  // namespace korvel
