// Texts as the DXF file holds them: printable ASCII on one line, every other
// character escaped so that a CAD program shows what the user typed.

#include "output/dxf_text.h"

#include <gtest/gtest.h>

namespace korvel::cad {
namespace {

struct Case {
    const char* what;
    std::string in;
    std::string out;
};

TEST(DxfText, EscapesWhatWouldBreakTheFileOrReadAsACode) {
    const Case cases[] = {
        {"plain ASCII", "D1=219.91", "D1=219.91"},
        {"Chinese", "周长", "\\U+5468\\U+957F"},
        {"full-width and curly quotes", "“φ”：", "\\U+201C\\U+03C6\\U+201D\\U+FF1A"},
        {"line breaks and tab", "1120\r\n\t5", "1120   5"},
        {"other control characters", std::string("a\0b\x1b" "c\x7f", 6), "a b c "},
        {"C1 control and line separator", "a\xc2\x85" "b\xe2\x80\xa8" "c", "a b c"},
        {"backslash", "\\U+4E2D", "\\U+005CU+4E2D"},
        {"caret", "a^Jb", "a^ Jb"},
        {"percent signs", "%%c5%", "%%%%%%c5%%%"},
        {"beyond 16 bits", "\xf0\x9f\x98\x80", "\\U+FFFD"},
        {"stray continuation byte", "a\x80" "b", "a\\U+FFFDb"},
        {"cut sequence", "a\xe5\x91", "a\\U+FFFD\\U+FFFD"},
        {"overlong encoding", "\xc0\xaf", "\\U+FFFD\\U+FFFD"},
        {"encoded surrogate", "\xed\xa0\x80", "\\U+FFFD\\U+FFFD\\U+FFFD"},
        {"empty", "", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(dxfText(c.in), c.out) << c.what;
}

TEST(DxfText, LongTextsAreCutAtAWholeCharacter) {
    EXPECT_EQ(dxfText("abcdef", 4), "abcd");
    // An escape is never split: 8 bytes hold one \U+XXXX and the "a".
    EXPECT_EQ(dxfText("a周长", 8), "a\\U+5468");
    EXPECT_EQ(dxfText("a%b", 3), "a");
    const std::string pasted(100000, 'x');
    EXPECT_EQ(dxfText(pasted).size(), kMaxDxfTextBytes);
}

}  // namespace
}  // namespace korvel::cad
