#pragma once
// The compute commands of the Y-tee window (Form6): 管Ⅰ (the vertical pipe),
// 管Ⅱ (a slanted pipe) and 等份 (division listing).
//
// Inputs: Text1(0) diameter D, Text1(1) pipe length L, Text1(2) angle beta,
// Combo1(0) divisions n; read leniently. The window has no checks of its own;
// what cannot be computed stops a command with a plain message (no icon, the
// program's title), the listing boxes emptied and nothing drawn:
//   a box too large to hold   "输入的数值过大！"                          focus that box
//   beta <= 0 or beta > 180   "请您正确输入两管夹角，必须大于0°且不大于180°！"  focus Text1(2)
//   n not a multiple of 4 from 4 to 1000
//                             "等份数必须是4的倍数（4～1000）！"             focus Combo1(0)
//   a result beyond a double  "输入的数值过大，计算结果超出范围！"
// 管Ⅰ and 管Ⅱ clear the surface, empty the title Label1(8), list and draw the
// pattern laid out from the window's outer size (FormState's outerWidth and
// outerHeight). 等份 leaves the surface and the title alone and rejects only
// a diameter too large to hold, an unusable n and an out-of-range result.

#include <optional>

#include "core/fittings/tee/ytee_geometry.h"
#include "core/outcome.h"
#include "core/window_design.h"

namespace korvel {

// What stops 管Ⅰ and 管Ⅱ before anything is computed: a box too large to
// hold. Nothing when the boxes pass, else the refusal as the commands show it.
std::optional<Outcome> checkYTee(const FormState& state);
// The boxes as the pipe commands read them: leniently, the divisions as a
// whole number.
YTeeInputs readYTeeInputs(const FormState& state);
// What the geometry cannot compute, refused as the commands refuse it;
// nothing for YTeeFault::None.
std::optional<Outcome> faultRefusal(YTeeFault fault);

Outcome yTeeVertical(const FormState& state);
Outcome yTeeSlanted(const FormState& state);
Outcome yTeeDivisions(const FormState& state);

}  // namespace korvel
