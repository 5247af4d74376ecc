#include "fittings/elbow/elbow_cad_command.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <exception>

#include "fittings/elbow/elbow_cad.h"
#include "frame/calculator_window.h"
#include "frame/message_boxes.h"

namespace korvel {
namespace {

// The user's documents folder where it exists, else the home folder.
QString startFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
    return QDir::homePath();
}

void exportDrawing(CalculatorWindow& window) {
    const FormState state = window.readState();
    if (const auto rejection = checkElbowCad(state)) {
        window.apply(*rejection);
        return;
    }
    const QString suggested = QDir(startFolder()).filePath(QString::fromStdString(elbowCadFileName(state)));
    QString path = askSavePath(&window, QStringLiteral("保存CAD展开图"), suggested,
                               QStringLiteral("DXF 图形文件 (*.dxf)"));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".dxf");
    const QString shown = QDir::toNativeSeparators(path);
    const bool existed = QFileInfo::exists(path);
    if (existed && !askYesNo(&window, "文件“" + shown.toStdString() + "”已经存在。\n要替换它吗？")) return;

    const ElbowCadResult result = writeElbowCad(state, QFile::encodeName(path).toStdString());
    switch (result.status) {
        case ElbowCadResult::Status::Written:
            showMessage(&window, {"CAD展开图已保存到：\n" + shown.toStdString(), MessageIcon::None, ""});
            break;
        case ElbowCadResult::Status::Rejected:
            window.apply(result.rejection);
            break;
        case ElbowCadResult::Status::Failed: {
            std::string text = elbowCadFailureText(shown.toStdString(), result);
            if (existed) text += "\n原有的文件没有改动。";
            showMessage(&window, {text, MessageIcon::Error, "错误："});
            break;
        }
    }
}

}  // namespace

// The window stays as it is: the drawing goes to a file, so there is no CAD
// program to bring to the front, and the report must stay in sight.
void runElbowCadCommand(CalculatorWindow& window) {
    try {
        exportDrawing(window);
    } catch (const std::exception& e) {
        showMessage(&window, {std::string("无法保存CAD展开图：\n") + e.what(), MessageIcon::Error, "错误："});
    }
}

}  // namespace korvel
