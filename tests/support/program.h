#pragma once
// Runs korvel's command line, as the built program or inside the test, and
// collects what it printed.

#include <string>
#include <vector>

namespace korvel::testing {

struct ProgramRun {
    int status = -1;  // exit status; -1 when it did not exit normally
    std::string out;
    std::string err;
};

// `arguments` is appended to the program's path on a shell command line,
// `shellPrefix` put before it (a limit to set, say, ending in "exec ").
ProgramRun runKorvel(const std::string& arguments, const std::string& shellPrefix = "");

// The command line's dispatch run in this process on `arguments`.
ProgramRun runInProcess(const std::vector<std::string>& arguments);

}  // namespace korvel::testing
