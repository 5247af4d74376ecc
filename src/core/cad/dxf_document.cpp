#include "core/cad/dxf_document.h"

#include <algorithm>
#include <cmath>

namespace korvel::cad {
namespace {

// Margin around the extents when zooming, a share of the larger side.
constexpr double kZoomMargin = 0.03;

void requireFinite(std::initializer_list<double> values, const char* what) {
    for (double v : values)
        if (!std::isfinite(v)) throw Error(std::string(what) + ": a coordinate is not a finite number");
}
void requireFinite(const Point& p, const char* what) { requireFinite({p.x, p.y, p.z}, what); }

Point turned(const Point& p, const Point& base, double c, double s) {
    const double dx = p.x - base.x, dy = p.y - base.y;
    return {base.x + dx * c - dy * s, base.y + dx * s + dy * c, p.z};
}

// The four corners of a single-line text box: from `origin` along `rotation`,
// `width` long and `height` high, shifted by (dx, dy) in the text's own frame.
void addTextBox(Extents& e, const Point& origin, double rotation, double width, double height, double dx,
                double dy) {
    const double c = std::cos(rotation), s = std::sin(rotation);
    for (double u : {dx, dx + width})
        for (double v : {dy, dy + height}) e.add({origin.x + u * c - v * s, origin.y + u * s + v * c, origin.z});
}

}  // namespace

void DxfEntity::setColor(int colour) {
    if (colour < 0 || colour > 256) throw Error("colour index " + std::to_string(colour) + " is not 0 to 256");
    colour_ = colour;
}

void DxfEntity::rotate(const Point& base, double radians) {
    requireFinite({base.x, base.y, base.z, radians}, "rotate");
    const double c = std::cos(radians), s = std::sin(radians);
    std::visit(
        [&](auto& shape) {
            using T = std::decay_t<decltype(shape)>;
            if constexpr (std::is_same_v<T, LineShape>) {
                shape.start = turned(shape.start, base, c, s);
                shape.end = turned(shape.end, base, c, s);
            } else if constexpr (std::is_same_v<T, DimensionShape>) {
                RotatedDimension& d = shape.geometry;
                d.extLine1 = turned(d.extLine1, base, c, s);
                d.extLine2 = turned(d.extLine2, base, c, s);
                d.dimLineLocation = turned(d.dimLineLocation, base, c, s);
                d.rotation += radians;
            } else if constexpr (std::is_same_v<T, PolylineShape>) {
                for (Point& p : shape.vertices) p = turned(p, base, c, s);
            } else {
                shape.insertion = turned(shape.insertion, base, c, s);
                shape.rotation += radians;
            }
        },
        shape_);
}

Point DxfEntity::insertionPoint() const {
    return std::visit(
        [](const auto& shape) -> Point {
            using T = std::decay_t<decltype(shape)>;
            if constexpr (std::is_same_v<T, LineShape>) return shape.start;
            else if constexpr (std::is_same_v<T, DimensionShape>) return shape.geometry.extLine1;
            else if constexpr (std::is_same_v<T, PolylineShape>) return shape.vertices.front();
            else return shape.insertion;
        },
        shape_);
}

void DxfDimStyle::copyFrom(const Document& source) {
    for (const auto& v : dimVariables()) settings_.set(v.name, source.getVariable(v.name));
}

void Extents::add(const Point& p) {
    if (empty) {
        min = max = p;
        empty = false;
        return;
    }
    min = {std::min(min.x, p.x), std::min(min.y, p.y), std::min(min.z, p.z)};
    max = {std::max(max.x, p.x), std::max(max.y, p.y), std::max(max.z, p.z)};
}

DxfDocument::DxfDocument() { styles_.list.push_back(std::make_unique<DxfDimStyle>("Standard", variables_)); }

DimStyle& DxfDocument::Styles::add(const std::string& name) {
    if (name.empty()) throw Error("a dimension style needs a name");
    for (auto& s : list)
        if (s->name() == name) return *s;
    list.push_back(std::make_unique<DxfDimStyle>(name, document.variables_));
    return *list.back();
}

const DxfDimStyle* DxfDocument::style(const std::string& name) const {
    for (const auto& s : styles_.list)
        if (s->name() == name) return s.get();
    return nullptr;
}

void DxfDocument::setActiveDimStyle(DimStyle& style) {
    const DxfDimStyle* own = this->style(style.name());
    if (own != &style) throw Error("dimension style " + style.name() + " belongs to another document");
    activeStyle_ = own->name();
    variables_ = own->settings();
}

void DxfDocument::setVariable(const std::string& name, const Variable& value) { variables_.set(name, value); }

Variable DxfDocument::getVariable(const std::string& name) const { return variables_.get(name); }

DxfEntity& DxfDocument::Space::add(Shape shape) {
    list.push_back(std::make_unique<DxfEntity>(std::move(shape)));
    return *list.back();
}

Entity& DxfDocument::Space::addLine(const Point& start, const Point& end) {
    requireFinite(start, "AddLine");
    requireFinite(end, "AddLine");
    return add(LineShape{start, end});
}

Entity& DxfDocument::Space::addDimRotated(const Point& extLine1, const Point& extLine2,
                                          const Point& dimLineLocation, double rotation) {
    for (const Point* p : {&extLine1, &extLine2, &dimLineLocation}) requireFinite(*p, "AddDimRotated");
    requireFinite({rotation}, "AddDimRotated");
    return add(DimensionShape{{extLine1, extLine2, dimLineLocation, rotation}, document.activeStyle_,
                              document.variables_});
}

Entity& DxfDocument::Space::addLightWeightPolyline(const std::vector<double>& xy) {
    if (xy.size() < 4 || xy.size() % 2 != 0)
        throw Error("AddLightWeightPolyline takes x and y of two or more vertices");
    PolylineShape shape;
    for (std::size_t i = 0; i < xy.size(); i += 2) {
        requireFinite({xy[i], xy[i + 1]}, "AddLightWeightPolyline");
        shape.vertices.push_back({xy[i], xy[i + 1], 0});
    }
    return add(std::move(shape));
}

Text& DxfDocument::Space::addText(const std::string& text, const Point& insertion, double height) {
    requireFinite(insertion, "AddText");
    if (!std::isfinite(height) || height <= 0) throw Error("AddText needs a height above 0");
    return add(TextShape{text, insertion, height, 0});
}

Extents DxfDocument::extents() const {
    Extents e;
    for (const auto& entity : entities()) {
        std::visit(
            [&e](const auto& shape) {
                using T = std::decay_t<decltype(shape)>;
                if constexpr (std::is_same_v<T, LineShape>) {
                    e.add(shape.start);
                    e.add(shape.end);
                } else if constexpr (std::is_same_v<T, DimensionShape>) {
                    const DimensionGraphics g = dimensionGraphics(shape.geometry, shape.settings);
                    e.add(shape.geometry.extLine1);
                    e.add(shape.geometry.extLine2);
                    e.add(g.definitionPoint);
                    for (const auto& l : g.lines) e.add(l.start), e.add(l.end);
                    for (const auto& a : g.arrows) e.add(a.tip), e.add(a.back1), e.add(a.back2);
                    const double w = approximateTextWidth(g.text.text, g.text.height);
                    addTextBox(e, g.text.middle, g.text.rotation, w, g.text.height, -w / 2, -g.text.height / 2);
                } else if constexpr (std::is_same_v<T, PolylineShape>) {
                    for (const Point& p : shape.vertices) e.add(p);
                } else {
                    addTextBox(e, shape.insertion, shape.rotation, approximateTextWidth(shape.text, shape.height),
                               shape.height, 0, 0);
                }
            },
            entity->shape());
    }
    return e;
}

void DxfDocument::zoomExtents() {
    const Extents e = extents();
    if (e.empty) {
        view_.reset();
        return;
    }
    const double width = e.max.x - e.min.x, height = e.max.y - e.min.y;
    const double margin = std::max({width, height, 1.0}) * kZoomMargin;
    view_ = View{{(e.min.x + e.max.x) / 2, (e.min.y + e.max.y) / 2, 0}, height + 2 * margin, width + 2 * margin};
}

}  // namespace korvel::cad
