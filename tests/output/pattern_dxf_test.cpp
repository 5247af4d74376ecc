// The flat-pattern DXF writer: what goes into the file (closed outlines with
// their bulges on CUT, marks on MARK, texts escaped on TEXT, millimetres), how
// the pieces are laid side by side, the title block, and the save through a
// temporary file.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "core/catalogue.h"
#include "output/dxf_file.h"
#include "output/pattern_dxf.h"
#include "core/numbers.h"
#include "support/files.h"

namespace korvel {
namespace {

using testing::readAll;

namespace fs = std::filesystem;

// The file as (group code, value) pairs.
std::vector<std::pair<int, std::string>> groups(const std::string& dxf) {
    std::istringstream in(dxf);
    std::vector<std::pair<int, std::string>> out;
    std::string code, value;
    while (std::getline(in, code) && std::getline(in, value)) out.emplace_back(std::stoi(code), value);
    return out;
}

fs::path scratch(const std::string& name) {
    const fs::path dir = fs::path(::testing::TempDir()) / "korvel_pattern_dxf";
    fs::create_directories(dir);
    return dir / name;
}

// A half disc of radius 100 over a 200 x 50 rectangle, with one mark and a
// label: the outline's top edge is a counter-clockwise semicircle (bulge 1).
PatternExport halfDisc() {
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

TEST(PatternDxf, OutlinesAreClosedLightweightPolylinesWithTheirBulgesOnTheCutLayer) {
    const fs::path path = scratch("half_disc.dxf");
    cad::savePatternDxf(halfDisc(), path.string());
    const auto g = groups(readAll(path));

    int polylines = 0;
    std::vector<double> bulges;
    for (size_t i = 0; i < g.size(); ++i) {
        if (g[i] != std::pair<int, std::string>{0, "LWPOLYLINE"}) continue;
        ++polylines;
        std::string layer;
        int flags = -1, vertices = -1;
        for (size_t j = i + 1; j < g.size() && g[j].first != 0; ++j) {
            if (g[j].first == 8) layer = g[j].second;
            if (g[j].first == 70) flags = std::stoi(g[j].second);
            if (g[j].first == 90) vertices = std::stoi(g[j].second);
            if (g[j].first == 42) bulges.push_back(std::stod(g[j].second));
        }
        EXPECT_EQ(layer, "CUT");
        EXPECT_EQ(flags & 1, 1) << "closed";
        EXPECT_EQ(vertices, 4);
    }
    EXPECT_EQ(polylines, 2);
    ASSERT_EQ(bulges.size(), 2u) << "one arc per outline, straight edges carry none";
    EXPECT_DOUBLE_EQ(bulges[0], 1);

    // Millimetres; no spline anywhere; complete.
    const std::string text = readAll(path);
    EXPECT_NE(text.find("$INSUNITS\n 70\n4\n"), std::string::npos);
    EXPECT_EQ(text.find("SPLINE"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 4), "EOF\n");
    // The texts escaped.
    EXPECT_NE(text.find("\\U+6D4B\\U+8BD5\\U+4EF6"), std::string::npos) << "测试件";
    EXPECT_EQ(text.find("测"), std::string::npos) << "nothing beyond ASCII in the file";
}

TEST(PatternDxf, LayersHoldWhatTheyAreFor) {
    const fs::path path = scratch("layers.dxf");
    cad::savePatternDxf(halfDisc(), path.string());
    const auto g = groups(readAll(path));
    std::map<std::string, std::map<std::string, int>> onLayer;  // entity type -> layer -> count
    std::vector<std::string> layers, lineColours;
    bool inEntities = false;
    for (size_t i = 0; i < g.size(); ++i) {
        if (g[i] == std::pair<int, std::string>{0, "LAYER"})
            for (size_t j = i + 1; j < g.size() && g[j].first != 0; ++j)
                if (g[j].first == 2) layers.push_back(g[j].second);
        if (g[i].first == 2 && g[i].second == "ENTITIES") inEntities = true;
        if (!inEntities || g[i].first != 0 || g[i].second == "ENDSEC") continue;
        for (size_t j = i + 1; j < g.size() && g[j].first != 0; ++j) {
            if (g[j].first == 8) ++onLayer[g[i].second][g[j].second];
            if (g[j].first == 62 && g[i].second == "LINE") lineColours.push_back(g[j].second);
        }
    }
    EXPECT_EQ(layers, (std::vector<std::string>{"0", "CUT", "MARK", "TEXT"}));
    EXPECT_EQ(lineColours, (std::vector<std::string>{"30", "30"})) << "the centre line's colour";
    EXPECT_EQ(onLayer["LWPOLYLINE"], (std::map<std::string, int>{{"CUT", 2}}));
    EXPECT_EQ(onLayer["LINE"], (std::map<std::string, int>{{"MARK", 2}}));
    const size_t texts = 2 /* labels */ + 2 /* names */ + cad::titleBlockLines(halfDisc()).size();
    EXPECT_EQ(onLayer["TEXT"], (std::map<std::string, int>{{"TEXT", static_cast<int>(texts)}}));
}

TEST(PatternDxf, TitleBlockNamesEverythingAPlaterNeeds) {
    const std::vector<std::string> lines = cad::titleBlockLines(halfDisc());
    const double area = std::fabs(polylineArea(halfDisc().pattern.pieces[0].outline));
    const std::vector<std::string> expected = {
        "测试件  真实尺寸展开图（单位：mm）",
        "输入数据：",
        "  输入外径：1120mm mm",
        "  两管夹角：45°",
        "  向北",
        "圆整：留小数（3位）",
        "展开面：外壁",
        "下料：半圆板 3 件，第二块 1 件",
        "校核：",
        "  展开长度 / πD：314.16 mm，应为 314.159 mm，相差 0 mm",
        "  三角形各边与实长最大差：0.001 mm",
        "  展开后相邻等分点直线距离：105.973 mm，弦长yn为 105.726 mm，相差 0.248 mm",
        "面积和重量（每件）：",
        "  半圆板：面积 " + roundedText(area / 1e6, 4) + " m²，重量 " + roundedText(plateWeight(area, 10), 2) +
            " kg（板厚 10 mm，钢 7.85 g/cm³）",
        "  第二块：面积 " + roundedText(area / 1e6, 4) + " m²（未给板厚，不计重量）",
        "标记线：橙色 中心线",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_NEAR(area, 200 * 50 + M_PI * 100 * 100 / 2, 1e-6);
}

TEST(PatternDxf, PiecesStandSideBySideAboveTheTitleBlock) {
    const cad::PatternSheet sheet = cad::layOutPattern(halfDisc());
    ASSERT_EQ(sheet.pieces.size(), 2u);
    ASSERT_EQ(sheet.outlines.size(), 2u);
    const cad::Box& first = sheet.pieces[0];
    const cad::Box& second = sheet.pieces[1];
    EXPECT_FALSE(first.overlaps(second));
    EXPECT_GT(second.minX - first.maxX, 0) << "a gap between them";
    EXPECT_DOUBLE_EQ(first.minX, 0);
    EXPECT_DOUBLE_EQ(first.minY, 0);
    EXPECT_DOUBLE_EQ(second.minY, 0);
    // The arc's top (y 150 in the piece) is inside the box, and the outline
    // is only moved: the same shape, area and bulges.
    for (size_t i = 0; i < 2; ++i) {
        const Polyline& placed = sheet.outlines[i];
        EXPECT_TRUE(placed.closed);
        EXPECT_NEAR(polylineArea(placed), polylineArea(halfDisc().pattern.pieces[i].outline), 1e-6);
        EXPECT_EQ(placed.vertices[2].bulge, 1);
        const double dy = placed.vertices[0].y;
        EXPECT_LE(dy + 150, sheet.pieces[i].maxY);
        EXPECT_GE(placed.vertices[0].x, sheet.pieces[i].minX);
    }
    // Every text below the pieces is the title block's, from x = 0 down.
    const size_t titleLines = cad::titleBlockLines(halfDisc()).size();
    ASSERT_GE(sheet.texts.size(), titleLines);
    for (size_t i = sheet.texts.size() - titleLines; i < sheet.texts.size(); ++i) {
        EXPECT_DOUBLE_EQ(sheet.texts[i].at.x, 0);
        EXPECT_LT(sheet.texts[i].at.y + sheet.texts[i].height, 0);
    }
    EXPECT_EQ(sheet.texts.back().text, "标记线：橙色 中心线");
}

TEST(PatternDxf, EveryWindowsPresetPatternLaysOutWithoutOverlaps) {
    for (const auto& entry : fittingEntries()) {
        const WindowDesign& design = entry.design();
        SCOPED_TRACE(design.objectName);
        ASSERT_TRUE(design.pattern);
        const PatternExport e = design.pattern(design.presetState());
        ASSERT_FALSE(e.rejected());
        const cad::PatternSheet sheet = cad::layOutPattern(e);
        ASSERT_EQ(sheet.pieces.size(), e.pattern.pieces.size());
        for (size_t i = 0; i < sheet.pieces.size(); ++i)
            for (size_t j = i + 1; j < sheet.pieces.size(); ++j)
                EXPECT_FALSE(sheet.pieces[i].overlaps(sheet.pieces[j])) << i << " and " << j;
        // Texts no smaller than the smallest a CAD program shows readably at full size.
        EXPECT_GE(sheet.textHeight, 2.5);
        EXPECT_GE(sheet.extents.maxX, sheet.pieces.back().maxX);
    }
}

TEST(PatternDxf, AFailedSaveThrowsAndLeavesTheFileAsItWas) {
    const fs::path missing = scratch("no_such_folder") / "x.dxf";
    try {
        cad::savePatternDxf(halfDisc(), missing.string());
        FAIL() << "saved into a missing folder";
    } catch (const cad::SaveError& e) {
        EXPECT_EQ(e.code(), ENOENT);
        EXPECT_EQ(cad::saveFailureText("无法保存展开图：", "/a/x.dxf", e.code(), "why"),
                  "无法保存展开图：\n/a/x.dxf\n\n文件夹不存在。\n（why）");
    }
    // Replacing: the old file goes only when the new one is complete, and no
    // temporary file stays beside it.
    const fs::path path = scratch("replace.dxf");
    { std::ofstream(path) << "old"; }
    cad::savePatternDxf(halfDisc(), path.string());
    EXPECT_NE(readAll(path), "old");
    for (const auto& f : fs::directory_iterator(path.parent_path()))
        EXPECT_EQ(f.path().filename().string().rfind(".replace.dxf.", 0), std::string::npos) << f.path();
}

}  // namespace
}  // namespace korvel
