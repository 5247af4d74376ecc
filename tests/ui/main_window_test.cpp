// The main window: title clock, fitting menu, notes and picture panels, the
// picture drag, and the protocol that opens a calculator and brings the main
// window back.

#include <QAction>
#include <QApplication>
#include <QBackingStore>
#include <QClipboard>
#include <QListWidget>
#include <QTest>
#include <QScreen>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTextEdit>
#include <gtest/gtest.h>

#include "ui/main_window.h"
#include "ui/calculator_window.h"
#include "ui/listing_box.h"
#include "ui/picture.h"
#include "support/windows.h"

namespace korvel {
namespace {

class MainWindowTest : public testing::At96Dpi {
protected:
    void SetUp() override {
        At96Dpi::SetUp();
        main = std::make_unique<MainWindow>();
        main->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        main.reset();
        QApplication::processEvents();
        At96Dpi::TearDown();
    }
    void mouse(QEvent::Type type, Qt::MouseButton button, QPoint at) {
        QMouseEvent event(type, QPointF(at), main->picture()->mapToGlobal(QPointF(at)), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
        QApplication::sendEvent(main->picture(), &event);
    }
    std::unique_ptr<MainWindow> main;
};

TEST_F(MainWindowTest, TitleIsTheProductNameUntilTheFirstTickThenRunsTheClock) {
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Korvel "));
    main->tick();
    const QString title = main->windowTitle();
    EXPECT_TRUE(title.startsWith(QStringLiteral("  Korvel       2"))) << title.toStdString();
    EXPECT_TRUE(title.contains(QStringLiteral("年")) && title.contains(QStringLiteral("秒")));
    EXPECT_EQ(MainWindow::clockTitle("X"), QStringLiteral("  Korvel       X"));
}

TEST_F(MainWindowTest, MenuBarCaptionsAndTheFittingDropDown) {
    const QList<QAction*> top = main->menuBar()->actions();
    ASSERT_EQ(top.size(), 7);
    const char* names[] = {"空格", "退出", "sm", "rjsy", "more", "job", "language"};
    const char* captions[] = {"  . ",     "   后 退   ",   "   说 明   ",   " 打开软件 ",
                              "更多管件(&M)", "任务(&J)", "语言/Language"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(top[i]->objectName(), QString::fromUtf8(names[i]));
        EXPECT_EQ(top[i]->text(), QString::fromUtf8(captions[i]));
    }
    // A separator stands before each of the seven items.
    const QList<QAction*> items = main->fittingMenu()->actions();
    ASSERT_EQ(items.size(), 14);
    const char* itemNames[] = {"wtfy", "stfy", "yxst", "zfxjt", "tydf", "tfdy", "yztt"};
    const char* itemCaptions[] = {"弯头放样程序 ", "三通放样放样", "丫形三通放样", "矩方锥台放样",
                                  "天圆地方放样", "天方地圆放样", "圆锥台体放样"};
    const char* shortcuts[] = {"Ctrl+Y", "Ctrl+J", "Ctrl+C", "Ctrl+D", "Ctrl+E", "Ctrl+F", "Ctrl+G"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_TRUE(items[2 * i]->isSeparator());
        QAction* item = items[2 * i + 1];
        EXPECT_EQ(item->objectName(), QString::fromUtf8(itemNames[i]));
        EXPECT_EQ(item->text(), QString::fromUtf8(itemCaptions[i]));
        EXPECT_EQ(item->shortcut(), QKeySequence(QString::fromUtf8(shortcuts[i])));
        EXPECT_TRUE(item->isEnabled());
    }
    // The fittings added since, in a menu of their own, without shortcuts.
    QAction* reducing = top[4]->menu()->findChild<QAction*>(QStringLiteral("bjwt"));
    ASSERT_NE(reducing, nullptr);
    EXPECT_EQ(reducing->text(), QStringLiteral("变径弯头放样"));
    EXPECT_TRUE(reducing->shortcut().isEmpty());
}

TEST_F(MainWindowTest, NotesAndPictureSwitch) {
    EXPECT_FALSE(main->notes()->isVisible());
    EXPECT_TRUE(main->picture()->isVisible());
    main->menuAction("sm")->trigger();
    EXPECT_TRUE(main->notes()->isVisible());
    EXPECT_FALSE(main->picture()->isVisible());
    EXPECT_FALSE(main->notes()->toPlainText().isEmpty());
    main->menuAction("退出")->trigger();
    EXPECT_FALSE(main->notes()->isVisible());
    EXPECT_TRUE(main->picture()->isVisible());
    main->menuAction("sm")->trigger();
    emit main->fittingMenu()->aboutToShow();  // opening the drop-down shows the picture again
    EXPECT_FALSE(main->notes()->isVisible());
    EXPECT_TRUE(main->picture()->isVisible());
}

TEST_F(MainWindowTest, TheNotesBoxIsMadeWhenFirstShownFillsItsPanelAndFollowsTheLanguage) {
    QWidget* panel = main->findChild<QWidget*>(QStringLiteral("Text3"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(main->findChild<QTextEdit*>(), nullptr);
    // The language chosen before the box is made is the one it shows.
    main->menuAction("language-en")->trigger();
    main->menuAction("sm")->trigger();
    const QTextEdit* box = main->findChild<QTextEdit*>();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    const QString english = box->toPlainText();
    main->menuAction("language-zh")->trigger();
    EXPECT_TRUE(box->toPlainText().startsWith(QStringLiteral("Korvel 钣金展开放样计算\n\n本程序")));
    EXPECT_NE(english, box->toPlainText());
    EXPECT_FALSE(english.contains(QStringLiteral("本程序")));
    // It fills the panel, which the window lays out at every size.
    for (const QSize size : {QSize(1024, 720), QSize(640, 480), QSize(1200, 900)}) {
        main->resize(size);
        QApplication::processEvents();
        EXPECT_EQ(box->geometry(), panel->rect());
        EXPECT_GT(panel->width(), size.width() / 2);
    }
    main->menuAction("退出")->trigger();
    EXPECT_FALSE(box->isVisible());
}

TEST_F(MainWindowTest, FirstPaintBlitsThePictureWithoutReadingItsSvg) {
    // The picture opens at the size its pixels were rendered at during the
    // build; drawing the SVG instead made the first paint several ms slower.
    main->picture()->grab();
    EXPECT_EQ(main->picture()->size(), QSize(480, 360));
    EXPECT_FALSE(main->picture()->svgLoaded());
}

TEST_F(MainWindowTest, PictureDragsWithTheLeftButtonOnly) {
    const QPoint start = main->picture()->pos();
    // A move with no press leaves it where it is.
    mouse(QEvent::MouseMove, Qt::NoButton, QPoint(30, 30));
    EXPECT_EQ(main->picture()->pos(), start);
    // A right press starts nothing.
    mouse(QEvent::MouseButtonPress, Qt::RightButton, QPoint(10, 10));
    EXPECT_FALSE(main->dragging());
    mouse(QEvent::MouseMove, Qt::RightButton, QPoint(30, 30));
    EXPECT_EQ(main->picture()->pos(), start);
    // Left press at (10, 10), move to (40, 25): the panel follows by (30, 15).
    mouse(QEvent::MouseButtonPress, Qt::LeftButton, QPoint(10, 10));
    EXPECT_TRUE(main->dragging());
    mouse(QEvent::MouseMove, Qt::LeftButton, QPoint(40, 25));
    EXPECT_EQ(main->picture()->pos(), start + QPoint(30, 15));
    // Releasing any button ends the drag.
    mouse(QEvent::MouseButtonRelease, Qt::RightButton, QPoint(40, 25));
    EXPECT_FALSE(main->dragging());
    const QPoint dropped = main->picture()->pos();
    mouse(QEvent::MouseMove, Qt::NoButton, QPoint(60, 60));
    EXPECT_EQ(main->picture()->pos(), dropped);
    // A resize puts the picture back at (200, 100) twips at the reference size.
    main->resize(main->size() + QSize(1, 0));
    main->resize(main->size() - QSize(1, 0));
    QApplication::processEvents();
    EXPECT_EQ(main->picture()->pos(), QPoint(toPixels(200), toPixels(100)));
}

// Every fitting window: title, menu bar (its own commands, then the pattern
// export and the 1:1 template every window adds last), presets.
struct WindowCase {
    const char* item;
    const char* form;
    const char* title;
    std::vector<std::pair<const char*, const char*>> menu;
    std::vector<std::pair<const char*, const char*>> presets;  // box key, text
};

std::vector<WindowCase> windowCases() {
    return {
        {"wtfy", "Form4", "任意角度弯头放样程序   单位:mm",
         {{"空格", ""}, {"打印", "      打印 (&P)     "}, {"端节", "   计算端节展开 (&D)     "},
          {"中节", "   计算中节展开 (&c)  "}, {"等份", "    计算等份累加 (&Z)  "},
          {"cad", "   （CAD）展开 (&C)    "}, {"退出", "    退出 (&X)   "}, {"导出", "导出展开图(&E)"},
          {"样板", "打印1:1样板(&T)"}, {"加入任务", "加入任务(&J)"}, {"校准", "打印校准(&K)"}},
         {{"Text1", "1120"}, {"Text2", "1680"}, {"Text3", "90"}, {"Text4", "10"}, {"Combo2", "4"},
          {"Combo1", "16"}}},
        {"stfy", "Form5", "任意角度等径异径三通放样程序    单位：mm",
         {{"空格", ""}, {"打印", "         打印(&W)       "}, {"支管", "    计算支管展开(&Z)     "},
          {"主管", "    计算主管展开(&A)     "}, {"等份", "    计算等份累加数(&D)   "}, {"返回", "    返回(&F)     "}, {"导出", "导出展开图(&E)"},
          {"样板", "打印1:1样板(&T)"}, {"加入任务", "加入任务(&J)"}, {"校准", "打印校准(&K)"}},
         {{"Text1(0)", "1120"}, {"Text1(1)", "1120"}, {"Text1(2)", "45"}, {"Text1(3)", "200"}, {"Text1(4)", "0"},
          {"Combo1(0)", "32"}}},
        {"yxst", "Form6", " 等径丫形三通放样程序          单位：mm   ",
         {{"空格", ""}, {"打印", "       打印(&W)     "}, {"管Ⅰ", "       计算管Ⅰ展开(&A)     "},
          {"管Ⅱ", "       计算管Ⅱ展开(&Z)     "}, {"等份", "       计算等份累加数(&D)     "},
          {"返回", "       返回(&F)     "}, {"导出", "导出展开图(&E)"},
          {"样板", "打印1:1样板(&T)"}, {"加入任务", "加入任务(&J)"}, {"校准", "打印校准(&K)"}},
         {{"Text1(0)", "720"}, {"Text1(1)", "800"}, {"Text1(2)", "75"}, {"Combo1(0)", "16"}}},
        {"zfxjt", "Form7", "平口矩方形锥台含单双偏心放样程序    单位：mm",
         {{"空格", ""}, {"打印", "       打印(&W)     "}, {"计算", "       计算展开(&D)     "},
          {"返回", "       返回(&F)    "}, {"导出", "导出展开图(&E)"},
          {"样板", "打印1:1样板(&T)"}, {"加入任务", "加入任务(&J)"}, {"校准", "打印校准(&K)"}, {"复制结果", "复制结果(&R)"}},
         {{"Text1(0)", "2200"}, {"Text1(1)", "1500"}, {"Text1(2)", "1200"}, {"Text1(3)", "500"},
          {"Text1(4)", "1000"}, {"Text1(5)", "0"}, {"Text1(6)", "0"}, {"Combo1", "单双偏心向东向北偏移"}}},
        {"tydf", "Form8", "矩方形天圆地方含单双偏心放样程序    单位：mm",
         {{"空格", "  空格"}, {"打印", "      打印(&W)    "}, {"计算", "      计算展开计算(&Z)    "},
          {"图例", "      展开图例(&D)    "}, {"返回", "      返回(&F)    "}, {"导出", "导出展开图(&E)"},
          {"样板", "打印1:1样板(&T)"}, {"加入任务", "加入任务(&J)"}, {"校准", "打印校准(&K)"}, {"复制结果", "复制结果(&R)"}},
         {{"Text1(0)", "1600"}, {"Text1(1)", "1600"}, {"Text1(2)", "800"}, {"Text1(3)", "1000"},
          {"Text1(4)", "10"}, {"Text1(5)", "0"}, {"Text1(6)", "0"}, {"Combo1(0)", "24"},
          {"Combo2", "圆心向西向北偏移"}}},
        {"tfdy", "Form9", "矩方形天方地圆含单双偏心放样程序       单位：mm",
         {{"空格", ""}, {"打印", "       打印(&W)     "}, {"计算", "       计算展开(&Z)      "},
          {"图例", "       展开图例(&D)     "}, {"返回", "       返回(&F)     "}, {"导出", "导出展开图(&E)"},
          {"样板", "打印1:1样板(&T)"}, {"加入任务", "加入任务(&J)"}, {"校准", "打印校准(&K)"}, {"复制结果", "复制结果(&R)"}},
         {{"Text1(0)", "900"}, {"Text1(1)", "900"}, {"Text1(2)", "1800"}, {"Text1(3)", "1200"},
          {"Text1(4)", "10"}, {"Text1(5)", "0"}, {"Text1(6)", "0"}, {"Combo1(0)", "24"},
          {"Combo2", "矩方口向西向北偏移"}}},
        {"yztt", "Form10", "正心圆锥体，圆锥台展开放样程序    单位：mm",
         {{"空格", ""}, {"打印", "       打印(&W)     "}, {"计算", "       展开计算(&Z)     "},
          {"返回", "       返回(&F)     "}, {"导出", "导出展开图(&E)"},
          {"样板", "打印1:1样板(&T)"}, {"加入任务", "加入任务(&J)"}, {"校准", "打印校准(&K)"}, {"复制结果", "复制结果(&R)"}},
         {{"Text1(0)", "500"}, {"Text1(1)", "1000"}, {"Text1(2)", "500"}, {"Text1(3)", "0"},
          {"Combo1", "正心圆锥台展开放样"}}},
    };
}

QString textOf(CalculatorWindow* window, const char* key) {
    if (QLineEdit* box = window->box(key)) return box->text();
    if (QComboBox* list = window->list(key)) return list->currentText();
    return QStringLiteral("<missing %1>").arg(QString::fromUtf8(key));
}

TEST_F(MainWindowTest, EachItemMinimisesTheMainWindowAndOpensItsWindowWithPresets) {
    for (const auto& c : windowCases()) {
        SCOPED_TRACE(c.form);
        main->showMaximized();
        main->menuAction(c.item)->trigger();
        EXPECT_TRUE(main->windowState() & Qt::WindowMinimized);
        CalculatorWindow* window = main->openWindow(c.item);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->objectName(), QString::fromUtf8(c.form));
        EXPECT_TRUE(window->isVisible());
        // A top-level window of its own, not a child of the main window.
        EXPECT_TRUE(window->isWindow());
        EXPECT_EQ(window->parentWidget(), nullptr);
        EXPECT_EQ(window->windowTitle(), QString::fromUtf8(c.title));
        const QList<QAction*> menu = window->menuBar()->actions();
        ASSERT_EQ(menu.size(), static_cast<qsizetype>(c.menu.size()));
        for (size_t i = 0; i < c.menu.size(); ++i) {
            EXPECT_EQ(menu[static_cast<qsizetype>(i)]->objectName(), QString::fromUtf8(c.menu[i].first));
            EXPECT_EQ(menu[static_cast<qsizetype>(i)]->text(), QString::fromUtf8(c.menu[i].second));
        }
        for (const auto& [key, preset] : c.presets) EXPECT_EQ(textOf(window, key), QString::fromUtf8(preset)) << key;
        window->close();
        QApplication::processEvents();
    }
}

TEST_F(MainWindowTest, ReturnAndCloseBoxBothMaximiseTheMainWindowAndReopeningRestoresPresets) {
    for (const auto& c : windowCases()) {
        SCOPED_TRACE(c.form);
        const char* returnCommand = std::string(c.form) == "Form4" ? "退出" : "返回";
        main->menuAction(c.item)->trigger();
        QPointer<CalculatorWindow> window = main->openWindow(c.item);
        ASSERT_TRUE(window);
        const char* firstBox = c.presets.front().first;
        window->box(firstBox)->setText(QStringLiteral("777"));
        window->menuAction(returnCommand)->trigger();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(main->windowState() & Qt::WindowMaximized);
        EXPECT_FALSE(main->windowState() & Qt::WindowMinimized);
        EXPECT_TRUE(window.isNull()) << "the window is unloaded";

        main->menuAction(c.item)->trigger();
        window = main->openWindow(c.item);
        ASSERT_TRUE(window);
        EXPECT_EQ(window->box(firstBox)->text(), QString::fromUtf8(c.presets.front().second));
        window->close();  // the close box
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(main->windowState() & Qt::WindowMaximized);
        EXPECT_TRUE(window.isNull());
    }
}

TEST_F(MainWindowTest, AnOpenCalculatorIsNotLoadedTwice) {
    main->menuAction("stfy")->trigger();
    CalculatorWindow* first = main->openWindow("stfy");
    first->box("Text1(0)")->setText(QStringLiteral("900"));
    main->menuAction("stfy")->trigger();
    EXPECT_EQ(main->openWindow("stfy"), first);
    EXPECT_EQ(first->box("Text1(0)")->text(), QStringLiteral("900"));
    first->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
}  // namespace korvel

namespace korvel {
namespace {

TEST_F(MainWindowTest, MinimisedItGivesBackItsPixelsAndPaintsWholeWhenBack) {
    main->picture()->grab();
    QApplication::processEvents();
    QBackingStore* store = main->backingStore();
    ASSERT_NE(store, nullptr);
    main->menuAction("yztt")->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(main->windowState() & Qt::WindowMinimized);
    EXPECT_EQ(store->size(), QSize(1, 1));

    CalculatorWindow* window = main->openWindow("yztt");
    ASSERT_NE(window, nullptr);
    window->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    EXPECT_TRUE(main->windowState() & Qt::WindowMaximized);
    // Painted again at the window's size, picture included.
    main->repaint();
    EXPECT_EQ(store->size(), main->size());
    const QImage shown = main->screen()->grabWindow(main->winId()).toImage();
    ASSERT_FALSE(shown.isNull());
    const QPoint inPicture = main->picture()->mapTo(main.get(), main->picture()->rect().center());
    EXPECT_NE(shown.pixelColor(inPicture), shown.pixelColor(QPoint(main->width() - 2, main->height() - 2)));
}

TEST_F(MainWindowTest, CtrlCInACalculatorCopiesItsListingAndOpensNoWindow) {
    main->menuAction("stfy")->trigger();
    CalculatorWindow* tee = main->openWindow("stfy");
    ASSERT_NE(tee, nullptr);
    Outcome outcome;
    for (const char* line : {"L0=200", "L1 = 210", "展开扇形夹角 = 160.997°", "支管下料"})
        outcome.effect(AddListingLine{"Combo1(1)", line});
    tee->apply(outcome);
    QListWidget* list = tee->listing("Combo1(1)")->list();
    list->item(1)->setSelected(true);
    list->item(2)->setSelected(true);
    // The calculator is the active window, as when the user works in it.
    QApplication::setActiveWindow(tee);
    list->setFocus();
    QApplication::clipboard()->clear();
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("L1\t210\n展开扇形夹角\t160.997°\n"));
    EXPECT_EQ(main->openWindow("yxst"), nullptr) << "Ctrl+C opens the Y-tee only from the main window";
    for (QAction* action : list->actions())
        if (action->objectName() == "copyAll") action->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral("L0\t200\nL1\t210\n展开扇形夹角\t160.997°\n支管下料\n"));
    // Enter in a box runs the first compute command: the listing is the window's own again.
    QTest::keyClick(tee->box("Text1(0)"), Qt::Key_Return);
    EXPECT_NE(tee->listing("Combo1(1)")->lines().at(1), "L1 = 210");
    // Each box is named by its caption; Esc goes back as 返回 does.
    EXPECT_EQ(tee->box("Text1(0)")->accessibleName(), QStringLiteral("输入主管外径："));
    EXPECT_EQ(list->accessibleName(), QStringLiteral("计算结果（左列）"));
    QTest::keyClick(list, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(main->openWindow("stfy"), nullptr);
    EXPECT_FALSE(main->windowState() & Qt::WindowMinimized);
}

}  // namespace
}  // namespace korvel
