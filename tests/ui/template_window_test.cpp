// The 打印1:1样板 command every calculator window with a flat pattern adds
// after 导出展开图: the paper question, the save dialog with a suggested name,
// replacing only after a yes, the report, the printer, the window's own
// messages for refused inputs, a failed save, and a long template stopped
// through its progress dialog or by closing the window.

#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "output/pdf_tools.h"
#include "support/windows.h"
#include "ui/calibration_dialog.h"
#include "ui/settings.h"
#include "ui/template_dialog.h"

namespace korvel {
namespace {

using testing::readAll;

namespace fs = std::filesystem;

class TemplateCommand : public testing::SavingWindowTest {
protected:
    void SetUp() override {
        SavingWindowTest::SetUp();
        previous_ = setTemplateChoiceHandler([this](const std::string& preset) -> std::optional<TemplateChoice> {
            presets.push_back(preset);
            return choice;
        });
        previousMeasures_ = setCalibrationMeasuresHandler([this](const std::string& target) {
            measuredOn.push_back(target);
            return measures;
        });
    }
    void TearDown() override {
        setTemplateChoiceHandler(std::move(previous_));
        setCalibrationMeasuresHandler(std::move(previousMeasures_));
        SavingWindowTest::TearDown();
    }
    void print() { window->menuAction("样板")->trigger(); }

    // Prints the elbow at 100 divisions on A4 (some 250 pages) over an
    // existing file, doing `meanwhile` to the progress dialog as soon as the
    // export has made it; the file's bytes after.
    std::string printLongOverAFile(const std::function<void(QProgressDialog&)>& meanwhile) {
        window->list("Combo1")->setCurrentText(QStringLiteral("100"));
        choice = TemplateChoice{"A4", false, {}};
        const fs::path path = dir_ / "elbow.pdf";
        std::ofstream(path) << "the user's template";
        saveTo(path);
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (auto* dialog = window->findChild<QProgressDialog*>()) {
                watch.stop();
                meanwhile(*dialog);
            }
        });
        watch.start(1);
        print();
        return readAll(path);
    }

    std::optional<TemplateChoice> choice = TemplateChoice{"A1", false, {}};
    std::vector<std::string> presets;  // the paper the question offered
    std::optional<CalibrationMeasures> measures;  // typed after the calibration page
    std::vector<std::string> measuredOn;          // what the measures were asked for

private:
    TemplateChoiceHandler previous_;
    CalibrationMeasuresHandler previousMeasures_;
};

TEST_F(TemplateCommand, EveryWindowHasItAfterTheExportAndSavesThePdf) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"wtfy", "弯头样板_D1120_R1680_90度_A1.pdf"},
        {"stfy", "三通样板_D1120_d1120_45度_A1.pdf"},
        {"yxst", "丫形三通样板_D720_L800_75度_A1.pdf"},
        {"zfxjt", "矩方锥台样板_2200x1500_1200x500_H1000_A1.pdf"},
        {"tydf", "天圆地方样板_1600x1600_D800_H1000_A1.pdf"},
        {"tfdy", "天方地圆样板_900x900_D1800_H1200_A1.pdf"},
        {"yztt", "圆锥台样板_D1000_d500_H500_A1.pdf"},
    };
    for (const auto& [item, name] : cases) {
        SCOPED_TRACE(item);
        open(item);
        const QList<QAction*> menu = window->menuBar()->actions();
        // 加入任务 and 打印校准 follow it, then the copy of the results where there is one.
        const qsizetype after = window->menuAction("复制结果") != nullptr ? 3 : 2;
        ASSERT_GE(menu.size(), after + 2);
        EXPECT_EQ(menu[menu.size() - 1 - after]->objectName(), QStringLiteral("样板"));
        EXPECT_EQ(menu[menu.size() - 1 - after]->text(), QStringLiteral("打印1:1样板(&T)"));
        EXPECT_EQ(menu[menu.size() - 2 - after]->text(), QStringLiteral("导出展开图(&E)"));

        dialogs.suggestions.clear();
        dialogs.messages.clear();
        const fs::path path = dir_ / (item + ".pdf");
        saveTo(path);
        print();
        ASSERT_EQ(dialogs.suggestions.size(), 1u);
        EXPECT_TRUE(dialogs.suggestions[0].endsWith("/" + QString::fromStdString(name)))
            << dialogs.suggestions[0].toStdString();
        // The report counts the pages the file has; the bytes are korvel
        // pdf's (PdfCommandLine.EveryFittingWritesWhatItsWindowWrites).
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_TRUE(dialogs.messages[0].text.starts_with("1:1 样板（A1，共 " +
                                                         testing::pdfInfo(path.string(), "Pages") +
                                                         " 页）已保存到：\n" + path.string() + "\n\n展开面："))
            << dialogs.messages[0].text;
        EXPECT_NE(testing::pdfInfo(path.string(), "Page size").find("(A1)"), std::string::npos);
    }
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_EQ(dialogs.printerDialogs, 0);
}

