#include "ui/calculator_window.h"

// What a window puts on paper and into files: its image printed or saved as
// PDF, its flat pattern as DXF, its CAD drawing, and its 1:1 template.

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
#include "output/dxf_file.h"
#include "output/dxf_writer.h"
#include "output/pattern_dxf.h"
#include "output/template_pdf.h"
#include "ui/export_dialog.h"
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
        saveWithDialog(this, request, [&e, &files](const std::string& path, const std::string& shown) {
            cad::savePatternDxf(e, path, files);
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
                           cad::saveDxf(drawn.app->document(), path);
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
        const PrintedTemplate t = makeTemplate(design_, state, *paper, options->choices, {}, choice->placing);
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
            // (A roll's page is as long as its template.)
            const QSizeF size = t.tiles.paper.roll ? QSizeF(t.tiles.pageWidth, t.tiles.pageHeight)
                                                   : QSizeF(t.tiles.paper.width, t.tiles.paper.height);
            printer.setPageLayout(QPageLayout(QPageSize(size,
                                                        QPageSize::Millimeter, QString::fromStdString(paper->name)),
                                              t.tiles.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                              QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
            printer.setFullPage(true);
            if (!paintTemplate(t, printer))
                showMessage(this, {"打印失败：无法使用打印机 " + printer.printerName().toStdString(),
                                   MessageIcon::Error, "错误："});
            return;
        }
        const std::string saved = "1:1 样板（" + paper->name + "，共 " + std::to_string(t.pageCount()) + " 页）已保存到：\n";
        saveWithDialog(this, {shown("保存1:1样板"), t.fileName, shown("PDF 文件 (*.pdf)"),
                              QStringLiteral(".pdf"), "无法保存 1:1 样板：", SavedFile::Template},
                       [&t, &saved](const std::string& path, const std::string& shown) {
                           saveTemplatePdf(t, path);
                           return saved + shown + "\n\n" + developedSummary(t.pattern);
                       });
    } catch (const std::exception& error) {
        showMessage(this, {std::string("无法保存 1:1 样板：\n") + error.what(), MessageIcon::Error, "错误："});
    }
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
