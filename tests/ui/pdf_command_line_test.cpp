// `korvel pdf FITTING [name=value ...] [--page SIZE] -o FILE`: the same file
// the window's 打印1:1样板 command writes for the same inputs, refused inputs
// leaving no file, usage errors, an unwritable file, and --help.

#include <QApplication>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "output/pdf_tools.h"
#include "support/program.h"
#include "support/windows.h"
#include "ui/command_line.h"
#include "ui/template_dialog.h"

namespace korvel {
namespace {

using testing::readAll;

namespace fs = std::filesystem;

using PdfRun = testing::ProgramRun;

PdfRun pdf(std::vector<std::string> args) {
    args.insert(args.begin(), "pdf");
    return testing::runInProcess(args);
}

using PdfCommandLine = testing::FolderTest;

// The window's command writes the same bytes as the program run on its own,
// for each fitting, the window's boxes changed as the arguments change them.
TEST_F(PdfCommandLine, EveryFittingWritesWhatItsWindowWrites) {
    struct Case {
        std::string item, fitting;
        std::vector<std::pair<std::string, std::string>> inputs;  // symbol, box text
        std::string paper;
    };
    const std::vector<Case> cases = {
        {"wtfy", "elbow", {{"D", "300"}, {"R", "450"}}, "A3"},
        {"stfy", "tee", {{"D", "400"}, {"d", "250"}}, "A2"},
        {"yxst", "ytee", {}, "A1"},
        {"zfxjt", "rect-frustum", {}, "A0"},
        {"tydf", "transition-round-top", {}, "A0"},
        {"tfdy", "transition-rect-top", {}, "A0"},
        {"yztt", "cone", {{"big", "600"}, {"small", "300"}}, "Letter"},
    };
    testing::RecordedDialogs dialogs;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fitting);
        const std::string fromWindow = file(c.fitting + "-window.pdf");
        const std::string fromProgram = file(c.fitting + "-program.pdf");
        {
            const std::unique_ptr<CalculatorWindow> window = testing::windowOf(c.item);
            ASSERT_TRUE(window);
            window->show();
            QApplication::processEvents();
            for (const auto& [symbol, text] : c.inputs)
                window->box(window->design().input(symbol)->box.key())->setText(QString::fromStdString(text));
            const auto previous = setTemplateChoiceHandler(
                [&c](const std::string&) { return std::optional<TemplateChoice>(TemplateChoice{c.paper, false, {}}); });
            dialogs.savePath = QString::fromStdString(fromWindow);
            window->menuAction("样板")->trigger();
            setTemplateChoiceHandler(previous);
        }
        std::string args = "pdf " + c.fitting;
        for (const auto& [symbol, text] : c.inputs) args += " " + symbol + "=" + text;
        const auto run = testing::runKorvel(args + " --page " + c.paper + " -o '" + fromProgram + "'");
        EXPECT_EQ(run.status, kExitOk) << run.err;
        EXPECT_TRUE(run.err.empty() || run.err.starts_with("将按以下尺寸展开：\n")) << run.err;
        const std::string window = readAll(fromWindow), program = readAll(fromProgram);
        EXPECT_GT(window.size(), 1000u);
        size_t at = 0;
        while (at < window.size() && at < program.size() && window[at] == program[at]) ++at;
        EXPECT_TRUE(window == program) << "the window's file (" << window.size() << " bytes) and korvel pdf's ("
                                       << program.size() << ") differ from byte " << at << ": "
                                       << window.substr(at >= 200 ? at - 200 : 0, 260);
    }
}

TEST_F(PdfCommandLine, TakesTheDxfCommandsInputsOptionsAndPaper) {
    const std::string cone = file("cone.pdf");
    ASSERT_EQ(pdf({"cone", "big=1200", "variant=cone", "-o", cone, "--page", "a2"}).status, kExitOk);
    const std::string text = testing::pdfText(cone, 1, 1);
    EXPECT_NE(text.find("正心圆锥体"), std::string::npos);
    EXPECT_NE(text.find("1200 mm"), std::string::npos);
    EXPECT_NE(text.find("纸张 A2"), std::string::npos);
    ASSERT_EQ(pdf({"transition-rect-top", "dir=south", "e=100", "round=dec", "--page", "A1", "-o", file("t.pdf")})
                  .status,
              kExitOk);
    const std::string a4 = file("a4.pdf");
    ASSERT_EQ(pdf({"cone", "big=600", "small=300", "-o", a4}).status, kExitOk);
    EXPECT_EQ(testing::pdfInfo(a4, "Page size"), "595 x 842 pts (A4)") << "A4 unless told";
    ASSERT_EQ(pdf({"ytee", "D=300", "--page=Letter", "-o", file("l.pdf")}).status, kExitOk);
    EXPECT_NE(testing::pdfInfo(file("l.pdf"), "Page size").find("(letter)"), std::string::npos);
    // The lie as told: a small elbow goes on landscape pages turned unless
    // told otherwise.
    ASSERT_EQ(pdf({"elbow", "D=300", "R=450", "--orientation", "portrait", "--turn=0", "-o", file("p.pdf")}).status,
              kExitOk);
    EXPECT_NE(testing::pdfText(file("p.pdf"), 1, 1).find("纸张 A4 纵向："), std::string::npos);
    ASSERT_EQ(pdf({"elbow", "D=300", "R=450", "--orientation=landscape", "--turn", "90", "-o", file("q.pdf")}).status,
              kExitOk);
    EXPECT_NE(testing::pdfText(file("q.pdf"), 1, 1).find("纸张 A4 横向，图案转 90°："), std::string::npos);
}

