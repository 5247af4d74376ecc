// Jobs: a job saved and read back is the same job, byte for byte at the next
// save; every bad file opens what it can, names what it cannot, and saving
// loses nothing of it; the cut list of a small job equals what a hand count
// and a pencil give (pieces, areas of the developed surfaces, perimeters,
// weights at the material's density).

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/cut_list.h"
#include "core/job.h"
#include "support/jobs.h"

namespace korvel {
namespace {

constexpr double kPi = std::numbers::pi;

// An elbow of 4 sections (2 ends, 2 middles) and a cone frustum, both
// developed on the sizes as typed, in aluminium.
Job smallJob() {
    Job job;
    job.name = "风管 1 号线";
    job.customer = "客户 \"A\"";
    job.material = materialPresets()[2];
    job.entries.push_back(entry("elbow", {{"D", "1120"}, {"R", "1680"}, {"alpha", "90"}, {"t", "10"}, {"k", "4"}},
                                {{"surface", "typed"}}, 3, "E-01"));
    job.entries.push_back(
        entry("cone", {{"small", "500"}, {"big", "1000"}, {"h", "500"}}, {{"surface", "typed"}, {"plate-t", "4"}}, 2, "C-01"));
    return job;
}

TEST(Job, SavedAndReadBackIsTheSameJobAndTheSameBytes) {
    Job job = smallJob();
    job.entries.push_back(entry("tee", {{"t", "4"}}, {{"joint", "set-on"}, {"main-t", "6"}}, 1, "T,1"));
    const std::string bytes = jobBytes(job);
    const JobReading reading = readJob(bytes);
    ASSERT_TRUE(reading.job);
    EXPECT_TRUE(reading.problems.empty()) << reading.problems.front();
    EXPECT_TRUE(reading.keepsAll);
    const Job& back = *reading.job;
    EXPECT_EQ(back.name, job.name);
    EXPECT_EQ(back.customer, job.customer);
    EXPECT_EQ(back.material.name, "铝");
    EXPECT_EQ(back.material.density, 2.70);
    ASSERT_EQ(back.entries.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(back.entries[i].mark, job.entries[i].mark);
        EXPECT_EQ(back.entries[i].fitting, job.entries[i].fitting);
        EXPECT_EQ(back.entries[i].quantity, job.entries[i].quantity);
        EXPECT_EQ(back.entries[i].inputs, job.entries[i].inputs);
        EXPECT_EQ(back.entries[i].choices, job.entries[i].choices);
    }
    EXPECT_EQ(jobBytes(back), bytes);
    // Readable: indented, UTF-8 as is, the format and version first.
    EXPECT_TRUE(bytes.starts_with("{\n  \"format\": \"korvel-job\",\n  \"version\": 1,\n  \"name\": \"风管 1 号线\""));
}

// A file with every kind of bad entry, between two good ones.
const std::string kBadEntries = R"({"format": "korvel-job", "version": 1, "name": "x",
  "material": {"name": "碳钢", "density": 7.85},
  "future": {"kept": true},
  "entries": [
    {"mark": "E-01", "fitting": "elbow", "quantity": 1, "inputs": {"D": 800}},
    {"mark": "E-02", "fitting": "elbowx", "quantity": 1},
    {"mark": "E-03", "fitting": "elbow"},
    {"mark": "E-04", "fitting": "elbow", "quantity": "four"},
    {"mark": "E-05", "fitting": "elbow", "quantity": 1, "inputs": {"Q": "1"}, "choices": {"seam": "nowhere"}},
    {"mark": "E-06", "fitting": "elbow", "quantity": 1, "inputs": {"D": "-5"}},
    7,
    {"mark": "C-01", "fitting": "cone", "quantity": 2}
  ]})";

