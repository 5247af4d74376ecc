#include "output/dxf_writer.h"

#include <cerrno>
#include <new>

#include <dxflib/dl_dxf.h>
#include <dxflib/dl_writer_ascii.h>

#include <cmath>

#include "core/export_range.h"
#include "output/dxf_file.h"
#include "output/dxf_style.h"
#include "output/dxf_text.h"

namespace korvel::cad {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegreesPerRadian = 180 / kPi;

// Handles dxflib gives its fixed table objects.
constexpr int kDimStyleTableHandle = 0xA;
constexpr int kModelSpaceRecordHandle = 0x1F;

// Group 330: the owner of the object that follows.
constexpr int kOwner = 330;

// XDATA strings hold at most 255 bytes.
constexpr std::size_t kMaxXdataText = 255;

const char* kLayer = "0";

DL_Attributes attributes(int colour) { return DL_Attributes(kLayer, colour, -1, "BYLAYER", 1.0); }

void point(const DL_WriterA& w, int code, const Point& p) { w.coord(code, p.x, p.y, p.z); }

void variable(const DL_WriterA& w, const DimVariable& v, const Variable& value, int textCode, int wholeCode,
              int realCode, std::size_t maxText) {
    switch (v.kind) {
        case VariableKind::Text:
            w.dxfString(textCode, dxfText(std::get<std::string>(value), maxText));
            break;
        case VariableKind::Whole:
            w.dxfInt(wholeCode, std::get<int>(value));
            break;
        case VariableKind::Real:
            w.dxfReal(realCode, std::get<double>(value));
            break;
    }
}

class Writer : public DxfSkeleton {
public:
    Writer(const DxfDocument& document, DL_Dxf& dxf, DL_WriterA& w) : DxfSkeleton(dxf, w), doc_(document) {
        for (const auto& e : doc_.entities())
            if (std::holds_alternative<DimensionShape>(e->shape())) ++dimensions_;
    }

    void write() {
        const Extents e = doc_.extents();
        // The active viewport shows what zoomExtents left in view.
        const View view = doc_.view().value_or(View{{0, 0, 0}, 297, 420});
        DxfSkeleton::write({e.empty ? Point{} : e.min, e.empty ? Point{} : e.max, view.centre, view.width,
                            view.height, {{kLayer, 7}}});
    }

private:
    void headerVariables() override {
        w_.dxfString(9, "$DIMSTYLE");
        w_.dxfString(2, dxfText(doc_.activeStyle()));
        for (const auto& v : dimVariables()) {
            w_.dxfString(9, std::string("$") + v.name);
            variable(w_, v, doc_.variables().get(v.name), 1, 70, 40, kMaxDxfTextBytes);
        }
    }

    void blockRecords() override {
        for (int i = 1; i <= dimensions_; ++i) {
            blockRecords_.push_back(w_.getNextHandle());
            dxf_.writeBlockRecord(w_, blockName(i));
        }
    }

    void dimensionStyles(unsigned long textStyle) override {
        w_.table("DIMSTYLE", static_cast<int>(doc_.styles().size()), kDimStyleTableHandle);
        w_.dxfString(100, "AcDbDimStyleTable");
        w_.dxfInt(71, 0);
        for (const auto& style : doc_.styles()) {
            w_.dxfString(0, "DIMSTYLE");
            w_.handle(105);
            w_.dxfHex(kOwner, kDimStyleTableHandle);
            w_.dxfString(100, "AcDbSymbolTableRecord");
            w_.dxfString(100, "AcDbDimStyleTableRecord");
            w_.dxfString(2, dxfText(style->name()));
            w_.dxfInt(70, 0);
            for (const auto& v : dimVariables())
                variable(w_, v, style->settings().get(v.name), v.code, v.code, v.code, kMaxDxfTextBytes);
            w_.dxfInt(277, 2);  // decimal units
            w_.dxfHex(340, static_cast<int>(textStyle));
        }
        w_.tableEnd();
    }

    static std::string blockName(int i) { return "*D" + std::to_string(i); }

    void blocks() override {
        int i = 0;
        for (const auto& e : doc_.entities())
            if (const auto* d = std::get_if<DimensionShape>(&e->shape())) dimensionBlock(++i, *d);
    }

    // The anonymous block that holds what dimension i shows.
    void dimensionBlock(int i, const DimensionShape& d) {
        const unsigned long record = blockRecords_[static_cast<std::size_t>(i - 1)];
        const std::string name = blockName(i);
        blockBoundary("BLOCK", record, "AcDbBlockBegin");
        w_.dxfString(2, name);
        w_.dxfInt(70, 1);  // anonymous
        w_.coord(10, 0, 0, 0);
        w_.dxfString(3, name);
        w_.dxfString(1, "");

        const DimensionGraphics g = dimensionGraphics(d.geometry, d.settings);
        for (const auto& l : g.lines)
            dxf_.writeLine(w_, DL_LineData(l.start.x, l.start.y, l.start.z, l.end.x, l.end.y, l.end.z),
                           attributes(l.colour));
        for (const auto& a : g.arrows) {
            // A triangle: the fourth corner repeats the third.
            DL_SolidData solid(a.tip.x, a.tip.y, a.tip.z, a.back1.x, a.back1.y, a.back1.z, a.back2.x, a.back2.y,
                               a.back2.z, a.back2.x, a.back2.y, a.back2.z);
            dxf_.writeSolid(w_, solid, attributes(a.colour));
        }
        const DimText& t = g.text;
        dxf_.writeText(w_,
                       DL_TextData(t.middle.x, t.middle.y, t.middle.z, t.middle.x, t.middle.y, t.middle.z, t.height,
                                   1.0, 0, 1, 2, dxfText(t.text), textStyleFor(t.text), t.rotation),
                       attributes(t.colour));

        blockBoundary("ENDBLK", record, "AcDbBlockEnd");
    }

