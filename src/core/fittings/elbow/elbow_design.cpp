#include "core/fittings/elbow/elbow_design.h"

#include "core/fittings/elbow/elbow_cad.h"
#include "core/fittings/elbow/elbow_commands.h"
#include "core/fittings/elbow/elbow_export.h"
#include "core/fittings/elbow/elbow_pattern.h"

namespace korvel {

const WindowDesign& elbowDesign() {
    static const WindowDesign design = [] {
        WindowDesign d;
        d.objectName = "Form4";
        d.title = "任意角度弯头放样程序   单位:mm";
        d.fitting = "segmented elbow of any bend angle";
        d.darkSurface = false;
        d.menu = {
            spacer(),
            {"打印", "      打印 (&P)     ", "", {}},
            {"端节", "   计算端节展开 (&D)     ", "elbow-end", elbowEnd},
            {"中节", "   计算中节展开 (&c)  ", "elbow-middle", elbowMiddle},
            {"等份", "    计算等份累加 (&Z)  ", "elbow-divisions", elbowDivisions},
            {"cad", "   （CAD）展开 (&C)    ", "", {}},
            {"退出", "    退出 (&X)   ", "", {}},
        };
        // The elbow's boxes are four separately named controls, not an array.
        auto box = [](int i, std::string symbol, std::string caption, std::string unit,
                      std::string preset) {
            InputDesign in = arrayInput(0, std::move(symbol), std::move(caption), i - 1,
                                        std::move(unit), i + 3, std::move(preset));
            in.box = {"Text" + std::to_string(i), -1};
            return in;
        };
        d.inputs = {
            box(1, "D", "输入管道外径：", "mm", "1120"),
            box(2, "R", "输入弯曲半径：", "mm", "1680"),
            box(3, "alpha", "输入弯曲角度：", "°", "90"),
            box(4, "t", "输入管道壁厚：", "mm", "10"),
        };
        d.inputs[3].toolTip = "如果需要计算弯头重量请输入管道壁厚";
        d.lists = {
            {{"Combo2", -1}, "k", divisionItems(2, 20, 1), "4", {}, "", {"Label1", 8}, "节", {}},
            {{"Combo1", -1}, "n", divisionItems(8, 100, 4), "16", {}, "", {"Label1", 9}, "等份", {}},
        };
        d.rounding = {{"Option1", -1}, {"Option2", -1}, 2};
        d.listingBoxes = {{"Combo3", -1}, {"Combo4", -1}};
        d.pattern = elbowPatternExport;
        d.patternName = "elbow";
        d.seamPlaces = elbowSeamPlaces();
        d.patternListing = {"端节", "中节"};
        d.cad = {checkElbowCad,
                 [](const FormState& state, cad::Application& app) { drawElbowCad(state, app); },
                 elbowCadFileName};

        // The panel as designed: Frame1 3375 wide at the top-left corner, the
        // red-titled input frame filling it from y = 120 with the boxes on rows
        // 480 apart, then both lists on one row and the rounding choice under
        // them; the listing boxes below the frame.
        PanelDesign& panel = d.panel;
        panel.grid.panelWidth = 3375;
        panel.grid.captionWidth = 1440;
        panel.grid.boxLeft = 1560;
        panel.grid.boxWidth = 1095;
        panel.grid.unitLeft = 2760;
        panel.grid.unitWidth = 500;
        panel.grid.firstRow = 360;
        panel.grid.rowPitch = 480;
        panel.oneFrame = true;
        panel.inputFrameTitleColour = rgb(255, 0, 0);
        panel.places = {
            {"Frame1", {0, 0, 3375, 4575}},       {"Frame2", {0, 120, 3375, 3240}},
            {"Combo2", {120, 2280, 1095, 330}},   {"Label1(8)", {1320, 2340, 300, 270}},
            {"Combo1", {1560, 2280, 1000, 330}},  {"Label1(9)", {2640, 2340, 600, 270}},
            {"Option1", {120, 2880, 1500, 300}},  {"Option2", {1680, 2880, 1500, 300}},
            {"Combo3", {0, 3360, 1695, 1200}},    {"Combo4", {1680, 3360, 1695, 1200}},
        };
        // Result labels on the surface, empty until a pattern is drawn.
        for (int i : {10, 11, 12}) {
            LabelDesign result{{"Label1", i}};
            result.points = i == 12 ? 24 : 14.25;
            result.colour = kBlack;
            d.labels.push_back(result);
        }
        d.clock.title = [](const std::string& dateTimeLine) {
            return "任意角度弯头展开放样程序      " + dateTimeLine + std::string(73, ' ') + "单位: mm";
        };
        d.resizing = {true, 6.3};
        // The left listing box is made 99 hundredths of the surface tall.
        d.stretch = {{"端节", "中节"}, 0.99};
        d.printing = PrintWay::printerDialog;
        return d;
    }();
    return design;
}

}  // namespace korvel
