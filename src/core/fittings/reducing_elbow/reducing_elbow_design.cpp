#include "core/fittings/reducing_elbow/reducing_elbow_design.h"

#include "core/fittings/reducing_elbow/reducing_elbow_commands.h"
#include "core/fittings/reducing_elbow/reducing_elbow_export.h"
#include "core/fittings/reducing_elbow/reducing_elbow_pattern.h"

namespace korvel {

const WindowDesign& reducingElbowDesign() {
    static const WindowDesign design = [] {
        WindowDesign d;
        d.objectName = "Form11";
        d.title = "变径分节弯头放样程序    单位：mm";
        d.fitting = "reducing segmented elbow, each segment a cone";
        d.darkSurface = false;
        d.menu = {
            spacer(),
            {"打印", "       打印(&W)     ", "", {}},
            {"计算", "       计算展开(&D)     ", "reducing-elbow", reducingElbowCompute},
            {"展开", "       各节展开图(&Z)     ", "", reducingElbowPieces},
            {"返回", "       返回(&F)     ", "", {}},
        };
        d.inputs = {
            arrayInput(0, "D1", "输入进口外径：", 0, "mm", 5, "600"),
            arrayInput(1, "D2", "输入出口外径：", 1, "mm", 6, "400"),
            arrayInput(2, "R", "输入弯曲半径：", 2, "mm", 7, "900"),
            arrayInput(3, "alpha", "输入弯曲角度：", 3, "°", 8, "90"),
            arrayInput(4, "t", "输入管道壁厚：", 4, "mm", 9, "6"),
        };
        d.inputs[2].toolTip = "弯头中心线的弯曲半径";
        d.inputs[4].toolTip = "如果需要计算弯头重量请输入管道壁厚";
        d.lists = {
            {{"Combo2", -1}, "k", divisionItems(2, 20, 1), "4", {"Label1", 10}, "选择弯头节数：", {"Label1", 11}, "节", {}},
            {{"Combo1", -1}, "n", divisionItems(8, 100, 4), "24", {"Label1", 12}, "选择圆周等份：", {"Label1", 13}, "等份", {}},
        };
        d.rounding = {{"Option1", 0}, {"Option1", 1}, 2};
        d.listingBoxes = {{"Combo3", -1}, {"Combo4", -1}};
        d.pattern = reducingElbowPatternExport;
        d.patternName = "reducing-elbow";
        d.seamPlaces = reducingElbowSeamPlaces();
        d.patternListing = {"计算"};
        d.panel.grid.listingHeight = 5000;

        // Result labels on the surface, empty until a command fills them.
        LabelDesign summary{{"Label1", 20}};
        summary.points = 12;
        summary.colour = kBlack;
        LabelDesign title{{"Label1", 21}};
        title.points = 15;
        title.colour = rgb(255, 0, 0);
        d.labels = {summary, title};
        return d;
    }();
    return design;
}

}  // namespace korvel
