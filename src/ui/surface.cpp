#include "ui/surface.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "ui/twips.h"
#include "ui/language.h"

namespace korvel {
namespace {

QColor toColor(Rgb c) { return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

// Maps surface units to pixels: twips by default, a user frame after ScaleOp.
struct Mapping {
    QSizeF size;
    bool user = false;
    ScaleOp frame;

    QPointF point(double x, double y) const {
        if (!user) return {x / twipsPerPixel(), y / twipsPerPixel()};
        const double w = frame.x2 - frame.x1, h = frame.y2 - frame.y1;
        if (w == 0 || h == 0) return {0, 0};
        return {(x - frame.x1) / w * size.width(), (y - frame.y1) / h * size.height()};
    }
    double xLength(double length) const {
        if (!user) return length / twipsPerPixel();
        const double w = frame.x2 - frame.x1;
        return w == 0 ? 0 : std::abs(length / w * size.width());
    }
    // Pixels back to surface units, vertically and horizontally.
    double unitsY(double px) const {
        if (!user) return px * twipsPerPixel();
        return size.height() == 0 ? 0 : px / size.height() * (frame.y2 - frame.y1);
    }
    double unitsX(double px) const {
        if (!user) return px * twipsPerPixel();
        return size.width() == 0 ? 0 : px / size.width() * (frame.x2 - frame.x1);
    }
    double originX() const { return user ? frame.x1 : 0.0; }
    double originY() const { return user ? frame.y1 : 0.0; }
};

struct Replayer {
    QPainter& painter;
    Mapping map;
    Rgb fore;
    LineStyle style = LineStyle::Solid;
    QFont font;
    double posX = 0, posY = 0;  // print position, surface units

    void pen(std::optional<Rgb> colour) {
        QPen p(toColor(colour.value_or(fore)));
        p.setWidth(0);
        p.setStyle(style == LineStyle::Dashed   ? Qt::DashLine
                   : style == LineStyle::Dotted ? Qt::DotLine
                                                : Qt::SolidLine);
        painter.setPen(p);
        painter.setBrush(Qt::NoBrush);
    }
    void newLine() {
        const QFontMetricsF metrics(font, painter.device());
        posX = map.originX();
        posY += map.unitsY(metrics.height());
    }
    void print(double x, double y, const std::string& text) {
        const QFontMetricsF metrics(font, painter.device());
        painter.setFont(font);
        painter.setPen(toColor(fore));
        const QPointF at = map.point(x, y);
        painter.drawText(QPointF(at.x(), at.y() + metrics.ascent()), shown(text));
    }
    double width(const std::string& text) const {
        const QFontMetricsF metrics(font, painter.device());
        return map.unitsX(metrics.horizontalAdvance(shown(text)));
    }

    void operator()(const ClearOp&) {
        posX = map.originX();
        posY = map.originY();
    }
    void operator()(const ScaleOp& op) {
        map.user = true;
        map.frame = op;
        posX = map.originX();
        posY = map.originY();
    }
    void operator()(const LineOp& op) {
        pen(op.colour);
        painter.drawLine(map.point(op.x1, op.y1), map.point(op.x2, op.y2));
    }
    void operator()(const ArcOp& op) {
        pen(op.colour);
        const QPointF c = map.point(op.cx, op.cy);
        const double r = map.xLength(op.radius);
        const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
        if (!op.start || !op.end) {
            painter.drawEllipse(box);
            return;
        }
        // Counter-clockwise from start to end, within one turn, whatever the
        // angles' size.
        double span = std::fmod(*op.end - *op.start, 2 * M_PI);
        if (span < 0) span += 2 * M_PI;
        const double start = std::fmod(*op.start, 2 * M_PI);
        if (!std::isfinite(span) || !std::isfinite(start)) return;
        const int start16 = static_cast<int>(std::lround(start * 180 / M_PI * 16));
        const int span16 = static_cast<int>(std::lround(span * 180 / M_PI * 16));
        painter.drawArc(box, start16, span16);
    }
    void operator()(const LineStyleOp& op) { style = op.style; }
    void operator()(const ForeColourOp& op) { fore = op.colour; }
    void operator()(const FontOp& op) {
        font = QFont(QString::fromStdString(op.name));
        font.setPointSizeF(op.points > 0 ? op.points : 9);
        // Crisp strokes: the Song face's thin lines smear to grey when smoothed.
        font.setStyleStrategy(QFont::NoAntialias);
    }
    void operator()(const TextOp& op) {
        print(op.x, op.y, op.text);
        posY = op.y;
        newLine();
    }
    void operator()(const TextLineOp& op) {
        const QFontMetricsF metrics(font, painter.device());
        for (const auto& item : op.items) {
            if (item.column > 0)
                posX = map.originX() + map.unitsX(metrics.averageCharWidth() * (item.column - 1));
            print(posX, posY, item.text);
            posX += width(item.text);
        }
        newLine();
    }
};

}  // namespace

void replay(QPainter& painter, const std::vector<Primitive>& primitives, QSizeF size, Rgb foreground) {
    Replayer r{painter, Mapping{size, false, {}}, foreground, LineStyle::Solid, QFont()};
    r(FontOp{});
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const auto& p : primitives) std::visit(r, p);
    painter.restore();
}

std::vector<std::string> printedTexts(const std::vector<Primitive>& primitives) {
    std::vector<std::vector<std::string>> columns;
    for (const auto& p : primitives) {
        const auto* line = std::get_if<TextLineOp>(&p);
        if (line == nullptr) continue;
        if (columns.size() < line->items.size()) columns.resize(line->items.size());
        for (size_t i = 0; i < line->items.size(); ++i)
            if (line->items[i].text.find_first_not_of(' ') != std::string::npos)
                columns[i].push_back(line->items[i].text);
    }
    std::vector<std::string> texts;
    for (const auto& column : columns) texts.insert(texts.end(), column.begin(), column.end());
    return texts;
}

Surface::Surface(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    setColours(background_, foreground_);
}

void Surface::setColours(Rgb background, Rgb foreground) {
    background_ = background;
    foreground_ = foreground;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toColor(background));
    pal.setColor(QPalette::WindowText, toColor(foreground));
    setPalette(pal);
    update();
}

void Surface::add(const Primitive& primitive) {
    if (std::holds_alternative<ClearOp>(primitive)) {
        std::vector<Primitive> kept;
        for (auto& p : primitives_)
            if (std::holds_alternative<ScaleOp>(p) || std::holds_alternative<ForeColourOp>(p) ||
                std::holds_alternative<FontOp>(p) || std::holds_alternative<LineStyleOp>(p))
                kept.push_back(std::move(p));
        primitives_ = std::move(kept);
    } else {
        primitives_.push_back(primitive);
    }
    update();
}

QPointF Surface::toPixels(double x, double y) const {
    Mapping map{QSizeF(size()), false, {}};
    for (const auto& p : primitives_)
        if (const auto* s = std::get_if<ScaleOp>(&p)) {
            map.user = true;
            map.frame = *s;
        }
    return map.point(x, y);
}

void Surface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    replay(painter, primitives_, QSizeF(size()), foreground_);
}

}  // namespace korvel
