// `korvel job FILE add|set|cutlist|dxf|pdf`: a job built entry by entry, a
// refused entry or an unreadable file leaving the file as it was, and the
// marks of a job file, data, never writing outside the folder asked for.

#include <gtest/gtest.h>

#include <filesystem>

#include "output/pdf_tools.h"
#include "ui/command_line.h"
#include "support/files.h"
#include "support/program.h"

namespace korvel {
namespace {

namespace fs = std::filesystem;
using testing::readAll;

testing::ProgramRun job(const std::string& file, std::vector<std::string> args) {
    args.insert(args.begin(), {"job", file});
    return testing::runInProcess(args);
}

using JobCommandLine = testing::FolderTest;

TEST_F(JobCommandLine, AddsEntriesAndRefusesWithoutTouchingTheFile) {
    const std::string path = file("run.korvel");
    EXPECT_EQ(job(path, {"add", "elbow", "D=800", "seam=heel", "--qty", "4", "--mark", "E-01"}).status, kExitOk);
    EXPECT_EQ(job(path, {"set", "material=不锈钢", "customer=ACME"}).status, kExitOk);
    const std::string before = readAll(path);
    EXPECT_NE(before.find("\"name\": \"run\""), std::string::npos);
    EXPECT_NE(before.find("\"density\": 7.93"), std::string::npos);
    EXPECT_NE(before.find("\"seam\": \"heel\""), std::string::npos);

    // Refused by the fitting (2), or not a fitting's input (1): nothing written.
    const testing::ProgramRun refused = job(path, {"add", "elbow", "D=-5"});
    EXPECT_EQ(refused.status, kExitStopped);
    EXPECT_EQ(refused.err, "korvel: 管道外径必须大于零！\n");
    EXPECT_EQ(job(path, {"add", "elbow", "Q=1"}).status, kExitUsage);
    EXPECT_EQ(job(path, {"add", "elbow", "--qty", "0"}).status, kExitUsage);
    EXPECT_EQ(job(path, {"add", "elbow", "plate-t=3"}).status, kExitUsage);  // the elbow has its own t
    EXPECT_EQ(readAll(path), before);
    EXPECT_EQ(names(), std::set<std::string>{"run.korvel"});

    const testing::ProgramRun table = job(path, {"cutlist"});
    EXPECT_EQ(table.status, kExitOk) << table.err;
    EXPECT_NE(table.out.find("材料：不锈钢 7.93 g/cm³"), std::string::npos);
    EXPECT_NE(table.out.find("E-01  elbow  端节  8"), std::string::npos) << table.out;

    const testing::ProgramRun pdf = job(path, {"pdf", "-o", file("pdf"), "--page", "A3"});
    EXPECT_EQ(pdf.status, kExitOk) << pdf.err;
    EXPECT_EQ(pdf.out, file("pdf") + "/E-01.pdf\n");
    EXPECT_TRUE(readAll(file("pdf/E-01.pdf")).starts_with("%PDF-"));
    EXPECT_EQ(testing::pdfText(file("pdf/E-01.pdf"), 1, 1).find("已按校准"), std::string::npos);

    // A printer's correction, as korvel pdf takes it; a factor out of range writes nothing.
    EXPECT_EQ(job(path, {"pdf", "-o", file("scaled"), "--scale-x", "1.008"}).status, kExitOk);
    EXPECT_NE(testing::pdfText(file("scaled/E-01.pdf"), 1, 1).find("已按校准 99.2 × 100.0 mm 修正"), std::string::npos);
    EXPECT_EQ(job(path, {"pdf", "-o", file("bad"), "--scale-y=1.2"}).status, kExitUsage);
    EXPECT_EQ(job(path, {"dxf", "-o", file("bad"), "--scale-x", "1.008"}).status, kExitUsage);
    EXPECT_FALSE(fs::exists(file("bad")));
}

TEST_F(JobCommandLine, AFileItCannotReadIsLeftAsItWas) {
    const std::string path = file("bad.korvel");
    for (const std::string bytes : {"not json", R"({"format": "korvel-job", "version": 9})",
                                    R"({"format": "korvel-job", "version": 1, "material": 7, "entries": []})"}) {
        std::ofstream(path, std::ios::binary) << bytes;
        const testing::ProgramRun run = job(path, {"add", "cone"});
        EXPECT_EQ(run.status, kExitStopped) << bytes;
        EXPECT_TRUE(run.err.starts_with("korvel: " + path + ": ")) << run.err;
        EXPECT_EQ(readAll(path), bytes);
    }
    // A missing file is no job to list.
    EXPECT_EQ(job(file("none.korvel"), {"cutlist"}).status, kExitStopped);
}

TEST_F(JobCommandLine, MarksNeverWriteOutsideTheFolder) {
    const std::string path = file("run.korvel");
    for (const std::string mark : {"../../x", "a/b", "..", "", "/etc/x", "A", "a", "\x01\n"})
        ASSERT_EQ(job(path, {"add", "cone", "--mark", mark}).status, kExitOk) << mark;
    const testing::ProgramRun run = job(path, {"dxf", "-o", file("out")});
    EXPECT_EQ(run.status, kExitOk) << run.err;
    std::set<std::string> written;
    for (const auto& e : fs::recursive_directory_iterator(dir_))
        written.insert(fs::relative(e.path(), dir_).string());
    const std::set<std::string> expected{"run.korvel",    "out",           "out/_._.._x.dxf", "out/a_b.dxf",
                                         "out/_..dxf",    "out/entry-4.dxf", "out/_etc_x.dxf", "out/A.dxf",
                                         "out/a_2.dxf",   "out/entry-8.dxf"};
    EXPECT_EQ(written, expected);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 8);
}

TEST_F(JobCommandLine, NestSeamIsMillimetresFromZero) {
    for (const char* seam : {"-5", "5mm", "nan"}) {
        const testing::ProgramRun run = job(file("none.korvel"), {"nest", "--seam", seam, "-o", file("plates")});
        EXPECT_EQ(run.status, kExitUsage) << seam;
        EXPECT_NE(run.err.find("--seam millimetres from 0"), std::string::npos) << run.err;
    }
    EXPECT_FALSE(fs::exists(file("plates")));
}

}  // namespace
}  // namespace korvel
