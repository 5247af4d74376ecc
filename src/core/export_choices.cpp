#include "core/export_choices.h"

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

}  // namespace korvel
