#include "core/fittings/frustum/frustum_design.h"

#include "core/fittings/frustum/cone_commands.h"
#include "core/fittings/frustum/frustum_export.h"
#include "core/fittings/frustum/rect_frustum_commands.h"

namespace korvel {
namespace {

// A label in the room under the panel, empty until a command fills it.
LabelDesign roomLabel(int index, Place place, bool visible) {
    LabelDesign label{{"Label1", index}, Host::room};
    label.place = place;
    label.visible = visible;
    return label;
}

}  // namespace

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

        // Below the frames: the sketch, and in its place the listing once computed.
        d.panel.room = 4200;
        d.pictures = {{{"Image1", -1}, ":/pictures/rect_frustum_sketch.svg", Host::room, {120, 60, 3510, 2385}}};
        LabelDesign heading = roomLabel(26, {120, 60, 3600, 360}, false);
        heading.points = 12;
        heading.colour = rgb(255, 0, 0);
        d.labels.push_back(heading);
        double y = 480;
        for (int i = 14; i <= 21; ++i) {
            d.labels.push_back(roomLabel(i, {120, y, 3800, 300}, false));
            y += i == 17 ? 540 : 390;  // a wider gap between the heights and the joints
        }
        // The compass letters round the plan, whose big end spans some 7000 to
        // 8000 twips about the fixed centre (9450, 5400).
        const char* compass[] = {"东", "南", "西", "北"};
        const Place letterPlaces[] = {{13800, 5250}, {9330, 9000}, {4900, 5250}, {9330, 1500}};
        for (int i = 0; i < 4; ++i) {
            LabelDesign letter{{"Label1", 22 + i}};
            letter.points = 12;
            letter.place = letterPlaces[i];
            letter.text = compass[i];
            letter.visible = false;
            d.labels.push_back(letter);
        }
        d.lines = {{{"Line1", -1}, rgb(255, 0, 0)}, {{"Line2", -1}, rgb(255, 0, 0)}};
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
        d.seamAngle = true;
        d.patternListing = {"计算"};

        // The listing frame under the inputs, then the frustum picture.
        d.panel.room = 3000 + 2500;
        d.groups = {{{"Frame4", -1}, "显示数据", Host::room, {0, 60, 4020, 2900}}};
        double y = 330;
        for (int i : {8, 10, 9, 11, 12, 13, 14}) {
            LabelDesign line = roomLabel(i, {120, y, 3800, 300}, true);
            line.host = Host::group;
            line.group = "Frame4";
            d.labels.push_back(line);
            y += 360;
        }
        d.pictures = {{{"Image1", -1}, ":/pictures/cone_frustum_sketch.svg", Host::room, {120, 3040, 3600, 2400}}};
        LabelDesign title{{"Label1", 15}};
        title.points = 15;
        title.place = Place{9000, 360};
        LabelDesign note{{"Label1", 16}};
        note.place = Place{6000, 10200};
        d.labels.push_back(title);
        d.labels.push_back(note);
        for (int i = 1; i <= 4; ++i) d.lines.push_back({{"Line" + std::to_string(i), -1}, kWhite});
        return d;
    }();
    return design;
}

}  // namespace korvel
