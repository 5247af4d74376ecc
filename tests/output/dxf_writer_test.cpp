// The DXF file as written: its group structure, the dimension style records,
// the dimensions with their blocks and overrides, and how saving fails
// without touching what was at the path.

#include "output/dxf_writer.h"
#include "support/files.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace korvel::cad {
namespace {

using testing::readAll;

namespace fs = std::filesystem;
constexpr double kQuarter = 3.14159265358979323846 / 2;

struct Group {
    int code;
    std::string value;
};

std::vector<Group> groups(const std::string& text) {
    std::vector<Group> out;
    std::istringstream in(text);
    std::string code, value;
    while (std::getline(in, code) && std::getline(in, value)) out.push_back({std::stoi(code), value});
    return out;
}

// The groups of the first object of `type` (group 0) after `from`, whose
// group `key` reads `name` when given.
std::vector<Group> object(const std::vector<Group>& all, const std::string& type, int key = -1,
                          const std::string& name = "") {
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].code != 0 || all[i].value != type) continue;
        std::vector<Group> one{all[i]};
        for (std::size_t k = i + 1; k < all.size() && all[k].code != 0; ++k) one.push_back(all[k]);
        if (key < 0) return one;
        for (const Group& g : one)
            if (g.code == key && g.value == name) return one;
    }
    return {};
}

// The groups of one section, from its name to its ENDSEC.
std::vector<Group> section(const std::vector<Group>& all, const std::string& name) {
    for (std::size_t i = 0; i + 1 < all.size(); ++i) {
        if (all[i].value != "SECTION" || all[i + 1].value != name) continue;
        std::vector<Group> out;
        for (std::size_t k = i + 2; k < all.size() && all[k].value != "ENDSEC"; ++k) out.push_back(all[k]);
        return out;
    }
    return {};
}

std::string value(const std::vector<Group>& one, int code) {
    for (const Group& g : one)
        if (g.code == code) return g.value;
    return "<none>";
}

// A separate folder for each test.
class DxfWriter : public testing::FolderTest {
protected:
    // Two generatrix labels and an overall dimension, as the elbow draws them.
    static void draw(DxfApplication& app) {
        Document& doc = app.activeDocument();
        DimStyle& style = doc.dimStyles().add("dimStyle");
        doc.setActiveDimStyle(style);
        doc.setVariable("DimDec", 0);
        doc.setVariable("DimTxt", 24);
        doc.setVariable("DimClrT", 120);
        for (const char* name : {"DimSE1", "DimSE2", "DimSD1", "DimSD2"}) doc.setVariable(name, 1);
        doc.setVariable("DimASz", 0);
        style.copyFrom(doc);
        ModelSpace& space = doc.modelSpace();
        space.addLine({0, 0, 0}, {0, 392.73, 0});
        space.addDimRotated({0, 0, 0}, {0, 392.73, 0}, {0, 0, 0}, kQuarter);
        space.addLightWeightPolyline({0, 392.73, 219.9, 344.05}).setColor(kColourByBlock);
        for (const char* name : {"DimSE1", "DimSE2", "DimSD1", "DimSD2"}) doc.setVariable(name, 0);
        doc.setVariable("DimASz", 20);
        doc.setVariable("DimPost", std::string("mm (周长)"));
        style.copyFrom(doc);
        space.addDimRotated({0, 0, 0}, {3518.58, 0, 0}, {0, -20, 0}, 0).setColor(kColourGreen);
        Text& t = space.addText("钢管外径φ=1120\nmm", {0, -80, 0}, 19);
        t.rotate(t.insertionPoint(), kQuarter);
        app.zoomExtents();
    }
};

TEST_F(DxfWriter, WritesOneValueALineInPrintableAscii) {
    DxfApplication app;
    draw(app);
    saveDxf(app.document(), (dir_ / "a.dxf").string());
    const std::string text = readAll(dir_ / "a.dxf");
    for (unsigned char c : text) ASSERT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F)) << int(c);
    const std::vector<Group> all = groups(text);
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.back().code, 0);
    EXPECT_EQ(all.back().value, "EOF");
    EXPECT_EQ(value(object(all, "SECTION"), 2), "HEADER");
    const auto acadver = std::find_if(all.begin(), all.end(), [](const Group& g) { return g.value == "$ACADVER"; });
    ASSERT_NE(acadver, all.end());
    EXPECT_EQ((acadver + 1)->value, "AC1015");  // AutoCAD 2000

    // The text: escaped, on one line, turned upright (degrees in the file).
    const std::vector<Group> entities = section(all, "ENTITIES");
    const std::vector<Group> t = object(entities, "TEXT");
    EXPECT_EQ(value(t, 1), "\\U+94A2\\U+7BA1\\U+5916\\U+5F84\\U+03C6=1120\\U+25A1mm");
    EXPECT_EQ(std::stod(value(t, 40)), 19);
    EXPECT_NEAR(std::stod(value(t, 50)), 90, 1e-9);
    EXPECT_EQ(value(t, 62), "256");
    EXPECT_EQ(value(object(entities, "LWPOLYLINE"), 62), "0");
    EXPECT_EQ(value(object(entities, "LWPOLYLINE"), 90), "2");
}

