#include "output/plate_files.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <dxflib/dl_dxf.h>
#include <dxflib/dl_writer_ascii.h>

#include "core/cut_list.h"
#include "output/dxf_file.h"
#include "output/dxf_number.h"
#include "output/dxf_style.h"
#include "output/dxf_text.h"
#include "output/pattern_dxf.h"

namespace korvel::cad {
namespace {

// A text as it lies on the plate: its middle, its height and its turn
// (degrees, counter-clockwise).
struct LaidText {
    std::string text;
    Point2 middle;
    double height = 0;
    double angle = 0;
};

// A part as it lies on the plate, its name at the middle of its bounding
// rectangle as high as the pattern sheet's names, and the figures marked on it.
struct LaidPart {
    Piece piece;
    LaidText name;
    std::vector<LaidText> markings;
};

// The turn of a text along a part turned `radians`, in degrees from -90
// (exclusive) to 90: a part turned upside down keeps its texts reading left
// to right or upwards, each in the box it would take unturned.
double legibleAngle(double radians) {
    double degrees = std::fmod(radians * 180 / std::numbers::pi, 360.0);
    if (degrees < 0) degrees += 360;
    if (degrees > 90 + 1e-9 && degrees <= 270 + 1e-9) degrees -= 180;
    return degrees > 270 ? degrees - 360 : degrees;
}

// The part's marking figures (StationLabel::marking), as the pattern sheet
// sets them: half its name's height, thinned by legibleLabels, the base line
// a fifth of that up and right of the label's point; each written by its
// middle so that a text turned half round stays in its box.
std::vector<LaidText> laidMarkings(const NestPart& part, const Placement& at, double nameHeight) {
    std::vector<StationLabel> marking;
    for (const StationLabel& label : part.piece.labels)
        if (label.marking) marking.push_back(label);
    const double h = nameHeight / 2;
    std::vector<LaidText> laid;
    for (const StationLabel& label : legibleLabels(marking, h)) {
        const Point2 middle{label.at.x + 0.2 * h + estimatedTextWidth(label.text, h) / 2, label.at.y + 0.7 * h};
        laid.push_back({label.text, placedRing({middle}, at).front(), h, legibleAngle(at.angle)});
    }
    return laid;
}

std::vector<LaidPart> laidParts(const std::vector<NestPart>& parts, const NestedPlate& nested) {
    std::vector<LaidPart> laid;
    for (const Placement& at : nested.parts) {
        const NestPart& part = parts[at.part];
        LaidPart one{placedPiece(part, at), {part.name, {}, 0, 0}, {}};
        const Extent e = outlineExtent(one.piece.outline);
        one.name.middle = {(e.minX + e.maxX) / 2, (e.minY + e.maxY) / 2};
        one.name.height = sheetTextHeight(std::max(e.maxX - e.minX, e.maxY - e.minY));
        // The figures as high as the unturned part's: a turn leaves them as the pattern has them.
        const Extent own = outlineExtent(part.piece.outline);
        one.markings = laidMarkings(part, at, sheetTextHeight(std::max(own.maxX - own.minX, own.maxY - own.minY)));
        laid.push_back(std::move(one));
    }
    return laid;
}

Polyline plateOutline(const Plate& plate) {
    return {{{0, 0, 0}, {plate.width, 0, 0}, {plate.width, plate.height, 0}, {0, plate.height, 0}}, true};
}

class Writer : public DxfSkeleton {
public:
    Writer(const Plate& plate, const std::vector<LaidPart>& parts, const PlateFileOptions& options, DL_Dxf& dxf,
           DL_WriterA& w)
        : DxfSkeleton(dxf, w, options.version), plate_(plate), parts_(parts), cutOnly_(options.cutOnly) {}

    void write() {
        DxfSkeleton::write({{0, 0, 0},
                            {plate_.width, plate_.height, 0},
                            {plate_.width / 2, plate_.height / 2, 0},
                            plate_.width * 1.05,
                            plate_.height * 1.05,
                            cutOnly_ ? std::vector<DxfLayer>{{"0", 7}, {kPlateLayer, 8}, {kCutLayer, 7}}
                                     : std::vector<DxfLayer>{{"0", 7},
                                                             {kPlateLayer, 8},
                                                             {kCutLayer, 7},
                                                             {kMarkLayer, 3},
                                                             {kTextLayer, 7}}});
    }

private:
    void dimensionStyles(unsigned long textStyle) override { writeStandardDimStyle(w_, textStyle); }

    void polyline(const Polyline& line, const char* layer) {
        if (version_ == DxfVersion::R12) {
            writeR12Polyline(w_, line, layer);
            return;
        }
        dxf_.writePolyline(w_, DL_PolylineData(static_cast<int>(line.vertices.size()), 0, 0, 1),
                           DL_Attributes(layer, kColourByLayer, -1, "BYLAYER", 1.0));
        for (const Vertex& v : line.vertices) dxf_.writeVertex(w_, DL_VertexData(v.x, v.y, 0, v.bulge));
        dxf_.writePolylineEnd(w_);
    }

