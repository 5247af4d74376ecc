#include "core/proportional_layout.h"

#include <cmath>
#include <limits>

namespace korvel {
namespace {

using std::int64_t;

// Whole number nearest to x, halves going to the even neighbour. Empty for
// NaN, infinities and magnitudes that do not fit comfortably in 64 bits.
std::optional<int64_t> roundToWhole(double x) {
    if (!std::isfinite(x) || std::fabs(x) >= 9.0e18) return std::nullopt;
    const double below = std::floor(x);
    const double fraction = x - below;
    auto whole = static_cast<int64_t>(below);
    if (fraction > 0.5 || (fraction == 0.5 && whole % 2 != 0)) ++whole;
    return whole;
}

// A getter's value, empty when it has none or throws.
template <typename Getter>
std::optional<double> readSafely(Getter&& getter) noexcept {
    try {
        return getter();
    } catch (...) {
        return std::nullopt;
    }
}

std::optional<int> readIndex(const LayoutControl& control) noexcept {
    try {
        return control.index();
    } catch (...) {
        return std::nullopt;
    }
}

// The recorded form of one geometry value: 0 when it cannot be read; a
// negative horizontal value is shifted up by the offset before rounding.
int64_t recordedValue(std::optional<double> value, bool shiftNegative) {
    if (!value) return 0;
    double x = *value;
    if (shiftNegative && x < 0.0) x += static_cast<double>(ProportionalLayout::kNegativeOffset);
    return roundToWhole(x).value_or(0);
}

// An outer geometry value of the window, 0 when it cannot be read.
int64_t outerValue(const LayoutWindow& window, double (LayoutWindow::*getter)() const) {
    try {
        return roundToWhole((window.*getter)()).value_or(0);
    } catch (...) {
        return 0;
    }
}

// (recorded × factor) \ 100, truncating toward zero; empty on overflow.
std::optional<int64_t> scaled(int64_t recorded, int64_t factor) {
    int64_t product = 0;
    if (__builtin_mul_overflow(recorded, factor, &product)) return std::nullopt;
    return product / 100;
}

bool isNegative(std::optional<double> current) { return current && *current < 0.0; }

}  // namespace

void ProportionalLayout::layOutWindow(LayoutWindow& window) noexcept {
    try {
        const std::vector<LayoutControl*> list = window.controls();
        for (LayoutControl* control : list) {
            if (control == nullptr) continue;
            try {
                layOutControl(window, *control);
            } catch (...) {
                // One control's trouble never stops the others.
            }
        }
    } catch (...) {
    }
}

std::optional<int64_t> ProportionalLayout::horizontalFactor(LayoutWindow& window) {
    return factor(window, true);
}

std::optional<int64_t> ProportionalLayout::verticalFactor(LayoutWindow& window) {
    return factor(window, false);
}

std::optional<int64_t> ProportionalLayout::factor(LayoutWindow& window, bool horizontal) {
    try {
        int number = findWindow(window.name());
        if (number < 0) {
            const std::optional<int> registered = registerWindow(window);
            if (!registered) return std::nullopt;
            number = *registered;
        }
        const LayoutWindowRecord& record = windows_[static_cast<std::size_t>(number)];
        const int64_t reference = horizontal ? record.clientWidth : record.clientHeight;
        const double current = horizontal ? window.clientWidth() : window.clientHeight();
        const std::optional<int64_t> percent = roundToWhole(current * 100.0);
        if (!percent || reference == 0) return std::nullopt;
        if (reference == -1 && *percent == std::numeric_limits<int64_t>::min()) return std::nullopt;
        return *percent / reference;
    } catch (...) {
        return std::nullopt;
    }
}

int ProportionalLayout::findWindow(const std::string& windowName) const {
    for (std::size_t i = 0; i < windows_.size(); ++i) {
        if (windows_[i].windowName == windowName) return static_cast<int>(i);
    }
    return -1;
}

int ProportionalLayout::findControl(const std::string& windowName, const std::string& controlName,
                                    std::optional<int> index) const {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const LayoutControlRecord& record = controls_[i];
        if (record.windowName == windowName && record.controlName == controlName &&
            (!index || record.index == *index)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::optional<int> ProportionalLayout::registerWindow(LayoutWindow& window) {
    LayoutWindowRecord record;
    record.windowName = window.name();
    const std::optional<int64_t> clientHeight = roundToWhole(window.clientHeight());
    const std::optional<int64_t> clientWidth = roundToWhole(window.clientWidth());
    if (!clientHeight || !clientWidth) return std::nullopt;
    record.clientHeight = *clientHeight;
    record.clientWidth = *clientWidth;
    record.top = outerValue(window, &LayoutWindow::top);
    record.left = outerValue(window, &LayoutWindow::left);
    record.height = outerValue(window, &LayoutWindow::height);
    record.width = outerValue(window, &LayoutWindow::width);
    windows_.push_back(record);
    const int number = static_cast<int>(windows_.size()) - 1;

    std::vector<LayoutControl*> list;
    try {
        list = window.controls();
    } catch (...) {
    }
    for (LayoutControl* control : list) {
        if (control == nullptr) continue;
        try {
            if (findControl(record.windowName, control->name(), readIndex(*control)) < 0) {
                registerControl(record.windowName, *control);
            }
        } catch (...) {
        }
    }
    return number;
}

void ProportionalLayout::registerControl(const std::string& windowName, LayoutControl& control) {
    LayoutControlRecord record;
    record.controlName = control.name();
    record.index = readIndex(control).value_or(0);
    record.windowName = windowName;

    bool line = false;
    try {
        line = control.isLine();
    } catch (...) {
    }
    const LayoutControl& c = control;
    if (line) {
        record.first = recordedValue(readSafely([&] { return c.y1(); }), false);
        record.second = recordedValue(readSafely([&] { return c.x1(); }), true);
        record.third = recordedValue(readSafely([&] { return c.y2(); }), false);
        record.fourth = recordedValue(readSafely([&] { return c.x2(); }), true);
    } else {
        record.first = recordedValue(readSafely([&] { return c.top(); }), false);
        record.second = recordedValue(readSafely([&] { return c.left(); }), true);
        record.third = recordedValue(readSafely([&] { return c.height(); }), false);
        record.fourth = recordedValue(readSafely([&] { return c.width(); }), false);
    }
    controls_.push_back(record);

    try {
        control.disableIntegralHeight();
    } catch (...) {
    }
}

void ProportionalLayout::layOutControl(LayoutWindow& window, LayoutControl& control) {
    const std::optional<int64_t> fy = verticalFactor(window);
    const std::optional<int64_t> fx = horizontalFactor(window);
    if (!fy || !fx) return;

    const int number = findControl(window.name(), control.name(), readIndex(control));
    if (number < 0) return;  // created after the window was registered
    const LayoutControlRecord record = controls_[static_cast<std::size_t>(number)];
    const LayoutControl& c = control;

    if (control.isLine()) {
        std::optional<int64_t> x1 = scaled(record.second, *fx);
        const std::optional<int64_t> y1 = scaled(record.first, *fy);
        std::optional<int64_t> x2 = scaled(record.fourth, *fx);
        const std::optional<int64_t> y2 = scaled(record.third, *fy);
        if (!x1 || !y1 || !x2 || !y2) return;
        if (isNegative(readSafely([&] { return c.x1(); }))) *x1 -= kNegativeOffset;
        if (isNegative(readSafely([&] { return c.x2(); }))) *x2 -= kNegativeOffset;
        control.setLine(static_cast<double>(*x1), static_cast<double>(*y1),
                        static_cast<double>(*x2), static_cast<double>(*y2));
        return;
    }

    std::optional<int64_t> left = scaled(record.second, *fx);
    const std::optional<int64_t> top = scaled(record.first, *fy);
    const std::optional<int64_t> width = scaled(record.fourth, *fx);
    const std::optional<int64_t> height = scaled(record.third, *fy);
    if (!left || !top || !width || !height) return;
    if (isNegative(readSafely([&] { return c.left(); }))) *left -= kNegativeOffset;

    const auto l = static_cast<double>(*left);
    const auto t = static_cast<double>(*top);
    const auto w = static_cast<double>(*width);
    const auto h = static_cast<double>(*height);
    // All three are tried, whatever the one before did: a control that refuses
    // a height still gets its width, and one that refuses any size still gets
    // its position.
    try {
        control.move(l, t, w, h);
    } catch (...) {
    }
    try {
        control.move(l, t, w, std::nullopt);
    } catch (...) {
    }
    try {
        control.move(l, t, std::nullopt, std::nullopt);
    } catch (...) {
    }
}

ProportionalLayout& proportionalLayout() {
    static ProportionalLayout instance;
    return instance;
}

}  // namespace korvel
