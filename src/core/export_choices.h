#pragma once
// What the plater chooses when a pattern is exported, beyond the window's own
// inputs: the surface of the plate the pattern is developed on. Pure C++.

#include <optional>
#include <string>

namespace korvel {

// The surface of the plate a pattern is developed on. A part rolled or folded
// from a pattern comes out at the size of the surface the pattern was
// developed on, measured where the plate's middle runs.
enum class DevelopedSurface {
    Mean,     // 中性层: the middle of the plate's thickness (what rolling keeps)
    Outside,  // 外表面
    Inside,   // 内表面
    Typed,    // 按输入尺寸: the sizes exactly as typed, as the window lists them
};

struct ExportChoices {
    // Unset: the mean surface where the plate's thickness is known, else the
    // sizes as typed.
    std::optional<DevelopedSurface> surface;
    // The plate's thickness, mm, for a window that has no thickness box (or
    // leaves it 0); unset: the window's own, if any.
    std::optional<double> plateThickness;
};

// The surface's name as the export dialogs and files show it: "中性层",
// "外表面", "内表面", "按输入尺寸".
std::string surfaceName(DevelopedSurface surface);

// The surface as `korvel dxf|pdf surface=NAME` names it: mean, outside,
// inside, typed; nothing for any other text.
std::optional<DevelopedSurface> surfaceFromKeyword(const std::string& keyword);
const char* surfaceKeyword(DevelopedSurface surface);

}  // namespace korvel
