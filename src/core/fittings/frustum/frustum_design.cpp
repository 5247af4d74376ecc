#include "core/fittings/frustum/frustum_design.h"

#include "core/fittings/frustum/cone_commands.h"
#include "core/fittings/frustum/frustum_export.h"
#include "core/fittings/frustum/rect_frustum_commands.h"

namespace korvel {

const WindowDesign& rectFrustumDesign() {
    static const WindowDesign design = [] {
        WindowDesign d;
        d.objectName = "Form7";
        d.title = "平口矩方形锥台含单双偏心放样程序    单位：mm";
        d.fitting = "rectangular frustum, single or double offset";
        d.menu = {
            spacer(),
            {"打印", "       打印(&W)     ", "", {}},
            {"计算", "       计算展开(&D)     ", "rect-frustum", rectFrustumCompute},
            {"返回", "       返回(&F)    ", "", {}},
        };
        d.inputs = {
            arrayInput(0, "A", "大端横向内边长：", 0, "mm", 7, "2200"),
            arrayInput(1, "B", "大端纵向内边长：", 1, "mm", 8, "1500"),
            arrayInput(2, "a", "小端横向内边长：", 2, "mm", 9, "1200"),
            arrayInput(3, "b", "小端纵向内边长：", 3, "mm", 10, "500"),
            arrayInput(4, "H", "上下端口垂直高：", 4, "mm", 11, "1000"),
            arrayInput(5, "e", "横边向东偏心：", 5, "mm", 12, "0"),
            arrayInput(6, "n", "纵边向北偏心：", 6, "mm", 13, "0"),
        };
        d.lists = {{{"Combo1", -1}, "dir", {"单双偏心向东向北偏移", "单双偏心向东向南偏移"},
                    "单双偏心向东向北偏移", {}, "", {}, "", {"north", "south"}}};
        d.lists[0].onChange = rectFrustumVariantSwitch;
        d.rounding = {{"Option1", 0}, {"Option1", 1}, 3};
        d.inputFrameCaption = "选择（输入）数据";
        d.choiceFrameCaption = "选择偏心方位";
        d.pattern = rectFrustumPatternExport;
        d.patternName = "rect-frustum";
        d.patternListing = {"计算"};
        return d;
    }();
    return design;
}

const WindowDesign& coneDesign() {
    static const WindowDesign design = [] {
        WindowDesign d;
        d.objectName = "Form10";
        d.title = "正心圆锥体，圆锥台展开放样程序    单位：mm";
        d.fitting = "concentric cone and cone frustum";
        d.menu = {
            spacer(),
            {"打印", "       打印(&W)     ", "", {}},
            {"计算", "       展开计算(&Z)     ", "cone", coneCompute},
            {"返回", "       返回(&F)     ", "", {}},
        };
        d.inputs = {
            arrayInput(0, "small", "输入小端口外径：", 0, "mm", 4, "500"),
            arrayInput(1, "big", "输入大端口外径：", 1, "mm", 5, "1000"),
            arrayInput(2, "h", "输入两端垂直高：", 2, "mm", 6, "500"),
            arrayInput(3, "t", "输入钢板厚度：", 3, "mm", 7, "0"),
        };
        d.lists = {{{"Combo1", -1}, "variant", {"正心圆锥台展开放样", "正心圆锥体展开放样"},
                    "正心圆锥台展开放样", {}, "", {}, "", {"frustum", "cone"}}};
        d.lists[0].onChange = coneVariantSwitch;
        d.rounding = {{"Option1", 0}, {"Option1", 1}, 3};
        d.pattern = conePatternExport;
        d.patternName = "cone";
        d.patternListing = {"计算"};
        return d;
    }();
    return design;
}

}  // namespace korvel
