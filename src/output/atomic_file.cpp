#include "output/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace korvel::cad {
namespace {

std::string directoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string fileNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The permissions a new file gets, or those of the file it replaces.
mode_t fileMode(const std::string& path) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

void failSave(const std::string& what, int code) { throw SaveError(what + ": " + std::strerror(code), code); }

void replaceFile(const std::string& path, const std::function<void(const std::string&)>& fill,
                 const std::function<bool(int)>& complete) {
    if (path.empty()) throw SaveError("no file name", ENOENT);
    const std::string folder = directoryOf(path);
    std::string temporary = folder + "/." + fileNameOf(path) + ".XXXXXX";
    const int created = ::mkstemp(temporary.data());
    if (created < 0) failSave("cannot create a file in " + folder, errno);
    const auto discard = [&temporary](const std::string& what, int code) {
        ::unlink(temporary.c_str());
        failSave(what, code);
    };
    const int chmodResult = ::fchmod(created, fileMode(path));
    const int chmodError = errno;
    ::close(created);
    if (chmodResult != 0) discard("cannot write " + path, chmodError);

    try {
        fill(temporary);
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }

    // fsync reports what only reaching the disk reveals.
    const int fd = ::open(temporary.c_str(), O_RDONLY);
    if (fd < 0) discard("cannot read back what was written for " + path, errno);
    const bool whole = !complete || complete(fd);
    const int synced = ::fsync(fd);
    const int syncError = errno;
    ::close(fd);
    if (!whole) discard("cannot write " + path + " to its end", ENOSPC);
    if (synced != 0) discard("cannot write " + path, syncError);
    if (::rename(temporary.c_str(), path.c_str()) != 0) discard("cannot replace " + path, errno);
}

void saveFileBytes(const std::string& path, std::string_view bytes) {
    replaceFile(path, [&](const std::string& temporary) {
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_TRUNC);
        if (fd < 0) failSave("cannot write " + path, errno);
        const char* data = bytes.data();
        size_t left = bytes.size();
        while (left > 0) {
            const ssize_t written = ::write(fd, data, left);
            if (written < 0) {
                if (errno == EINTR) continue;
                const int code = errno;
                ::close(fd);
                failSave("cannot write " + path, code);
            }
            data += written;
            left -= static_cast<size_t>(written);
        }
        if (::close(fd) != 0) failSave("cannot write " + path, errno);
    });
}

std::string saveFailureReason(int code) {
    switch (code) {
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
