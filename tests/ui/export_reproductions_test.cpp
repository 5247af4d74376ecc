// Inputs that once crashed the writers (dxflib's number buffer overran and
// the process died with "buffer overflow detected"), slipped under the
// template's page limit, or wrote a file of zero-width pieces, run as the
// user ran them: the built program in a process of its own, so that a crash
// shows as a signal instead of taking the test down with it. Each is refused
// with exit 2 and leaves nothing behind, not even a temporary file.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/files.h"
#include "support/program.h"
#include "ui/command_line.h"

namespace korvel {
namespace {

class ExportReproductions : public testing::FolderTest {};

TEST_F(ExportReproductions, EachIsRefusedByTheProgramWithExitTwoAndNoFile) {
    const char* const commands[] = {
        // Coordinates beyond what dxflib could print.
        "dxf elbow R=1e250", "cad R=1e240", "dxf tee Ls=1e240", "dxf tee D=1e240 d=1e240", "dxf ytee L=1e240",
        "dxf elbow D=4.9e-324",
        // Page counts that overflowed.
        "pdf elbow R=1e25", "pdf cone big=1e100 small=1", "pdf tee Ls=1e100", "pdf ytee L=1e100",
        "pdf transition-rect-top D=1e100",
        // Pieces of no area.
        "dxf ytee D=0", "pdf ytee D=0", "dxf elbow D=1e-320", "cad D=1e-320",
    };
    for (const char* command : commands) {
        SCOPED_TRACE(command);
        const testing::ProgramRun run = testing::runKorvel(std::string(command) + " -o '" + file("x") + "'");
        EXPECT_EQ(run.status, kExitStopped) << run.err;
        EXPECT_EQ(run.err.rfind("korvel: ", 0), 0u) << run.err;
        EXPECT_TRUE(std::filesystem::is_empty(dir_)) << "no file, no temporary file";
    }
}

}  // namespace
}  // namespace korvel
