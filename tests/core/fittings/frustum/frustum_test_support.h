#pragma once
// Runs the real korvel binary for the frustum windows' command-line tests.

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace korvel::frustum_test {

struct BinaryRun {
    int status = -1;
    std::string out;
};

// `korvel ARGUMENTS`, standard output only.
inline BinaryRun runKorvel(const std::string& arguments) {
    const std::string command = std::string(KORVEL_BINARY) + " " + arguments + " 2>/dev/null";
    BinaryRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    std::array<char, 4096> buffer{};
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

}  // namespace korvel::frustum_test
