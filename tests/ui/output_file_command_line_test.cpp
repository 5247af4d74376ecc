// Where korvel cad, dxf and pdf write: `-o -` to standard output and nothing
// else there, a standard output that cannot take it, and a name that is not a
// regular file.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/files.h"
#include "support/program.h"
#include "ui/command_line.h"

namespace korvel {
namespace {

namespace fs = std::filesystem;
using testing::readAll;

using OutputFileCommandLine = testing::FolderTest;

TEST_F(OutputFileCommandLine, DashWritesTheFileToStandardOutput) {
    for (const std::string command : {"cad", "dxf elbow", "pdf cone --page A3"}) {
        ASSERT_EQ(testing::runKorvel(command + " -o '" + file("f") + "'").status, kExitOk) << command;
        const auto run = testing::runKorvel(command + " -o -");
        EXPECT_EQ(run.status, kExitOk) << run.err;
        EXPECT_TRUE(run.out == readAll(file("f"))) << command << ": the same bytes and nothing more";
    }
    EXPECT_NE(testing::runInProcess({"--help"}).out.find("-o - writes the file to standard output"), std::string::npos);

    const auto closed = testing::runKorvel("dxf elbow -o - >&-");
    EXPECT_EQ(closed.status, kExitNotWritten);
    EXPECT_NE(closed.err.find("korvel: standard output not written: "), std::string::npos) << closed.err;
    // A reader that went away: exit 3 and a message, not a silent SIGPIPE.
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ::close(ends[0]);
    const int saved = ::dup(STDOUT_FILENO);
    ::dup2(ends[1], STDOUT_FILENO);
    ::close(ends[1]);
    const auto broken = testing::runInProcess({"pdf", "elbow", "-o", "-"});
    ::dup2(saved, STDOUT_FILENO);
    ::close(saved);
    EXPECT_EQ(broken.status, kExitNotWritten);
    EXPECT_NE(broken.err.find("Broken pipe"), std::string::npos) << broken.err;
}

TEST_F(OutputFileCommandLine, ANameThatIsNotARegularFileIsLeftAloneWithExitThree) {
    ASSERT_EQ(::mkfifo(file("fifo").c_str(), 0644), 0);
    const auto run = testing::runInProcess({"dxf", "elbow", "-o", file("fifo")});
    EXPECT_EQ(run.status, kExitNotWritten);
    EXPECT_NE(run.err.find("(该名称不是普通文件（设备、管道或套接字），不能覆盖。)"), std::string::npos) << run.err;
    EXPECT_EQ(fs::status(file("fifo")).type(), fs::file_type::fifo);
    // Not root, /dev/null is refused for what it is, not for a permission
    // to write in /dev.
    const std::string notRoot = ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
    const auto null = testing::runKorvel("cad -o /dev/null", notRoot);
    EXPECT_EQ(null.status, kExitNotWritten);
    EXPECT_NE(null.err.find("不是普通文件"), std::string::npos) << null.err;
}

}  // namespace
}  // namespace korvel
