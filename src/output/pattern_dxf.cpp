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
    Writer(const PatternSheet& sheet, const PatternFileOptions& options, DL_Dxf& dxf, DL_WriterA& w)
        : DxfSkeleton(dxf, w, options.version), sheet_(sheet), cutOnly_(options.cutOnly) {}

    void write() {
        const Box e = cutOnly_ ? outlinesBox(sheet_) : sheet_.extents;
        // A little room around the drawing.
        DxfSkeleton::write({{e.minX, e.minY, 0},
                            {e.maxX, e.maxY, 0},
                            {(e.minX + e.maxX) / 2, (e.minY + e.maxY) / 2, 0},
                            e.width() * 1.05,
                            e.height() * 1.05,
                            cutOnly_ ? std::vector<DxfLayer>{{"0", 7}, {kCutLayer, 7}}
                                     : std::vector<DxfLayer>{{"0", 7}, {kCutLayer, 7}, {kMarkLayer, 3}, {kTextLayer, 7}}});
    }

private:
    void dimensionStyles(unsigned long textStyle) override { writeStandardDimStyle(w_, textStyle); }

    void entities() override {
        if (version_ == DxfVersion::R12) {
            entitiesR12();
            return;
        }
        for (const Polyline& outline : sheet_.outlines) {
            const DL_Attributes cut(kCutLayer, kColourByLayer, -1, "BYLAYER", 1.0);
            dxf_.writePolyline(w_, DL_PolylineData(static_cast<int>(outline.vertices.size()), 0, 0, 1), cut);
            for (const Vertex& v : outline.vertices) dxf_.writeVertex(w_, DL_VertexData(v.x, v.y, 0, v.bulge));
            dxf_.writePolylineEnd(w_);
        }
        if (cutOnly_) return;
        for (const MarkLine& m : sheet_.marks)
            dxf_.writeLine(w_, DL_LineData(m.from.x, m.from.y, 0, m.to.x, m.to.y, 0),
                           DL_Attributes(kMarkLayer, markColour(m.kind), -1, "BYLAYER", 1.0));
        const DL_Attributes text(kTextLayer, kColourByLayer, -1, "BYLAYER", 1.0);
        const DL_Attributes marking(kMarkLayer, kColourByLayer, -1, "BYLAYER", 1.0);
        for (const SheetText& t : sheet_.texts)
            dxf_.writeText(w_,
                           DL_TextData(t.at.x, t.at.y, 0, t.at.x, t.at.y, 0, t.height, 1.0, 0, 0, 0, dxfText(t.text),
                                       textStyleFor(t.text), 0),
                           t.marking ? marking : text);
    }

    void entitiesR12() {
        for (const Polyline& outline : sheet_.outlines) writeR12Polyline(w_, outline, kCutLayer);
        if (cutOnly_) return;
        for (const MarkLine& m : sheet_.marks) writeR12Line(w_, m.from, m.to, kMarkLayer, markColour(m.kind));
        for (const SheetText& t : sheet_.texts)
            writeR12Text(w_, t.at, t.height, dxfText(t.text), t.marking ? kMarkLayer : kTextLayer,
                         textStyleFor(t.text));
    }

    const PatternSheet& sheet_;
    const bool cutOnly_;
};

// The pattern with one of its pieces alone: its own title block names that
// piece's count, area and weight.
PatternExport pieceExport(const PatternExport& e, size_t i) {
    PatternExport one = e;
    one.pattern.pieces = {e.pattern.pieces[i]};
    one.thickness = {i < e.thickness.size() ? e.thickness[i] : 0};
    return one;
}

void saveSheet(const PatternExport& e, const std::string& path, const PatternFileOptions& options) {
    const PatternSheet sheet = layOutPattern(e);
    saveDxfFile(
        path, [&](DL_Dxf& dxf, DL_WriterA& w) { Writer(sheet, options, dxf, w).write(); }, options.version);
}

}  // namespace

int markColour(MarkKind kind) { return markStyle(kind).cadColour; }

std::vector<std::string> patternFilePaths(const PatternExport& e, const std::string& path,
                                          const PatternFileOptions& options) {
    if (!options.perPiece) return {path};
    // The stem: the name without its last suffix, the folder kept.
    const size_t slash = path.find_last_of('/');
    const size_t dot = path.find_last_of('.');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::string stem = dot != std::string::npos && dot > nameStart ? path.substr(0, dot) : path;
    std::vector<std::string> paths;
    for (size_t i = 0; i < e.pattern.pieces.size(); ++i) {
        std::string name = e.pattern.pieces[i].name;
        for (char& c : name)
            if (c == '/' || c == '\\') c = '_';
        paths.push_back(stem + "_" + std::to_string(i + 1) + (name.empty() ? "" : "_" + name) + ".dxf");
    }
    return paths;
}

void savePatternDxf(const PatternExport& e, const std::string& path, const PatternFileOptions& options) {
    if (!options.perPiece) {
        saveSheet(e, path, options);
        return;
    }
    const std::vector<std::string> paths = patternFilePaths(e, path, options);
    for (size_t i = 0; i < paths.size(); ++i) saveSheet(pieceExport(e, i), paths[i], options);
}

}  // namespace korvel::cad