TEST_F(DxfWriter, DimensionsCarryTheirBlockStyleAndMeasurement) {
    DxfApplication app;
    draw(app);
    saveDxf(app.document(), (dir_ / "a.dxf").string());
    const std::vector<Group> all = groups(readAll(dir_ / "a.dxf"));

    const std::vector<Group> label = object(all, "DIMENSION", 2, "*D1");
    ASSERT_FALSE(label.empty());
    EXPECT_EQ(value(label, 3), "dimStyle");
    EXPECT_NEAR(std::stod(value(label, 42)), 392.73, 1e-9);
    EXPECT_NEAR(std::stod(value(label, 50)), 90, 1e-9);
    EXPECT_EQ(value(label, 70), "32");
    EXPECT_EQ(std::stod(value(label, 24)), 392.73);  // second extension point
    EXPECT_EQ(value(label, 62), "256");

    // Its block: anonymous, holding only the value, in colour 120.
    const std::vector<Group> blocks = section(all, "BLOCKS");
    EXPECT_EQ(value(object(blocks, "BLOCK", 2, "*D1"), 70), "1");
    std::vector<std::string> inside;
    std::vector<Group> blockText;
    bool inBlock = false;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        if (blocks[i].code == 2 && blocks[i].value == "*D1") inBlock = true;
        if (!inBlock || blocks[i].code != 0) continue;
        if (blocks[i].value == "ENDBLK") break;
        inside.push_back(blocks[i].value);
        if (blocks[i].value == "TEXT") blockText = object({blocks.begin() + static_cast<long>(i), blocks.end()}, "TEXT");
    }
    EXPECT_EQ(inside, std::vector<std::string>{"TEXT"});
    EXPECT_EQ(value(blockText, 1), "393");
    EXPECT_EQ(value(blockText, 62), "120");
    EXPECT_EQ(value(blockText, 72), "1");  // centred
    EXPECT_EQ(value(blockText, 73), "2");  // on its middle

    // The generatrix label was added under other values than the style's
    // last ones: it carries them as overrides.
    std::string overrides;
    bool in = false;
    for (const Group& g : label) {
        if (g.code == 1002) in = g.value == "{";
        else if (in) overrides += std::to_string(g.code) + ":" + g.value + " ";
    }
    EXPECT_NE(overrides.find("1070:3 1000: "), std::string::npos) << overrides;   // DIMPOST ""
    EXPECT_NE(overrides.find("1070:41 1040:0.0 "), std::string::npos) << overrides;  // DIMASZ 0
    EXPECT_NE(overrides.find("1070:75 1070:1 "), std::string::npos) << overrides;  // DIMSE1 1
    EXPECT_NE(overrides.find("1070:281 1070:1 "), std::string::npos) << overrides;  // DIMSD1 1

    const std::vector<Group> overall = object(all, "DIMENSION", 2, "*D2");
    EXPECT_EQ(value(overall, 62), "3");
    EXPECT_EQ(value(overall, 1001), "<none>") << "added under the style's own values";
    EXPECT_NEAR(std::stod(value(overall, 42)), 3518.58, 1e-9);

    const std::vector<Group> style = object(all, "DIMSTYLE", 2, "dimStyle");
    EXPECT_EQ(value(style, 3), "mm (\\U+5468\\U+957F)");
    EXPECT_EQ(std::stod(value(style, 140)), 24);
    EXPECT_EQ(std::stod(value(style, 41)), 20);
    EXPECT_EQ(value(style, 75), "0");
    EXPECT_EQ(value(style, 178), "120");
    EXPECT_FALSE(object(all, "DIMSTYLE", 2, "Standard").empty());
}

TEST_F(DxfWriter, ReplacesAnExistingFileAndKeepsItsPermissions) {
    const fs::path path = dir_ / "a.dxf";
    std::ofstream(path) << "old";
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    DxfApplication app;
    draw(app);
    saveDxf(app.document(), path.string());
    EXPECT_NE(readAll(path).find("EOF"), std::string::npos);
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(names(), std::set<std::string>{"a.dxf"}) << "no temporary file is left";
}

TEST_F(DxfWriter, AFolderThatIsNotThereFailsWithItsCause) {
    DxfApplication app;
    draw(app);
    try {
        saveDxf(app.document(), (dir_ / "missing" / "a.dxf").string());
        FAIL() << "saved into a missing folder";
    } catch (const SaveError& e) {
        EXPECT_EQ(e.code(), ENOENT);
        EXPECT_NE(std::string(e.what()).find("missing"), std::string::npos);
    }
    EXPECT_TRUE(names().empty());
}

TEST_F(DxfWriter, AFolderInTheWayIsNotReplaced) {
    fs::create_directories(dir_ / "a.dxf" / "inside");
    DxfApplication app;
    draw(app);
    EXPECT_THROW(saveDxf(app.document(), (dir_ / "a.dxf").string()), SaveError);
    EXPECT_TRUE(fs::is_directory(dir_ / "a.dxf" / "inside"));
    EXPECT_EQ(names(), std::set<std::string>{"a.dxf"});
}

// A disk that fills up while writing, as a file-size limit stands in for it.
TEST_F(DxfWriter, ADiskFullLeavesTheOldFileAsItWas) {
    const fs::path path = dir_ / "a.dxf";
    std::ofstream(path) << "the user's drawing";
    DxfApplication app;
    draw(app);

    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit small = before;
    small.rlim_cur = 4096;
    const auto previous = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    int code = 0;
    try {
        saveDxf(app.document(), path.string());
    } catch (const SaveError& e) {
        code = e.code();
    }
    setrlimit(RLIMIT_FSIZE, &before);
    signal(SIGXFSZ, previous);

    EXPECT_EQ(code, ENOSPC);
    EXPECT_EQ(readAll(path), "the user's drawing");
    EXPECT_EQ(names(), std::set<std::string>{"a.dxf"});
}

}  // namespace
}  // namespace korvel::cad
