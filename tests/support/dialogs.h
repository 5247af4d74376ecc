#pragma once
// Replaces the modal dialogs for one test, recording what they were asked.

#include <QPrinter>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "ui/export_dialog.h"
#include "ui/message_boxes.h"

namespace korvel::testing {

class RecordedDialogs {
public:
    RecordedDialogs() {
        DialogHandlers handlers{[this](const ShowMessage& m) { messages.push_back(m); },
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
                                       },
                                       [this](const std::string& q) {
                                           saveQuestions.push_back(q);
                                           return saveAnswer;
                                       }};
        handlers.folder = [this](const QString& start) {
            folderStarts.push_back(start);
            return folderPath;
        };
        previous_ = setDialogHandlers(std::move(handlers));
        previousExport_ = setExportOptionsHandler([this](const ExportQuestion& question) {
            exportQuestions.push_back(question);
            if (cancelExport) return std::optional<ExportOptions>();
            return std::optional<ExportOptions>(exportAnswer.value_or(question.preset));
        });
    }
    ~RecordedDialogs() {
        setDialogHandlers(std::move(previous_));
        setExportOptionsHandler(std::move(previousExport_));
    }
    RecordedDialogs(const RecordedDialogs&) = delete;
    RecordedDialogs& operator=(const RecordedDialogs&) = delete;

    std::vector<ShowMessage> messages;
    std::vector<std::string> questions;
    bool answerYes = true;
    QString savePath;
    // The question before unsaved changes go, and its answer.
    std::vector<std::string> saveQuestions;
    SaveAnswer saveAnswer = SaveAnswer::Cancel;
    std::vector<QString> suggestions;  // the file names the save dialogs offered
    QString folderPath;                // the folder the user picks; none: cancelled
    std::vector<QString> folderStarts;  // the folders the folder dialogs started in
    int printerDialogs = 0;
    bool printerAccepted = false;
    QString printerFile;  // the "printer" the user picks: a PDF file
    // The export dialog: what it was asked, and the answer (none: its preset).
    std::vector<ExportQuestion> exportQuestions;
    std::optional<ExportOptions> exportAnswer;
    bool cancelExport = false;

private:
    DialogHandlers previous_;
    ExportOptionsHandler previousExport_;
};

}  // namespace korvel::testing
