#pragma once
// A small CAD automation interface: an application with its active document,
// the document's dimension styles and drawing variables, and its model space,
// which receives lines, rotated dimensions, light-weight polylines and texts.
// Drawing code speaks only to this interface; a back end decides where the
// drawing goes (a DXF file, see dxf_document.h).
//
// World coordinates are millimetres, angles radians. Colours are CAD colour
// indices: 0 the containing block's colour, 1 to 255 the palette, 256 the
// layer's colour (what an entity has until its colour is set).

#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace korvel::cad {

struct Point {
    double x = 0, y = 0, z = 0;
    bool operator==(const Point&) const = default;
};

// A drawing variable's value: whole number, real number or text.
using Variable = std::variant<int, double, std::string>;

inline constexpr int kColourByBlock = 0;
inline constexpr int kColourGreen = 3;
inline constexpr int kColourByLayer = 256;

// A call the back end cannot carry out: an unknown drawing variable, a value
// of the wrong kind, a point that is not a finite number.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Entity {
public:
    virtual ~Entity() = default;
    virtual void setColor(int colour) = 0;
    virtual int color() const = 0;
    // Turns the entity about `base` by `radians`, counter-clockwise.
    virtual void rotate(const Point& base, double radians) = 0;
};

class Text : public Entity {
public:
    virtual Point insertionPoint() const = 0;
};

class Document;

class DimStyle {
public:
    virtual ~DimStyle() = default;
    virtual const std::string& name() const = 0;
    // Takes over the document's current dimension variables.
    virtual void copyFrom(const Document& source) = 0;
};

class DimStyles {
public:
    virtual ~DimStyles() = default;
    // A new style holding the document's current dimension variables; the
    // existing one when the name is taken.
    virtual DimStyle& add(const std::string& name) = 0;
};

class ModelSpace {
public:
    virtual ~ModelSpace() = default;
    virtual Entity& addLine(const Point& start, const Point& end) = 0;
    // A linear dimension between the two extension points, measured along
    // `rotation`, its dimension line through `dimLineLocation`. It takes the
    // active dimension style and the document's current dimension variables.
    virtual Entity& addDimRotated(const Point& extLine1, const Point& extLine2, const Point& dimLineLocation,
                                  double rotation) = 0;
    // An open polyline; `xy` holds x and y alternating, two per vertex.
    virtual Entity& addLightWeightPolyline(const std::vector<double>& xy) = 0;
    // A single-line text, `insertion` the left end of its base line.
    virtual Text& addText(const std::string& text, const Point& insertion, double height) = 0;
};

class Document {
public:
    virtual ~Document() = default;
    virtual DimStyles& dimStyles() = 0;
    // Makes the style current; the drawing variables take its values.
    virtual void setActiveDimStyle(DimStyle& style) = 0;
    // Dimension variables by name, case-insensitive ("DimTxt", "DIMTXT").
    virtual void setVariable(const std::string& name, const Variable& value) = 0;
    virtual Variable getVariable(const std::string& name) const = 0;
    virtual ModelSpace& modelSpace() = 0;
};

class Application {
public:
    virtual ~Application() = default;
    virtual void setVisible(bool visible) = 0;
    virtual Document& activeDocument() = 0;
    // The view shows the whole drawing.
    virtual void zoomExtents() = 0;
};

}  // namespace korvel::cad
