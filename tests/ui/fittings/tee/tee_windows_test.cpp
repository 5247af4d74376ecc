// The tee and Y-tee windows running their commands offscreen: the two checks'
// messages and resets, the empty-branch case, the branch pattern following
// the window's size, and where the titles and the background sit.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "core/fittings/tee/tee_design.h"
#include "ui/calculator_window.h"
#include "ui/listing_box.h"
#include "core/numbers.h"
#include "ui/surface.h"
#include "ui/twips.h"
#include "support/outcomes.h"
#include "support/windows.h"

namespace korvel {
namespace {

using TeeWindowTest = testing::QuietWindowTest;

template <class T>
std::vector<T> drawn(const CalculatorWindow& window) {
    return testing::only<T>(window.surface()->primitives());
}

TEST_F(TeeWindowTest, FailedChecksShowBothMessagesResetAndGoOn) {
    CalculatorWindow tee(teeDesign());
    tee.box("Text1(1)")->setText(QStringLiteral("1200"));
    tee.box("Text1(2)")->setText(QStringLiteral("95"));
    tee.runCommand("支管");
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0],
              (ShowMessage{"请您正确输入支管外径，不得大于主管外径和小于,程序执行默认数据！", MessageIcon::None, ""}));
    EXPECT_EQ(dialogs.messages[1], (ShowMessage{"请您正确输入两管之间夹角,程序执行默认数据！", MessageIcon::None, ""}));
    EXPECT_EQ(tee.box("Text1(0)")->text(), QStringLiteral("1120"));
    EXPECT_EQ(tee.box("Text1(1)")->text(), QStringLiteral("1120"));
    EXPECT_EQ(tee.box("Text1(2)")->text(), QStringLiteral("45"));
    // The preset tee is listed and drawn.
    const std::vector<std::string> left = tee.listing("Combo1(1)")->lines();
    ASSERT_EQ(left.size(), 17u);
    EXPECT_EQ(left[4], "L4=596");
    EXPECT_EQ(left[16], "L16=1320");
    EXPECT_EQ(tee.listing("Combo1(2)")->lines().back(), "L32=200");
    EXPECT_EQ(tee.listing("Combo1(1)")->heading(), "  支管展开实");
    EXPECT_EQ(tee.label("Label1(12)")->text(), QStringLiteral("支管展开放样图"));
    EXPECT_EQ(drawn<LineOp>(tee).size(), 67u);

    // The reset texts stay for the next command: no message this time.
    dialogs.messages.clear();
    tee.runCommand("主管");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(tee.listing("Combo1(1)")->lines().back(), "x16=1584");
    EXPECT_EQ(tee.label("Label1(12)")->text(), QStringLiteral("主管开孔展开图"));
}

TEST_F(TeeWindowTest, EmptyBranchDiameterListsAndLeavesTheSurfaceBlank) {
    CalculatorWindow tee(teeDesign());
    tee.runCommand("支管");
    ASSERT_FALSE(drawn<LineOp>(tee).empty());
    tee.box("Text1(1)")->clear();
    tee.runCommand("主管");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(tee.listing("Combo1(1)")->lines().size(), 17u);
    EXPECT_EQ(tee.listing("Combo1(2)")->lines().size(), 17u);
    EXPECT_TRUE(drawn<LineOp>(tee).empty());
    EXPECT_TRUE(drawn<TextOp>(tee).empty());
}

TEST_F(TeeWindowTest, RejectionLeavesNoListingAndNoDrawing) {
    CalculatorWindow tee(teeDesign());
    tee.runCommand("主管");
    tee.box("Text1(2)")->setText(QStringLiteral("0"));
    tee.runCommand("支管");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "两管夹角不得为零，请您正确输入两管之间夹角！");
    EXPECT_TRUE(tee.listing("Combo1(1)")->lines().empty());
    EXPECT_TRUE(drawn<LineOp>(tee).empty());
    EXPECT_TRUE(tee.label("Label1(12)")->text().isEmpty());
    EXPECT_EQ(tee.box("Text1(2)")->text(), QStringLiteral("0"));
}

