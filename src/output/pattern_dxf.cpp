#include "output/pattern_dxf.h"

#include <dxflib/dl_dxf.h>
#include <dxflib/dl_writer_ascii.h>

#include "output/dxf_file.h"
#include "output/dxf_style.h"
#include "output/dxf_text.h"

namespace korvel::cad {
namespace {

class Writer : public DxfSkeleton {
public:
    Writer(const PatternSheet& sheet, DL_Dxf& dxf, DL_WriterA& w) : DxfSkeleton(dxf, w), sheet_(sheet) {}

    void write() {
        const Box& e = sheet_.extents;
        // A little room around the drawing.
        DxfSkeleton::write({{e.minX, e.minY, 0},
                            {e.maxX, e.maxY, 0},
                            {(e.minX + e.maxX) / 2, (e.minY + e.maxY) / 2, 0},
                            e.width() * 1.05,
                            e.height() * 1.05,
                            {{"0", 7}, {kCutLayer, 7}, {kMarkLayer, 3}, {kTextLayer, 7}}});
    }

private:
    void dimensionStyles(unsigned long textStyle) override { writeStandardDimStyle(w_, textStyle); }

    void entities() override {
        for (const Polyline& outline : sheet_.outlines) {
            const DL_Attributes cut(kCutLayer, kColourByLayer, -1, "BYLAYER", 1.0);
            dxf_.writePolyline(w_, DL_PolylineData(static_cast<int>(outline.vertices.size()), 0, 0, 1), cut);
            for (const Vertex& v : outline.vertices) dxf_.writeVertex(w_, DL_VertexData(v.x, v.y, 0, v.bulge));
            dxf_.writePolylineEnd(w_);
        }
        for (const MarkLine& m : sheet_.marks)
            dxf_.writeLine(w_, DL_LineData(m.from.x, m.from.y, 0, m.to.x, m.to.y, 0),
                           DL_Attributes(kMarkLayer, markColour(m.kind), -1, "BYLAYER", 1.0));
        const DL_Attributes text(kTextLayer, kColourByLayer, -1, "BYLAYER", 1.0);
        for (const SheetText& t : sheet_.texts)
            dxf_.writeText(w_,
                           DL_TextData(t.at.x, t.at.y, 0, t.at.x, t.at.y, 0, t.height, 1.0, 0, 0, 0, dxfText(t.text),
                                       kTextStyle, 0),
                           text);
    }

    const PatternSheet& sheet_;
};

}  // namespace

int markColour(MarkKind kind) { return markStyle(kind).cadColour; }

void savePatternDxf(const PatternExport& e, const std::string& path) {
    const PatternSheet sheet = layOutPattern(e);
    saveDxfFile(path, [&sheet](DL_Dxf& dxf, DL_WriterA& w) { Writer(sheet, dxf, w).write(); });
}

}  // namespace korvel::cad
