// The results a window shows outside its listing boxes as text to copy and
// read aloud (复制结果, the surface's accessible description), and a window
// opened on a small screen: no larger than the screen leaves room for, with
// every caption it shows on its surface.

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMargins>
#include <QRect>
#include <gtest/gtest.h>

#include "support/windows.h"
#include "ui/surface.h"

namespace korvel {
namespace {

using WindowResults = testing::QuietWindowTest;

TEST(PrintedTexts, ReadDownEachColumnInTurnLeavingBlanksOut) {
    const std::vector<Primitive> printed = {
        TextLineOp{{{25, "西北角实线"}, {90, "东北角实线"}}},
        TextLineOp{},
        LineOp{0, 0, 1, 1, {}},
        TextLineOp{{{25, " m0=1342"}, {90, " j0=1342"}}},
        TextLineOp{{{25, " m1=1287"}, {90, "  "}}},
        TextOp{0, 0, "h1"},  // a drawing's own mark, not a result
    };
    EXPECT_EQ(printedTexts(printed),
              (std::vector<std::string>{"西北角实线", " m0=1342", " m1=1287", "东北角实线", " j0=1342"}));
}

TEST_F(WindowResults, TheTransitionCopiesItsCaptionsThenEachCornersTable) {
    const auto window = testing::windowOf("tydf");
    window->show();
    window->runCommand("计算");
    const std::vector<std::string> lines = window->resultLines();
    // Five captions, then four corners of a heading and 7 lengths (24 divisions).
    ASSERT_EQ(lines.size(), 5u + 4 * 8);
    EXPECT_EQ(lines[0], "东边三角面实高 h1=1077");
    EXPECT_EQ(lines[4], "圆周每等份弦长 yn=106");

    window->menuAction("复制结果")->trigger();
    const std::string copied = QGuiApplication::clipboard()->text().toStdString();
    EXPECT_EQ(copied.substr(0, copied.find("西北角实线")),
              "东边三角面实高 h1\t1077\n南边三角面实高 h2\t1077\n西边三角面实高 h3\t1077\n"
              "北边三角面实高 h4\t1077\n圆周每等份弦长 yn\t106\n");
    EXPECT_NE(copied.find("西北角实线\nm0\t1342\nm1\t1287\n"), std::string::npos) << copied;
    EXPECT_NE(copied.find("m6\t1342\n西南角实线\nL0\t1342\n"), std::string::npos) << copied;
    EXPECT_TRUE(copied.ends_with("东南角实线\nk0\t1342\nk1\t1287\nk2\t1251\nk3\t1239\nk4\t1251\nk5\t1287\nk6\t1342\n"))
        << copied;

    // The 图例 drawing clears the tables; the captions stay.
    window->runCommand("图例");
    EXPECT_EQ(window->resultLines().size(), 5u);
}

TEST_F(WindowResults, TheConesCaptionsTopToBottomAreItsResultAndTheSurfaceReadsThem) {
    const auto window = testing::windowOf("yztt");
    window->show();
    EXPECT_TRUE(window->surface()->accessibleDescription().isEmpty());
    window->runCommand("计算");
    const std::vector<std::string> expected = {"小圆弧展开半径 = 559", "小圆弧展开弦长 = 1103", "大圆弧展开半径 = 1118",
                                               "大圆弧展开弦长 = 2205", "展开扇形夹角 = 160.997°", "展开斜边实长 = 559",
                                               "小端口至圆心垂线 = 500"};
    EXPECT_EQ(window->resultLines(), expected);
    std::string description;
    for (const std::string& line : expected) description += line + "\n";
    EXPECT_EQ(window->surface()->accessibleDescription().toStdString(), description);
    // Offered in the surface's context menu too.
    EXPECT_TRUE(window->surface()->actions().contains(window->menuAction("复制结果")));
    window->runCommand("复制结果");
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("小圆弧展开半径\t559\n小圆弧展开弦长\t1103\n")));
}

TEST_F(WindowResults, AWindowWithListingBoxesCopiesThroughThemAndDescribesItsSummary) {
    const auto window = testing::windowOf("wtfy");
    EXPECT_EQ(window->menuAction("复制结果"), nullptr);
    window->show();
    window->runCommand("端节");
    // 外径 1120: girth π·1120 = 3518.6 mm.
    EXPECT_TRUE(window->surface()->accessibleDescription().startsWith(QStringLiteral("管道周长 = 3519 mm")))
        << window->surface()->accessibleDescription().toStdString();
}

TEST(OpeningSize, TheDesignsSizeWhereItFitsElseWhatTheScreenLeaves) {
    const QSize design(1200, 800);
    const QMargins openbox(1, 24, 1, 1);
    EXPECT_EQ(openingSize(design, QRect(0, 0, 1600, 1000), openbox), design);
    EXPECT_EQ(openingSize(design, QRect(0, 0, 1280, 800), openbox), QSize(1200, 775));
    EXPECT_EQ(openingSize(design, QRect(0, 0, 1366, 768), openbox), QSize(1200, 743));
    // A panel taking the screen's left: only the width left counts.
    EXPECT_EQ(openingSize(design, QRect(200, 0, 1080, 1000), openbox), QSize(1078, 800));
    EXPECT_EQ(openingSize(design, QRect(0, 0, 10, 20), openbox), QSize(8, 1));
}

// Every compute command of every calculator on a screen of `available`
// with openbox's frame: the window fits, and every caption it shows stands
// wholly on its surface.
void checkFits(const QRect& available) {
    const QMargins openbox(1, 24, 1, 1);
    for (const auto& entry : fittingEntries()) {
        SCOPED_TRACE(entry.design().objectName + " at " + std::to_string(available.height()));
        CalculatorWindow window(entry.design());
        window.fitInto(available, openbox);
        EXPECT_LE(window.width() + 2, available.width());
        EXPECT_LE(window.height() + 25, available.height());
        window.show();
        for (const auto& command : entry.design().menu) {
            if (!command.run) continue;
            window.runCommand(command.name);
            const QRect surface = window.surface()->rect();
            for (QLabel* label : window.surface()->findChildren<QLabel*>()) {
                if (!label->isVisibleTo(&window) || label->text().isEmpty()) continue;
                const QRect at(label->mapTo(window.surface(), QPoint(0, 0)), label->size());
                EXPECT_TRUE(surface.contains(at)) << command.name << ": " << label->text().toStdString();
            }
        }
    }
}

TEST_F(WindowResults, OnSmallScreensTheWindowsFitAndShowEveryCaption) {
    checkFits(QRect(0, 0, 1280, 800));
    checkFits(QRect(0, 0, 1366, 768));
}

}  // namespace
}  // namespace korvel
