#include "ui/widget_layout.h"

#include <QMainWindow>
#include <QPointer>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>

#include "core/proportional_layout.h"
#include "ui/line_control.h"
#include "ui/twips.h"

namespace korvel {
namespace {

// Twips to pixels, kept inside what a widget geometry can hold; empty for
// values that are not numbers.
std::optional<int> widgetPixels(double twips) {
    if (!std::isfinite(twips)) return std::nullopt;
    const double limit = toTwips(1000000.0);
    return toPixels(std::clamp(twips, -limit, limit));
}

class WidgetControl final : public LayoutControl {
public:
    explicit WidgetControl(QWidget* widget)
        : widget_(widget), line_(qobject_cast<LineControl*>(widget)) {}

    std::string name() const override { return live()->objectName().toStdString(); }

    std::optional<int> index() const override {
        const QVariant value = live()->property("index");
        if (!value.isValid()) return std::nullopt;
        bool ok = false;
        const int index = value.toInt(&ok);
        if (!ok) return std::nullopt;
        return index;
    }

    bool isLine() const override { return line_ != nullptr; }

    std::optional<double> top() const override { return box(toTwips(live()->y())); }
    std::optional<double> left() const override { return box(toTwips(live()->x())); }
    std::optional<double> height() const override { return box(toTwips(live()->height())); }
    std::optional<double> width() const override { return box(toTwips(live()->width())); }

    std::optional<double> x1() const override { return end(line_ ? liveLine()->x1() : 0.0); }
    std::optional<double> y1() const override { return end(line_ ? liveLine()->y1() : 0.0); }
    std::optional<double> x2() const override { return end(line_ ? liveLine()->x2() : 0.0); }
    std::optional<double> y2() const override { return end(line_ ? liveLine()->y2() : 0.0); }

    bool move(double left, double top, std::optional<double> width,
              std::optional<double> height) override {
        if (line_ != nullptr) return false;
        QWidget* widget = live();
        if (height && widget->minimumHeight() == widget->maximumHeight()) return false;
        if ((width && *width < 0.0) || (height && *height < 0.0)) return false;
        const std::optional<int> x = widgetPixels(left);
        const std::optional<int> y = widgetPixels(top);
        const std::optional<int> w = width ? widgetPixels(*width) : widget->width();
        const std::optional<int> h = height ? widgetPixels(*height) : widget->height();
        if (!x || !y || !w || !h) return false;
        widget->setGeometry(*x, *y, *w, *h);
        return true;
    }

    bool setLine(double x1, double y1, double x2, double y2) override {
        if (line_ == nullptr) return false;
        liveLine()->setLine(x1, y1, x2, y2);
        return true;
    }

private:
    // The widget, still alive; a widget deleted meanwhile fails the call.
    QWidget* live() const {
        if (widget_.isNull()) throw std::runtime_error("control deleted");
        return widget_.data();
    }
    LineControl* liveLine() const {
        live();
        return line_;
    }

    // Box values exist for ordinary controls only, end points for lines only.
    std::optional<double> box(double value) const {
        if (line_ != nullptr) return std::nullopt;
        return value;
    }
    std::optional<double> end(double value) const {
        if (line_ == nullptr) return std::nullopt;
        return value;
    }

    QPointer<QWidget> widget_;
    LineControl* line_;
};

class WidgetWindow final : public LayoutWindow {
public:
    explicit WidgetWindow(QWidget* window) : window_(window), client_(window) {
        if (auto* main = qobject_cast<QMainWindow*>(window)) {
            if (QWidget* central = main->centralWidget()) client_ = central;
        }
        for (QObject* child : client_->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (widget == nullptr || widget->isWindow() || widget->objectName().isEmpty()) continue;
            controls_.push_back(std::make_unique<WidgetControl>(widget));
        }
    }

    std::string name() const override { return window_->objectName().toStdString(); }
    double top() const override { return toTwips(window_->frameGeometry().y()); }
    double left() const override { return toTwips(window_->frameGeometry().x()); }
    double height() const override { return toTwips(window_->frameGeometry().height()); }
    double width() const override { return toTwips(window_->frameGeometry().width()); }
    double clientHeight() const override { return toTwips(client_->height()); }
    double clientWidth() const override { return toTwips(client_->width()); }

    std::vector<LayoutControl*> controls() override {
        std::vector<LayoutControl*> list;
        list.reserve(controls_.size());
        for (const auto& control : controls_) list.push_back(control.get());
        return list;
    }

private:
    QWidget* window_;
    QWidget* client_;
    std::vector<std::unique_ptr<WidgetControl>> controls_;
};

}  // namespace

void layOutWidgetWindow(QWidget* window) {
    if (window == nullptr) return;
    try {
        WidgetWindow adapter(window);
        proportionalLayout().layOutWindow(adapter);
    } catch (...) {
        // A failed layout leaves the window as it was.
    }
}

}  // namespace korvel
