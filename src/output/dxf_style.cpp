#include "output/dxf_style.h"

#include <dxflib/dl_writer_ascii.h>

namespace korvel::cad {

unsigned long writeTextStyle(DL_WriterA& writer, const std::string& name, const std::string& font,
                             const std::string& bigFont, bool handles) {
    constexpr int kStyleTable = 3;
    writer.dxfString(0, "STYLE");
    unsigned long handle = 0;
    if (handles) {
        handle = writer.handle();
        writer.dxfHex(330, kStyleTable);
        writer.dxfString(100, "AcDbSymbolTableRecord");
        writer.dxfString(100, "AcDbTextStyleTableRecord");
    }
    writer.dxfString(2, name);
    writer.dxfInt(70, 0);
    writer.dxfReal(40, 0.0);  // height 0: each text gives its own
    writer.dxfReal(41, 1.0);
    writer.dxfReal(50, 0.0);
    writer.dxfInt(71, 0);
    writer.dxfReal(42, 2.5);
    writer.dxfString(3, font);
    writer.dxfString(4, bigFont);
    return handle;
}

const char* textStyleFor(const std::string& text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return kWideTextStyle;
    return kTextStyle;
}

void writeStandardDimStyle(DL_WriterA& writer, unsigned long textStyle) {
    writer.dxfString(0, "TABLE");
    writer.dxfString(2, "DIMSTYLE");
    writer.dxfHex(5, 0xA);
    writer.dxfString(100, "AcDbSymbolTable");
    writer.dxfInt(70, 1);
    writer.dxfString(100, "AcDbDimStyleTable");
    writer.dxfInt(71, 0);
    writer.dxfString(0, "DIMSTYLE");
    writer.dxfHex(105, 0x27);  // the handle dxflib reserves for it
    writer.dxfString(100, "AcDbSymbolTableRecord");
    writer.dxfString(100, "AcDbDimStyleTableRecord");
    writer.dxfString(2, "Standard");
    writer.dxfReal(41, 2.5);    // arrow size
    writer.dxfReal(42, 0.625);  // extension line offset
    writer.dxfReal(43, 3.75);   // dimension line increment
    writer.dxfReal(44, 0.625);  // extension line extension
    writer.dxfInt(70, 0);
    writer.dxfInt(73, 0);
    writer.dxfInt(74, 0);
    writer.dxfInt(77, 1);
    writer.dxfInt(78, 8);
    writer.dxfReal(140, 2.5);  // text height
    writer.dxfReal(141, 2.5);  // centre mark size
    writer.dxfString(143, "0.03937007874016");  // alternate units: inches per mm
    writer.dxfReal(147, 0.625);  // gap round the text
    writer.dxfInt(171, 3);
    writer.dxfInt(172, 1);
    writer.dxfInt(271, 2);
    writer.dxfInt(272, 2);
    writer.dxfInt(274, 3);
    writer.dxfInt(278, 44);
    writer.dxfInt(283, 0);
    writer.dxfInt(284, 8);
    writer.dxfHex(340, static_cast<int>(textStyle));
    writer.dxfString(0, "ENDTAB");
}

}  // namespace korvel::cad