    void line(const MarkLine& m) {
        if (version_ == DxfVersion::R12) {
            writeR12Line(w_, m.from, m.to, kMarkLayer, markColour(m.kind));
            return;
        }
        dxf_.writeLine(w_, DL_LineData(m.from.x, m.from.y, 0, m.to.x, m.to.y, 0),
                       DL_Attributes(kMarkLayer, markColour(m.kind), -1, "BYLAYER", 1.0));
    }

    void text(const LaidText& t, const char* layer) {
        const Point2& at = t.middle;
        if (version_ == DxfVersion::R12) {
            writeR12Text(w_, at, t.height, dxfText(t.text), layer, textStyleFor(t.text), t.angle, true);
            return;
        }
        // Centred on its middle (horizontal 1 = centre, vertical 2 = middle); dxflib takes the turn in radians.
        dxf_.writeText(w_,
                       DL_TextData(at.x, at.y, 0, at.x, at.y, 0, t.height, 1.0, 0, 1, 2, dxfText(t.text),
                                   textStyleFor(t.text), t.angle * std::numbers::pi / 180),
                       DL_Attributes(layer, kColourByLayer, -1, "BYLAYER", 1.0));
    }

    void entities() override {
        polyline(plateOutline(plate_), kPlateLayer);
        for (const LaidPart& part : parts_) {
            polyline(part.piece.outline, kCutLayer);
            for (const Polyline& hole : part.piece.holes) polyline(hole, kCutLayer);
        }
        if (cutOnly_) return;
        for (const LaidPart& part : parts_) {
            for (const MarkLine& m : part.piece.marks) line(m);
            for (const LaidText& t : part.markings) text(t, kMarkLayer);
        }
        for (const LaidPart& part : parts_) text(part.name, kTextLayer);
    }

    const Plate& plate_;
    const std::vector<LaidPart>& parts_;
    const bool cutOnly_;
};

// XML's five escapes; a part's name is the job's data.
std::string xmlText(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&apos;"; break;
            default: out += c;
        }
    }
    return out;
}

// The SVG path of a ring, y turned up (the picture's y runs down).
std::string svgRing(const Ring& ring, double height) {
    std::string d;
    for (size_t i = 0; i < ring.size(); ++i)
        d += (i == 0 ? "M" : "L") + dxfNumber(ring[i].x) + " " + dxfNumber(height - ring[i].y) + " ";
    return d + "Z ";
}

}  // namespace

void savePlateDxf(const std::string& path, const Plate& plate, const std::vector<NestPart>& parts,
                  const NestedPlate& nested, const PlateFileOptions& options) {
    const std::vector<LaidPart> laid = laidParts(parts, nested);
    saveDxfFile(
        path, [&](DL_Dxf& dxf, DL_WriterA& w) { Writer(plate, laid, options, dxf, w).write(); }, options.version);
}

std::string plateSvg(const Plate& plate, const std::vector<NestPart>& parts, const NestedPlate& nested) {
    const std::string w = dxfNumber(plate.width), h = dxfNumber(plate.height);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + dxfNumber(plate.width / 5) +
                      "\" height=\"" + dxfNumber(plate.height / 5) + "\" viewBox=\"0 0 " + w + " " + h + "\">\n" +
                      "<rect x=\"0\" y=\"0\" width=\"" + w + "\" height=\"" + h +
                      "\" fill=\"#d8d8d8\" stroke=\"#606060\" stroke-width=\"4\"/>\n";
    const std::vector<LaidPart> laid = laidParts(parts, nested);
    for (size_t i = 0; i < laid.size(); ++i) {
        const NestPart& part = parts[nested.parts[i].part];
        std::string d = svgRing(placedRing(part.outline, nested.parts[i]), plate.height);
        for (const Ring& hole : part.holes) d += svgRing(placedRing(hole, nested.parts[i]), plate.height);
        svg += "<path d=\"" + d + "\" fill=\"#9ec5e8\" fill-rule=\"evenodd\" stroke=\"#1f4e79\" stroke-width=\"2\"/>\n";
        const LaidText& name = laid[i].name;
        svg += "<text x=\"" + dxfNumber(name.middle.x) + "\" y=\"" + dxfNumber(plate.height - name.middle.y) +
               "\" font-size=\"" + dxfNumber(name.height * 2) +
               "\" text-anchor=\"middle\" dominant-baseline=\"middle\">" + xmlText(name.text) + "</text>\n";
    }
    return svg + "</svg>\n";
}

}  // namespace korvel::cad
