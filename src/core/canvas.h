#pragma once
// The drawing-surface operations every fitting draws through. Geometry code
// records them as plain data (no Qt); the window's surface and the printer
// replay the list with QPainter, and tests assert on it.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace korvel {

// 24-bit colour, 0xRRGGBB.
using Rgb = std::uint32_t;
constexpr Rgb rgb(int r, int g, int b) {
    return (static_cast<Rgb>(r & 0xFF) << 16) | (static_cast<Rgb>(g & 0xFF) << 8) |
           static_cast<Rgb>(b & 0xFF);
}
inline constexpr Rgb kBlack = rgb(0, 0, 0);
inline constexpr Rgb kWhite = rgb(255, 255, 255);

enum class LineStyle { Solid = 0, Dashed = 1, Dotted = 2 };

// Erase everything; the print position goes to the top-left corner.
struct ClearOp {
    bool operator==(const ClearOp&) const = default;
};
// User coordinates: x1 at the left edge, y1 at the top, x2 at the right, y2 at
// the bottom. Without it the surface draws in twips, y growing downwards.
struct ScaleOp {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const ScaleOp&) const = default;
};
// A straight line in the current line style; without a colour, the fore colour.
struct LineOp {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::optional<Rgb> colour;
    bool operator==(const LineOp&) const = default;
};
// A circle, or the arc from `start` to `end` (radians, counter-clockwise as
// seen on the screen, 0 pointing right) when both are given.
struct ArcOp {
    double cx = 0, cy = 0, radius = 0;
    std::optional<Rgb> colour;
    std::optional<double> start, end;
    bool operator==(const ArcOp&) const = default;
};
struct LineStyleOp {
    LineStyle style = LineStyle::Solid;
    bool operator==(const LineStyleOp&) const = default;
};
struct ForeColourOp {
    Rgb colour = kBlack;
    bool operator==(const ForeColourOp&) const = default;
};
struct FontOp {
    std::string name = "宋体";
    double points = 9;
    bool operator==(const FontOp&) const = default;
};
// Set the print position and print: the text's top-left corner stands at
// (x, y); afterwards the print position is at the left edge, one line lower.
struct TextOp {
    double x = 0, y = 0;
    std::string text;
    bool operator==(const TextOp&) const = default;
};
// One item of a text line: printed at the current position, or first moved to
// text column `column` (counted from 1, in average character widths of the
// current font) when column > 0.
struct TextItem {
    int column = 0;
    std::string text;
    bool operator==(const TextItem&) const = default;
};
// A text line printed from the current print position; afterwards the print
// position is at the left edge, one line lower. An empty line only moves down.
struct TextLineOp {
    std::vector<TextItem> items;
    bool operator==(const TextLineOp&) const = default;
};

using Primitive = std::variant<ClearOp, ScaleOp, LineOp, ArcOp, LineStyleOp, ForeColourOp, FontOp,
                               TextOp, TextLineOp>;

// The canvas interface. Recording is the implementation the geometry uses.
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void add(Primitive primitive) = 0;

    void clear() { add(ClearOp{}); }
    void scale(double x1, double y1, double x2, double y2) { add(ScaleOp{x1, y1, x2, y2}); }
    void line(double x1, double y1, double x2, double y2, std::optional<Rgb> colour = {}) {
        add(LineOp{x1, y1, x2, y2, colour});
    }
    void circle(double cx, double cy, double radius, std::optional<Rgb> colour = {}) {
        add(ArcOp{cx, cy, radius, colour, {}, {}});
    }
    void arc(double cx, double cy, double radius, std::optional<Rgb> colour, double start, double end) {
        add(ArcOp{cx, cy, radius, colour, start, end});
    }
    void lineStyle(LineStyle style) { add(LineStyleOp{style}); }
    void foreColour(Rgb colour) { add(ForeColourOp{colour}); }
    void font(std::string name, double points) { add(FontOp{std::move(name), points}); }
    void text(double x, double y, std::string text) { add(TextOp{x, y, std::move(text)}); }
    void textLine(std::vector<TextItem> items = {}) { add(TextLineOp{std::move(items)}); }
};

class Recording : public Canvas {
public:
    void add(Primitive primitive) override { primitives_.push_back(std::move(primitive)); }
    const std::vector<Primitive>& primitives() const { return primitives_; }
    std::vector<Primitive> take() { return std::move(primitives_); }

private:
    std::vector<Primitive> primitives_;
};

}  // namespace korvel
