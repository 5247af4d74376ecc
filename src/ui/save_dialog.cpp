#include "ui/save_dialog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <exception>

#include "output/dxf_file.h"
#include "output/page_progress.h"
#include "ui/message_boxes.h"

namespace korvel {
namespace {

// Where a save dialog starts: the folder a file of its kind was last saved
// in, else the user's documents folder where it exists, else the home folder.
QString startFolder(SavedFile kind) {
    if (const QString last = lastFolder(kind); !last.isEmpty()) return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
    return QDir::homePath();
}

}  // namespace

bool saveWithDialog(QWidget* parent, const SaveRequest& request,
                    const std::function<std::string(const std::string& path, const std::string& shown)>& write) {
    try {
        const QString suggested = QDir(startFolder(request.kind)).filePath(QString::fromStdString(request.fileName));
        QString path = request.folder ? askFolder(parent, request.caption, startFolder(request.kind))
                                      : askSavePath(parent, request.caption, suggested, request.filter);
        if (path.isEmpty()) return false;
        if (!request.folder && QFileInfo(path).suffix().isEmpty()) path += request.suffix;
        const std::string shown = QDir::toNativeSeparators(path).toStdString();
        std::vector<std::string> existing;
        for (const QString& target : request.targets ? request.targets(path) : std::vector<QString>{path})
            if (QFileInfo::exists(target)) existing.push_back(QDir::toNativeSeparators(target).toStdString());
        const bool existed = !existing.empty();
        if (existing.size() == 1 && !askYesNo(parent, "文件“" + existing.front() + "”已经存在。\n要替换它吗？"))
            return false;
        if (existing.size() > 1) {
            std::string question = "以下文件已经存在：";
            for (const std::string& name : existing) question += "\n" + name;
            if (!askYesNo(parent, question + "\n要替换它们吗？")) return false;
        }
        std::string report;
        try {
            report = write(QFile::encodeName(path).toStdString(), shown);
        } catch (const Cancelled&) {
            return false;  // the user stopped it: nothing was written, nothing to say
        } catch (const cad::SaveError& error) {
            std::string text = cad::saveFailureText(request.failure, shown, error.code(), error.what());
            // Into a folder, a rename that fails midway leaves those before it
            // written: the old files are not promised.
            if (existed && !request.folder) text += "\n原有的文件没有改动。";
            showMessage(parent, {text, MessageIcon::Error, "错误："});
            return false;
        }
        setLastFolder(request.kind, request.folder ? QFileInfo(path).absoluteFilePath() : QFileInfo(path).absolutePath());
        if (!report.empty()) showMessage(parent, {report, MessageIcon::None, ""});
        return true;
    } catch (const std::exception& error) {
        showMessage(parent, {request.failure + "\n" + error.what(), MessageIcon::Error, "错误："});
        return false;
    }
}

}  // namespace korvel
