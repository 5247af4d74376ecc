#include "ui/calculator_window.h"

// Running a menu command: the window's state read from its controls, the
// design's command run on it, and its outcome applied to the controls.

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>

#include "ui/job_window.h"
#include "ui/line_control.h"
#include "ui/listing_box.h"
#include "ui/message_boxes.h"
#include "ui/surface.h"
#include "ui/twips.h"
#include "ui/language.h"

namespace korvel {

FormState CalculatorWindow::readState() const {
    FormState state;
    for (const auto& in : design_.inputs)
        if (QLineEdit* b = box(in.box.key())) state.texts[in.box.key()] = b->text().toStdString();
    for (const auto& l : design_.lists)
        if (QComboBox* c = list(l.box.key())) state.texts[l.box.key()] = itemText(c);
    state.decimals = decimal_->isChecked();
    state.digits = state.decimals ? design_.rounding.decimalDigits : 0;
    const QRect outer = frameGeometry();
    state.outerWidth = toTwips(outer.width());
    state.outerHeight = toTwips(outer.height());
    state.memory = memory_;
    return state;
}

void CalculatorWindow::setInputs(const FormState& state) {
    for (const auto& l : design_.lists)
        if (QComboBox* c = list(l.box.key()); c != nullptr && state.texts.count(l.box.key()) != 0)
            selectItem(c, state.text(l.box.key()));
    for (const auto& in : design_.inputs)
        if (QLineEdit* b = box(in.box.key()); b != nullptr && state.texts.count(in.box.key()) != 0)
            b->setText(QString::fromStdString(state.text(in.box.key())));
    (state.decimals ? decimal_ : whole_)->setChecked(true);
}

void CalculatorWindow::runCommand(const std::string& name) {
    if (name == "打印") {
        printWindow();
        return;
    }
    if (name == kCopyResultsCommand && design_.listingBoxes.empty()) {
        copyResults();
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
    if (name == kJobCommand && design_.pattern) {
        addToJob(*this);
        return;
    }
    if (name == kCalibrateCommand && design_.pattern) {
        calibrate();
        return;
    }
    const MenuCommand* command = design_.command(name);
    if (command == nullptr || !command->run) return;
    apply(command->run(readState()));
    const auto& after = design_.stretch.after;
    if (std::find(after.begin(), after.end(), name) != after.end() && !design_.listingBoxes.empty()) {
        QWidget* left = control(design_.listingBoxes.front().key());
        left->resize(left->width(), static_cast<int>(surface_->height() * design_.stretch.surfaceShare));
    }
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
                    else if (QComboBox* c = list(e.key)) selectItem(c, e.text);
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
                        l->setText(shown(e.text));
                        l->adjustSize();
                        refit(l);
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
    QString description;
    for (const std::string& line : resultLines()) description += QString::fromStdString(line) + '\n';
    surface_->setAccessibleDescription(description);
}

std::vector<std::string> CalculatorWindow::resultLines() const {
    std::vector<std::pair<QPoint, std::string>> captions;
    for (const auto& [key, widget] : controls_) {
        const auto* l = qobject_cast<const QLabel*>(widget);
        if (l == nullptr || !l->text().contains('=') || !l->isVisibleTo(this)) continue;
        captions.emplace_back(l->mapTo(this, QPoint(0, 0)), l->text().toStdString());
    }
    std::sort(captions.begin(), captions.end(), [](const auto& a, const auto& b) {
        return a.first.y() != b.first.y() ? a.first.y() < b.first.y() : a.first.x() < b.first.x();
    });
    std::vector<std::string> lines;
    for (const auto& caption : captions) lines.push_back(caption.second);
    for (const std::string& text : printedTexts(surface_->primitives())) lines.push_back(shown(text).toStdString());
    return lines;
}

void CalculatorWindow::copyResults() const {
    const std::vector<std::string> lines = resultLines();
    if (!lines.empty()) QGuiApplication::clipboard()->setText(QString::fromStdString(copiedListing(lines)));
}

void CalculatorWindow::closeEvent(QCloseEvent* event) {
    emit unloading();
    event->accept();
}

}  // namespace korvel
