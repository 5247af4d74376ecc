#include "ui/export_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/numbers.h"
#include "ui/language.h"

namespace korvel {
namespace {

ExportOptionsHandler handler;

constexpr DevelopedSurface kSurfaces[] = {DevelopedSurface::Mean, DevelopedSurface::Outside,
                                          DevelopedSurface::Inside, DevelopedSurface::Typed};

}  // namespace

std::string developedSizesText(const PatternExport& e) {
    if (e.developedSizes.empty()) return "";
    std::string text = "将按以下尺寸展开：";
    for (const std::string& line : e.developedSizes) text += "\n  " + line;
    return text;
}

std::string developedSummary(const PatternExport& e) {
    std::string text = "展开面：" + e.surface;
    for (const std::string& line : e.developedSizes) text += "\n  " + line;
    return text;
}

std::string refusalText(const Outcome& rejection) {
    std::string text;
    for (const auto& effect : rejection.effects)
        if (const auto* message = std::get_if<ShowMessage>(&effect)) text += (text.empty() ? "" : "\n") + message->text;
    return text;
}

ExportDialog::ExportDialog(QWidget* parent, ExportQuestion question) : QDialog(parent), question_(std::move(question)) {
    setWindowTitle(shown(question_.title));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    surface_ = new QComboBox(this);
    surface_->setObjectName(QStringLiteral("surface"));
    for (const DevelopedSurface s : kSurfaces) {
        surface_->addItem(shown(surfaceName(s)), static_cast<int>(s));
        if (question_.preset.choices.surface == s) surface_->setCurrentIndex(surface_->count() - 1);
    }
    form->addRow(shown("展开面："), surface_);
    if (question_.askThickness) {
        thickness_ = new QLineEdit(this);
        thickness_->setObjectName(QStringLiteral("plateThickness"));
        thickness_->setPlaceholderText(shown("未给"));
        if (question_.preset.choices.plateThickness)
            thickness_->setText(QString::fromStdString(numberText(*question_.preset.choices.plateThickness)));
        auto* row = new QHBoxLayout;
        row->addWidget(thickness_);
        row->addWidget(new QLabel(QStringLiteral("mm"), this));
        form->addRow(shown("板厚："), row);
    }
    if (question_.branchJoint) {
        joint_ = new QComboBox(this);
        joint_->setObjectName(QStringLiteral("joint"));
        for (const BranchJoint j : {BranchJoint::SetOn, BranchJoint::SetIn}) {
            joint_->addItem(shown(jointName(j)), static_cast<int>(j));
            if (question_.preset.choices.joint == j) joint_->setCurrentIndex(joint_->count() - 1);
        }
        form->addRow(shown("接头形式："), joint_);
        mainThickness_ = new QLineEdit(this);
        mainThickness_->setObjectName(QStringLiteral("mainThickness"));
        mainThickness_->setPlaceholderText(shown("同支管壁厚"));
        if (question_.preset.choices.mainThickness)
            mainThickness_->setText(QString::fromStdString(numberText(*question_.preset.choices.mainThickness)));
        auto* row = new QHBoxLayout;
        row->addWidget(mainThickness_);
        row->addWidget(new QLabel(QStringLiteral("mm"), this));
        form->addRow(shown("主管壁厚："), row);
    }
    if (!question_.seamPlaces.empty()) {
        seam_ = new QComboBox(this);
        seam_->setObjectName(QStringLiteral("seam"));
        for (const SeamPlace& place : question_.seamPlaces) {
            seam_->addItem(shown(place.name), QString::fromStdString(place.keyword));
            if (question_.preset.choices.seam == place.keyword) seam_->setCurrentIndex(seam_->count() - 1);
        }
        form->addRow(shown("接缝位置："), seam_);
    } else if (question_.seamAngle) {
        seamAngle_ = new QLineEdit(this);
        seamAngle_->setObjectName(QStringLiteral("seamAngle"));
        seamAngle_->setPlaceholderText(shown("原位置"));
        if (question_.preset.choices.seam) seamAngle_->setText(QString::fromStdString(*question_.preset.choices.seam));
        auto* row = new QHBoxLayout;
        row->addWidget(seamAngle_);
        row->addWidget(new QLabel(shown("度（0～360）"), this));
        form->addRow(shown("接缝位置："), row);
    }
    layout->addLayout(form);
    if (question_.dxf) {
        auto* file = new QGroupBox(shown("DXF 文件"), this);
        auto* fileForm = new QFormLayout(file);
        version_ = new QComboBox(file);
        version_->setObjectName(QStringLiteral("dxfVersion"));
        version_->addItem(shown("R2000（AC1015）"), static_cast<int>(cad::DxfVersion::R2000));
        version_->addItem(shown("R12（AC1009）"), static_cast<int>(cad::DxfVersion::R12));
        version_->setCurrentIndex(question_.preset.files.version == cad::DxfVersion::R12 ? 1 : 0);
        fileForm->addRow(shown("DXF 版本："), version_);
        cutOnly_ = new QCheckBox(shown("只导出切割线（CUT 图层）"), file);
        cutOnly_->setObjectName(QStringLiteral("cutOnly"));
        cutOnly_->setChecked(question_.preset.files.cutOnly);
        fileForm->addRow(cutOnly_);
        perPiece_ = new QCheckBox(shown("每件一个文件"), file);
        perPiece_->setObjectName(QStringLiteral("perPiece"));
        perPiece_->setChecked(question_.preset.files.perPiece);
        fileForm->addRow(perPiece_);
        layout->addWidget(file);
    }
    sizes_ = new QLabel(this);
    sizes_->setObjectName(QStringLiteral("sizes"));
    sizes_->setTextFormat(Qt::PlainText);
    sizes_->setWordWrap(true);
    sizes_->setMinimumWidth(420);
    layout->addWidget(sizes_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setText(shown("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(shown("取消"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(surface_, &QComboBox::currentIndexChanged, this, &ExportDialog::update);
    for (QLineEdit* edit : {thickness_, mainThickness_, seamAngle_})
        if (edit != nullptr) connect(edit, &QLineEdit::textChanged, this, &ExportDialog::update);
    for (QComboBox* list : {joint_, seam_})
        if (list != nullptr) connect(list, &QComboBox::currentIndexChanged, this, &ExportDialog::update);
    update();
}

std::optional<ExportOptions> ExportDialog::options() const {
    ExportOptions options = question_.preset;
    options.choices.surface = static_cast<DevelopedSurface>(surface_->currentData().toInt());
    if (thickness_ != nullptr &&
        !readPlateThickness(thickness_->text().toStdString(), options.choices.plateThickness))
        return std::nullopt;
    // The sizes as typed have no walls to build a joint from: the joint's
    // choices are asked only on a surface of the plate.
    const bool joint = *options.choices.surface != DevelopedSurface::Typed;
    options.choices.joint.reset();
    options.choices.mainThickness.reset();
    if (joint_ != nullptr && joint) options.choices.joint = static_cast<BranchJoint>(joint_->currentData().toInt());
    if (mainThickness_ != nullptr && joint &&
        !readPlateThickness(mainThickness_->text().toStdString(), options.choices.mainThickness))
        return std::nullopt;
    if (seam_ != nullptr) options.choices.seam = seam_->currentData().toString().toStdString();
    if (seamAngle_ != nullptr) {
        const std::string angle = seamAngle_->text().trimmed().toStdString();
        if (angle.empty()) options.choices.seam.reset();
        else options.choices.seam = angle;
    }
    if (question_.dxf) {
        options.files.version = static_cast<cad::DxfVersion>(version_->currentData().toInt());
        options.files.cutOnly = cutOnly_->isChecked();
        options.files.perPiece = perPiece_->isChecked();
    }
    return options;
}

void ExportDialog::update() {
    const bool typed = static_cast<DevelopedSurface>(surface_->currentData().toInt()) == DevelopedSurface::Typed;
    for (QWidget* control : {static_cast<QWidget*>(joint_), static_cast<QWidget*>(mainThickness_)})
        if (control != nullptr) control->setEnabled(!typed);
    const std::optional<ExportOptions> chosen = options();
    ok_->setEnabled(chosen.has_value());
    if (!chosen) {
        std::optional<double> ignored;
        const bool plateWrong =
            thickness_ != nullptr && !readPlateThickness(thickness_->text().toStdString(), ignored);
        sizes_->setText(plateWrong ? shown("板厚须为大于 0 的数（单位 mm），或者不填。")
                                   : shown("主管壁厚须为大于 0 的数（单位 mm），或者不填。"));
        return;
    }
    const std::string sizes = question_.sizes ? question_.sizes(chosen->choices) : std::string();
    sizes_->setText(shown(sizes.empty() ? "展开面：" + surfaceName(*chosen->choices.surface) : sizes));
}

std::optional<ExportOptions> askExportOptions(QWidget* parent, const ExportQuestion& question) {
    if (handler) return handler(question);
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return question.preset;
    ExportDialog dialog(parent, question);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.options();
}

ExportOptionsHandler setExportOptionsHandler(ExportOptionsHandler replacement) {
    ExportOptionsHandler previous = std::move(handler);
    handler = std::move(replacement);
    return previous;
}

}  // namespace korvel
