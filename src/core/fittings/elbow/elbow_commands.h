#pragma once
// The compute commands of the elbow window (Form4): 端节 (end section),
// 中节 (middle section) and 等份 (division listing). Each reads the window's
// box texts, checks them, and returns what the window does: clear and scale
// the surface, list, draw, place the result labels.
//
// Inputs: Text1 outside diameter D, Text2 bend radius R, Text3 bend angle,
// Text4 wall thickness, Combo2 segments k, Combo1 divisions n; box texts read
// leniently ("1120mm" is 1120, text without a number is 0), lists as whole
// numbers. Every rejection shows an error box titled "错误：" and stops.
//
// 端节 and 中节 check, in this order, stopping at the first failure:
//   1. Text1 empty             "管道外径不能为空！\n"                  focus Text1
//      Text1 too large to hold "输入的数值过大！"                     empty, focus Text1
//   2. D <= 0                  "\n管道外径必须大于零！"                empty, focus Text1
//   3. Text2 empty             "\n弯曲半径不能为空！"                  focus Text2
//      Text2 too large to hold "输入的数值过大！"                     empty, focus Text2
//   4. D / 2 > R               "请输入正确的弯曲半径，不得小于外径一半！\n"  empty, focus Text2
//   5. Text3 empty             "弯曲角度不能为空！\n"                  focus Text3
//      Text3 too large to hold "输入的数值过大！"                     empty, focus Text3
//   6. angle <= 0 or >= 359.9  "请输入正确的弯曲角度“>0-<359.9”之间!\n"   empty, focus Text3
//      Text4 too large to hold "输入的数值过大！"                     empty, focus Text4
// then what the geometry cannot compute (see elbow_geometry.h):
//   k not a whole number >= 2  "弯头节数必须是2以上的整数！"            focus Combo2
//   n not a multiple of 4 from 4 to 1000
//                              "等份数必须是4的倍数（4～1000）！"        focus Combo1
//   end-section angle >= 90°   "弯曲角度过大：端节角度必须小于90°！"    empty, focus Text3
//   5 R T rounds to 0          "弯曲半径或弯曲角度过小，无法绘制展开图！" focus Text2
//   a result beyond a double   "输入的数值过大，计算结果超出范围！"      no box
// The wall thickness is otherwise unchecked: empty gives a weight of 0.
//
// 等份 checks nothing of the six; it rejects only a Text1 too large to hold, a
// segment count below 2, an unusable n and an out-of-range circumference, with
// the messages above.

#include <optional>

#include "core/fittings/elbow/elbow_geometry.h"
#include "core/outcome.h"
#include "core/window_design.h"

namespace korvel {

// The boxes and lists as the commands read them: texts leniently, the lists
// as whole numbers (anything else reads as 0, which the geometry rejects).
ElbowInputs readElbowInputs(const FormState& state);

// The six checks of 端节 and 中节 (1 to 6 above): nothing when the boxes
// pass, else the refusal as the commands show it.
std::optional<Outcome> checkElbow(const FormState& state);
// What the geometry cannot compute, refused as the commands refuse it;
// nothing for ElbowFault::None.
std::optional<Outcome> faultRefusal(ElbowFault fault);

Outcome elbowEnd(const FormState& state);
Outcome elbowMiddle(const FormState& state);
Outcome elbowDivisions(const FormState& state);

}  // namespace korvel
