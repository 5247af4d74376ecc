// Pieces split to the plate: parts that each fit, covering the piece exactly
// (polygon clipping), adding up to its area plus the seam strips (seam × the
// length of the generators cut along, measured on the unsplit piece), arcs
// kept, a join label on both sides of every cut; the pieces that cannot be
// split refused by name, through a whole job's nest as well.

#include <gtest/gtest.h>

#include <clipper.hpp>

#include <cmath>
#include <map>

#include "core/cut_list.h"
#include "core/nesting/job_nest.h"
#include "core/nesting/split.h"
#include "support/jobs.h"

namespace korvel {
namespace {

const Plate kSmallPlate{1250, 2500, 10, 8};  // usable 1230 × 2480

Piece developedPiece(const JobEntry& e, const std::string& name) {
    Job job;
    job.entries.push_back(e);
    for (const NestPart& part : jobParts(job).parts)
        if (part.piece.name == name) return part.piece;
    ADD_FAILURE() << "no piece " << name;
    return {};
}

// The piece's generators that no part keeps: the lines it was cut along.
std::vector<MarkLine> cutGenerators(const Piece& piece, const std::vector<Piece>& parts) {
    std::vector<MarkLine> cut;
    for (const MarkLine& m : piece.marks) {
        if (m.kind != MarkKind::Generator && m.kind != MarkKind::Quarter) continue;
        bool kept = false;
        for (const Piece& part : parts)
            for (const MarkLine& k : part.marks) kept = kept || (k.from == m.from && k.to == m.to);
        if (!kept) cut.push_back(m);
    }
    return cut;
}

double length(const MarkLine& m) { return std::hypot(m.to.x - m.from.x, m.to.y - m.from.y); }

double totalArea(const std::vector<Piece>& parts) {
    double sum = 0;
    for (const Piece& p : parts) sum += pieceArea(p);
    return sum;
}

ClipperLib::Path clipPath(const Polyline& line) {
    ClipperLib::Path path;
    for (const Point2& p : flattened(line, 0.001)) path.push_back({std::llround(p.x * 1000), std::llround(p.y * 1000)});
    return path;
}

// mm² of the piece not covered by the parts, and of the parts outside it.
double uncovered(const Piece& piece, const std::vector<Piece>& parts) {
    ClipperLib::Clipper clipper;
    clipper.AddPath(clipPath(piece.outline), ClipperLib::ptSubject, true);
    for (const Piece& part : parts) clipper.AddPath(clipPath(part.outline), ClipperLib::ptClip, true);
    ClipperLib::Paths rest;
    clipper.Execute(ClipperLib::ctXor, rest, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    double area = 0;
    for (const auto& p : rest) area += std::abs(ClipperLib::Area(p));
    return area / 1e6;
}

// Each part, turned as the split says, within the usable plate one way
// round or the other.
void expectFits(const SplitPiece& split) {
    ASSERT_EQ(split.turns.size(), split.parts.size());
    for (size_t i = 0; i < split.parts.size(); ++i) {
        const Piece& part = split.parts[i];
        Polyline turned = part.outline;
        const double c = std::cos(split.turns[i]), s = std::sin(split.turns[i]);
        for (Vertex& v : turned.vertices) v = {v.x * c - v.y * s, v.x * s + v.y * c, v.bulge};
        const Extent e = outlineExtent(turned);
        const double w = e.maxX - e.minX, h = e.maxY - e.minY;
        EXPECT_LE(std::min(w, h), 1230 - 1) << part.name;
        EXPECT_LE(std::max(w, h), 2480 - 1) << part.name;
    }
}

// The join labels, text by text: on which parts.
std::map<std::string, std::vector<std::string>> joinLabels(const std::vector<Piece>& parts) {
    std::map<std::string, std::vector<std::string>> joins;
    for (const Piece& part : parts)
        for (const StationLabel& label : part.labels) {
            if (!label.marking) continue;
            joins[label.text].push_back(part.name);
            EXPECT_EQ(ClipperLib::PointInPolygon({std::llround(label.at.x * 1000), std::llround(label.at.y * 1000)},
                                                 clipPath(part.outline)),
                      1)
                << label.text << " outside " << part.name;
        }
    return joins;
}

TEST(Split, ElbowSectionAlongGeneratorsFitsCoversAndAddsUpWithItsSeams) {
    // The preset elbow, D = 1120: a middle section 3487 × 1198 mm.
    const Piece section = developedPiece(entry("elbow", {}, {}, 1, "E-01"), "中节");
    const double whole = pieceArea(section);

    const SplitPiece plain = splitToPlate(section, "E-01", kSmallPlate, 4, 0);
    ASSERT_EQ(plain.error, "");
    // 3487 mm along the plate's 2480: two parts.
    ASSERT_EQ(plain.parts.size(), 2u);
    EXPECT_EQ(plain.parts[0].name, "中节-1");
    EXPECT_EQ(plain.parts[1].name, "中节-2");
    expectFits(plain);
    EXPECT_NEAR(totalArea(plain.parts), whole, 1e-6 * whole);
    EXPECT_LT(uncovered(section, plain.parts), 1.0);
    const std::vector<MarkLine> cuts = cutGenerators(section, plain.parts);
    ASSERT_EQ(cuts.size(), 1u);

    const auto joins = joinLabels(plain.parts);
    ASSERT_EQ(joins.size(), 1u);
    EXPECT_EQ(joins.begin()->first, "E-01-中节-1 ↔ E-01-中节-2");
    EXPECT_EQ(joins.begin()->second, (std::vector<std::string>{"中节-1", "中节-2"}));

    // A 20 mm strip beside the cut: 20 × the generator's length more.
    const SplitPiece seamed = splitToPlate(section, "E-01", kSmallPlate, 4, 20);
    ASSERT_EQ(seamed.error, "");
    ASSERT_EQ(seamed.parts.size(), 2u);
    expectFits(seamed);
    EXPECT_NEAR(totalArea(seamed.parts), whole + 20 * length(cuts[0]), 1e-6 * whole);
    // The strip goes on the first part only.
    EXPECT_NEAR(pieceArea(seamed.parts[1]), pieceArea(plain.parts[1]), 1e-6 * whole);

}

TEST(Split, ConeFrustumAlongGeneratorsKeepsItsArcs) {
    // A sector 1324 × 3051 mm: too tall for 2480 either way round.
    const Piece sector =
        developedPiece(entry("cone", {{"small", "600"}, {"big", "1200"}, {"h", "800"}}, {}, 1, "C-01"), "圆锥台");
    const SplitPiece split = splitToPlate(sector, "C-01", kSmallPlate, 4, 0);
    ASSERT_EQ(split.error, "");
    ASSERT_GE(split.parts.size(), 2u);
    expectFits(split);
    // Areas with the true arcs, and lengths along them: each cut adds its
    // generator twice to the parts' outlines.
    EXPECT_NEAR(totalArea(split.parts), pieceArea(sector), 1e-6 * pieceArea(sector));
    double cut = 0, perimeter = 0;
    for (const MarkLine& m : cutGenerators(sector, split.parts)) cut += length(m);
    for (const Piece& part : split.parts) perimeter += polylineLength(part.outline);
    EXPECT_NEAR(perimeter, polylineLength(sector.outline) + 2 * cut, 1e-6 * perimeter);
    EXPECT_EQ(cutGenerators(sector, split.parts).size(), split.parts.size() - 1);
    EXPECT_LT(uncovered(sector, split.parts), 5.0);  // the chords of 0.001 mm
    EXPECT_EQ(joinLabels(split.parts).size(), split.parts.size() - 1);
}

TEST(Split, RectangularFrustumAlongItsBendsEachFaceTurnedToFit) {
    // The preset: four faces fanned out over 4520 × 2527 mm, each at its
    // own slant; a face fits only laid along the plate.
    const Piece fan = developedPiece(entry("rect-frustum", {}, {}, 1, "R-01"), "矩方锥台");
    const SplitPiece split = splitToPlate(fan, "R-01", kSmallPlate, 4, 0);
    ASSERT_EQ(split.error, "");
    EXPECT_GE(split.parts.size(), 3u);
    expectFits(split);
    EXPECT_NEAR(totalArea(split.parts), pieceArea(fan), 1e-6 * pieceArea(fan));
    EXPECT_EQ(joinLabels(split.parts).size(), split.parts.size() - 1);
}

// A rectangle of `width` × `height` mm with vertical generators every `step` mm.
Piece sheet(const std::string& name, double width, double height, double step) {
    Piece piece;
    piece.name = name;
    piece.outline = {{{0, 0, 0}, {width, 0, 0}, {width, height, 0}, {0, height, 0}}, true};
    for (double x = step; step > 0 && x < width - 1; x += step)
        piece.marks.push_back({{x, 0}, {x, height}, MarkKind::Generator});
    return piece;
}

TEST(Split, NamelessPiecesAndPiecesNoLineSplitsSmallEnough) {
    // 3000 × 1000 with generators every 500: 2000 cut off, then 1000.
    const SplitPiece nameless = splitToPlate(sheet("", 3000, 1000, 500), "X-01", kSmallPlate, 4, 0);
    ASSERT_EQ(nameless.error, "");
    ASSERT_EQ(nameless.parts.size(), 2u);
    EXPECT_EQ(nameless.parts[0].name, "1");
    EXPECT_EQ(joinLabels(nameless.parts).begin()->first, "X-01-1 ↔ X-01-2");
    // Without a quarter turn 2000 mm wide no longer fits 1230: three parts,
    // 1000 each.
    EXPECT_EQ(splitToPlate(sheet("", 3000, 1000, 500), "X-01", kSmallPlate, 2, 0).parts.size(), 3u);

    const std::string tail = " 比钢板可用尺寸大（3000 × 3000 mm，可用 1230 × 2480 mm），沿素线和折线也无法分割到钢板以内";
    // No line at all, and strips of 1000 × 3000 between the lines.
    EXPECT_EQ(splitToPlate(sheet("板", 3000, 3000, 0), "X-01", kSmallPlate, 4, 0).error, "件 X-01-板" + tail);
    const SplitPiece strips = splitToPlate(sheet("板", 3000, 3000, 1000), "X-01", kSmallPlate, 4, 0);
    EXPECT_EQ(strips.error, "件 X-01-板" + tail);
}

TEST(Split, AJobWithPiecesTooLargeNestsSplitOrNamesThePieceThatCannot) {
    Job job;
    job.entries.push_back(entry("elbow", {}, {}, 1, "E-01"));  // D = 1120: 2 ends, 2 middles
    JobNestOptions options;
    options.plate = kSmallPlate;
    options.seam = 10;
    const JobNest nest = nestJob(job, options);
    ASSERT_TRUE(nest.done()) << nest.error;
    // Every section in two parts, each copy named after its part.
    ASSERT_EQ(nest.parts.size(), 8u);
    EXPECT_EQ(nest.parts[0].name, "E-01-端节-1-1");
    EXPECT_EQ(nest.parts[1].name, "E-01-端节-1-2");
    EXPECT_EQ(nest.parts[2].name, "E-01-端节-2-1");
    size_t placed = 0;
    for (const JobPlate& plate : nest.plates) placed += plate.nested.parts.size();
    EXPECT_EQ(placed, 8u);
    double cut = 0;
    for (const CutPiece& piece : cutList(job).pieces) cut += piece.area * 1e6 * piece.quantity;
    EXPECT_GT(nest.usedArea(), cut);  // and the seam strips
    EXPECT_LT(nest.usedArea(), cut + 4 * 10 * 1200);

    // A flat disc 3000 mm across has no line from edge to edge.
    job.entries.push_back(entry("cone", {{"small", "0"}, {"big", "3000"}, {"h", "0"}}, {}, 1, "C-02"));
    const JobNest refused = nestJob(job, options);
    EXPECT_EQ(refused.error,
              "件 C-02-圆锥体 比钢板可用尺寸大（3000 × 3000 mm，可用 1230 × 2480 mm），沿素线和折线也无法分割到钢板以内");
    EXPECT_TRUE(refused.plates.empty());
}

}  // namespace
}  // namespace korvel
