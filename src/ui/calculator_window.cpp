#include "ui/calculator_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QGuiApplication>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <QTimer>
#include <algorithm>

#include "core/clock_line.h"
#include "ui/job_window.h"
#include "ui/line_control.h"
#include "ui/listing_box.h"
#include "ui/picture.h"
#include "ui/surface.h"
#include "ui/twips.h"
#include "ui/language.h"

namespace korvel {
namespace {

// A caption or unit label stands this far below its row's top and is this tall, twips.
constexpr double kLabelDrop = 30;
constexpr double kLabelHeight = 270;
// A frame ends this far below its last row; frames and listing boxes stand this far apart.
constexpr double kFrameFoot = 90;
constexpr double kFrameGap = 60;

// Keeps a picture at the top-right corner of its parent, `margin` pixels in.
class TopRightAnchor : public QObject {
public:
    TopRightAnchor(QWidget* picture, int margin) : QObject(picture), picture_(picture), margin_(margin) {
        picture->parentWidget()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == picture_->parentWidget() && event->type() == QEvent::Resize)
            picture_->move(picture_->parentWidget()->width() - picture_->width() - margin_, margin_);
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* picture_;
    int margin_;
};

QColor qColour(Rgb colour) { return QColor((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF); }

// A label's text in its own colour. A palette rather than a style sheet: a
// style sheet makes Qt keep a style sheet style with its rule caches for the
// widget and its window (with the elbow's frame title, 590 kB of the heap
// with the seven windows open).
void setTextColour(QWidget* widget, Rgb colour) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, qColour(colour));
    widget->setPalette(pal);
}

// A frame whose title alone is coloured (a palette's text colour would reach
// its controls too). The frame and its controls show the application's own
// colours rather than the panel's, as this frame always has.
class TitleColouredFrame : public QGroupBox {
public:
    TitleColouredFrame(const QString& title, Rgb colour, QWidget* parent)
        : QGroupBox(title, parent), colour_(qColour(colour)) {
        QPalette own = QApplication::palette();
        for (int group = 0; group < QPalette::NColorGroups; ++group)
            for (int role = 0; role < QPalette::NColorRoles; ++role) {
                const auto g = static_cast<QPalette::ColorGroup>(group);
                const auto r = static_cast<QPalette::ColorRole>(role);
                own.setBrush(g, r, own.brush(g, r));  // set, so that the panel's does not show through
            }
        setPalette(own);
    }

protected:
    // The frame as the style draws it; the title where it has always stood:
    // centred in the style's room for it, widened to the text and one space.
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionGroupBox option;
        initStyleOption(&option);
        QRect room = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
        const QSize text(option.fontMetrics.size(Qt::TextShowMnemonic, title() + QLatin1Char(' ')).width(),
                         option.fontMetrics.height());
        room.setSize(room.size().expandedTo(text));
        option.subControls &= ~QStyle::SC_GroupBoxLabel;
        painter.drawComplexControl(QStyle::CC_GroupBox, option);
        QPalette colours = option.palette;
        colours.setColor(QPalette::WindowText, colour_);
        int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
        if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this)) flags |= Qt::TextHideMnemonic;
        painter.drawItemText(room, flags, colours, isEnabled(), title(), QPalette::WindowText);
    }

private:
    QColor colour_;
};

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
    setWindowTitle(shown(design.title));
    surface_ = new Surface(this);
    surface_->setObjectName("surface");
    surface_->setAccessibleName(shown("放样图"));
    surface_->setColours(design.darkSurface ? kBlack : kWhite, design.darkSurface ? kWhite : kBlack);
    setCentralWidget(surface_);
    buildMenu();
    buildPanel();
    resize(toPixels(design.openWidth), toPixels(design.openHeight));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) fitInto(screen->availableGeometry(), kFrameAllowance);
    buildOwnControls();
    connectLists();
    startClock();
}

CalculatorWindow::~CalculatorWindow() = default;

const QMargins kFrameAllowance(4, 32, 4, 4);

QSize openingSize(QSize wanted, const QRect& available, const QMargins& frame) {
    const int width = available.width() - frame.left() - frame.right();
    const int height = available.height() - frame.top() - frame.bottom();
    return {std::max(1, std::min(wanted.width(), width)), std::max(1, std::min(wanted.height(), height))};
}

