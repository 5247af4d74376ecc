#include "ui/calculator_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <exception>

#include "output/dxf_file.h"
#include "output/dxf_writer.h"
#include "output/pattern_dxf.h"
#include "ui/line_control.h"
#include "ui/listing_box.h"
#include "ui/message_boxes.h"
#include "ui/picture.h"
#include "ui/save_dialog.h"
#include "ui/surface.h"
#include "ui/template_dialog.h"
#include "output/template_pdf.h"
#include "ui/twips.h"

namespace korvel {
namespace {

// Panel grid, twips.
constexpr double kCaptionLeft = 120;
constexpr double kCaptionWidth = 2100;
constexpr double kBoxLeft = 2220;
constexpr double kBoxWidth = 1200;
constexpr double kBoxHeight = 330;
constexpr double kUnitLeft = 3480;
constexpr double kUnitWidth = 480;
constexpr double kRowPitch = 450;
constexpr double kFirstRow = 330;
constexpr double kPanelWidth = 4020;
constexpr double kListingHeight = 5600;

}  // namespace

QFont songFont(double points) {
    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(points);
    // The Song face's thin strokes smear to grey when smoothed at panel sizes;
    // drawn crisp they read black, as a Song face is meant to.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

CalculatorWindow::CalculatorWindow(const WindowDesign& design) : design_(design) {
    setObjectName(QString::fromStdString(design.objectName));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromStdString(design.title));
    surface_ = new Surface(this);
    surface_->setObjectName("surface");
    surface_->setColours(design.darkSurface ? kBlack : kWhite, design.darkSurface ? kWhite : kBlack);
    setCentralWidget(surface_);
    buildMenu();
    buildPanel();
    resize(toPixels(design.openWidth), toPixels(design.openHeight));
}

CalculatorWindow::~CalculatorWindow() = default;

void CalculatorWindow::buildMenu() {
    for (const auto& command : design_.menu) {
        QAction* action = menuBar()->addAction(QString::fromStdString(command.caption));
        action->setObjectName(QString::fromStdString(command.name));
        actions_[command.name] = action;
        const std::string name = command.name;
        connect(action, &QAction::triggered, this, [this, name] { runCommand(name); });
    }
    if (design_.pattern) {
        QAction* action = menuBar()->addAction(QString::fromUtf8(kExportCaption));
        action->setObjectName(QString::fromUtf8(kExportCommand));
        actions_[kExportCommand] = action;
        connect(action, &QAction::triggered, this, [this] { runCommand(kExportCommand); });
        QAction* print = menuBar()->addAction(QString::fromUtf8(kTemplateCaption));
        print->setObjectName(QString::fromUtf8(kTemplateCommand));
        actions_[kTemplateCommand] = print;
        connect(print, &QAction::triggered, this, [this] { runCommand(kTemplateCommand); });
    }
}

void CalculatorWindow::registerControl(QWidget* widget, const ControlName& name) {
    widget->setObjectName(QString::fromStdString(name.name));
    if (name.index >= 0) widget->setProperty("index", name.index);
    controls_[name.key()] = widget;
}

QLabel* CalculatorWindow::addLabel(QWidget* parent, const ControlName& name, const std::string& text) {
    auto* label = new QLabel(QString::fromStdString(text), parent);
    registerControl(label, name);
    return label;
}

QWidget* CalculatorWindow::addPicture(QWidget* parent, const ControlName& name, const QString& resource,
                                      double left, double top, double width, double height, bool visible) {
    auto* picture = new Picture(resource, parent);
    registerControl(picture, name);
    place(picture, left, top, width, height);
    picture->setVisible(visible);
    return picture;
}

void CalculatorWindow::place(QWidget* widget, double left, double top, double width, double height) {
    const QSize natural = widget->sizeHint();
    widget->setGeometry(toPixels(left), toPixels(top), width > 0 ? toPixels(width) : natural.width(),
                        height > 0 ? toPixels(height) : natural.height());
}

void CalculatorWindow::buildPanel() {
    frame1_ = new QWidget(surface_);
    registerControl(frame1_, {"Frame1", -1});
    frame1_->setFont(songFont(10.5));
    frame1_->setAutoFillBackground(true);
    // Input boxes and lists keep black text on white on either surface.
    QPalette pal = frame1_->palette();
    pal.setColor(QPalette::Text, Qt::black);
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::ButtonText, Qt::black);
    pal.setColor(QPalette::Button, QColor(230, 230, 230));
    frame1_->setPalette(pal);