TEST_F(PdfCommandLine, ARefusedInputPrintsTheWindowsMessageExitsTwoAndWritesNothing) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"elbow", "D=0"}, "korvel: 管道外径必须大于零！\n"},
        {{"tee", "Ls=0"}, "korvel: 请您正确输入支管短边，支管短边必须大于零，否则展开图无法下料！\n"},
        {{"cone", "t=500"}, "korvel: 钢板厚度不小于小端口外径的一半，端口没有内表面，不能生成展开图！\n"},
        {{"cone", "small=20000", "big=30000"},
         "korvel: 1:1 样板要 124 行 × 182 列的 A4 纸，超过 1000 页。请选更大的纸张，或导出展开图（DXF）。\n"},
        {{"elbow", "--page", "roll610"},
         "korvel: 样板图案为 7160 mm × 1271 mm，横放竖放都宽于 610 mm 卷筒纸的可打印宽度（590 mm）。"
         "请选更宽的卷筒纸，或选单张纸分页打印。\n"},
    };
    for (const auto& [args, message] : cases) {
        SCOPED_TRACE(args[1]);
        std::vector<std::string> all = args;
        all.insert(all.end(), {"-o", file("refused.pdf")});
        const PdfRun run = pdf(all);
        EXPECT_EQ(run.status, kExitStopped);
        EXPECT_EQ(run.err, message);
        EXPECT_TRUE(fs::is_empty(dir_)) << "no file, no temporary file";
    }
    const std::string kept = file("kept.pdf");
    { std::ofstream(kept) << "kept"; }
    EXPECT_EQ(pdf({"elbow", "D=0", "-o", kept}).status, kExitStopped);
    EXPECT_EQ(readAll(kept), "kept");
    // The program on its own says the same.
    const auto run = testing::runKorvel("pdf ytee beta=0 -o '" + file("no.pdf") + "'");
    EXPECT_EQ(run.status, kExitStopped);
    EXPECT_EQ(run.err, "korvel: 请您正确输入两管夹角，必须大于0°且不大于180°！\n");
    EXPECT_FALSE(fs::exists(file("no.pdf")));
}

TEST_F(PdfCommandLine, UsageErrorsAndAnUnwritableFile) {
    for (const auto& args : std::vector<std::vector<std::string>>{{},
                                                                  {"pipe", "-o", file("x.pdf")},
                                                                  {"elbow-end", "-o", file("x.pdf")},
                                                                  {"elbow"},
                                                                  {"elbow", "-o"},
                                                                  {"elbow", "--page"},
                                                                  {"elbow", "--page", "A5", "-o", file("x.pdf")},
                                                                  {"elbow", "--turn", "45", "-o", file("x.pdf")},
                                                                  {"elbow", "--orientation", "-o", file("x.pdf")},
                                                                  {"elbow", "-o", file("x.pdf"), "--turn"},
                                                                  {"elbow", "X=1", "-o", file("x.pdf")},
                                                                  {"cone", "variant=round", "-o", file("x.pdf")}}) {
        const PdfRun run = pdf(args);
        EXPECT_EQ(run.status, kExitUsage) << (args.empty() ? "" : args[0]);
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
    }
    EXPECT_EQ(pdf({"elbow", "--turn", "45", "-o", file("x.pdf")}).err, "korvel: --turn takes 0|90, got '45'\n");
    EXPECT_EQ(pdf({"elbow", "--page", "A5", "-o", file("x.pdf")}).err,
              "korvel: --page takes A4|A3|A2|A1|A0|Letter|roll610|roll914|roll1067, got 'A5'\n");
    EXPECT_TRUE(fs::is_empty(dir_));
    const PdfRun run = pdf({"cone", "--page", "A0", "-o", file("missing/x.pdf")});
    EXPECT_EQ(run.status, kExitNotWritten);
    EXPECT_NE(run.err.find("not written"), std::string::npos) << run.err;
}

