#include "ui/message_boxes.h"
#include "ui/language.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace korvel {
namespace {
DialogHandlers handlers;
}

void showMessage(QWidget* parent, const ShowMessage& message) {
    if (handlers.message) {
        handlers.message(message);
        return;
    }
    QMessageBox box(message.icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                    shown(message.title.empty() ? kProgramTitle : message.title),
                    shown(message.text), QMessageBox::Ok, parent);
    box.exec();
}

bool askYesNo(QWidget* parent, const std::string& question) {
    if (handlers.yesNo) return handlers.yesNo(question);
    return QMessageBox::question(parent, kProgramTitle, shown(question),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

SaveAnswer askSaveChanges(QWidget* parent, const std::string& question) {
    if (handlers.saveChanges) return handlers.saveChanges(question);
    if (handlers.message) return SaveAnswer::Cancel;
    QMessageBox box(QMessageBox::Warning, kProgramTitle, shown(question), QMessageBox::NoButton, parent);
    QPushButton* save = box.addButton(shown("保存"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(shown("不保存"), QMessageBox::DestructiveRole);
    box.addButton(shown("取消"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.exec();
    if (box.clickedButton() == save) return SaveAnswer::Save;
    return box.clickedButton() == discard ? SaveAnswer::Discard : SaveAnswer::Cancel;
}

QString askSavePath(QWidget* parent, const QString& caption, const QString& suggested, const QString& filter) {
    if (handlers.savePath) return handlers.savePath(suggested);
    // The command asks itself before it replaces a file, once.
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString askFolder(QWidget* parent, const QString& caption, const QString& start) {
    if (handlers.folder) return handlers.folder(start);
    if (handlers.message) return {};
    return QFileDialog::getExistingDirectory(parent, caption, start);
}

QString askOpenPath(QWidget* parent, const QString& caption, const QString& folder, const QString& filter) {
    if (handlers.openPath) return handlers.openPath();
    if (handlers.message) return {};
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

bool askPrinter(QWidget* parent, QPrinter& printer) {
    if (handlers.printer) return handlers.printer(printer);
    if (handlers.message) return false;  // dialogs are replaced: never block
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

DialogHandlers setDialogHandlers(DialogHandlers replacement) {
    DialogHandlers previous = std::move(handlers);
    handlers = std::move(replacement);
    return previous;
}

}  // namespace korvel