    // Inputs: caption, box, unit, one row each.
    inputFrame_ = new QGroupBox(QString::fromStdString(design_.inputFrameCaption), frame1_);
    inputFrame_->setObjectName("Frame2");
    double y = kFirstRow;
    for (const auto& in : design_.inputs) {
        QLabel* caption = addLabel(inputFrame_, in.caption, in.captionText);
        place(caption, kCaptionLeft, y + 30, kCaptionWidth, 270);
        auto* box = new QLineEdit(QString::fromStdString(in.preset), inputFrame_);
        registerControl(box, in.box);
        if (!in.toolTip.empty()) box->setToolTip(QString::fromStdString(in.toolTip));
        place(box, kBoxLeft, y, kBoxWidth, kBoxHeight);
        QLabel* unit = addLabel(inputFrame_, in.unitLabel, in.unitText);
        place(unit, kUnitLeft, y + 30, kUnitWidth, 270);
        y += kRowPitch;
    }
    place(inputFrame_, 0, 0, kPanelWidth, y + 90);
    double panelBottom = y + 90;

    // Lists and the rounding choice.
    choiceFrame_ = new QGroupBox(QString::fromStdString(design_.choiceFrameCaption), frame1_);
    choiceFrame_->setObjectName("Frame3");
    y = kFirstRow;
    for (const auto& l : design_.lists) {
        auto* combo = new QComboBox(choiceFrame_);
        registerControl(combo, l.box);
        for (const auto& item : l.items) combo->addItem(QString::fromStdString(item));
        combo->setCurrentText(QString::fromStdString(l.preset));
        const bool numbers = l.optionValues.empty();
        if (!l.caption.name.empty()) {
            QLabel* caption = addLabel(choiceFrame_, l.caption, l.captionText);
            place(caption, kCaptionLeft, y + 30, kCaptionWidth, 270);
        }
        if (numbers) {
            place(combo, kBoxLeft, y, kBoxWidth, kBoxHeight);
        } else {
            place(combo, kCaptionLeft, y, kPanelWidth - 2 * kCaptionLeft, kBoxHeight);
        }
        if (!l.unitLabel.name.empty()) {
            QLabel* unit = addLabel(choiceFrame_, l.unitLabel, l.unitText);
            place(unit, kUnitLeft, y + 30, kUnitWidth, 270);
        }
        y += kRowPitch;
    }
    whole_ = new QRadioButton(QStringLiteral("取整数"), choiceFrame_);
    registerControl(whole_, design_.rounding.whole);
    whole_->setChecked(true);
    place(whole_, kCaptionLeft, y, 1700, kBoxHeight);
    decimal_ = new QRadioButton(QStringLiteral("留小数"), choiceFrame_);
    registerControl(decimal_, design_.rounding.decimal);
    place(decimal_, kBoxLeft, y, 1700, kBoxHeight);
    y += kRowPitch;
    place(choiceFrame_, 0, panelBottom + 60, kPanelWidth, y + 60);
    panelBottom += 60 + y + 60;