void CalculatorWindow::fitInto(const QRect& available, const QMargins& frame) {
    resize(openingSize(QSize(toPixels(design_.openWidth), toPixels(design_.openHeight)), available, frame));
}

void CalculatorWindow::buildMenu() {
    for (const auto& command : design_.menu) {
        QAction* action = menuBar()->addAction(shown(command.caption));
        action->setObjectName(QString::fromStdString(command.name));
        actions_[command.name] = action;
        const std::string name = command.name;
        connect(action, &QAction::triggered, this, [this, name] { runCommand(name); });
    }
    // Esc goes back to the main window, as 返回 does.
    auto* back = new QAction(this);
    back->setObjectName("escape");
    back->setShortcut(Qt::Key_Escape);
    back->setShortcutContext(Qt::WindowShortcut);
    addAction(back);
    connect(back, &QAction::triggered, this, [this] { runCommand("返回"); });
    if (design_.pattern) {
        QAction* action = menuBar()->addAction(shown(kExportCaption));
        action->setObjectName(QString::fromUtf8(kExportCommand));
        actions_[kExportCommand] = action;
        connect(action, &QAction::triggered, this, [this] { runCommand(kExportCommand); });
        QAction* print = menuBar()->addAction(shown(kTemplateCaption));
        print->setObjectName(QString::fromUtf8(kTemplateCommand));
        actions_[kTemplateCommand] = print;
        connect(print, &QAction::triggered, this, [this] { runCommand(kTemplateCommand); });
        QAction* job = menuBar()->addAction(shown(kJobCaption));
        job->setObjectName(QString::fromUtf8(kJobCommand));
        actions_[kJobCommand] = job;
        connect(job, &QAction::triggered, this, [this] { runCommand(kJobCommand); });
        QAction* calibration = menuBar()->addAction(shown(kCalibrateCaption));
        calibration->setObjectName(QString::fromUtf8(kCalibrateCommand));
        actions_[kCalibrateCommand] = calibration;
        connect(calibration, &QAction::triggered, this, [this] { runCommand(kCalibrateCommand); });
    }
    if (design_.listingBoxes.empty()) {
        QAction* copy = menuBar()->addAction(shown(kCopyResultsCaption));
        copy->setObjectName(QString::fromUtf8(kCopyResultsCommand));
        actions_[kCopyResultsCommand] = copy;
        connect(copy, &QAction::triggered, this, [this] { runCommand(kCopyResultsCommand); });
        surface_->setContextMenuPolicy(Qt::ActionsContextMenu);
        surface_->addAction(copy);
    }
}

void CalculatorWindow::registerControl(QWidget* widget, const ControlName& name) {
    widget->setObjectName(QString::fromStdString(name.name));
    if (name.index >= 0) widget->setProperty("index", name.index);
    controls_[name.key()] = widget;
}

QLabel* CalculatorWindow::addLabel(QWidget* parent, const ControlName& name, const std::string& text) {
    auto* label = new QLabel(shown(text), parent);
    registerControl(label, name);
    fitToWidth(label);
    return label;
}

void CalculatorWindow::place(QWidget* widget, double left, double top, double width, double height) {
    const QSize natural = widget->sizeHint();
    widget->setGeometry(toPixels(left), toPixels(top), width > 0 ? toPixels(width) : natural.width(),
                        height > 0 ? toPixels(height) : natural.height());
}

