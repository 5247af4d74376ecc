// `korvel dxf FITTING [name=value ...] -o FILE`: every fitting's pattern
// written, refused inputs leaving no file, usage errors, the real binary, and
// where it writes (-o -, names that are not regular files).

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ui/command_line.h"
#include "support/files.h"
#include "support/program.h"

namespace korvel {
namespace {

using testing::readAll;

namespace fs = std::filesystem;

using DxfRun = testing::ProgramRun;

DxfRun dxf(std::vector<std::string> args) {
    args.insert(args.begin(), "dxf");
    return testing::runInProcess(args);
}

using DxfCommandLine = testing::FolderTest;

TEST_F(DxfCommandLine, EveryFittingWritesItsPresetPattern) {
    for (const char* fitting :
         {"elbow", "tee", "ytee", "rect-frustum", "transition-round-top", "transition-rect-top", "cone"}) {
        const std::string path = file(std::string(fitting) + ".dxf");
        const DxfRun run = dxf({fitting, "-o", path});
        EXPECT_EQ(run.status, kExitOk) << fitting << ": " << run.err;
        // Standard error holds at most the sizes the pattern is developed to.
        EXPECT_TRUE(run.out.empty()) << fitting;
        EXPECT_TRUE(run.err.empty() || run.err.starts_with("将按以下尺寸展开：\n")) << fitting << ": " << run.err;
        const std::string text = readAll(path);
        EXPECT_NE(text.find("  0\nSECTION\n  2\nHEADER\n"), std::string::npos) << fitting;
        EXPECT_NE(text.find("LWPOLYLINE"), std::string::npos) << fitting;
    }
}

TEST_F(DxfCommandLine, TakesTheListCommandsInputsAndOptions) {
    // A variant pick brings its presets first, whatever the order.
    const std::string cone = file("cone.dxf");
    ASSERT_EQ(dxf({"cone", "big=1200", "variant=cone", "-o", cone}).status, kExitOk);
    const std::string text = readAll(cone);
    // "正心圆锥体" as the title names the cone; the typed big end as typed.
    EXPECT_NE(text.find("\\U+6B63\\U+5FC3\\U+5706\\U+9525\\U+4F53"), std::string::npos);
    EXPECT_NE(text.find("1200 mm"), std::string::npos);
    EXPECT_EQ(dxf({"transition-rect-top", "dir=south", "e=100", "round=dec", "-o", file("t.dxf")}).status, kExitOk);
}

TEST_F(DxfCommandLine, ARefusedInputPrintsTheWindowsMessageExitsTwoAndWritesNothing) {
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"elbow", "D=0"}, "korvel: 管道外径必须大于零！\n"},
        // Without a wall the sizes as typed: the outside's sections pinch.
        {{"elbow", "R=560", "t=0"}, "korvel: 弯曲半径等于外径一半，弯头内侧素线长度为零，展开图在内侧收成一点，不能整张下料！"
                             "请加大弯曲半径。\n"},
        // The tee's check goes on in the window; the export stops at its message.
        {{"tee", "d=2000"}, "korvel: 请您正确输入支管外径，不得大于主管外径和小于,程序执行默认数据！\n"},
        {{"tee", "Ls=0"}, "korvel: 请您正确输入支管短边，支管短边必须大于零，否则展开图无法下料！\n"},
        {{"ytee", "L=100"}, "korvel: 请您正确输入管道长度，管道长度必须大于斜接口到中心点的距离，否则展开图无法下料！\n"},
        {{"rect-frustum", "H=0"}, "korvel: 上下端口垂直高为0，各面展开后首尾重合，不能生成展开图！\n"},
        {{"transition-round-top", "N=18"}, "korvel: 展开图的等份数必须是4的整数倍！\n"},
        {{"cone", "t=500"}, "korvel: 钢板厚度不小于小端口外径的一半，端口没有内表面，不能生成展开图！\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        const std::string path = file("refused.dxf");
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"-o", path});
        const DxfRun run = dxf(args);
        EXPECT_EQ(run.status, kExitStopped);
        EXPECT_EQ(run.err, c.message);
        EXPECT_FALSE(fs::exists(path));
        EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 0) << "no temporary file";
    }
    // A file already there stays as it was.
    const std::string kept = file("kept.dxf");
    { std::ofstream(kept) << "kept"; }
    EXPECT_EQ(dxf({"elbow", "D=0", "-o", kept}).status, kExitStopped);
    EXPECT_EQ(readAll(kept), "kept");
}

TEST_F(DxfCommandLine, UsageErrorsAndAnUnwritableFile) {
    for (const auto& args : std::vector<std::vector<std::string>>{{},
                                                                  {"pipe", "-o", file("x.dxf")},
                                                                  {"elbow-end", "-o", file("x.dxf")},
                                                                  {"elbow"},
                                                                  {"elbow", "-o"},
                                                                  {"elbow", "X=1", "-o", file("x.dxf")},
                                                                  {"cone", "variant=round", "-o", file("x.dxf")},
                                                                  {"elbow", "-o", file("x.dxf"), "-o", file("y.dxf")}}) {
        const DxfRun run = dxf(args);
        EXPECT_EQ(run.status, kExitUsage) << (args.empty() ? "" : args[0]);
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
    }
    // A second -o is refused by every command that writes, not taken over the first.
    const std::vector<std::vector<std::string>> twice = {{"cad", "-o", file("x.dxf"), "-o", file("y.dxf")},
                                                         {"pdf", "cone", "-o", file("x.dxf"), "-o", file("y.dxf")}};
    for (const auto& args : twice) EXPECT_EQ(testing::runInProcess(args).status, kExitUsage) << args[0];
    EXPECT_FALSE(fs::exists(file("x.dxf")) || fs::exists(file("y.dxf")));
    const DxfRun run = dxf({"elbow", "-o", file("missing/x.dxf")});
    EXPECT_EQ(run.status, kExitNotWritten);
    EXPECT_NE(run.err.find("not written"), std::string::npos) << run.err;
}

