#include "core/fittings/tee/tee_design.h"

#include "core/fittings/tee/tee_commands.h"
#include "core/fittings/tee/tee_export.h"
#include "core/fittings/tee/ytee_commands.h"

namespace korvel {
namespace {

// The fixed background sketch of the fitting with its dimensions, 480 x 360
// pixels in the surface's top-right corner, 20 pixels in. Being a child of the
// surface it is painted over the drawing, so it keeps to the drawing's empty
// corner: both windows' drawings start at the panel and grow from the bottom
// (branch pattern, Y-tee pipes) or from a fixed origin left of the middle
// (opening).
CornerPicture background(std::string resource) { return {{"Picture1", -1}, std::move(resource), 480, 360, 20}; }

// The drawing's title on the surface, right of the panel, empty until drawn.
LabelDesign title(int index, double points, double left, double top) {
    LabelDesign label{{"Label1", index}};
    label.points = points;
    label.place = Place{left, top};
    return label;
}

}  // namespace

const WindowDesign& teeDesign() {
    static const WindowDesign design = [] {
        WindowDesign d;
        d.objectName = "Form5";
        d.title = "任意角度等径异径三通放样程序    单位：mm";
        d.fitting = "tee, equal or unequal diameters, any angle";
        d.menu = {
            spacer(),
            {"打印", "         打印(&W)       ", "", {}},
            {"支管", "    计算支管展开(&Z)     ", "tee-branch", teeBranch},
            {"主管", "    计算主管展开(&A)     ", "tee-opening", teeOpening},
            {"等份", "    计算等份累加数(&D)   ", "tee-divisions", teeDivisions},
            {"返回", "    返回(&F)     ", "", {}},
        };
        d.inputs = {
            arrayInput(0, "D", "输入主管外径：", 0, "mm", 6, "1120"),
            arrayInput(1, "d", "输入支管外径：", 1, "mm", 7, "1120"),
            arrayInput(2, "alpha", "输入两管夹角：", 2, "°", 8, "45"),
            arrayInput(3, "Ls", "输入支管短边：", 3, "mm", 9, "200"),
            arrayInput(4, "t", "输入支管壁厚：", 4, "mm", 10, "0"),
        };
        d.inputs[4].toolTip = "如果支管是骑在主管外圆上面焊接就必须输入支管壁厚";
        d.lists = {{{"Combo1", 0}, "n", divisionItems(8, 100, 4), "32", {"Label1", 5},
                    "选择圆周等份：", {"Label1", 11}, "等份", {}}};
        d.rounding = {{"Option1", 0}, {"Option1", 1}, 3};
        d.listingBoxes = {{"Combo1", 1}, {"Combo1", 2}};
        d.pattern = teePatternExport;
        d.patternName = "tee";
        d.patternListing = {"支管", "主管"};
        // The branch's seam: along the short side Ls (station 0, in the
        // crotch the acute angle makes), as the window develops it, or half
        // a turn on along the long side opposite the crotch.
        d.seamPlaces = {{"side", "短边（锐角一侧，支管短边处）"}, {"opposite", "长边（与锐角一侧相对）"}};
        // The export builds the branch onto the main pipe from the walls.
        d.branchJoint = true;
        d.cornerPictures = {background(":/pictures/tee_background.svg")};
        d.labels = {title(12, 15, 4560, 360)};
        return d;
    }();
    return design;
}

const WindowDesign& yTeeDesign() {
    static const WindowDesign design = [] {
        WindowDesign d;
        d.objectName = "Form6";
        d.title = " 等径丫形三通放样程序          单位：mm   ";
        d.fitting = "Y-shaped tee of equal diameters";
        d.menu = {
            spacer(),
            {"打印", "       打印(&W)     ", "", {}},
            {"管Ⅰ", "       计算管Ⅰ展开(&A)     ", "ytee-vertical", yTeeVertical},
            {"管Ⅱ", "       计算管Ⅱ展开(&Z)     ", "ytee-slanted", yTeeSlanted},
            {"等份", "       计算等份累加数(&D)     ", "ytee-divisions", yTeeDivisions},
            {"返回", "       返回(&F)     ", "", {}},
        };
        d.inputs = {
            arrayInput(0, "D", "输入管道外径：", 0, "mm", 4, "720"),
            arrayInput(1, "L", "输入管道长度：", 1, "mm", 5, "800"),
            arrayInput(2, "beta", "输入两管夹角：", 2, "°", 6, "75"),
        };
        d.lists = {{{"Combo1", 0}, "n", divisionItems(8, 100, 4), "16", {"Label1", 3},
                    "选择圆周等份", {"Label1", 7}, "等份", {}}};
        d.rounding = {{"Option1", 0}, {"Option1", 1}, 3};
        d.listingBoxes = {{"Combo1", 1}, {"Combo1", 2}};
        d.pattern = yTeePatternExport;
        d.patternName = "ytee";
        d.patternListing = {"管Ⅰ", "管Ⅱ"};
        // The title stands at 3840 twips, so the panel keeps left of it:
        // captions narrower, boxes, units and the listing boxes moved in by
        // 300 twips.
        d.panel.grid.captionWidth = 1800;
        d.panel.grid.boxLeft = 1920;
        d.panel.grid.unitLeft = 3180;
        d.panel.grid.panelWidth = 3720;
        d.panel.grid.decimalLeft = 1920;
        d.cornerPictures = {background(":/pictures/ytee_background.svg")};
        d.labels = {title(8, 15.75, 3840, 720)};
        return d;
    }();
    return design;
}

}  // namespace korvel
