// What replaceFile does with the name it is given: links followed to the file
// they lead to, what is not a regular file left alone, temporary files of
// killed runs cleared, and a signal in the middle of a save.

#include "output/atomic_file.h"
#include "support/files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace korvel::cad {
namespace {

namespace fs = std::filesystem;
using testing::readAll;

using AtomicFile = testing::FolderTest;

TEST_F(AtomicFile, WritesWhereLinksLeadKeepingModeAndOwner) {
    const auto modeOf = [](const fs::path& p) { return static_cast<unsigned>(fs::status(p).permissions()); };
    const bool root = ::geteuid() == 0;
    std::ofstream(file("real")) << "old";
    ::chmod(file("real").c_str(), 0640);
    ASSERT_TRUE(!root || ::chown(file("real").c_str(), 65534, 65534) == 0);
    fs::create_directory(dir_ / "sub");
    fs::create_symlink("../real", dir_ / "sub" / "link");
    fs::create_symlink("sub/link", dir_ / "chain");
    fs::create_symlink("sub/new", dir_ / "dangling");
    saveFileBytes(file("chain"), "new");
    EXPECT_EQ(readAll(dir_ / "real"), "new");
    EXPECT_EQ(modeOf(dir_ / "real"), 0640u);
    struct stat s {};
    ::stat(file("real").c_str(), &s);
    EXPECT_TRUE(!root || (s.st_uid == 65534 && s.st_gid == 65534)) << s.st_uid << ':' << s.st_gid;

    const mode_t before = ::umask(027);
    saveFileBytes(file("dangling"), "created");
    ::umask(before);
    EXPECT_EQ(readAll(dir_ / "sub" / "new"), "created");
    EXPECT_EQ(modeOf(dir_ / "sub" / "new"), 0640u);
    // NAME_MAX bytes: 84 three-byte characters and ".dx".
    std::string longest;
    for (int i = 0; i < 42; ++i) longest += "弯头";
    longest += ".dx";
    ASSERT_EQ(longest.size(), 255u);
    saveFileBytes(file(longest), "long");
    EXPECT_EQ(readAll(dir_ / longest), "long");
    EXPECT_TRUE(fs::is_symlink(dir_ / "chain") && fs::is_symlink(dir_ / "sub" / "link"));
    EXPECT_EQ(names(), (std::set<std::string>{"chain", "dangling", longest, "real", "sub"}));
}

TEST_F(AtomicFile, RefusesWhatIsNotARegularFileBeforeCreatingAnything) {
    ASSERT_EQ(::mkfifo(file("fifo").c_str(), 0644), 0);
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(file("socket").size(), sizeof address.sun_path);
    std::strcpy(address.sun_path, file("socket").c_str());
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    fs::create_directory(dir_ / "folder");
    for (const char* name : {"fifo", "socket", "folder"}) fs::create_symlink(name, dir_ / (std::string("to-") + name));
    const std::set<std::string> before = names();
    for (const std::string name : {"fifo", "socket", "folder", "to-fifo", "to-socket", "to-folder"}) {
        int code = 0;
        try {
            replaceFile(file(name), [](const std::string&) { ADD_FAILURE() << "filled"; });
        } catch (const SaveError& e) {
            code = e.code();
        }
        EXPECT_EQ(code, name.ends_with("folder") ? EISDIR : kNotARegularFile) << name;
    }
    ::close(listener);
    EXPECT_EQ(names(), before);
    EXPECT_EQ(fs::status(dir_ / "fifo").type(), fs::file_type::fifo);
    EXPECT_EQ(saveFailureReason(kNotARegularFile), "该名称不是普通文件（设备、管道或套接字），不能覆盖。");
}

TEST_F(AtomicFile, ClearsOnlyItsOwnTemporariesOlderThanADay) {
    for (const char* name :
         {".korvel-Ab3dEf.tmp", ".korvel-young1.tmp", ".korvel-Ab3dEf.tmp.bak", ".a.dxf.Ab3dEf", ".korvel-nobody.tmp"})
        std::ofstream(file(name)) << "left";
    fs::create_directory(dir_ / ".korvel-folder.tmp");
    fs::create_symlink(".a.dxf.Ab3dEf", dir_ / ".korvel-linked.tmp");
    const bool root = ::geteuid() == 0;
    ASSERT_TRUE(!root || ::chown(file(".korvel-nobody.tmp").c_str(), 65534, 65534) == 0);
    std::set<std::string> left = names();
    for (const std::string& name : left) {  // a day and an hour old, or not quite a day
        const time_t when = ::time(nullptr) - (name == ".korvel-young1.tmp" ? 23 : 25) * 3600;
        const timespec times[2] = {{when, 0}, {when, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, file(name).c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << name;
    }
    saveFileBytes(file("a.dxf"), "new");
    left.erase(".korvel-Ab3dEf.tmp");
    if (!root) left.erase(".korvel-nobody.tmp");  // the user's own after all
    left.insert("a.dxf");
    EXPECT_EQ(names(), left);
}

// A save that `signal` interrupts in the middle of its writing.
void saveInterruptedBy(const std::string& path, int signal) {
    replaceFile(path, [signal](const std::string& temporary) {
        std::ofstream(temporary) << "half";
        std::raise(signal);
    });
}

void exitFortyTwo(int) { ::_exit(42); }

TEST_F(AtomicFile, ASignalDuringASaveRemovesTheTemporaryFile) {
    // A fresh process for each: the handlers go in once per process.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        EXPECT_EXIT(saveInterruptedBy(file("a"), signal), ::testing::KilledBySignal(signal), "");
        EXPECT_TRUE(names().empty()) << signal;
    }
    // A handler of the program's own still runs; an ignored signal stays ignored.
    EXPECT_EXIT((std::signal(SIGTERM, exitFortyTwo), saveInterruptedBy(file("a"), SIGTERM)),
                ::testing::ExitedWithCode(42), "");
    EXPECT_TRUE(names().empty());
    EXPECT_EXIT((std::signal(SIGHUP, SIG_IGN), saveInterruptedBy(file("a"), SIGHUP), ::_exit(7)),
                ::testing::ExitedWithCode(7), "");
    EXPECT_EQ(names(), std::set<std::string>{"a"});
}

}  // namespace
}  // namespace korvel::cad