TEST_F(TemplateCommand, AsksForThePaperFirstRemembersItAndStopsWhenCancelled) {
    open("yztt");
    choice = std::nullopt;
    print();
    EXPECT_EQ(presets, (std::vector<std::string>{"A4"}));
    EXPECT_TRUE(dialogs.suggestions.empty()) << "no save dialog after a cancelled question";

    choice = TemplateChoice{"A2", false, {}};
    dialogs.savePath.clear();  // the save dialog cancelled
    print();
    ASSERT_EQ(dialogs.suggestions.size(), 1u);
    EXPECT_TRUE(dialogs.suggestions[0].endsWith("_A2.pdf"));
    EXPECT_TRUE(dialogs.messages.empty());
    print();
    EXPECT_EQ(presets.back(), "A2") << "the paper picked last time is offered again";
    EXPECT_TRUE(fs::is_empty(dir_));
}

TEST(TemplateChoiceDialog, WithoutAScreenItAnswersNoneRatherThanBlock) {
    const auto previous = setTemplateChoiceHandler({});
    EXPECT_FALSE(askTemplateChoice(nullptr, "A3"));
    setTemplateChoiceHandler(previous);
}

TEST_F(TemplateCommand, ReplacesAnExistingFileOnlyAfterAYesAndAddsPdfToANameWithout) {
    open("yztt");
    const fs::path path = dir_ / "cone.pdf";
    std::ofstream(path) << "the user's drawing";
    saveTo(path);
    dialogs.answerYes = false;
    print();
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0], "文件“" + path.string() + "”已经存在。\n要替换它吗？");
    EXPECT_EQ(readAll(path), "the user's drawing");
    EXPECT_TRUE(dialogs.messages.empty());

    dialogs.answerYes = true;
    print();
    EXPECT_EQ(readAll(path).substr(0, 5), "%PDF-");

    saveTo(dir_ / "bare");
    print();
    EXPECT_TRUE(fs::exists(dir_ / "bare.pdf"));
}

TEST_F(TemplateCommand, RefusedInputsGetTheWindowsOwnMessagesAndNoQuestions) {
    open("yztt");
    window->box("Text1(3)")->setText("500");
    saveTo(dir_ / "refused.pdf");
    print();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "钢板厚度不小于小端口外径的一半，端口没有内表面，不能生成展开图！");
    EXPECT_TRUE(presets.empty()) << "no paper question for inputs that give no pattern";
    EXPECT_TRUE(dialogs.suggestions.empty());
    EXPECT_TRUE(fs::is_empty(dir_));

    // Too many pages for the paper: said, nothing asked or written.
    window->box("Text1(3)")->setText("0");
    window->box("Text1(0)")->setText("20000");
    window->box("Text1(1)")->setText("30000");
    dialogs.messages.clear();
    choice = TemplateChoice{"A4", false, {}};
    print();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Error);
    EXPECT_NE(dialogs.messages[0].text.find("超过 1000 页"), std::string::npos);
    EXPECT_TRUE(dialogs.suggestions.empty());
    EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(TemplateCommand, AFailedSaveSaysWhyAndTheOldFileStays) {
    open("yztt");
    saveTo(dir_ / "missing" / "x.pdf");
    print();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(dialogs.messages[0].text.substr(0, dialogs.messages[0].text.find("（")),
              "无法保存 1:1 样板：\n" + (dir_ / "missing" / "x.pdf").string() + "\n\n文件夹不存在。\n");
}

TEST_F(TemplateCommand, GoesToThePrinterPickedInThePrintDialogUnscaled) {
    open("yztt");
    choice = TemplateChoice{"A3", true, {}};
    const fs::path printed = dir_ / "printer.pdf";
    dialogs.printerFile = QString::fromStdString(printed.string());
    dialogs.printerAccepted = false;
    print();
    EXPECT_EQ(dialogs.printerDialogs, 1);
    EXPECT_FALSE(fs::exists(printed)) << "the print dialog was cancelled";

    dialogs.printerAccepted = true;
    print();
    EXPECT_EQ(dialogs.printerDialogs, 2);
    EXPECT_TRUE(dialogs.suggestions.empty()) << "no save dialog for the printer";
    EXPECT_TRUE(dialogs.messages.empty());
    // The printer gets the pages, in the orientation, the saved file has.
    const fs::path saved = dir_ / "saved.pdf";
    saveTo(saved);
    choice = TemplateChoice{"A3", false, {}};
    print();
    const std::string path = printed.string();
    EXPECT_EQ(testing::pdfInfo(path, "Pages"), testing::pdfInfo(saved.string(), "Pages"));
    EXPECT_EQ(testing::pdfInfo(path, "Page size"), testing::pdfInfo(saved.string(), "Page size"));
    EXPECT_NE(testing::pdfInfo(path, "Page size").find("(A3)"), std::string::npos);
    const auto squares = testing::strokedRects(path, 1, "0.3");
    ASSERT_EQ(squares.size(), 1u);
    EXPECT_NEAR(squares[0].width * 25.4 / 72, 100, 0.05);
}

