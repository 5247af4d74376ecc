#pragma once
// Proportional layout: a window's controls grow and shrink with its client area.
//
// The first time a window is laid out, its client size and the position and size
// of every control are recorded as the reference. Every later layout scales each
// control from that reference by the ratio of the current client size to the
// recorded one, in whole percent. The reference is never overwritten, so a
// window whose client area shrinks to nothing and grows back returns to exactly
// its reference layout. Records live for the whole run and are matched by name,
// so a window that is closed and opened again reuses them.
//
// Pure C++: no Qt. The toolkit side implements LayoutWindow and LayoutControl.
// All lengths are twips.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korvel {

// What the layout needs of one control.
//
// A getter that cannot deliver its value (the control has no such property)
// returns an empty optional; it may also throw, which counts the same. Either
// way the field stays 0 in the control's record. Every other member may throw
// as well: the layout catches everything and only that control goes without.
class LayoutControl {
public:
    virtual ~LayoutControl() = default;

    virtual std::string name() const = 0;
    // Position within a control array; empty when the control is not in one.
    virtual std::optional<int> index() const { return std::nullopt; }
    // Line controls are described by their end points instead of a box.
    virtual bool isLine() const { return false; }

    // Ordinary controls, relative to the window's client area.
    virtual std::optional<double> top() const { return std::nullopt; }
    virtual std::optional<double> left() const { return std::nullopt; }
    virtual std::optional<double> height() const { return std::nullopt; }
    virtual std::optional<double> width() const { return std::nullopt; }

    // Line controls.
    virtual std::optional<double> x1() const { return std::nullopt; }
    virtual std::optional<double> y1() const { return std::nullopt; }
    virtual std::optional<double> x2() const { return std::nullopt; }
    virtual std::optional<double> y2() const { return std::nullopt; }

    // Moves an ordinary control; an absent width or height keeps the current
    // one. Returns false when the control refuses (a control whose height is
    // fixed by its contents refuses any height, for example).
    virtual bool move(double left, double top, std::optional<double> width,
                      std::optional<double> height) {
        (void)left, (void)top, (void)width, (void)height;
        return false;
    }
    // Places a line control's end points. Returns false when refused.
    virtual bool setLine(double x1, double y1, double x2, double y2) {
        (void)x1, (void)y1, (void)x2, (void)y2;
        return false;
    }
    // Switches off list-box style "whole text lines only" heights, where the
    // control has such a thing.
    virtual void disableIntegralHeight() {}
};

// What the layout needs of one window. Any member may throw.
class LayoutWindow {
public:
    virtual ~LayoutWindow() = default;

    virtual std::string name() const = 0;
    // Outer geometry (recorded for reference, not used for scaling).
    virtual double top() const = 0;
    virtual double left() const = 0;
    virtual double height() const = 0;
    virtual double width() const = 0;
    // Client area: the reference for scaling.
    virtual double clientHeight() const = 0;
    virtual double clientWidth() const = 0;
    // The window's controls in its own order. The pointers are not owned and
    // must stay valid, and the same, for as long as the window object lives.
    virtual std::vector<LayoutControl*> controls() = 0;
};

struct LayoutWindowRecord {
    std::string windowName;
    std::int64_t top = 0;
    std::int64_t left = 0;
    std::int64_t height = 0;
    std::int64_t width = 0;
    std::int64_t clientHeight = 0;
    std::int64_t clientWidth = 0;
};

// One control's reference geometry. For an ordinary control first..fourth are
// top, left, height, width; for a line they are y1, x1, y2, x2. A negative
// left, x1 or x2 is kept as the value plus kNegativeOffset.
struct LayoutControlRecord {
    std::string controlName;
    int index = 0;  // 0 for a control outside any array
    std::string windowName;
    std::int64_t first = 0;
    std::int64_t second = 0;
    std::int64_t third = 0;
    std::int64_t fourth = 0;
};

class ProportionalLayout {
public:
    static constexpr std::int64_t kNegativeOffset = 75000;

    // Lays out every control of the window, in the window's control order,
    // registering the window and its controls on the first call. Never throws;
    // a control that fails in any way is simply left as it is. A recorded client
    // width or height of 0 makes every later call a no-op for that window.
    void layOutWindow(LayoutWindow& window) noexcept;

    // Scale factors in whole percent: the current client width (height) times
    // 100, rounded half to even, divided by the recorded one, truncated toward
    // zero. Registers the window first when it has no record. Empty when the
    // factor cannot be formed (recorded size 0, unreadable or absurd sizes).
    std::optional<std::int64_t> horizontalFactor(LayoutWindow& window);
    std::optional<std::int64_t> verticalFactor(LayoutWindow& window);

    // Record number of the window with that name, or -1.
    int findWindow(const std::string& windowName) const;
    // First control record of the window with that control name whose index
    // equals `index`, or any index when `index` is empty; -1 when none.
    int findControl(const std::string& windowName, const std::string& controlName,
                    std::optional<int> index) const;

    int windowRecordCount() const { return static_cast<int>(windows_.size()); }
    int controlRecordCount() const { return static_cast<int>(controls_.size()); }
    const LayoutWindowRecord& windowRecord(int number) const { return windows_.at(number); }
    const LayoutControlRecord& controlRecord(int number) const { return controls_.at(number); }

private:
    // Empty when the client size cannot be read; nothing is recorded then.
    std::optional<int> registerWindow(LayoutWindow& window);
    void registerControl(const std::string& windowName, LayoutControl& control);
    std::optional<std::int64_t> factor(LayoutWindow& window, bool horizontal);
    void layOutControl(LayoutWindow& window, LayoutControl& control);

    std::vector<LayoutWindowRecord> windows_;
    std::vector<LayoutControlRecord> controls_;
};

// The one instance the program uses.
ProportionalLayout& proportionalLayout();

}  // namespace korvel
