// The calculator frame shared by Form4 to Form10: lists, rounding choice,
// applying a command's outcome, printing, and the elbow window's own frame
// rules (title clock, resize).

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/catalogue.h"
#include "core/fittings/elbow/elbow_design.h"
#include "core/fittings/tee/tee_design.h"
#include "core/fittings/transition/transition_design.h"
#include "ui/calculator_window.h"
#include "ui/listing_box.h"
#include "ui/surface.h"
#include "ui/twips.h"
#include "support/windows.h"

namespace korvel {
namespace {

using CalculatorWindowTest = testing::QuietWindowTest;

QStringList itemsOf(QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    return items;
}

TEST_F(CalculatorWindowTest, DivisionAndSegmentListsArePickOnly) {
    struct Case {
        const char* menu;
        const char* key;
        QString first, last;
        int count;
    };
    const Case cases[] = {{"wtfy", "Combo1", "8", "100", 24},     {"wtfy", "Combo2", "2", "20", 19},
                          {"stfy", "Combo1(0)", "8", "100", 24},  {"yxst", "Combo1(0)", "8", "100", 24},
                          {"tydf", "Combo1(0)", "16", "32", 3},   {"tfdy", "Combo1(0)", "16", "32", 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.menu) + " " + c.key);
        const std::unique_ptr<CalculatorWindow> window = testing::windowOf(c.menu);
        QComboBox* combo = window->list(c.key);
        ASSERT_NE(combo, nullptr);
        EXPECT_FALSE(combo->isEditable());
        const QStringList items = itemsOf(combo);
        EXPECT_EQ(items.size(), c.count);
        EXPECT_EQ(items.front(), c.first);
        EXPECT_EQ(items.back(), c.last);
    }
    CalculatorWindow form8(roundTopDesign());
    EXPECT_EQ(itemsOf(form8.list("Combo1(0)")), (QStringList{"16", "24", "32"}));
    EXPECT_EQ(itemsOf(form8.list("Combo2")), (QStringList{"圆心向西向北偏移", "圆心向西向南偏移"}));
}

TEST_F(CalculatorWindowTest, RoundingChoiceGivesTheWindowsDigits) {
    CalculatorWindow elbow(elbowDesign());
    CalculatorWindow tee(teeDesign());
    EXPECT_TRUE(qobject_cast<QRadioButton*>(elbow.control("Option1"))->isChecked());
    EXPECT_EQ(qobject_cast<QRadioButton*>(elbow.control("Option1"))->text(), QStringLiteral("取整数"));
    EXPECT_EQ(qobject_cast<QRadioButton*>(elbow.control("Option2"))->text(), QStringLiteral("留小数"));
    EXPECT_EQ(elbow.readState().digits, 0);
    EXPECT_EQ(tee.readState().digits, 0);
    qobject_cast<QRadioButton*>(elbow.control("Option2"))->setChecked(true);
    qobject_cast<QRadioButton*>(tee.control("Option1(1)"))->setChecked(true);
    EXPECT_EQ(elbow.readState().digits, 2);
    EXPECT_EQ(tee.readState().digits, 3);
    EXPECT_TRUE(tee.readState().decimals);
}

TEST_F(CalculatorWindowTest, PanelsCarryCaptionsUnitsAndTheirPlace) {
    CalculatorWindow tee(teeDesign());
    EXPECT_EQ(tee.frame1()->pos(), QPoint(0, toPixels(40)));
    EXPECT_EQ(tee.label("Label1(0)")->text(), QStringLiteral("输入主管外径："));
    EXPECT_EQ(tee.label("Label1(8)")->text(), QStringLiteral("°"));
    EXPECT_EQ(tee.label("Label1(11)")->text(), QStringLiteral("等份"));
    EXPECT_EQ(tee.box("Text1(4)")->toolTip(), QStringLiteral("如果支管是骑在主管外圆上面焊接就必须输入支管壁厚"));
    EXPECT_EQ(tee.control("Text1(2)")->property("index").toInt(), 2);
    EXPECT_EQ(tee.control("Text1(2)")->objectName(), QStringLiteral("Text1"));
    CalculatorWindow elbow(elbowDesign());
    EXPECT_EQ(elbow.box("Text4")->toolTip(), QStringLiteral("如果需要计算弯头重量请输入管道壁厚"));
    EXPECT_FALSE(elbow.control("Text1")->property("index").isValid());
}

// Pixels of a pure text red (a red channel well above the others).
int redPixels(const QImage& image, int fromRow, int toRow) {
    int count = 0;
    for (int row = std::max(0, fromRow); row < std::min(toRow, image.height()); ++row)
        for (int col = 0; col < image.width(); ++col) {
            const QColor c = image.pixelColor(col, row);
            count += c.red() > 180 && c.green() < 100 && c.blue() < 100;
        }
    return count;
}

TEST_F(CalculatorWindowTest, AColouredFrameTitleColoursItselfOnly) {
    // The elbow's input frame: a red title over black captions and boxes.
    CalculatorWindow elbow(elbowDesign());
    elbow.show();
    QApplication::processEvents();
    const QImage frame = elbow.control("Frame2")->grab().toImage();
    const int firstRow = elbow.label("Label1(0)")->y();
    EXPECT_GT(redPixels(frame, 0, firstRow), 100);
    EXPECT_EQ(redPixels(frame, firstRow, frame.height()), 0);
}

TEST_F(CalculatorWindowTest, AnOutcomeIsAppliedInOrder) {
    CalculatorWindow tee(teeDesign());
    Outcome outcome;
    outcome.effect(ShowMessage{"请您正确输入两管之间夹角,程序执行默认数据！", MessageIcon::None, ""});
    outcome.effect(SetBoxText{"Text1(2)", "45"});
    outcome.effect(ClearListing{"Combo1(1)"});
    outcome.effect(SetListingHeading{"Combo1(1)", "  支管展开实"});
    outcome.effect(SetListingColour{"Combo1(1)", rgb(0, 0, 192)});
    outcome.effect(AddListingLine{"Combo1(1)", "L0=200"});
    outcome.effect(AddListingLine{"Combo1(1)", "L1=210"});
    outcome.effect(SetCaption{"Label1(12)", "支管展开放样图"});
    outcome.line(0, 0, 100, 100, rgb(0, 255, 255));
    tee.box("Text1(2)")->setText(QStringLiteral("95"));
    tee.apply(outcome);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "请您正确输入两管之间夹角,程序执行默认数据！");
    EXPECT_EQ(tee.box("Text1(2)")->text(), QStringLiteral("45"));
    ListingBox* left = tee.listing("Combo1(1)");
    EXPECT_EQ(left->heading(), "  支管展开实");
    EXPECT_EQ(left->lines(), (std::vector<std::string>{"L0=200", "L1=210"}));
    EXPECT_EQ(left->textColour(), rgb(0, 0, 192));
    EXPECT_EQ(tee.label("Label1(12)")->text(), QStringLiteral("支管展开放样图"));
    EXPECT_EQ(tee.surface()->primitives().size(), 1u);
}

