#pragma once
// A small flat pattern whose every figure is known by hand, for the tests of
// the sheet and of the DXF file.

#include <cmath>

#include "core/window_design.h"

namespace korvel {

// A half disc of radius 100 over a 200 x 50 rectangle, with one mark and a
// label: the outline's top edge is a counter-clockwise semicircle (bulge 1).
inline PatternExport halfDisc() {
    PatternExport e;
    e.pattern.fitting = "测试件";
    Piece piece;
    piece.name = "半圆板";
    piece.count = 3;
    piece.outline.closed = true;
    piece.outline.vertices = {{0, 0, 0}, {200, 0, 0}, {200, 50, 1}, {0, 50, 0}};
    piece.marks.push_back({{100, 0}, {100, 150}, MarkKind::CentreLine});
    piece.labels.push_back({{100, 150}, "L0"});
    e.pattern.pieces = {piece, piece};
    e.pattern.pieces[1].name = "第二块";
    e.pattern.pieces[1].count = 1;
    e.pattern.checks.push_back({"展开长度 / πD", 100 * M_PI, 100 * M_PI + 0.0004});
    e.pattern.checks.push_back({"三角形各边与实长最大差", 0, 0.00123});
    e.pattern.checks.push_back({"展开后相邻等分点直线距离", 105.7255, 105.9731, "弦长yn为"});
    e.inputs = {{"D", "输入外径：", "1120mm", "mm"}, {"alpha", "两管夹角：", "45", "°"}, {"dir", "", "向北", ""}};
    e.rounding = "留小数（3位）";
    e.surface = "外壁";
    e.thickness = {10, 0};
    e.fileName = "x.dxf";
    return e;
}

}  // namespace korvel
