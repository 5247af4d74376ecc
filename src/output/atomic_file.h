#pragma once
// The save every file Korvel writes goes through: a temporary file beside the
// target, renamed into place once it is whole and on the disk, and the one
// error a failed write throws, with what the windows say about it.

#include <functional>
#include <string>
#include <string_view>

#include "core/cad/cad.h"

namespace korvel::cad {

// The file could not be written; `code` is the errno value of the cause.
class SaveError : public Error {
public:
    SaveError(const std::string& what, int code) : Error(what), code_(code) {}
    int code() const { return code_; }

private:
    int code_;
};

// Creates a temporary file beside `path`, lets `fill` write it (by its name),
// checks with `complete` (when given) that what was written is whole, makes
// sure it is on the disk, and renames it to `path`, replacing what was there.
// On any failure throws SaveError (or lets what `fill` threw pass), removes
// the temporary file and leaves `path` as it was. A new file gets the
// permissions the umask allows, a replaced one keeps its own.
void replaceFile(const std::string& path, const std::function<void(const std::string& temporary)>& fill,
                 const std::function<bool(int fd)>& complete = {});

// The bytes saved at `path` the same way.
void saveFileBytes(const std::string& path, std::string_view bytes);

// Throws SaveError for `what`, the errno value `code` and its text.
[[noreturn]] void failSave(const std::string& what, int code);

// Why a file could not be written, for the user: "文件夹不存在。", "磁盘空间不足。", ...
std::string saveFailureReason(int code);
// What a window says when a file could not be saved at `path`: `heading`
// ("无法保存展开图："), the path, the reason and, in brackets, the error.
std::string saveFailureText(const std::string& heading, const std::string& path, int code, const std::string& error);

}  // namespace korvel::cad
