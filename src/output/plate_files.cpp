#include "output/plate_files.h"

#include <algorithm>

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

// A part as it lies on the plate, and where its name goes: the middle of its
// bounding rectangle, the name as high as the pattern sheet's names.
struct LaidPart {
    Piece piece;
    Point2 middle;
    double textHeight = 0;
    std::string name;
};

std::vector<LaidPart> laidParts(const std::vector<NestPart>& parts, const NestedPlate& nested) {
    std::vector<LaidPart> laid;
    for (const Placement& at : nested.parts) {
        const NestPart& part = parts[at.part];
        LaidPart one{placedPiece(part, at), {}, 0, part.name};
        const Extent e = outlineExtent(one.piece.outline);
        one.middle = {(e.minX + e.maxX) / 2, (e.minY + e.maxY) / 2};
        one.textHeight = sheetTextHeight(std::max(e.maxX - e.minX, e.maxY - e.minY));
        laid.push_back(std::move(one));
    }
    return laid;
}

Polyline plateOutline(const Plate& plate) {
    return {{{0, 0, 0}, {plate.width, 0, 0}, {plate.width, plate.height, 0}, {0, plate.height, 0}}, true};
}

class Writer : public DxfSkeleton {
public:
    Writer(const Plate& plate, const std::vector<LaidPart>& parts, DL_Dxf& dxf, DL_WriterA& w)
        : DxfSkeleton(dxf, w), plate_(plate), parts_(parts) {}

    void write() {
        DxfSkeleton::write({{0, 0, 0},
                            {plate_.width, plate_.height, 0},
                            {plate_.width / 2, plate_.height / 2, 0},
                            plate_.width * 1.05,
                            plate_.height * 1.05,
                            {{"0", 7}, {kPlateLayer, 8}, {kCutLayer, 7}, {kMarkLayer, 3}, {kTextLayer, 7}}});
    }

private:
    void dimensionStyles(unsigned long textStyle) override { writeStandardDimStyle(w_, textStyle); }

    void polyline(const Polyline& line, const char* layer) {
        dxf_.writePolyline(w_, DL_PolylineData(static_cast<int>(line.vertices.size()), 0, 0, 1),
                           DL_Attributes(layer, kColourByLayer, -1, "BYLAYER", 1.0));
        for (const Vertex& v : line.vertices) dxf_.writeVertex(w_, DL_VertexData(v.x, v.y, 0, v.bulge));
        dxf_.writePolylineEnd(w_);
    }

    void entities() override {
        polyline(plateOutline(plate_), kPlateLayer);
        for (const LaidPart& part : parts_) {
            polyline(part.piece.outline, kCutLayer);
            for (const Polyline& hole : part.piece.holes) polyline(hole, kCutLayer);
        }
        for (const LaidPart& part : parts_)
            for (const MarkLine& m : part.piece.marks)
                dxf_.writeLine(w_, DL_LineData(m.from.x, m.from.y, 0, m.to.x, m.to.y, 0),
                               DL_Attributes(kMarkLayer, markColour(m.kind), -1, "BYLAYER", 1.0));
        for (const LaidPart& part : parts_) {
            // Centred on the part's middle (horizontal 1 = centre, vertical 2 = middle).
            const Point2& at = part.middle;
            dxf_.writeText(w_,
                           DL_TextData(at.x, at.y, 0, at.x, at.y, 0, part.textHeight, 1.0, 0, 1, 2,
                                       dxfText(part.name), textStyleFor(part.name), 0),
                           DL_Attributes(kTextLayer, kColourByLayer, -1, "BYLAYER", 1.0));
        }
    }

    const Plate& plate_;
    const std::vector<LaidPart>& parts_;
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
                  const NestedPlate& nested) {
    const std::vector<LaidPart> laid = laidParts(parts, nested);
    saveDxfFile(path, [&](DL_Dxf& dxf, DL_WriterA& w) { Writer(plate, laid, dxf, w).write(); });
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
        svg += "<text x=\"" + dxfNumber(laid[i].middle.x) + "\" y=\"" + dxfNumber(plate.height - laid[i].middle.y) +
               "\" font-size=\"" + dxfNumber(laid[i].textHeight * 2) +
               "\" text-anchor=\"middle\" dominant-baseline=\"middle\">" + xmlText(laid[i].name) + "</text>\n";
    }
    return svg + "</svg>\n";
}

}  // namespace korvel::cad
