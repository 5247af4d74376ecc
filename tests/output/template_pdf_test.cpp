// The full-size template as a PDF: page count and size, the check square's
// true 100 mm read back from the file, the listing and title block in the text
// of the first page, windows covering the pattern, the same bytes for the same
// inputs, and the listing that goes with each fitting's pattern.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "core/catalogue.h"
#include "output/dxf_file.h"
#include "output/pdf_tools.h"
#include "output/template_pdf.h"
#include "support/files.h"

namespace korvel {
namespace {

namespace fs = std::filesystem;
using testing::pdfInfo;
using testing::pdfText;
using testing::squeezed;

const WindowDesign& designOf(const std::string& patternName) {
    for (const auto& entry : fittingEntries())
        if (entry.design().patternName == patternName) return entry.design();
    throw std::runtime_error("no window for " + patternName);
}

PrintedTemplate presetTemplate(const std::string& fitting, const std::string& paper,
                               const std::map<std::string, std::string>& texts = {}) {
    const WindowDesign& design = designOf(fitting);
    FormState state = design.presetState();
    for (const auto& [key, text] : texts) state.texts[key] = text;
    return makeTemplate(design, state, *paperSize(paper));
}

class TemplatePdf : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = testing::freshTestDir("korvel_template_");
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string save(const PrintedTemplate& t, const std::string& name) {
        const std::string path = (dir_ / name).string();
        saveTemplatePdf(t, path);
        return path;
    }
    fs::path dir_;
};

TEST_F(TemplatePdf, PageCountAndPageSizeForPatternAndPaper) {
    struct Case {
        std::string fitting, paper, size;  // pdfinfo's page size, portrait
        std::string landscapeSize;
    };
    const std::vector<Case> cases = {
        {"cone", "A3", "842 x 1191 pts (A3)", "1191 x 842 pts (A3)"},
        {"ytee", "A1", "1684 x 2384 pts (A1)", "2384 x 1684 pts (A1)"},
        {"rect-frustum", "A0", "2384 x 3370 pts (A0)", "3370 x 2384 pts (A0)"},
        {"elbow", "Letter", "612 x 792 pts (letter)", "792 x 612 pts (letter)"},
    };
    // The elbow smaller than its preset: fewer pages to write.
    const std::map<std::string, std::string> smallElbow = {{"Text1", "300"}, {"Text2", "450"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fitting + " " + c.paper);
        const PrintedTemplate t =
            presetTemplate(c.fitting, c.paper, c.fitting == "elbow" ? smallElbow : std::map<std::string, std::string>{});
        ASSERT_FALSE(t.rejected());
        EXPECT_EQ(t.pageCount(), t.infoPages + t.tiles.printedPages());
        const std::string path = save(t, c.fitting + ".pdf");
        EXPECT_EQ(pdfInfo(path, "Pages"), std::to_string(t.pageCount()));
        EXPECT_EQ(pdfInfo(path, "Page size"), t.tiles.landscape ? c.landscapeSize : c.size);
    }
    // The cone's preset (frustum 1000/500, 500 high) on A3: its sector,
    // 1186 x 2238 mm, on 9 rows of 5 A3 pages; the corners its arcs leave
    // empty are not printed.
    const PrintedTemplate cone = presetTemplate("cone", "A3");
    EXPECT_EQ(cone.infoPages, 1);
    EXPECT_EQ(cone.tiles.rows, 9);
    EXPECT_EQ(cone.tiles.columns, 5);
    EXPECT_EQ(cone.pageCount(), 1 + 36);
    EXPECT_FALSE(cone.tiles.page("B1")->printed);
    EXPECT_TRUE(cone.tiles.page("A1")->printed) << "the piece's name stands on it";
    EXPECT_TRUE(cone.tiles.page("B2")->printed);
    EXPECT_EQ(cone.tiles.page("B2")->left, "") << "no neighbour that is not printed";
}

TEST_F(TemplatePdf, TheOrientationWithFewerPagesInAllInformationPagesCounted) {
    // A small, long elbow: its pattern alone goes on fewer landscape pages,
    // but landscape pages hold too few lines of the listing.
    const PrintedTemplate t = presetTemplate("elbow", "A4", {{"Text1", "60"}, {"Text2", "90"}, {"Text3", "30"}});
    ASSERT_FALSE(t.rejected());
    EXPECT_TRUE(tileTemplate(t.tiles.extent, *paperSize("A4")).landscape);
    EXPECT_FALSE(t.tiles.landscape);
    EXPECT_EQ(t.infoPages, 2);
    EXPECT_EQ(t.pageCount(), 5) << "7 in landscape";
}

TEST_F(TemplatePdf, OnlyPagesThatHoldNothingAreLeftOut) {
    const PrintedTemplate t = presetTemplate("cone", "A3");
    // Every outline vertex and every marking line's end lies on a printed page.
    const auto onPrinted = [&t](double x, double y) {
        for (const TemplatePage& p : t.tiles.pages)
            if (p.printed && x >= p.window.minX && x <= p.window.maxX && y >= p.window.minY && y <= p.window.maxY)
                return true;
        return false;
    };
    for (const Polyline& line : t.sheet.outlines)
        for (const Vertex& v : line.vertices) EXPECT_TRUE(onPrinted(v.x, v.y)) << v.x << ", " << v.y;
    for (const MarkLine& m : t.sheet.marks) {
        EXPECT_TRUE(onPrinted(m.from.x, m.from.y));
        EXPECT_TRUE(onPrinted(m.to.x, m.to.y));
    }
    int leftOut = 0;
    for (const TemplatePage& p : t.tiles.pages) leftOut += p.printed ? 0 : 1;
    EXPECT_EQ(leftOut, 9);
    const std::string text = pdfText(save(t, "cone.pdf"), 1, 1);
    EXPECT_NE(text.find("9 行 × 5 列共 36 页（9 页空白，不印）"), std::string::npos);
}

TEST_F(TemplatePdf, TheCheckSquareMeasures100MillimetresInThePdfOnEveryKindOfPage) {
    const PrintedTemplate t = presetTemplate("cone", "A3");
    const std::string path = save(t, "cone.pdf");
    const MmRect square = checkSquareRect(t.tiles);
    for (int page : {1, 2, t.pageCount()}) {
        SCOPED_TRACE(page);
        const auto rects = testing::strokedRects(path, page, "0.3");
        ASSERT_EQ(rects.size(), 1u) << "the check square is the one rectangle stroked 0.3 mm wide";
        constexpr double mmPerPoint = 25.4 / 72;
        EXPECT_NEAR(rects[0].width * mmPerPoint, 100, 0.01);
        EXPECT_NEAR(rects[0].height * mmPerPoint, 100, 0.01);
        EXPECT_NEAR(rects[0].left * mmPerPoint, square.left, 0.01);
        EXPECT_NEAR(rects[0].top * mmPerPoint, square.top, 0.01);
    }
    // Its size written beside it, on every page.
    for (int page : {1, 2, t.pageCount()}) {
        const std::string text = pdfText(path, page, page);
        EXPECT_NE(text.find("检验方框"), std::string::npos) << page;
        EXPECT_NE(text.find("100 mm × 100 mm"), std::string::npos) << page;
    }
}

TEST_F(TemplatePdf, ThePageWindowsCoverThePatternLaidOutAsInTheDxf) {
    for (const char* fitting : {"elbow", "tee", "transition-rect-top"}) {
        SCOPED_TRACE(fitting);
        const PrintedTemplate t = presetTemplate(fitting, "A2");
        ASSERT_FALSE(t.rejected());
        const cad::PatternSheet dxf = cad::layOutPattern(t.pattern);
        ASSERT_EQ(t.sheet.outlines.size(), dxf.outlines.size());
        for (const cad::Box& piece : dxf.pieces) {
            // Every piece lies inside the union of the windows.
            EXPECT_GE(piece.minX, t.tiles.pages.front().window.minX);
            EXPECT_LE(piece.maxY, t.tiles.pages.front().window.maxY);
            EXPECT_LE(piece.maxX, t.tiles.pages.back().window.maxX);
            EXPECT_GE(piece.minY, t.tiles.pages.back().window.minY);
        }
        EXPECT_EQ(t.tiles.margins.overlap, 15);
        // The title block goes on the information page, not among the pieces.
        EXPECT_EQ(t.sheet.texts.size() - t.sheet.pieceTexts, cad::titleBlockLines(t.pattern).size());
    }
}

TEST_F(TemplatePdf, PageOneHoldsTheTitleBlockAndTheWindowsListing) {
    for (const char* fitting :
         {"elbow", "tee", "ytee", "rect-frustum", "transition-round-top", "transition-rect-top", "cone"}) {
        SCOPED_TRACE(fitting);
        const PrintedTemplate t = presetTemplate(fitting, "A1");
        ASSERT_EQ(t.infoPages, 1) << "on A1 all of it fits on the first page";
        const std::string path = save(t, std::string(fitting) + ".pdf");
        const std::string text = pdfText(path, 1, 1);
        for (const std::string& line : cad::titleBlockLines(t.pattern))
            EXPECT_NE(text.find(squeezed(line.substr(line.find_first_not_of(' ')))), std::string::npos) << line;
        ASSERT_FALSE(t.listing.empty());
        for (const ListingBlock& block : t.listing) {
            EXPECT_NE(text.find("窗口列表：" + block.command), std::string::npos);
            const auto lines = listingText(block);
            EXPECT_GT(lines.size(), 3u);
            for (const std::string& line : lines) {
                const std::string s = squeezed(line);
                const auto first = s.find_first_not_of(' ');
                EXPECT_NE(text.find(s.substr(first == std::string::npos ? 0 : first)), std::string::npos) << line;
            }
        }
        EXPECT_NE(text.find("拼接图"), std::string::npos);
    }
}

TEST_F(TemplatePdf, OnSmallPaperTheListingRunsOnToFurtherInformationPages) {
    const PrintedTemplate t = presetTemplate("tee", "A4", {{"Text1(0)", "400"}, {"Text1(1)", "250"}});
    ASSERT_GT(t.infoPages, 1);
    EXPECT_EQ(static_cast<size_t>(t.infoPages),
              (t.infoRows.size() + static_cast<size_t>(t.rowsPerInfoPage) - 1) / static_cast<size_t>(t.rowsPerInfoPage));
    const std::string path = save(t, "tee.pdf");
    const std::string text = pdfText(path, 1, t.infoPages);
    for (const ListingBlock& block : t.listing)
        for (const std::string& line : listingText(block)) {
            const std::string s = squeezed(line);
            EXPECT_NE(text.find(s.substr(s.find_first_not_of(' '))), std::string::npos) << line;
        }
    // The first template page follows them, with its name and neighbours.
    const TemplatePage* page = nullptr;
    for (const TemplatePage& p : t.tiles.pages)
        if (page == nullptr && p.printed) page = &p;
    ASSERT_NE(page, nullptr);
    const std::string first = pdfText(path, t.infoPages + 1, t.infoPages + 1);
    EXPECT_NE(first.find(page->name), std::string::npos);
    for (const auto& [side, name] : std::vector<std::pair<std::string, std::string>>{
             {"上接 ", page->above}, {"下接 ", page->below}, {"左接 ", page->left}, {"右接 ", page->right}}) {
        if (name.empty()) EXPECT_EQ(first.find(side), std::string::npos) << side;
        else EXPECT_NE(first.find(side + name), std::string::npos) << side << name;
    }
}

TEST_F(TemplatePdf, TheSameInputsGiveTheSameBytes) {
    const PrintedTemplate t = presetTemplate("ytee", "A2");
    const QByteArray once = templatePdf(t);
    const QByteArray again = templatePdf(presetTemplate("ytee", "A2"));
    EXPECT_EQ(once, again);
    EXPECT_TRUE(once.startsWith("%PDF-"));
    EXPECT_TRUE(once.contains("/CreationDate (D:20000101000000"));
    EXPECT_FALSE(once.contains("xmp:CreateDate"));
    EXPECT_FALSE(once.contains("uuid:"));
    EXPECT_NE(once, templatePdf(presetTemplate("ytee", "A2", {{"Text1(0)", "600"}})));
}

TEST_F(TemplatePdf, RefusedInputsAndTooManyPagesGiveAMessageAndNoPages) {
    const PrintedTemplate refused = presetTemplate("cone", "A4", {{"Text1(3)", "500"}});
    ASSERT_TRUE(refused.rejected());
    ASSERT_FALSE(refused.rejection.effects.empty());
    EXPECT_EQ(std::get<ShowMessage>(refused.rejection.effects.front()).text,
              "钢板厚度不小于小端口外径，小端口没有中径，不能生成展开图！");
    EXPECT_TRUE(refused.tiles.pages.empty());

    const PrintedTemplate huge = presetTemplate("cone", "A4", {{"Text1(0)", "20000"}, {"Text1(1)", "30000"}});
    ASSERT_TRUE(huge.rejected());
    EXPECT_EQ(std::get<ShowMessage>(huge.rejection.effects.front()).text,
              "1:1 样板要 202 行 × 173 列的 A4 纸，超过 1000 页。\n请选更大的纸张，或导出展开图（DXF）。");
}

TEST_F(TemplatePdf, EachFittingsListingComesFromTheCommandsItsPiecesAreCutFrom) {
    const std::map<std::string, std::vector<std::string>> expected = {
        {"elbow", {"计算端节展开", "计算中节展开"}},
        {"tee", {"计算支管展开", "计算主管展开"}},
        {"ytee", {"计算管Ⅰ展开", "计算管Ⅱ展开"}},
        {"rect-frustum", {"计算展开"}},
        {"transition-round-top", {"计算展开计算"}},
        {"transition-rect-top", {"计算展开"}},
        {"cone", {"展开计算"}},
    };
    for (const auto& [fitting, commands] : expected) {
        SCOPED_TRACE(fitting);
        const WindowDesign& design = designOf(fitting);
        const auto blocks = templateListing(design, design.presetState());
        std::vector<std::string> names;
        for (const ListingBlock& b : blocks) names.push_back(b.command);
        EXPECT_EQ(names, commands);
        for (const ListingBlock& b : blocks) EXPECT_TRUE(b.messages.empty());
    }
    // The elbow's end section as its window shows it: the two boxes side by
    // side, the middle station in both.
    const WindowDesign& elbow = designOf("elbow");
    const auto blocks = templateListing(elbow, elbow.presetState());
    const auto lines = listingText(blocks[0]);
    EXPECT_EQ(blocks[0].headings, (std::vector<std::string>{"       端节实", "长数据"}));
    EXPECT_NE(std::find(lines.begin(), lines.end(), "L0 = 450 L8 = 450"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "管道周长 = 3519 mm   弯头重量 = 746 kg"), lines.end());
    // A surface listing keeps its columns' texts, a run of empty lines as one.
    const WindowDesign& transition = designOf("transition-round-top");
    const auto surface = templateListing(transition, transition.presetState())[0].surface;
    ASSERT_FALSE(surface.empty());
    for (size_t i = 1; i < surface.size(); ++i)
        EXPECT_FALSE(surface[i].items.empty() && surface[i - 1].items.empty()) << i;
    EXPECT_EQ(surface.front().items, (std::vector<TextItem>{{25, "西北角实线"}, {90, "东北角实线"}}));
}

TEST_F(TemplatePdf, SaveFailureLeavesTheFileAsItWas) {
    const PrintedTemplate t = presetTemplate("cone", "A0");
    try {
        saveTemplatePdf(t, (dir_ / "missing" / "x.pdf").string());
        FAIL() << "saved into a missing folder";
    } catch (const cad::SaveError& e) {
        EXPECT_EQ(e.code(), ENOENT);
    }
    if (::geteuid() == 0) return;  // root writes into a read-only folder
    const fs::path kept = dir_ / "kept.pdf";
    std::ofstream(kept) << "kept";
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THROW(saveTemplatePdf(t, kept.string()), cad::SaveError);
    fs::permissions(dir_, fs::perms::owner_all);
    std::ifstream in(kept);
    std::string content;
    in >> content;
    EXPECT_EQ(content, "kept");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1) << "no temporary file left";
}

}  // namespace
}  // namespace korvel
