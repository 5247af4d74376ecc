#include "core/fittings/transition/transition_design.h"

#include "core/fittings/transition/transition_commands.h"
#include "core/fittings/transition/transition_export.h"

namespace korvel {

const WindowDesign& roundTopDesign() {
    static const WindowDesign design = [] {
        WindowDesign d;
        d.objectName = "Form8";
        d.title = "矩方形天圆地方含单双偏心放样程序    单位：mm";
        d.fitting = "round top on rectangular bottom, with offsets";
        d.menu = {
            spacer("  空格"),
            {"打印", "      打印(&W)    ", "", {}},
            {"计算", "      计算展开计算(&Z)    ", "transition-round-top", roundTopCompute},
            {"图例", "      展开图例(&D)    ", "", roundTopLegend},
            {"返回", "      返回(&F)    ", "", {}},
        };
        d.inputs = {
            arrayInput(0, "a", "矩方口横向内边长： ", 0, "mm", 7, "1600"),
            arrayInput(1, "b", "矩方口纵向内边长：", 1, "mm", 8, "1600"),
            arrayInput(2, "D", "输入圆口内直径：", 2, "mm", 9, "800"),
            arrayInput(3, "H", "输入上下口垂直高：", 3, "mm", 10, "1000"),
            arrayInput(4, "t", "输入钢板壁厚：", 4, "mm", 11, "10"),
            arrayInput(5, "ew", "输入圆心向西偏移：", 5, "mm", 12, "0"),
            arrayInput(6, "e", "输入圆心向北偏移：", 6, "mm", 13, "0"),
        };
        d.lists = {
            {{"Combo1", 0}, "N", divisionItems(16, 32, 8), "24", {"Label1", 14}, "选择等份：",
             {"Label1", 21}, "等份", {}},
            {{"Combo2", -1}, "dir", {"圆心向西向北偏移", "圆心向西向南偏移"}, "圆心向西向北偏移",
             {}, "", {}, "", {"north", "south"}},
        };
        d.rounding = {{"Option1", 0}, {"Option1", 1}, 3};
        d.lists[1].onChange = [](const FormState& s) { return roundTopDirectionChanged(s.text("Combo2")); };
        d.pattern = roundTopPatternExport;
        d.patternName = "transition-round-top";
        d.patternListing = {"计算"};
        return d;
    }();
    return design;
}

const WindowDesign& rectTopDesign() {
    static const WindowDesign design = [] {
        WindowDesign d;
        d.objectName = "Form9";
        d.title = "矩方形天方地圆含单双偏心放样程序       单位：mm";
        d.fitting = "rectangular top on round bottom, with offsets";
        d.menu = {
            spacer(),
            {"打印", "       打印(&W)     ", "", {}},
            {"计算", "       计算展开(&Z)      ", "transition-rect-top", rectTopCompute},
            {"图例", "       展开图例(&D)     ", "", rectTopLegend},
            {"返回", "       返回(&F)     ", "", {}},
        };
        d.inputs = {
            arrayInput(0, "a", "方口横向内边长：", 0, "mm", 7, "900"),
            arrayInput(1, "b", "方口竖向内边长：", 1, "mm", 8, "900"),
            arrayInput(2, "D", "输入圆口内直径：", 2, "mm", 9, "1800"),
            arrayInput(3, "H", "输入两端垂直高：", 3, "mm", 10, "1200"),
            arrayInput(4, "t", "输入钢板壁厚：", 4, "mm", 11, "10"),
            arrayInput(5, "ew", "输方口向西偏移：", 5, "mm", 12, "0"),
            arrayInput(6, "e", "输方口向北偏移：", 6, "mm", 13, "0"),
        };
        d.lists = {
            {{"Combo1", 0}, "N", divisionItems(16, 32, 8), "24", {}, "", {"Label1", 14}, "等份", {}},
            {{"Combo2", -1}, "dir", {"矩方口向西向北偏移", "矩方口向西向南偏移"},
             "矩方口向西向北偏移", {}, "", {}, "", {"north", "south"}},
        };
        d.rounding = {{"Option1", 0}, {"Option1", 1}, 3};
        d.lists[1].onChange = [](const FormState& s) { return rectTopDirectionChanged(s.text("Combo2")); };
        d.choiceFrameCaption = "选择偏移方位和等份";
        d.pattern = rectTopPatternExport;
        d.patternName = "transition-rect-top";
        d.patternListing = {"计算"};
        return d;
    }();
    return design;
}

}  // namespace korvel
