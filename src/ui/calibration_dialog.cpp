#include "ui/calibration_dialog.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/print_correction.h"
#include "ui/language.h"
#include "ui/settings.h"

namespace korvel {
namespace {

CalibrationMeasuresHandler handler;

// The kept corrections, one a line: the PDF file on `paper`, then the printers.
std::string keptText(const std::string& paper) {
    const std::optional<PrintCorrection> file = printCorrectionSetting(CalibratedBy::Paper, paper);
    std::string text = "保存为 PDF（" + paper + "）：" + (file ? correctionNote(*file) : "未校准，按 1:1 输出");
    for (const auto& [name, correction] : printerCorrections())
        text += "\n打印机 " + name + "：" + correctionNote(correction);
    return text;
}

}  // namespace

void addCalibrationPanel(QDialog& dialog, QBoxLayout& layout, QComboBox& paper) {
    auto* kept = new QLabel(&dialog);
    kept->setObjectName(QStringLiteral("calibration"));
    auto* clear = new QPushButton(shown("清除校准"), &dialog);
    clear->setObjectName(QStringLiteral("clearCalibration"));
    clear->setAutoDefault(false);
    const auto update = [kept, clear, &paper] {
        const std::string name = itemText(&paper);
        kept->setText(shown(keptText(name)));
        clear->setEnabled(printCorrectionSetting(CalibratedBy::Paper, name) || !printerCorrections().empty());
    };
    update();
    QObject::connect(&paper, &QComboBox::currentIndexChanged, &dialog, update);
    QObject::connect(clear, &QPushButton::clicked, &dialog, [&paper, update] {
        setPrintCorrectionSetting(CalibratedBy::Paper, itemText(&paper), std::nullopt);
        for (const auto& [name, correction] : printerCorrections())
            setPrintCorrectionSetting(CalibratedBy::Printer, name, std::nullopt);
        update();
    });
    auto* row = new QHBoxLayout;
    row->addWidget(kept, 1);
    row->addWidget(clear, 0, Qt::AlignTop);
    layout.addWidget(new QLabel(shown("打印校准（修正打印机的缩放）："), &dialog));
    layout.addLayout(row);
}

std::optional<CalibrationMeasures> askCalibrationMeasures(QWidget* parent, const std::string& target) {
    if (handler) return handler(target);
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return std::nullopt;

    QDialog dialog(parent);
    dialog.setWindowTitle(shown("打印校准"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(shown("校准页已送往" + target + "。\n用钢尺量方框的宽和高，填入量得的尺寸（mm，精确到 0.1）："),
                                 &dialog));
    auto* form = new QFormLayout;
    auto* width = new QLineEdit(QStringLiteral("100.0"), &dialog);
    auto* height = new QLineEdit(QStringLiteral("100.0"), &dialog);
    width->setObjectName(QStringLiteral("width"));
    height->setObjectName(QStringLiteral("height"));
    form->addRow(shown("宽（左右）mm："), width);
    form->addRow(shown("高（上下）mm："), height);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(shown("确定"), QDialogButtonBox::AcceptRole);
    buttons->addButton(shown("取消"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    width->selectAll();
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return CalibrationMeasures{width->text().toStdString(), height->text().toStdString()};
}

CalibrationMeasuresHandler setCalibrationMeasuresHandler(CalibrationMeasuresHandler replacement) {
    CalibrationMeasuresHandler previous = std::move(handler);
    handler = std::move(replacement);
    return previous;
}

}  // namespace korvel
