#include "core/proportional_layout.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QWidget>
#include <deque>
#include <stdexcept>
#include <string>

#include "ui/widget_layout.h"
#include "ui/line_control.h"
#include "support/windows.h"

namespace korvel {
namespace {

struct Move {
    double left, top;
    std::optional<double> width, height;
};

// A control that remembers its box or its line and how it was moved.
class FakeControl : public LayoutControl {
public:
    FakeControl(std::string name, double left, double top, double width, double height,
                std::optional<int> index = std::nullopt)
        : name_(std::move(name)), index_(index), left_(left), top_(top), width_(width),
          height_(height) {}

    static FakeControl line(std::string name, double x1, double y1, double x2, double y2) {
        FakeControl control(std::move(name), 0, 0, 0, 0);
        control.isLine_ = true;
        control.x1_ = x1, control.y1_ = y1, control.x2_ = x2, control.y2_ = y2;
        return control;
    }

    std::string name() const override { return name_; }
    std::optional<int> index() const override { return index_; }
    bool isLine() const override { return isLine_; }
    std::optional<double> top() const override { return box(top_); }
    std::optional<double> left() const override {
        if (throwOnLeft) throw std::runtime_error("no left");
        return box(left_);
    }
    std::optional<double> height() const override { return box(height_); }
    std::optional<double> width() const override { return box(width_); }
    std::optional<double> x1() const override { return end(x1_); }
    std::optional<double> y1() const override { return end(y1_); }
    std::optional<double> x2() const override { return end(x2_); }
    std::optional<double> y2() const override { return end(y2_); }

    bool move(double left, double top, std::optional<double> width,
              std::optional<double> height) override {
        moves.push_back({left, top, width, height});
        if (throwOnMove) throw std::runtime_error("cannot move");
        if (height && refuseHeight) return false;
        if ((width || height) && refuseSize) return false;
        left_ = left, top_ = top;
        if (width) width_ = *width;
        if (height) height_ = *height;
        return true;
    }
    bool setLine(double x1, double y1, double x2, double y2) override {
        x1_ = x1, y1_ = y1, x2_ = x2, y2_ = y2;
        return true;
    }
    void disableIntegralHeight() override { integralHeightOff = true; }

    double l() const { return left_; }
    double t() const { return top_; }
    double w() const { return width_; }
    double h() const { return height_; }
    double lx1() const { return x1_; }
    double ly1() const { return y1_; }
    double lx2() const { return x2_; }
    double ly2() const { return y2_; }

    bool refuseHeight = false;
    bool refuseSize = false;
    bool throwOnMove = false;
    bool throwOnLeft = false;
    bool integralHeightOff = false;
    std::vector<Move> moves;

private:
    std::optional<double> box(double v) const {
        return isLine_ ? std::nullopt : std::optional<double>(v);
    }
    std::optional<double> end(double v) const {
        return isLine_ ? std::optional<double>(v) : std::nullopt;
    }

    std::string name_;
    std::optional<int> index_;
    bool isLine_ = false;
    double left_, top_, width_, height_;
    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
};

class FakeWindow : public LayoutWindow {
public:
    FakeWindow(std::string name, double clientWidth, double clientHeight)
        : name_(std::move(name)), clientWidth_(clientWidth), clientHeight_(clientHeight) {}

    FakeControl& add(FakeControl control) {
        controls_.push_back(std::move(control));
        return controls_.back();
    }
    void resizeClient(double width, double height) {
        clientWidth_ = width;
        clientHeight_ = height;
    }