TEST_F(DxfCommandLine, TheProgramWritesWithoutADisplayAndHelpDocumentsIt) {
    const std::string path = file("ytee.dxf");
    const auto run = testing::runKorvel("dxf ytee D=500 -o '" + path + "'");
    EXPECT_EQ(run.status, kExitOk) << run.err;
    EXPECT_TRUE(fs::exists(path));
    const auto refused = testing::runKorvel("dxf ytee beta=0 -o '" + file("no.dxf") + "'");
    EXPECT_EQ(refused.status, kExitStopped);
    EXPECT_EQ(refused.err, "korvel: 请您正确输入两管夹角，必须大于0°且不大于180°！\n");

    const std::string help = testing::runInProcess({"--help"}).out;
    EXPECT_NE(help.find("korvel dxf FITTING [name=value ...] [choices] -o FILE"), std::string::npos);
    EXPECT_NE(help.find("-o - writes the file to standard output"), std::string::npos);
    for (const char* fitting :
         {"elbow", "tee", "ytee", "rect-frustum", "transition-round-top", "transition-rect-top", "cone"})
        EXPECT_NE(help.find(std::string("    dxf ") + fitting + "  (导出展开图)"), std::string::npos) << fitting;
}

// -o - for every command that writes: the file on standard output and
// nothing else there; a name that is no regular file refused with exit 3.
TEST_F(DxfCommandLine, DashIsStandardOutputAndNoRegularFileIsLeftAlone) {
    for (const std::string command : {"cad", "dxf elbow", "pdf cone --page A3"}) {
        ASSERT_EQ(testing::runKorvel(command + " -o '" + file("f") + "'").status, kExitOk) << command;
        const auto run = testing::runKorvel(command + " -o -");
        EXPECT_EQ(run.status, kExitOk) << run.err;
        EXPECT_TRUE(run.out == readAll(file("f"))) << command << ": the same bytes and nothing more";
    }
    EXPECT_NE(testing::runKorvel("dxf elbow -o - >&-").err.find("korvel: standard output not written: "),
              std::string::npos);
    // A reader that went away: exit 3 and a message, not a silent SIGPIPE.
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    const int saved = ::dup(STDOUT_FILENO);
    ::dup2(ends[1], STDOUT_FILENO);
    ::close(ends[0]);
    ::close(ends[1]);
    const auto broken = testing::runInProcess({"pdf", "elbow", "-o", "-"});
    ::dup2(saved, STDOUT_FILENO);
    ::close(saved);
    EXPECT_EQ(broken.status, kExitNotWritten);
    EXPECT_NE(broken.err.find("Broken pipe"), std::string::npos) << broken.err;

    // Not root, /dev/null is refused for what it is, not for want of a
    // permission to write in /dev (a FIFO as root: tests/output/atomic_file_test).
    const std::string notRoot = ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
    const auto null = testing::runKorvel("cad -o /dev/null", notRoot);
    EXPECT_EQ(null.status, kExitNotWritten);
    EXPECT_NE(null.err.find("(该名称不是普通文件（设备、管道或套接字），不能覆盖。)"), std::string::npos) << null.err;
}

// Inputs whose drawing no file can hold: beyond a kilometre (dxflib's number
// buffer overran from about 1e238 mm), not a number, or a piece of no area.
TEST_F(DxfCommandLine, ADrawingOutOfRangeIsRefusedWithExitTwoAndNoFile) {
    const std::string tooLarge = "korvel: 展开图尺寸超出范围（超过 1000000 mm），不能生成展开图！\n";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"dxf", "elbow", "R=1e250"}, tooLarge},
        {{"dxf", "elbow", "R=1e20"}, tooLarge},
        // Without a wall: a 10 mm wall would leave these diameters no bore.
        {{"dxf", "elbow", "t=0", "D=4.9e-324"}, tooLarge},
        {{"dxf", "tee", "Ls=1e240"}, tooLarge},
        {{"dxf", "tee", "D=1e240", "d=1e240"}, tooLarge},
        {{"dxf", "ytee", "L=1e240"}, tooLarge},
        {{"cad", "R=1e240"}, "korvel: CAD展开图尺寸超出范围（超过 1000000 mm），不能生成CAD展开图！\n"},
        {{"dxf", "ytee", "D=0"}, "korvel: 展开图中“竖管”的面积为零，不能下料，不能生成展开图！\n"},
        {{"dxf", "elbow", "t=0", "D=1e-320"}, "korvel: 展开图中“端节”的面积为零，不能下料，不能生成展开图！\n"},
    };
    for (auto [args, message] : cases) {
        SCOPED_TRACE(args.back());
        args.insert(args.end(), {"-o", file("x.dxf")});
        std::ostringstream out, err;
        EXPECT_EQ(runCommandLine(args, out, err), kExitStopped);
        EXPECT_EQ(err.str(), message);
        EXPECT_TRUE(fs::is_empty(dir_)) << "no file, no temporary file";
    }
}

}  // namespace
}  // namespace korvel
