// The flat-pattern DXF writer: what goes into the file (closed outlines with
// their bulges on CUT, marks on MARK, texts escaped on TEXT, millimetres) and
// the save through a temporary file.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>

#include "output/atomic_file.h"
#include "output/pattern_dxf.h"
#include "output/sample_pattern.h"
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
    PatternExport e = halfDisc();
    e.pattern.pieces[0].labels.push_back({{100, 40}, "45°", -1, "", true});  // a figure to mark
    cad::savePatternDxf(e, path.string());
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
    EXPECT_EQ(onLayer["TEXT"], (std::map<std::string, int>{{"MARK", 1}, {"TEXT", static_cast<int>(texts)}}));
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

// Past the range check, a number dxflib cannot print still stops the save.
TEST(PatternDxf, ANumberTheFileCannotHoldThrowsAndWritesNothing) {
    for (double x : {1e250, std::numeric_limits<double>::infinity()}) {
        PatternExport e = halfDisc();
        e.pattern.pieces[0].outline.vertices[0].x = x;
        const fs::path path = scratch("unprintable.dxf");
        try {
            cad::savePatternDxf(e, path.string());
            ADD_FAILURE() << "saved " << x;
        } catch (const cad::SaveError& error) {
            EXPECT_EQ(error.code(), ERANGE) << x;
        }
        EXPECT_FALSE(fs::exists(path)) << x;
    }
}

}  // namespace
}  // namespace korvel
