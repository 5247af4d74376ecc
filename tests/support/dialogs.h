#pragma once
// Replaces the modal dialogs for one test, recording what they were asked.

#include <QPrinter>
#include <QString>
#include <string>
#include <vector>

#include "ui/message_boxes.h"

namespace korvel::testing {

class RecordedDialogs {
public:
    RecordedDialogs() {
        previous_ = setDialogHandlers({[this](const ShowMessage& m) { messages.push_back(m); },
                                       [this](const std::string& q) {
                                           questions.push_back(q);
                                           return answerYes;
                                       },
                                       [this](const QString& suggested) {
                                           suggestions.push_back(suggested);
                                           return savePath;
                                       },
                                       [this](QPrinter& printer) {
                                           ++printerDialogs;
                                           if (!printerFile.isEmpty()) {
                                               printer.setOutputFormat(QPrinter::PdfFormat);
                                               printer.setOutputFileName(printerFile);
                                           }
                                           return printerAccepted;
                                       }});
    }
    ~RecordedDialogs() { setDialogHandlers(std::move(previous_)); }
    RecordedDialogs(const RecordedDialogs&) = delete;
    RecordedDialogs& operator=(const RecordedDialogs&) = delete;

    std::vector<ShowMessage> messages;
    std::vector<std::string> questions;
    bool answerYes = true;
    QString savePath;
    std::vector<QString> suggestions;  // the file names the save dialogs offered
    int printerDialogs = 0;
    bool printerAccepted = false;
    QString printerFile;  // the "printer" the user picks: a PDF file

private:
    DialogHandlers previous_;
};

}  // namespace korvel::testing
