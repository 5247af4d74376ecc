// The full-size template as a PDF: page count and size, the check square's
// true 100 mm read back from the file, the listing and title block in the text
// of the first page, the pages left out, the same bytes for the same inputs,
// a failed save, and the progress and cancel between pages.

#include <gtest/gtest.h>

#include <atomic>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>

#include <unistd.h>

#include "output/atomic_file.h"
#include "output/pdf_tools.h"
#include "output/template_presets.h"
#include "output/template_painter.h"
#include "output/template_pdf.h"
#include "support/files.h"

namespace korvel {
namespace {

namespace fs = std::filesystem;
using testing::pdfInfo;
using testing::pdfText;
using testing::squeezed;

class TemplatePdf : public testing::FolderTest {
protected:
    std::string save(const PrintedTemplate& t, const std::string& name) {
        saveTemplatePdf(t, file(name));
        return file(name);
    }
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
    // 1186 x 2238 mm, on 6 rows of 5 A3 pages (windows 268 x 386 mm); the
    // corner its arc leaves empty and a page in the sector's hollow are not
    // printed.
    const PrintedTemplate cone = presetTemplate("cone", "A3");
    EXPECT_EQ(cone.infoPages, 1);
    EXPECT_EQ(cone.tiles.rows, 6);
    EXPECT_EQ(cone.tiles.columns, 5);
    EXPECT_EQ(cone.pageCount(), 1 + 28);
    EXPECT_FALSE(cone.tiles.page("F1")->printed);
    EXPECT_FALSE(cone.tiles.page("D4")->printed);
    EXPECT_TRUE(cone.tiles.page("A1")->printed) << "the piece's name stands on it";
    EXPECT_TRUE(cone.tiles.page("E1")->printed);
    EXPECT_EQ(cone.tiles.page("E1")->below, "") << "no neighbour that is not printed";
    EXPECT_EQ(cone.tiles.page("D3")->right, "");
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
    EXPECT_EQ(leftOut, 2);
    const std::string text = pdfText(save(t, "cone.pdf"), 1, 1);
    EXPECT_NE(text.find("6 行 × 5 列共 28 页（2 页空白，不印）"), std::string::npos);
}

TEST_F(TemplatePdf, TheCheckSquareOnPageOneAndTheCheckScaleOnEveryTemplatePageMeasure100Millimetres) {
    const PrintedTemplate t = presetTemplate("cone", "A3");
    const std::string path = save(t, "cone.pdf");
    const MmRect square = checkSquareRect(t.tiles);
    constexpr double mmPerPoint = 25.4 / 72;
    const auto rects = testing::strokedRects(path, 1, "0.3");
    ASSERT_EQ(rects.size(), 1u) << "the check square is the one rectangle stroked 0.3 mm wide";
    EXPECT_NEAR(rects[0].width * mmPerPoint, 100, 0.01);
    EXPECT_NEAR(rects[0].height * mmPerPoint, 100, 0.01);
    EXPECT_NEAR(rects[0].left * mmPerPoint, square.left, 0.01);
    EXPECT_NEAR(rects[0].top * mmPerPoint, square.top, 0.01);
    const std::string first = pdfText(path, 1, 1);
    EXPECT_NE(first.find("检验方框"), std::string::npos);
    EXPECT_NE(first.find("100 mm × 100 mm"), std::string::npos);

    // A template page: no square, but the scale's two rulers, each 100 mm
    // from its first tick to its last, a tick every 10 mm, both from the
    // same corner.
    for (int page : {t.infoPages + 1, t.pageCount()}) {
        SCOPED_TRACE(page);
        EXPECT_TRUE(testing::strokedRects(path, page, "0.3").empty());
        std::vector<double> across, up;  // the ticks' positions, mm
        double cornerX = 0, cornerY = 0;
        for (const testing::SvgLine& l : testing::strokedLines(path, page, "0.18")) {
            const double dx = std::fabs(l.x2 - l.x1) * mmPerPoint, dy = std::fabs(l.y2 - l.y1) * mmPerPoint;
            if (dx < 0.01 && dy < 5) across.push_back(l.x1 * mmPerPoint), cornerY = l.y1 * mmPerPoint;
            if (dy < 0.01 && dx < 5) up.push_back(l.y1 * mmPerPoint), cornerX = l.x1 * mmPerPoint;
        }
        std::sort(across.begin(), across.end());
        std::sort(up.begin(), up.end());
        ASSERT_EQ(across.size(), 11u);
        ASSERT_EQ(up.size(), 11u);
        EXPECT_NEAR(across.back() - across.front(), 100.0, 0.2);
        EXPECT_NEAR(up.back() - up.front(), 100.0, 0.2);
        for (size_t i = 1; i < 11; ++i) {
            EXPECT_NEAR(across[i] - across[i - 1], 10.0, 0.05);
            EXPECT_NEAR(up[i] - up[i - 1], 10.0, 0.05);
        }
        EXPECT_NEAR(across.front(), cornerX, 0.05) << "both start at the corner";
        EXPECT_NEAR(up.back(), cornerY, 0.05);
        // Along the foot under the window and up its left edge.
        EXPECT_LT(cornerX, t.tiles.content.left);
        EXPECT_GT(cornerY, t.tiles.content.bottom());
        EXPECT_LT(cornerY, t.tiles.pageHeight - t.tiles.margins.margin);
        EXPECT_NE(pdfText(path, page, page).find("检验尺"), std::string::npos);
    }
}

TEST_F(TemplatePdf, APrintersCorrectionScalesEveryPageAboutItsCornerAndPageOneSaysSo) {
    PrintedTemplate t = presetTemplate("cone", "A3");
    const MmRect square = checkSquareRect(t.tiles);
    // A printer that printed the calibration square 99.2 mm across, 100.9 mm down.
    t.correction = *correctionFromMeasures(99.2, 100.9);
    const std::string path = save(t, "corrected.pdf");
    constexpr double mmPerPoint = 25.4 / 72;
    for (int page : {1}) {  // the check square is page 1's
        SCOPED_TRACE(page);
        const auto rects = testing::strokedRects(path, page, "0.3");
        ASSERT_EQ(rects.size(), 1u);
        EXPECT_NEAR(rects[0].width * mmPerPoint, 100.806, 0.02);  // 100 x 100 / 99.2
        EXPECT_NEAR(rects[0].height * mmPerPoint, 99.108, 0.02);  // 100 x 100 / 100.9
        EXPECT_NEAR(rects[0].left * mmPerPoint, square.left * 100 / 99.2, 0.02);
        EXPECT_NEAR(rects[0].top * mmPerPoint, square.top * 100 / 100.9, 0.02);
    }
    EXPECT_NE(pdfText(path, 1, 1).find("已按校准 99.2 × 100.9 mm 修正"), std::string::npos);
    EXPECT_EQ(pdfText(path, 2, 2).find("已按校准"), std::string::npos) << "page 1 alone says so";
    EXPECT_EQ(pdfText(save(presetTemplate("cone", "A3"), "plain.pdf"), 1, 1).find("已按校准"), std::string::npos);
}

TEST_F(TemplatePdf, ARollIsOnePageAsWideAsTheRollWithTheCheckSquareAtItsStart) {
    // The small elbow's two pieces side by side are wider than 914 mm less
    // the margins: turned, they fit across.
    const std::map<std::string, std::string> smallElbow = {{"Text1", "300"}, {"Text2", "450"}};
    const PrintedTemplate t = presetTemplate("elbow", "roll914", smallElbow);
    ASSERT_FALSE(t.rejected());
    EXPECT_TRUE(t.turned);
    EXPECT_EQ(t.pageCount(), 1);
    const std::string path = save(t, "roll.pdf");
    EXPECT_EQ(pdfInfo(path, "Pages"), "1");
    double width = 0, height = 0;
    ASSERT_EQ(std::sscanf(pdfInfo(path, "Page size").c_str(), "%lf x %lf pts", &width, &height), 2);
    constexpr double mmPerPoint = 25.4 / 72;
    EXPECT_NEAR(width * mmPerPoint, 914, 0.2);
    EXPECT_NEAR(height * mmPerPoint, t.tiles.pageHeight, 0.2);
    // As long as the pattern, its head and margins.
    const PatternExtent& e = t.tiles.extent;
    EXPECT_NEAR(t.tiles.pageHeight, e.maxY - e.minY + t.tiles.band.height + 20, 1e-6);
    const auto rects = testing::strokedRects(path, 1, "0.3");
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_NEAR(rects[0].width * mmPerPoint, 100, 0.01);
    EXPECT_LT(rects[0].top * mmPerPoint + 100, t.tiles.content.top) << "at the start, before the pattern";
    const std::string text = pdfText(path, 1, 1);
    EXPECT_NE(text.find("914 mm 卷筒纸，图案转 90°：一页"), std::string::npos) << text.substr(0, 400);
    EXPECT_EQ(text.find("拼接"), std::string::npos) << "nothing to join";
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

TEST_F(TemplatePdf, TypedTextInTheTitleBlockShowsAsTypedOrAsAPlaceholderAndFitsThePage) {
    // The face holds the placeholder and the ellipsis, and no emoji, which
    // another face would have drawn or left out.
    const cad::TitleFit fit = templateTitleFit(190);
    EXPECT_TRUE(fit.canShow(0x25A1));
    EXPECT_TRUE(fit.canShow(0x2026));
    EXPECT_FALSE(fit.canShow(0x1F600));

    // A small elbow: diameter with a right-to-left override, an emoji and a
    // zero-width space, radius 6000 characters long.
    const PrintedTemplate t =
        presetTemplate("elbow", "A4", {{"Text1", "300\u202Eabc\U0001F600\u200B"}, {"Text2", "450" + std::string(6000, 'x')}});
    ASSERT_FALSE(t.rejected());
    ASSERT_FALSE(t.tiles.landscape);
    const std::string path = save(t, "elbow.pdf");
    const std::string text = pdfText(path, 1, 1);
    EXPECT_NE(text.find("输入管道外径：300□abc□□ mm"), std::string::npos) << text;
    // The radius cut to the page, not narrowed into a grey band: on A4 (190
    // mm of text 3 mm high) about 100 of its x, then "…" and the unit.
    const std::regex radius("输入弯曲半径：450(x+)… mm");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(text, m, radius)) << text;
    EXPECT_GT(m[1].length(), 50);
    EXPECT_LT(m[1].length(), 200);
}

TEST_F(TemplatePdf, OnSmallPaperTheListingRunsOnToFurtherInformationPages) {
    const PrintedTemplate t = presetTemplate("tee", "A4", {{"Text1(0)", "400"}, {"Text1(1)", "250"}});
    ASSERT_GT(t.infoPages, 1);
    // The first page's rows over its check square, the others' down to the margin.
    const size_t onFirst = static_cast<size_t>(t.rowsPerInfoPage), later = static_cast<size_t>(t.rowsPerLaterInfoPage);
    EXPECT_GT(later, onFirst);
    EXPECT_EQ(static_cast<size_t>(t.infoPages), 1 + (t.infoRows.size() - onFirst + later - 1) / later);
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

TEST_F(TemplatePdf, ProgressCountsEveryPageAndACancelStopsAtTheNextOneWritingNothing) {
    const PrintedTemplate t = presetTemplate("cone", "A4");
    std::vector<std::pair<int, int>> reports;
    saveTemplatePdf(t, file("whole.pdf"), {[&reports](int done, int total) { reports.emplace_back(done, total); }});
    const int pages = std::stoi(pdfInfo(file("whole.pdf"), "Pages"));
    ASSERT_GT(pages, 10);
    ASSERT_EQ(reports.size(), static_cast<size_t>(pages) + 1) << "before each page and once at the end";
    for (int i = 0; i <= pages; ++i) EXPECT_EQ(reports[static_cast<size_t>(i)], std::make_pair(i, pages));

    const fs::path kept = dir_ / "kept.pdf";
    std::ofstream(kept) << "kept";
    std::atomic<bool> cancel{false};
    int last = 0;
    const PageProgress stopAtFive{[&](int done, int) {
                                      last = done;
                                      if (done == 5) cancel = true;
                                  },
                                  &cancel};
    EXPECT_THROW(saveTemplatePdf(t, kept.string(), stopAtFive), Cancelled);
    EXPECT_EQ(last, 5) << "no page after the cancel";
    std::ifstream in(kept);
    std::string content;
    in >> content;
    EXPECT_EQ(content, "kept");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2) << "no temporary file left";
}

}  // namespace
}  // namespace korvel
