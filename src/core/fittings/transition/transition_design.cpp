#include "core/fittings/transition/transition_design.h"

#include "core/fittings/transition/transition_commands.h"
#include "core/fittings/transition/transition_export.h"
#include "core/fittings/transition/transition_pattern.h"

namespace korvel {
namespace {

// The panel's grid, twips. The listing's left column starts at text column 23
// (Form9) or 25 (Form8) of the 14.25 pt font, 3135 twips from the left edge:
// the panel, in a 9 pt font, stays left of it.
PanelGrid transitionGrid() {
    PanelGrid grid;
    grid.captionLeft = 90;
    grid.captionWidth = 1680;
    grid.boxLeft = 1800;
    grid.boxWidth = 750;
    grid.unitLeft = 2580;
    grid.unitWidth = 360;
    grid.panelWidth = 3000;
    grid.fontPoints = 9;
    grid.wholeLeft = 90;
    grid.decimalLeft = 90 + 1440;
    grid.roundingWidth = 1300;
    return grid;
}

// The five result labels on the surface stacked at left 120 from `firstTop`,
// 480 twips apart, and their heading Label1(20).
std::vector<LabelDesign> resultLabels(double firstTop, double headingLeft, double headingTop,
                                      Rgb headingColour) {
    std::vector<LabelDesign> labels;
    for (int i = 0; i < 5; ++i) {
        LabelDesign result{{"Label1", 15 + i}};
        result.points = 10.5;
        result.colour = kWhite;
        result.place = Place{120, firstTop + 480 * i, 4200, 330};
        labels.push_back(result);
    }
    LabelDesign heading{{"Label1", 20}};
    heading.points = 12;
    heading.colour = headingColour;
    heading.place = Place{headingLeft, headingTop, 2400, 360};
    labels.push_back(heading);
    return labels;
}

}  // namespace

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
        // Choosing a direction, even the one already shown, starts the offsets over.
        d.lists[1].onChange = [](const FormState& s) { return roundTopDirectionChanged(s.text("Combo2")); };
        d.lists[1].changeSignal = ListSignal::textActivated;
        d.pattern = roundTopPatternExport;
        d.seamPlaces = transitionSeamPlaces();
        d.patternName = "transition-round-top";
        d.patternListing = {"计算"};
        d.panel.grid = transitionGrid();
        d.pictures = {
            {{"Image1", -1}, ":/pictures/round_top_sketch.svg", Host::surface, {0, 7200, 3510, 2385}, true},
            {{"Image2", -1}, ":/pictures/round_top_legend.svg", Host::surface, {4080, 1440, 10665, 6075}, false},
        };
        d.labels = resultLabels(7320, 1680, 6720, rgb(255, 0, 0));
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
        d.lists[1].changeSignal = ListSignal::textActivated;
        d.choiceFrameCaption = "选择偏移方位和等份";
        d.pattern = rectTopPatternExport;
        d.seamPlaces = transitionSeamPlaces();
        d.patternName = "transition-rect-top";
        d.patternListing = {"计算"};
        d.panel.grid = transitionGrid();
        d.pictures = {
            {{"Image1", -1}, ":/pictures/rect_top_legend.svg", Host::surface, {3600, 2880, 11175, 6180}, false},
            {{"Image2", -1}, ":/pictures/rect_top_sketch.svg", Host::surface, {0, 6720, 3285, 2640}, true},
        };
        d.labels = resultLabels(6960, 1440, 6360, kWhite);
        return d;
    }();
    return design;
}

}  // namespace korvel
