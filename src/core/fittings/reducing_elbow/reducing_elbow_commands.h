#pragma once
// The commands of the reducing elbow window (Form11): 计算 (list every
// segment and draw the elbow's elevation) and 展开 (the same listing, and the
// developed pieces drawn side by side).
//
// Inputs: Text1(0) inlet outside diameter D1, Text1(1) outlet outside
// diameter D2, Text1(2) bend radius R, Text1(3) bend angle, Text1(4) wall
// thickness t; Combo2 segments k, Combo1 divisions n. Box texts are read
// leniently ("600mm" is 600), the lists as whole numbers.
//
// Both commands check, in this order, and stop at the first failure with an
// error box titled "错误：":
//   Text1(0) empty            "进口外径不能为空！"                       focus Text1(0)
//   Text1(1) empty            "出口外径不能为空！"                       focus Text1(1)
//   Text1(2) empty            "弯曲半径不能为空！"                       focus Text1(2)
//   Text1(3) empty            "弯曲角度不能为空！"                       focus Text1(3)
//   a box too large to hold   "输入的数值过大！"                         empty, focus the box
// (an empty Text1(4) is no wall: no weight), then what the geometry refuses
// (reducing_elbow_geometry.h), with the box to mend emptied and focused:
//   Diameter      "进口外径必须大于零！" / "出口外径必须大于零！"     Text1(0) / Text1(1)
//   Radius        "弯曲半径必须大于较大管口外径的一半，否则弯头内侧（喉部）折叠！"  Text1(2)
//   BendAngle     "请输入正确的弯曲角度“>0-≤180”之间！"             Text1(3)
//   Thickness     "管道壁厚不能小于零，且必须小于较小管口外径的一半！"  Text1(4)
//   Segments      "弯头节数必须是2～20的整数！"                       focus Combo2
//   Divisions     "等份数必须是4的倍数（8～100）！"                   focus Combo1
//   BendTooSharp  "弯曲角度过大：端节角度必须小于90°！"               Text1(3)
//   ThroatFolds   "两管口直径相差过大，弯头内侧（喉部）素线长度为零或折叠！..."  focus Text1(2)
//   OutOfRange    "输入的数值过大，计算结果超出范围！"                no box

#include <optional>

#include "core/fittings/reducing_elbow/reducing_elbow_geometry.h"
#include "core/outcome.h"
#include "core/window_design.h"

namespace korvel {

// The boxes and lists as the commands read them.
ReducingElbowInputs readReducingElbowInputs(const FormState& state);

// The checks of the box texts (empty, too large): nothing when they pass.
std::optional<Outcome> checkReducingElbow(const FormState& state);
// What the geometry cannot compute, refused as the commands refuse it;
// nothing for ReducingElbowFault::None. `in` tells which diameter is at fault.
std::optional<Outcome> faultRefusal(ReducingElbowFault fault, const ReducingElbowInputs& in);

Outcome reducingElbowCompute(const FormState& state);
Outcome reducingElbowPieces(const FormState& state);

}  // namespace korvel
