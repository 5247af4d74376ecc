// The elbow window's cad command as the user meets it (checks, save dialog,
// replacing a file, the report, failures that leave the window working), and
// `korvel cad` on the command line.

#include <QApplication>
#include <QLineEdit>
#include <QString>
#include <gtest/gtest.h>
#include <unistd.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/fittings/elbow/elbow_design.h"
#include "ui/calculator_window.h"
#include "ui/message_boxes.h"
#include "support/files.h"
#include "support/dialogs.h"

namespace korvel {
namespace {

using testing::readAll;

namespace fs = std::filesystem;

class ElbowCadCommand : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = testing::freshTestDir("korvel_cad_cmd_");
        window = std::make_unique<CalculatorWindow>(elbowDesign());
        window->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        window.reset();
        fs::remove_all(dir_);
    }
    void saveTo(const fs::path& path) { savePath = QString::fromStdString(path.string()); }

    fs::path dir_;
    std::unique_ptr<CalculatorWindow> window;
    testing::RecordedDialogs dialogs_;
    std::vector<ShowMessage>& messages = dialogs_.messages;
    std::vector<std::string>& questions = dialogs_.questions;
    std::vector<QString>& suggestions = dialogs_.suggestions;
    bool& answerYes = dialogs_.answerYes;
    QString& savePath = dialogs_.savePath;

private:
};

TEST_F(ElbowCadCommand, AsksWhereSuggestingANameWritesAndSaysWhere) {
    const fs::path path = dir_ / "elbow.dxf";
    saveTo(path);
    window->runCommand("cad");
    ASSERT_EQ(suggestions.size(), 1u);
    EXPECT_TRUE(suggestions[0].endsWith(QStringLiteral("/弯头_D1120_R1680_90度.dxf"))) << suggestions[0].toStdString();
    EXPECT_TRUE(questions.empty());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "CAD展开图已保存到：\n" + path.string());
    EXPECT_EQ(messages[0].icon, MessageIcon::None);
    EXPECT_NE(readAll(path).find("dimStyle"), std::string::npos);
    // The window stays as it was, in sight, to be used again.
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(ElbowCadCommand, CancellingTheDialogDoesNothing) {
    savePath.clear();
    window->runCommand("cad");
    EXPECT_EQ(suggestions.size(), 1u);
    EXPECT_TRUE(messages.empty());
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
    answerYes = false;
    window->runCommand("cad");
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], "文件“" + path.string() + "”已经存在。\n要替换它吗？");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(readAll(path), "the user's drawing");

    answerYes = true;
    window->runCommand("cad");
    EXPECT_EQ(questions.size(), 2u);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(readAll(path).find("EOF"), std::string::npos);
}

TEST_F(ElbowCadCommand, InvalidInputGetsTheElbowsMessageAndNoDialog) {
    window->box("Text1")->setText("0");
    saveTo(dir_ / "elbow.dxf");
    window->runCommand("cad");
    EXPECT_TRUE(suggestions.empty());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "\n管道外径必须大于零！");
    EXPECT_EQ(messages[0].title, "错误：");
    EXPECT_EQ(messages[0].icon, MessageIcon::Error);
    EXPECT_TRUE(window->box("Text1")->text().isEmpty());
    EXPECT_EQ(window->focusWidget(), window->box("Text1"));
    EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(ElbowCadCommand, AnUnwritablePlaceIsReportedAndTheWindowGoesOn) {
    const fs::path path = dir_ / "no such folder" / "elbow.dxf";
    saveTo(path);
    window->runCommand("cad");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "错误：");
    EXPECT_EQ(messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(messages[0].text.rfind("无法保存CAD展开图：\n" + path.string() + "\n\n文件夹不存在。", 0), 0u)
        << messages[0].text;
    EXPECT_TRUE(fs::is_empty(dir_));

    // Still working: the next export goes through.
    saveTo(dir_ / "elbow.dxf");
    window->runCommand("cad");
    EXPECT_TRUE(fs::exists(dir_ / "elbow.dxf"));
    EXPECT_TRUE(window->isVisible());
}

// What `korvel cad` prints and returns, run as its own program.
struct CliRun {
    int status = -1;
    std::string err;
};

CliRun korvel(const std::string& shellArguments, const std::string& prefix = "") {
    const std::string errFile = ::testing::TempDir() + "korvel_cad_err_" + std::to_string(getpid()) + ".txt";
    const std::string command =
        prefix + std::string(KORVEL_BINARY) + " " + shellArguments + " >/dev/null 2>" + errFile;
    CliRun run;
    const int raw = std::system(("sh -c '" + command + "'").c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.err = readAll(errFile);
    return run;
}

class ElbowCadCommandLine : public ElbowCadCommand {};

TEST_F(ElbowCadCommandLine, WritesTheDrawingWithTheGivenInputs) {
    const fs::path path = dir_ / "a.dxf";
    std::ofstream(path) << "old";
    const CliRun run = korvel("cad D=900 round=dec -o " + path.string());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.err.empty());
    const std::string dxf = readAll(path);
    EXPECT_NE(dxf.find("\\U+5916\\U+5F84\\U+03C6=900mm"), std::string::npos);  // 外径φ=900mm
    EXPECT_EQ(dxf.substr(dxf.size() - 4), "EOF\n");
}

TEST_F(ElbowCadCommandLine, AFailedCheckPrintsTheMessageAndWritesNothing) {
    const fs::path path = dir_ / "a.dxf";
    const CliRun run = korvel("cad D= -o " + path.string());
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "korvel: 管道外径不能为空！\n");
    EXPECT_TRUE(fs::is_empty(dir_));

    EXPECT_EQ(korvel("cad k=1 -o " + path.string()).err, "korvel: 弯头节数必须是2以上的整数！\n");
    EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(ElbowCadCommandLine, UsageErrors) {
    EXPECT_EQ(korvel("cad").status, 1);
    EXPECT_EQ(korvel("cad -o").status, 1);
    EXPECT_EQ(korvel("cad X=1 -o " + (dir_ / "a.dxf").string()).status, 1);
    EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(ElbowCadCommandLine, ADiskFullingUpLeavesTheOldFile) {
    const fs::path path = dir_ / "a.dxf";
    std::ofstream(path) << "the user's drawing";
    // A 4 KiB file size limit stands in for the full disk.
    const CliRun run = korvel("cad -o " + path.string(), "trap \"\" XFSZ; ulimit -f 8; exec ");
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find("korvel: " + path.string() + " not written: "), std::string::npos) << run.err;
    EXPECT_EQ(readAll(path), "the user's drawing");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(ElbowCadCommandLine, HelpNamesTheVerb) {
    const std::string out = dir_.string() + "/help.txt";
    std::system(("sh -c '" + std::string(KORVEL_BINARY) + " --help > " + out + "'").c_str());
    EXPECT_NE(readAll(out).find("korvel cad [name=value ...] -o FILE"), std::string::npos);
}

}  // namespace
}  // namespace korvel
