#pragma once
// The save every file Korvel writes goes through: a temporary file beside the
// target (where its symbolic links lead), renamed into place once it is whole
// and on the disk, and the one error a failed write throws, with what the
// windows say about it.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/cad/cad.h"

namespace korvel::cad {

// The file could not be written; `code` is the errno value of the cause, or
// kNotARegularFile.
class SaveError : public Error {
public:
    SaveError(const std::string& what, int code) : Error(what), code_(code) {}
    int code() const { return code_; }

private:
    int code_;
};

// The code of a SaveError for a name that is a device, a FIFO or a socket:
// replacing it by a file would take it away from whoever uses it. No errno
// value is negative.
inline constexpr int kNotARegularFile = -1;

// The name replaceFile takes for standard output.
inline constexpr const char* kStandardOutput = "-";

// Follows `path` through its symbolic links to the file they lead to (a
// dangling link: the file it names, created), refusing a folder (EISDIR) or
// anything else that is not a regular file (kNotARegularFile) before anything
// is created. Creates a temporary file ".korvel-XXXXXX.tmp" in that file's
// folder, lets `fill` write it (by its name), checks with `complete` (when
// given) that what was written is whole, makes sure it is on the disk, and
// renames it over the file. On any failure throws SaveError (or lets what
// `fill` threw pass), removes the temporary file and leaves the file as it
// was. A new file gets the permissions the umask allows, a replaced one keeps
// its own and, where the user may give them, its owner and group (its hard
// links cannot follow: the name gets a new file).
// Before creating its temporary file, removes Korvel's temporary files in that
// folder that a killed run left: regular files of the current user, of that
// name pattern, last changed more than a day ago. A SIGTERM, SIGINT or SIGHUP
// during the save removes the temporary file before the signal takes its
// course.
// `path` kStandardOutput: the temporary file is made in $TMPDIR (or /tmp),
// checked the same way, copied to standard output and removed.
void replaceFile(const std::string& path, const std::function<void(const std::string& temporary)>& fill,
                 const std::function<bool(int fd)>& complete = {});

// The bytes saved at `path` the same way.
void saveFileBytes(const std::string& path, std::string_view bytes);

// Files saved together, all or none. While a batch is open on a thread, each
// replaceFile there (saveFileBytes and the DXF saves included) stops short
// of its rename: its temporary file is whole, on the disk and given its
// mode, beside its target. commit() renames them into place in the order
// they were written; a batch dropped uncommitted (a failure, a cancel)
// removes them and every target stays as it was. Should a rename fail
// during the commit, the files renamed before it stay written and the rest
// are removed. Batches do not nest; standard output is written at once.
class FileBatch {
public:
    FileBatch();
    ~FileBatch();
    FileBatch(const FileBatch&) = delete;
    FileBatch& operator=(const FileBatch&) = delete;

    void commit();

    struct Staged;  // a temporary file and the target it is renamed to

private:
    friend void replaceFile(const std::string& path, const std::function<void(const std::string& temporary)>& fill,
                            const std::function<bool(int fd)>& complete);
    std::vector<std::unique_ptr<Staged>> staged_;
};

// Throws SaveError for `what`, the errno value `code` and its text.
[[noreturn]] void failSave(const std::string& what, int code);

// Why a file could not be written, for the user: "文件夹不存在。", "磁盘空间不足。", ...
std::string saveFailureReason(int code);
// What a window says when a file could not be saved at `path`: `heading`
// ("无法保存展开图："), the path, the reason and, in brackets, the error.
std::string saveFailureText(const std::string& heading, const std::string& path, int code, const std::string& error);

}  // namespace korvel::cad
