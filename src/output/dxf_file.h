#pragma once
// What every DXF file Korvel writes shares: the save through a temporary file
// that must end with the end-of-file marker, and the skeleton of an AutoCAD
// 2000 (or Release 12) file in which each drawing fills in only what sets it
// apart.

#include <functional>
#include <string>
#include <vector>

#include "core/cad/cad.h"
#include "core/flat_pattern.h"
#include "output/atomic_file.h"

class DL_Dxf;
class DL_WriterA;

namespace korvel::cad {

// The release a DXF file is written for. Older cutting tables read only
// Release 12: no handles, no objects section, no light-weight polylines.
enum class DxfVersion {
    R12,    // AC1009
    R2000,  // AC1015
};

// Opens a temporary file beside `path` as a DXF file of `version` and lets
// `write` write the whole drawing into it, end of file included; then checks
// that it is complete and on the disk, and renames it to `path`, replacing
// what was there (replaceFile). On any failure throws SaveError (or lets what
// `write` threw pass), removes the temporary file and leaves `path` as it was.
void saveDxfFile(const std::string& path, const std::function<void(DL_Dxf&, DL_WriterA&)>& write,
                 DxfVersion version = DxfVersion::R2000);

// The VPORT table with the one viewport *Active, looking straight down on a
// view `width` x `height` about `centre`.
void writeActiveViewport(DL_WriterA& w, const Point& centre, double width, double height,
                         DxfVersion version = DxfVersion::R2000);

// Release 12 entities, written group by group (dxflib writes its light-weight
// forms whatever the writer's release): a polyline as POLYLINE, its VERTEX
// records with their bulges and SEQEND; a line; a text in the text style
// `style`, `text` as dxfText gives it, left-aligned on its base line at `at`
// or, `centred`, with its middle at `at`, turned `angle` degrees
// counter-clockwise.
void writeR12Polyline(DL_WriterA& w, const Polyline& line, const char* layer);
void writeR12Line(DL_WriterA& w, const Point2& from, const Point2& to, const char* layer, int colour);
void writeR12Text(DL_WriterA& w, const Point2& at, double height, const std::string& text, const char* layer,
                  const char* style, double angle = 0, bool centred = false);

// One record of the LAYER table: every layer is drawn with continuous lines.
struct DxfLayer {
    const char* name;
    int colour;  // CAD colour number
};

// What the skeleton's fixed sections say of one drawing, millimetres.
struct DxfFrame {
    Point extentMin, extentMax;  // $EXTMIN, $EXTMAX
    Point viewCentre;            // of the active viewport
    double viewWidth = 0, viewHeight = 0;
    std::vector<DxfLayer> layers;
};

// The whole file in its order: the header variables, the tables (the active
// viewport, the line types, the layers, the one text style, view, UCS, the
// ACAD application, the dimension styles and the block records), the blocks
// (model and paper space first), the entities, the objects and the end of
// file. A drawing fills in what is marked virtual. A Release 12 file has the
// header variables that release knows, its tables without block records and
// with an empty DIMSTYLE table, no blocks, and no objects section; only
// `entities` is asked for.
class DxfSkeleton {
public:
    DxfSkeleton(DL_Dxf& dxf, DL_WriterA& w, DxfVersion version = DxfVersion::R2000)
        : dxf_(dxf), w_(w), version_(version) {}
    virtual ~DxfSkeleton() = default;
    DxfSkeleton(const DxfSkeleton&) = delete;
    DxfSkeleton& operator=(const DxfSkeleton&) = delete;

    void write(const DxfFrame& frame);

protected:
    // Header variables after $CLAYER.
    virtual void headerVariables() {}
    // The whole DIMSTYLE table; `textStyle` is the handle of the text style record.
    virtual void dimensionStyles(unsigned long textStyle) = 0;
    // Block records after those of model and paper space.
    virtual void blockRecords() {}
    // Blocks after those of model and paper space.
    virtual void blocks() {}
    // What the ENTITIES section holds.
    virtual void entities() = 0;

    DL_Dxf& dxf_;
    DL_WriterA& w_;
    const DxfVersion version_;

private:
    void header(const DxfFrame& frame);
    void tables(const DxfFrame& frame);
    void writeR12(const DxfFrame& frame);
};

}  // namespace korvel::cad
