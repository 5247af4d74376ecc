#pragma once
// Files for tests: a folder of its own for each test, and a file's bytes.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace korvel::testing {

// The whole file as bytes; empty when it cannot be read.
inline std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// An empty folder under the test temporary folder, named `prefix` and the
// running test's name; what an earlier run left there is removed.
inline std::filesystem::path freshTestDir(const std::string& prefix) {
    const std::filesystem::path dir =
        std::filesystem::path(::testing::TempDir()) /
        (prefix + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

}  // namespace korvel::testing
