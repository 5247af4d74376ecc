// The names of a pattern's files written piece by piece (what they hold:
// pattern_file_options_readback.py).

#include <gtest/gtest.h>

#include "output/pattern_dxf.h"
#include "output/sample_pattern.h"

namespace korvel::cad {
namespace {

TEST(PatternFiles, PiecesAreNamedByTheStemTheirNumberAndName) {
    PatternExport e = halfDisc();
    const PatternFileOptions perPiece{DxfVersion::R12, false, true};
    EXPECT_EQ(patternFilePaths(e, "/a.b/x.dxf"), std::vector<std::string>{"/a.b/x.dxf"});
    EXPECT_EQ(patternFilePaths(e, "/a.b/x.dxf", perPiece),
              (std::vector<std::string>{"/a.b/x_1_半圆板.dxf", "/a.b/x_2_第二块.dxf"}));
    // No suffix: the name is the stem, not the folder's dot.
    e.pattern.pieces[1].name = "a/b\\c";
    EXPECT_EQ(patternFilePaths(e, "/a.b/x", perPiece),
              (std::vector<std::string>{"/a.b/x_1_半圆板.dxf", "/a.b/x_2_a_b_c.dxf"}));
    e.pattern.pieces[1].name.clear();
    EXPECT_EQ(patternFilePaths(e, ".hidden", perPiece)[1], ".hidden_2.dxf");
}

}  // namespace
}  // namespace korvel::cad
