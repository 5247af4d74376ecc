#pragma once
// Modal message boxes of the calculator windows, and the dialogs they ask
// through. Tests replace the handlers so that nothing blocks.

#include <QString>
#include <functional>
#include <string>

#include "core/outcome.h"

class QPrinter;
class QWidget;

namespace korvel {

void showMessage(QWidget* parent, const ShowMessage& message);
bool askYesNo(QWidget* parent, const std::string& question);
// What the user answers when unsaved changes would go: 保存, 不保存 or 取消.
enum class SaveAnswer { Save, Discard, Cancel };
SaveAnswer askSaveChanges(QWidget* parent, const std::string& question);
// A file name to save to, empty when the user cancels.
QString askSavePath(QWidget* parent, const QString& caption, const QString& suggested, const QString& filter);

// A folder to write into, empty when the user cancels.
QString askFolder(QWidget* parent, const QString& caption, const QString& start);

// A file to open, empty when the user cancels.
QString askOpenPath(QWidget* parent, const QString& caption, const QString& folder, const QString& filter);

// The printer-selection dialog; true when the user confirms a printer.
bool askPrinter(QWidget* parent, QPrinter& printer);

struct DialogHandlers {
    std::function<void(const ShowMessage&)> message;
    std::function<bool(const std::string&)> yesNo;
    std::function<QString(const QString& suggested)> savePath;
    // Optional: without it the real printer dialog opens.
    std::function<bool(QPrinter&)> printer;
    // Optional: without it, 取消 where the other dialogs are replaced (nothing
    // is lost unasked), else the real question.
    std::function<SaveAnswer(const std::string&)> saveChanges = {};
    // Optional: without it, no file where the other dialogs are replaced.
    std::function<QString()> openPath = {};
    // Optional: without it, no folder where the other dialogs are replaced.
    std::function<QString(const QString& start)> folder = {};
};
// Replaces the modal dialogs (the first three must be set); returns the previous ones.
DialogHandlers setDialogHandlers(DialogHandlers handlers);

// The title of the program's plain message boxes.
inline constexpr const char* kProgramTitle = "Korvel";

}  // namespace korvel
