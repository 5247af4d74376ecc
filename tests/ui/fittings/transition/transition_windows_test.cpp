// The transition windows Form8 and Form9: choosing a direction starts the
// offsets over, the plan's scale kept between computations, and a panel that
// leaves the listing's left column free.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "core/fittings/transition/transition_design.h"
#include "ui/calculator_window.h"
#include "ui/surface.h"
#include "ui/twips.h"

namespace korvel {
namespace {

TEST(TransitionWindows, DirectionChoiceStartsTheOffsetsOver) {
    CalculatorWindow form8(roundTopDesign());
    form8.box("Text1(5)")->setText("100");
    form8.box("Text1(6)")->setText("150");
    form8.runCommand("计算");
    EXPECT_EQ(form8.label("Label1(16)")->text(), QStringLiteral("南边三角面实高 h2=1141"));
    QComboBox* direction = form8.list("Combo2");
    direction->setCurrentIndex(1);
    emit direction->textActivated(direction->currentText());
    EXPECT_EQ(form8.label("Label1(6)")->text(), QStringLiteral("输入圆心向南偏移："));
    EXPECT_EQ(form8.box("Text1(5)")->text(), QStringLiteral("0"));
    EXPECT_EQ(form8.box("Text1(6)")->text(), QStringLiteral("0"));
    EXPECT_EQ(form8.label("Label1(16)")->text(), QString());
    EXPECT_FALSE(form8.control("Image1")->isHidden());
    EXPECT_TRUE(form8.surface()->primitives().size() <= 1u) << "only the font survives a clear";

    CalculatorWindow form9(rectTopDesign());
    EXPECT_EQ(form9.label("Label1(5)")->text(), QStringLiteral("输方口向西偏移："));
    emit form9.list("Combo2")->textActivated(QStringLiteral("矩方口向西向北偏移"));
    EXPECT_EQ(form9.label("Label1(5)")->text(), QStringLiteral("输入方口向西偏移："));
    EXPECT_EQ(form9.label("Label1(6)")->text(), QStringLiteral("输入方口向北偏移："));
}

TEST(TransitionWindows, ScaleSurvivesBetweenComputations) {
    CalculatorWindow form8(roundTopDesign());
    form8.runCommand("计算");
    EXPECT_TRUE(form8.control("Image1")->isHidden());
    // With a side of 0 the plan keeps the 4.5 of the presets, not the 22.5
    // that b and D alone would give.
    form8.box("Text1(0)")->setText("0");
    form8.box("Text1(1)")->setText("300");
    form8.box("Text1(2)")->setText("200");
    form8.runCommand("计算");
    std::vector<ArcOp> circles;
    for (const auto& p : form8.surface()->primitives())
        if (const auto* arc = std::get_if<ArcOp>(&p)) circles.push_back(*arc);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_DOUBLE_EQ(circles[0].radius, 4.5 * 100);
    form8.runCommand("图例");
    EXPECT_FALSE(form8.control("Image2")->isHidden());
    EXPECT_TRUE(form8.control("Image1")->isHidden());
}

TEST(TransitionWindows, PanelLeavesTheListingsLeftColumnFree) {
    // Column 23 of the 14.25 pt listing font starts 22 average character
    // widths of half an em, 22 * 7.125 pt = 3135 twips, from the left edge.
    CalculatorWindow form8(roundTopDesign());
    CalculatorWindow form9(rectTopDesign());
    for (CalculatorWindow* w : {static_cast<CalculatorWindow*>(&form8), static_cast<CalculatorWindow*>(&form9)}) {
        const QRect panel = w->frame1()->geometry();
        EXPECT_LE(toTwips(panel.right() + 1), 3135) << w->design().objectName;
        for (const auto& in : w->design().inputs) {
            const QRect box = w->box(in.box.key())->geometry();
            const QRect caption = w->label(in.caption.key())->geometry();
            EXPECT_LE(caption.right(), box.left()) << in.captionText;
        }
    }
}

}  // namespace
}  // namespace korvel
