#include "core/cad/dimension_graphics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/numbers.h"

namespace korvel::cad {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kAngleTolerance = 1e-9;

Point plus(const Point& p, double dx, double dy) { return {p.x + dx, p.y + dy, p.z}; }
Point along(const Point& a, const Point& b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t};
}

// The text angle that reads from the left or from the bottom: (-90, 90] degrees.
double readableAngle(double radians) {
    double a = std::remainder(radians, 2 * kPi);
    if (a > kPi / 2 + kAngleTolerance) a -= kPi;
    if (a <= -kPi / 2 + kAngleTolerance) a += kPi;
    return a;
}

}  // namespace

std::string measurementText(double value, const DimSettings& settings) {
    const int decimals = std::clamp(settings.whole("DIMDEC"), 0, 8);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, roundHalfEven(value, decimals));
    std::string number = buffer;
    if (number.find('.') != std::string::npos && (settings.whole("DIMZIN") & 8) != 0) {
        number.erase(number.find_last_not_of('0') + 1);
        if (number.back() == '.') number.pop_back();
    }
    const int separator = settings.whole("DIMDSEP");
    if (separator > 0 && separator < 128)
        std::replace(number.begin(), number.end(), '.', static_cast<char>(separator));
    std::string post = settings.text("DIMPOST");
    if (const auto at = post.find("<>"); at != std::string::npos) return post.replace(at, 2, number);
    return number + post;
}

double approximateTextWidth(const std::string& utf8, double height) {
    double width = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        width += length >= 3 ? height : 0.6 * height;
        i += length;
    }
    return width;
}

DimensionGraphics dimensionGraphics(const RotatedDimension& d, const DimSettings& s) {
    const double scale = s.real("DIMSCALE") > 0 ? s.real("DIMSCALE") : 1.0;
    const double textHeight = s.real("DIMTXT") * scale;
    const double arrowSize = s.real("DIMASZ") * scale;
    const double offset = s.real("DIMEXO") * scale;
    const double extension = s.real("DIMEXE") * scale;
    const double gap = s.real("DIMGAP") * scale;
    const double ux = std::cos(d.rotation), uy = std::sin(d.rotation);
    const Point& at = d.dimLineLocation;

    // Feet of the extension points on the dimension line.
    const auto foot = [&](const Point& p) {
        const double t = (p.x - at.x) * ux + (p.y - at.y) * uy;
        return Point{at.x + t * ux, at.y + t * uy, at.z};
    };
    const Point foot1 = foot(d.extLine1), foot2 = foot(d.extLine2);

    DimensionGraphics g;
    g.measurement = std::fabs((d.extLine2.x - d.extLine1.x) * ux + (d.extLine2.y - d.extLine1.y) * uy);
    g.definitionPoint = foot2;

    const int extensionColour = s.whole("DIMCLRE");
    const auto extensionLine = [&](const Point& p, const Point& f) {
        const double dx = f.x - p.x, dy = f.y - p.y, length = std::hypot(dx, dy);
        if (length <= 0 || length + extension <= offset) return;
        const double wx = dx / length, wy = dy / length;
        g.lines.push_back({plus(p, wx * offset, wy * offset), plus(f, wx * extension, wy * extension),
                           extensionColour});
    };
    if (s.whole("DIMSE1") == 0) extensionLine(d.extLine1, foot1);
    if (s.whole("DIMSE2") == 0) extensionLine(d.extLine2, foot2);

    // The text.
    g.text.text = measurementText(g.measurement, s);
    g.text.height = textHeight;
    g.text.rotation = s.whole("DIMTIH") != 0 ? 0.0 : readableAngle(d.rotation);
    g.text.colour = s.whole("DIMCLRT");
    const Point middle = along(foot1, foot2, 0.5);
    const bool centred = s.whole("DIMTAD") == 0;
    const double lift = centred ? 0 : gap + textHeight / 2;
    g.text.middle = plus(middle, -std::sin(g.text.rotation) * lift, std::cos(g.text.rotation) * lift);

    // The dimension line in two halves, broken around a centred text.
    const double length = std::hypot(foot2.x - foot1.x, foot2.y - foot1.y);
    const int lineColour = s.whole("DIMCLRD");
    double cut = 0;
    if (centred && length > 0) cut = (approximateTextWidth(g.text.text, textHeight) / 2 + gap) / length;
    const auto half = [&](double from, double to, const Point& end, double inward) {
        if (to - from > 0) g.lines.push_back({along(foot1, foot2, from), along(foot1, foot2, to), lineColour});
        if (arrowSize <= 0 || length <= 0) return;
        // Back corners a sixth of the arrow's length either side of its axis.
        const double bx = end.x + inward * ux * arrowSize, by = end.y + inward * uy * arrowSize;
        const double w = arrowSize / 6;
        g.arrows.push_back({end, {bx - uy * w, by + ux * w, end.z}, {bx + uy * w, by - ux * w, end.z}, lineColour});
    };
    // Along the rotation foot2 may lie before foot1; the arrows point outwards.
    const double direction = ((foot2.x - foot1.x) * ux + (foot2.y - foot1.y) * uy) >= 0 ? 1 : -1;
    if (s.whole("DIMSD1") == 0) half(0, std::min(0.5, 0.5 - cut), foot1, direction);
    if (s.whole("DIMSD2") == 0) half(std::max(0.5, 0.5 + cut), 1, foot2, -direction);
    return g;
}

}  // namespace korvel::cad
