#pragma once
// What every DXF file Korvel writes shares: the save through a temporary file
// renamed into place, the active viewport, and what the windows say when a
// file could not be written.

#include <functional>
#include <string>

#include "cad/cad.h"

class DL_Dxf;
class DL_WriterA;

namespace korvel::cad {

// The file could not be written; `code` is the errno value of the cause.
class SaveError : public Error {
public:
    SaveError(const std::string& what, int code) : Error(what), code_(code) {}
    int code() const { return code_; }

private:
    int code_;
};

// Opens a temporary file beside `path` as an AutoCAD 2000 DXF file and lets
// `write` write the whole drawing into it, end of file included; then checks
// that it is complete and on the disk, and renames it to `path`, replacing
// what was there. On any failure throws SaveError (or lets what `write` threw
// pass), removes the temporary file and leaves `path` as it was. A new file
// gets the permissions the umask allows, a replaced one keeps its own.
void saveDxfFile(const std::string& path, const std::function<void(DL_Dxf&, DL_WriterA&)>& write);

// The VPORT table with the one viewport *Active, looking straight down on a
// view `width` x `height` about `centre`.
void writeActiveViewport(DL_WriterA& w, const Point& centre, double width, double height);

// Why a file could not be written, for the user: "文件夹不存在。", "磁盘空间不足。", ...
std::string saveFailureReason(int code);

}  // namespace korvel::cad
