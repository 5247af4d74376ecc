#include "ui/message_boxes.h"
#include "ui/language.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

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

QString askSavePath(QWidget* parent, const QString& caption, const QString& suggested, const QString& filter) {
    if (handlers.savePath) return handlers.savePath(suggested);
    // The command asks itself before it replaces a file, once.
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
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
