#pragma once
// The memory lines of the start-up measure, printed by Korvel's start-up probe
// and by the bare application it is compared with. Header only, so that the
// bare application shares it without linking Korvel.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace korvel {

// Prints to standard output, from /proc/self:
//   memory VmHWM 51234 kB      peak resident size
//   memory VmRSS ... kB        resident now, and its anonymous, file and
//   ...                        shared parts (RssAnon, RssFile, RssShmem)
//   memory Pss ... kB          its share of shared pages counted in, and
//   memory Private ... kB      the pages it alone maps
// and, when KORVEL_STARTUP_SMAPS names a file, copies /proc/self/smaps there
// (each mapping's resident size: what the peak is made of).
inline void printMemoryReport() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        for (const char* key : {"VmHWM:", "VmRSS:", "RssAnon:", "RssFile:", "RssShmem:"})
            if (line.rfind(key, 0) == 0)
                std::printf("memory %.*s %ld kB\n", static_cast<int>(std::strlen(key) - 1), key,
                            std::atol(line.c_str() + std::strlen(key)));
    // Shared pages are divided among the processes mapping them.
    std::ifstream rollup("/proc/self/smaps_rollup");
    long pss = -1, own = 0;
    for (std::string line; std::getline(rollup, line);) {
        if (line.rfind("Pss:", 0) == 0) pss = std::atol(line.c_str() + 4);
        if (line.rfind("Private_Clean:", 0) == 0) own += std::atol(line.c_str() + 14);
        if (line.rfind("Private_Dirty:", 0) == 0) own += std::atol(line.c_str() + 14);
    }
    if (pss >= 0) std::printf("memory Pss %ld kB\nmemory Private %ld kB\n", pss, own);
    std::fflush(stdout);
    if (const char* copy = std::getenv("KORVEL_STARTUP_SMAPS"); copy != nullptr && *copy != '\0') {
        std::ifstream smaps("/proc/self/smaps");
        std::ofstream(copy) << smaps.rdbuf();
    }
}

}  // namespace korvel
