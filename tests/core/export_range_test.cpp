// The range check every exported pattern passes: a kilometre either way of 0
// holds, a hair beyond it or a number that is not one does not, wherever it
// stands (outline, mark, label), and a piece of no area is named.

#include <gtest/gtest.h>

#include <cmath>

#include "core/export_range.h"

namespace korvel {
namespace {

// A 1000 mm square with one mark and one label, as a pattern of one piece.
FlatPattern square() {
    Piece p;
    p.name = "端节";
    p.outline = {{{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}}, true};
    p.marks = {{{500, 0}, {500, 1000}}};
    p.labels = {{{500, 500}, "L0"}};
    return {"弯头", {p}, {}};
}

std::string refusalText(const FlatPattern& pattern) {
    const auto refused = patternRangeRefusal(pattern);
    if (!refused) return "";
    EXPECT_TRUE(refused->stopped);
    return std::get<ShowMessage>(refused->effects.front()).text;
}

TEST(ExportRange, AKilometreHoldsAndAnythingBeyondOrNotANumberIsRefusedWhereverItStands) {
    const std::string tooLarge = "展开图尺寸超出范围（超过 1000000 mm），不能生成展开图！";
    FlatPattern p = square();
    p.pieces[0].outline.vertices[1].x = -1e6;
    p.pieces[0].marks[0].to.y = 1e6;
    EXPECT_EQ(refusalText(p), "");
    for (auto put : std::vector<void (*)(Piece&)>{
             [](Piece& q) { q.outline.vertices[2].y = 1.000001e6; },
             [](Piece& q) { q.outline.vertices[2].bulge = NAN; },
             [](Piece& q) { q.marks[0].from.x = -1.000001e6; },
             [](Piece& q) { q.labels[0].at.y = NAN; },
         }) {
        FlatPattern q = square();
        put(q.pieces[0]);
        EXPECT_EQ(refusalText(q), tooLarge);
    }
    FlatPattern flat = square();
    for (Vertex& v : flat.pieces[0].outline.vertices) v.x = 0;
    EXPECT_EQ(refusalText(flat), "展开图中“端节”的面积为零，不能下料，不能生成展开图！");
}

}  // namespace
}  // namespace korvel
