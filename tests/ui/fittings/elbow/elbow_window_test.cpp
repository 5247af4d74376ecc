// The elbow window Form4 end to end: its checks as the user meets them
// (message, emptied box, focus, nothing left behind), listings and drawing
// kept or replaced, the label places, and the print dialog.

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/fittings/elbow/elbow_design.h"
#include "ui/calculator_window.h"
#include "ui/listing_box.h"
#include "ui/surface.h"
#include "support/windows.h"

namespace korvel {
namespace {

class ElbowWindowTest : public testing::At96Dpi {
protected:
    void SetUp() override {
        At96Dpi::SetUp();
        window = std::make_unique<CalculatorWindow>(elbowDesign());
        window->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        window.reset();
        At96Dpi::TearDown();
    }
    void type(const char* key, const char* text) { window->box(key)->setText(QString::fromUtf8(text)); }
    size_t drawn() const {
        size_t count = 0;
        for (const auto& p : window->surface()->primitives())
            if (std::holds_alternative<LineOp>(p) || std::holds_alternative<TextOp>(p)) ++count;
        return count;
    }

    testing::RecordedDialogs dialogs;
    std::unique_ptr<CalculatorWindow> window;
};

struct CheckCase {
    const char* name;
    const char* box;
    const char* text;
    const char* message;
    bool emptied;
};

TEST_F(ElbowWindowTest, EachFailedCheckShowsItsMessageEmptiesAndFocusesItsBoxAndLeavesNothing) {
    const CheckCase cases[] = {
        {"empty diameter", "Text1", "", "管道外径不能为空！\n", false},
        {"zero diameter", "Text1", "0", "\n管道外径必须大于零！", true},
        {"text for diameter", "Text1", "abc", "\n管道外径必须大于零！", true},
        {"empty radius", "Text2", "", "\n弯曲半径不能为空！", false},
        {"radius below half the diameter", "Text2", "559", "请输入正确的弯曲半径，不得小于外径一半！\n", true},
        {"empty angle", "Text3", "", "弯曲角度不能为空！\n", false},
        {"negative angle", "Text3", "-5", "请输入正确的弯曲角度“>0-<359.9”之间!\n", true},
        {"full turn", "Text3", "359.9", "请输入正确的弯曲角度“>0-<359.9”之间!\n", true},
        {"end section at 90 degrees (two segments)", "Text3", "180", "弯曲角度过大：端节角度必须小于90°！", true},
        {"number too large", "Text2", "1e999", "输入的数值过大！", true},
    };
    for (const char* command : {"端节", "中节"}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(command) + ": " + c.name);
            window.reset(new CalculatorWindow(elbowDesign()));
            window->show();
            window->list("Combo2")->setCurrentText("2");
            window->runCommand("端节");  // something on the surface and in the lists first
            ASSERT_GT(drawn(), 0u);
            dialogs.messages.clear();
            type(c.box, c.text);
            window->runCommand(command);
            ASSERT_EQ(dialogs.messages.size(), 1u);
            EXPECT_EQ(dialogs.messages[0].text, c.message);
            EXPECT_EQ(dialogs.messages[0].title, "错误：");
            EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Error);
            EXPECT_EQ(window->box(c.box)->text(), c.emptied ? QString() : QString::fromUtf8(c.text));
            EXPECT_EQ(window->focusWidget(), window->box(c.box));
            EXPECT_EQ(drawn(), 0u);
            EXPECT_TRUE(window->listing("Combo3")->lines().empty());
            EXPECT_TRUE(window->listing("Combo4")->lines().empty());
            EXPECT_EQ(window->listing("Combo3")->heading(), "");
            EXPECT_TRUE(window->label("Label1(11)")->text().isEmpty());
            EXPECT_TRUE(window->label("Label1(12)")->text().isEmpty());
        }
    }
}

TEST_F(ElbowWindowTest, TheEndSectionListsDrawsAndPlacesItsLabels) {
    window->runCommand("端节");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(window->listing("Combo3")->heading(), "       端节实");
    EXPECT_EQ(window->listing("Combo4")->heading(), "长数据");
    EXPECT_EQ(window->listing("Combo3")->lines().at(4), "L4 = 300");
    EXPECT_EQ(window->listing("Combo4")->lines().at(4), "L12 = 600");
    EXPECT_EQ(window->label("Label1(11)")->text(), QStringLiteral("管道周长 = 3519 mm   弯头重量 = 746 kg"));
    EXPECT_EQ(window->label("Label1(12)")->text(), QStringLiteral("任意角度弯头端节展开数据"));
    // Labels at their places in the surface's frame (-100, -100)-(0, 0).
    const QSize s = window->surface()->size();
    EXPECT_NEAR(window->label("Label1(11)")->x(), s.width() * 0.57, 1.0);
    EXPECT_NEAR(window->label("Label1(11)")->y(), s.height() * 0.96, 1.0);
    EXPECT_NEAR(window->label("Label1(12)")->x(), s.width() * 0.65, 1.0);
    EXPECT_NEAR(window->label("Label1(12)")->y(), s.height() * 0.05, 1.0);
    // The left listing box is 99 units of the frame tall after the command.
    EXPECT_EQ(window->listing("Combo3")->height(), static_cast<int>(s.height() * 0.99));
}

TEST_F(ElbowWindowTest, DivisionsAfterTheEndSectionKeepTheDrawing) {
    window->runCommand("端节");
    const size_t before = drawn();
    ASSERT_GT(before, 0u);
    window->runCommand("等份");
    EXPECT_EQ(drawn(), before);
    EXPECT_EQ(window->listing("Combo3")->heading(), "   圆周长每等");
    EXPECT_EQ(window->listing("Combo4")->lines().back(), "D16 = 3519");
    EXPECT_EQ(window->listing("Combo3")->textColour(), rgb(255, 0, 0));
}

TEST_F(ElbowWindowTest, RoundingChoiceCountsFromTheNextCommand) {
    window->runCommand("端节");
    qobject_cast<QRadioButton*>(window->control("Option2"))->setChecked(true);
    EXPECT_EQ(window->listing("Combo3")->lines().at(4), "L4 = 300");
    window->runCommand("端节");
    EXPECT_EQ(window->listing("Combo3")->lines().at(4), "L4 = 300.1");
    EXPECT_EQ(window->label("Label1(11)")->text(), QStringLiteral("管道周长 = 3518.58 mm   弯头重量 = 746.04 kg"));
}

TEST_F(ElbowWindowTest, PrintOpensThePrinterDialogAndPrintsOnlyWhenConfirmed) {
    QTemporaryDir dir;
    dialogs.printerFile = dir.filePath("elbow.pdf");
    dialogs.printerAccepted = false;
    window->runCommand("端节");
    window->runCommand("打印");
    EXPECT_EQ(dialogs.printerDialogs, 1);
    EXPECT_FALSE(QFile::exists(dialogs.printerFile)) << "cancel prints nothing";
    dialogs.printerAccepted = true;
    window->runCommand("打印");
    EXPECT_EQ(dialogs.printerDialogs, 2);
    EXPECT_TRUE(QFile::exists(dialogs.printerFile));
    EXPECT_GT(QFile(dialogs.printerFile).size(), 1000);
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace korvel