TEST(Job, BadEntriesAreNamedByEntryAndFieldAndKeptAsTheyWere) {
    const JobReading reading = readJob(kBadEntries);
    ASSERT_TRUE(reading.job);
    EXPECT_TRUE(reading.keepsAll);
    const std::vector<std::string> expected{
        "第 2 项（E-02）：未知的配件“elbowx”，此项未读入。",
        "第 3 项（E-03）：缺少“quantity”（数量），此项未读入。",
        "第 4 项（E-04）：“quantity”（数量）应为 1 到 1000000 的整数，文件中是 \"four\"，此项未读入。",
        "第 5 项（E-05）：配件 elbow 没有输入“Q”，此项未读入。",
        "第 5 项（E-05）：导出选项“seam”的值 \"nowhere\" 不可用，此项未读入。",
        "第 6 项（E-06）：配件 elbow 不接受这些输入：管道外径必须大于零！（此项已读入，不能展开）",
        "第 7 项：应为一个对象（{…}），此项未读入。"};
    EXPECT_EQ(reading.problems, expected);
    const Job& job = *reading.job;
    ASSERT_EQ(job.entries.size(), 8u);
    EXPECT_TRUE(job.entries[0].readable());
    EXPECT_EQ(job.entries[0].inputs.front(), NamedInput("D", "800"));  // a number is a box text too
    EXPECT_TRUE(job.entries[5].readable());                             // refused, but read: the window may put it right
    EXPECT_FALSE(job.entries[1].readable());
    EXPECT_TRUE(job.entries[7].readable());

    // Saving loses nothing: the unread entries and the unknown field come
    // back as they were, in their places, and read the same again.
    const std::string saved = jobBytes(job);
    EXPECT_NE(saved.find("\"fitting\": \"elbowx\""), std::string::npos);
    EXPECT_NE(saved.find("\"quantity\": \"four\""), std::string::npos);
    EXPECT_NE(saved.find("\"future\": {\n    \"kept\": true"), std::string::npos);
    const JobReading again = readJob(saved);
    EXPECT_EQ(again.problems, expected);
    EXPECT_EQ(jobBytes(*again.job), saved);

    // The cut list counts what it can and names the rest.
    const CutList list = cutList(job);
    EXPECT_EQ(list.leftOut.size(), 6u);
    EXPECT_EQ(list.leftOut[4], "第 6 项（E-06）：配件 elbow 不接受这些输入：管道外径必须大于零！");
}

TEST(Job, AFileThatIsNoJobOpensNothing) {
    const std::pair<std::string, std::string> files[] = {
        {"{\"format\": \"korvel-job\", \"version\": 1,", "任务文件不是可读的 JSON 文本（第 39 个字节处有误），未打开。"},
        {"[1, 2]", "这不是任务文件（没有 \"format\": \"korvel-job\"），未打开。"},
        {R"({"format": "korvel-job", "version": 2, "entries": []})", "任务文件的版本是 2，本程序只读版本 1，未打开。"},
        {R"({"format": "korvel-job", "version": "1"})", "任务文件没有可读的版本号“version”，未打开。"},
    };
    for (const auto& [bytes, message] : files) {
        const JobReading reading = readJob(bytes);
        EXPECT_FALSE(reading.job) << bytes;
        EXPECT_EQ(reading.problems, std::vector<std::string>{message});
    }
    // A job field that cannot be read is named, and saving would lose it.
    const JobReading material = readJob(R"({"format": "korvel-job", "version": 1, "material": "steel", "entries": []})");
    ASSERT_TRUE(material.job);
    EXPECT_FALSE(material.keepsAll);
    EXPECT_EQ(material.job->material.density, 7.85);
}

// The extreme points of an arc count: a 100 × 100 square whose top edge is a
// half circle bulging up reaches 50 above it; a quarter arc turning right
// ends where it is extreme.
TEST(CutList, ExtentTakesTheArcsExtremePoints) {
    const Polyline dome{{{0, 0}, {100, 0}, {100, 100, 1}, {0, 100}}, true};
    const Extent e = outlineExtent(dome);
    EXPECT_NEAR(e.minX, 0, 1e-9);
    EXPECT_NEAR(e.maxX, 100, 1e-9);
    EXPECT_NEAR(e.maxY, 150, 1e-9);
    const Polyline hollow{{{0, 0}, {100, 0}, {100, 100, -1}, {0, 100}}, true};
    EXPECT_NEAR(outlineExtent(hollow).maxY, 100, 1e-9);
}