    std::string name() const override { return name_; }
    double top() const override { return 120.5; }
    double left() const override { return 240; }
    double height() const override { return clientHeight_ + 600; }
    double width() const override { return clientWidth_ + 120; }
    double clientHeight() const override { return clientHeight_; }
    double clientWidth() const override { return clientWidth_; }
    std::vector<LayoutControl*> controls() override {
        std::vector<LayoutControl*> list;
        for (FakeControl& c : controls_) list.push_back(&c);
        return list;
    }

private:
    std::string name_;
    double clientWidth_, clientHeight_;
    std::deque<FakeControl> controls_;  // stable addresses
};

void expectBox(const FakeControl& c, double left, double top, double width, double height) {
    EXPECT_DOUBLE_EQ(c.l(), left) << c.name();
    EXPECT_DOUBLE_EQ(c.t(), top) << c.name();
    EXPECT_DOUBLE_EQ(c.w(), width) << c.name();
    EXPECT_DOUBLE_EQ(c.h(), height) << c.name();
}

TEST(ProportionalLayout, FirstLayoutRecordsReferenceAndChangesNothing) {
    ProportionalLayout layout;
    FakeWindow window("Form1", 9000, 6000);
    FakeControl& text = window.add(FakeControl("Text1", 120, 240, 3000, 300));
    FakeControl& list = window.add(FakeControl("List1", 332.5, 333.5, 1000, 2000));

    layout.layOutWindow(window);

    ASSERT_EQ(layout.windowRecordCount(), 1);
    const LayoutWindowRecord& w = layout.windowRecord(0);
    EXPECT_EQ(w.windowName, "Form1");
    EXPECT_EQ(w.top, 120);  // 120.5 rounds to the even 120
    EXPECT_EQ(w.left, 240);
    EXPECT_EQ(w.height, 6600);
    EXPECT_EQ(w.width, 9120);
    EXPECT_EQ(w.clientHeight, 6000);
    EXPECT_EQ(w.clientWidth, 9000);

    ASSERT_EQ(layout.controlRecordCount(), 2);
    const LayoutControlRecord& r = layout.controlRecord(1);
    EXPECT_EQ(r.controlName, "List1");
    EXPECT_EQ(r.windowName, "Form1");
    EXPECT_EQ(r.index, 0);
    EXPECT_EQ(r.first, 334);   // top 333.5 -> even 334
    EXPECT_EQ(r.second, 332);  // left 332.5 -> even 332
    EXPECT_EQ(r.third, 2000);
    EXPECT_EQ(r.fourth, 1000);
    EXPECT_TRUE(list.integralHeightOff);

    EXPECT_EQ(layout.horizontalFactor(window), 100);
    EXPECT_EQ(layout.verticalFactor(window), 100);
    expectBox(text, 120, 240, 3000, 300);
    expectBox(list, 332, 334, 1000, 2000);  // placed at the rounded reference

    // A second layout at the same size registers nothing more.
    layout.layOutWindow(window);
    EXPECT_EQ(layout.windowRecordCount(), 1);
    EXPECT_EQ(layout.controlRecordCount(), 2);
}

TEST(ProportionalLayout, ScalesFromReferenceAndTruncates) {
    ProportionalLayout layout;
    FakeWindow window("Form1", 1000, 1000);
    FakeControl& c = window.add(FakeControl("Command1", 333, 101, 333, 201));
    FakeControl& above = window.add(FakeControl("Frame2", 0, -333, 10, 10));
    layout.layOutWindow(window);
    EXPECT_EQ(layout.controlRecord(1).first, -333);  // only horizontal values are shifted

    window.resizeClient(2000, 1000);  // double width
    layout.layOutWindow(window);
    expectBox(c, 666, 101, 666, 201);

    window.resizeClient(1500, 1500);  // 1.5 times: 333 * 150 \ 100 = 499
    layout.layOutWindow(window);
    expectBox(c, 499, 151, 499, 301);
    EXPECT_DOUBLE_EQ(above.t(), -499);  // -499.5 truncated toward zero

    // The factor itself is truncated: 1499.99 * 100 = 149999 -> 149 percent.
    window.resizeClient(1499.99, 1000);
    EXPECT_EQ(layout.horizontalFactor(window), 149);
    layout.layOutWindow(window);
    expectBox(c, 496, 101, 496, 201);
}

TEST(ProportionalLayout, FactorRoundsHalfToEvenBeforeDividing) {
    ProportionalLayout layout;
    FakeWindow window("Tiny", 1, 1);
    window.add(FakeControl("Text1", 0, 0, 0, 0));
    layout.layOutWindow(window);

    window.resizeClient(0.125, 0.375);  // 12.5 -> 12, 37.5 -> 38
    EXPECT_EQ(layout.horizontalFactor(window), 12);
    EXPECT_EQ(layout.verticalFactor(window), 38);
}

TEST(ProportionalLayout, ShrinkingToNothingAndBackRestoresExactReference) {
    ProportionalLayout layout;
    FakeWindow window("Form1", 9135, 6015);
    FakeControl& a = window.add(FakeControl("Text3", 500, 500, 8835, 4812));
    FakeControl& b = window.add(FakeControl("Picture1", 200, 100, 333, 777));
    layout.layOutWindow(window);

    window.resizeClient(0, 0);
    layout.layOutWindow(window);
    expectBox(a, 0, 0, 0, 0);
    expectBox(b, 0, 0, 0, 0);

    window.resizeClient(4567, 3007);  // an odd size on the way back loses nothing
    layout.layOutWindow(window);
    window.resizeClient(9135, 6015);
    layout.layOutWindow(window);
    expectBox(a, 500, 500, 8835, 4812);
    expectBox(b, 200, 100, 333, 777);
}

TEST(ProportionalLayout, NegativeLeftIsStoredWithOffsetAndRestoredWhenStillNegative) {
    ProportionalLayout layout;
    FakeWindow window("Form1", 1000, 1000);
    FakeControl& hidden = window.add(FakeControl("Frame1", -74000, 100, 500, 300));
    FakeControl& line = window.add(FakeControl::line("Line1", -74000, 10, -74500, 20));
    layout.layOutWindow(window);

    EXPECT_EQ(layout.controlRecord(0).second, 1000);
    EXPECT_EQ(layout.controlRecord(1).second, 1000);  // x1
    EXPECT_EQ(layout.controlRecord(1).fourth, 500);   // x2
    EXPECT_DOUBLE_EQ(hidden.l(), -74000);  // first layout puts it back where it was

    window.resizeClient(2000, 1000);
    layout.layOutWindow(window);
    expectBox(hidden, 2000 - 75000, 100, 1000, 300);
    EXPECT_DOUBLE_EQ(line.lx1(), -73000);
    EXPECT_DOUBLE_EQ(line.lx2(), -74000);
    EXPECT_DOUBLE_EQ(line.ly1(), 10);
    EXPECT_DOUBLE_EQ(line.ly2(), 20);
}

TEST(ProportionalLayout, OffsetIsNotTakenOffWhenCurrentValueIsNoLongerNegative) {
    ProportionalLayout layout;
    FakeWindow window("Form1", 1000, 1000);
    FakeControl& c = window.add(FakeControl("Frame1", -74000, 0, 100, 100));
    layout.layOutWindow(window);
    c.move(50, 0, std::nullopt, std::nullopt);  // moved on screen by someone else

    layout.layOutWindow(window);
    EXPECT_DOUBLE_EQ(c.l(), 1000);  // the recorded 1000 as it stands
}

TEST(ProportionalLayout, LineControlsScaleTheirEndPoints) {
    ProportionalLayout layout;
    FakeWindow window("Form1", 1000, 2000);
    FakeControl& line = window.add(FakeControl::line("Line1", 101, 203, 333, 999));
    layout.layOutWindow(window);
    const LayoutControlRecord& r = layout.controlRecord(0);
    EXPECT_EQ(r.first, 203);
    EXPECT_EQ(r.second, 101);
    EXPECT_EQ(r.third, 999);
    EXPECT_EQ(r.fourth, 333);

    window.resizeClient(1500, 1000);
    layout.layOutWindow(window);
    EXPECT_DOUBLE_EQ(line.lx1(), 151);
    EXPECT_DOUBLE_EQ(line.ly1(), 101);
    EXPECT_DOUBLE_EQ(line.lx2(), 499);
    EXPECT_DOUBLE_EQ(line.ly2(), 499);
    EXPECT_TRUE(line.moves.empty());
}

TEST(ProportionalLayout, ArrayControlsAreToldApartByIndex) {
    ProportionalLayout layout;
    FakeWindow window("Form2", 1000, 1000);
    FakeControl& first = window.add(FakeControl("Label1", 100, 100, 200, 200, 0));
    FakeControl& second = window.add(FakeControl("Label1", 700, 300, 250, 150, 1));
    layout.layOutWindow(window);
    ASSERT_EQ(layout.controlRecordCount(), 2);
    EXPECT_EQ(layout.controlRecord(1).index, 1);

    window.resizeClient(2000, 2000);
    layout.layOutWindow(window);
    expectBox(first, 200, 200, 400, 400);
    expectBox(second, 1400, 600, 500, 300);

    EXPECT_EQ(layout.findControl("Form2", "Label1", 1), 1);
    EXPECT_EQ(layout.findControl("Form2", "Label1", 2), -1);
    EXPECT_EQ(layout.findControl("Other", "Label1", 0), -1);
}

TEST(ProportionalLayout, ControlWithoutIndexMatchesRecordWhateverItsIndex) {
    ProportionalLayout layout;
    {
        FakeWindow window("Form3", 1000, 1000);
        window.add(FakeControl("Text1", 300, 400, 500, 600, 3));
        layout.layOutWindow(window);
    }
    EXPECT_EQ(layout.findControl("Form3", "Text1", std::nullopt), 0);

    // The window is opened again with the control outside any array: it reuses
    // the old records and is scaled from them.
    FakeWindow again("Form3", 500, 2000);
    FakeControl& text = again.add(FakeControl("Text1", 1, 1, 1, 1));
    layout.layOutWindow(again);
    EXPECT_EQ(layout.windowRecordCount(), 1);
    EXPECT_EQ(layout.controlRecordCount(), 1);
    expectBox(text, 150, 800, 250, 1200);
}

TEST(ProportionalLayout, AllThreeMovesAreTriedWhateverTheOutcome) {
    ProportionalLayout layout;
    FakeWindow window("Form1", 1000, 1000);
    FakeControl& plain = window.add(FakeControl("Text1", 100, 100, 100, 100));
    FakeControl& combo = window.add(FakeControl("Combo1", 100, 100, 100, 100));
    combo.refuseHeight = true;
    FakeControl& fixed = window.add(FakeControl("Image1", 100, 100, 100, 100));
    fixed.refuseSize = true;
    FakeControl& broken = window.add(FakeControl("Broken", 100, 100, 100, 100));
    broken.throwOnMove = true;
    layout.layOutWindow(window);

    window.resizeClient(2000, 3000);
    for (FakeControl* c : {&plain, &combo, &fixed, &broken}) c->moves.clear();
    layout.layOutWindow(window);

    expectBox(plain, 200, 300, 200, 300);
    expectBox(combo, 200, 300, 200, 100);  // position and width, old height
    expectBox(fixed, 200, 300, 100, 100);  // position only
    for (FakeControl* c : {&plain, &combo, &fixed, &broken}) {
        ASSERT_EQ(c->moves.size(), 3u) << c->name();
        EXPECT_EQ(c->moves[0].height, 300.0);
        EXPECT_EQ(c->moves[0].width, 200.0);
        EXPECT_FALSE(c->moves[1].height.has_value());
        EXPECT_EQ(c->moves[1].width, 200.0);
        EXPECT_FALSE(c->moves[2].width.has_value());
        EXPECT_FALSE(c->moves[2].height.has_value());
        EXPECT_EQ(c->moves[2].left, 200.0);
        EXPECT_EQ(c->moves[2].top, 300.0);
    }
}

TEST(ProportionalLayout, RecordedClientSizeZeroMakesLayoutsHarmlessNoOps) {
    for (const auto& [width, height] : {std::pair{0.0, 1000.0}, {1000.0, 0.0}, {0.4, 0.4}}) {
        ProportionalLayout layout;
        FakeWindow window("Form1", width, height);
        FakeControl& c = window.add(FakeControl("Text1", 100, 100, 100, 100));
        layout.layOutWindow(window);
        EXPECT_EQ(layout.windowRecordCount(), 1);
        EXPECT_TRUE(c.moves.empty());

        window.resizeClient(2000, 2000);
        layout.layOutWindow(window);
        EXPECT_FALSE(layout.horizontalFactor(window).has_value() &&
                     layout.verticalFactor(window).has_value());
        EXPECT_TRUE(c.moves.empty());
        expectBox(c, 100, 100, 100, 100);
    }
}

TEST(ProportionalLayout, FailuresStayWithTheControlThatHasThem) {
    ProportionalLayout layout;
    FakeWindow window("Form1", 1000, 1000);
    FakeControl& noLeft = window.add(FakeControl("Text1", 400, 100, 100, 100));
    noLeft.throwOnLeft = true;  // recorded as 0
    FakeControl& fine = window.add(FakeControl("Text2", 100, 100, 100, 100));
    layout.layOutWindow(window);
    EXPECT_EQ(layout.controlRecord(0).second, 0);

    FakeControl& late = window.add(FakeControl("Text9", 50, 50, 50, 50));  // after registration
    window.resizeClient(2000, 2000);
    layout.layOutWindow(window);
    expectBox(noLeft, 0, 200, 200, 200);
    expectBox(fine, 200, 200, 200, 200);
    expectBox(late, 50, 50, 50, 50);
    EXPECT_TRUE(late.moves.empty());
    EXPECT_EQ(layout.controlRecordCount(), 2);
}

TEST(ProportionalLayout, LargeValuesDoNotOverflow) {
    ProportionalLayout layout;
    FakeWindow window("Form1", 1000, 1000);
    FakeControl& big = window.add(FakeControl("Big", 3e9, 0, 3e9, 100));
    FakeControl& huge = window.add(FakeControl("Huge", 8e18, 0, 100, 100));
    layout.layOutWindow(window);

    window.resizeClient(2000, 1000);
    layout.layOutWindow(window);
    EXPECT_DOUBLE_EQ(big.l(), 6e9);
    EXPECT_DOUBLE_EQ(big.w(), 6e9);
    EXPECT_TRUE(huge.moves.empty());  // 8e18 percent does not fit: left alone
}

// --- Real widgets ------------------------------------------------------------

using WidgetLayout = testing::At96Dpi;

TEST_F(WidgetLayout, ChildWidgetsScaleWithTheWindow) {
    QWidget window;
    window.setObjectName("WidgetLayoutForm");
    window.resize(200, 100);
    auto* button = new QPushButton(&window);
    button->setObjectName("Command1");
    button->setGeometry(10, 20, 40, 30);
    auto* label0 = new QLabel(&window);
    label0->setObjectName("Label1");
    label0->setProperty("index", 0);
    label0->setGeometry(100, 10, 20, 10);
    auto* label1 = new QLabel(&window);
    label1->setObjectName("Label1");
    label1->setProperty("index", 1);
    label1->setGeometry(100, 50, 30, 10);
    auto* fixed = new QWidget(&window);
    fixed->setObjectName("Combo1");
    fixed->setGeometry(20, 60, 50, 20);
    fixed->setFixedHeight(20);
    auto* unnamed = new QWidget(&window);
    unnamed->setGeometry(5, 5, 10, 10);

    layOutWidgetWindow(&window);
    EXPECT_EQ(button->geometry(), QRect(10, 20, 40, 30));
    const ProportionalLayout& layout = proportionalLayout();
    const int windowNumber = layout.findWindow("WidgetLayoutForm");
    ASSERT_GE(windowNumber, 0);
    EXPECT_EQ(layout.windowRecord(windowNumber).clientWidth, 3000);
    EXPECT_EQ(layout.windowRecord(windowNumber).clientHeight, 1500);
    const int buttonNumber = layout.findControl("WidgetLayoutForm", "Command1", std::nullopt);
    ASSERT_GE(buttonNumber, 0);
    EXPECT_EQ(layout.controlRecord(buttonNumber).second, 150);  // 10 px in twips
    EXPECT_EQ(layout.controlRecord(layout.findControl("WidgetLayoutForm", "Label1", 1)).first, 750);

    window.resize(400, 150);
    layOutWidgetWindow(&window);
    EXPECT_EQ(button->geometry(), QRect(20, 30, 80, 45));
    EXPECT_EQ(label0->geometry(), QRect(200, 15, 40, 15));
    EXPECT_EQ(label1->geometry(), QRect(200, 75, 60, 15));
    EXPECT_EQ(fixed->geometry(), QRect(40, 90, 100, 20));  // keeps its fixed height
    EXPECT_EQ(unnamed->geometry(), QRect(5, 5, 10, 10));   // not a control
}

TEST_F(WidgetLayout, MainWindowUsesItsCentralWidget) {
    QMainWindow window;
    window.setObjectName("WidgetLayoutMain");
    auto* central = new QWidget;
    window.setCentralWidget(central);
    window.resize(300, 200);
    central->setGeometry(0, 0, 300, 200);
    auto* text = new QWidget(central);
    text->setObjectName("Text1");
    text->setGeometry(30, 40, 60, 20);

    layOutWidgetWindow(&window);
    central->setGeometry(0, 0, 150, 100);
    layOutWidgetWindow(&window);
    EXPECT_EQ(text->geometry(), QRect(15, 20, 30, 10));
}

TEST_F(WidgetLayout, LineControlScalesByItsEndPoints) {
    QWidget window;
    window.setObjectName("WidgetLayoutLines");
    window.resize(200, 100);
    auto* line = new LineControl(&window);
    line->setObjectName("Line1");
    line->setLine(150, 300, 1500, 750);  // (10,20)-(100,50) px

    EXPECT_EQ(line->geometry(),
              QRect(10 - LineControl::kMargin, 20 - LineControl::kMargin,
                    90 + 2 * LineControl::kMargin + 1, 30 + 2 * LineControl::kMargin + 1));
    EXPECT_TRUE(line->testAttribute(Qt::WA_TransparentForMouseEvents));

    layOutWidgetWindow(&window);
    window.resize(400, 50);
    layOutWidgetWindow(&window);
    EXPECT_DOUBLE_EQ(line->x1(), 300);
    EXPECT_DOUBLE_EQ(line->y1(), 150);
    EXPECT_DOUBLE_EQ(line->x2(), 3000);
    EXPECT_DOUBLE_EQ(line->y2(), 375);
    EXPECT_EQ(line->geometry().topLeft(), QPoint(20 - LineControl::kMargin, 10 - LineControl::kMargin));
}

TEST_F(WidgetLayout, LineControlRendersItsLine) {
    QWidget window;
    window.resize(100, 100);
    auto* line = new LineControl(&window);
    line->setColor(Qt::red);
    line->setLine(150, 150, 1200, 150);  // (10,10)-(80,10) px, horizontal

    const QImage image = window.grab().toImage();
    EXPECT_EQ(image.pixelColor(40, 10), QColor(Qt::red));
    EXPECT_NE(image.pixelColor(40, 12), QColor(Qt::red));
}

}  // namespace
}  // namespace korvel