    // The listing boxes, side by side.
    if (design_.listingBoxes.size() == 2) {
        for (int i = 0; i < 2; ++i) {
            auto* listing = new ListingBox(frame1_);
            registerControl(listing, design_.listingBoxes[static_cast<size_t>(i)]);
            place(listing, i * kPanelWidth / 2, panelBottom + 60, kPanelWidth / 2, kListingHeight);
        }
        panelBottom += 60 + kListingHeight;
    }
    place(frame1_, 0, 40, kPanelWidth, panelBottom + 60);
}

QWidget* CalculatorWindow::control(const std::string& key) const {
    const auto it = controls_.find(key);
    return it == controls_.end() ? nullptr : it->second;
}
QLineEdit* CalculatorWindow::box(const std::string& key) const { return qobject_cast<QLineEdit*>(control(key)); }
QComboBox* CalculatorWindow::list(const std::string& key) const { return qobject_cast<QComboBox*>(control(key)); }
QLabel* CalculatorWindow::label(const std::string& key) const { return qobject_cast<QLabel*>(control(key)); }
ListingBox* CalculatorWindow::listing(const std::string& key) const {
    return qobject_cast<ListingBox*>(control(key));
}
QAction* CalculatorWindow::menuAction(const std::string& name) const {
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

FormState CalculatorWindow::readState() const {
    FormState state;
    for (const auto& in : design_.inputs)
        if (QLineEdit* b = box(in.box.key())) state.texts[in.box.key()] = b->text().toStdString();
    for (const auto& l : design_.lists)
        if (QComboBox* c = list(l.box.key())) state.texts[l.box.key()] = c->currentText().toStdString();
    state.decimals = decimal_->isChecked();
    state.digits = state.decimals ? design_.rounding.decimalDigits : 0;
    const QRect outer = frameGeometry();
    state.outerWidth = toTwips(outer.width());
    state.outerHeight = toTwips(outer.height());
    state.memory = memory_;
    return state;
}

void CalculatorWindow::runCommand(const std::string& name) {
    if (handleCommand(name)) return;
    if (name == "打印") {
        printWindow();
        return;
    }
    if (name == "返回" || name == "退出") {
        close();
        return;
    }
    if (name == kExportCommand && design_.pattern) {
        exportPattern();
        return;
    }
    if (name == "cad" && design_.cad.draw) {
        exportCadDrawing();
        return;
    }
    if (name == kTemplateCommand && design_.pattern) {
        printTemplate();
        return;
    }
    const MenuCommand* command = design_.command(name);
    if (command == nullptr || !command->run) return;
    apply(command->run(readState()));
}

void CalculatorWindow::apply(const Outcome& outcome) {
    for (const auto& effect : outcome.effects) {
        std::visit(
            [this](const auto& e) {
                using T = std::decay_t<decltype(e)>;
                if constexpr (std::is_same_v<T, ShowMessage>) {
                    showMessage(this, e);
                } else if constexpr (std::is_same_v<T, SetBoxText>) {
                    if (QLineEdit* b = box(e.key)) b->setText(QString::fromStdString(e.text));
                    else if (QComboBox* c = list(e.key)) c->setCurrentText(QString::fromStdString(e.text));
                } else if constexpr (std::is_same_v<T, FocusBox>) {
                    if (QWidget* w = control(e.key)) w->setFocus();
                } else if constexpr (std::is_same_v<T, ClearListing>) {
                    if (ListingBox* l = listing(e.key)) l->clear();
                } else if constexpr (std::is_same_v<T, SetListingHeading>) {
                    if (ListingBox* l = listing(e.key)) l->setHeading(e.text);
                } else if constexpr (std::is_same_v<T, SetListingColour>) {
                    if (ListingBox* l = listing(e.key)) l->setTextColour(e.colour);
                } else if constexpr (std::is_same_v<T, AddListingLine>) {
                    if (ListingBox* l = listing(e.key)) l->addLine(e.text);
                } else if constexpr (std::is_same_v<T, SetCaption>) {
                    if (QLabel* l = label(e.key)) {
                        l->setText(QString::fromStdString(e.text));
                        l->adjustSize();
                    }
                } else if constexpr (std::is_same_v<T, SetVisible>) {
                    if (QWidget* w = control(e.key)) w->setVisible(e.visible);
                } else if constexpr (std::is_same_v<T, MoveControl>) {
                    if (QWidget* w = control(e.key)) w->move(surface_->toPixels(e.left, e.top).toPoint());
                } else if constexpr (std::is_same_v<T, PlaceLine>) {
                    if (auto* line = qobject_cast<LineControl*>(control(e.key))) line->setLine(e.x1, e.y1, e.x2, e.y2);
                } else if constexpr (std::is_same_v<T, Draw>) {
                    surface_->add(e.primitive);
                }
            },
            effect);
    }
    for (const auto& [key, value] : outcome.memory) memory_[key] = value;
}

void CalculatorWindow::closeEvent(QCloseEvent* event) {
    emit unloading();
    event->accept();
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
        const PatternExport e = design_.pattern(readState());
        if (e.rejected()) {
            apply(e.rejection);
            return;
        }
        saveWithDialog(this, {QStringLiteral("保存展开图"), e.fileName, QStringLiteral("DXF 图形文件 (*.dxf)"),
                              QStringLiteral(".dxf"), failure},
                       [&e](const std::string& path, const std::string& shown) {
                           cad::savePatternDxf(e, path);
                           return "展开图已保存到：\n" + shown;
                       });
    } catch (const std::exception& error) {
        showMessage(this, {failure + "\n" + error.what(), MessageIcon::Error, "错误："});
    }
}

