#include "ui/calculator_window.h"

// What a window puts on paper and into files: its image printed or saved as
// PDF, its flat pattern as DXF, its CAD drawing, and its 1:1 template, with
// the printer's calibration.

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <exception>
#include <algorithm>

#include "core/export_range.h"
#include "core/numbers.h"
#include "core/print_correction.h"
#include "output/calibration_page.h"
#include "output/dxf_file.h"
#include "output/dxf_writer.h"
#include "output/pattern_dxf.h"
#include "output/template_pdf.h"
#include "ui/calibration_dialog.h"
#include "ui/export_dialog.h"
#include "ui/export_runner.h"
#include "ui/message_boxes.h"
#include "ui/save_dialog.h"
#include "ui/surface.h"
#include "ui/settings.h"
#include "ui/template_dialog.h"
#include "ui/twips.h"
#include "ui/language.h"

namespace korvel {
namespace {

// Checks the window's inputs (its own messages when they give no pattern),
// then asks the export dialog and remembers the answer: all of it for a DXF
// file, the choices alone for the template (the file options stay as the
// last DXF export left them). None when refused or cancelled.
std::optional<ExportOptions> askExport(CalculatorWindow& window, const FormState& state, bool dxf) {
    const PatternExport preset = exportedPattern(window.design(), state);
    if (preset.rejected()) {
        window.apply(preset.rejection);
        return std::nullopt;
    }
    const std::optional<ExportOptions> options = askExportOptions(&window, window.exportQuestion(dxf));
    if (!options) return std::nullopt;
    ExportOptions remembered = exportOptionsSetting(window.design().objectName).value_or(ExportOptions{});
    if (dxf) remembered = *options;
    else remembered.choices = options->choices;
    setExportOptionsSetting(window.design().objectName, remembered);
    return options;
}

void printToFile(QWidget* window, const PrintedTemplate& t, const QString& file) {
    // The print dialog's file is saved as the template's PDF file: written
    // whole through a temporary file, so that a cancel or a failure leaves
    // the file that was there as it was (the printer would truncate it first).
    const std::string shownPath = QDir::toNativeSeparators(file).toStdString();
    try {
        runWithProgress(window, "正在生成 1:1 样板…", [&t, &file](const PageProgress& progress) {
            saveTemplatePdf(t, QFile::encodeName(file).toStdString(), progress);
        });
    } catch (const cad::SaveError& error) {
        showMessage(window, {cad::saveFailureText("无法保存 1:1 样板：", shownPath, error.code(), error.what()),
                             MessageIcon::Error, "错误："});
    }
}

// The paper at its size, without margins: a page painted at 1:1 goes out
// unscaled whatever the print dialog offered.
QPageLayout unscaledLayout(const PaperSize& paper, bool landscape, QSizeF size = {}) {
    if (size.isEmpty()) size = QSizeF(paper.width, paper.height);
    return QPageLayout(QPageSize(size, QPageSize::Millimeter,
                                 QString::fromStdString(paper.name)),
                       landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

// A template's pages unscaled: a roll's page as long as its template.
QPageLayout unscaledLayout(const TiledTemplate& tiles) {
    return unscaledLayout(tiles.paper, tiles.landscape,
                          tiles.paper.roll ? QSizeF(tiles.pageWidth, tiles.pageHeight) : QSizeF());
}

// Whose correction a printer's pages take: the printer's, by its name, or the
// paper's when the print dialog sends them to a file.
std::pair<CalibratedBy, std::string> calibratedBy(const QPrinter& printer, const PaperSize& paper) {
    if (printer.outputFormat() == QPrinter::PdfFormat) return {CalibratedBy::Paper, paper.name};
    return {CalibratedBy::Printer, printer.printerName().toStdString()};
}

std::string calibratedName(const std::pair<CalibratedBy, std::string>& by) {
    return by.first == CalibratedBy::Paper ? "PDF 文件（" + by.second + "）" : "打印机 " + by.second;
}

// 打印校准: the calibration page to the printer the user picks (or to the
// file its dialog offers), then the square's measures; the correction kept
// for that printer (or paper) and said.
void calibratePrinter(QWidget* window, const PaperSize& paper) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setDocName(QStringLiteral("Korvel calibration"));
    if (!askPrinter(window, printer)) return;
    printer.setPageLayout(unscaledLayout(paper, false));
    printer.setFullPage(true);
    const auto by = calibratedBy(printer, paper);
    if (!paintCalibrationPage(printer, paper, by.first == CalibratedBy::Printer ? by.second : "")) {
        showMessage(window, {"打印失败：无法使用打印机 " + printer.printerName().toStdString(), MessageIcon::Error,
                             "错误："});
        return;
    }
    const std::optional<CalibrationMeasures> measures = askCalibrationMeasures(window, calibratedName(by));
    if (!measures) return;
    const CalibrationReading reading = readCalibration(measures->width, measures->height);
    if (!reading.correction) {
        showMessage(window, {reading.refusal, MessageIcon::Error, "错误："});
        return;
    }
    setPrintCorrectionSetting(by.first, by.second, reading.correction);
    showMessage(window, {calibratedName(by) + " 已校准。\n" + correctionNote(*reading.correction) +
                             "：以后的 1:1 样板按此打印。",
                         MessageIcon::None, ""});
}

}  // namespace

ExportQuestion CalculatorWindow::exportQuestion(bool dxf) const {
    const FormState state = readState();
    ExportQuestion question;
    question.title = dxf ? "导出展开图" : "打印1:1样板";
    question.dxf = dxf;
    question.askThickness = !windowGivesThickness(design_, state);
    question.seamPlaces = design_.seamPlaces;
    question.seamAngle = design_.seamAngle;
    question.branchJoint = design_.branchJoint;
    if (const std::optional<ExportOptions> remembered = exportOptionsSetting(design_.objectName))
        question.preset = *remembered;
    // A seam place this window does not offer (a settings file edited by
    // hand) is dropped; so is an angle that is no number of degrees.
    if (const std::optional<std::string>& seam = question.preset.choices.seam) {
        const bool offered = std::any_of(design_.seamPlaces.begin(), design_.seamPlaces.end(),
                                         [&seam](const SeamPlace& p) { return p.keyword == *seam; });
        const LeadingNumber angle = readLeadingNumber(*seam);
        if (!offered && !(design_.seamAngle && angle.whole && angle.value >= 0 && angle.value <= 360))
            question.preset.choices.seam.reset();
    }
    if (!question.preset.choices.surface) question.preset.choices.surface = exportedPattern(design_, state).developed;
    if (!question.askThickness) question.preset.choices.plateThickness.reset();
    question.sizes = [this, state](const ExportChoices& choices) {
        const PatternExport e = exportedPattern(design_, state, choices);
        return e.rejected() ? refusalText(e.rejection) : developedSizesText(e);
    };
    return question;
}

bool CalculatorWindow::renderOn(QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::NativeFormat || printer.outputFileName().isEmpty())
        printer.setPageOrientation(QPageLayout::Landscape);
    // Drawing at the screen's resolution keeps point-size fonts at the size
    // they have on screen; the output stays vector.
    printer.setResolution(static_cast<int>(screenDpi()));
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSize image = surface_->size();
    if (image.width() > 0 && image.height() > 0) {
        const double scale =
            std::min(1.0, std::min(page.width() / image.width(), page.height() / image.height()));
        painter.scale(scale, scale);
    }
    // Recorded as a picture first: a widget rendered straight onto a scaled
    // painter would be turned into a bitmap, the picture stays lines and text.
    QPicture picture;
    QPainter recorder(&picture);
    surface_->render(&recorder, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    recorder.end();
    painter.drawPicture(0, 0, picture);
    return painter.end();
}

void CalculatorWindow::exportPattern() {
    const std::string failure = "无法保存展开图：";
    try {
        const FormState state = readState();
        const std::optional<ExportOptions> options = askExport(*this, state, true);
        if (!options) return;
        const PatternExport e = exportedPattern(design_, state, options->choices);
        if (e.rejected()) {
            apply(e.rejection);
            return;
        }
        const cad::PatternFileOptions& files = options->files;
        SaveRequest request{shown("保存展开图"), e.fileName, shown("DXF 图形文件 (*.dxf)"),
                            QStringLiteral(".dxf"), failure, SavedFile::Pattern};
        if (files.perPiece)
            request.targets = [&e, &files](const QString& chosen) {
                std::vector<QString> names;
                for (const std::string& path : cad::patternFilePaths(e, QFile::encodeName(chosen).toStdString(), files))
                    names.push_back(QFile::decodeName(QByteArray::fromStdString(path)));
                return names;
            };
        saveWithDialog(this, request, [this, &e, &files](const std::string& path, const std::string& shown) {
            // Written in a moment: pages to count are none, a cancel stops it before it begins.
            runWithProgress(this, "正在保存展开图…", [&](const PageProgress& progress) {
                progress.step(0, 0);
                cad::savePatternDxf(e, path, files);
            });
            if (!files.perPiece) return "展开图已保存到：\n" + shown + "\n\n" + developedSummary(e);
            std::string report = "展开图已按件保存到：";
            for (const std::string& piece : cad::patternFilePaths(e, path, files))
                report += "\n" + QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(piece))).toStdString();
            return report + "\n\n" + developedSummary(e);
        });
    } catch (const std::exception& error) {
        showMessage(this, {failure + "\n" + error.what(), MessageIcon::Error, "错误："});
    }
}

