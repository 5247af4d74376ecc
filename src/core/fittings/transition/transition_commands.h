#pragma once
// The commands of the two transition windows, round top (Form8) and
// rectangular top (Form9): 计算 (compute, list and draw the plan), 图例 (the
// legend picture) and the change of the offset direction in Combo2.
//
// 计算 reads Text1(0) a, Text1(1) b, Text1(2) D, Text1(3) H, Text1(4) t,
// Text1(5) ew, Text1(6) e, Combo1(0) the divisions and Combo2 the direction,
// the boxes leniently ("1600mm" is 1600, text without a number is 0). The
// plan's scale comes from the window's scale table by a (Form8) or D (Form9);
// when that value is 0 the scale of the window's last computation is kept
// (memory "scale"), and before any computation the table is read by the
// plan's larger extent instead. It rejects, in this order, with an error box
// titled "错误：" that focuses the box and leaves the window as it was:
//   the scale box empty       "矩方口横向内边长不能为空！" / "圆口内直径不能为空！"
//   the scale box no number   "矩方口横向内边长必须是数字！" / "圆口内直径必须是数字！"
//   a box too large to hold   "输入的数值过大！"                   (that box)
//   the divisions no number   "等份数必须是数字！"                 (Combo1(0))
//   divisions below 1 or above 1000
//                             "等份数必须在1到1000之间！"          (Combo1(0))
//   a result beyond a double  "输入的数值过大，计算结果超出范围！"  (no box)
// Otherwise it clears the surface, hides both pictures (Form9 hides them
// first), fills Label1(15) ... Label1(20), prints the corner-line listing as
// text lines in 宋体 14.25 pt and draws the plan for 16, 24 and 32 divisions.

#include <optional>
#include <string>

#include "core/fittings/transition/transition_geometry.h"
#include "core/outcome.h"
#include "core/window_design.h"

namespace korvel {

// The key under which the windows remember their plan's scale.
inline constexpr const char* kTransitionScaleMemory = "scale";

// The boxes and lists as the computations read them (Form9 when rectTop),
// with the scale the window remembers.
TransitionInputs readTransitionInputs(const FormState& state, bool rectTop);

// The checks of 计算 before anything is computed (Form9 when rectTop): from
// the scale box empty to the divisions no number, above. Nothing when the
// boxes pass, else the refusal as the command shows it.
std::optional<Outcome> checkTransition(const FormState& state, bool rectTop);
// What the geometry cannot compute, refused as 计算 refuses it; nothing for
// TransitionFault::None.
std::optional<Outcome> faultRefusal(TransitionFault fault);

Outcome roundTopCompute(const FormState& state);
Outcome rectTopCompute(const FormState& state);

// Clear the surface and show the legend picture (Form8 Image2, Form9 Image1).
Outcome roundTopLegend(const FormState& state);
Outcome rectTopLegend(const FormState& state);

// A direction chosen in Combo2: clear the surface, show the sketch picture
// (Form8 Image1, Form9 Image2), name the offsets for that direction, reset
// both offsets to "0" and empty the results Label1(15) ... Label1(20). Any
// other text changes nothing.
Outcome roundTopDirectionChanged(const std::string& chosen);
Outcome rectTopDirectionChanged(const std::string& chosen);

}  // namespace korvel
