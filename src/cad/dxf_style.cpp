#include "cad/dxf_style.h"

#include <dxflib/dl_writer_ascii.h>

namespace korvel::cad {

void writeTextStyle(DL_WriterA& writer, const std::string& name, const std::string& font, const std::string& bigFont) {
    constexpr int kStyleTable = 3;
    writer.dxfString(0, "STYLE");
    writer.handle();
    writer.dxfHex(330, kStyleTable);
    writer.dxfString(100, "AcDbSymbolTableRecord");
    writer.dxfString(100, "AcDbTextStyleTableRecord");
    writer.dxfString(2, name);
    writer.dxfInt(70, 0);
    writer.dxfReal(40, 0.0);  // height 0: each text gives its own
    writer.dxfReal(41, 1.0);
    writer.dxfReal(50, 0.0);
    writer.dxfInt(71, 0);
    writer.dxfReal(42, 2.5);
    writer.dxfString(3, font);
    writer.dxfString(4, bigFont);
}

}  // namespace korvel::cad
