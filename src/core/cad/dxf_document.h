#pragma once
// The CAD interface kept in memory, for writing out as a DXF file
// (dxf_writer.h): one document with its dimension styles, its current
// dimension variables, the model space's entities in the order they were
// added and the view that zoomExtents left.

#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/cad/cad.h"
#include "core/cad/dim_variables.h"
#include "core/cad/dimension_graphics.h"

namespace korvel::cad {

struct LineShape {
    Point start, end;
};
// A rotated dimension with the style it was added under and the dimension
// variables that were current then: it keeps that look whatever changes later.
struct DimensionShape {
    RotatedDimension geometry;
    std::string style;
    DimSettings settings;
};
struct PolylineShape {
    std::vector<Point> vertices;
};
struct TextShape {
    std::string text;  // UTF-8
    Point insertion;
    double height = 0;
    double rotation = 0;  // radians
};
using Shape = std::variant<LineShape, DimensionShape, PolylineShape, TextShape>;

class DxfEntity final : public Text {
public:
    explicit DxfEntity(Shape shape) : shape_(std::move(shape)) {}
    void setColor(int colour) override;
    int color() const override { return colour_; }
    void rotate(const Point& base, double radians) override;
    // A text's insertion point; another entity's first point.
    Point insertionPoint() const override;
    const Shape& shape() const { return shape_; }

private:
    Shape shape_;
    int colour_ = kColourByLayer;
};

class DxfDocument;

class DxfDimStyle final : public DimStyle {
public:
    DxfDimStyle(std::string name, DimSettings settings) : name_(std::move(name)), settings_(std::move(settings)) {}
    const std::string& name() const override { return name_; }
    void copyFrom(const Document& source) override;
    const DimSettings& settings() const { return settings_; }

private:
    std::string name_;
    DimSettings settings_;
};

// The smallest box around what the drawing shows.
struct Extents {
    Point min, max;
    bool empty = true;
    void add(const Point& p);
};

// The view of the drawing: its centre and the height and width it shows.
struct View {
    Point centre;
    double height = 0, width = 0;
};

class DxfDocument final : public Document {
public:
    DxfDocument();
    DxfDocument(const DxfDocument&) = delete;
    DxfDocument& operator=(const DxfDocument&) = delete;

    DimStyles& dimStyles() override { return styles_; }
    void setActiveDimStyle(DimStyle& style) override;
    void setVariable(const std::string& name, const Variable& value) override;
    Variable getVariable(const std::string& name) const override;
    ModelSpace& modelSpace() override { return modelSpace_; }

    // Sets the view to the drawing's extents with a small margin.
    void zoomExtents();

    // "Standard" first, then the styles in the order they were added.
    const std::vector<std::unique_ptr<DxfDimStyle>>& styles() const { return styles_.list; }
    const DxfDimStyle* style(const std::string& name) const;
    const std::string& activeStyle() const { return activeStyle_; }
    const DimSettings& variables() const { return variables_; }
    const std::vector<std::unique_ptr<DxfEntity>>& entities() const { return modelSpace_.list; }
    const std::optional<View>& view() const { return view_; }
    Extents extents() const;

private:
    struct Styles final : DimStyles {
        explicit Styles(DxfDocument& document) : document(document) {}
        DimStyle& add(const std::string& name) override;
        DxfDocument& document;
        std::vector<std::unique_ptr<DxfDimStyle>> list;
    };
    struct Space final : ModelSpace {
        explicit Space(DxfDocument& document) : document(document) {}
        Entity& addLine(const Point& start, const Point& end) override;
        Entity& addDimRotated(const Point& extLine1, const Point& extLine2, const Point& dimLineLocation,
                              double rotation) override;
        Entity& addLightWeightPolyline(const std::vector<double>& xy) override;
        Text& addText(const std::string& text, const Point& insertion, double height) override;
        DxfEntity& add(Shape shape);
        DxfDocument& document;
        std::vector<std::unique_ptr<DxfEntity>> list;
    };

    DimSettings variables_;
    Styles styles_{*this};
    Space modelSpace_{*this};
    std::string activeStyle_ = "Standard";
    std::optional<View> view_;
};

class DxfApplication final : public Application {
public:
    void setVisible(bool visible) override { visible_ = visible; }
    bool visible() const { return visible_; }
    Document& activeDocument() override { return document_; }
    const DxfDocument& document() const { return document_; }
    void zoomExtents() override { document_.zoomExtents(); }

private:
    DxfDocument document_;
    bool visible_ = false;
};

}  // namespace korvel::cad
