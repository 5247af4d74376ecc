#pragma once
// The compute commands of the tee window (Form5): 支管 (branch pattern),
// 主管 (opening in the main pipe) and 等份 (division listing). Each reads the
// window's box texts and returns what the window does.
//
// Inputs: Text1(0) main-pipe diameter D, Text1(1) branch diameter d, Text1(2)
// angle alpha, Text1(3) short side Ls, Text1(4) wall thickness t, Combo1(0)
// divisions n; read leniently ("1120mm" is 1120, text without a number is 0).
// Messages are plain boxes: no icon, the program's title.
//
// 支管 and 主管 first clear the surface and empty the title Label1(12), then
// run the window's two checks. A failed check does not stop the command: it
// resets the boxes to their presets and the command goes on with them.
//   1. d < 0 or d > D   "请您正确输入支管外径，不得大于主管外径和小于,程序执行默认数据！"
//                       focus Text1(1), Text1(0) and Text1(1) back to "1120"
//   2. alpha < 0 or alpha > 90
//                       "请您正确输入两管之间夹角,程序执行默认数据！"
//                       focus Text1(2), Text1(2) back to "45"
// Both run in every command, so both messages show when both fail, the
// diameter's first. What the geometry cannot compute then stops the command
// with both listing boxes emptied and nothing drawn:
//   a box too large to hold   "输入的数值过大！"                      focus that box
//   D = d = 0                 "主管外径和支管外径不得为零，请您正确输入！"   focus Text1(0)
//   alpha = 0                 "两管夹角不得为零，请您正确输入两管之间夹角！" focus Text1(2)
//   n not a multiple of 4 from 4 to 1000
//                             "等份数必须是4的倍数（4～1000）！"         focus Combo1(0)
//   |d/2 - t| > D/2           "请您正确输入支管壁厚，支管与主管无法相交！"  focus Text1(4)
//   a result beyond a double  "输入的数值过大，计算结果超出范围！"
//
// 支管 lays its pattern out from the window's outer size (FormState's
// outerWidth and outerHeight). 主管 draws at the fixed origin (4500, 5300),
// at a scale chosen from the branch diameter as typed; with Text1(1) empty it
// lists the opening but draws nothing.
//
// 等份 checks nothing of the two; it rejects only a branch diameter too large
// to hold, an unusable n and an out-of-range circumference, as above.

#include <initializer_list>
#include <optional>
#include <string>

#include "core/fittings/tee/tee_geometry.h"
#include "core/outcome.h"
#include "core/window_design.h"

namespace korvel {

// How the tee and Y-tee windows refuse a command: both listing boxes
// emptied, then a plain message box focusing `focus` ("" for none).
Outcome teeRefusal(const std::string& message, const std::string& focus);

// The refusal of the first of `keys` whose box holds a number too large to
// hold, focusing that box; nothing when none does.
std::optional<Outcome> teeTooLarge(const FormState& state, std::initializer_list<const char*> keys);

// How both windows list into their listing boxes Combo1(1) and Combo1(2):
// both emptied and coloured black, the headings, the caption `titleKey` set
// to `title`, then the lines. With colourLast the boxes are coloured after
// the caption instead (the tee's 主管).
void showTeeListing(Outcome& out, const TeeListing& listing, const char* titleKey, const std::string& title,
                    bool colourLast = false);

// 等份 of both windows: the outside circumference of the pipe whose diameter
// is in the box `diameterKey`, less `allowance`, in the divisions of
// Combo1(0), listed by `list` in dark blue. It checks nothing else and
// refuses only a diameter too large to hold, an unusable count and an
// out-of-range result.
Outcome teeDivisionsCommand(const FormState& state, const char* diameterKey, double allowance,
                            TeeListing (*list)(const TeeDivisions&));

// The window's two checks (1 and 2 above). A failed one does not stop the
// command: its message, focus and box resets go to `out`, and the boxes come
// back as they stand afterwards, for the command to go on with.
FormState checkTeePresets(const FormState& state, Outcome& out);
// What stops 支管 and 主管 before anything is computed, in the boxes as the
// two checks left them: a box too large to hold. Nothing when they pass,
// else the refusal as the commands show it.
std::optional<Outcome> checkTee(const FormState& checked);
// The boxes as the pattern commands read them: leniently, the divisions as
// a whole number, the branch diameter less its allowance.
TeeInputs readTeeInputs(const FormState& checked);
// What the geometry cannot compute, refused as the commands refuse it;
// nothing for TeeFault::None.
std::optional<Outcome> faultRefusal(TeeFault fault);

Outcome teeBranch(const FormState& state);
Outcome teeOpening(const FormState& state);
Outcome teeDivisions(const FormState& state);

}  // namespace korvel
