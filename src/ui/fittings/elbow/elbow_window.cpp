#include "ui/fittings/elbow/elbow_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QLineEdit>
#include <QRadioButton>
#include <QResizeEvent>
#include <QTimer>

#include "core/clock_line.h"
#include "core/fittings/elbow/elbow_design.h"
#include "ui/listing_box.h"
#include "ui/message_boxes.h"
#include "ui/surface.h"
#include "ui/twips.h"

namespace korvel {

ElbowWindow::ElbowWindow() : CalculatorWindow(elbowDesign()), timer_(new QTimer(this)) {
    // The panel as designed: Frame1 3375 x 4575 at the top-left corner, the
    // group frame filling it from y = 120, rows 480 apart.
    place(frame1(), 0, 0, 3375, 4575);
    QGroupBox* group = inputFrame();
    group->setParent(frame1());
    place(group, 0, 120, 3375, 3240);
    group->setStyleSheet(QStringLiteral("QGroupBox { color: rgb(255, 0, 0); }"));
    choiceFrame()->hide();
    const double rows[] = {360, 840, 1320, 1800};
    for (size_t i = 0; i < 4; ++i) {
        const auto& in = design().inputs[i];
        place(label(in.caption.key()), 120, rows[i] + 30, 1440, 270);
        place(box(in.box.key()), 1560, rows[i], 1095, 330);
        place(label(in.unitLabel.key()), 2760, rows[i] + 30, 500, 270);
    }
    for (const char* key : {"Combo2", "Label1(8)", "Combo1", "Label1(9)", "Option1", "Option2"})
        control(key)->setParent(group);
    place(list("Combo2"), 120, 2280, 1095, 330);
    place(label("Label1(8)"), 1320, 2400 - 60, 300, 270);
    place(list("Combo1"), 1560, 2280, 1000, 330);
    place(label("Label1(9)"), 2640, 2400 - 60, 600, 270);
    place(control("Option1"), 120, 2880, 1500, 300);
    place(control("Option2"), 1680, 2880, 1500, 300);
    for (QWidget* w : group->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) w->show();
    place(listing("Combo3"), 0, 3360, 1695, 1200);
    place(listing("Combo4"), 1680, 3360, 1695, 1200);

    // Result labels on the surface, empty until a pattern is drawn.
    for (int i : {10, 11, 12}) {
        QLabel* result = addLabel(surface(), {"Label1", i}, "");
        result->setFont(songFont(i == 12 ? 24 : 14.25));
        result->setStyleSheet(QStringLiteral("color: black;"));
    }

    timer_->setObjectName("Timer1");
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this,
            [this] { setWindowTitle(clockTitle(currentDateTimeLine())); });
    timer_->start();
}

QString ElbowWindow::clockTitle(const std::string& dateTimeLine) {
    return QStringLiteral("任意角度弯头展开放样程序      ") + QString::fromStdString(dateTimeLine) +
           QString(73, QLatin1Char(' ')) + QStringLiteral("单位: mm");
}

bool ElbowWindow::handleCommand(const std::string& name) {
    if (name == "打印") {
        // The printer dialog, and the window's image on the printer the user
        // confirms (a PDF file where the dialog offers one); cancel prints nothing.
        QPrinter printer(QPrinter::HighResolution);
        if (!askPrinter(this, printer)) return true;
        if (!renderOn(printer))
            showMessage(this, {"打印失败：无法使用所选打印机。", MessageIcon::Error, "错误："});
        return true;
    }
    if (name == "端节" || name == "中节") {
        apply(design().command(name)->run(readState()));
        // The left listing box is made 99 units of the surface's frame tall.
        QWidget* left = listing("Combo3");
        left->resize(left->width(), static_cast<int>(surface()->height() * 0.99));
        return true;
    }
    return false;
}

void ElbowWindow::resizeEvent(QResizeEvent* event) {
    CalculatorWindow::resizeEvent(event);
    // Frame1 as tall as the window; the listing boxes 6.3 tenths of it.
    const double height = toTwips(frameGeometry().height());
    place(frame1(), 0, 0, 3375, height);
    const double listingHeight = height / 10 * 6.3;
    place(listing("Combo3"), 0, 3360, 1695, listingHeight);
    place(listing("Combo4"), 1680, 3360, 1695, listingHeight);
}

}  // namespace korvel
