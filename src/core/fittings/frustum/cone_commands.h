#pragma once
// The cone window (Form10): its compute command 计算 and the change of its
// variant list Combo1, each returning what the window does.
//
// Boxes: Text1(0) small-end outer diameter, Text1(1) big-end outer diameter,
// Text1(2) height, Text1(3) plate thickness. Emptiness is judged on the raw
// text; values are read leniently, except that each diameter's text must be
// a number and nothing else (LeadingNumber::whole): the small end's decides
// cone (exactly 0) or frustum, whatever the variant list shows.
//
// 计算 clears the surface, then checks in this order and stops at the first
// failure (plain boxes carry no icon and the program's title, error boxes the
// error icon and the title "错误："):
//   1. Text1(0) empty      plain "小端口外径不能为空，输入正确的数据"     focus Text1(0)
//      too large to hold   error "输入的数值过大！"                      empty, focus Text1(0)
//   2. Text1(1) empty      plain "大端口外径不能为空，输入正确的数据"     focus Text1(1)
//      too large to hold   error "输入的数值过大！"                      empty, focus Text1(1)
//   3. small end < 0       error "请输入正确的小端口外径，小于0mm\n"      empty, focus Text1(0)
//      Text1(0) not a number  error "请输入正确的小端口外径，必须是数字"  empty, focus Text1(0)
//      Text1(1) not a number  error "请输入正确的大端口外径，必须是数字"  empty, focus Text1(1)
//   4. big end <= small end   error "请输入正确的小端口外径，不得大于大端口或者等于大端口外径\n"
//                          empty, focus Text1(0); in the cone variant, whose small-end
//                          box is hidden, Text1(1) instead
//   5. Text1(2) empty      plain "两端口垂直高不能为空，输入正确的数据"   focus Text1(2)
//      too large to hold   error "输入的数值过大！"                      empty, focus Text1(2)
//   6. Text1(3) empty      plain "钢板厚度不能为空，输入正确的数据"       focus Text1(3)
//      too large to hold   error "输入的数值过大！"                      empty, focus Text1(3)
//   plate as thick as the big end or thicker
//                          error "请输入正确的钢板厚度，不得大于或等于大端口外径"
//                          empty, focus Text1(3)
//   a result beyond a double  error "输入的数值过大，计算结果超出范围！"  no box
// then clears the surface again, shows Line1 to Line4, lists into Label1(8) to
// Label1(15), draws the schematic, writes the note Label1(16) and places the
// line controls. A cone empties the small-arc labels Label1(8) and Label1(10),
// so no frustum's values stay beside it.

#include <optional>

#include "core/fittings/frustum/cone_geometry.h"
#include "core/outcome.h"
#include "core/window_design.h"

namespace korvel {

inline constexpr const char* kFrustumVariant = "正心圆锥台展开放样";
inline constexpr const char* kConeVariant = "正心圆锥体展开放样";

Outcome coneCompute(const FormState& state);

// The checks of 计算 (1 to 6 above): nothing when the boxes pass, else the
// refusal as the command shows it.
std::optional<Outcome> checkCone(const FormState& state);
// The four boxes as 计算 reads them, leniently.
ConeInputs readConeInputs(const FormState& state);
// What the geometry cannot compute, refused as 计算 refuses it; nothing for
// ConeFault::None.
std::optional<Outcome> faultRefusal(ConeFault fault);

// Combo1's selection change: the cone item hides the small-end and thickness
// rows (boxes "0"), any other text shows them (small "500", thickness "0");
// both reset big "1000" and height "500", relabel the height, clear the
// surface, the listing, title and note and hide Line1 to Line4.
Outcome coneVariantSwitch(const FormState& state);

}  // namespace korvel
