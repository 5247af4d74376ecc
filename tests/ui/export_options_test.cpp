// The export's choices: on the command line (surface=, plate-t=, --dxf,
// --cut-only, --per-piece) and in the windows' export dialog, asked before
// the save dialog, reaching the pattern and remembered per kind of window.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/program.h"
#include "support/windows.h"
#include "ui/command_line.h"
#include "ui/template_dialog.h"

namespace korvel {
namespace {

namespace fs = std::filesystem;
using testing::readAll;

using ExportOptionsCommandLine = testing::FolderTest;

TEST_F(ExportOptionsCommandLine, BadChoicesExitOneSayWhyAndWriteNothing) {
    const std::string out = file("p.dxf");
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"dxf", "elbow", "surface=middle"}, "surface takes mean|outside|inside|typed, got 'middle'"},
        {{"dxf", "ytee", "plate-t=abc"}, "plate-t takes the plate thickness in mm, a number above 0, got 'abc'"},
        {{"dxf", "rect-frustum", "plate-t=-3"}, "got '-3'"},
        {{"dxf", "rect-frustum", "plate-t=0"}, "got '0'"},
        {{"dxf", "elbow", "plate-t=3"}, "plate-t is for a window without a plate thickness; elbow has its own, t=10"},
        {{"dxf", "elbow", "--dxf", "R14"}, "--dxf takes R12 or R2000, got 'R14'"},
        {{"dxf", "elbow", "--dxf"}, "--dxf takes R12 or R2000, got '-o'"},
        {{"pdf", "elbow", "--cut-only"}, "--cut-only is an option of korvel dxf only"},
        {{"pdf", "elbow", "--dxf=R12"}, "--dxf is an option of korvel dxf only"},
    };
    for (auto [args, message] : cases) {
        args.insert(args.end(), {"-o", out});
        const testing::ProgramRun run = testing::runInProcess(args);
        EXPECT_EQ(run.status, kExitUsage) << args[2];
        EXPECT_TRUE(run.err.starts_with("korvel: ") && run.err.find(message) != std::string::npos) << run.err;
        EXPECT_FALSE(fs::exists(out)) << args[2];
    }
    const testing::ProgramRun toOutput = testing::runInProcess({"dxf", "elbow", "--per-piece", "-o", "-"});
    EXPECT_EQ(toOutput.status, kExitUsage);
    EXPECT_EQ(toOutput.err, "korvel: --per-piece writes a file per piece: it needs -o FILE, not -o -\n");
    EXPECT_EQ(toOutput.out, "");
    // Where the window's thickness box holds 0, plate-t gives the thickness.
    EXPECT_EQ(testing::runInProcess({"dxf", "tee", "plate-t=8", "--dxf", "R12", "-o", out}).status, kExitOk);
}

TEST_F(ExportOptionsCommandLine, StandardOutputHoldsTheFileAloneAndPiecesAreListed) {
    const testing::ProgramRun file = testing::runKorvel("dxf cone surface=outside plate-t=6 --dxf R12 -o -");
    ASSERT_EQ(file.status, kExitOk) << file.err;
    EXPECT_EQ(file.out.rfind("  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1009\n", 0), 0u);
    EXPECT_TRUE(file.out.ends_with("  0\nEOF\n"));

    const testing::ProgramRun pieces = testing::runInProcess({"dxf", "tee", "--per-piece", "-o", this->file("t.dxf")});
    ASSERT_EQ(pieces.status, kExitOk) << pieces.err;
    EXPECT_EQ(pieces.out, this->file("t_1_支管.dxf") + "\n" + this->file("t_2_主管开孔.dxf") + "\n");
    EXPECT_EQ(names(), (std::set<std::string>{"t_1_支管.dxf", "t_2_主管开孔.dxf"}));
}

class ExportDialogInWindows : public testing::SavingWindowTest {};