void CalculatorWindow::buildPanel() {
    const PanelDesign& panel = design_.panel;
    const PanelGrid& grid = panel.grid;
    frame1_ = new QWidget(surface_);
    registerControl(frame1_, {"Frame1", -1});
    frame1_->setFont(songFont(grid.fontPoints));
    frame1_->setAutoFillBackground(true);
    // Input boxes and lists keep black text on white on either surface.
    QPalette pal = frame1_->palette();
    pal.setColor(QPalette::Text, Qt::black);
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::ButtonText, Qt::black);
    pal.setColor(QPalette::Button, QColor(230, 230, 230));
    frame1_->setPalette(pal);

    // A row's caption, control and unit; a list without a caption and picking
    // an option rather than a number spans the row.
    const auto placeRow = [this, &grid](QWidget* caption, QWidget* control, QWidget* unit, double y, bool spanning) {
        if (caption != nullptr) place(caption, grid.captionLeft, y + kLabelDrop, grid.captionWidth, kLabelHeight);
        if (spanning)
            place(control, grid.captionLeft, y, grid.panelWidth - 2 * grid.captionLeft, grid.boxHeight);
        else
            place(control, grid.boxLeft, y, grid.boxWidth, grid.boxHeight);
        if (unit != nullptr) place(unit, grid.unitLeft, y + kLabelDrop, grid.unitWidth, kLabelHeight);
    };

    // Inputs: caption, box, unit, one row each.
    auto* inputFrame = panel.inputFrameTitleColour
                           ? new TitleColouredFrame(shown(design_.inputFrameCaption), *panel.inputFrameTitleColour, frame1_)
                           : new QGroupBox(shown(design_.inputFrameCaption), frame1_);
    registerControl(inputFrame, {"Frame2", -1});
    double y = grid.firstRow;
    for (const auto& in : design_.inputs) {
        QLabel* caption = addLabel(inputFrame, in.caption, in.captionText);
        auto* box = new QLineEdit(QString::fromStdString(in.preset), inputFrame);
        registerControl(box, in.box);
        if (!in.toolTip.empty()) box->setToolTip(shown(in.toolTip));
        // The caption names its box (to a screen reader too); Enter in a box
        // runs the window's first compute command.
        caption->setBuddy(box);
        box->setAccessibleName(shown(in.captionText));
        connect(box, &QLineEdit::returnPressed, this, [this] {
            for (const MenuCommand& command : design_.menu)
                if (command.run) return runCommand(command.name);
        });
        QLabel* unit = addLabel(inputFrame, in.unitLabel, in.unitText);
        placeRow(caption, box, unit, y, false);
        y += grid.rowPitch;
    }
    place(inputFrame, 0, 0, grid.panelWidth, y + kFrameFoot);
    double panelBottom = y + kFrameFoot;

    // Lists and the rounding choice.
    auto* choiceFrame = new QGroupBox(shown(design_.choiceFrameCaption), frame1_);
    registerControl(choiceFrame, {"Frame3", -1});
    QWidget* choices = panel.oneFrame ? static_cast<QWidget*>(inputFrame) : choiceFrame;
    y = grid.firstRow;
    for (const auto& l : design_.lists) {
        auto* combo = new QComboBox(choices);
        registerControl(combo, l.box);
        for (const auto& item : l.items) combo->addItem(shown(item), QString::fromStdString(item));
        selectItem(combo, l.preset);
        QLabel* caption = l.caption.name.empty() ? nullptr : addLabel(choices, l.caption, l.captionText);
        QLabel* unit = l.unitLabel.name.empty() ? nullptr : addLabel(choices, l.unitLabel, l.unitText);
        placeRow(caption, combo, unit, y, !l.optionValues.empty());
        y += grid.rowPitch;
    }
    whole_ = new QRadioButton(shown("取整数"), choices);
    registerControl(whole_, design_.rounding.whole);
    whole_->setChecked(true);
    place(whole_, grid.wholeLeft, y, grid.roundingWidth, grid.boxHeight);
    decimal_ = new QRadioButton(shown("留小数"), choices);
    registerControl(decimal_, design_.rounding.decimal);
    place(decimal_, grid.decimalLeft, y, grid.roundingWidth, grid.boxHeight);
    y += grid.rowPitch;
    place(choiceFrame, 0, panelBottom + kFrameGap, grid.panelWidth, y + kFrameGap);
    panelBottom += kFrameGap + y + kFrameGap;
    if (panel.oneFrame) choiceFrame->hide();

    // The listing boxes, side by side.
    if (design_.listingBoxes.size() == 2) {
        for (int i = 0; i < 2; ++i) {
            auto* listing = new ListingBox(frame1_);
            registerControl(listing, design_.listingBoxes[static_cast<size_t>(i)]);
            listing->list()->setAccessibleName(i == 0 ? shown("计算结果（左列）") : shown("计算结果（右列）"));
            place(listing, i * grid.panelWidth / 2, panelBottom + kFrameGap, grid.panelWidth / 2, grid.listingHeight);
        }
        panelBottom += kFrameGap + grid.listingHeight;
    }
    place(frame1_, 0, grid.panelTop, grid.panelWidth, panelBottom + kFrameGap);

    for (const auto& [key, at] : panel.places) place(control(key), at.left, at.top, at.width, at.height);

    // The room for the window's own controls under the panel.
    roomTop_ = toTwips(frame1_->height());
    if (panel.room > 0) frame1_->resize(frame1_->width(), toPixels(roomTop_ + panel.room));
}

