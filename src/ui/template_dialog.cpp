#include "ui/template_dialog.h"

#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/tiled_template.h"
#include "ui/calibration_dialog.h"
#include "ui/language.h"

namespace korvel {
namespace {
TemplateChoiceHandler handler;
}

std::optional<TemplateChoice> askTemplateChoice(QWidget* parent, const std::string& preset) {
    if (handler) return handler(preset);
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return std::nullopt;

    QDialog dialog(parent);
    dialog.setWindowTitle(shown("打印1:1样板"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(shown("样板按实际大小分页打印（卷筒纸则打成一长页）。请选择纸张："), &dialog));
    auto* sizes = new QComboBox(&dialog);
    sizes->setObjectName(QStringLiteral("paper"));
    for (const PaperSize& size : paperSizes())
        sizes->addItem(size.roll ? shown("卷筒纸") + QStringLiteral(" %1 mm").arg(size.width) : shown(size.name),
                       QString::fromStdString(size.name));
    selectItem(sizes, preset);
    layout->addWidget(sizes);
    // 自动 first: the orientation and turn of the fewest pages.
    const auto choices = [&dialog, layout](const char* name, const char* label, std::vector<const char*> items) {
        auto* row = new QHBoxLayout;
        row->addWidget(new QLabel(shown(label), &dialog));
        auto* list = new QComboBox(&dialog);
        list->setObjectName(QString::fromLatin1(name));
        for (const char* item : items) list->addItem(shown(item));
        row->addWidget(list, 1);
        layout->addLayout(row);
        return list;
    };
    QComboBox* orientation = choices("orientation", "纸张方向：", {"自动（页数最少）", "纵向", "横向"});
    QComboBox* turn = choices("turn", "图案转向：", {"自动（页数最少）", "不转", "转 90°"});
    const auto rollPicked = [sizes, orientation] {
        const std::optional<PaperSize> paper = paperSize(itemText(sizes));
        orientation->setEnabled(!paper || !paper->roll);
    };
    rollPicked();
    QObject::connect(sizes, &QComboBox::currentIndexChanged, &dialog, rollPicked);
    addCalibrationPanel(dialog, *layout, *sizes);
    auto* buttons = new QHBoxLayout;
    auto* save = new QPushButton(shown("保存为 PDF…"), &dialog);
    auto* print = new QPushButton(shown("打印…"), &dialog);
    auto* calibrate = new QPushButton(shown("打印校准…"), &dialog);
    auto* cancel = new QPushButton(shown("取消"), &dialog);
    save->setDefault(true);
    buttons->addWidget(save);
    buttons->addWidget(print);
    buttons->addWidget(calibrate);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    bool toPrinter = false, calibrating = false;
    QObject::connect(save, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(print, &QPushButton::clicked, &dialog, [&dialog, &toPrinter] {
        toPrinter = true;
        dialog.accept();
    });
    QObject::connect(calibrate, &QPushButton::clicked, &dialog, [&dialog, &calibrating] {
        calibrating = true;
        dialog.accept();
    });
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    TemplateChoice choice{itemText(sizes), toPrinter, {}, calibrating};
    if (orientation->isEnabled() && orientation->currentIndex() > 0) choice.placing.landscape = orientation->currentIndex() == 2;
    if (turn->currentIndex() > 0) choice.placing.turned = turn->currentIndex() == 2;
    return choice;
}

TemplateChoiceHandler setTemplateChoiceHandler(TemplateChoiceHandler replacement) {
    TemplateChoiceHandler previous = std::move(handler);
    handler = std::move(replacement);
    return previous;
}

}  // namespace korvel