TEST_F(ExportDialogInWindows, TheChoicesReachThePatternTheFilesAndAreRemembered) {
    // The elbow's design with its pattern function watched.
    const WindowDesign& elbow = testing::windowOf("wtfy")->design();
    WindowDesign watched = elbow;
    watched.objectName = "Form4watched";  // what it remembers stays its own
    std::vector<ExportChoices> seen;
    watched.pattern = PatternFunction([&](const FormState& state, const ExportChoices& choices) {
        seen.push_back(choices);
        return elbow.pattern(state, choices);
    });
    window = std::make_unique<CalculatorWindow>(watched);
    saveTo(dir_ / "弯头.dxf");
    ExportOptions answer;
    answer.choices.surface = DevelopedSurface::Outside;
    answer.files = {cad::DxfVersion::R12, true, true};
    dialogs.exportAnswer = answer;
    window->menuAction("导出")->trigger();
    ASSERT_EQ(dialogs.exportQuestions.size(), 1u);
    const ExportQuestion& asked = dialogs.exportQuestions[0];
    EXPECT_TRUE(asked.dxf);
    EXPECT_FALSE(asked.askThickness) << "the elbow has its own thickness";
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back().surface, DevelopedSurface::Outside);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const std::string end = (dir_ / "弯头_1_端节.dxf").string(), middle = (dir_ / "弯头_2_中节.dxf").string();
    EXPECT_EQ(dialogs.messages[0].text, "展开图已按件保存到：\n" + end + "\n" + middle +
                                            "\n\n展开面：外表面，按其直径的圆周 πD 展开；弯曲半径 R 仍为管道轴线的半径"
                                            "\n  外表面：D = 1120 mm（外径 1120）");
    const std::string text = readAll(end);
    EXPECT_NE(text.find("\nPOLYLINE\n"), std::string::npos);
    EXPECT_EQ(text.find("  0\nTEXT\n"), std::string::npos) << "CUT only";
    EXPECT_EQ(text.find("\nMARK\n"), std::string::npos) << "CUT only: no layer MARK";
    EXPECT_FALSE(fs::exists(dir_ / "弯头.dxf"));

    // Again: the choices come back; the pieces' files are asked about.
    dialogs.exportAnswer.reset();
    dialogs.answerYes = false;
    window->menuAction("导出")->trigger();
    ASSERT_EQ(dialogs.exportQuestions.size(), 2u);
    EXPECT_EQ(dialogs.exportQuestions[1].preset.choices.surface, DevelopedSurface::Outside);
    EXPECT_EQ(dialogs.exportQuestions[1].preset.files.version, cad::DxfVersion::R12);
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0], "以下文件已经存在：\n" + end + "\n" + middle + "\n要替换它们吗？");

    // The 1:1 template asks the same, without the file's options; cancelled,
    // nothing further is asked.
    dialogs.cancelExport = true;
    const auto previous = setTemplateChoiceHandler([](const std::string&) -> std::optional<TemplateChoice> {
        ADD_FAILURE() << "asked for the paper after a cancel";
        return std::nullopt;
    });
    window->menuAction("样板")->trigger();
    setTemplateChoiceHandler(previous);
    ASSERT_EQ(dialogs.exportQuestions.size(), 3u);
    EXPECT_FALSE(dialogs.exportQuestions[2].dxf);
    window.reset();  // before the design it shows
}

