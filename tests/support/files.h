#pragma once
// Files for tests: a folder of its own for each test, and a file's bytes.

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
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

// An empty folder under the test temporary folder, named `prefix`, the
// running test's name and a number for the test program's own path (two
// builds' tests run at once never share a folder, while a death test's child,
// the same program, finds its parent's); what an earlier run left there is
// removed.
inline std::filesystem::path freshTestDir(const std::string& prefix) {
    static const size_t build = std::hash<std::string>{}(std::filesystem::read_symlink("/proc/self/exe").string());
    const std::filesystem::path dir =
        std::filesystem::path(::testing::TempDir()) /
        (prefix + ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" +
         std::to_string(build % 1000000));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

// A test with a folder of its own (freshTestDir, named after the suite),
// removed after the test.
class FolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = freshTestDir(std::string("korvel_") +
                            ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name() + "_");
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    // The path of `name` in the test's folder.
    std::string file(const std::string& name) const { return (dir_ / name).string(); }
    // The names in the test's folder, temporary files included.
    std::set<std::string> names() const {
        std::set<std::string> all;
        for (const auto& e : std::filesystem::directory_iterator(dir_)) all.insert(e.path().filename().string());
        return all;
    }

    std::filesystem::path dir_;
};

}  // namespace korvel::testing
