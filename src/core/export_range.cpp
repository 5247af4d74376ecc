#include "core/export_range.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>

#include "core/cad/dimension_graphics.h"
#include "core/checks.h"

namespace korvel {
namespace {

// Finite and no further than kMaxExportCoordinate from 0 (mm).
bool within(std::initializer_list<double> values) {
    for (double v : values)
        if (!(std::fabs(v) <= kMaxExportCoordinate)) return false;
    return true;
}
bool within(const Point2& p) { return within({p.x, p.y}); }
bool within(const cad::Point& p) { return within({p.x, p.y, p.z}); }

// What the window says of a drawing too large to hold: "展开图" or "CAD展开图".
Outcome tooLargeRefusal(const std::string& drawing) {
    return refusal(drawing + "尺寸超出范围（超过 1000000 mm），不能生成" + drawing + "！", "", "");
}

bool pieceWithin(const Piece& piece) {
    const auto lineWithin = [](const Polyline& line) {
        for (const Vertex& v : line.vertices)
            if (!within({v.x, v.y}) || !std::isfinite(v.bulge)) return false;
        return true;
    };
    if (!lineWithin(piece.outline)) return false;
    for (const Polyline& hole : piece.holes)
        if (!lineWithin(hole)) return false;
    for (const MarkLine& m : piece.marks)
        if (!within(m.from) || !within(m.to)) return false;
    for (const StationLabel& l : piece.labels)
        if (!within(l.at)) return false;
    return true;
}

bool dimensionWithin(const cad::DimensionShape& d) {
    const cad::RotatedDimension& r = d.geometry;
    if (!within(r.extLine1) || !within(r.extLine2) || !within(r.dimLineLocation) || !std::isfinite(r.rotation))
        return false;
    // What the dimension draws in its block: its points, its text and the measured value.
    const cad::DimensionGraphics g = cad::dimensionGraphics(r, d.settings);
    if (!within(g.definitionPoint) || !within(g.text.middle) || !within({g.measurement, g.text.height}) ||
        !std::isfinite(g.text.rotation))
        return false;
    for (const cad::DimLine& l : g.lines)
        if (!within(l.start) || !within(l.end)) return false;
    for (const cad::DimArrow& a : g.arrows)
        if (!within(a.tip) || !within(a.back1) || !within(a.back2)) return false;
    return true;
}

bool entityWithin(const cad::Shape& shape) {
    return std::visit(
        [](const auto& s) {
            using T = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<T, cad::LineShape>) {
                return within(s.start) && within(s.end);
            } else if constexpr (std::is_same_v<T, cad::PolylineShape>) {
                for (const cad::Point& p : s.vertices)
                    if (!within(p)) return false;
                return true;
            } else if constexpr (std::is_same_v<T, cad::TextShape>) {
                return within(s.insertion) && within({s.height}) && std::isfinite(s.rotation);
            } else {
                return dimensionWithin(s);
            }
        },
        shape);
}

}  // namespace

std::optional<Outcome> patternRangeRefusal(const FlatPattern& pattern) {
    for (const Piece& piece : pattern.pieces)
        if (!pieceWithin(piece)) return tooLargeRefusal("展开图");
    // A piece of no girth has no area either, nor a ring whose hole takes it all.
    for (const Piece& piece : pattern.pieces)
        if (!(pieceArea(piece) >= kMinPieceArea))
            return refusal("展开图中“" + piece.name + "”的面积为零，不能下料，不能生成展开图！", "", "");
    return std::nullopt;
}

std::optional<Outcome> drawingRangeRefusal(const cad::DxfDocument& document) {
    for (const auto& entity : document.entities())
        if (!entityWithin(entity->shape())) return tooLargeRefusal("CAD展开图");
    // The view and the extents are worked out from these. What is drawn
    // (lines and polylines: the pattern's girth across, its heights up) must
    // span some width and some height, or there is nothing to cut.
    double minX = kMaxExportCoordinate, maxX = -kMaxExportCoordinate;
    double minY = kMaxExportCoordinate, maxY = -kMaxExportCoordinate;
    const auto add = [&](const cad::Point& p) {
        minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    };
    for (const auto& entity : document.entities()) {
        if (const auto* line = std::get_if<cad::LineShape>(&entity->shape())) {
            add(line->start);
            add(line->end);
        } else if (const auto* polyline = std::get_if<cad::PolylineShape>(&entity->shape())) {
            for (const cad::Point& p : polyline->vertices) add(p);
        }
    }
    if (!(maxX - minX >= kMinDrawingSize && maxY - minY >= kMinDrawingSize))
        return refusal("CAD展开图的宽度或高度不到 0.001 mm，不能生成CAD展开图！", "", "");
    return std::nullopt;
}

PatternExport exportedPattern(const WindowDesign& design, const FormState& state, const ExportChoices& choices) {
    PatternExport e = design.pattern(state, choices);
    if (e.rejected()) return e;
    if (const auto refused = patternRangeRefusal(e.pattern)) return refusedExport(*refused);
    return e;
}

DrawnCad drawCad(const CadDrawing& drawing, const FormState& state) {
    DrawnCad drawn;
    if ((drawn.refusal = drawing.check(state))) return drawn;
    auto app = std::make_unique<cad::DxfApplication>();
    drawing.draw(state, *app);
    if ((drawn.refusal = drawingRangeRefusal(app->document()))) return drawn;
    drawn.app = std::move(app);
    return drawn;
}

}  // namespace korvel