TEST_F(ExportDialogInWindows, TheDialogAsksAThicknessOnlyWhereTheWindowHasNoneAndShowsTheSizesLive) {
    open("zfxjt");
    ExportQuestion question = window->exportQuestion(true);
    EXPECT_TRUE(question.askThickness);
    std::vector<ExportChoices> sized;
    question.sizes = [&sized](const ExportChoices& choices) {
        sized.push_back(choices);
        return "将按以下尺寸展开：\n  " + surfaceName(*choices.surface);
    };
    ExportDialog dialog(nullptr, question);
    auto* surface = dialog.findChild<QComboBox*>("surface");
    auto* thickness = dialog.findChild<QLineEdit*>("plateThickness");
    auto* sizes = dialog.findChild<QLabel*>("sizes");
    ASSERT_TRUE(surface && thickness && sizes && dialog.findChild<QCheckBox*>("perPiece"));
    surface->setCurrentIndex(2);
    EXPECT_EQ(sizes->text(), QStringLiteral("将按以下尺寸展开：\n  内表面"));
    thickness->setText("2.5");
    EXPECT_EQ(sized.back().plateThickness, 2.5);
    EXPECT_EQ(dialog.options()->choices.surface, DevelopedSurface::Inside);
    thickness->setText("-1");
    EXPECT_FALSE(dialog.options());
    EXPECT_TRUE(sizes->text().startsWith(QStringLiteral("板厚须为")));

    open("tfdy");  // its thickness box holds 10
    EXPECT_FALSE(window->exportQuestion(false).askThickness);
    ExportDialog plain(nullptr, window->exportQuestion(false));
    EXPECT_EQ(plain.findChild<QLineEdit*>("plateThickness"), nullptr);
    EXPECT_EQ(plain.findChild<QComboBox*>("dxfVersion"), nullptr);
}

TEST_F(ExportDialogInWindows, TheDialogOffersTheSeamPlacesTheConesSeamAngleAndTheTeesJoint) {
    open("wtfy");
    ExportDialog elbow(nullptr, window->exportQuestion(true));
    auto* seam = elbow.findChild<QComboBox*>("seam");
    ASSERT_NE(seam, nullptr);
    EXPECT_EQ(elbow.findChild<QComboBox*>("joint"), nullptr);
    EXPECT_EQ(elbow.findChild<QLineEdit*>("seamAngle"), nullptr);
    QStringList keywords;
    for (int i = 0; i < seam->count(); ++i) keywords << seam->itemData(i).toString();
    EXPECT_EQ(keywords, (QStringList{"side", "throat", "heel", "alternate"}));
    seam->setCurrentIndex(1);
    EXPECT_EQ(elbow.options()->choices.seam, "throat");

    open("yztt");
    ExportDialog cone(nullptr, window->exportQuestion(true));
    auto* angle = cone.findChild<QLineEdit*>("seamAngle");
    auto* sizes = cone.findChild<QLabel*>("sizes");
    ASSERT_TRUE(angle && sizes);
    EXPECT_EQ(cone.findChild<QComboBox*>("seam"), nullptr);
    EXPECT_EQ(cone.options()->choices.seam, std::nullopt);  // empty: the seam where it always was
    angle->setText(" 90 ");
    EXPECT_EQ(cone.options()->choices.seam, "90");
    angle->setText("400");  // the export's own refusal shows at once
    EXPECT_TRUE(sizes->text().contains(QStringLiteral("0 到 360"))) << sizes->text().toStdString();

    open("stfy");
    ExportDialog tee(nullptr, window->exportQuestion(true));
    auto* joint = tee.findChild<QComboBox*>("joint");
    auto* wall = tee.findChild<QLineEdit*>("mainThickness");
    ASSERT_TRUE(joint && wall && tee.findChild<QComboBox*>("seam"));
    ASSERT_EQ(joint->count(), 2);
    tee.findChild<QComboBox*>("surface")->setCurrentIndex(3);  // as typed: no joint to choose
    EXPECT_FALSE(joint->isEnabled());
    EXPECT_EQ(tee.options()->choices.joint, std::nullopt);
    tee.findChild<QComboBox*>("surface")->setCurrentIndex(0);
    tee.findChild<QLineEdit*>("plateThickness")->setText("10");
    joint->setCurrentIndex(1);
    wall->setText("12");
    EXPECT_EQ(tee.options()->choices.joint, BranchJoint::SetIn);
    EXPECT_EQ(tee.options()->choices.mainThickness, 12.0);
    wall->setText("0");
    EXPECT_FALSE(tee.options());
    EXPECT_TRUE(tee.findChild<QLabel*>("sizes")->text().startsWith(QStringLiteral("主管壁厚须为")));
}

}  // namespace
}  // namespace korvel
