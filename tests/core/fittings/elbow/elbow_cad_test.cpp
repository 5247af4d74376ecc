// The elbow's CAD export: the calls it makes on the CAD interface, in order
// (dimension style and variables, pattern, dimensions, texts, zoom), the size
// ladder, its checks, the file it writes and the name it suggests.

#include "core/fittings/elbow/elbow_cad.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <map>

#include "core/fittings/elbow/elbow_commands.h"
#include "core/fittings/elbow/elbow_design.h"
#include "output/dxf_writer.h"
#include "support/files.h"
#include "support/outcomes.h"

namespace korvel {
namespace {

namespace fs = std::filesystem;

const testing::WindowState state{&elbowDesign};

std::string fixed(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", v);
    return buffer;
}
std::string at(const cad::Point& p) { return fixed(p.x) + "," + fixed(p.y); }
std::string degrees(double radians) { return fixed(radians * 180 / 3.14159265358979323846); }
std::string shown(const cad::Variable& v) {
    if (const int* i = std::get_if<int>(&v)) return "int " + std::to_string(*i);
    if (const double* d = std::get_if<double>(&v)) return "real " + fixed(*d);
    return "text '" + std::get<std::string>(v) + "'";
}

// A CAD back end that writes down every call, one line each.
class Recorder final : public cad::Application,
                       cad::Document,
                       cad::DimStyles,
                       cad::DimStyle,
                       cad::ModelSpace {
public:
    std::vector<std::string> calls;

    void setVisible(bool visible) override { log(visible ? "visible" : "hidden"); }
    cad::Document& activeDocument() override {
        log("document");
        return *this;
    }
    void zoomExtents() override { log("zoom extents"); }

    cad::DimStyles& dimStyles() override { return *this; }
    cad::DimStyle& add(const std::string& name) override {
        log("add style " + name);
        name_ = name;
        return *this;
    }
    void setActiveDimStyle(cad::DimStyle& style) override { log("active style " + style.name()); }
    void setVariable(const std::string& name, const cad::Variable& value) override {
        log("set " + name + " " + shown(value));
    }
    cad::Variable getVariable(const std::string&) const override { return 0; }
    cad::ModelSpace& modelSpace() override { return *this; }

    const std::string& name() const override { return name_; }
    void copyFrom(const cad::Document&) override { log("copy into " + name_); }

    cad::Entity& addLine(const cad::Point& a, const cad::Point& b) override {
        return entity("line " + at(a) + " " + at(b));
    }
    cad::Entity& addDimRotated(const cad::Point& a, const cad::Point& b, const cad::Point& location,
                               double rotation) override {
        return entity("dim " + at(a) + " " + at(b) + " at " + at(location) + " " + degrees(rotation));
    }
    cad::Entity& addLightWeightPolyline(const std::vector<double>& xy) override {
        std::string line = "polyline";
        for (size_t i = 0; i < xy.size(); i += 2) line += " " + fixed(xy[i]) + "," + fixed(xy[i + 1]);
        return entity(line);
    }
    cad::Text& addText(const std::string& text, const cad::Point& p, double height) override {
        texts_.push_back(std::make_unique<RecordedText>(*this, p));
        log("text '" + text + "' " + at(p) + " h" + fixed(height));
        return *texts_.back();
    }

private:
    struct RecordedEntity : cad::Text {
        RecordedEntity(Recorder& r, cad::Point p) : recorder(r), point(p) {}
        void setColor(int colour) override { recorder.log("  colour " + std::to_string(colour)); }
        int color() const override { return 256; }
        void rotate(const cad::Point& base, double radians) override {
            recorder.log("  rotate about " + at(base) + " by " + degrees(radians));
        }
        cad::Point insertionPoint() const override { return point; }
        Recorder& recorder;
        cad::Point point;
    };
    using RecordedText = RecordedEntity;

    void log(const std::string& call) { calls.push_back(call); }
    cad::Entity& entity(const std::string& call) {
        log(call);
        texts_.push_back(std::make_unique<RecordedEntity>(*this, cad::Point{}));
        return *texts_.back();
    }

    std::string name_;
    std::vector<std::unique_ptr<RecordedEntity>> texts_;
};

std::vector<std::string> slice(const std::vector<std::string>& v, size_t from, size_t count) {
    return {v.begin() + static_cast<long>(from), v.begin() + static_cast<long>(std::min(v.size(), from + count))};
}

size_t countStarting(const std::vector<std::string>& calls, const std::string& prefix) {
    size_t n = 0;
    for (const auto& c : calls)
        if (c.rfind(prefix, 0) == 0) ++n;
    return n;
}

TEST(ElbowCad, StyleAndVariablesComeFirstForValueOnlyLabels) {
    Recorder r;
    drawElbowCad(state(), r);
    const std::vector<std::string> expected = {
        "visible",
        "document",
        "add style dimStyle",
        "active style dimStyle",
        "set DimScale real 1.00",
        "set DimDec int 0",
        "set DimTxt int 24",
        "set DimASz int 0",
        "set DimExe int 0",
        "set DimExO int 0",
        "set DimTIH int 0",
        "set DimSD1 int 1",
        "set DimSD2 int 1",
        "set DimSE1 int 1",
        "set DimSE2 int 1",
        "set DimPost text ''",
        "set DimClrT int 120",
        "copy into dimStyle",
        "line 3518.58,0.00 0.00,0.00",
        "line 0.00,0.00 0.00,450.15",
        "dim 0.00,0.00 0.00,450.15 at 0.00,0.00 90.00",
        "line 219.91,0.00 219.91,392.73",
    };
    EXPECT_EQ(slice(r.calls, 0, expected.size()), expected);
}

TEST(ElbowCad, PresetPatternOutlinesAndDimensionsInTheirOrder) {
    Recorder r;
    drawElbowCad(state(), r);
    const auto& c = r.calls;
    // Base line, 17 generatrices with their labels, the end outline, 17 more
    // with labels, the upper outline, two overall dimensions.
    ASSERT_GE(c.size(), 19u + 34 + 2 + 34 + 2);
    EXPECT_EQ(c[19 + 2 * 4], "line 879.65,0.00 879.65,300.10");  // j = 4, the inner side
    EXPECT_EQ(c[19 + 2 * 12 + 1], "dim 2638.94,0.00 2638.94,600.21 at 2638.94,0.00 90.00");  // outer side
    EXPECT_EQ(c[53].substr(0, 35), "polyline 0.00,450.15 219.91,392.73 ");
    EXPECT_NE(c[53].find(" 879.65,300.10 "), std::string::npos);
    EXPECT_NE(c[53].find(" 2638.94,600.21 "), std::string::npos);
    EXPECT_EQ(c[53].substr(c[53].size() - 15), " 3518.58,450.15");
    EXPECT_EQ(c[54], "  colour 0");
    // Middle section: from the end section's cut up to its own.
    EXPECT_EQ(c[55], "line 0.00,450.15 0.00,1350.46");
    EXPECT_EQ(c[56], "dim 0.00,450.15 0.00,1350.46 at 0.00,0.00 90.00");
    EXPECT_EQ(c[55 + 2 * 4], "line 879.65,300.10 879.65,1500.52");   // longest: 2 (R + r) T = 1200.41
    EXPECT_EQ(c[55 + 2 * 12], "line 2638.94,600.21 2638.94,1200.41");  // shortest: 2 (R - r) T = 600.21
    EXPECT_NE(c[89].find(" 879.65,1500.52 "), std::string::npos);
    EXPECT_NE(c[89].find(" 2638.94,1200.41 "), std::string::npos);
    EXPECT_EQ(c[90], "  colour 0");
    const std::vector<std::string> overall = {
        "set DimSE1 int 0",
        "set DimSE2 int 0",
        "set DimASz int 20",
        "set DimSD1 int 0",
        "set DimSD2 int 0",
        "set DimPost text 'mm (周长)'",
        "copy into dimStyle",
        "dim 0.00,0.00 3518.58,0.00 at 0.00,-20.00 0.00",
        "  colour 3",
        "set DimPost text 'mm'",
        "copy into dimStyle",
        "dim 0.00,0.00 219.91,0.00 at 0.00,-40.00 0.00",
        "  colour 3",
        "set DimPost text ''",
    };
    EXPECT_EQ(slice(c, 91, overall.size()), overall);
    EXPECT_EQ(countStarting(c, "line "), 35u);
    EXPECT_EQ(countStarting(c, "dim "), 36u);
    EXPECT_EQ(countStarting(c, "polyline "), 2u);
    EXPECT_EQ(countStarting(c, "text "), 19u);
}

TEST(ElbowCad, TextsStandUprightAboveTheMiddleSectionThenTheSummaryBelow) {
    Recorder r;
    drawElbowCad(state(), r);
    const auto& c = r.calls;
    const size_t first = 105;
    EXPECT_EQ(c[first], "text 'D1=220' 219.91,1417.89 h19.00");
    EXPECT_EQ(c[first + 1], "  rotate about 219.91,1417.89 by 90.00");
    EXPECT_EQ(c[first + 2 * 15], "text 'D16=3519' 3518.58,1360.46 h19.00");
    EXPECT_EQ(c[first + 32], "text 'D0=圆周长等份累加数' 0.00,1360.46 h19.00");
    EXPECT_EQ(c[first + 33], "  rotate about 0.00,1360.46 by 90.00");
    EXPECT_EQ(c[first + 34],
              "text '“任意角度弯头展开放样”钢管外径φ=1120mm ：弯曲半径R=1680mm ：弯曲角度=90度  ：端节角度=15度 "
              "：弯头节数=4节 ：端节下料2个 ：中间节下料个数=2个 ：' 0.00,-80.00 h19.00");
    EXPECT_EQ(c[first + 35],
              "text '中间节下料展开等于端节展开图以水平直线为基准对称组合，程序按成品钢管外直径计算,"
              "与板厚无关，用板材下料卷成品管将外直径改为中径输入。' 0.00,-110.00 h19.00");
    EXPECT_EQ(c[first + 36], "zoom extents");
    EXPECT_EQ(c.size(), first + 37);
}

TEST(ElbowCad, TheSummaryQuotesTheBoxesAsTypedAndDecimalsShowInTexts) {
    Recorder r;
    drawElbowCad(state({{"Text1", "1120.0"}, {"Text2", "1680mm"}, {"Text3", " 60"}, {"Combo2", "5"}}, true), r);
    const std::string summary = r.calls[r.calls.size() - 3];
    EXPECT_NE(summary.find("φ=1120.0mm ：弯曲半径R=1680mmmm ：弯曲角度= 60度  ：端节角度=7.5度 ：弯头节数=5节 "
                           "：端节下料2个 ：中间节下料个数=3个 ："),
              std::string::npos)
        << summary;
    EXPECT_NE(std::find(r.calls.begin(), r.calls.end(), "set DimDec int 2"), r.calls.end());
    EXPECT_EQ(countStarting(r.calls, "text 'D1=219.91' "), 1u);
}

TEST(ElbowCad, SizeLadderStepsWithTheDiameter) {
    struct Case {
        double D;
        int dimensionText, text;
    };
    const Case cases[] = {{0.5, 8, 8},      {99, 8, 8},       {99.5, 28, 21},   {100, 9, 9},
                          {650, 14, 14},    {700, 16, 15},    {899, 18, 16},    {999.9, 28, 21},
                          {1000, 22, 18},   {1120, 24, 19},   {1299, 26, 20},   {1300, 28, 21}};
    for (const Case& c : cases) {
        EXPECT_EQ(elbowCadSizes(c.D).dimensionText, c.dimensionText) << c.D;
        EXPECT_EQ(elbowCadSizes(c.D).text, c.text) << c.D;
    }
}

TEST(ElbowCad, ChecksAreThePatternCommandsOwn) {
    EXPECT_FALSE(checkElbowCad(state()).has_value());
    const std::map<std::string, std::string> invalid[] = {
        {{"Text1", ""}}, {{"Text1", "0"}},   {{"Text2", ""}},      {{"Text2", "500"}},
        {{"Text3", ""}}, {{"Text3", "-1"}}, {{"Combo2", "1"}},    {{"Text3", "180"}, {"Combo2", "2"}},
        {{"Text1", "1e999"}}, {{"Combo1", "10"}},
    };
    for (const auto& changes : invalid) {
        const FormState s = state(changes);
        const auto rejection = checkElbowCad(s);
        ASSERT_TRUE(rejection.has_value()) << changes.begin()->first << "=" << changes.begin()->second;
        EXPECT_TRUE(rejection->stopped);
        // The same message, emptied box and focus as the end-section command,
        // and nothing else: the surface and the listings stay.
        std::vector<Effect> own;
        for (const Effect& e : elbowEnd(s).effects)
            if (std::holds_alternative<ShowMessage>(e) || std::holds_alternative<SetBoxText>(e) ||
                std::holds_alternative<FocusBox>(e))
                own.push_back(e);
        EXPECT_EQ(rejection->effects, own);
        ASSERT_FALSE(own.empty());
        EXPECT_TRUE(std::holds_alternative<ShowMessage>(own.front()));
    }
    EXPECT_EQ(std::get<ShowMessage>(checkElbowCad(state({{"Text1", ""}}))->effects[0]).text, "管道外径不能为空！\n");
}

using ElbowCadFile = testing::FolderTest;

TEST_F(ElbowCadFile, InvalidInputWritesNoFile) {
    const fs::path path = dir_ / "elbow.dxf";
    const auto refusal = cad::saveCadDrawing(elbowDesign().cad, state({{"Combo2", "1"}}), path.string());
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(std::get<ShowMessage>(refusal->effects.at(0)).text, "弯头节数必须是2以上的整数！");
    // A girth of π × 0.0001 mm passes the window's checks but draws nothing to cut.
    for (const char* tiny : {"0.0001", "1e-320"}) {
        const auto flat = cad::saveCadDrawing(elbowDesign().cad, state({{"Text1", tiny}}), path.string());
        ASSERT_TRUE(flat.has_value()) << tiny;
        EXPECT_EQ(std::get<ShowMessage>(flat->effects.at(0)).text,
                  "CAD展开图的宽度或高度不到 0.001 mm，不能生成CAD展开图！");
    }
    EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(ElbowCadFile, ValidInputWritesTheDrawing) {
    const fs::path path = dir_ / "elbow.dxf";
    EXPECT_FALSE(cad::saveCadDrawing(elbowDesign().cad, state(), path.string()).has_value());
    EXPECT_GT(fs::file_size(path), 10000u);
}

TEST_F(ElbowCadFile, AMissingFolderFailsWithAClearReason) {
    const std::string path = (dir_ / "gone" / "elbow.dxf").string();
    try {
        cad::saveCadDrawing(elbowDesign().cad, state(), path);
        FAIL() << "written";
    } catch (const cad::SaveError& e) {
        EXPECT_EQ(e.code(), ENOENT);
        const std::string text = cad::saveFailureText("无法保存CAD展开图：", path, e.code(), e.what());
        EXPECT_EQ(text.rfind("无法保存CAD展开图：\n" + path + "\n\n文件夹不存在。\n（", 0), 0u) << text;
    }
}

TEST(ElbowCad, SuggestedFileNameNamesDiameterRadiusAndAngle) {
    EXPECT_EQ(elbowCadFileName(state()), "弯头_D1120_R1680_90度.dxf");
    EXPECT_EQ(elbowCadFileName(state({{"Text1", "1120/2"}, {"Text3", "22.5°"}})), "弯头_D1120_R1680_22.5度.dxf");
}

}  // namespace
}  // namespace korvel