TEST_F(TemplateCommand, CancelledInItsProgressDialogItWritesNothingAndSaysNothing) {
    open("wtfy");
    const std::string kept = printLongOverAFile([](QProgressDialog& dialog) {
        ASSERT_TRUE(dialog.windowModality() == Qt::WindowModal);
        dialog.findChild<QPushButton*>()->click();  // 取消
    });
    EXPECT_TRUE(kept == "the user's template") << "now begins " << kept.substr(0, 8);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1) << "no temporary file left";
    EXPECT_EQ(window->findChild<QProgressDialog*>(), nullptr);
}

TEST_F(TemplateCommand, ClosingTheWindowDuringTheExportStopsItThenCloses) {
    open("wtfy");
    const std::string kept = printLongOverAFile([this](QProgressDialog&) { window->close(); });
    EXPECT_TRUE(kept == "the user's template") << "now begins " << kept.substr(0, 8);
    EXPECT_TRUE(dialogs.messages.empty());
    QPointer<CalculatorWindow> closing = window.release();  // it deletes itself when closed
    EXPECT_TRUE(closing->isVisible()) << "the close waits for the export to stop";
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closing.isNull());
}

TEST_F(TemplateCommand, TheMenusCalibrationPrintsOnTheTemplatesLastPaperAndKeepsItsCorrection) {
    open("tydf");
    setTemplatePaperSetting("A3");
    const fs::path page = dir_ / "calibration.pdf";
    dialogs.printerFile = QString::fromStdString(page.string());
    dialogs.printerAccepted = true;
    measures = CalibrationMeasures{"100.4", "99.6"};
    window->menuAction(kCalibrateCommand)->trigger();
    EXPECT_TRUE(presets.empty()) << "straight to the printer: no template question";
    EXPECT_EQ(measuredOn, (std::vector<std::string>{"PDF 文件（A3）"}));
    EXPECT_NE(testing::pdfInfo(page.string(), "Page size").find("(A3)"), std::string::npos);
    ASSERT_TRUE(printCorrectionSetting(CalibratedBy::Paper, "A3"));
    EXPECT_FALSE(printCorrectionSetting(CalibratedBy::Paper, "A4"));
}

TEST_F(TemplateCommand, CalibrationRefusesAScaledPrintAndCorrectsTheNextTemplateOnThatPaper) {
    open("yztt");
    const fs::path page = dir_ / "calibration.pdf";
    dialogs.printerFile = QString::fromStdString(page.string());  // the print dialog's file
    dialogs.printerAccepted = true;
    choice = TemplateChoice{"A4", false, {}, true};
    measures = CalibrationMeasures{"85", "100"};  // "fit to page" slipped in
    print();
    EXPECT_EQ(measuredOn, (std::vector<std::string>{"PDF 文件（A4）"}));
    // The calibration page itself goes out unscaled: its square 100 mm.
    const auto squares = testing::strokedRects(page.string(), 1, "0.3");
    ASSERT_EQ(squares.size(), 1u);
    EXPECT_NEAR(squares[0].width * 25.4 / 72, 100, 0.05);
    EXPECT_NEAR(squares[0].height * 25.4 / 72, 100, 0.05);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Error);
    EXPECT_NE(dialogs.messages[0].text.find("超出 90～110 mm"), std::string::npos) << dialogs.messages[0].text;
    EXPECT_FALSE(printCorrectionSetting(CalibratedBy::Paper, "A4")) << "nothing kept from a refused measure";

    measures = CalibrationMeasures{"99.2", "100.0"};
    print();
    ASSERT_TRUE(printCorrectionSetting(CalibratedBy::Paper, "A4"));
    EXPECT_FALSE(printCorrectionSetting(CalibratedBy::Paper, "A3"));

    // The next template saved on A4 is drawn 100/99.2 as wide, and says so.
    choice = TemplateChoice{"A4", false, {}};
    const fs::path saved = dir_ / "cone.pdf";
    saveTo(saved);
    dialogs.messages.clear();
    print();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].text.find("已按校准 99.2 × 100.0 mm 修正）已保存到"), std::string::npos)
        << dialogs.messages[0].text;
    const auto corrected = testing::strokedRects(saved.string(), 1, "0.3");
    ASSERT_EQ(corrected.size(), 1u);
    EXPECT_NEAR(corrected[0].width * 25.4 / 72, 100.806, 0.05);
    EXPECT_NEAR(corrected[0].height * 25.4 / 72, 100, 0.05);
}

}  // namespace
}  // namespace korvel