void CalculatorWindow::exportCadDrawing() {
    const std::string failure = "无法保存CAD展开图：";
    try {
        const FormState state = readState();
        // Drawn before the dialog: a drawing no file can hold is refused first.
        const DrawnCad drawn = drawCad(design_.cad, state);
        if (drawn.refusal) {
            apply(*drawn.refusal);
            return;
        }
        saveWithDialog(this, {shown("保存CAD展开图"), design_.cad.fileName(state),
                              shown("DXF 图形文件 (*.dxf)"), QStringLiteral(".dxf"), failure, SavedFile::Cad},
                       [&](const std::string& path, const std::string& shown) {
                           runWithProgress(this, "正在保存CAD展开图…", [&](const PageProgress& progress) {
                               progress.step(0, 0);
                               cad::saveDxf(drawn.app->document(), path);
                           });
                           return "CAD展开图已保存到：\n" + shown;
                       });
    } catch (const std::exception& error) {
        showMessage(this, {failure + "\n" + error.what(), MessageIcon::Error, "错误："});
    }
}

void CalculatorWindow::printTemplate() {
    try {
        const FormState state = readState();
        const std::optional<ExportOptions> options = askExport(*this, state, false);
        if (!options) return;
        const std::optional<TemplateChoice> choice = askTemplateChoice(this, templatePaperSetting());
        if (!choice) return;
        const std::optional<PaperSize> paper = paperSize(choice->paper);
        if (!paper) return;
        setTemplatePaperSetting(paper->name);
        if (choice->calibrate) {
            calibratePrinter(this, *paper);
            return;
        }
        PrintedTemplate t = makeTemplate(design_, state, *paper, options->choices, {}, choice->placing);
        if (t.rejected()) {
            apply(t.rejection);
            return;
        }
        if (choice->printer) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setFullPage(true);
            printer.setDocName(QString::fromStdString(t.pattern.pattern.fitting + " 1:1 样板"));
            if (!askPrinter(this, printer)) return;
            // The tiles are cut for this paper: whatever the dialog offered, the
            // pages go out at this size, unscaled.
            printer.setPageLayout(unscaledLayout(t.tiles));
            printer.setFullPage(true);
            const auto by = calibratedBy(printer, *paper);
            t.correction = printCorrectionSetting(by.first, by.second).value_or(PrintCorrection{});
            if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
                printToFile(this, t, printer.outputFileName());
                return;
            }
            // Painted on the worker (Qt paints a printer from any one thread).
            // A cancel stops before the next page; the pages before it go out
            // unless the platform's print engine can abort its job.
            bool painted = true;
            runWithProgress(this, "正在打印 1:1 样板…", [&t, &printer, &painted](const PageProgress& progress) {
                PageProgress pages = progress;
                pages.abandon = [&printer] { printer.abort(); };
                painted = paintTemplate(t, printer, pages);
            });
            if (!painted)
                showMessage(this, {"打印失败：无法使用打印机 " + printer.printerName().toStdString(),
                                   MessageIcon::Error, "错误："});
            return;
        }
        t.correction = printCorrectionSetting(CalibratedBy::Paper, paper->name).value_or(PrintCorrection{});
        const std::string saved = "1:1 样板（" + paper->name + "，共 " + std::to_string(t.pageCount()) +
                                  (t.correction.none() ? " 页）已保存到：\n"
                                                       : " 页，" + correctionNote(t.correction) + "）已保存到：\n");
        saveWithDialog(this, {shown("保存1:1样板"), t.fileName, shown("PDF 文件 (*.pdf)"),
                              QStringLiteral(".pdf"), "无法保存 1:1 样板：", SavedFile::Template},
                       [this, &t, &saved](const std::string& path, const std::string& shown) {
                           runWithProgress(this, "正在生成 1:1 样板…",
                                           [&t, &path](const PageProgress& progress) { saveTemplatePdf(t, path, progress); });
                           return saved + shown + "\n\n" + developedSummary(t.pattern);
                       });
    } catch (const Cancelled&) {
        // Stopped by the user: nothing went out, nothing to say.
    } catch (const std::exception& error) {
        showMessage(this, {std::string("无法保存 1:1 样板：\n") + error.what(), MessageIcon::Error, "错误："});
    }
}