TEST_F(CalculatorWindowTest, WithoutAPrinterTheWindowOffersAPdfAndWritesIt) {
    QTemporaryDir dir;
    CalculatorWindow tee(teeDesign());
    tee.show();
    QApplication::processEvents();
    dialogs.answerYes = false;
    tee.runCommand("打印");
    ASSERT_EQ(dialogs.questions.size(), 1u) << "a missing printer is said, never a silent failure";
    EXPECT_NE(dialogs.questions[0].find("打印机"), std::string::npos);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());

    dialogs.answerYes = true;
    dialogs.savePath = dir.filePath("tee.pdf");
    tee.runCommand("打印");
    ASSERT_TRUE(QFile::exists(dialogs.savePath));
    EXPECT_TRUE(dialogs.messages.empty());
    // Vector output: the captions are text in the PDF.
    QProcess pdftotext;
    pdftotext.start("pdftotext", {dialogs.savePath, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(20000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("输入主管外径"))) << text.toStdString();

    // An existing file is replaced only when the user says so.
    const qint64 written = QFile(dialogs.savePath).size();
    QFile::resize(dialogs.savePath, 10);
    dialogs.questions.clear();
    dialogs.answerYes = false;
    tee.runCommand("打印");  // "no" to saving at all
    EXPECT_EQ(dialogs.questions.size(), 1u);
    dialogs.answerYes = true;
    dialogs.questions.clear();
    tee.runCommand("打印");  // "yes" to both questions
    EXPECT_EQ(dialogs.questions.size(), 2u);
    EXPECT_NE(dialogs.questions[1].find("是否替换"), std::string::npos);
    EXPECT_EQ(QFile(dialogs.savePath).size(), written);

    dialogs.savePath = dir.filePath("no/such/folder/tee.pdf");
    tee.runCommand("打印");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "错误：");
}

TEST_F(CalculatorWindowTest, ElbowTitleRunsTheClockAndTheFrameFollowsTheWindowHeight) {
    EXPECT_EQ(QString::fromStdString(elbowDesign().clock.title("2026年12月06日09时05分03秒（星期日）")),
              QStringLiteral("任意角度弯头展开放样程序      2026年12月06日09时05分03秒（星期日）") +
                  QString(73, ' ') + QStringLiteral("单位: mm"));
    CalculatorWindow elbow(elbowDesign());
    EXPECT_EQ(elbow.windowTitle(), QStringLiteral("任意角度弯头放样程序   单位:mm"));
    elbow.show();
    elbow.resize(1000, 700);
    QApplication::processEvents();
    const double height = toTwips(elbow.frameGeometry().height());
    EXPECT_EQ(elbow.frame1()->height(), toPixels(height));
    EXPECT_EQ(elbow.listing("Combo3")->height(), toPixels(height / 10 * 6.3));
    EXPECT_EQ(elbow.listing("Combo4")->height(), toPixels(height / 10 * 6.3));
}

}  // namespace
}  // namespace korvel
