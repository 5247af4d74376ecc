#pragma once
// The one way a window saves a file the user names: a save dialog starting in
// the folder a file of its kind was last saved in (else the user's documents
// folder), the suffix added when none is typed, a
// question before a file is replaced, the file written (through a temporary
// one renamed into place), and a report of where it went or why it was not
// written.

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "ui/settings.h"

class QWidget;

namespace korvel {

struct SaveRequest {
    QString caption;          // the dialog's title: "保存展开图"
    std::string fileName;     // the name it suggests
    QString filter;           // "DXF 图形文件 (*.dxf)"
    QString suffix;           // added to a name typed without one: ".dxf"
    std::string failure;      // the heading of a failure: "无法保存展开图："
    SavedFile kind = SavedFile::Pattern;  // whose last folder the dialog starts in, and keeps
    // The files a save to the chosen name writes, when they are not that
    // name itself (a pattern saved piece by piece); the question before
    // replacing names those of them that exist.
    std::function<std::vector<QString>(const QString& chosen)> targets = {};
    // The user chooses a folder (askFolder), not a file: `write` is given
    // the folder, `targets` names the files it writes there, no suffix is
    // added and the folder itself is remembered.
    bool folder = false;
};

// Asks for the path and writes it with `write` (given the path in the file
// system's encoding); `write` throws cad::SaveError when the file could not be
// written, and returns the report to show once it is, or nothing to show
// none; or throws Cancelled, when the user stopped it, for no report at all.
// Any other exception is reported under the failure heading. Returns false
// when the user cancelled or the file was not written.
bool saveWithDialog(QWidget* parent, const SaveRequest& request,
                    const std::function<std::string(const std::string& path, const std::string& shown)>& write);

}  // namespace korvel