    // The opening groups of a block's BLOCK or ENDBLK object, owned by its record.
    void blockBoundary(const char* type, unsigned long record, const char* subclass) {
        w_.dxfString(0, type);
        w_.handle();
        w_.dxfHex(kOwner, static_cast<int>(record));
        w_.dxfString(100, "AcDbEntity");
        w_.dxfString(8, kLayer);
        w_.dxfString(100, subclass);
    }

    void entities() override {
        int dimension = 0;
        for (const auto& e : doc_.entities()) {
            const DL_Attributes attrib = attributes(e->color());
            std::visit(
                [&](const auto& shape) {
                    using T = std::decay_t<decltype(shape)>;
                    if constexpr (std::is_same_v<T, LineShape>) {
                        dxf_.writeLine(w_,
                                       DL_LineData(shape.start.x, shape.start.y, shape.start.z, shape.end.x,
                                                   shape.end.y, shape.end.z),
                                       attrib);
                    } else if constexpr (std::is_same_v<T, PolylineShape>) {
                        dxf_.writePolyline(
                            w_, DL_PolylineData(static_cast<int>(shape.vertices.size()), 0, 0, 0), attrib);
                        for (const Point& p : shape.vertices) dxf_.writeVertex(w_, DL_VertexData(p.x, p.y, 0, 0));
                        dxf_.writePolylineEnd(w_);
                    } else if constexpr (std::is_same_v<T, TextShape>) {
                        const Point& p = shape.insertion;
                        dxf_.writeText(w_,
                                       DL_TextData(p.x, p.y, p.z, p.x, p.y, p.z, shape.height, 1.0, 0, 0, 0,
                                                   dxfText(shape.text), textStyleFor(shape.text), shape.rotation),
                                       attrib);
                    } else {
                        dimensionEntity(++dimension, shape, e->color());
                    }
                },
                e->shape());
        }
    }

    void dimensionEntity(int i, const DimensionShape& d, int colour) {
        const DimensionGraphics g = dimensionGraphics(d.geometry, d.settings);
        w_.dxfString(0, "DIMENSION");
        w_.handle();
        w_.dxfHex(kOwner, kModelSpaceRecordHandle);
        w_.dxfString(100, "AcDbEntity");
        w_.dxfString(8, kLayer);
        w_.dxfInt(62, colour);
        w_.dxfString(100, "AcDbDimension");
        w_.dxfString(2, blockName(i));
        point(w_, 10, g.definitionPoint);
        point(w_, 11, g.text.middle);
        w_.dxfInt(70, 32);  // rotated, its block used by this dimension only
        w_.dxfInt(71, 5);   // text attached at its middle
        w_.dxfReal(42, g.measurement);
        w_.dxfString(3, dxfText(d.style));
        w_.dxfString(100, "AcDbAlignedDimension");
        point(w_, 13, d.geometry.extLine1);
        point(w_, 14, d.geometry.extLine2);
        w_.dxfReal(50, d.geometry.rotation * kDegreesPerRadian);
        w_.dxfString(100, "AcDbRotatedDimension");

        const DxfDimStyle* style = doc_.style(d.style);
        const std::vector<const DimVariable*> overrides =
            style != nullptr ? d.settings.differencesFrom(style->settings()) : std::vector<const DimVariable*>{};
        if (overrides.empty()) return;
        w_.dxfString(1001, "ACAD");
        w_.dxfString(1000, "DSTYLE");
        w_.dxfString(1002, "{");
        for (const DimVariable* v : overrides) {
            w_.dxfInt(1070, v->code);
            variable(w_, *v, d.settings.get(v->name), 1000, 1070, 1040, kMaxXdataText);
        }
        w_.dxfString(1002, "}");
    }

    const DxfDocument& doc_;
    int dimensions_ = 0;
    std::vector<unsigned long> blockRecords_;
};

}  // namespace

void saveDxf(const DxfDocument& document, const std::string& path) {
    saveDxfFile(path, [&document](DL_Dxf& dxf, DL_WriterA& w) { Writer(document, dxf, w).write(); });
}

std::optional<Outcome> saveCadDrawing(const CadDrawing& drawing, const FormState& state, const std::string& path) {
    try {
        const DrawnCad drawn = drawCad(drawing, state);
        if (drawn.refusal) return drawn.refusal;
        saveDxf(drawn.app->document(), path);
    } catch (const SaveError&) {
        throw;
    } catch (const std::bad_alloc&) {
        throw SaveError("out of memory", ENOMEM);
    } catch (const std::exception& e) {
        throw SaveError(e.what(), 0);
    }
    return std::nullopt;
}

}  // namespace korvel::cad
