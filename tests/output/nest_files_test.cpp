// The nest's files beyond the plates: summary.pdf over several pages, the
// plate files an earlier, longer nest left in the folder, and the files saved
// all or none.

#include <gtest/gtest.h>

#include <atomic>

#include "output/nest_files.h"
#include "output/pdf_tools.h"
#include "support/files.h"

namespace korvel {
namespace {

using korvel::testing::FolderTest;

class NestFiles : public FolderTest {};

TEST_F(NestFiles, OnlyPlateFilesPastThisNestsCountAreStale) {
    for (const char* name : {"plate-01.dxf", "plate-03.svg", "plate-04.dxf", "plate-04.svg", "plate-12.dxf",
                             "plate-4.dxf", "plate-xx.dxf", "plate-05.txt", "plate-100.dxf", "summary.csv"})
        cad::saveFileBytes(file(name), "x");
    EXPECT_EQ(cad::staleNestFiles(dir_.string(), 3),
              (std::vector<std::string>{file("plate-04.dxf"), file("plate-04.svg"), file("plate-100.dxf"),
                                        file("plate-12.dxf")}));
    EXPECT_TRUE(cad::staleNestFiles(dir_.string(), 100).empty());
    EXPECT_TRUE(cad::staleNestFiles(file("missing"), 0).empty());
}

TEST_F(NestFiles, ALongSummaryRunsOnWithTheTableHeadingAndEveryPlatesPicture) {
    // 60 plates of no parts. A page holds 48 lines of 5.2 mm under its head
    // (250.2 mm): page 1 the total, a blank, the heading and 45 rows; page 2
    // the heading again, 15 rows, a blank and 2 of the 15 rows of pictures
    // (56 mm, a caption and 3 mm: 64.2 mm each); then 3 rows a page, 5 pages.
    JobNest nest;
    for (int i = 0; i < 60; ++i) nest.plates.push_back({"碳钢", 3, {1250, 2500, 10, 8}, {}, 0, 73.6});
    const std::string path = file("summary.pdf");
    const QByteArray pdf = nestSummaryPdf({"风管", "某厂", "DW-7"}, nest);
    cad::saveFileBytes(path, std::string_view(pdf.constData(), static_cast<size_t>(pdf.size())));
    const int pages = nestSummaryPages(nest);
    EXPECT_EQ(korvel::testing::pdfInfo(path, "Pages"), std::to_string(pages));
    EXPECT_EQ(pages, 7);
    const std::string second = korvel::testing::pdfText(path, 2, 2);
    EXPECT_NE(second.find("张 材料 板厚 mm"), std::string::npos) << second;
    EXPECT_NE(second.find("任务：风管 客户：某厂 图号：DW-7"), std::string::npos) << second;
    EXPECT_NE(korvel::testing::pdfText(path, pages, pages).find("第 60 张 0.0%"), std::string::npos);
}

TEST_F(NestFiles, AllOrNoneACancelOrAFailureLeavesTheFolderAsItWas) {
    JobNest nest;  // three plates of no parts: 3 × (DXF + SVG) + summary.pdf + summary.csv
    for (int i = 0; i < 3; ++i) nest.plates.push_back({"碳钢", 3, {1250, 2500, 10, 8}, {}, 0, 73.6});
    cad::saveFileBytes(file("summary.csv"), "the last nest");
    std::atomic<bool> stop{false};
    std::vector<int> told;
    int stopAt = 3;
    const PageProgress progress{[&](int done, int total) {
                                    EXPECT_EQ(total, 8);
                                    told.push_back(done);
                                    stop = done == stopAt;
                                },
                                &stop};
    std::string failed;
    // Stopped before the fourth file: the three made are not put in place.
    EXPECT_THROW(cad::saveNestFiles(dir_.string(), nest, {}, failed, progress), Cancelled);
    EXPECT_EQ(told, (std::vector<int>{0, 1, 2, 3}));
    const std::set<std::string> before{"summary.csv"};
    EXPECT_EQ(names(), before) << "no temporary file left";
    // A folder made for the files goes again.
    stopAt = 0;
    EXPECT_THROW(cad::saveNestFiles(file("new/plates"), nest, {}, failed, progress), Cancelled);
    EXPECT_FALSE(std::filesystem::exists(file("new")));
    // The fourth file cannot be written (a folder has its name): named, the three before it gone.
    std::filesystem::create_directory(file("plate-02.svg"));
    stopAt = -1;
    EXPECT_THROW(cad::saveNestFiles(dir_.string(), nest, {}, failed, progress), cad::SaveError);
    EXPECT_EQ(failed, file("plate-02.svg"));
    EXPECT_EQ(names().size(), 2u);
    EXPECT_EQ(korvel::testing::readAll(file("summary.csv")), "the last nest");

    std::filesystem::remove(file("plate-02.svg"));
    told.clear();
    EXPECT_EQ(cad::saveNestFiles(dir_.string(), nest, {}, failed, progress).size(), 8u);
    EXPECT_EQ(told.back(), 8);
    EXPECT_EQ(names().size(), 8u) << "every file in place, no temporary one";
    EXPECT_NE(korvel::testing::readAll(file("summary.csv")), "the last nest");
}

}  // namespace
}  // namespace korvel