TEST_F(PdfCommandLine, SeparateRunsWriteTheSameBytesWithTheFacesEmbedded) {
    // Each run hashes differently: nothing in the file may depend on it. The
    // tee's title block has a minus sign the Song face lacks: a second face.
    std::vector<std::string> files;
    for (int i = 0; i < 4; ++i) {
        files.push_back(file("tee" + std::to_string(i) + ".pdf"));
        ASSERT_EQ(testing::runKorvel("pdf tee D=400 d=250 --page A2 -o '" + files.back() + "'").status, kExitOk);
    }
    for (size_t i = 1; i < files.size(); ++i) EXPECT_TRUE(readAll(files[0]) == readAll(files[i])) << i;
    std::istringstream fonts(testing::shellOutput("pdffonts '" + files[0] + "'"));
    std::string line;
    int faces = 0;
    for (int n = 0; std::getline(fonts, line); ++n) {
        if (n < 2) continue;  // the heading
        ++faces;
        EXPECT_NE(line.find("Identity-H       yes"), std::string::npos) << "embedded: " << line;
    }
    EXPECT_GE(faces, 1);
}

TEST_F(PdfCommandLine, ScaleFactorsCorrectThePagesAndOutOfRangeIsAUsageError) {
    const PdfRun run = pdf({"cone", "--scale-x", "1.008", "--scale-y=0.992", "-o", file("c.pdf")});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    const auto squares = testing::strokedRects(file("c.pdf"), 1, "0.3");
    ASSERT_EQ(squares.size(), 1u);
    EXPECT_NEAR(squares[0].width * 25.4 / 72, 100.8, 0.05);
    EXPECT_NEAR(squares[0].height * 25.4 / 72, 99.2, 0.05);
    EXPECT_NE(testing::pdfText(file("c.pdf"), 1, 1).find("已按校准 99.2 × 100.8 mm 修正"), std::string::npos);
    for (const auto& args : std::vector<std::vector<std::string>>{{"cone", "--scale-x", "1.2", "-o", file("x.pdf")},
                                                                  {"cone", "--scale-y=0.85", "-o", file("x.pdf")},
                                                                  {"cone", "-o", file("x.pdf"), "--scale-x"}}) {
        const PdfRun bad = pdf(args);
        EXPECT_EQ(bad.status, kExitUsage);
        EXPECT_TRUE(bad.err.starts_with("korvel: --scale-")) << bad.err;
        EXPECT_NE(bad.err.find("from 0.9 to 1.1"), std::string::npos) << bad.err;
    }
    EXPECT_FALSE(fs::exists(file("x.pdf")));
    EXPECT_EQ(testing::runKorvel("dxf cone --scale-x 1.01 -o '" + file("x.dxf") + "'").status, kExitUsage)
        << "pdf's alone";
}

TEST_F(PdfCommandLine, HelpDocumentsIt) {
    const std::string help = testing::runInProcess({"--help"}).out;
    EXPECT_NE(help.find("korvel pdf FITTING [name=value ...] [choices] [--page SIZE] [--orientation O]"), std::string::npos);
    EXPECT_NE(help.find("A4|A3|A2|A1|A0|Letter"), std::string::npos);
    for (const char* fitting :
         {"elbow", "tee", "ytee", "rect-frustum", "transition-round-top", "transition-rect-top", "cone"})
        EXPECT_NE(help.find(std::string("    pdf ") + fitting + "  (打印1:1样板)"), std::string::npos) << fitting;
}

// Patterns of 1e25 mm and more overflowed the page count and slipped under
// the page limit; the range check now refuses them before any tiling.
TEST_F(PdfCommandLine, APatternOutOfRangeIsRefusedBeforeAnyPageIsCounted) {
    const std::string tooLarge = "korvel: 展开图尺寸超出范围（超过 1000000 mm），不能生成展开图！\n";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"elbow", "R=1e25"}, tooLarge},
        {{"cone", "big=1e100", "small=1"}, tooLarge},
        {{"tee", "Ls=1e100"}, tooLarge},
        {{"ytee", "L=1e100"}, tooLarge},
        {{"transition-rect-top", "D=1e100"}, tooLarge},
        {{"ytee", "D=0"}, "korvel: 展开图中“竖管”的面积为零，不能下料，不能生成展开图！\n"},
    };
    for (auto [args, message] : cases) {
        SCOPED_TRACE(args[0] + " " + args[1]);
        args.insert(args.end(), {"-o", file("x.pdf")});
        const PdfRun run = pdf(args);
        EXPECT_EQ(run.status, kExitStopped);
        EXPECT_EQ(run.err, message);
        EXPECT_TRUE(fs::is_empty(dir_)) << "no file, no temporary file";
    }
}

}  // namespace
}  // namespace korvel
