#pragma once
// Runs the built korvel program with arguments and collects what it printed.

#include <string>

namespace korvel::testing {

struct ProgramRun {
    int status = -1;  // exit status; -1 when it did not exit normally
    std::string out;
    std::string err;
};

// `arguments` is appended to the program's path on a shell command line.
ProgramRun runKorvel(const std::string& arguments);

}  // namespace korvel::testing
