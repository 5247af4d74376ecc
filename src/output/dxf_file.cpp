#include "output/dxf_file.h"

#include <dxflib/dl_dxf.h>
#include <dxflib/dl_writer_ascii.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <utility>

#include "output/dxf_number.h"
#include "output/dxf_style.h"

namespace korvel::cad {
namespace {

// Handle dxflib gives the VPORT table.
constexpr int kVportTableHandle = 0x8;
// Group 330: the owner of the object that follows.
constexpr int kOwner = 330;
// Handles of the named-object dictionary and of the layouts' dictionary.
constexpr const char* kRootDictionary = "C";
constexpr const char* kLayoutDictionary = "1A";
// The layer new entities go on.
constexpr const char* kCurrentLayer = "0";
// The code page the drawing declares: simplified Chinese. Every character
// beyond ASCII is written as \U+XXXX, so the file itself is ASCII and reads
// the same in any code page.
constexpr const char* kCodePage = "ANSI_936";

// True when the file ends with the DXF end-of-file marker: nothing was cut off.
bool endsComplete(int fd) {
    static const char kEnd[] = "EOF\n";
    const off_t size = ::lseek(fd, 0, SEEK_END);
    const auto length = static_cast<off_t>(sizeof kEnd - 1);
    if (size < length) return false;
    char tail[sizeof kEnd] = {};
    if (::pread(fd, tail, static_cast<std::size_t>(length), size - length) != length) return false;
    return std::memcmp(tail, kEnd, static_cast<std::size_t>(length)) == 0;
}

// dxflib prints a real number with 16 decimals whatever it holds (noise
// beyond a double's 17 digits, 25 % more bytes than needed) into a buffer of
// 256 characters on the stack, which a number of 240 digits overruns. Every
// real goes through dxfNumber instead and reaches dxflib as a text. A number
// beyond 1e100 mm or not finite is a fault upstream (the range check of
// core/export_range.h lets nothing near through): it stops the save.
constexpr double kLargestDxfReal = 1e100;

class GuardedWriter final : public DL_WriterA {
public:
    using DL_WriterA::DL_WriterA;
    void dxfReal(int gc, double value) const override {
        if (!(std::fabs(value) < kLargestDxfReal)) {
            char shown[32];
            std::snprintf(shown, sizeof shown, "%g", value);
            failSave("group " + std::to_string(gc) + " holds " + shown + ", a number the DXF file cannot hold", ERANGE);
        }
        dxfString(gc, dxfNumber(value));
    }
};

// Writes the whole file at `path`; `shown` names it in errors.
void writeFile(const std::string& path, const std::string& shown,
               const std::function<void(DL_Dxf&, DL_WriterA&)>& write, DxfVersion version) {
    DL_Dxf dxf;
    errno = 0;
    // As dxf.out(path, version) opens it, through the guard.
    auto w = std::make_unique<GuardedWriter>(path.c_str(),
                                             version == DxfVersion::R12 ? DL_VERSION_R12 : DL_VERSION_2000);
    if (w->openFailed()) failSave("cannot write " + shown, errno != 0 ? errno : EIO);
    write(dxf, *w);
    w->close();
}

// The OBJECTS section: the named-object dictionary with the dictionaries an
// AutoCAD 2000 file is expected to have (groups, layouts, multiline styles,
// plot settings and plot styles, variables), the three layouts the block
// records point to, and the two variables. dxflib's own version of it leaves
// out every object's owner (group 330), which readers then repair; this one
// names them. The handles are those the tables refer to.
struct DictionaryEntry {
    const char* name;
    const char* handle;
};

void objectStart(DL_WriterA& w, const char* type, const char* handle, const char* owner) {
    w.dxfString(0, type);
    w.dxfString(5, handle);
    w.dxfString(kOwner, owner);
}

void dictionary(DL_WriterA& w, const char* handle, const char* owner, std::initializer_list<DictionaryEntry> entries,
                bool hardOwner = true) {
    objectStart(w, "DICTIONARY", handle, owner);
    w.dxfString(100, "AcDbDictionary");
    if (hardOwner) w.dxfInt(280, 0);
    w.dxfInt(281, 1);
    for (const DictionaryEntry& e : entries) {
        w.dxfString(3, e.name);
        w.dxfString(350, e.handle);
    }
}

// One layout: model space (tab 0) or a paper space layout, with its plot settings.
struct LayoutObject {
    const char* handle;
    const char* name;
    int plotFlags;      // 70 of AcDbPlotSettings
    int paperUnits;     // 74
    int standardScale;  // 75
    int tab;            // 71
    double limitsX, limitsY;
    bool paper;  // extents not yet known: the ±1e20 marks
    const char* blockRecord;
};

void layout(DL_WriterA& w, const LayoutObject& l) {
    objectStart(w, "LAYOUT", l.handle, kLayoutDictionary);
    w.dxfString(100, "AcDbPlotSettings");
    w.dxfString(1, "");
    w.dxfString(2, "none_device");
    w.dxfString(4, "");
    w.dxfString(6, "");
    for (int code = 40; code <= 49; ++code) w.dxfReal(code, 0);
    w.dxfReal(140, 0);
    w.dxfReal(141, 0);
    w.dxfReal(142, 1);
    w.dxfReal(143, 1);
    w.dxfInt(70, l.plotFlags);
    w.dxfInt(72, 0);
    w.dxfInt(73, 0);
    w.dxfInt(74, l.paperUnits);
    w.dxfString(7, "");
    w.dxfInt(75, l.standardScale);
    w.dxfReal(147, 1);
    w.dxfReal(148, 0);
    w.dxfReal(149, 0);
    w.dxfString(100, "AcDbLayout");
    w.dxfString(1, l.name);
    w.dxfInt(70, 1);
    w.dxfInt(71, l.tab);
    w.dxfReal(10, 0);  // limits, in the plane
    w.dxfReal(20, 0);
    w.dxfReal(11, l.limitsX);
    w.dxfReal(21, l.limitsY);
    w.coord(12, 0, 0, 0);  // insertion base
    const double big = l.paper ? 1e20 : 0;
    w.coord(14, big, big, big);  // extents
    w.coord(15, -big, -big, -big);
    w.dxfReal(146, 0);
    w.coord(13, 0, 0, 0);  // UCS origin
    w.coord(16, 1, 0, 0);  // UCS X axis
    w.coord(17, 0, 1, 0);  // UCS Y axis
    w.dxfInt(76, 0);
    w.dxfString(kOwner, l.blockRecord);
}

std::string hex(unsigned long handle) {
    char text[20];
    std::snprintf(text, sizeof text, "%lX", handle);
    return text;
}

void writeObjects(DL_WriterA& w) {
    // The variables' dictionary and its two variables come after every
    // handle the drawing has used.
    const unsigned long next = w.getNextHandle();
    const std::string variables = hex(next), hideText = hex(next + 1), dimAssoc = hex(next + 2);
    w.dxfString(0, "SECTION");
    w.dxfString(2, "OBJECTS");
    dictionary(w, kRootDictionary, "0",
               {{"ACAD_GROUP", "D"},
                {"ACAD_LAYOUT", kLayoutDictionary},
                {"ACAD_MLINESTYLE", "17"},
                {"ACAD_PLOTSETTINGS", "19"},
                {"ACAD_PLOTSTYLENAME", "E"},
                {"AcDbVariableDictionary", variables.c_str()}});
    dictionary(w, "D", kRootDictionary, {});
    objectStart(w, "ACDBDICTIONARYWDFLT", "E", kRootDictionary);
    w.dxfString(100, "AcDbDictionary");
    w.dxfInt(281, 1);
    w.dxfString(3, "Normal");
    w.dxfString(350, "F");
    w.dxfString(100, "AcDbDictionaryWithDefault");
    w.dxfString(340, "F");
    objectStart(w, "ACDBPLACEHOLDER", "F", "E");
    dictionary(w, "17", kRootDictionary, {{"Standard", "18"}});
    objectStart(w, "MLINESTYLE", "18", "17");
    w.dxfString(100, "AcDbMlineStyle");
    w.dxfString(2, "STANDARD");
    w.dxfInt(70, 0);
    w.dxfString(3, "");
    w.dxfInt(62, 256);
    w.dxfReal(51, 90);
    w.dxfReal(52, 90);
    w.dxfInt(71, 2);
    for (const double offset : {0.5, -0.5}) {
        w.dxfReal(49, offset);
        w.dxfInt(62, 256);
        w.dxfString(6, "BYLAYER");
    }
    dictionary(w, "19", kRootDictionary, {});
    dictionary(w, kLayoutDictionary, kRootDictionary, {{"Layout1", "1E"}, {"Layout2", "26"}, {"Model", "22"}}, false);
    layout(w, {"1E", "Layout1", 688, 5, 16, 1, 420, 297, true, "1B"});
    layout(w, {"22", "Model", 1712, 0, 0, 0, 12, 9, false, "1F"});
    layout(w, {"26", "Layout2", 688, 5, 16, 2, 12, 9, false, "23"});
    dictionary(w, variables.c_str(), kRootDictionary, {{"DIMASSOC", dimAssoc.c_str()}, {"HIDETEXT", hideText.c_str()}},
               false);
    for (const auto& [handle, value] : {std::pair{hideText.c_str(), "2"}, std::pair{dimAssoc.c_str(), "1"}}) {
        objectStart(w, "DICTIONARYVAR", handle, variables.c_str());
        w.dxfString(100, "DictionaryVariables");
        w.dxfInt(280, 0);
        w.dxfString(1, value);
    }
    w.dxfString(0, "ENDSEC");
}

}  // namespace

void saveDxfFile(const std::string& path, const std::function<void(DL_Dxf&, DL_WriterA&)>& write,
                 DxfVersion version) {
    // The writer keeps write errors to itself: a full disk shows as a file
    // that stops short of its end marker.
    replaceFile(
        path, [&](const std::string& temporary) { writeFile(temporary, path, write, version); }, endsComplete);
}

void writeActiveViewport(DL_WriterA& w, const Point& centre, double width, double height, DxfVersion version) {
    const double h = height > 0 ? height : 1;
    const double aspect = width > 0 ? width / h : 1;
    // A Release 12 writer leaves the table's handle and subclass out itself.
    w.table("VPORT", 1, kVportTableHandle);
    w.dxfString(0, "VPORT");
    if (version != DxfVersion::R12) {
        w.handle();
        w.dxfHex(kOwner, kVportTableHandle);
        w.dxfString(100, "AcDbSymbolTableRecord");
        w.dxfString(100, "AcDbViewportTableRecord");
    }
    w.dxfString(2, "*Active");
    w.dxfInt(70, 0);
    w.dxfReal(10, 0);
    w.dxfReal(20, 0);
    w.dxfReal(11, 1);
    w.dxfReal(21, 1);
    w.dxfReal(12, centre.x);
    w.dxfReal(22, centre.y);
    w.dxfReal(13, 0);
    w.dxfReal(23, 0);
    w.dxfReal(14, 10);
    w.dxfReal(24, 10);
    w.dxfReal(15, 10);
    w.dxfReal(25, 10);
    w.coord(16, 0, 0, 1);  // view direction
    w.coord(17, 0, 0, 0);  // view target
    w.dxfReal(40, h);
    w.dxfReal(41, aspect);
    w.dxfReal(42, 50);
    w.dxfReal(43, 0);
    w.dxfReal(44, 0);
    w.dxfReal(50, 0);
    w.dxfReal(51, 0);
    w.dxfInt(71, 0);
    w.dxfInt(72, 1000);
    w.dxfInt(73, 1);
    w.dxfInt(74, 3);
    w.dxfInt(75, 0);
    w.dxfInt(76, 0);
    w.dxfInt(77, 0);
    w.dxfInt(78, 0);
    w.tableEnd();
}

void writeR12Polyline(DL_WriterA& w, const Polyline& line, const char* layer) {
    w.dxfString(0, "POLYLINE");
    w.dxfString(8, layer);
    w.dxfInt(66, 1);  // vertices follow
    w.coord(10, 0, 0, 0);
    w.dxfInt(70, line.closed ? 1 : 0);
    for (const Vertex& v : line.vertices) {
        w.dxfString(0, "VERTEX");
        w.dxfString(8, layer);
        w.coord(10, v.x, v.y, 0);
        if (v.bulge != 0) w.dxfReal(42, v.bulge);
    }
    w.dxfString(0, "SEQEND");
    w.dxfString(8, layer);
}

void writeR12Line(DL_WriterA& w, const Point2& from, const Point2& to, const char* layer, int colour) {
    w.dxfString(0, "LINE");
    w.dxfString(8, layer);
    if (colour != kColourByLayer) w.dxfInt(62, colour);
    w.coord(10, from.x, from.y, 0);
    w.coord(11, to.x, to.y, 0);
}

void writeR12Text(DL_WriterA& w, const Point2& at, double height, const std::string& text, const char* layer,
                  const char* style, double angle, bool centred) {
    w.dxfString(0, "TEXT");
    w.dxfString(8, layer);
    w.coord(10, at.x, at.y, 0);
    w.dxfReal(40, height);
    w.dxfString(1, text);
    if (angle != 0) w.dxfReal(50, angle);
    w.dxfString(7, style);
    if (!centred) return;
    // Centred (72 = 1) on its middle (73 = 2): the alignment point is the one that counts.
    w.dxfInt(72, 1);
    w.coord(11, at.x, at.y, 0);
    w.dxfInt(73, 2);
}

void DxfSkeleton::write(const DxfFrame& frame) {
    if (version_ == DxfVersion::R12) {
        writeR12(frame);
        return;
    }
    header(frame);
    tables(frame);
    w_.sectionBlocks();
    for (const char* name : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf_.writeBlock(w_, DL_BlockData(name, 0, 0.0, 0.0, 0.0));
        dxf_.writeEndBlock(w_, name);
    }
    blocks();
    w_.sectionEnd();
    w_.sectionEntities();
    entities();
    w_.sectionEnd();
    writeObjects(w_);
    w_.dxfEOF();
}

void DxfSkeleton::header(const DxfFrame& frame) {
    dxf_.writeHeader(w_);
    const auto name = [this](const char* n) { w_.dxfString(9, n); };
    const auto point = [this](const Point& p) { w_.coord(10, p.x, p.y, p.z); };
    name("$DWGCODEPAGE");
    w_.dxfString(3, kCodePage);
    name("$INSBASE");
    w_.coord(10, 0, 0, 0);
    name("$EXTMIN");
    point(frame.extentMin);
    name("$EXTMAX");
    point(frame.extentMax);
    name("$INSUNITS");
    w_.dxfInt(70, 4);  // millimetres
    name("$MEASUREMENT");
    w_.dxfInt(70, 1);  // metric
    name("$TEXTSTYLE");
    w_.dxfString(7, kTextStyle);
    name("$CLAYER");
    w_.dxfString(8, kCurrentLayer);
    headerVariables();
    w_.sectionEnd();
}

void DxfSkeleton::tables(const DxfFrame& frame) {
    w_.sectionTables();
    writeActiveViewport(w_, frame.viewCentre, frame.viewWidth, frame.viewHeight);
    w_.tableLinetypes(3);
    dxf_.writeLinetype(w_, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf_.writeLinetype(w_, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf_.writeLinetype(w_, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    w_.tableEnd();
    w_.tableLayers(static_cast<int>(frame.layers.size()));
    for (const DxfLayer& layer : frame.layers)
        dxf_.writeLayer(w_, DL_LayerData(layer.name, 0), DL_Attributes("", layer.colour, 0, -3, "CONTINUOUS"));
    w_.tableEnd();
    w_.tableStyle(2);
    const unsigned long textStyle = writeTextStyle(w_, kTextStyle, kTextFont, kBigFont);
    writeTextStyle(w_, kWideTextStyle, kTextFont, kBigFont);
    w_.tableEnd();
    dxf_.writeView(w_);
    dxf_.writeUcs(w_);
    w_.tableAppid(1);
    dxf_.writeAppid(w_, "ACAD");
    w_.tableEnd();
    dimensionStyles(textStyle);
    dxf_.writeBlockRecord(w_);
    blockRecords();
    w_.tableEnd();
    w_.sectionEnd();
}

void DxfSkeleton::writeR12(const DxfFrame& frame) {
    const auto name = [this](const char* n) { w_.dxfString(9, n); };
    const auto table = [this](const char* type, int records) {
        w_.dxfString(0, "TABLE");
        w_.dxfString(2, type);
        w_.dxfInt(70, records);
    };
    w_.sectionHeader();
    name("$ACADVER");
    w_.dxfString(1, "AC1009");
    name("$DWGCODEPAGE");
    w_.dxfString(3, kCodePage);
    name("$INSBASE");
    w_.coord(10, 0, 0, 0);
    name("$EXTMIN");
    w_.coord(10, frame.extentMin.x, frame.extentMin.y, frame.extentMin.z);
    name("$EXTMAX");
    w_.coord(10, frame.extentMax.x, frame.extentMax.y, frame.extentMax.z);
    name("$TEXTSTYLE");
    w_.dxfString(7, kTextStyle);
    name("$CLAYER");
    w_.dxfString(8, kCurrentLayer);
    w_.sectionEnd();

    // A table's records, each opening with its type, name and flags.
    const auto record = [this](const char* type, const char* recordName) {
        w_.dxfString(0, type);
        w_.dxfString(2, recordName);
        w_.dxfInt(70, 0);
    };
    w_.sectionTables();
    writeActiveViewport(w_, frame.viewCentre, frame.viewWidth, frame.viewHeight, DxfVersion::R12);
    table("LTYPE", 1);
    record("LTYPE", "CONTINUOUS");
    w_.dxfString(3, "Solid line");
    w_.dxfInt(72, 65);  // alignment 'A'
    w_.dxfInt(73, 0);   // no dashes
    w_.dxfReal(40, 0);
    w_.tableEnd();
    table("LAYER", static_cast<int>(frame.layers.size()));
    for (const DxfLayer& layer : frame.layers) {
        record("LAYER", layer.name);
        w_.dxfInt(62, layer.colour);
        w_.dxfString(6, "CONTINUOUS");
    }
    w_.tableEnd();
    table("STYLE", 2);
    writeTextStyle(w_, kTextStyle, kTextFont, kBigFont, false);
    writeTextStyle(w_, kWideTextStyle, kTextFont, kBigFont, false);
    w_.tableEnd();
    for (const char* empty : {"VIEW", "UCS"}) {
        table(empty, 0);
        w_.tableEnd();
    }
    table("APPID", 1);
    record("APPID", "ACAD");
    w_.tableEnd();
    table("DIMSTYLE", 0);
    w_.tableEnd();
    w_.sectionEnd();

    w_.sectionBlocks();
    w_.sectionEnd();
    w_.sectionEntities();
    entities();
    w_.sectionEnd();
    w_.dxfEOF();
}

}  // namespace korvel::cad
