#include "output/dxf_file.h"

#include <dxflib/dl_dxf.h>
#include <dxflib/dl_writer_ascii.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

namespace korvel::cad {
namespace {

// Handle dxflib gives the VPORT table.
constexpr int kVportTableHandle = 0x8;
// Group 330: the owner of the object that follows.
constexpr int kOwner = 330;

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

[[noreturn]] void fail(const std::string& what, int code) {
    throw SaveError(what + ": " + std::strerror(code), code);
}

// The permissions a new file gets, or those of the file it replaces.
mode_t fileMode(const std::string& path) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// True when the file ends with the DXF end-of-file marker: nothing was cut off.
bool endsComplete(int fd) {
    static const char kEnd[] = "EOF\n";
    const off_t size = ::lseek(fd, 0, SEEK_END);
    const auto length = static_cast<off_t>(sizeof kEnd - 1);
    if (size < length) return false;
    char tail[sizeof kEnd] = {};
    if (::pread(fd, tail, static_cast<std::size_t>(length), size - length) != length) return false;
    return std::memcmp(tail, kEnd, static_cast<std::size_t>(length)) == 0;
}

// Writes the whole file at `path`; `shown` names it in errors.
void writeFile(const std::string& path, const std::string& shown,
               const std::function<void(DL_Dxf&, DL_WriterA&)>& write) {
    DL_Dxf dxf;
    errno = 0;
    std::unique_ptr<DL_WriterA> w(dxf.out(path.c_str(), DL_VERSION_2000));
    if (!w) fail("cannot write " + shown, errno != 0 ? errno : EIO);
    write(dxf, *w);
    w->close();
}

}  // namespace

void replaceFile(const std::string& path, const std::function<void(const std::string&)>& fill,
                 const std::function<bool(int)>& complete) {
    if (path.empty()) throw SaveError("no file name", ENOENT);
    const std::string folder = directoryOf(path);
    std::string temporary = folder + "/." + fileNameOf(path) + ".XXXXXX";
    const int created = ::mkstemp(temporary.data());
    if (created < 0) fail("cannot create a file in " + folder, errno);
    const auto discard = [&temporary](const std::string& what, int code) {
        ::unlink(temporary.c_str());
        fail(what, code);
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
        if (fd < 0) fail("cannot write " + path, errno);
        const char* data = bytes.data();
        size_t left = bytes.size();
        while (left > 0) {
            const ssize_t written = ::write(fd, data, left);
            if (written < 0) {
                if (errno == EINTR) continue;
                const int code = errno;
                ::close(fd);
                fail("cannot write " + path, code);
            }
            data += written;
            left -= static_cast<size_t>(written);
        }
        if (::close(fd) != 0) fail("cannot write " + path, errno);
    });
}

void saveDxfFile(const std::string& path, const std::function<void(DL_Dxf&, DL_WriterA&)>& write) {
    // The writer keeps write errors to itself: a full disk shows as a file
    // that stops short of its end marker.
    replaceFile(path, [&](const std::string& temporary) { writeFile(temporary, path, write); }, endsComplete);
}

void writeActiveViewport(DL_WriterA& w, const Point& centre, double width, double height) {
    const double h = height > 0 ? height : 1;
    const double aspect = width > 0 ? width / h : 1;
    w.table("VPORT", 1, kVportTableHandle);
    w.dxfString(0, "VPORT");
    w.handle();
    w.dxfHex(kOwner, kVportTableHandle);
    w.dxfString(100, "AcDbSymbolTableRecord");
    w.dxfString(100, "AcDbViewportTableRecord");
    w.dxfString(2, "*Active");
    w.dxfInt(70, 0);
    w.dxfReal(10, 0);
    w.dxfReal(20, 0);
    w.dxfReal(11, 1);
    w.dxfReal(21, 1);
    w.dxfReal(12, centre.x);
    w.dxfReal(22, centre.y);
    w.dxfReal(13, 0);
    w.dxfReal(23, 0);
    w.dxfReal(14, 10);
    w.dxfReal(24, 10);
    w.dxfReal(15, 10);
    w.dxfReal(25, 10);
    w.coord(16, 0, 0, 1);  // view direction
    w.coord(17, 0, 0, 0);  // view target
    w.dxfReal(40, h);
    w.dxfReal(41, aspect);
    w.dxfReal(42, 50);
    w.dxfReal(43, 0);
    w.dxfReal(44, 0);
    w.dxfReal(50, 0);
    w.dxfReal(51, 0);
    w.dxfInt(71, 0);
    w.dxfInt(72, 1000);
    w.dxfInt(73, 1);
    w.dxfInt(74, 3);
    w.dxfInt(75, 0);
    w.dxfInt(76, 0);
    w.dxfInt(77, 0);
    w.dxfInt(78, 0);
    w.tableEnd();
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