QWidget* CalculatorWindow::hostOf(Host host, const std::string& group) const {
    switch (host) {
        case Host::room:
            return frame1_;
        case Host::group:
            return control(group);
        case Host::surface:
            break;
    }
    return surface_;
}

double CalculatorWindow::hostTop(Host host) const { return host == Host::room ? roomTop_ : 0; }

void CalculatorWindow::buildOwnControls() {
    for (const auto& g : design_.groups) {
        auto* group = new QGroupBox(shown(g.caption), hostOf(g.host, ""));
        registerControl(group, g.name);
        place(group, g.place.left, hostTop(g.host) + g.place.top, g.place.width, g.place.height);
    }
    for (const auto& c : design_.cornerPictures) {
        auto* picture = new Picture(QString::fromStdString(c.resource), surface_);
        registerControl(picture, c.name);
        picture->resize(c.width, c.height);
        new TopRightAnchor(picture, c.margin);
        picture->lower();
        picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    for (const auto& p : design_.pictures) {
        auto* picture = new Picture(QString::fromStdString(p.resource), hostOf(p.host, ""));
        registerControl(picture, p.name);
        place(picture, p.place.left, hostTop(p.host) + p.place.top, p.place.width, p.place.height);
        picture->setVisible(p.visible);
    }
    for (const auto& l : design_.labels) {
        QLabel* label = addLabel(hostOf(l.host, l.group), l.name, l.text);
        if (l.points > 0) {
            label->setFont(songFont(l.points));
            fitToWidth(label);
        }
        if (l.colour) setTextColour(label, *l.colour);
        if (l.place) place(label, l.place->left, hostTop(l.host) + l.place->top, l.place->width, l.place->height);
        if (!l.visible) label->hide();
    }
    for (const auto& l : design_.lines) {
        auto* line = new LineControl(surface_);
        registerControl(line, l.name);
        line->setColor(qColour(l.colour));
        line->hide();
    }
}

void CalculatorWindow::connectLists() {
    for (const auto& l : design_.lists) {
        if (!l.onChange) continue;
        QComboBox* combo = list(l.box.key());
        if (l.changeSignal == ListSignal::indexChanged) {
            connect(combo, &QComboBox::currentIndexChanged, this, [this, &l] { apply(l.onChange(readState())); });
        } else {
            connect(combo, &QComboBox::textActivated, this, [this, &l](const QString& chosen) {
                FormState state = readState();
                state.texts[l.box.key()] = chosen.toStdString();
                apply(l.onChange(state));
            });
        }
    }
}

void CalculatorWindow::startClock() {
    if (!design_.clock.title) return;
    auto* timer = new QTimer(this);
    timer->setObjectName(QString::fromStdString(design_.clock.timerName));
    timer->setInterval(design_.clock.intervalMs);
    connect(timer, &QTimer::timeout, this, [this] {
        setWindowTitle(shown(design_.clock.title(currentDateTimeLine())));
    });
    timer->start();
}

void CalculatorWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!design_.resizing.followHeight) return;
    const double height = toTwips(frameGeometry().height());
    frame1_->setGeometry(frame1_->x(), frame1_->y(), frame1_->width(), toPixels(height));
    const double listingHeight = height / 10 * design_.resizing.listingTenths;
    for (const auto& name : design_.listingBoxes) {
        QWidget* l = control(name.key());
        l->setGeometry(l->x(), l->y(), l->width(), toPixels(listingHeight));
    }
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

}  // namespace korvel
