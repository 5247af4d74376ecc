#include "ui/fittings/transition/transition_windows.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "core/fittings/transition/transition_commands.h"
#include "core/fittings/transition/transition_design.h"
#include "ui/surface.h"
#include "ui/twips.h"

namespace korvel {
namespace {

// The panel's grid, twips. The listing's left column starts at text column 23
// (Form9) or 25 (Form8) of the 14.25 pt font, 3135 twips from the left edge:
// the panel, in a 9 pt font, stays left of it.
constexpr double kCaptionLeft = 90;
constexpr double kCaptionWidth = 1680;
constexpr double kBoxLeft = 1800;
constexpr double kBoxWidth = 750;
constexpr double kBoxHeight = 330;
constexpr double kUnitLeft = 2580;
constexpr double kUnitWidth = 360;
constexpr double kRowPitch = 450;
constexpr double kFirstRow = 330;
constexpr double kPanelWidth = 3000;
constexpr double kPanelFontPoints = 9;

}  // namespace

TransitionWindow::TransitionWindow(const WindowDesign& design) : CalculatorWindow(design) { layOutPanel(); }

void TransitionWindow::layOutPanel() {
    frame1()->setFont(songFont(kPanelFontPoints));
    double y = kFirstRow;
    for (const auto& in : design().inputs) {
        place(label(in.caption.key()), kCaptionLeft, y + 30, kCaptionWidth, 270);
        place(box(in.box.key()), kBoxLeft, y, kBoxWidth, kBoxHeight);
        place(label(in.unitLabel.key()), kUnitLeft, y + 30, kUnitWidth, 270);
        y += kRowPitch;
    }
    place(inputFrame(), 0, 0, kPanelWidth, y + 90);
    double bottom = y + 90;

    y = kFirstRow;
    for (const auto& l : design().lists) {
        QComboBox* combo = list(l.box.key());
        if (!l.caption.name.empty()) place(label(l.caption.key()), kCaptionLeft, y + 30, kCaptionWidth, 270);
        if (l.optionValues.empty()) {
            place(combo, kBoxLeft, y, kBoxWidth, kBoxHeight);
        } else {
            place(combo, kCaptionLeft, y, kPanelWidth - 2 * kCaptionLeft, kBoxHeight);
        }
        if (!l.unitLabel.name.empty()) place(label(l.unitLabel.key()), kUnitLeft, y + 30, kUnitWidth, 270);
        y += kRowPitch;
    }
    place(wholeButton(), kCaptionLeft, y, 1300, kBoxHeight);
    place(decimalButton(), kCaptionLeft + 1440, y, 1300, kBoxHeight);
    y += kRowPitch;
    place(choiceFrame(), 0, bottom + 60, kPanelWidth, y + 60);
    bottom += 60 + y + 60;
    place(frame1(), 0, 40, kPanelWidth, bottom + 60);
}

void TransitionWindow::addResultLabels(double firstTop, double headingLeft, double headingTop,
                                       const QString& headingStyle) {
    for (int i = 0; i < 5; ++i) {
        QLabel* result = addLabel(surface(), {"Label1", 15 + i}, "");
        result->setFont(songFont(10.5));
        result->setStyleSheet(QStringLiteral("color: white;"));
        place(result, 120, firstTop + 480 * i, 4200, 330);
    }
    QLabel* heading = addLabel(surface(), {"Label1", 20}, "");
    heading->setFont(songFont(12));
    heading->setStyleSheet(headingStyle);
    place(heading, headingLeft, headingTop, 2400, 360);
}

RoundTopWindow::RoundTopWindow() : TransitionWindow(roundTopDesign()) {
    addPicture(surface(), {"Image1", -1}, QStringLiteral(":/pictures/round_top_sketch.svg"), 0, 7200, 3510, 2385, true);
    addPicture(surface(), {"Image2", -1}, QStringLiteral(":/pictures/round_top_legend.svg"), 4080, 1440, 10665, 6075,
               false);
    addResultLabels(7320, 1680, 6720, QStringLiteral("color: rgb(255, 0, 0);"));
    // Choosing a direction, even the one already shown, starts the offsets over.
    connect(list("Combo2"), &QComboBox::textActivated, this,
            [this](const QString& chosen) { apply(roundTopDirectionChanged(chosen.toStdString())); });
}

RectTopWindow::RectTopWindow() : TransitionWindow(rectTopDesign()) {
    addPicture(surface(), {"Image1", -1}, QStringLiteral(":/pictures/rect_top_legend.svg"), 3600, 2880, 11175, 6180,
               false);
    addPicture(surface(), {"Image2", -1}, QStringLiteral(":/pictures/rect_top_sketch.svg"), 0, 6720, 3285, 2640, true);
    addResultLabels(6960, 1440, 6360, QStringLiteral("color: white;"));
    connect(list("Combo2"), &QComboBox::textActivated, this,
            [this](const QString& chosen) { apply(rectTopDirectionChanged(chosen.toStdString())); });
}

}  // namespace korvel
