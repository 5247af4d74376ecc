// The cone window (Form10) and the rectangular frustum window (Form7) on the
// offscreen platform: variant switches, checks with their boxes, listings,
// line controls and the plan's scale kept by the window.

#include "core/fittings/frustum/frustum_design.h"
#include "ui/calculator_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "ui/line_control.h"
#include "ui/surface.h"
#include "ui/twips.h"
#include "support/windows.h"

namespace korvel {
namespace {

using FrustumWindowTest = testing::QuietWindowTest;

QString text(CalculatorWindow& w, const char* key) { return w.box(key)->text(); }
QString caption(CalculatorWindow& w, const char* key) { return w.label(key)->text(); }
bool shown(CalculatorWindow& w, const char* key) { return !w.control(key)->isHidden(); }
LineControl* lineControl(CalculatorWindow& w, const char* key) {
    return qobject_cast<LineControl*>(w.control(key));
}

TEST_F(FrustumWindowTest, ConeVariantSwitchResetsBoxesAndKeepsTheRounding) {
    CalculatorWindow w(coneDesign());
    qobject_cast<QRadioButton*>(w.control("Option1(1)"))->setChecked(true);
    w.box("Text1(1)")->setText("2000");
    w.runCommand("计算");
    ASSERT_FALSE(caption(w, "Label1(9)").isEmpty());

    w.list("Combo1")->setCurrentIndex(1);
    EXPECT_EQ(text(w, "Text1(0)"), "0");
    EXPECT_EQ(text(w, "Text1(1)"), "1000");
    EXPECT_EQ(text(w, "Text1(2)"), "500");
    EXPECT_EQ(text(w, "Text1(3)"), "0");
    for (const char* key : {"Text1(0)", "Label1(0)", "Label1(4)", "Text1(3)", "Label1(3)", "Label1(7)", "Label1(16)",
                            "Line1", "Line4"})
        EXPECT_FALSE(shown(w, key)) << key;
    EXPECT_EQ(caption(w, "Label1(2)"), QStringLiteral("输入锥体垂直高："));
    for (const char* key : {"Label1(8)", "Label1(9)", "Label1(14)", "Label1(15)", "Label1(16)"})
        EXPECT_EQ(caption(w, key), "") << key;
    EXPECT_TRUE(w.surface()->primitives().empty() ||
                !std::holds_alternative<ArcOp>(w.surface()->primitives().back()));
    EXPECT_TRUE(qobject_cast<QRadioButton*>(w.control("Option1(1)"))->isChecked());

    w.box("Text1(2)")->setText("0");
    w.list("Combo1")->setCurrentIndex(0);
    EXPECT_EQ(text(w, "Text1(0)"), "500");
    EXPECT_EQ(text(w, "Text1(2)"), "500");
    for (const char* key : {"Text1(0)", "Label1(0)", "Label1(4)", "Text1(3)", "Label1(3)", "Label1(7)", "Label1(16)"})
        EXPECT_TRUE(shown(w, key)) << key;
    EXPECT_EQ(caption(w, "Label1(2)"), QStringLiteral("输入两端垂直高："));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(FrustumWindowTest, ConeAfterFrustumLeavesNoSmallArcBehind) {
    CalculatorWindow w(coneDesign());
    w.runCommand("计算");
    EXPECT_EQ(caption(w, "Label1(8)"), QStringLiteral("小圆弧展开半径 = 559"));
    EXPECT_EQ(caption(w, "Label1(10)"), QStringLiteral("小圆弧展开弦长 = 1103"));
    EXPECT_EQ(caption(w, "Label1(16)"), QStringLiteral("说明：板材下料请输入板厚"));
    // The cone typed into the frustum variant.
    w.box("Text1(0)")->setText("0");
    w.runCommand("计算");
    EXPECT_EQ(caption(w, "Label1(9)"), QStringLiteral("圆弧展开半径 = 707"));
    EXPECT_EQ(caption(w, "Label1(15)"), QStringLiteral("正心圆锥体展开放样"));
    EXPECT_EQ(caption(w, "Label1(8)"), "");
    EXPECT_EQ(caption(w, "Label1(10)"), "");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(FrustumWindowTest, ConeLinesAreShownAndPlacedInTheWindow) {
    CalculatorWindow w(coneDesign());
    for (const char* key : {"Line1", "Line2", "Line3", "Line4"}) EXPECT_FALSE(shown(w, key));
    w.runCommand("计算");
    const FormState s = w.readState();
    for (const char* key : {"Line1", "Line2", "Line3", "Line4"}) EXPECT_TRUE(shown(w, key));
    const LineControl* axis = lineControl(w, "Line4");
    EXPECT_DOUBLE_EQ(axis->x1(), 0.625 * s.outerWidth);
    EXPECT_DOUBLE_EQ(axis->y2(), 0.82 * s.outerHeight);
    // The sector's arcs stand at the apex.
    int arcs = 0;
    for (const auto& p : w.surface()->primitives())
        if (const auto* arc = std::get_if<ArcOp>(&p)) {
            ++arcs;
            EXPECT_DOUBLE_EQ(arc->cx, 0.625 * s.outerWidth);
        }
    EXPECT_EQ(arcs, 3);
}

TEST_F(FrustumWindowTest, ConeChecksEmptyAndFocusTheirBox) {
    struct Case {
        const char* box;
        const char* typed;
        const char* message;
        bool error;
        bool emptied;
    };
    const Case cases[] = {
        {"Text1(0)", "", "小端口外径不能为空，输入正确的数据", false, false},
        {"Text1(1)", "", "大端口外径不能为空，输入正确的数据", false, false},
        {"Text1(0)", "-1", "请输入正确的小端口外径，小于0mm\n", true, true},
        {"Text1(0)", "1000", "请输入正确的小端口外径，不得大于大端口或者等于大端口外径\n", true, true},
        {"Text1(2)", "", "两端口垂直高不能为空，输入正确的数据", false, false},
        {"Text1(3)", "", "钢板厚度不能为空，输入正确的数据", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        testing::RecordedDialogs dialogs;
        CalculatorWindow w(coneDesign());
        w.runCommand("计算");
        w.box(c.box)->setText(c.typed);
        w.runCommand("计算");
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text, c.message);
        EXPECT_EQ(dialogs.messages[0].icon, c.error ? MessageIcon::Error : MessageIcon::None);
        EXPECT_EQ(dialogs.messages[0].title, c.error ? "错误：" : "");
        EXPECT_EQ(w.focusWidget(), w.box(c.box));
        EXPECT_EQ(text(w, c.box), c.emptied ? "" : c.typed);
        // The surface is cleared, the listing stays as it was.
        EXPECT_TRUE(w.surface()->primitives().empty() ||
                    std::holds_alternative<FontOp>(w.surface()->primitives().back()));
        EXPECT_EQ(caption(w, "Label1(13)"), QStringLiteral("展开斜边实长 = 559"));
    }
}

TEST_F(FrustumWindowTest, ConeVariantWithoutBigEndFocusesTheBigEnd) {
    CalculatorWindow w(coneDesign());
    w.list("Combo1")->setCurrentIndex(1);
    w.box("Text1(1)")->setText("0");
    w.runCommand("计算");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(text(w, "Text1(0)"), "0");
    EXPECT_EQ(text(w, "Text1(1)"), "");
    EXPECT_EQ(w.focusWidget(), w.box("Text1(1)"));
}

TEST_F(FrustumWindowTest, RectFrustumComputesAndSwitchesOffsets) {
    CalculatorWindow w(rectFrustumDesign());
    for (const char* key : {"Label1(22)", "Label1(25)", "Line1", "Line2", "Label1(26)", "Label1(14)"})
        EXPECT_FALSE(shown(w, key)) << key;
    EXPECT_TRUE(shown(w, "Image1"));
    w.box("Text1(5)")->setText("100");
    w.box("Text1(6)")->setText("50");
    w.runCommand("计算");
    EXPECT_FALSE(shown(w, "Image1"));
    for (const char* key : {"Label1(22)", "Label1(25)", "Line1", "Line2", "Label1(26)", "Label1(14)", "Label1(21)"})
        EXPECT_TRUE(shown(w, key)) << key;
    EXPECT_EQ(caption(w, "Label1(16)"), QStringLiteral("西边梯形面实高 h3 =1166"));
    EXPECT_EQ(caption(w, "Label1(26)"), QStringLiteral("显示数据"));
    const LineControl* across = lineControl(w, "Line2");
    EXPECT_DOUBLE_EQ(across->x1(), 9450);
    EXPECT_DOUBLE_EQ(across->y1(), 4380);
    EXPECT_DOUBLE_EQ(across->y2(), 6080);

    w.box("Text1(0)")->setText("2000");
    w.list("Combo1")->setCurrentIndex(1);
    EXPECT_EQ(text(w, "Text1(0)"), "2000");
    EXPECT_EQ(text(w, "Text1(4)"), "1000");
    EXPECT_EQ(text(w, "Text1(5)"), "0");
    EXPECT_EQ(text(w, "Text1(6)"), "0");
    EXPECT_EQ(caption(w, "Label1(6)"), QStringLiteral("纵边向南偏心："));
    EXPECT_EQ(caption(w, "Label1(14)"), "");
    EXPECT_EQ(caption(w, "Label1(26)"), "");
    EXPECT_TRUE(shown(w, "Image1"));
    for (const char* key : {"Label1(22)", "Label1(23)", "Label1(24)", "Label1(25)", "Line1", "Line2"})
        EXPECT_FALSE(shown(w, key)) << key;
    EXPECT_TRUE(w.surface()->primitives().empty() ||
                !std::holds_alternative<LineOp>(w.surface()->primitives().back()));

    w.list("Combo1")->setCurrentIndex(0);
    EXPECT_EQ(caption(w, "Label1(6)"), QStringLiteral("纵边向北偏心："));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(FrustumWindowTest, RectFrustumKeepsItsScale) {
    CalculatorWindow w(rectFrustumDesign());
    w.runCommand("计算");
    // 2200 at 3.4: the small end's 1200 spans 4080 twips.
    EXPECT_DOUBLE_EQ(lineControl(w, "Line1")->x2() - lineControl(w, "Line1")->x1(), 4080);
    w.box("Text1(0)")->setText("");
    w.box("Text1(2)")->setText("1000");
    w.runCommand("计算");
    EXPECT_DOUBLE_EQ(lineControl(w, "Line1")->x2() - lineControl(w, "Line1")->x1(), 3400);
    EXPECT_TRUE(dialogs.messages.empty());
    // Reopened, the window has no scale yet and takes the smallest band's.
    CalculatorWindow fresh(rectFrustumDesign());
    fresh.box("Text1(0)")->setText("0");
    fresh.box("Text1(2)")->setText("10");
    fresh.runCommand("计算");
    EXPECT_DOUBLE_EQ(lineControl(fresh, "Line1")->x2() - lineControl(fresh, "Line1")->x1(), 600);
}

}  // namespace
}  // namespace korvel
