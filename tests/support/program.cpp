#include "support/program.h"

#include "ui/command_line.h"

#include <array>
#include <cstdio>
#include <sstream>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace korvel::testing {
namespace {

std::string readAll(FILE* file) {
    std::string text;
    std::array<char, 4096> buffer{};
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), file)) > 0) text.append(buffer.data(), n);
    return text;
}

}  // namespace

ProgramRun runKorvel(const std::string& arguments, const std::string& shellPrefix) {
    const std::string errFile = ::testing::TempDir() + "korvel_stderr_" + std::to_string(getpid()) + ".txt";
    const std::string command = shellPrefix + std::string(KORVEL_BINARY) + " " + arguments + " 2>" + errFile;
    ProgramRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    run.out = readAll(pipe);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    if (FILE* err = fopen(errFile.c_str(), "r")) {
        run.err = readAll(err);
        fclose(err);
    }
    std::remove(errFile.c_str());
    return run;
}

ProgramRun runInProcess(const std::vector<std::string>& arguments) {
    std::ostringstream out, err;
    ProgramRun run;
    run.status = runCommandLine(arguments, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

}  // namespace korvel::testing
