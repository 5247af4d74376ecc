#include "output/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <stdexcept>

namespace korvel::cad {
namespace {

// Korvel's temporary file: of a fixed length, so that any name the target
// may have (up to NAME_MAX bytes) leaves room for it in the same folder.
constexpr char kTemporaryPrefix[] = ".korvel-";
constexpr char kTemporarySuffix[] = ".tmp";
constexpr int kRandomLetters = 6;  // mkstemps' XXXXXX
constexpr std::size_t kTemporaryLength = sizeof kTemporaryPrefix - 1 + kRandomLetters + sizeof kTemporarySuffix - 1;
// A temporary file older than this (seconds) is what a killed run left.
constexpr time_t kStaleAge = 24 * 60 * 60;
// Symbolic links followed before giving up, as the kernel does (ELOOP).
constexpr int kMostLinks = 40;

// The temporary files being written, for the signal handlers: fixed buffers,
// each with a state word read and written atomically, so that a handler
// reads only whole names. A batch (a nest's 2 files a plate) holds one a
// file until its commit; a temporary file beyond the slots is not removed by
// a signal, but by the next save into its folder a day later.
constexpr int kFree = 0, kClaimed = 1, kHeld = 2;
constexpr int kSlots = 256;
struct HeldName {
    std::atomic<int> state{kFree};
    char name[PATH_MAX];
};
HeldName heldNames[kSlots];
static_assert(std::atomic<int>::is_always_lock_free, "signal handlers read the states");

constexpr int kCleanedSignals[] = {SIGTERM, SIGINT, SIGHUP};
constexpr int kCleanedCount = sizeof kCleanedSignals / sizeof kCleanedSignals[0];
// What each signal did before: a handler of the program's own (called after
// ours), the default (the process dies of it) or ignored (ours not installed).
struct sigaction previousActions[kCleanedCount];

void removeHeldTemporaries(int signal, siginfo_t* info, void* context) {
    const int savedErrno = errno;
    for (HeldName& held : heldNames)
        if (held.state.load() == kHeld) ::unlink(held.name);
    int index = 0;
    while (index + 1 < kCleanedCount && kCleanedSignals[index] != signal) ++index;
    const struct sigaction& previous = previousActions[index];
    if ((previous.sa_flags & SA_SIGINFO) != 0) {
        previous.sa_sigaction(signal, info, context);
    } else if (previous.sa_handler != SIG_DFL && previous.sa_handler != SIG_IGN) {
        previous.sa_handler(signal);
    } else {
        // Dies of the signal as it would have without us: the parent sees
        // what killed it. The signal is blocked here and arrives on return.
        struct sigaction fallback {};
        fallback.sa_handler = SIG_DFL;
        sigemptyset(&fallback.sa_mask);
        ::sigaction(signal, &fallback, nullptr);
        ::raise(signal);
    }
    errno = savedErrno;
}

// Installs the handlers once, in front of whatever the program had; a signal
// the program ignores stays ignored.
void watchSignals() {
    static const bool installed = [] {
        for (int i = 0; i < kCleanedCount; ++i) {
            struct sigaction& previous = previousActions[i];
            if (::sigaction(kCleanedSignals[i], nullptr, &previous) != 0) continue;
            if ((previous.sa_flags & SA_SIGINFO) == 0 && previous.sa_handler == SIG_IGN) continue;
            struct sigaction ours {};
            ours.sa_sigaction = removeHeldTemporaries;
            ours.sa_flags = SA_SIGINFO | (previous.sa_flags & (SA_RESTART | SA_ONSTACK));
            ours.sa_mask = previous.sa_mask;
            for (int other : kCleanedSignals) sigaddset(&ours.sa_mask, other);
            ::sigaction(kCleanedSignals[i], &ours, nullptr);
        }
        return true;
    }();
    (void)installed;
}

// The three signals held back while a temporary file and its entry in
// heldNames come and go together.
class SignalsHeldBack {
public:
    SignalsHeldBack() {
        sigset_t set;
        sigemptyset(&set);
        for (int signal : kCleanedSignals) sigaddset(&set, signal);
        ::pthread_sigmask(SIG_BLOCK, &set, &before_);
    }
    ~SignalsHeldBack() { ::pthread_sigmask(SIG_SETMASK, &before_, nullptr); }
    SignalsHeldBack(const SignalsHeldBack&) = delete;
    SignalsHeldBack& operator=(const SignalsHeldBack&) = delete;

private:
    sigset_t before_;
};

// True for a name mkstemps makes of ".korvel-XXXXXX.tmp".
bool isTemporaryName(const char* name) {
    if (std::strlen(name) != kTemporaryLength) return false;
    if (std::strncmp(name, kTemporaryPrefix, sizeof kTemporaryPrefix - 1) != 0) return false;
    if (std::strcmp(name + kTemporaryLength - (sizeof kTemporarySuffix - 1), kTemporarySuffix) != 0) return false;
    for (int i = 0; i < kRandomLetters; ++i) {
        const char c = name[sizeof kTemporaryPrefix - 1 + static_cast<std::size_t>(i)];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    }
    return true;
}

// Removes what killed runs left in `folder`: Korvel's temporary files that
// are regular files of this user, last changed more than a day ago. Never
// follows a link; anything it cannot read or remove stays.
void removeStaleTemporaries(const std::string& folder) {
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return;
    DIR* entries = ::fdopendir(dir);
    if (entries == nullptr) {
        ::close(dir);
        return;
    }
    const time_t oldest = ::time(nullptr) - kStaleAge;
    while (const dirent* entry = ::readdir(entries)) {
        if (!isTemporaryName(entry->d_name)) continue;
        struct stat status {};
        if (::fstatat(dir, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (S_ISREG(status.st_mode) && status.st_uid == ::geteuid() && status.st_mtime < oldest)
            ::unlinkat(dir, entry->d_name, 0);
    }
    ::closedir(entries);
}

std::string directoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string inFolder(const std::string& folder, const std::string& name) {
    return folder.ends_with('/') ? folder + name : folder + "/" + name;
}

// Throws unless `status` is a regular file's: `shown` names it.
void refuseUnlessRegular(const struct stat& status, const std::string& shown) {
    if (S_ISDIR(status.st_mode)) failSave("cannot replace " + shown, EISDIR);
    if (!S_ISREG(status.st_mode)) throw SaveError("cannot replace " + shown + ": not a regular file", kNotARegularFile);
}

// The file `path` leads to through its symbolic links (a relative link read
// from the link's own folder), with its status when it exists. Throws when it
// is not a regular file.
std::string followLinks(const std::string& path, std::optional<struct stat>& existing) {
    struct stat status {};
    // The kernel's own view first: links like /proc/self/fd/1 lead to pipes
    // and terminals that have no name to read.
    if (::stat(path.c_str(), &status) == 0) refuseUnlessRegular(status, path);
    std::string target = path;
    for (int links = 0;; ++links) {
        if (::lstat(target.c_str(), &status) != 0) {
            if (errno != ENOENT) failSave("cannot write " + path, errno);
            existing.reset();
            return target;
        }
        if (!S_ISLNK(status.st_mode)) {
            refuseUnlessRegular(status, path);
            existing = status;
            return target;
        }
        if (links == kMostLinks) failSave("cannot write " + path, ELOOP);
        std::string link(PATH_MAX, '\0');
        const ssize_t length = ::readlink(target.c_str(), link.data(), link.size());
        if (length < 0) failSave("cannot write " + path, errno);
        if (static_cast<std::size_t>(length) == link.size()) failSave("cannot write " + path, ENAMETOOLONG);
        link.resize(static_cast<std::size_t>(length));
        target = link.starts_with('/') ? link : inFolder(directoryOf(target), link);
    }
}

// The permissions a new file gets.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A temporary file of Korvel's name pattern in a folder, open, its name held
// for the signal handlers; removed when dropped unless renamed.
class Temporary {
public:
    explicit Temporary(const std::string& folder) : name_(inFolder(folder, kTemporaryPrefix)) {
        name_ += std::string(kRandomLetters, 'X') + kTemporarySuffix;
        watchSignals();
        const SignalsHeldBack heldBack;
        fd_ = ::mkostemps(name_.data(), static_cast<int>(sizeof kTemporarySuffix - 1), O_CLOEXEC);
        if (fd_ < 0) failSave("cannot create a file in " + folder, errno);
        if (name_.size() < PATH_MAX)
            for (HeldName& held : heldNames) {
                int free = kFree;
                if (!held.state.compare_exchange_strong(free, kClaimed)) continue;
                std::memcpy(held.name, name_.c_str(), name_.size() + 1);
                held.state.store(kHeld);
                held_ = &held;
                break;
            }
    }
    ~Temporary() {
        const SignalsHeldBack heldBack;
        if (fd_ >= 0) ::close(fd_);
        if (!renamed_) ::unlink(name_.c_str());
        if (held_ != nullptr) held_->state.store(kFree);
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;

    const std::string& name() const { return name_; }
    int fd() const { return fd_; }
    // Closes the file once it is on the disk, the name still held: a batch
    // of many files keeps no descriptor open for each.
    void closeFile() {
        ::close(fd_);
        fd_ = -1;
    }

    void renameTo(const std::string& target, const std::string& shown) {
        const SignalsHeldBack heldBack;
        if (::rename(name_.c_str(), target.c_str()) != 0) failSave("cannot replace " + shown, errno);
        renamed_ = true;
    }

private:
    std::string name_;
    int fd_ = -1;
    HeldName* held_ = nullptr;
    bool renamed_ = false;
};

// Lets `fill` write the temporary file and `complete` check it; `shown`
// names the file in errors.
void fillTemporary(const Temporary& temporary, const std::string& shown,
                   const std::function<void(const std::string&)>& fill, const std::function<bool(int)>& complete) {
    fill(temporary.name());
    if (complete && !complete(temporary.fd())) failSave("cannot write " + shown + " to its end", ENOSPC);
}

// SIGPIPE ignored while it lives: a reader that went away shows as EPIPE.
class BrokenPipeIgnored {
public:
    BrokenPipeIgnored() {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        ::sigaction(SIGPIPE, &ignore, &before_);
    }
    ~BrokenPipeIgnored() { ::sigaction(SIGPIPE, &before_, nullptr); }
    BrokenPipeIgnored(const BrokenPipeIgnored&) = delete;
    BrokenPipeIgnored& operator=(const BrokenPipeIgnored&) = delete;

private:
    struct sigaction before_ {};
};

// Writes all of `data` to `fd`; false with errno set when it cannot.
bool writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

void copyToStandardOutput(int from) {
    const std::string shown = "standard output";
    if (::lseek(from, 0, SEEK_SET) != 0) failSave("cannot read back what was written for " + shown, errno);
    const BrokenPipeIgnored ignored;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) failSave("cannot read back what was written for " + shown, errno);
        if (got == 0) return;
        if (!writeAll(STDOUT_FILENO, buffer, static_cast<std::size_t>(got)))
            failSave("cannot write to " + shown, errno);
    }
}

void writeStandardOutput(const std::function<void(const std::string&)>& fill,
                         const std::function<bool(int)>& complete) {
    // Closed, it would be the next descriptor opened: the temporary file.
    if (::fcntl(STDOUT_FILENO, F_GETFL) < 0) failSave("cannot write to standard output", errno);
    const char* variable = std::getenv("TMPDIR");
    const std::string folder = variable != nullptr && *variable != '\0' ? variable : "/tmp";
    removeStaleTemporaries(folder);
    const Temporary temporary(folder);
    fillTemporary(temporary, "standard output", fill, complete);
    copyToStandardOutput(temporary.fd());
}

// The batch open on this thread, if any.
thread_local FileBatch* openBatch = nullptr;

}  // namespace

struct FileBatch::Staged {
    std::unique_ptr<Temporary> temporary;
    std::string target;  // where its links lead
    std::string shown;   // as the caller named it
};

FileBatch::FileBatch() {
    if (openBatch != nullptr) throw std::logic_error("a file batch is already open on this thread");
    openBatch = this;
}

FileBatch::~FileBatch() {
    if (openBatch == this) openBatch = nullptr;
}

void FileBatch::commit() {
    openBatch = nullptr;
    std::vector<std::unique_ptr<Staged>> staged = std::move(staged_);
    for (const std::unique_ptr<Staged>& file : staged) file->temporary->renameTo(file->target, file->shown);
}

void failSave(const std::string& what, int code) { throw SaveError(what + ": " + std::strerror(code), code); }

void replaceFile(const std::string& path, const std::function<void(const std::string&)>& fill,
                 const std::function<bool(int)>& complete) {
    if (path.empty()) throw SaveError("no file name", ENOENT);
    if (path == kStandardOutput) return writeStandardOutput(fill, complete);
    std::optional<struct stat> existing;
    const std::string target = followLinks(path, existing);
    const std::string folder = directoryOf(target);
    removeStaleTemporaries(folder);
    auto temporary = std::make_unique<Temporary>(folder);
    fillTemporary(*temporary, path, fill, complete);

    // Owner and group first: a change of owner clears the set-user-ID bits
    // the mode then puts back. Who may not give the file away keeps it, and
    // keeps the group where they belong to it.
    const int fd = temporary->fd();
    if (existing && ::fchown(fd, existing->st_uid, existing->st_gid) != 0)
        (void)::fchown(fd, static_cast<uid_t>(-1), existing->st_gid);
    if (::fchmod(fd, existing ? existing->st_mode & 07777 : newFileMode()) != 0)
        failSave("cannot write " + path, errno);
    // fsync reports what only reaching the disk reveals.
    if (::fsync(fd) != 0) failSave("cannot write " + path, errno);
    if (openBatch != nullptr) {
        temporary->closeFile();
        openBatch->staged_.push_back(
            std::make_unique<FileBatch::Staged>(FileBatch::Staged{std::move(temporary), target, path}));
        return;
    }
    temporary->renameTo(target, path);
}

void saveFileBytes(const std::string& path, std::string_view bytes) {
    replaceFile(path, [&](const std::string& temporary) {
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd < 0) failSave("cannot write " + path, errno);
        if (!writeAll(fd, bytes.data(), bytes.size())) {
            const int code = errno;
            ::close(fd);
            failSave("cannot write " + path, code);
        }
        if (::close(fd) != 0) failSave("cannot write " + path, errno);
    });
}

std::string saveFailureReason(int code) {
    switch (code) {
        case kNotARegularFile:
            return "该名称不是普通文件（设备、管道或套接字），不能覆盖。";
        case ENOENT:
        case ENOTDIR:
            return "文件夹不存在。";
        case EACCES:
        case EPERM:
            return "没有在该位置写入文件的权限。";
        case EROFS:
            return "该位置只能读取，不能写入。";
        case ENOSPC:
        case EFBIG:
        case EDQUOT:
            return "磁盘空间不足。";
        case EISDIR:
            return "该名称已是一个文件夹。";
        case ENAMETOOLONG:
            return "文件名太长。";
        default:
            return "写入时出错。";
    }
}

std::string saveFailureText(const std::string& heading, const std::string& path, int code, const std::string& error) {
    return heading + "\n" + path + "\n\n" + saveFailureReason(code) + "\n（" + error + "）";
}

}  // namespace korvel::cad