TEST_F(TeeWindowTest, BranchPatternFollowsTheWindowsSize) {
    CalculatorWindow tee(teeDesign());
    tee.resize(1000, 700);
    tee.runCommand("支管");
    const FormState state = tee.readState();
    const LineOp base = drawn<LineOp>(tee).at(33);
    EXPECT_DOUBLE_EQ(base.x1, state.outerWidth / 10 * 2.3);
    EXPECT_DOUBLE_EQ(base.x2, state.outerWidth / 10 * 9.7);
    EXPECT_DOUBLE_EQ(base.y1, state.outerHeight / 10 * 8.7);
    tee.resize(1200, 800);
    tee.runCommand("支管");
    const FormState larger = tee.readState();
    const std::vector<LineOp> lines = drawn<LineOp>(tee);
    EXPECT_DOUBLE_EQ(lines.at(33).y1, larger.outerHeight / 10 * 8.7);
    // Heights stay 2 twips per millimetre: generator 0 is 400 twips tall.
    EXPECT_DOUBLE_EQ(lines.at(0).y1 - lines.at(0).y2, 400);
}

TEST_F(TeeWindowTest, YTeeListsDrawsAndCaptions) {
    CalculatorWindow yTee(yTeeDesign());
    yTee.resize(1000, 700);
    yTee.runCommand("管Ⅱ");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(yTee.listing("Combo1(1)")->heading(), "   管Ⅱ实长过");
    EXPECT_EQ(yTee.listing("Combo1(1)")->lines().at(8), " L8=331");
    EXPECT_EQ(yTee.label("Label1(8)")->text(), QStringLiteral("斜管展开放样图 x 2 件"));
    const FormState state = yTee.readState();
    const std::vector<LineOp> lines = drawn<LineOp>(yTee);
    ASSERT_EQ(lines.size(), 37u);
    EXPECT_EQ(lines[8].y1, roundHalfEven(state.outerHeight / 10 * 8, 0));
    yTee.runCommand("等份");
    EXPECT_EQ(yTee.listing("Combo1(1)")->lines().at(1), " D1=141");
    EXPECT_EQ(yTee.listing("Combo1(1)")->textColour(), rgb(0, 0, 192));
    // The surface and the title stay.
    EXPECT_EQ(drawn<LineOp>(yTee).size(), 37u);
    EXPECT_EQ(yTee.label("Label1(8)")->text(), QStringLiteral("斜管展开放样图 x 2 件"));
}

TEST_F(TeeWindowTest, TitlesKeepClearOfThePanelAndTheBackgroundOfTheDrawing) {
    CalculatorWindow tee(teeDesign());
    CalculatorWindow yTee(yTeeDesign());
    for (CalculatorWindow* w : {static_cast<CalculatorWindow*>(&tee), static_cast<CalculatorWindow*>(&yTee)}) {
        w->show();
        QApplication::processEvents();
    }
    EXPECT_EQ(tee.label("Label1(12)")->pos(), QPoint(toPixels(4560), toPixels(360)));
    EXPECT_EQ(yTee.label("Label1(8)")->pos(), QPoint(toPixels(3840), toPixels(720)));
    EXPECT_EQ(yTee.label("Label1(8)")->font().pointSizeF(), 15.75);
    EXPECT_LT(yTee.frame1()->geometry().right(), yTee.label("Label1(8)")->x());
    EXPECT_LT(tee.frame1()->geometry().right(), tee.label("Label1(12)")->x());
    // The sketch sits in the top-right corner, above the drawings.
    for (CalculatorWindow* w : {static_cast<CalculatorWindow*>(&tee), static_cast<CalculatorWindow*>(&yTee)}) {
        QWidget* picture = w->surface()->findChild<QWidget*>("Picture1");
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->geometry().right(), w->surface()->width() - 21);
        EXPECT_EQ(picture->y(), 20);
    }
}

}  // namespace
}  // namespace korvel
