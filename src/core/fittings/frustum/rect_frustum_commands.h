#pragma once
// The rectangular frustum window (Form7): its compute command 计算 and the
// change of its offset list Combo1, each returning what the window does.
//
// Boxes Text1(0) to Text1(6): A, B, a, b, H, e and n, read leniently (empty or
// text without a number is 0). The window checks nothing of the geometry; it
// only refuses what it cannot draw, with an error box titled "错误：" that
// empties the box and focuses it:
//   a box too large to hold          "输入的数值过大！"
//   Text1(0) neither empty nor a number ("2200mm", "abc")
//                                    "请输入正确的大端横向内边长，必须是数字"
//   a result beyond a double         "输入的数值过大，计算结果超出范围！" (no box)
// The big-end transverse side, read strictly, picks the plan's scale; an
// empty box or 0 keeps the last computation's scale (memory "scale"), and the
// first computation without one takes the smallest band's, 60 twips per mm.

#include <optional>

#include "core/fittings/frustum/rect_frustum_geometry.h"
#include "core/outcome.h"
#include "core/window_design.h"

namespace korvel {

inline constexpr const char* kNorthOffset = "单双偏心向东向北偏移";
inline constexpr const char* kSouthOffset = "单双偏心向东向南偏移";
inline constexpr const char* kRectFrustumScaleMemory = "scale";

Outcome rectFrustumCompute(const FormState& state);

// The checks of 计算 before anything is computed (a box too large to hold,
// the big-end side not a number): nothing when the boxes pass, else the
// refusal as the command shows it.
std::optional<Outcome> checkRectFrustum(const FormState& state);
// The seven boxes as 计算 reads them, leniently, with the offset direction.
RectFrustumInputs readRectFrustumInputs(const FormState& state);
// The offset list names a direction; else 计算 computes and draws nothing.
bool rectFrustumOffsetChosen(const FormState& state);
// The plan's scale, twips per mm: from the big-end side, or when that is 0
// the one the window remembers, or before any the first band's.
double rectFrustumPlanScale(const FormState& state, const RectFrustumInputs& in);
// A geometry or plan beyond a double, refused as 计算 refuses it; nothing
// for RectFrustumFault::None.
std::optional<Outcome> faultRefusal(RectFrustumFault fault);

// Combo1's selection change: clears the surface and the listing, shows the
// sketch again, hides the compass letters and Line1/Line2, sets both offsets
// to "0" and names the longitudinal offset north or south. The five
// dimensions keep their values.
Outcome rectFrustumVariantSwitch(const FormState& state);

}  // namespace korvel
