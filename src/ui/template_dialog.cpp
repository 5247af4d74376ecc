#include "ui/template_dialog.h"

#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/tiled_template.h"

namespace korvel {
namespace {
TemplateChoiceHandler handler;
}

std::optional<TemplateChoice> askTemplateChoice(QWidget* parent, const std::string& preset) {
    if (handler) return handler(preset);
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return std::nullopt;

    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("打印1:1样板"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("样板按实际大小分页打印。请选择纸张："), &dialog));
    auto* sizes = new QComboBox(&dialog);
    sizes->setObjectName(QStringLiteral("paper"));
    for (const PaperSize& size : paperSizes()) sizes->addItem(QString::fromStdString(size.name));
    sizes->setCurrentText(QString::fromStdString(preset));
    layout->addWidget(sizes);
    auto* buttons = new QHBoxLayout;
    auto* save = new QPushButton(QStringLiteral("保存为 PDF…"), &dialog);
    auto* print = new QPushButton(QStringLiteral("打印…"), &dialog);
    auto* cancel = new QPushButton(QStringLiteral("取消"), &dialog);
    save->setDefault(true);
    buttons->addWidget(save);
    buttons->addWidget(print);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    bool toPrinter = false;
    QObject::connect(save, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(print, &QPushButton::clicked, &dialog, [&dialog, &toPrinter] {
        toPrinter = true;
        dialog.accept();
    });
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return TemplateChoice{sizes->currentText().toStdString(), toPrinter};
}

TemplateChoiceHandler setTemplateChoiceHandler(TemplateChoiceHandler replacement) {
    TemplateChoiceHandler previous = std::move(handler);
    handler = std::move(replacement);
    return previous;
}

}  // namespace korvel