void CalculatorWindow::calibrate() {
    if (const std::optional<PaperSize> paper = paperSize(templatePaperSetting())) calibratePrinter(this, *paper);
}

bool CalculatorWindow::writePdf(const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return renderOn(printer);
}

void CalculatorWindow::printWindow() {
    if (design_.printing == PrintWay::printerDialog) {
        // The window's image on the printer the user confirms (a PDF file
        // where the dialog offers one).
        QPrinter printer(QPrinter::HighResolution);
        if (!askPrinter(this, printer)) return;
        if (!renderOn(printer)) showMessage(this, {"打印失败：无法使用所选打印机。", MessageIcon::Error, "错误："});
        return;
    }
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull()) {
        if (!askYesNo(this, "没有找到打印机。\n是否把窗口图像保存为 PDF 文件？")) return;
        const QString path = askSavePath(this, shown("保存为 PDF 文件"),
                                         QString::fromStdString(design_.objectName) + ".pdf",
                                         shown("PDF 文件 (*.pdf)"));
        if (path.isEmpty()) return;
        if (QFile::exists(path) &&
            !askYesNo(this, "文件已存在：\n" + path.toStdString() + "\n是否替换？"))
            return;
        if (!writePdf(path))
            showMessage(this, {"无法写入文件：\n" + path.toStdString(), MessageIcon::Error, "错误："});
        return;
    }
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    if (!renderOn(printer))
        showMessage(this, {"打印失败：无法使用打印机 " + printerInfo.printerName().toStdString(),
                           MessageIcon::Error, "错误："});
}

}  // namespace korvel