TEST(CutList, SmallJobEqualsTheHandCount) {
    const CutList list = cutList(smallJob());
    ASSERT_TRUE(list.leftOut.empty());
    ASSERT_EQ(list.pieces.size(), 3u);
    // Elbow: 2 end sections and k − 2 = 2 middle ones per elbow, 3 elbows.
    const CutPiece& end = list.pieces[0];
    const CutPiece& middle = list.pieces[1];
    EXPECT_EQ(end.piece, "端节");
    EXPECT_EQ(end.quantity, 6);
    EXPECT_EQ(middle.quantity, 6);
    // The sections together are the pipe along the centre line: 3 joints of
    // 30° give 2·R·tan 15° per middle section and half that per end, so one
    // elbow's plate is πD × 2·R·tan 15° × 3 (mm²).
    const double centreLine = 2 * 1680 * std::tan(15 * kPi / 180) * 3;
    EXPECT_NEAR(2 * end.area + 2 * middle.area, kPi * 1120 * centreLine / 1e6, 1e-6);
    // Each section is one girth πD wide, the middle one twice the end's area.
    EXPECT_NEAR(end.width, kPi * 1120, 0.01);
    EXPECT_NEAR(middle.area, 2 * end.area, 1e-9);
    // Aluminium, 10 mm: m² × 1e6 × mm × g/cm³ × 1e-6 kg.
    EXPECT_NEAR(end.weight, end.area * 10 * 2.70, 1e-9);
    EXPECT_EQ(end.pierces, 1);

    // Cone frustum, diameters 500 and 1000, 500 high: the annular sector of
    // slant radii r = L and R = 2L (the slant L = √(250² + 500²)) and angle
    // θ = 360° × 500 / R.
    const CutPiece& cone = list.pieces[2];
    EXPECT_EQ(cone.quantity, 2);
    const double slant = std::hypot(250.0, 500.0), big = 2 * slant, small = slant;
    const double theta = 360 * 500 / big;
    EXPECT_NEAR(cone.area, kPi * (big * big - small * small) * theta / 360 / 1e6, 1e-6);
    // Cut: both arcs and both straight edges.
    EXPECT_NEAR(cone.cutLength, theta * kPi / 180 * (big + small) + 2 * (big - small), 1e-6);
    EXPECT_NEAR(cone.weight, cone.area * 4 * 2.70, 1e-9);

    // One total for each thickness, thinnest first.
    ASSERT_EQ(list.totals.size(), 2u);
    EXPECT_EQ(list.totals[0].thickness, 4);
    EXPECT_EQ(list.totals[0].pieces, 2);
    EXPECT_EQ(list.totals[1].pieces, 12);
    EXPECT_NEAR(list.totals[1].weight, 6 * (end.weight + middle.weight), 1e-9);
    EXPECT_EQ(list.totals[1].material, "铝");
}

TEST(CutList, CsvHasTheHeaderFixedDecimalsAndQuotes) {
    Job job = smallJob();
    job.entries[0].mark = "E-01, \"左\"";
    const std::string csv = cutListCsv(cutList(job));
    EXPECT_TRUE(csv.starts_with(
        "mark,fitting,piece,quantity,width_mm,height_mm,area_m2,weight_kg,cut_length_mm,pierces\r\n"
        "\"E-01, \"\"左\"\"\",elbow,端节,6,3518.6,"));
    const double slant = std::hypot(250.0, 500.0);
    const double area = kPi * 750 * slant / 1e6;  // the frustum's side, π (r₁ + r₂) L
    char expected[64];
    std::snprintf(expected, sizeof expected, ",%.4f,%.2f,", area, area * 4 * 2.70);
    EXPECT_NE(csv.find(std::string("C-01,cone,圆锥台,2,")), std::string::npos);
    EXPECT_NE(csv.find(expected), std::string::npos) << csv;
}

}  // namespace
}  // namespace korvel