void CalculatorWindow::exportCadDrawing() {
    const std::string failure = "无法保存CAD展开图：";
    try {
        const FormState state = readState();
        if (const auto refusal = design_.cad.check(state)) {
            apply(*refusal);
            return;
        }
        std::optional<Outcome> refused;
        saveWithDialog(this, {QStringLiteral("保存CAD展开图"), design_.cad.fileName(state),
                              QStringLiteral("DXF 图形文件 (*.dxf)"), QStringLiteral(".dxf"), failure},
                       [&](const std::string& path, const std::string& shown) -> std::string {
                           refused = cad::saveCadDrawing(design_.cad, state, path);
                           return refused ? "" : "CAD展开图已保存到：\n" + shown;
                       });
        if (refused) apply(*refused);
    } catch (const std::exception& error) {
        showMessage(this, {failure + "\n" + error.what(), MessageIcon::Error, "错误："});
    }
}

void CalculatorWindow::printTemplate() {
    try {
        const FormState state = readState();
        const PatternExport check = design_.pattern(state);
        if (check.rejected()) {
            apply(check.rejection);
            return;
        }
        const std::optional<TemplateChoice> choice = askTemplateChoice(this, templatePaper_);
        if (!choice) return;
        const std::optional<PaperSize> paper = paperSize(choice->paper);
        if (!paper) return;
        templatePaper_ = paper->name;
        const PrintedTemplate t = makeTemplate(design_, state, *paper);
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
            printer.setPageLayout(QPageLayout(QPageSize(QSizeF(t.tiles.paper.width, t.tiles.paper.height),
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
        saveWithDialog(this, {QStringLiteral("保存1:1样板"), t.fileName, QStringLiteral("PDF 文件 (*.pdf)"),
                              QStringLiteral(".pdf"), "无法保存 1:1 样板："},
                       [&t, &saved](const std::string& path, const std::string& shown) {
                           saveTemplatePdf(t, path);
                           return saved + shown;
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
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull()) {
        if (!askYesNo(this, "没有找到打印机。\n是否把窗口图像保存为 PDF 文件？")) return;
        const QString path = askSavePath(this, QStringLiteral("保存为 PDF 文件"),
                                         QString::fromStdString(design_.objectName) + ".pdf",
                                         QStringLiteral("PDF 文件 (*.pdf)"));
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
