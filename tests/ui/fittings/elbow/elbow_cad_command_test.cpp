// The elbow window's cad command as the user meets it (checks, save dialog,
// replacing a file, the report, failures that leave the window working), and
// `korvel cad` on the command line.

#include <QLineEdit>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/program.h"
#include "support/windows.h"

namespace korvel {
namespace {

using testing::readAll;

namespace fs = std::filesystem;

class ElbowCadCommand : public testing::SavingWindowTest {
protected:
    void SetUp() override {
        SavingWindowTest::SetUp();
        open("wtfy");
    }
};

TEST_F(ElbowCadCommand, AsksWhereSuggestingANameWritesAndSaysWhere) {
    const fs::path path = dir_ / "elbow.dxf";
    saveTo(path);
    window->runCommand("cad");
    ASSERT_EQ(dialogs.suggestions.size(), 1u);
    EXPECT_TRUE(dialogs.suggestions[0].endsWith(QStringLiteral("/弯头_D1120_R1680_90度.dxf"))) << dialogs.suggestions[0].toStdString();
    EXPECT_TRUE(dialogs.questions.empty());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "CAD展开图已保存到：\n" + path.string());
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::None);
    EXPECT_NE(readAll(path).find("dimStyle"), std::string::npos);
    // The window stays as it was, in sight, to be used again.
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(ElbowCadCommand, CancellingTheDialogDoesNothing) {
    dialogs.savePath.clear();
    window->runCommand("cad");
    EXPECT_EQ(dialogs.suggestions.size(), 1u);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(ElbowCadCommand, ANameWithoutSuffixGetsDxf) {
    saveTo(dir_ / "elbow");
    window->runCommand("cad");
    EXPECT_TRUE(fs::exists(dir_ / "elbow.dxf"));
    EXPECT_FALSE(fs::exists(dir_ / "elbow"));
}

TEST_F(ElbowCadCommand, AnExistingFileIsReplacedOnlyWhenTheUserSaysSo) {
    const fs::path path = dir_ / "elbow.dxf";
    std::ofstream(path) << "the user's drawing";
    saveTo(path);
    dialogs.answerYes = false;
    window->runCommand("cad");
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0], "文件“" + path.string() + "”已经存在。\n要替换它吗？");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(readAll(path), "the user's drawing");

    dialogs.answerYes = true;
    window->runCommand("cad");
    EXPECT_EQ(dialogs.questions.size(), 2u);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(readAll(path).find("EOF"), std::string::npos);
}

TEST_F(ElbowCadCommand, InvalidInputGetsTheElbowsMessageAndNoDialog) {
    window->box("Text1")->setText("0");
    saveTo(dir_ / "elbow.dxf");
    window->runCommand("cad");
    EXPECT_TRUE(dialogs.suggestions.empty());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "\n管道外径必须大于零！");
    EXPECT_EQ(dialogs.messages[0].title, "错误：");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Error);
    EXPECT_TRUE(window->box("Text1")->text().isEmpty());
    EXPECT_EQ(window->focusWidget(), window->box("Text1"));
    EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(ElbowCadCommand, AnUnwritablePlaceIsReportedAndTheWindowGoesOn) {
    const fs::path path = dir_ / "no such folder" / "elbow.dxf";
    saveTo(path);
    window->runCommand("cad");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "错误：");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(dialogs.messages[0].text.rfind("无法保存CAD展开图：\n" + path.string() + "\n\n文件夹不存在。", 0), 0u)
        << dialogs.messages[0].text;
    EXPECT_TRUE(fs::is_empty(dir_));

    // Still working: the next export goes through.
    saveTo(dir_ / "elbow.dxf");
    window->runCommand("cad");
    EXPECT_TRUE(fs::exists(dir_ / "elbow.dxf"));
    EXPECT_TRUE(window->isVisible());
}

// What `korvel cad` prints and returns, run as its own program.
using testing::runKorvel;
using CliRun = testing::ProgramRun;
using ElbowCadCommandLine = testing::FolderTest;

TEST_F(ElbowCadCommandLine, WritesTheDrawingWithTheGivenInputs) {
    const fs::path path = dir_ / "a.dxf";
    std::ofstream(path) << "old";
    const CliRun run = runKorvel("cad D=900 round=dec -o " + path.string());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.err.empty());
    const std::string dxf = readAll(path);
    EXPECT_NE(dxf.find("\\U+5916\\U+5F84\\U+03C6=900mm"), std::string::npos);  // 外径φ=900mm
    EXPECT_EQ(dxf.substr(dxf.size() - 4), "EOF\n");
}

TEST_F(ElbowCadCommandLine, AFailedCheckPrintsTheMessageAndWritesNothing) {
    const fs::path path = dir_ / "a.dxf";
    const CliRun run = runKorvel("cad D= -o " + path.string());
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "korvel: 管道外径不能为空！\n");
    EXPECT_TRUE(fs::is_empty(dir_));

    EXPECT_EQ(runKorvel("cad k=1 -o " + path.string()).err, "korvel: 弯头节数必须是2以上的整数！\n");
    EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(ElbowCadCommandLine, UsageErrors) {
    EXPECT_EQ(runKorvel("cad").status, 1);
    EXPECT_EQ(runKorvel("cad -o").status, 1);
    EXPECT_EQ(runKorvel("cad X=1 -o " + (dir_ / "a.dxf").string()).status, 1);
    EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(ElbowCadCommandLine, ADiskFullingUpLeavesTheOldFile) {
    const fs::path path = dir_ / "a.dxf";
    std::ofstream(path) << "the user's drawing";
    // A 4 KiB file size limit stands in for the full disk.
    const CliRun run = runKorvel("cad -o " + path.string(), "trap \"\" XFSZ; ulimit -f 8; exec ");
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find("korvel: " + path.string() + " not written: "), std::string::npos) << run.err;
    EXPECT_EQ(readAll(path), "the user's drawing");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(ElbowCadCommandLine, HelpNamesTheVerb) {
    EXPECT_NE(runKorvel("--help").out.find("korvel cad [name=value ...] -o FILE"), std::string::npos);
}

}  // namespace
}  // namespace korvel
